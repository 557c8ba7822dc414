#pragma once

#include <QRect>
#include <QStringList>
#include <QStyledItemDelegate>

#include <vector>

namespace tallo {

// One column of a list whose rows are texts separated by tab characters.
struct ListColumn {
    int left = 0;   // left edge in pixels from the row's left edge
    int right = -1; // right edge; at or left of `left` means up to the row's right edge
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The texts of a row for `columns` columns: split at the tab characters; a row with fewer tabs
// fills only the columns it has (the rest stay empty); the last column takes whatever follows
// its tab, further tabs shown as blanks. With no columns the whole row is one text.
QStringList SplitColumns(const QString& row, int columns);

// The rectangles of the columns inside `row` (same order as `columns`).
std::vector<QRect> ColumnRects(const std::vector<ListColumn>& columns, const QRect& row);

// Draws list rows as tab-separated columns. Selected rows take the highlight colours, others
// the text colour; the focused row gets a focus frame. The row height is measured once from a
// sample text in the list's font and kept until the font changes.
class TabColumnsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TabColumnsDelegate(QObject* parent = nullptr);

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const { return columns_; }
    // Forget the measured row height (the font changed).
    void ForgetRowHeight() { rowHeight_ = 0; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::vector<ListColumn> columns_;
    mutable int rowHeight_ = 0;
};

} // namespace tallo
