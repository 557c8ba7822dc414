#pragma once

#include <array>
#include <string>

#include "world/player.h"

namespace tallo {

// The short name of a position 1 to 17 (GK ... ST, string-table entries 149 to 165); empty for
// no position.
std::string PositionName(int position);

// A rating as the player pages show it: "%2.1f", a negative rating shown as 0.
std::string RatingText(float rating);

// The rating at one position as the positions and abilities pages show it: the position's name
// and its rating; both empty for an unset position.
struct PositionRatingShown {
    std::string position;
    std::string rating;
};
PositionRatingShown ShowRatingAt(const std::array<float, CPlayer::kPositionCount>& ratings,
                                 int position);

} // namespace tallo
