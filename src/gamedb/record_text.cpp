#include "gamedb/record_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace tallo {

std::string RecordPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return text;
}

} // namespace tallo
