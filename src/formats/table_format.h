#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tallo {

// Formats a text of one of the compiled-in tables (the string table, the dialog texts)
// printf-style with numbers and C strings. The format never comes from a file.
template <class... Args> std::string FormatTableText(const std::string& format, Args... args) {
    if constexpr (sizeof...(Args) == 0) {
        return format;
    } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        int needed = std::snprintf(nullptr, 0, format.c_str(), args...);
        if (needed <= 0) {
            return std::string();
        }
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::snprintf(buffer.data(), buffer.size(), format.c_str(), args...);
#pragma GCC diagnostic pop
        return std::string(buffer.data(), static_cast<size_t>(needed));
    }
}

} // namespace tallo
