#pragma once

#include <array>

#include "editing/country/national_coach_page_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QSpinBox;

namespace tallo {

class CSpinEditCtrl;

// The national coach page of the country settings editor: names, nationality, birth date
// with the age, four skills, four languages and the two experience bars with their texts.
class CDlgLandNationalcoach : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandNationalcoach(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    NationalCoachPageModel& Model() { return model_; }
    QLineEdit& NameEdit(NationalCoachPageModel::Name name) const {
        return *names_.at(static_cast<size_t>(name));
    }
    QComboBox& NationalityBox() const { return *nationality_; }
    CSpinEditCtrl& DaySpin() const { return *day_; }
    CSpinEditCtrl& MonthSpin() const { return *month_; }
    CSpinEditCtrl& YearSpin() const { return *year_; }
    QLabel& AgeText() const { return *age_; }
    QSpinBox& SkillSpin(int index) const { return *skills_.at(static_cast<size_t>(index)); }
    QComboBox& LanguageBox(int box) const { return *languages_.at(static_cast<size_t>(box)); }
    QScrollBar& NationalBar() const { return *nationalBar_; }
    QScrollBar& InternationalBar() const { return *internationalBar_; }
    QLabel& NationalText() const { return *nationalText_; }
    QLabel& InternationalText() const { return *internationalText_; }

private:
    void ShowValues();
    void ShowBirthDate();
    void ShowExperienceTexts();
    // Takes a day, month or year typed or stepped: the day is brought into the month again.
    void OnDateEdited();

    NationalCoachPageModel model_;
    std::array<QLineEdit*, NationalCoachPageModel::kNameCount> names_{};
    QComboBox* nationality_ = nullptr;
    CSpinEditCtrl* day_ = nullptr;
    CSpinEditCtrl* month_ = nullptr;
    CSpinEditCtrl* year_ = nullptr;
    QLabel* age_ = nullptr;
    std::array<QSpinBox*, NationalCoachPageModel::kSkills> skills_{};
    std::array<QComboBox*, NationalCoachPageModel::kLanguageBoxes> languages_{};
    QScrollBar* nationalBar_ = nullptr;
    QScrollBar* internationalBar_ = nullptr;
    QLabel* nationalText_ = nullptr;
    QLabel* internationalText_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
