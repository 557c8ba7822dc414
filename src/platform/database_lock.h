#pragma once

#include <chrono>
#include <string>

namespace tallo {

// One writer per database folder: whoever changes a database (a save, a mapping, an import)
// holds an exclusive flock on the database folder itself from before it loads until it has
// saved. Nothing is added to the folder. Readers take no lock. The system drops the lock when
// the process ends, however it ends.
class DatabaseLock {
public:
    // How long a second writer waits for the first before it gives up.
    static constexpr std::chrono::milliseconds kDefaultWait{2000};

    DatabaseLock() = default;
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // Takes the lock on `folder` (resolved regardless of case), trying again for up to `wait`
    // while another holder has it. False with a message in `error` when another program holds
    // it ("the database FOLDER is being changed by another program") or the folder cannot be
    // opened (its path and the system's reason). A lock held already is released first.
    bool Acquire(const std::string& folder, std::string& error,
                 std::chrono::milliseconds wait = kDefaultWait);
    void Release();
    bool IsHeld() const { return fd_ >= 0; }
    // After a failed Acquire: whether another holder was the reason.
    bool WasBusy() const { return busy_; }

private:
    int fd_ = -1;
    bool busy_ = false;
};

} // namespace tallo
