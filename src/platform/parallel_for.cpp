#include "platform/parallel_for.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace tallo {

void ForEachOnThreads(int first, int last, int threads, const std::function<void(int)>& work) {
    std::atomic<int> next{first};
    auto takeAll = [&] {
        for (int i = next.fetch_add(1); i <= last; i = next.fetch_add(1)) {
            work(i);
        }
    };
    std::vector<std::thread> workers;
    for (int i = 1; i < threads && i <= last - first; ++i) {
        try {
            workers.emplace_back(takeAll);
        } catch (const std::system_error&) {
            break; // the threads running take what this one would have
        }
    }
    takeAll();
    for (std::thread& worker : workers) {
        worker.join();
    }
}

} // namespace tallo
