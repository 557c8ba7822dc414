#include "editors/framework/select_database.h"

#include <QIcon>
#include <QPainter>

#include "editors/framework/skin.h"

namespace tallo {

namespace {

constexpr int kRowPadding = 4;
constexpr int kIconGap = 6;

QPixmap RowIcon(const QStyleOptionViewItem& option) {
    if (const auto* list = qobject_cast<const CSelectDatabase*>(option.widget)) {
        return list->Icon();
    }
    return Skin::DatabaseIcon();
}

} // namespace

void DatabaseRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    if (selected) {
        painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
    }
    const QPixmap icon = RowIcon(option);
    const bool marked = index.data(CSelectDatabase::kMarkedRole).toBool();
    const QRect iconRect(option.rect.left() + kRowPadding / 2,
                         option.rect.top() + (option.rect.height() - icon.height()) / 2,
                         icon.width(), icon.height());
    if (!icon.isNull()) {
        const QIcon::Mode mode = marked ? QIcon::Disabled : QIcon::Normal;
        painter->drawPixmap(iconRect, QIcon(icon).pixmap(icon.size(), 1.0, mode));
    }
    const QRect textRect =
        option.rect.adjusted(iconRect.width() + kRowPadding / 2 + kIconGap, 0, -kRowPadding, 0);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(marked ? QPalette::Disabled : QPalette::Normal,
                                         selected ? QPalette::HighlightedText : QPalette::Text));
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

QSize DatabaseRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QPixmap icon = RowIcon(option);
    const int textWidth =
        option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    const int height = qMax(option.fontMetrics.height(), icon.height()) + kRowPadding;
    return QSize(icon.width() + kIconGap + textWidth + kRowPadding * 2, height);
}

CSelectDatabase::CSelectDatabase(QWidget* parent)
    : QListWidget(parent), icon_(Skin::DatabaseIcon()) {
    setItemDelegate(new DatabaseRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QListWidgetItem* CSelectDatabase::AddDatabase(const QString& text, const QVariant& data,
                                              bool marked) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(Qt::UserRole, data);
    item->setData(kMarkedRole, marked);
    return item;
}

void CSelectDatabase::SetIcon(const QPixmap& icon) {
    icon_ = icon;
    doItemsLayout();
}

} // namespace tallo
