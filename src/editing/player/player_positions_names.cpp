#include "editing/player/player_positions_names.h"

#include <cstdio>

#include "formats/string_table.h"

namespace tallo {

namespace {
constexpr int kFirstPositionName = 149; // GK; ST is 165
} // namespace

std::string PositionName(int position) {
    if (position < 1 || position > CPlayer::kPositionCount) {
        return std::string();
    }
    return LoadString(kFirstPositionName + position - 1);
}

std::string RatingText(float rating) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.1f", rating < 0.0f ? 0.0 : static_cast<double>(rating));
    return text;
}

PositionRatingShown ShowRatingAt(const std::array<float, CPlayer::kPositionCount>& ratings,
                                 int position) {
    if (position < 1 || position > CPlayer::kPositionCount) {
        return {};
    }
    return {PositionName(position), RatingText(ratings[static_cast<size_t>(position - 1)])};
}

} // namespace tallo
