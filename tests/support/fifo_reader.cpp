#include "support/fifo_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tallo::test {

FifoReader::FifoReader(const std::string& path) {
    if (mkfifo(path.c_str(), 0600) != 0) {
        return;
    }
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ >= 0) {
        thread_ = std::thread([this] { Read(); });
    }
}

FifoReader::~FifoReader() {
    Finish();
}

void FifoReader::Read() {
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got > 0) {
            bytes_.append(buffer, static_cast<size_t>(got));
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // No data now (no writer yet, or the writer is between writes, or it has gone).
        if (stop_.load()) {
            return;
        }
        if (got == 0) {
            usleep(10000); // a FIFO whose writer has gone reads as its end at once
        } else {
            pollfd wait{fd_, POLLIN, 0};
            poll(&wait, 1, 20);
        }
    }
}

std::string FifoReader::Finish() {
    if (thread_.joinable()) {
        stop_.store(true);
        thread_.join();
    }
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    return bytes_;
}

} // namespace tallo::test
