#include "editors/framework/my_list_box.h"

#include <QEvent>
#include <QMouseEvent>

namespace tallo {

CMyListBox::CMyListBox(QWidget* parent)
    : QListWidget(parent), delegate_(new TabColumnsDelegate(this)) {
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The owner decides what a right click shows.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CMyListBox::SetColumns(std::vector<ListColumn> columns) {
    delegate_->SetColumns(std::move(columns));
    viewport()->update();
}

const std::vector<ListColumn>& CMyListBox::Columns() const {
    return delegate_->Columns();
}

QListWidgetItem* CMyListBox::AddRow(const QString& text, const QVariant& data) {
    auto* item = new QListWidgetItem(text, this);
    if (data.isValid()) {
        item->setData(Qt::UserRole, data);
    }
    return item;
}

void CMyListBox::mousePressEvent(QMouseEvent* event) {
    const QPoint inList = viewport()->mapTo(this, event->position().toPoint());
    const QPoint inParent = parentWidget() != nullptr ? mapToParent(inList) : inList;
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit rightClicked(inParent, global);
        return;
    }
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && forwardLeftClicks_) {
        emit leftClicked(inParent, global);
    }
}

void CMyListBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        delegate_->ForgetRowHeight();
        doItemsLayout();
    }
    QListWidget::changeEvent(event);
}

} // namespace tallo
