// GetPositionRatings works out what all positions share once; every value must stay exactly
// the rating GetPositionRating gives for that position.

#include "world/player.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "world/game_date.h"

namespace tallo {
namespace {

// A small generator of its own, so that the players are the same everywhere.
class Lcg {
public:
    uint32_t Below(uint32_t n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state_ >> 33) % n;
    }

private:
    uint64_t state_ = 7;
};

TEST(PlayerRatingsAllPositions, EqualToEachPositionsOwnRatingToTheLastBit) {
    Lcg random;
    for (int round = 0; round < 4000; ++round) {
        CPlayer player;
        for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
            player.SetAbility(i, static_cast<uint8_t>(random.Below(11)));
        }
        for (int i = 0; i < CPlayer::kTraitCount; ++i) {
            player.SetTrait(i, static_cast<uint8_t>(random.Below(4)));
        }
        for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
            player.SetPositionRating(group, static_cast<uint8_t>(random.Below(7)));
        }
        player.SetLeagueExperience(static_cast<uint8_t>(random.Below(7)));
        player.SetInternationalExperience(static_cast<uint8_t>(random.Below(5)));
        player.SetPreferredFoot(static_cast<uint8_t>(random.Below(3)));
        player.SetMainPosition(static_cast<uint8_t>(1 + random.Below(17)));
        player.SetOtherPosition(0, static_cast<uint8_t>(random.Below(18)));
        player.SetOtherPosition(1, static_cast<uint8_t>(random.Below(18)));
        player.SetBirthDate(GameDate::FromDate(static_cast<int>(1975 + random.Below(15)), 3, 1));

        const auto all = player.GetPositionRatings();
        float best = 0.0f;
        for (int position = 1; position <= CPlayer::kPositionCount; ++position) {
            const float single = player.GetPositionRating(position);
            ASSERT_EQ(all[static_cast<size_t>(position - 1)], single)
                << "round " << round << ", position " << position;
            best = single > best ? single : best;
        }
        EXPECT_EQ(player.GetRating(), best);
    }
}

} // namespace
} // namespace tallo
