#include "formats/list_export.h"

#include <algorithm>
#include <utility>

#include "platform/atomic_file.h"

namespace tallo {

namespace {

std::string_view Cut(std::string_view text) {
    return text.substr(0, std::min(text.size(), ListExport::kCellLength));
}

// Text as XML character data: the markup characters become entities, and control characters
// that XML 1.0 has no place for (all below 0x20 but tab, LF and CR) become blanks.
void AppendXmlText(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                out += ' ';
            } else {
                out += c;
            }
            break;
        }
    }
}

} // namespace

ListExport::ListExport(std::vector<std::string> header, std::vector<std::vector<std::string>> rows,
                       std::string title)
    : header_(std::move(header)), rows_(std::move(rows)), title_(std::move(title)) {}

std::optional<ListExportForm> ListExport::FormFromFilter(int filterIndex) {
    switch (filterIndex) {
    case 1:
        return ListExportForm::TabSeparated;
    case 2:
        return ListExportForm::Aligned;
    case 3:
        return ListExportForm::Xml;
    default:
        return std::nullopt;
    }
}

const char* ListExport::EncodingName(CodePage page) {
    return page == CodePage::Windows1251 ? "windows-1251" : "windows-1252";
}

std::string_view ListExport::Cell(size_t row, size_t column) const {
    const std::vector<std::string>& cells = rows_[row];
    if (column >= cells.size()) {
        return std::string_view();
    }
    return Cut(cells[column]);
}

std::string_view ListExport::Title() const {
    return Cut(title_);
}

std::string ListExport::Render(ListExportForm form, CodePage page) const {
    switch (form) {
    case ListExportForm::TabSeparated:
        return RenderTabSeparated();
    case ListExportForm::Aligned:
        return RenderAligned();
    case ListExportForm::Xml:
        return RenderXml(page);
    }
    return std::string();
}

std::string ListExport::RenderTabSeparated() const {
    std::string out;
    out.append(Title()).append("\r\n");
    for (size_t row = 0; row < rows_.size(); ++row) {
        for (size_t column = 0; column < header_.size(); ++column) {
            if (column > 0) {
                out += '\t';
            }
            out.append(Cell(row, column));
        }
        out += "\r\n";
    }
    return out;
}

std::string ListExport::RenderAligned() const {
    std::vector<size_t> widths(header_.size(), 0);
    for (size_t row = 0; row < rows_.size(); ++row) {
        for (size_t column = 0; column < header_.size(); ++column) {
            widths[column] = std::max(widths[column], Cell(row, column).size());
        }
    }
    std::string out;
    out.append(Title()).append("\r\n");
    for (size_t row = 0; row < rows_.size(); ++row) {
        for (size_t column = 0; column < header_.size(); ++column) {
            std::string_view cell = Cell(row, column);
            out.append(cell);
            // Every column, the last one too, ends in at least one blank.
            out.append(widths[column] + 1 - cell.size(), ' ');
        }
        out += "\r\n";
    }
    return out;
}

std::string ListExport::RenderXml(CodePage page) const {
    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"";
    out += EncodingName(page);
    out += "\"?>\r\n";
    out += "<list>\r\n";
    out += "\t<title>";
    AppendXmlText(out, Title());
    out += "</title>\r\n";
    for (size_t row = 0; row < rows_.size(); ++row) {
        out += "\t<row>\r\n";
        for (size_t column = 0; column < header_.size(); ++column) {
            out += "\t\t<col>";
            AppendXmlText(out, Cell(row, column));
            out += "</col>\r\n";
        }
        out += "\t</row>\r\n";
    }
    out += "\t</list>\r\n";
    return out;
}

bool ListExport::Write(const std::string& path, ListExportForm form) const {
    return WriteFileAtomically(path, Render(form, ActiveCodePage()));
}

} // namespace tallo
