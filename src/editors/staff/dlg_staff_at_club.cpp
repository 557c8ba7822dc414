#include "editors/staff/dlg_staff_at_club.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgStaffAtClub::CDlgStaffAtClub(QWidget* parent, const PersonEditContext&)
    : CDialogB(parent, Kind::ChildPage) {
    setWindowTitle(ToQString(DialogText("staff.level.title")));
    auto* layout = new QGridLayout(this);
    auto* box = new CMyGroupBox(ToQString(StaffLevelPageModel::GroupText()), this);
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int level = 0; level < StaffLevelPageModel::kLevels; ++level) {
        auto* button = new QRadioButton(ToQString(StaffLevelPageModel::LevelText(level)), box);
        column->addWidget(button);
        group_->addButton(button, level);
        buttons_[static_cast<size_t>(level)] = button;
    }
    layout->addWidget(box, 0, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    connect(group_, &QButtonGroup::idClicked, this, [this](int level) {
        model_.SetLevel(level);
        ShowLevel();
    });
    SetPerson(nullptr);
}

void CDlgStaffAtClub::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowLevel();
}

void CDlgStaffAtClub::ShowLevel() {
    const int level = model_.Level();
    // Without a level every button is cleared, which an exclusive group does not allow.
    group_->setExclusive(false);
    for (int i = 0; i < StaffLevelPageModel::kLevels; ++i) {
        buttons_[static_cast<size_t>(i)]->setChecked(i == level);
    }
    group_->setExclusive(true);
}

} // namespace tallo
