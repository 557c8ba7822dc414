#include "editors/framework/select_colour.h"

#include <QPainter>

namespace tallo {

namespace {

constexpr int kRowHeight = 18;
constexpr int kSwatchMargin = 3;

} // namespace

void ColourRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    if (selected) {
        painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
    }
    const QColor colour = index.data(Qt::UserRole).value<QColor>();
    const QRect swatch =
        option.rect.adjusted(kSwatchMargin, kSwatchMargin, -kSwatchMargin - 1, -kSwatchMargin - 1);
    painter->fillRect(swatch, colour.isValid() ? colour : QColor(Qt::transparent));
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : option.palette.color(QPalette::Text));
    painter->drawRect(swatch);
    painter->restore();
}

QSize ColourRowDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                  const QModelIndex& /*index*/) const {
    return QSize(40, kRowHeight);
}

CSelectColour::CSelectColour(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new ColourRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

QListWidgetItem* CSelectColour::AddColour(const QColor& colour, const QString& name) {
    auto* item = new QListWidgetItem(this);
    item->setData(Qt::UserRole, colour);
    if (!name.isEmpty()) {
        item->setToolTip(name);
        item->setData(Qt::AccessibleTextRole, name);
    }
    return item;
}

QColor CSelectColour::ColourAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry != nullptr ? entry->data(Qt::UserRole).value<QColor>() : QColor();
}

QColor CSelectColour::SelectedColour() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QColor() : chosen.first()->data(Qt::UserRole).value<QColor>();
}

bool CSelectColour::SelectColour(const QColor& colour) {
    for (int row = 0; row < count(); ++row) {
        if (ColourAt(row) == colour) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

} // namespace tallo
