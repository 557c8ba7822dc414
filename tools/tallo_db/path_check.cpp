#include "path_check.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/path_resolver.h"

namespace tallo::db {

namespace {

enum class Expected { Folder, File };

std::string Problem(const std::string& path, Expected expected, bool missingIsFine) {
    struct stat info;
    if (stat(ResolvePath(path).c_str(), &info) != 0) {
        const int reason = errno;
        if (reason == ENOENT) {
            return missingIsFine ? "" : "does not exist";
        }
        if (reason == ENOTDIR) {
            return "cannot be made or read: a part of its path is a file, not a folder";
        }
        return std::string("cannot be reached: ") + std::strerror(reason);
    }
    if (expected == Expected::Folder) {
        if (S_ISDIR(info.st_mode)) {
            return "";
        }
        return S_ISREG(info.st_mode) ? "is a file, not a folder" : "is not a folder";
    }
    if (S_ISREG(info.st_mode)) {
        return "";
    }
    return S_ISDIR(info.st_mode) ? "is a folder, not a file" : "is not a regular file";
}

} // namespace

std::string FolderProblem(const std::string& path) {
    return Problem(path, Expected::Folder, false);
}

std::string FileProblem(const std::string& path) {
    return Problem(path, Expected::File, false);
}

std::string FolderOrMissingProblem(const std::string& path) {
    return Problem(path, Expected::Folder, true);
}

} // namespace tallo::db
