#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tallo {

namespace {

std::string LockFolder(const Environment& env) {
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        std::optional<std::string> value = env.Get(name);
        if (value && !value->empty()) {
            return *value;
        }
    }
    return "/tmp";
}

} // namespace

InstanceLock::InstanceLock(const std::string& name, const Environment& env) {
    std::string file = name;
    for (char& c : file) {
        if (c == ' ' || c == '/') {
            c = '_';
        }
    }
    path_ = LockFolder(env) + "/" + file + ".lock";
}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::TryAcquire() {
    if (IsHeld()) {
        return true;
    }
    // Read access is all that flock needs.
    int fd = open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
        fd_ = -1;
    }
}

} // namespace tallo
