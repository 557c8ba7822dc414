#include "database_write_lock.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "installation.h"
#include "path_check.h"
#include "platform/path_resolver.h"

namespace tallo::db {

DatabaseWriteLock::~DatabaseWriteLock() {
    lock_.Release();
    if (!made_.empty()) {
        rmdir(made_.c_str()); // fails, as it should, once anything was saved into it
    }
}

bool DatabaseWriteLock::Take(const std::string& command, const std::string& folder) {
    const std::string problem = FolderOrMissingProblem(folder);
    if (!problem.empty()) {
        ReportFailure(command, "the database folder " + folder + " " + problem);
        return false;
    }
    if (!FolderExists(folder)) {
        errno = 0;
        if (!CreateFolders(folder)) {
            ReportFailure(command, "cannot create the database folder " + folder + ": " +
                                       std::strerror(errno != 0 ? errno : EIO));
            return false;
        }
        made_ = ResolvePath(folder);
    }
    std::string error;
    if (!lock_.Acquire(folder, error)) {
        ReportFailure(command, error + "; nothing was saved");
        return false;
    }
    return true;
}

} // namespace tallo::db
