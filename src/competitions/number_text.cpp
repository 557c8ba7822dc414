#include "competitions/number_text.h"

namespace tallo {

int64_t LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{1} << 31;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value <= kLimit) {
            value = value * 10 + (text[i] - '0');
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    if (value < INT32_MIN) {
        value = INT32_MIN;
    }
    return value;
}

std::vector<int64_t> NumbersOfLine(std::string_view text, size_t limit) {
    std::vector<int64_t> numbers;
    while (numbers.size() < limit) {
        size_t comma = text.find(',');
        numbers.push_back(LeadingNumber(text.substr(0, comma)));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return numbers;
}

} // namespace tallo
