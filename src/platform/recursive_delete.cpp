#include "platform/recursive_delete.h"

#include "platform/path_resolver.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace tallo {

namespace {

std::vector<std::string> EntryNames(int folderFd) {
    std::vector<std::string> names;
    int scanFd = dup(folderFd);
    if (scanFd < 0) {
        return names;
    }
    DIR* dir = fdopendir(scanFd); // owns scanFd from here on
    if (dir == nullptr) {
        close(scanFd);
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(std::move(name));
        }
    }
    closedir(dir);
    return names;
}

// Removes everything inside the open folder. Entries are opened relative to their folder and
// with O_NOFOLLOW, so a link swapped in while we work is never walked into.
bool DeleteContents(int folderFd) {
    bool ok = true;
    for (const std::string& name : EntryNames(folderFd)) {
        struct stat info;
        if (fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            int sub =
                openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0) {
                ok = false;
                continue;
            }
            ok = DeleteContents(sub) && ok;
            close(sub);
            ok = unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = unlinkat(folderFd, name.c_str(), 0) == 0 && ok;
        }
    }
    return ok;
}

} // namespace

bool DeleteFolderTree(const std::string& path) {
    const std::string resolved = ResolvePath(path);
    if (resolved.empty() || resolved == "/") {
        return false;
    }
    struct stat info;
    if (lstat(resolved.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    if (S_ISLNK(info.st_mode)) {
        return unlink(resolved.c_str()) == 0;
    }
    if (!S_ISDIR(info.st_mode)) {
        return false;
    }
    int fd = open(resolved.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = DeleteContents(fd);
    close(fd);
    return rmdir(resolved.c_str()) == 0 && ok;
}

} // namespace tallo
