#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace tallo {

// Draws a row of the database list: the icon (greyed when the row is marked, Qt::UserRole + 1)
// and the text beside it. Rows are as high as the larger of text and icon, plus 4.
class DatabaseRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The list of databases of the open and save dialogs: one row per database folder, each with
// the database icon.
class CSelectDatabase : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kMarkedRole = Qt::UserRole + 1;

    explicit CSelectDatabase(QWidget* parent = nullptr);

    // Appends a row; `data` is kept as its item data (Qt::UserRole). A marked row shows its icon
    // greyed (a database that cannot be chosen here).
    QListWidgetItem* AddDatabase(const QString& text, const QVariant& data = QVariant(),
                                 bool marked = false);
    // The icon of every row (the database icon unless set otherwise).
    void SetIcon(const QPixmap& icon);
    const QPixmap& Icon() const { return icon_; }

private:
    QPixmap icon_;
};

} // namespace tallo
