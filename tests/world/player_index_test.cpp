#include "world/player_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "world/player.h"

namespace tallo {
namespace {

// Random entries and removals, checked against a plain hash map after each step: the table
// grows through several sizes, and IDs are drawn from a narrow range (long runs of taken
// slots, removals in the middle of them) as well as from the whole 32-bit range.
TEST(PlayerIndexTest, FindsWhatAPlainMapFindsThroughGrowthAndRemovals) {
    std::vector<CPlayer> players(64);
    uint64_t state = 7;
    auto next = [&state](uint64_t bound) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (state >> 33) % bound;
    };
    for (const uint64_t range : {uint64_t{300}, uint64_t{5000}, uint64_t{0xFFFFFFFF}}) {
        PlayerIndex index;
        std::unordered_map<uint32_t, CPlayer*> plain;
        for (int step = 0; step < 20000; ++step) {
            const auto id = static_cast<uint32_t>(next(range));
            CPlayer* player = &players[next(players.size())];
            if (next(3) != 0) {
                const bool fresh = id != 0 && plain.count(id) == 0;
                ASSERT_EQ(index.Insert(id, player), fresh) << id;
                if (fresh) {
                    plain.emplace(id, player);
                }
            } else {
                ASSERT_EQ(index.Erase(id), plain.erase(id) > 0) << id;
            }
            ASSERT_EQ(index.Size(), plain.size());
            // A few look-ups of IDs in and out of the table.
            for (int probe = 0; probe < 3; ++probe) {
                const auto asked = static_cast<uint32_t>(next(range));
                const auto found = plain.find(asked);
                ASSERT_EQ(index.Find(asked), found == plain.end() ? nullptr : found->second)
                    << asked;
            }
        }
        for (const auto& [id, player] : plain) {
            ASSERT_EQ(index.Find(id), player) << id;
        }
        index.Clear();
        EXPECT_EQ(index.Size(), 0u);
        EXPECT_EQ(index.Find(plain.empty() ? 1 : plain.begin()->first), nullptr);
    }
    PlayerIndex index;
    EXPECT_FALSE(index.Insert(0, &players[0])); // ID 0 is no player
    EXPECT_FALSE(index.Insert(5, nullptr));
    EXPECT_EQ(index.Find(0), nullptr);
}

} // namespace
} // namespace tallo
