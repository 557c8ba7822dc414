#pragma once

#include <array>

#include "editing/staff/manager_abilities_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QComboBox;
class QLabel;
class QScrollBar;
class QSpinBox;

namespace tallo {

class CMyGroupBox;

// The abilities page of a manager or official: four skill spins, the native and three foreign
// language boxes, and the experience group (shown for managers and chairmen, hidden for a
// president) with the national and international experience bars and their texts.
class CDlgManagerAbilities : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgManagerAbilities(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    ManagerAbilitiesPageModel& Model() { return model_; }
    QSpinBox& SkillSpin(int index) const { return *skills_.at(static_cast<size_t>(index)); }
    QComboBox& LanguageBox(int box) const { return *languages_.at(static_cast<size_t>(box)); }
    CMyGroupBox& ExperienceGroup() const { return *experience_; }
    QScrollBar& NationalBar() const { return *nationalBar_; }
    QScrollBar& InternationalBar() const { return *internationalBar_; }
    QLabel& NationalText() const { return *nationalText_; }
    QLabel& InternationalText() const { return *internationalText_; }

private:
    void ShowValues();
    void ShowExperienceTexts();

    ManagerAbilitiesPageModel model_;
    std::array<QSpinBox*, ManagerAbilitiesPageModel::kSkills> skills_{};
    std::array<QComboBox*, ManagerAbilitiesPageModel::kLanguageBoxes> languages_{};
    CMyGroupBox* experience_ = nullptr;
    QScrollBar* nationalBar_ = nullptr;
    QScrollBar* internationalBar_ = nullptr;
    QLabel* nationalText_ = nullptr;
    QLabel* internationalText_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
