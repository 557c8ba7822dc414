#include "editors/framework/list_columns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tallo {

namespace {

// Rows are measured once from this text, in the list's font (high letters and descenders).
const char* const kSampleText = "Ag\xc3\x84y\xd0\x99";
constexpr int kRowPadding = 4;
constexpr int kTextMargin = 3;

} // namespace

QStringList SplitColumns(const QString& row, int columns) {
    if (columns <= 1) {
        QString whole = row;
        whole.replace(QLatin1Char('\t'), QLatin1Char(' '));
        return {whole};
    }
    QStringList parts = row.split(QLatin1Char('\t'));
    if (parts.size() > columns) {
        QStringList rest = parts.mid(columns - 1);
        parts = parts.mid(0, columns - 1);
        parts << rest.join(QLatin1Char(' '));
    }
    return parts;
}

std::vector<QRect> ColumnRects(const std::vector<ListColumn>& columns, const QRect& row) {
    std::vector<QRect> rects;
    rects.reserve(columns.size());
    for (const ListColumn& column : columns) {
        const int left = row.left() + column.left;
        const int right = column.right > column.left ? row.left() + column.right : row.right() + 1;
        rects.emplace_back(QPoint(left, row.top()),
                           QPoint(qMin(right, row.right() + 1) - 1, row.bottom()));
    }
    return rects;
}

TabColumnsDelegate::TabColumnsDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TabColumnsDelegate::SetColumns(std::vector<ListColumn> columns) {
    columns_ = std::move(columns);
}

void TabColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    if (selected) {
        painter->fillRect(option.rect, option.palette.color(group, QPalette::Highlight));
        painter->setPen(option.palette.color(group, QPalette::HighlightedText));
    } else {
        painter->setPen(option.palette.color(group, QPalette::Text));
    }
    painter->setFont(option.font);

    const QString text = index.data(Qt::DisplayRole).toString();
    std::vector<ListColumn> columns = columns_;
    if (columns.empty()) {
        columns.push_back(ListColumn{});
    }
    const QStringList parts = SplitColumns(text, static_cast<int>(columns.size()));
    const std::vector<QRect> rects = ColumnRects(columns, option.rect);
    const QFontMetrics metrics(option.font);
    for (qsizetype i = 0; i < parts.size() && i < static_cast<qsizetype>(rects.size()); ++i) {
        const QRect area = rects[static_cast<size_t>(i)].adjusted(kTextMargin, 0, -kTextMargin, 0);
        if (area.width() <= 0 || parts[i].isEmpty()) {
            continue;
        }
        // Texts never run into the next column; what does not fit ends in an ellipsis.
        const QString shown = metrics.elidedText(parts[i], Qt::ElideRight, area.width());
        const Qt::Alignment horizontal =
            columns[static_cast<size_t>(i)].alignment & Qt::AlignHorizontal_Mask;
        painter->drawText(
            area, static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    }

    if ((option.state & QStyle::State_HasFocus) != 0) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize TabColumnsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& /*index*/) const {
    if (rowHeight_ == 0) {
        const QFontMetrics metrics(option.font);
        rowHeight_ = metrics.boundingRect(QString::fromUtf8(kSampleText)).height() + kRowPadding;
    }
    int width = 0;
    for (const ListColumn& column : columns_) {
        width = qMax(width, qMax(column.left, column.right));
    }
    return QSize(width, rowHeight_);
}

} // namespace tallo
