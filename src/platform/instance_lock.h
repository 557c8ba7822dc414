#pragma once

#include "platform/environment.h"

#include <string>

namespace tallo {

// Makes sure only one copy of the program runs: an exclusive flock on a lock file named after
// the lock's name (spaces and slashes become "_", ".lock" appended) in $XDG_RUNTIME_DIR, else
// in a folder of the user's own: "vantor-sports" in the user's cache folder ($XDG_CACHE_HOME,
// else ~/.cache), made with mode 0700 when missing. Never in a folder that all users share,
// where another user could hold the lock first. The lock is held until Release() or until the
// object goes away; the system drops it when the process ends, however it ends. The lock file
// itself is left in place, so that a new holder never races with a removal.
class InstanceLock {
public:
    InstanceLock(const std::string& name, const Environment& env);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock without waiting; false when another holder has it or the lock file
    // cannot be opened (also when the cache folder cannot be made, or is not a folder of the
    // user's own). True at once when this object holds it already.
    bool TryAcquire();
    void Release();
    bool IsHeld() const { return fd_ >= 0; }
    std::string LockFilePath() const { return path_; }

private:
    std::string path_;
    std::string ownFolder_; // the folder to make before the lock file ("" in XDG_RUNTIME_DIR)
    int fd_ = -1;
};

} // namespace tallo
