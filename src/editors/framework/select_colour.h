#pragma once

#include <QColor>
#include <QListWidget>
#include <QStyledItemDelegate>

namespace tallo {

// Draws a row of a colour list: a framed rectangle filled with the row's colour
// (Qt::UserRole), on the highlight colour when the row is selected.
class ColourRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A list of colours to choose from (kit colours, hair and skin colours).
class CSelectColour : public QListWidget {
    Q_OBJECT

public:
    explicit CSelectColour(QWidget* parent = nullptr);

    // Appends a row; `name` is its tooltip and what screen readers say.
    QListWidgetItem* AddColour(const QColor& colour, const QString& name = QString());
    QColor ColourAt(int row) const;
    // The selected row's colour; invalid when none is selected.
    QColor SelectedColour() const;
    // Selects the first row of that colour; false when there is none.
    bool SelectColour(const QColor& colour);
};

} // namespace tallo
