#pragma once

#include <functional>

namespace tallo {

// Calls work(i) once for every i from `first` to `last` (both included) on up to `threads`
// threads: the calling thread and threads - 1 workers, each taking the next number not yet
// taken. Where a worker cannot be started, the others do its share. Returns when all are done;
// when `work` throws, no further number is taken and the first exception is thrown again here
// once every thread has stopped.
void ForEachOnThreads(int first, int last, int threads, const std::function<void(int)>& work);

} // namespace tallo
