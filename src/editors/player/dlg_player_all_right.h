#pragma once

#include <array>
#include <map>

#include "editing/player/person_main_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace tallo {

class CDlgPlayerAllRightSmall;
class CShowBitmap;
class CSpinEditCtrl;

// The main page of a person: names, nationalities, the foreign-player exemption, the photo,
// the birth date with the age, and below them the sub-page of the person's role group (the
// player details for players; the pages the editor registers for the other groups).
class CDlgPlayerAllRight : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgPlayerAllRight(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    // The sub-page shown for persons of a role group; the page becomes a child of this page.
    // The player group has the page's own player details until another is set.
    void SetRoleSubPage(PersonRoleGroup group, CDialogB* page, PersonPageView* view);
    // The sub-page shown now (null when its group has none).
    CDialogB* CurrentRoleSubPage() const;

    PersonMainPageModel& Model() { return model_; }
    CDlgPlayerAllRightSmall& DetailsPage() const { return *details_; }
    QLineEdit& NameEdit(PersonMainPageModel::Name name) const { return *names_[name]; }
    QComboBox& NationalityBox() const { return *nationality_; }
    QComboBox& SecondNationalityBox() const { return *secondNationality_; }
    QCheckBox& ExemptionBox() const { return *exemption_; }
    CSpinEditCtrl& DaySpin() const { return *day_; }
    CSpinEditCtrl& MonthSpin() const { return *month_; }
    CSpinEditCtrl& YearSpin() const { return *year_; }
    QLabel& AgeLabel() const { return *age_; }
    QLabel& PhotoLabel() const { return *photoText_; }
    QPushButton& ChoosePhotoButton() const { return *choosePhoto_; }
    QPushButton& ClearPhotoButton() const { return *clearPhoto_; }

private:
    struct SubPage {
        CDialogB* page = nullptr;
        PersonPageView* view = nullptr;
    };

    void ShowValues();
    void ShowBirthDate();
    void ShowPhoto();
    void ShowRoleSubPage(CPlayer* person);
    void OnDateEdited();

    PersonMainPageModel model_;
    std::array<QLineEdit*, PersonMainPageModel::kNameCount> names_{};
    QComboBox* nationality_;
    QComboBox* secondNationality_;
    QCheckBox* exemption_;
    CShowBitmap* photo_;
    QLabel* photoText_;
    QPushButton* choosePhoto_;
    QPushButton* clearPhoto_;
    CSpinEditCtrl* day_;
    CSpinEditCtrl* month_;
    CSpinEditCtrl* year_;
    QLabel* age_;
    QStackedWidget* roleArea_;
    QWidget* noSubPage_;
    CDlgPlayerAllRightSmall* details_;
    std::map<PersonRoleGroup, SubPage> subPages_;
    PersonPageView* shownView_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
