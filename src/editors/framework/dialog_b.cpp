#include "editors/framework/dialog_b.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>

#include "editors/framework/context_menu.h"
#include "editors/framework/skin.h"
#include "editors/framework/text_drag_image.h"

namespace tallo {

CDialogB::CDialogB(QWidget* parent, Kind kind) : QDialog(parent) {
    setFont(Skin::Font());
    if (kind == Kind::ChildPage) {
        MakeChildPage();
    }
}

CDialogB::~CDialogB() = default;

void CDialogB::MakeChildPage() {
    setWindowFlags(Qt::Widget);
}

void CDialogB::SetBackgroundRoot(bool root) {
    Skin::SetBackgroundRoot(*this, root);
    update();
}

bool CDialogB::IsBackgroundRoot() const {
    return Skin::IsBackgroundRoot(*this);
}

void CDialogB::DisableDialog() {
    setEnabled(false);
}

void CDialogB::EnableDialog() {
    setEnabled(true);
}

bool CDialogB::CanLeaveTabPage(CMyTabCtrl& /*tabs*/, int /*index*/) {
    return true;
}

void CDialogB::TabPageShown(CMyTabCtrl& /*tabs*/, int /*index*/) {}

bool CDialogB::ShowContextMenu(QAbstractItemView& list, std::unique_ptr<QMenu> menu,
                               const QPoint& globalPos) {
    if (!SelectRowForContextMenu(list, globalPos)) {
        return false;
    }
    if (!menu || menu->isEmpty()) {
        return false;
    }
    if (contextMenu_) {
        contextMenu_->close();
    }
    contextMenu_ = std::move(menu);
    contextMenu_->popup(globalPos);
    return true;
}

QPixmap CDialogB::CreateTextDragImage(const QString& text) const {
    return tallo::CreateTextDragImage(text, font(), palette().color(QPalette::WindowText));
}

void CDialogB::accept() {
    if (!IsChildPage()) {
        QDialog::accept();
    }
}

void CDialogB::reject() {
    if (!IsChildPage()) {
        QDialog::reject();
    }
}

void CDialogB::done(int result) {
    if (!IsChildPage()) {
        QDialog::done(result);
    }
}

void CDialogB::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Skin::Paint(*this, painter, event->rect());
}

void CDialogB::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsChildPage() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        // Taken here, so that the dialog around the page does not close either.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

CDialogB* EnclosingDialog(const QWidget& widget) {
    for (QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* dialog = qobject_cast<CDialogB*>(parent)) {
            return dialog;
        }
    }
    return nullptr;
}

} // namespace tallo
