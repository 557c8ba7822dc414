#include "platform/atomic_write_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

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

}  // namespace

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
            failures_.push_back({file.target, std::string("cannot be flushed to disk: ") + std::strerror(error)});
        }
        Discard();
        return false;
    }
    // A rename cannot be taken back, so every target is looked at before the first one: a
    // folder in a file's place would fail half-way and leave old and new files mixed.
    for (const Pending& file : pending_) {
        struct stat info;
        if (lstat(file.target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            failures_.push_back({file.target, std::strerror(EISDIR)});
        }
    }
    if (!failures_.empty()) {
        Discard();
        return false;
    }
    std::set<std::string> folders;
    for (const Pending& file : pending_) {
        if (RenameIntoPlace(file.temporary, file.target, std::string())) {
            folders.insert(file.folder);
        } else {
            failures_.push_back({file.target, std::strerror(errno)});
        }
    }
    pending_.clear();
    for (const std::string& folder : folders) {
        int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
    return failures_.empty();
}

}  // namespace tallo
