#pragma once

#include <QTableWidget>

#include <string>
#include <vector>

namespace tallo {

// One column of a report list: its heading, width in pixels (widened to show the heading
// whole) and alignment.
struct ReportColumn {
    QString heading;
    int width = 100;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The report-style list of the assistants: full-row selection, grid lines, one heading per
// column. The rows come sorted from the list's model; a click on a heading only reports the
// column (headingClicked), and the model sorts and gives the rows again. Cells are record
// texts (8-bit, in the database's code page). Each row carries a number (the model's index of
// the row's entry), read back with RowData.
class CReportList : public QTableWidget {
    Q_OBJECT

public:
    explicit CReportList(QWidget* parent = nullptr);

    void SetColumns(const std::vector<ReportColumn>& columns);
    // Replaces every row; `data[i]` is the number of row i (its index when `data` is shorter).
    // The selection stays on the row whose number was selected, when it is still there.
    void SetRows(const std::vector<std::vector<std::string>>& rows,
                 const std::vector<int>& data = {});

    // The number of a row, -1 for none.
    int RowData(int row) const;
    // The number of the current row, -1 when no row is current.
    int CurrentData() const;
    // Makes the row with this number current and selected (nothing when there is none).
    void SelectData(int data);
    // The numbers of the selected rows, top to bottom.
    std::vector<int> SelectedData() const;

    // The list as shown: the headings and every row's cell texts, for saving and printing.
    QStringList Headings() const;
    std::vector<QStringList> Cells() const;

signals:
    void headingClicked(int column);
};

} // namespace tallo
