#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

// Reads a whole table file of the mapping (resolved regardless of case). False when it does
// not open or is larger than kMaxTableFileBytes; `text` is then empty.
inline constexpr size_t kMaxTableFileBytes = size_t{64} << 20;
bool ReadTableFile(const std::string& path, std::string& text);

// The lines of a text table, each cut to at most `maxLength` characters. A line ends at LF
// (a CR before it is dropped) or at the end of the data; a 0x1A byte ends the data. What a
// line holds beyond `maxLength` characters is dropped with the rest of that line, so an
// over-long line never spills into the next one. A zero byte ends a line's text as it would
// end a C string (the rest of that line is dropped).
class TextLines {
public:
    // The text is not copied: it must outlive the reader.
    TextLines(std::string_view text, size_t maxLength);
    TextLines(std::string&& text, size_t maxLength) = delete;

    // The next line; false at the end of the data.
    bool Next(std::string_view& line);
    // Whether the line last given was cut to the maximum length.
    bool LastWasCut() const { return lastWasCut_; }

private:
    std::string_view text_;
    size_t maxLength_;
    size_t position_ = 0;
    bool lastWasCut_ = false;
};

// Calls `onLine` with each line of `text` as TextLines gives them.
template <typename OnLine>
void ForEachTableLine(std::string_view text, size_t maxLength, OnLine&& onLine) {
    TextLines lines(text, maxLength);
    std::string_view line;
    while (lines.Next(line)) {
        onLine(line);
    }
}

// Reads the table file at `path` (see ReadTableFile) and calls `onLine` with each of its lines.
// False, and no call, when the file cannot be read.
template <typename OnLine>
bool LoadTableLines(const std::string& path, size_t maxLength, OnLine&& onLine) {
    std::string text;
    if (!ReadTableFile(path, text)) {
        return false;
    }
    ForEachTableLine(text, maxLength, onLine);
    return true;
}

// The decimal value at the start of a text as the tables write numbers: leading blanks and
// tabs skipped, an optional sign, then digits; anything else ends the number. No digits give
// 0; values beyond the 32-bit range are held to its ends.
int32_t ParseDecimal(std::string_view text);

} // namespace tallo
