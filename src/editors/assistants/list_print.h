#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QWidget;

namespace tallo {

class CReportList;

// A list as it is printed: a title, the column headings with their alignments and the rows.
struct PrintedList {
    QString title;
    QStringList headings;
    std::vector<Qt::Alignment> alignments; // per column; left where missing
    std::vector<QStringList> rows;

    // The list as the report list shows it.
    static PrintedList From(const CReportList& list, const QString& title);
};

// Where everything of a printed list goes on the pages of one device.
//
// The fonts: the list is printed in "Arial" (the system's sans-serif face where there is no
// Arial) at size 70, counted in tenths of a point, so 7 pt: small enough for seven columns on a
// portrait page, still well readable on paper. Of the two scale factors, 1.0 is the scale of the
// headings, the rows and the page number line, and 0.75 is the list text's size relative to the
// title, which is printed at 7 / 0.75 = 9.33 pt in bold. Sizes are points of the device, so a
// printer, a PDF file and a picture give the same page.
//
// Column widths come from the printed text extents: the widest of heading and cells, plus half
// an average character at each side. When the columns are wider than the page, the headings
// first give up the room they take beyond their cells, then all columns shrink in proportion;
// texts that no longer fit end in an ellipsis. The title and the headings stand
// on every page, the page number line "%i / %i" at its foot.
struct ListPrintLayout {
    QFont font;
    QFont headingFont;
    QFont titleFont;
    QRect page;                    // the area painted, in device pixels
    std::vector<int> columnWidths; // in device pixels
    int gap = 0;                   // blank space at the left of each cell
    int lineHeight = 0;
    int titleHeight = 0;
    int rowsPerPage = 1;
    int pageCount = 1;

    // The rows [first, end) of a page (0-based).
    int FirstRow(int pageIndex) const { return pageIndex * rowsPerPage; }
};

// Lays out `list` on pages of `device` whose paintable area is `page`.
ListPrintLayout LayoutPrintedList(const PrintedList& list, QPaintDevice& device, const QRect& page);

// Paints page `pageIndex` (0-based) of the list with `painter`, which paints on the device the
// layout was made for.
void PaintListPage(QPainter& painter, const PrintedList& list, const ListPrintLayout& layout,
                   int pageIndex);

// Prints every page on a paged device (a printer, a PDF writer). The number of pages printed,
// 0 when painting could not start.
int PrintListPages(QPagedPaintDevice& device, const PrintedList& list);

// Writes the list as a PDF file of A4 pages with margins of 15 mm. False when the file could
// not be written.
bool PrintListToPdf(const QString& path, const PrintedList& list);

// Page `pageIndex` of the list as a picture: an A4 page at `dotsPerInch`, white, with the same
// margins and layout as the PDF.
QImage RenderListPage(const PrintedList& list, int pageIndex, int dotsPerInch = 100);

// Prints the list on the printer the user chooses: a print preview whose print button asks for
// the printer (a PDF file is one of them).
void PrintList(QWidget* owner, const CReportList& list, const QString& title);

} // namespace tallo
