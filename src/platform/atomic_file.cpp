#include "platform/atomic_file.h"

#include "platform/atomic_write_batch.h"
#include "platform/path_resolver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace tallo {

namespace {

std::atomic<AtomicWriteHook> beforeRename{nullptr};

// The mode the written file should end up with: the old file's, or what a plain create gives.
mode_t TargetMode(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        return info.st_mode & 07777;
    }
    return 0666 & ~CurrentUmask();
}

// Makes the rename itself durable; a failure here does not undo the write, so it is ignored.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// An open handle on `path` when it is a regular file of at least kLargeReplacedFileSize with
// no other link (the one a rename over it would free), else -1. Held across the rename and
// let go of on a thread of its own, it keeps the freeing of the old file (5 ms of the rename
// that replaced a 19 MiB Master.dat) out of the write.
int HoldLargeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1 ||
        static_cast<uint64_t>(info.st_size) < kLargeReplacedFileSize) {
        close(fd);
        return -1;
    }
    return fd;
}

// Closes a handle of HoldLargeFile on a thread of its own (here, when no thread can be had).
void LetGoApart(int fd) {
    if (fd < 0) {
        return;
    }
    try {
        std::thread([fd] { close(fd); }).detach();
    } catch (const std::system_error&) {
        close(fd);
    }
}

// Files at least this large are handed to the disk in pieces of this size while the rest is
// still being written, so that the flush after the write waits only for the last ones.
constexpr size_t kEarlyFlushPiece = size_t{1} << 20;

// Writes `pieces` like WriteAll, and for a file of several early-flush pieces asks the system
// to start writing each piece to the disk as soon as it is written (sync_file_range does not
// wait, and makes no promise: the fsync after it is what makes the file durable). A file
// system that cannot start the writing early is simply written as WriteAll writes.
bool WriteAllFlushingEarly(int fd, std::span<const std::string_view> pieces) {
    size_t total = 0;
    for (std::string_view piece : pieces) {
        total += piece.size();
    }
    if (total < 2 * kEarlyFlushPiece) {
        return WriteAll(fd, pieces);
    }
    off_t flushed = 0; // the file's bytes handed to the disk so far
    off_t written = 0;
    bool flushing = true;
    std::vector<std::string_view> window; // the pieces of the next early-flush piece
    for (std::string_view piece : pieces) {
        while (!piece.empty()) {
            const size_t room = kEarlyFlushPiece - static_cast<size_t>(written - flushed);
            const std::string_view part = flushing ? piece.substr(0, room) : piece;
            window.push_back(part);
            written += static_cast<off_t>(part.size());
            piece.remove_prefix(part.size());
            if (flushing && part.size() == room) {
                if (!WriteAll(fd, std::span<const std::string_view>(window))) {
                    return false;
                }
                window.clear();
                flushing =
                    sync_file_range(fd, flushed, written - flushed, SYNC_FILE_RANGE_WRITE) == 0;
                flushed = written;
            }
        }
    }
    return WriteAll(fd, std::span<const std::string_view>(window));
}

} // namespace

bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

bool WriteAll(int fd, std::span<const std::string_view> pieces) {
    // The pieces go to the system a batch at a time (writev), each batch as one write.
    constexpr size_t kBatch = 256;
    iovec batch[kBatch];
    size_t next = 0;
    while (next < pieces.size()) {
        size_t count = 0;
        size_t bytes = 0;
        for (; next + count < pieces.size() && count < kBatch; ++count) {
            batch[count].iov_base = const_cast<char*>(pieces[next + count].data());
            batch[count].iov_len = pieces[next + count].size();
            bytes += pieces[next + count].size();
        }
        iovec* left = batch;
        size_t leftCount = count;
        while (bytes > 0) {
            const ssize_t written = writev(fd, left, static_cast<int>(leftCount));
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return false;
            }
            if (written == 0) {
                errno = EIO; // nothing taken of what is left: it never would be
                return false;
            }
            bytes -= static_cast<size_t>(written);
            // Past the pieces written whole, into the one written in part.
            for (size_t done = static_cast<size_t>(written); done > 0;) {
                if (done >= left->iov_len) {
                    done -= left->iov_len;
                    ++left;
                    --leftCount;
                } else {
                    left->iov_base = static_cast<char*>(left->iov_base) + done;
                    left->iov_len -= done;
                    done = 0;
                }
            }
        }
        next += count;
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFileAtomically(path, std::span<const std::string_view>(&bytes, 1));
}

