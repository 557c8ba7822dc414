#include "platform/parallel_for.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tallo {

void ForEachOnThreads(int first, int last, int threads, const std::function<void(int)>& work) {
    std::atomic<int> next{first};
    // The first exception of any thread is thrown again on the calling thread once every
    // thread has stopped; after it, no thread takes another number.
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto takeAll = [&] {
        try {
            for (int i = next.fetch_add(1); i <= last; i = next.fetch_add(1)) {
                work(i);
            }
        } catch (...) {
            next.store(last + 1);
            const std::lock_guard lock(failureMutex);
            if (!failure) {
                failure = std::current_exception();
            }
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
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace tallo
