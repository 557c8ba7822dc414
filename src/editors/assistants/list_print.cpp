#include "editors/assistants/list_print.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "editors/assistants/report_list.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

constexpr const char* kFontFamily = "Arial";
constexpr double kFontSize = 70 / 10.0; // size 70 in tenths of a point
constexpr double kListScale = 1.0;      // headings, rows and the page number line
constexpr double kTitleScale = 0.75;    // the list text's size relative to the title's
constexpr double kMarginMillimetres = 15.0;
constexpr double kMillimetresPerInch = 25.4;

QFont PrintFont(QPaintDevice& device, double points, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return QFont(font, &device);
}

Qt::Alignment ColumnAlignment(const PrintedList& list, size_t column) {
    const Qt::Alignment alignment =
        column < list.alignments.size() ? list.alignments[column] : Qt::AlignLeft;
    return (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
}

QString Cell(const QStringList& cells, size_t column) {
    return column < static_cast<size_t>(cells.size()) ? cells[static_cast<qsizetype>(column)]
                                                      : QString();
}

} // namespace

PrintedList PrintedList::From(const CReportList& list, const QString& title) {
    PrintedList printed;
    printed.title = title;
    printed.headings = list.Headings();
    for (int column = 0; column < list.columnCount(); ++column) {
        const QTableWidgetItem* heading = list.horizontalHeaderItem(column);
        printed.alignments.push_back(heading != nullptr ? Qt::Alignment(heading->textAlignment())
                                                        : Qt::Alignment(Qt::AlignLeft));
    }
    printed.rows = list.Cells();
    return printed;
}

ListPrintLayout LayoutPrintedList(const PrintedList& list, QPaintDevice& device,
                                  const QRect& page) {
    ListPrintLayout layout;
    layout.page = page;
    layout.font = PrintFont(device, kFontSize * kListScale, false);
    layout.headingFont = PrintFont(device, kFontSize * kListScale, true);
    layout.titleFont = PrintFont(device, kFontSize / kTitleScale, true);

    const QFontMetrics metrics(layout.font, &device);
    const QFontMetrics headingMetrics(layout.headingFont, &device);
    const QFontMetrics titleMetrics(layout.titleFont, &device);
    layout.gap = std::max(1, metrics.averageCharWidth() / 2);
    layout.lineHeight = std::max(metrics.lineSpacing(), headingMetrics.lineSpacing());
    layout.titleHeight = titleMetrics.lineSpacing();

    // Each column as wide as its widest printed text, heading or cell.
    const size_t columns = static_cast<size_t>(list.headings.size());
    layout.columnWidths.assign(columns, 0);
    std::vector<int> cellWidths(columns, 0);
    for (size_t column = 0; column < columns; ++column) {
        for (const QStringList& row : list.rows) {
            cellWidths[column] =
                std::max(cellWidths[column], metrics.horizontalAdvance(Cell(row, column)));
        }
        cellWidths[column] += 2 * layout.gap;
        const int heading =
            headingMetrics.horizontalAdvance(list.headings[static_cast<qsizetype>(column)]);
        layout.columnWidths[column] = std::max(cellWidths[column], heading + 2 * layout.gap);
    }
    const auto total = [&layout] {
        int sum = 0;
        for (int width : layout.columnWidths) {
            sum += width;
        }
        return sum;
    };
    // Too wide for the page: first the headings give up what they need beyond their cells
    // (they end in an ellipsis), then every column shrinks in proportion.
    int excess = total() - page.width();
    if (excess > 0) {
        int slack = 0;
        for (size_t column = 0; column < columns; ++column) {
            slack += layout.columnWidths[column] - cellWidths[column];
        }
        if (slack > 0) {
            const double share = std::min(1.0, static_cast<double>(excess) / slack);
            for (size_t column = 0; column < columns; ++column) {
                const int spare = layout.columnWidths[column] - cellWidths[column];
                layout.columnWidths[column] -= static_cast<int>(std::ceil(spare * share));
            }
        }
    }
    const int wide = total();
    if (wide > page.width() && wide > 0) {
        const double shrink = static_cast<double>(page.width()) / wide;
        for (int& width : layout.columnWidths) {
            width = static_cast<int>(std::floor(width * shrink));
        }
    }

    // Title, half a line, headings with their rule, the rows, a line's space, the page number.
    const int frame = layout.titleHeight + layout.lineHeight / 2 + layout.lineHeight + 2 +
                      layout.lineHeight + layout.lineHeight;
    layout.rowsPerPage = std::max(1, (page.height() - frame) / std::max(1, layout.lineHeight));
    const int rows = static_cast<int>(list.rows.size());
    layout.pageCount = std::max(1, (rows + layout.rowsPerPage - 1) / layout.rowsPerPage);
    return layout;
}

