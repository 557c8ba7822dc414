#include "platform/database_lock.h"

#include "platform/path_resolver.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace tallo {

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

} // namespace

DatabaseLock::~DatabaseLock() {
    Release();
}

bool DatabaseLock::Acquire(const std::string& folder, std::string& error,
                           std::chrono::milliseconds wait) {
    Release();
    busy_ = false;
    // Read access is all that flock needs, and a folder can only be opened for reading.
    const int fd = open(ResolvePath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot lock the database folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return true;
        }
        const int reason = errno;
        if (reason == EINTR) {
            continue;
        }
        if (reason != EWOULDBLOCK) {
            close(fd);
            error = "cannot lock the database folder " + folder + ": " + std::strerror(reason);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            close(fd);
            busy_ = true;
            error = "the database " + folder + " is being changed by another program";
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

void DatabaseLock::Release() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
        fd_ = -1;
    }
}

} // namespace tallo
