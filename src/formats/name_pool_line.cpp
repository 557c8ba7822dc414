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

}  // namespace tallo
