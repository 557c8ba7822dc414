#include "platform/output_target.h"

#include "platform/atomic_file.h"
#include "platform/path_resolver.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tallo {

namespace {

bool IsSpecial(mode_t mode) {
    return S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode) || S_ISSOCK(mode);
}

// Closes a descriptor without losing the errno of an earlier failure.
void CloseKeepingErrno(int fd) {
    const int saved = errno;
    close(fd);
    errno = saved;
}

// A stream connection to a local socket; -1 with errno set when it cannot be made.
int ConnectSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        CloseKeepingErrno(fd);
        return -1;
    }
    return fd;
}

// Opens a device, FIFO or socket for writing, without creating or truncating anything.
int OpenSpecial(const std::string& path) {
    const std::string resolved = ResolvePath(path);
    struct stat info;
    if (stat(resolved.c_str(), &info) != 0) {
        return -1;
    }
    if (S_ISSOCK(info.st_mode)) {
        return ConnectSocket(resolved);
    }
    if (!IsSpecial(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    int fd;
    do {
        fd = open(resolved.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool CloseWritten(int fd) {
    // A close that fails after writes may mean the bytes did not arrive.
    if (close(fd) != 0 && errno != EINTR) {
        return false;
    }
    return true;
}

std::string Reason(int error) {
    return error != 0 ? std::strerror(error) : "cannot be written";
}

} // namespace

OutputTarget ClassifyOutput(const std::string& path, const std::vector<std::string>& inputs) {
    OutputTarget target;
    target.path = path;
    struct stat info;
    if (stat(ResolvePath(path).c_str(), &info) != 0) {
        if (errno == ENOENT) {
            target.kind = OutputKind::NewFile; // a missing folder on the way fails the write
        } else {
            target.kind = OutputKind::Unusable;
            target.error = errno;
        }
        return target;
    }
    for (const std::string& input : inputs) {
        struct stat read;
        if (stat(ResolvePath(input).c_str(), &read) == 0 && read.st_dev == info.st_dev &&
            read.st_ino == info.st_ino) {
            target.kind = OutputKind::InputFile;
            target.input = input;
            return target;
        }
    }
    if (S_ISDIR(info.st_mode)) {
        target.kind = OutputKind::Folder;
    } else if (IsSpecial(info.st_mode)) {
        target.kind = OutputKind::SpecialFile;
    } else {
        target.kind = OutputKind::PlainFile;
    }
    return target;
}

std::string OutputRefusal(const OutputTarget& target) {
    switch (target.kind) {
    case OutputKind::Folder:
        return target.path + " is a folder; name a file to write";
    case OutputKind::InputFile:
        if (target.input == target.path) {
            return target.path + " is a file that is being read; name another file to write";
        }
        return target.path + " is the same file as " + target.input +
               ", which is being read; name another file to write";
    case OutputKind::Unusable:
        return target.path + ": " + Reason(target.error);
    default:
        return "";
    }
}

bool WriteOutputFile(const std::string& path, std::string_view bytes,
                     const std::vector<std::string>& inputs, std::string& error) {
    return WriteOutputFile(path, std::span<const std::string_view>(&bytes, 1), inputs, error);
}

bool WriteOutputFile(const std::string& path, std::span<const std::string_view> pieces,
                     const std::vector<std::string>& inputs, std::string& error) {
    const OutputTarget target = ClassifyOutput(path, inputs);
    error = OutputRefusal(target);
    if (!error.empty()) {
        return false;
    }
    errno = 0;
    const bool written = target.kind == OutputKind::SpecialFile ? WriteIntoSpecialFile(path, pieces)
                                                                : WriteFileAtomically(path, pieces);
    if (!written) {
        error = "cannot write " + path + ": " + Reason(errno);
    }
    return written;
}

bool WriteIntoSpecialFile(const std::string& path, std::string_view bytes) {
    return WriteIntoSpecialFile(path, std::span<const std::string_view>(&bytes, 1));
}

bool WriteIntoSpecialFile(const std::string& path, std::span<const std::string_view> pieces) {
    const int fd = OpenSpecial(path);
    if (fd < 0) {
        return false;
    }
    if (!WriteAll(fd, pieces)) {
        CloseKeepingErrno(fd);
        return false;
    }
    return CloseWritten(fd);
}

bool CopyIntoSpecialFile(const std::string& source, const std::string& path) {
    const int in = open(ResolvePath(source).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        return false;
    }
    const int out = OpenSpecial(path);
    if (out < 0) {
        CloseKeepingErrno(in);
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (!WriteAll(out, std::string_view(buffer, static_cast<size_t>(got)))) {
            ok = false;
            break;
        }
    }
    CloseKeepingErrno(in);
    if (!ok) {
        CloseKeepingErrno(out);
        return false;
    }
    return CloseWritten(out);
}

} // namespace tallo
