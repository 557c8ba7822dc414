#include "platform/atomic_write_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "platform/atomic_file.h"

namespace tallo {

namespace {

thread_local AtomicWriteBatch* g_current = nullptr;

// Brings the temporary files' bytes to disk: one sync of their file system when it can be
// had, else each file on its own.
bool FlushAll(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return true;
    }
#ifdef __linux__
    int probe = open(paths.front().c_str(), O_RDONLY | O_CLOEXEC);
    if (probe >= 0) {
        // All files of a batch are written beside their targets in one database folder, so
        // one file system holds them; a file elsewhere is flushed on its own below.
        bool synced = syncfs(probe) == 0;
        close(probe);
        if (synced) {
            return true;
        }
    }
#endif
    bool ok = true;
    for (const std::string& path : paths) {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ok = fd >= 0 && fsync(fd) == 0 && ok;
        if (fd >= 0) {
            close(fd);
        }
    }
    return ok;
}

// Makes the renames durable. A batch spread over many folders (an archive extracted into
// hundreds of them) has them brought to disk with one sync of each file system they lie on
// rather than one flush per folder; a failure here does not undo the renames, so it is not
// reported.
void SyncFolders(const std::set<std::string>& folders) {
    std::vector<std::string> unsynced;
#ifdef __linux__
    if (folders.size() > 1) {
        std::set<dev_t> synced;
        for (const std::string& folder : folders) {
            int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            struct stat info;
            const bool known = fstat(fd, &info) == 0;
            if (!known || synced.count(info.st_dev) == 0) {
                if (known && syncfs(fd) == 0) {
                    synced.insert(info.st_dev);
                } else {
                    unsynced.push_back(folder);
                }
            }
            close(fd);
        }
    } else {
        unsynced.assign(folders.begin(), folders.end());
    }
#else
    unsynced.assign(folders.begin(), folders.end());
#endif
    for (const std::string& folder : unsynced) {
        int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
}

} // namespace

bool AtomicWriteBatch::Write(const std::string& target, std::string_view bytes) {
    auto fail = [this, &target](int error) {
        AddFailure(target, error);
        errno = error;
        return false;
    };
    if (!open_) {
        return fail(EINVAL);
    }
    if (target.empty() || target.back() == '/') {
        return fail(EISDIR);
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = (slash == std::string::npos ? "" : folder) + "." + name + ".XXXXXX";

    // The file keeps the mode of the file it replaces; a new one gets what a plain create
    // gives. A file the user made read-only is refused, as writing it in place would be.
    mode_t mode;
    struct stat info;
    if (stat(target.c_str(), &info) == 0) {
        if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return fail(EACCES);
        }
        if (S_ISDIR(info.st_mode)) {
            return fail(EISDIR);
        }
        mode = S_ISREG(info.st_mode) ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
    } else {
        if (newFileMode_ < 0) {
            newFileMode_ = static_cast<int>(0666 & ~CurrentUmask());
        }
        mode = static_cast<mode_t>(newFileMode_);
    }
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return fail(errno);
    }
    bool ok = WriteAll(fd, bytes) && fchmod(fd, mode) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return fail(error);
    }
    Add(temporary, target, folder);
    return true;
}

AtomicWriteBatch::AtomicWriteBatch() : outer_(g_current) {
    g_current = this;
}

AtomicWriteBatch::~AtomicWriteBatch() {
    Discard();
    Close();
}

AtomicWriteBatch* AtomicWriteBatch::Current() {
    return g_current;
}

void AtomicWriteBatch::Add(const std::string& temporaryPath, const std::string& targetPath,
                           const std::string& folder) {
    pending_.push_back({temporaryPath, targetPath, folder});
}

void AtomicWriteBatch::AddFailure(const std::string& targetPath, int error) {
    failures_.push_back({targetPath, std::strerror(error)});
}

void AtomicWriteBatch::Close() {
    if (open_) {
        open_ = false;
        g_current = outer_;
    }
}

void AtomicWriteBatch::Discard() {
    for (const Pending& file : pending_) {
        unlink(file.temporary.c_str());
    }
    pending_.clear();
}

bool AtomicWriteBatch::Commit() {
    Close();
    if (!failures_.empty()) {
        Discard();
        return false;
    }
    std::vector<std::string> temporaries;
    temporaries.reserve(pending_.size());
    for (const Pending& file : pending_) {
        temporaries.push_back(file.temporary);
    }
    if (!FlushAll(temporaries)) {
        // Bytes that may not be on disk never replace a good file.
        const int error = errno;
        for (const Pending& file : pending_) {
            failures_.push_back(
                {file.target, std::string("cannot be flushed to disk: ") + std::strerror(error)});
        }
        Discard();
        return false;
    }
    // A rename cannot be taken back, so every target is looked at before the first one: a
    // folder in a file's place would fail half-way and leave old and new files mixed. What
    // the look shows also tells which targets may be large files for the renames to let go
    // of apart (most targets are small or new, and need no second look).
    std::vector<char> mayBeLarge(pending_.size(), 0);
    for (size_t i = 0; i < pending_.size(); ++i) {
        struct stat info;
        if (lstat(pending_[i].target.c_str(), &info) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            failures_.push_back({pending_[i].target, std::strerror(EISDIR)});
        }
        mayBeLarge[i] =
            S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) >= kLargeReplacedFileSize;
    }
    if (!failures_.empty()) {
        Discard();
        return false;
    }
    std::set<std::string> folders;
    for (size_t i = 0; i < pending_.size(); ++i) {
        const Pending& file = pending_[i];
        if (RenameIntoPlace(file.temporary, file.target, std::string(), mayBeLarge[i] != 0)) {
            folders.insert(file.folder);
        } else {
            failures_.push_back({file.target, std::strerror(errno)});
        }
    }
    pending_.clear();
    SyncFolders(folders);
    return failures_.empty();
}

} // namespace tallo