void PaintListPage(QPainter& painter, const PrintedList& list, const ListPrintLayout& layout,
                   int pageIndex) {
    const QRect& page = layout.page;
    painter.save();
    painter.setPen(Qt::black);
    int y = page.top();

    painter.setFont(layout.titleFont);
    const QFontMetrics titleMetrics(painter.font(), painter.device());
    painter.drawText(QRect(page.left(), y, page.width(), layout.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(list.title, Qt::ElideRight, page.width()));
    y += layout.titleHeight + layout.lineHeight / 2;

    // One line of cells, each inside its column less the gaps at both sides.
    const auto paintLine = [&](const QStringList& cells) {
        const QFontMetrics metrics(painter.font(), painter.device());
        int x = page.left();
        for (size_t column = 0; column < layout.columnWidths.size(); ++column) {
            const int width = layout.columnWidths[column];
            const int inner = std::max(0, width - 2 * layout.gap);
            const QString text = metrics.elidedText(Cell(cells, column), Qt::ElideRight, inner);
            painter.drawText(QRect(x + layout.gap, y, inner, layout.lineHeight),
                             ColumnAlignment(list, column), text);
            x += width;
        }
        y += layout.lineHeight;
    };

    painter.setFont(layout.headingFont);
    paintLine(list.headings);
    int rightEdge = page.left();
    for (int width : layout.columnWidths) {
        rightEdge += width;
    }
    painter.drawLine(page.left(), y, std::min(rightEdge, page.right()), y);
    y += 2;

    painter.setFont(layout.font);
    const int first = layout.FirstRow(pageIndex);
    const int end = std::min(static_cast<int>(list.rows.size()), first + layout.rowsPerPage);
    for (int row = std::max(0, first); row < end; ++row) {
        paintLine(list.rows[static_cast<size_t>(row)]);
    }

    const QString number =
        ToQString(FormatDialogText("listexport.print.page", pageIndex + 1, layout.pageCount));
    painter.drawText(
        QRect(page.left(), page.bottom() - layout.lineHeight + 1, page.width(), layout.lineHeight),
        Qt::AlignHCenter | Qt::AlignVCenter, number);
    painter.restore();
}

int PrintListPages(QPagedPaintDevice& device, const PrintedList& list) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const ListPrintLayout layout =
        LayoutPrintedList(list, device, QRect(0, 0, device.width(), device.height()));
    for (int page = 0; page < layout.pageCount; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return page;
        }
        PaintListPage(painter, list, layout, page);
    }
    return painter.end() ? layout.pageCount : 0;
}

bool PrintListToPdf(const QString& path, const PrintedList& list) {
    QPdfWriter writer(path);
    writer.setTitle(list.title);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    return PrintListPages(writer, list) > 0;
}

QImage RenderListPage(const PrintedList& list, int pageIndex, int dotsPerInch) {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const auto pixels = [dotsPerInch](double millimetres) {
        return static_cast<int>(std::lround(millimetres / kMillimetresPerInch * dotsPerInch));
    };
    QImage image(pixels(a4.width()), pixels(a4.height()), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    const int margin = pixels(kMarginMillimetres);
    const QRect page(margin, margin, image.width() - 2 * margin, image.height() - 2 * margin);
    QPainter painter(&image);
    const ListPrintLayout layout = LayoutPrintedList(list, image, page);
    PaintListPage(painter, list, layout, pageIndex);
    return image;
}

void PrintList(QWidget* owner, const CReportList& list, const QString& title) {
    const PrintedList printed = PrintedList::From(list, title);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, owner);
    preview.setWindowTitle(UiText("listexport.print.preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printed](QPrinter* target) { PrintListPages(*target, printed); });
    preview.exec();
}

} // namespace tallo
