#include "editing/club/club_field_text.h"

#include <algorithm>

namespace tallo {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

size_t EditLengthFor(size_t limit, std::string_view filled) {
    return std::max(limit, filled.size());
}

std::optional<int32_t> ReadDigits(std::string_view text, size_t maxDigits) {
    text = Trimmed(text);
    if (text.empty()) {
        return 0;
    }
    if (text.size() > maxDigits || maxDigits > 9 || !AllDigits(text)) {
        return std::nullopt;
    }
    int32_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::string> ReadYearList(std::string_view text) {
    text = Trimmed(text);
    std::string years;
    if (text.empty()) {
        return years;
    }
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        if (item.empty() || item.size() > 4 || !AllDigits(item)) {
            return std::nullopt;
        }
        if (!years.empty()) {
            years += ',';
        }
        years += item;
        if (comma == std::string_view::npos) {
            return years;
        }
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::pair<int, int>> ReadMatchResult(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return std::pair{0, 0};
    }
    const size_t separator = text.find_first_of(":-");
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int32_t> a = ReadDigits(text.substr(0, separator), 2);
    const std::optional<int32_t> b = ReadDigits(text.substr(separator + 1), 2);
    if (!a || !b || Trimmed(text.substr(0, separator)).empty() ||
        Trimmed(text.substr(separator + 1)).empty()) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(*a), static_cast<int>(*b)};
}

std::string FormatMatchResult(int goalsA, int goalsB) {
    return std::to_string(goalsA) + ":" + std::to_string(goalsB);
}

std::string NumberText(int64_t value, bool emptyForZero) {
    if (value == 0 && emptyForZero) {
        return std::string();
    }
    return std::to_string(value);
}

std::string LinesForEdit(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return lines;
}

} // namespace tallo
