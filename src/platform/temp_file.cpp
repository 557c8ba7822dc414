#include "platform/temp_file.h"

#include "platform/path_resolver.h"

#include <stdlib.h>
#include <unistd.h>

namespace tallo {

namespace {

std::string Pattern(const std::string& folder, const std::string& prefix) {
    std::string base = folder.empty() ? "." : folder;
    if (base.back() != '/') {
        base += '/';
    }
    return base + prefix + "XXXXXX";
}

} // namespace

std::optional<std::string> CreateTempFile(const std::string& folder, const std::string& prefix) {
    if (prefix.find('/') != std::string::npos) {
        return std::nullopt;
    }
    std::string path = Pattern(ResolvePath(folder), prefix);
    int fd = mkstemp(path.data());
    if (fd < 0) {
        return std::nullopt;
    }
    close(fd);
    return path;
}

std::optional<std::string> CreateTempFolder(const std::string& prefix, const Environment& env) {
    if (prefix.find('/') != std::string::npos) {
        return std::nullopt;
    }
    std::optional<std::string> base = env.Get("TMPDIR");
    std::string path = Pattern(base && !base->empty() ? *base : "/tmp", prefix);
    if (mkdtemp(path.data()) == nullptr) {
        return std::nullopt;
    }
    return path;
}

} // namespace tallo
