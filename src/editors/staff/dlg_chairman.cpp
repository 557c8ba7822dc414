#include "editors/staff/dlg_chairman.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgChairman::CDlgChairman(QWidget* parent, const PersonEditContext&)
    : CDialogB(parent, Kind::ChildPage) {
    setWindowTitle(ToQString(DialogText("staff.chairman.title")));
    auto* layout = new QGridLayout(this);
    auto* box = new CMyGroupBox(ToQString(DialogText("staff.chairman.stability")), this);
    auto* grid = new QGridLayout(box);
    bar_ = new QScrollBar(Qt::Vertical, box);
    bar_->setRange(0, ChairmanPageModel::kMaxStability);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    bar_->setMinimumHeight(110);
    grid->addWidget(bar_, 0, 0);
    text_ = new QLabel(box);
    text_->setMinimumWidth(220);
    grid->addWidget(text_, 0, 1);
    layout->addWidget(box, 0, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetStability(value);
            text_->setText(ToQString(model_.StabilityText()));
        }
    });
    SetPerson(nullptr);
}

void CDlgChairman::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    filling_ = true;
    bar_->setValue(model_.Stability());
    filling_ = false;
    text_->setText(ToQString(model_.StabilityText()));
}

} // namespace tallo
