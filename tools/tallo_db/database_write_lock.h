#pragma once

#include <string>

#include "platform/database_lock.h"

namespace tallo::db {

// The lock of a command that changes a database folder: taken before the command loads
// anything and held until it has saved (until the object goes away). A folder that is missing
// is made first, so that it can be locked; when the command ends and the folder it made is
// still empty (nothing was saved), it is removed again.
class DatabaseWriteLock {
public:
    DatabaseWriteLock() = default;
    ~DatabaseWriteLock();
    DatabaseWriteLock(const DatabaseWriteLock&) = delete;
    DatabaseWriteLock& operator=(const DatabaseWriteLock&) = delete;

    // Makes the folder when missing and locks it, waiting a moment for another writer. False
    // after a message through ReportFailure for `command` (the folder is not a folder, cannot
    // be made, or another program is changing the database).
    bool Take(const std::string& command, const std::string& folder);

private:
    DatabaseLock lock_;
    std::string made_; // the folder this lock made, if it did
};

} // namespace tallo::db
