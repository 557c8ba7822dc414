#pragma once

#include <array>

#include "editing/staff/staff_level_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QButtonGroup;
class QRadioButton;

namespace tallo {

struct PersonEditContext;

// The staff level page: the group "Специальный атрибут" with a radio button per level; a click
// writes the level into the person at once.
class CDlgStaffAtClub : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgStaffAtClub(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override {}

    StaffLevelPageModel& Model() { return model_; }
    QRadioButton& LevelButton(int level) const { return *buttons_.at(static_cast<size_t>(level)); }

private:
    void ShowLevel();

    StaffLevelPageModel model_;
    QButtonGroup* group_ = nullptr;
    std::array<QRadioButton*, StaffLevelPageModel::kLevels> buttons_{};
};

} // namespace tallo
