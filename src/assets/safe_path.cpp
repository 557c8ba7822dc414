#include "assets/safe_path.h"

namespace tallo {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// A level such as "..", "..." or ". ." names the parent folder on some system.
bool ClimbsOut(std::string_view level) {
    int dots = 0;
    for (char c : level) {
        if (c == '.') {
            ++dots;
        } else if (c != ' ') {
            return false;
        }
    }
    return dots >= 2;
}

} // namespace

bool IsSafeEntryName(std::string_view name) {
    if (name.empty() || IsSeparator(name.front())) {
        return false;
    }
    if (name.find('\0') != std::string_view::npos || name.find(':') != std::string_view::npos) {
        return false;
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) {
            ++end;
        }
        if (ClimbsOut(name.substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

} // namespace tallo
