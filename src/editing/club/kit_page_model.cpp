#include "editing/club/kit_page_model.h"

#include "assets/renderer_values.h"
#include "world/club.h"

#include <algorithm>

namespace tallo {

void KitPageModel::Fill(const ClubKit& kit) {
    kit_ = kit;
}

void KitPageModel::Fill(const CClub& club) {
    Fill(club.Kit());
}

void KitPageModel::Store(CClub& club) const {
    if (!(club.Kit() == kit_)) {
        club.SetKit(kit_);
    }
}

int KitPageModel::MaxStyle(int slot) {
    return slot >= 0 && slot < ClubKit::kStyleCount ? ClubKit::kMaxStyle[slot] : 0;
}

int KitPageModel::Style(int slot) const {
    if (slot < 0 || slot >= ClubKit::kStyleCount) {
        return 0;
    }
    return std::min<int>(kit_.styles[shown_][slot], MaxStyle(slot));
}

bool KitPageModel::SetStyle(int slot, int value) {
    if (slot < 0 || slot >= ClubKit::kStyleCount) {
        return false;
    }
    const auto clamped = static_cast<uint8_t>(std::clamp(value, 0, MaxStyle(slot)));
    if (kit_.styles[shown_][slot] == clamped) {
        return false;
    }
    kit_.styles[shown_][slot] = clamped;
    return true;
}

KitColour KitPageModel::Colour(int slot) const {
    if (slot < 0 || slot >= kColourCount) {
        return KitColour();
    }
    const uint8_t* triple = &kit_.colours[shown_][slot * 3];
    return KitColour::Clamped(triple[0], triple[1], triple[2]);
}

bool KitPageModel::SetColour(int slot, const KitColour& colour) {
    if (slot < 0 || slot >= kColourCount) {
        return false;
    }
    const KitColour clamped = KitColour::Clamped(colour.Red(), colour.Green(), colour.Blue());
    uint8_t* triple = &kit_.colours[shown_][slot * 3];
    // Compared with the bytes themselves: a byte above 63 that the user confirms as 63 is
    // brought into range.
    if (std::equal(clamped.channels.begin(), clamped.channels.end(), triple)) {
        return false;
    }
    std::copy(clamped.channels.begin(), clamped.channels.end(), triple);
    return true;
}

TalloKitData KitPageModel::RendererData() const {
    return RendererKitData(kit_);
}

std::array<uint32_t, TALLO_KIT_BLOCK_SIZE> KitPageModel::RendererBlock() const {
    return RendererKitBlock(kit_, shown_);
}

} // namespace tallo
