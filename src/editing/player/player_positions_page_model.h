#pragma once

#include <array>
#include <cstdint>

#include "editing/player/player_positions_names.h"
#include "world/player.h"

namespace tallo {

// The positions page (CDlgPlayerPositionEngland): the main position, exactly one of the 17,
// and at most two secondary positions (the second and third position of the record), with the
// ratings at the three positions.
//
// The main position is never also a secondary one: choosing it as the main position drops it
// from the secondary ones. Store writes only what differs from what Fill found, and then puts
// the secondary positions into the second and third position without a gap.
class PlayerPositionsPageModel {
public:
    static constexpr int kMaxSecondary = 2;

    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    void Store();

    // 1 to 17; other values are refused.
    void SetMainPosition(int position);
    int MainPosition() const { return main_; }

    // Sets or clears a secondary position 1 to 17. Setting is refused (false) when two are set
    // already or the position is the main position; clearing always succeeds.
    bool SetSecondary(int position, bool set);
    bool IsSecondary(int position) const;
    // Whether the box of a secondary position can be set now.
    bool CanSetSecondary(int position) const;
    // The secondary positions in their slots (0 none).
    const std::array<uint8_t, 2>& Secondary() const { return secondary_; }

    // Ratings at the main position and the two secondary ones, with the values of the page.
    PositionRatingShown MainRating() const;
    PositionRatingShown SecondaryRating(int slot) const;

private:
    std::array<float, CPlayer::kPositionCount> Ratings() const;

    CPlayer* person_ = nullptr;
    int main_ = CPlayer::kGK;
    std::array<uint8_t, 2> secondary_{};
    int filledMain_ = CPlayer::kGK;
    std::array<uint8_t, 2> filledSecondary_{};
};

} // namespace tallo
