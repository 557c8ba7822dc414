#include "editors/framework/my_tab_ctrl.h"

#include "editors/framework/dialog_b.h"

namespace tallo {

CMyTabCtrl::CMyTabCtrl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &CMyTabCtrl::OnCurrentChanged);
}

int CMyTabCtrl::AddPage(QWidget* page, const QString& label) {
    if (auto* dialog = qobject_cast<CDialogB*>(page)) {
        dialog->MakeChildPage();
    }
    return addTab(page, label);
}

bool CMyTabCtrl::CanLeaveCurrentPage() {
    const int index = currentIndex();
    return index < 0 || AskLeave(index);
}

int CMyTabCtrl::ShownIndex() const {
    return shownPage_ ? indexOf(shownPage_) : -1;
}

bool CMyTabCtrl::AskLeave(int index) {
    CDialogB* host = EnclosingDialog(*this);
    return host == nullptr || host->CanLeaveTabPage(*this, index);
}

void CMyTabCtrl::OnCurrentChanged(int index) {
    if (restoring_) {
        return;
    }
    const int previous = ShownIndex();
    if (previous >= 0 && previous != index) {
        if (!AskLeave(previous)) {
            // Undo the change: the old tab and its page stay.
            restoring_ = true;
            setCurrentIndex(previous);
            restoring_ = false;
            return;
        }
        if (QWidget* old = widget(previous)) {
            old->setEnabled(false);
        }
    }
    shownPage_ = widget(index);
    if (shownPage_ == nullptr) {
        return;
    }
    shownPage_->setEnabled(true);
    if (CDialogB* host = EnclosingDialog(*this)) {
        host->TabPageShown(*this, index);
    }
    emit pageShown(index);
}

} // namespace tallo
