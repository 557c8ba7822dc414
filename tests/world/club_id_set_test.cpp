#include "world/club_id_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace tallo {
namespace {

// A set made for fewer IDs than it is given grows and still finds every one of them, and
// nothing else; ID 0 is never in it.
TEST(ClubIdSetTest, FindsEveryIdEnteredBeyondTheSizeItWasMadeFor) {
    ClubIdSet set(1);
    std::set<uint32_t> entered;
    for (uint32_t country = 1; country <= 40; ++country) {
        for (uint32_t number : {1u, 2u, 3u, 17u, 65535u}) {
            const uint32_t id = country << 16 | number;
            set.Insert(id);
            set.Insert(id); // twice: still one entry
            entered.insert(id);
        }
    }
    set.Insert(0);
    EXPECT_EQ(set.Size(), entered.size());
    for (uint32_t country = 0; country <= 41; ++country) {
        for (uint32_t number = 0; number <= 20; ++number) {
            const uint32_t id = country << 16 | number;
            EXPECT_EQ(set.Contains(id), entered.count(id) > 0) << id;
        }
        const uint32_t national = country << 16 | 65535u;
        EXPECT_EQ(set.Contains(national), entered.count(national) > 0) << national;
    }
    EXPECT_FALSE(set.Contains(0));
}

} // namespace
} // namespace tallo
