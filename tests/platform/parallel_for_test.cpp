#include "platform/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
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

// An exception of the work reaches the caller after every thread has stopped, and no number
// is started after it.
TEST(ParallelForTest, AnExceptionOfTheWorkReachesTheCaller) {
    for (int threads : {1, 3}) {
        std::atomic<int> started{0};
        EXPECT_THROW(ForEachOnThreads(1, 1000, threads,
                                      [&started](int i) {
                                          ++started;
                                          if (i == 5) {
                                              throw std::runtime_error("five");
                                          }
                                          // Long enough that the other threads cannot
                                          // take every number while the first throw of
                                          // the process unwinds.
                                          std::this_thread::sleep_for(
                                              std::chrono::microseconds(200));
                                      }),
                     std::runtime_error);
        EXPECT_LT(started.load(), 1000) << threads << " threads";
    }
}

} // namespace
} // namespace tallo
