/* The renderer plug-in: a shared library that draws the previews of the kit and look editors
 * into a window the editor gives it. The editor loads it at run time and reaches it through one
 * exported function, GetPlugin, which hands out a renderer object; everything else goes through
 * the seven calls of that object, in this order. The header is plain C, so that a plug-in can
 * be written in C or C++; it has no other part of the program in it.
 *
 * Colours of kits are the record's bytes: each colour three bytes red, green, blue of 0 to 63. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The name of the exported entry. */
#define TALLO_RENDERER_ENTRY "GetPlugin"

/* What the kit editor shows: which of the club's two kits (0 first, 1 second). */
typedef struct TalloKitSelection {
    int32_t kit;
} TalloKitSelection;

/* The club's kits as the KIT record holds them. Per kit: style 0 shirt pattern (0 to 42),
 * style 1 shorts pattern (0 to 12), style 2 socks pattern (0 to 3); colours 0 and 1 the shirt's
 * main and pattern colour, colour 2 the shorts, colour 3 the socks. */
typedef struct TalloKitData {
    uint8_t styles[2][3];
    uint8_t colours[2][12];
    uint16_t colourEntry;
} TalloKitData;

/* The twelve values of the kit now shown (call 3). */
enum TalloKitBlock {
    TALLO_KIT_BLOCK_KIT = 0,     /* 0 first kit, 1 second */
    TALLO_KIT_BLOCK_STYLES = 1,  /* three styles, values 1 to 3 */
    TALLO_KIT_BLOCK_COLOURS = 4, /* four colours 0x00RRGGBB (8 bits a channel), 4 to 7 */
    TALLO_KIT_BLOCK_COLOUR_ENTRY = 8,
    TALLO_KIT_BLOCK_SIZE = 12 /* values 9 to 11 are 0 */
};

/* The twelve kit colour values given with a head (call 4): three colours of the club's first
 * kit as 0x00RRGGBB, then the same three as triples of record bytes (0 to 63). */
enum TalloHeadColourBlock {
    TALLO_HEAD_COLOURS_PACKED = 0,  /* values 0 to 2 */
    TALLO_HEAD_COLOURS_TRIPLES = 3, /* values 3 to 11 */
    TALLO_HEAD_COLOURS_SIZE = 12
};

/* The five look values of the look editor (call 4), each the list's value, 0 when nothing is
 * chosen. */
enum TalloLookValue {
    TALLO_LOOK_FACE_TYPE = 0,    /* face and skin type, 1 to 25 */
    TALLO_LOOK_HAIR_COLOUR = 1,  /* 1 blond, 2 chestnut, 3 grey, 4 black, 5 red */
    TALLO_LOOK_HAIR_STYLE = 2,   /* 0 to 10 */
    TALLO_LOOK_BEARD = 3,        /* beard and moustache */
    TALLO_LOOK_SPECIAL_FACE = 4, /* a special face of the face table, 0 for none */
    TALLO_LOOK_SIZE = 5
};

typedef struct TalloRenderer TalloRenderer;

/* The calls of a renderer object, in slot order. */
typedef struct TalloRendererCalls {
    /* 0: releases the object; it must not be used afterwards. */
    void (*release)(TalloRenderer* self);
    /* 1: attaches to the render window. The handle is the host toolkit's widget (a QWidget*
     * in this editor); the plug-in draws into it until it is released. */
    void (*attach)(TalloRenderer* self, void* window);
    /* 2: the kit to draw: the editor's selection and its working kit data. */
    void (*set_kit)(TalloRenderer* self, const TalloKitSelection* selection,
                    const TalloKitData* kit);
    /* 3: the kit shown changed: TALLO_KIT_BLOCK_SIZE values and the working kit data. */
    void (*change_kit)(TalloRenderer* self, const uint32_t* block, const TalloKitData* kit);
    /* 4: the head to draw: TALLO_HEAD_COLOURS_SIZE kit colour values and TALLO_LOOK_SIZE look
     * values. */
    void (*set_head)(TalloRenderer* self, const uint32_t* kitColours, const uint32_t* looks);
    /* 5: draws one frame; the editor calls it every 50 milliseconds while a preview shows. */
    void (*draw_frame)(TalloRenderer* self);
    /* 6: the background colour, 0xAARRGGBB (the alpha is not used). */
    void (*set_background)(TalloRenderer* self, uint32_t colour);
} TalloRendererCalls;

/* A renderer object: its calls first, the plug-in's own state behind. */
struct TalloRenderer {
    const TalloRendererCalls* calls;
};

/* The editor's slot for the object; GetPlugin places a new object in it (or leaves it empty
 * when it cannot make one). */
typedef struct TalloRendererSlot {
    TalloRenderer* object;
} TalloRendererSlot;

typedef void (*TalloGetPlugin)(TalloRendererSlot* slot);

#ifdef __cplusplus
}
#endif
