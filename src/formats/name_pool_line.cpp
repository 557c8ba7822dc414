#include "formats/name_pool_line.h"

namespace tallo {

int ParseNamePoolLine(std::string_view line, int pools) {
    size_t i = 1;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
        ++i;
    }
    int pool = 0;
    size_t digits = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        pool = pool * 10 + (line[i] - '0');
        if (pool >= pools) {
            return -1;
        }
        ++digits;
    }
    return digits == 0 ? -1 : pool;
}

void ForEachPoolName(std::string_view text, int pools, size_t maxLength,
                     const std::function<void(int pool, std::string_view name)>& name) {
    const size_t end = text.find('\x1A');
    if (end != std::string_view::npos) {
        text = text.substr(0, end);
    }
    int pool = 1;
    size_t start = 0;
    while (start < text.size()) {
        size_t stop = text.find('\n', start);
        if (stop == std::string_view::npos) {
            stop = text.size();
        }
        std::string_view line = text.substr(start, stop - start);
        start = stop + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '%') {
            pool = ParseNamePoolLine(line, pools);
            continue;
        }
        if (pool < 0 || pool >= pools || line.size() > maxLength ||
            line.find('\0') != std::string_view::npos) {
            continue;
        }
        name(pool, line);
    }
}

} // namespace tallo
