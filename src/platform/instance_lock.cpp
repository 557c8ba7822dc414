#include "platform/instance_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tallo {

namespace {

// Our folder inside the user's cache folder.
constexpr const char* kOwnFolderName = "vantor-sports";

std::string Variable(const Environment& env, const char* name) {
    std::optional<std::string> value = env.Get(name);
    return value ? *value : std::string();
}

// $XDG_CACHE_HOME when it is an absolute path, else ~/.cache; "" when there is no home.
std::string CacheFolder(const Environment& env) {
    std::string cache = Variable(env, "XDG_CACHE_HOME");
    if (!cache.empty() && cache.front() == '/') {
        return cache;
    }
    std::string home = Variable(env, "HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_dir) {
            home = entry->pw_dir;
        }
    }
    return home.empty() ? std::string() : home + "/.cache";
}

// Makes `folder` with mode 0700 when missing; true when it is then a folder (not a link) that
// belongs to this user.
bool MakeOwnFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info;
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid();
}

} // namespace

InstanceLock::InstanceLock(const std::string& name, const Environment& env) {
    std::string file = name;
    for (char& c : file) {
        if (c == ' ' || c == '/') {
            c = '_';
        }
    }
    std::string folder = Variable(env, "XDG_RUNTIME_DIR");
    if (folder.empty()) {
        const std::string cache = CacheFolder(env);
        if (cache.empty()) {
            return; // nowhere of the user's own: TryAcquire fails
        }
        folder = cache + "/" + kOwnFolderName;
        ownFolder_ = folder;
    }
    path_ = folder + "/" + file + ".lock";
}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::TryAcquire() {
    if (IsHeld()) {
        return true;
    }
    if (path_.empty()) {
        return false;
    }
    if (!ownFolder_.empty()) {
        const std::string cache = ownFolder_.substr(0, ownFolder_.rfind('/'));
        if (mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (!MakeOwnFolder(ownFolder_)) {
            return false;
        }
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
