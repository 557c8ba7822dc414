#include "mapping/text_lines.h"

#include "platform/atomic_file.h"
#include "platform/path_resolver.h"

#include <limits>

namespace tallo {

bool ReadTableFile(const std::string& path, std::string& text) {
    text.clear();
    return ReadWholeFile(ResolvePath(path), text, kMaxTableFileBytes);
}

TextLines::TextLines(std::string_view text, size_t maxLength) : text_(text), maxLength_(maxLength) {
    const size_t end = text_.find('\x1A');
    if (end != std::string_view::npos) {
        text_ = text_.substr(0, end);
    }
}

bool TextLines::Next(std::string_view& line) {
    if (position_ >= text_.size()) {
        return false;
    }
    size_t stop = text_.find('\n', position_);
    if (stop == std::string_view::npos) {
        stop = text_.size();
    }
    line = text_.substr(position_, stop - position_);
    position_ = stop + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const size_t zero = line.find('\0');
    if (zero != std::string_view::npos) {
        line = line.substr(0, zero);
    }
    lastWasCut_ = line.size() > maxLength_;
    if (lastWasCut_) {
        line = line.substr(0, maxLength_);
    }
    return true;
}

int32_t ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int32_t>::max()) {
        value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

} // namespace tallo
