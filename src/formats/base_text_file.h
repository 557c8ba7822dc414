#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// How one text table is laid out in its file and what it shows when the file is missing.
struct TextTableLayout {
    int32_t capacity = 0;           // rows made room for; a file never fills more
    bool twoLinesPerRow = true;     // a row is a number line and a text line
    bool countLine = true;          // the file starts with the number of rows
    bool numberFirst = true;        // of a row's two lines the number comes first
    uint16_t placeholderString = 0; // string-table text of an extra row 0 (number 0), 0 = none
    uint16_t missingFileString = 0; // string-table text of every row of a missing file, 0 = ""
};

// A small table of numbered texts read from a per-language text file (shoe types, special
// faces, club speech samples, kit colours). Row texts are kept as the file's 8-bit bytes;
// string-table texts put into rows are converted to the active code page first.
//
// File layout: an optional count line, then per row either two lines (number and text, in
// the order the layout gives) or one line holding the text alone (the row's number is then
// its index). Lines end in LF or CR LF; a 0x1A byte ends the data. Row lines are cut to
// kRowLineLength characters, the count line is read from its first kCountLineLength.
class CBaseTextFile {
public:
    static constexpr size_t kRowLineLength = 128;
    static constexpr size_t kCountLineLength = 999;
    // Larger files are not read at all; every real table is far below this.
    static constexpr size_t kMaxFileSize = 16u * 1024u * 1024u;

    explicit CBaseTextFile(const TextTableLayout& layout);
    virtual ~CBaseTextFile();

    // Releases every row.
    virtual void Clear();
    // Room for n empty rows, none in use.
    virtual void Allocate(int32_t rows);
    // Row setters; a row outside the allocated room is ignored.
    virtual void SetNumber(int32_t row, int32_t value);
    virtual void SetText(int32_t row, std::string_view text);
    virtual void SetMissingText(int32_t row);
    virtual void SetPlaceholderText(int32_t row);

    // Reads the table from `path` (resolved case-insensitively). The file's count is held to
    // the capacity (less the placeholder row), and a file that ends early gives the rows it
    // holds in full. When the file cannot be read the table gets `capacity` rows numbered
    // 0, 1, 2, ... with the missing-file text, and false is returned.
    bool Load(const std::string& path);

    const TextTableLayout& Layout() const { return layout_; }
    int32_t Capacity() const { return layout_.capacity; }
    int32_t Count() const { return InUse(); }
    // Number and text of a row in use; 0 and "" for any other row.
    int32_t Number(int32_t row) const;
    const std::string& Text(int32_t row) const;
    // True for 0 always, otherwise when a row in use carries that number.
    bool HasNumber(int32_t number) const;

protected:
    // The number of allocated rows.
    int32_t Allocated() const { return static_cast<int32_t>(numbers_.size()); }
    bool IsAllocated(int32_t row) const { return row >= 0 && row < Allocated(); }
    void StoreText(int32_t row, std::string_view text);

private:
    void FillMissing();
    int32_t InUse() const; // the count, never beyond the allocated rows

    TextTableLayout layout_;
    int32_t count_ = 0;
    std::vector<std::string> texts_;
    std::vector<int32_t> numbers_;
};

} // namespace tallo
