#include "formats/base_text_file.h"

#include <algorithm>

#include "formats/decimal_value.h"
#include "formats/record_text.h"
#include "platform/atomic_file.h"

namespace tallo {

namespace {

// Splits the table data into lines. A line ends at LF, which a CR may precede. The last line
// may lack its LF; it then loses one final control character instead, as a line whose end
// was read would. Each line is cut to `maxLength` characters, and the rest of an over-long
// line is skipped, never taken as the next line.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {}

    bool Next(std::string_view& line, size_t maxLength) {
        if (at_ >= data_.size()) {
            return false;
        }
        size_t end = data_.find('\n', at_);
        size_t next = end == std::string_view::npos ? data_.size() : end + 1;
        if (end == std::string_view::npos) {
            end = data_.size();
        }
        line = data_.substr(at_, end - at_);
        if (end < data_.size()) {
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
        } else if (!line.empty() && line.back() >= 1 && line.back() <= 31) {
            line.remove_suffix(1);
        }
        if (line.size() > maxLength) {
            line = line.substr(0, maxLength);
        }
        at_ = next;
        return true;
    }

private:
    std::string_view data_;
    size_t at_ = 0;
};

// A string-table text in the code page the row texts are kept in (English where that code page
// cannot spell the interface language); entry 0 is the empty text.
std::string TableText(uint16_t id) {
    if (id == 0) {
        return std::string();
    }
    return RecordText(id);
}

const std::string kEmpty;

} // namespace

CBaseTextFile::CBaseTextFile(const TextTableLayout& layout) : layout_(layout) {
    layout_.capacity = std::max(layout_.capacity, 0);
}

CBaseTextFile::~CBaseTextFile() = default;

void CBaseTextFile::Clear() {
    count_ = 0;
    texts_.clear();
    texts_.shrink_to_fit();
    numbers_.clear();
    numbers_.shrink_to_fit();
}

void CBaseTextFile::Allocate(int32_t rows) {
    rows = std::max(rows, 0);
    count_ = 0;
    texts_.assign(static_cast<size_t>(rows), std::string());
    numbers_.assign(static_cast<size_t>(rows), 0);
}

void CBaseTextFile::SetNumber(int32_t row, int32_t value) {
    if (IsAllocated(row)) {
        numbers_[static_cast<size_t>(row)] = value;
    }
}

void CBaseTextFile::SetText(int32_t row, std::string_view text) {
    StoreText(row, text);
}

void CBaseTextFile::SetMissingText(int32_t row) {
    StoreText(row, TableText(layout_.missingFileString));
}

void CBaseTextFile::SetPlaceholderText(int32_t row) {
    StoreText(row, TableText(layout_.placeholderString));
}

void CBaseTextFile::StoreText(int32_t row, std::string_view text) {
    if (IsAllocated(row)) {
        texts_[static_cast<size_t>(row)].assign(text);
    }
}

bool CBaseTextFile::Load(const std::string& path) {
    Allocate(layout_.capacity);
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kMaxFileSize)) {
        FillMissing();
        return false;
    }
    std::string_view data(bytes);
    if (size_t end = data.find('\x1A'); end != std::string_view::npos) {
        data = data.substr(0, end);
    }
    LineReader lines(data);

    const bool placeholder = layout_.placeholderString != 0 && layout_.capacity > 0;
    const int32_t first = placeholder ? 1 : 0;
    // Rows the file may fill: a larger count line would index past the room made.
    const int32_t room = layout_.capacity - first;
    int32_t fileRows = room;
    if (layout_.countLine) {
        std::string_view line;
        fileRows = lines.Next(line, kCountLineLength) ? DecimalValue(line) : 0;
        fileRows = std::clamp(fileRows, 0, room);
    }

    if (placeholder) {
        SetNumber(0, 0);
        SetPlaceholderText(0);
        count_ = 1;
    }
    for (int32_t row = first; row < first + fileRows; ++row) {
        std::string_view firstLine;
        std::string_view secondLine;
        if (!lines.Next(firstLine, kRowLineLength)) {
            break;
        }
        if (!layout_.twoLinesPerRow) {
            SetNumber(row, row);
            SetText(row, firstLine);
        } else {
            // A row whose second line is missing is not taken: the file ended mid-row.
            if (!lines.Next(secondLine, kRowLineLength)) {
                break;
            }
            std::string_view numberLine = layout_.numberFirst ? firstLine : secondLine;
            std::string_view textLine = layout_.numberFirst ? secondLine : firstLine;
            SetNumber(row, DecimalValue(numberLine));
            SetText(row, textLine);
        }
        count_ = row + 1;
    }
    return true;
}

void CBaseTextFile::FillMissing() {
    for (int32_t row = 0; row < layout_.capacity; ++row) {
        SetNumber(row, row);
        SetMissingText(row);
    }
    count_ = layout_.capacity;
}

int32_t CBaseTextFile::InUse() const {
    return std::min(count_, Allocated());
}

int32_t CBaseTextFile::Number(int32_t row) const {
    if (row < 0 || row >= InUse()) {
        return 0;
    }
    return numbers_[static_cast<size_t>(row)];
}

const std::string& CBaseTextFile::Text(int32_t row) const {
    if (row < 0 || row >= InUse()) {
        return kEmpty;
    }
    return texts_[static_cast<size_t>(row)];
}

bool CBaseTextFile::HasNumber(int32_t number) const {
    if (number == 0) {
        return true;
    }
    auto end = numbers_.begin() + InUse();
    return std::find(numbers_.begin(), end, number) != end;
}

} // namespace tallo
