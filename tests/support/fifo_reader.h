#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace tallo::test {

// A FIFO made at `path` with a reader on another thread that collects everything written into
// it until Finish(). The reader is open before any writer comes, so a writer never waits, and
// a program that replaced the FIFO instead of writing into it cannot make the test hang.
class FifoReader {
public:
    explicit FifoReader(const std::string& path);
    ~FifoReader();
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    bool Ready() const { return fd_ >= 0; }
    // Stops reading once what was written has been read, and gives it.
    std::string Finish();

private:
    void Read();

    int fd_ = -1;
    std::atomic<bool> stop_{false};
    std::string bytes_;
    std::thread thread_;
};

} // namespace tallo::test
