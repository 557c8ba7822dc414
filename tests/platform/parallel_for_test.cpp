#include "platform/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace tallo {
namespace {

// Every number is worked on exactly once, however many threads are asked for: one, a few,
// more than there are numbers, and none for an empty range.
TEST(ParallelForTest, EachNumberIsTakenExactlyOnce) {
    for (int threads : {1, 3, 64}) {
        std::vector<std::atomic<int>> seen(40);
        ForEachOnThreads(5, 44, threads, [&seen](int i) { seen[static_cast<size_t>(i - 5)]++; });
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].load(), 1) << i << " with " << threads << " threads";
        }
    }
    int calls = 0;
    ForEachOnThreads(3, 2, 4, [&calls](int) { ++calls; });
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace tallo
