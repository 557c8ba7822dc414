// The plug-in's entry: GetPlugin and the seven calls of its renderer objects.

#include "assets/renderer_plugin.h"
#include "kit_look.h"
#include "preview_renderer.h"

#include <memory>

namespace tallo::render_plugin {

namespace {

struct PluginObject : TalloRenderer {
    std::unique_ptr<PreviewRenderer> renderer;
};

PreviewRenderer* RendererOf(TalloRenderer* self) {
    return self == nullptr ? nullptr : static_cast<PluginObject*>(self)->renderer.get();
}

// The kit shown (0 or 1) of the record's kits.
KitLook KitLookOf(const TalloKitData& kit, int shown) {
    KitLook look;
    look.shirtStyle = kit.styles[shown][0] % 43;
    look.shortsStyle = kit.styles[shown][1] % 13;
    look.socksStyle = kit.styles[shown][2] % 4;
    look.shirt = FromTriple(&kit.colours[shown][0]);
    look.pattern = FromTriple(&kit.colours[shown][3]);
    look.shorts = FromTriple(&kit.colours[shown][6]);
    look.socks = FromTriple(&kit.colours[shown][9]);
    return look;
}

// The kit of a block of the kit now shown.
KitLook KitLookOf(const uint32_t* block) {
    KitLook look;
    look.shirtStyle = static_cast<int>(block[TALLO_KIT_BLOCK_STYLES] % 43);
    look.shortsStyle = static_cast<int>(block[TALLO_KIT_BLOCK_STYLES + 1] % 13);
    look.socksStyle = static_cast<int>(block[TALLO_KIT_BLOCK_STYLES + 2] % 4);
    look.shirt = FromRgb(block[TALLO_KIT_BLOCK_COLOURS]);
    look.pattern = FromRgb(block[TALLO_KIT_BLOCK_COLOURS + 1]);
    look.shorts = FromRgb(block[TALLO_KIT_BLOCK_COLOURS + 2]);
    look.socks = FromRgb(block[TALLO_KIT_BLOCK_COLOURS + 3]);
    return look;
}

void Release(TalloRenderer* self) {
    delete static_cast<PluginObject*>(self);
}

void Attach(TalloRenderer* self, void* window) {
    if (PreviewRenderer* renderer = RendererOf(self)) {
        renderer->Attach(static_cast<QWidget*>(window));
    }
}

void SetKit(TalloRenderer* self, const TalloKitSelection* selection, const TalloKitData* kit) {
    PreviewRenderer* renderer = RendererOf(self);
    if (renderer != nullptr && kit != nullptr) {
        renderer->SetKit(KitLookOf(*kit, selection != nullptr && selection->kit == 1 ? 1 : 0));
    }
}

void ChangeKit(TalloRenderer* self, const uint32_t* block, const TalloKitData* kit) {
    PreviewRenderer* renderer = RendererOf(self);
    if (renderer == nullptr) {
        return;
    }
    if (block != nullptr) {
        renderer->SetKit(KitLookOf(block));
    } else if (kit != nullptr) {
        renderer->SetKit(KitLookOf(*kit, 0));
    }
}

void SetHead(TalloRenderer* self, const uint32_t* kitColours, const uint32_t* looks) {
    PreviewRenderer* renderer = RendererOf(self);
    if (renderer == nullptr) {
        return;
    }
    HeadLook head;
    if (kitColours != nullptr) {
        head.collar = FromRgb(kitColours[TALLO_HEAD_COLOURS_PACKED]);
        head.collarTrim = FromRgb(kitColours[TALLO_HEAD_COLOURS_PACKED + 1]);
    }
    if (looks != nullptr) {
        head.faceType = static_cast<int>(looks[TALLO_LOOK_FACE_TYPE]);
        head.hairColour = static_cast<int>(looks[TALLO_LOOK_HAIR_COLOUR]);
        head.hairStyle = static_cast<int>(looks[TALLO_LOOK_HAIR_STYLE]);
        head.beard = static_cast<int>(looks[TALLO_LOOK_BEARD]);
    }
    renderer->SetHead(head);
}

void DrawFrame(TalloRenderer* self) {
    if (PreviewRenderer* renderer = RendererOf(self)) {
        renderer->DrawFrame();
    }
}

void SetBackground(TalloRenderer* self, uint32_t colour) {
    if (PreviewRenderer* renderer = RendererOf(self)) {
        renderer->SetBackground(colour);
    }
}

constexpr TalloRendererCalls kCalls = {Release, Attach,    SetKit,       ChangeKit,
                                       SetHead, DrawFrame, SetBackground};

} // namespace

} // namespace tallo::render_plugin

#ifdef _WIN32
#define TALLO_PLUGIN_EXPORT __declspec(dllexport)
#else
#define TALLO_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" TALLO_PLUGIN_EXPORT void GetPlugin(TalloRendererSlot* slot) {
    using tallo::render_plugin::PluginObject;
    if (slot == nullptr) {
        return;
    }
    auto object = std::make_unique<PluginObject>();
    object->calls = &tallo::render_plugin::kCalls;
    object->renderer = std::make_unique<tallo::render_plugin::PreviewRenderer>();
    slot->object = object.release();
}
