#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace tallo {

// The three file forms a report list can be saved in, numbered as the save dialog's filter
// (string-table entry kFilterString) lists them.
enum class ListExportForm {
    TabSeparated = 1, // cells separated by one tab
    Aligned = 2,      // cells padded with blanks to their column's width plus one
    Xml = 3,          // <list> with a <title> and one <row> of <col> elements per row
};

// A report list as its dialog shows it: the column header, the rows of cell texts and an
// optional title, ready to be written in any of the three forms. Texts are the 8-bit bytes
// the records hold.
//
// The header fixes the number of columns; a row with fewer cells is filled with empty cells,
// extra cells are left out. Cells and the title are cut to kCellLength bytes, as the list
// control hands them out. The text forms write every text exactly as it stands; the XML form
// escapes the markup characters & < > " ' and turns control characters that XML cannot hold
// into blanks, so that every XML reader accepts the file, and declares the code page the
// texts are in.
class ListExport {
public:
    static constexpr uint16_t kFilterString = 865;
    static constexpr size_t kCellLength = 1023;

    ListExport(std::vector<std::string> header, std::vector<std::vector<std::string>> rows,
               std::string title = std::string());

    // The form of the save dialog's filter index (1 to 3); none for any other index.
    static std::optional<ListExportForm> FormFromFilter(int filterIndex);
    // The declared name of a code page in the XML form ("windows-1252", "windows-1251").
    static const char* EncodingName(CodePage page);

    size_t ColumnCount() const { return header_.size(); }
    size_t RowCount() const { return rows_.size(); }

    // The whole file in the given form; the XML form declares `page`.
    std::string Render(ListExportForm form, CodePage page) const;
    // Writes the file in the given form, declaring the active code page in the XML form.
    // The old file stays untouched unless the whole new file was written; false on failure.
    bool Write(const std::string& path, ListExportForm form) const;

private:
    // Cell `column` of row `row`, cut to kCellLength; empty where the row has no such cell.
    std::string_view Cell(size_t row, size_t column) const;
    std::string_view Title() const;

    std::string RenderTabSeparated() const;
    std::string RenderAligned() const;
    std::string RenderXml(CodePage page) const;

    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
    std::string title_;
};

} // namespace tallo
