#include "assets/badge_names.h"

#include "assets/ascii_fold.h"
#include "assets/safe_path.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tallo {

namespace {

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool BadgeTextEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    size_t i = 0;
    for (; i + 8 <= a.size(); i += 8) {
        uint64_t wordA;
        uint64_t wordB;
        std::memcpy(&wordA, a.data() + i, 8);
        std::memcpy(&wordB, b.data() + i, 8);
        if (FoldAsciiWord(wordA) != FoldAsciiWord(wordB)) {
            return false;
        }
    }
    for (; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

size_t BadgeTextFind(std::string_view text, std::string_view word) {
    if (word.size() > text.size()) {
        return std::string_view::npos;
    }
    if (word.empty()) {
        return 0;
    }
    const char first = FoldAscii(word.front());
    for (size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (FoldAscii(text[at]) == first && BadgeTextEquals(text.substr(at, word.size()), word)) {
            return at;
        }
    }
    return std::string_view::npos;
}

bool HasTgaEnding(std::string_view name) {
    return name.size() >= 4 && BadgeTextEquals(name.substr(name.size() - 4), ".tga");
}

bool HasBadge180(std::string_view name) {
    return BadgeTextFind(name, kBadge180) != std::string_view::npos;
}

namespace {

// Appends `name` with its "Badge180" at `at` replaced by "Badge" and the size.
void AppendSized(std::string_view name, size_t at, int size, std::string& out) {
    char number[16];
    const auto written = std::to_chars(number, number + sizeof number, size);
    const std::string_view digits(number, static_cast<size_t>(written.ptr - number));
    constexpr std::string_view kBadge = "Badge";
    out.reserve(out.size() + name.size() - kBadge180.size() + kBadge.size() + digits.size());
    out.append(name.substr(0, at)).append(kBadge).append(digits);
    out.append(name.substr(at + kBadge180.size()));
}

} // namespace

std::string BadgeNameForSize(std::string_view name, int size) {
    const size_t at = BadgeTextFind(name, kBadge180);
    if (at == std::string_view::npos) {
        return std::string(name);
    }
    std::string result;
    AppendSized(name, at, size, result);
    return result;
}

std::string FormatBadgePattern(std::string_view pattern, int size) {
    std::string result(pattern);
    const size_t at = result.find("%d");
    if (at != std::string::npos) {
        result.replace(at, 2, std::to_string(size));
    }
    return result;
}

std::string BadgeDiskPath(std::string_view folder, std::string_view name) {
    if (!IsSafeEntryName(name)) {
        return std::string();
    }
    std::string path(folder);
    path += '/';
    for (char c : name) {
        path += c == '\\' ? '/' : c;
    }
    return path;
}

std::string BadgeArchiveName(std::string_view name) {
    std::string result;
    result.reserve(kBadgeArchivePrefix.size() + name.size());
    result.append(kBadgeArchivePrefix).append(name);
    std::replace(result.begin() + static_cast<std::ptrdiff_t>(kBadgeArchivePrefix.size()),
                 result.end(), '/', '\\');
    return result;
}

void SizedBadgeArchiveName(std::string_view name, size_t at, int size, std::string& out) {
    out.assign(kBadgeArchivePrefix);
    AppendSized(name, at, size, out);
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(kBadgeArchivePrefix.size()), out.end(),
                 '/', '\\');
}

bool StripBadgeArchivePrefix(std::string_view entryName, std::string& relative) {
    if (entryName.size() < kBadgeArchivePrefix.size() ||
        !BadgeTextEquals(entryName.substr(0, kBadgeArchivePrefix.size()), kBadgeArchivePrefix)) {
        return false;
    }
    relative.assign(entryName.substr(kBadgeArchivePrefix.size()));
    return true;
}

std::string BadgeDisplayName(std::string_view name) {
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

} // namespace tallo
