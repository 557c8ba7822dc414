#pragma once

#include <array>
#include <cstdint>

#include "assets/renderer_plugin.h"
#include "editing/club/kit_colour.h"
#include "world/club_kit.h"

namespace tallo {

class CClub;

// The kit page (CDlgClubShirts) without its window: the club's two kits, which of them is being
// edited, its three styles and four colours, and what the renderer is given to draw it.
//
// The controls map onto the KIT record as the renderer reads it: style 0 is the shirt's pattern
// (0 to 42), style 1 the shorts' pattern (0 to 12), style 2 the socks' pattern (0 to 3); colour 0
// is the shirt, colour 1 the shirt's pattern, colour 2 the shorts and colour 3 the socks.
class KitPageModel {
public:
    enum StyleSlot { kShirtStyle = 0, kShortsStyle = 1, kSocksStyle = 2 };
    enum ColourSlot {
        kShirtColour = 0,
        kShirtPatternColour = 1,
        kShortsColour = 2,
        kSocksColour = 3
    };
    static constexpr int kColourCount = ClubKit::kColourBytes / 3;

    void Fill(const ClubKit& kit);
    void Fill(const CClub& club);
    // The working kits into the record. Values the user did not touch keep their bytes, even
    // those a record may hold beyond what the controls offer.
    void Store(ClubKit& kit) const { kit = kit_; }
    void Store(CClub& club) const;

    // The kit being edited: 0 the first, 1 the second (another number: the first).
    int ShownKit() const { return shown_; }
    void SetShownKit(int kit) { shown_ = kit == 1 ? 1 : 0; }

    // Styles of the kit being edited, each 0 to MaxStyle.
    static int MaxStyle(int slot);
    int Style(int slot) const;
    // Kept within 0 to MaxStyle; false when the value did not change.
    bool SetStyle(int slot, int value);

    // Colours of the kit being edited (a record byte above 63 shows as 63).
    KitColour Colour(int slot) const;
    // The colour's screen value 0x00RRGGBB, as the renderer draws it.
    uint32_t ColourRgb(int slot) const { return Colour(slot).Rgb(); }
    // False when the colour did not change (or the slot does not exist).
    bool SetColour(int slot, const KitColour& colour);

    const ClubKit& Kit() const { return kit_; }

    // What the renderer is given: the kit being edited, both kits as the record holds them, and
    // the twelve values of the kit shown.
    TalloKitSelection RendererSelection() const { return TalloKitSelection{shown_}; }
    TalloKitData RendererData() const;
    std::array<uint32_t, TALLO_KIT_BLOCK_SIZE> RendererBlock() const;

private:
    ClubKit kit_;
    int shown_ = 0;
};

} // namespace tallo