bool WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces) {
    // Inside a batch the flush and the rename wait for the batch's commit, which flushes all
    // its files at once; a failure is remembered there, with its reason, as well.
    AtomicWriteBatch* batch = AtomicWriteBatch::Current();
    const std::string target = ResolvePath(path);
    auto fail = [&batch, &target, &path](int error) {
        if (batch != nullptr) {
            batch->AddFailure(target.empty() ? path : target, error);
        }
        errno = error;
        return false;
    };
    if (target.empty() || target.back() == '/') {
        return fail(EISDIR);
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = (slash == std::string::npos ? "" : folder) + "." + name + ".XXXXXX";

    // The rename below would replace a file even when the file itself is write-protected; a
    // file the user made read-only is refused instead, as writing it in place would be.
    if (faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0 &&
        faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return fail(EACCES);
    }

    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return fail(errno);
    }
    // A batch flushes its files together at its commit; a file on its own is flushed here.
    bool ok = (batch != nullptr ? WriteAll(fd, pieces) : WriteAllFlushingEarly(fd, pieces)) &&
              (batch != nullptr || fsync(fd) == 0) && fchmod(fd, TargetMode(target)) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        return fail(error);
    }
    if (batch != nullptr) {
        batch->Add(temp, target, folder);
        return true;
    }
    return RenameIntoPlace(temp, target, folder);
}

bool RenameIntoPlace(const std::string& temp, const std::string& target, const std::string& folder,
                     bool mayBeLarge) {
    if (AtomicWriteHook hook = beforeRename.load()) {
        hook(temp, target);
    }
    const int replaced = mayBeLarge ? HoldLargeFile(target) : -1;
    if (rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        if (replaced >= 0) {
            close(replaced);
        }
        errno = error;
        return false;
    }
    LetGoApart(replaced);
    if (!folder.empty()) {
        SyncFolder(folder);
    }
    return true;
}

void SetAtomicWriteHookForTesting(AtomicWriteHook hook) {
    beforeRename.store(hook);
}

bool ReadWholeFileInto(const std::string& path, std::unique_ptr<char[]>& text, size_t& size,
                       size_t maxSize) {
    size = 0;
    // Non-blocking, so that a FIFO in place of a file is refused instead of waiting for a writer.
    const int fd = open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        const int reason = errno;
        close(fd);
        errno = reason;
        return false;
    }
    if (!S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > maxSize) {
        close(fd);
        errno = S_ISREG(info.st_mode) ? EFBIG : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    // Room for the stated size, one byte to see the end without a second buffer, and the
    // zero byte the caller puts behind the data.
    size_t capacity = static_cast<size_t>(info.st_size) + 2;
    text = std::make_unique_for_overwrite<char[]>(capacity);
    bool ok = true;
    for (;;) {
        if (capacity - size < 2) {
            // More than the file stated: twice the room, at most what a file over the limit
            // needs to show that it is over it.
            const size_t limit = maxSize < SIZE_MAX - 2 ? maxSize + 2 : SIZE_MAX;
            const size_t grown = std::min(std::max(capacity * 2, size_t{65536}), limit);
            auto larger = std::make_unique_for_overwrite<char[]>(grown);
            std::memcpy(larger.get(), text.get(), size);
            text = std::move(larger);
            capacity = grown;
        }
        const ssize_t got = read(fd, text.get() + size, capacity - 1 - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (static_cast<size_t>(got) > maxSize - size) {
            errno = EFBIG;
            ok = false;
            break;
        }
        size += static_cast<size_t>(got);
    }
    const int reason = errno;
    close(fd);
    if (!ok) {
        text.reset();
        size = 0;
        errno = reason;
    }
    return ok;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxSize) {
    bytes.clear();
    std::unique_ptr<char[]> text;
    size_t size = 0;
    if (!ReadWholeFileInto(path, text, size, maxSize)) {
        return false;
    }
    bytes.assign(text.get(), size);
    return true;
}

std::string FileErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "does not exist";
    case EISDIR:
        return "is a folder";
    case EINVAL:
        return "is not a regular file";
    case EFBIG:
        return "is too large";
    default:
        return std::strerror(error);
    }
}

// The process's file creation mask, read without changing it (umask() itself would have to
// set a new mask for a moment, which races with other threads creating files).
unsigned CurrentUmask() {
    unsigned mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            unsigned value = 0;
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = value & 0777;
                break;
            }
        }
        std::fclose(status);
    }
    return mask;
}

} // namespace tallo
