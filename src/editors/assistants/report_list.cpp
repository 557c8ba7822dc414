#include "editors/assistants/report_list.h"

#include <QHeaderView>

#include <algorithm>

#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

// The number of a row is kept in its first cell.
constexpr int kDataRole = Qt::UserRole + 1;

} // namespace

CReportList::CReportList(QWidget* parent) : QTableWidget(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CReportList::headingClicked);
}

void CReportList::SetColumns(const std::vector<ReportColumn>& columns) {
    setColumnCount(static_cast<int>(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        auto* heading = new QTableWidgetItem(columns[i].heading);
        heading->setTextAlignment(columns[i].alignment | Qt::AlignVCenter);
        setHorizontalHeaderItem(static_cast<int>(i), heading);
        // The given width, or the heading's when a translation needs more room.
        const int headingWidth =
            horizontalHeader()->fontMetrics().horizontalAdvance(columns[i].heading) + 12;
        setColumnWidth(static_cast<int>(i), std::max(columns[i].width, headingWidth));
    }
}

void CReportList::SetRows(const std::vector<std::vector<std::string>>& rows,
                          const std::vector<int>& data) {
    const int selected = CurrentData();
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    std::vector<Qt::Alignment> alignments;
    for (int column = 0; column < columnCount(); ++column) {
        const QTableWidgetItem* heading = horizontalHeaderItem(column);
        alignments.push_back(heading != nullptr ? Qt::Alignment(heading->textAlignment()) &
                                                      Qt::AlignHorizontal_Mask
                                                : Qt::Alignment(Qt::AlignLeft));
    }
    int reselect = -1;
    for (size_t row = 0; row < rows.size(); ++row) {
        const int number = row < data.size() ? data[row] : static_cast<int>(row);
        for (int column = 0; column < columnCount(); ++column) {
            const size_t c = static_cast<size_t>(column);
            auto* item = new QTableWidgetItem(c < rows[row].size() ? RecordToQString(rows[row][c])
                                                                   : QString());
            item->setTextAlignment(alignments[c] | Qt::AlignVCenter);
            if (column == 0) {
                item->setData(kDataRole, number);
            }
            setItem(static_cast<int>(row), column, item);
        }
        if (number == selected && selected >= 0) {
            reselect = static_cast<int>(row);
        }
    }
    if (reselect >= 0) {
        setCurrentCell(reselect, 0);
        selectRow(reselect);
    }
    setUpdatesEnabled(true);
}

int CReportList::RowData(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr ? cell->data(kDataRole).toInt() : -1;
}

int CReportList::CurrentData() const {
    const int row = currentRow();
    return row >= 0 && row < rowCount() && selectionModel()->isRowSelected(row, QModelIndex())
               ? RowData(row)
               : -1;
}

void CReportList::SelectData(int data) {
    for (int row = 0; row < rowCount(); ++row) {
        if (RowData(row) == data) {
            setCurrentCell(row, 0);
            selectRow(row);
            scrollToItem(item(row, 0));
            return;
        }
    }
}

std::vector<int> CReportList::SelectedData() const {
    std::vector<int> numbers;
    for (int row = 0; row < rowCount(); ++row) {
        if (selectionModel()->isRowSelected(row, QModelIndex())) {
            numbers.push_back(RowData(row));
        }
    }
    return numbers;
}

QStringList CReportList::Headings() const {
    QStringList headings;
    for (int column = 0; column < columnCount(); ++column) {
        const QTableWidgetItem* heading = horizontalHeaderItem(column);
        headings << (heading != nullptr ? heading->text() : QString());
    }
    return headings;
}

std::vector<QStringList> CReportList::Cells() const {
    std::vector<QStringList> cells;
    for (int row = 0; row < rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            texts << (cell != nullptr ? cell->text() : QString());
        }
        cells.push_back(texts);
    }
    return cells;
}

} // namespace tallo
