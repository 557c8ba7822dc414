#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tallo {

// The program's string table: every user-interface text by its number, in UTF-8.
// An unknown number gives an empty text.
const std::string& LoadString(int id);

// True when the table has an entry of that number.
bool HasString(int id);

// Formats a table entry printf-style with the given arguments (numbers and C strings).
// The format comes from the compiled-in table, never from a file.
template <class... Args>
std::string FormatString(int id, Args... args) {
    const std::string& format = LoadString(id);
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
