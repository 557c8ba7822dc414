#pragma once

#include "editing/staff/manager_preferences_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tallo {

// The preferences page of a manager or official: favourite club, favourite player and the club
// the person never works for, each with its name and a choosing button, and the favourite
// formation. Every choice goes into the person at once.
class CDlgManagerAllRight : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgManagerAllRight(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    ManagerPreferencesPageModel& Model() { return model_; }
    QLabel& FavouriteClubLabel() const { return *favouriteClub_; }
    QLabel& FavouritePlayerLabel() const { return *favouritePlayer_; }
    QLabel& NeverClubLabel() const { return *neverClub_; }
    QPushButton& FavouriteClubButton() const { return *favouriteClubButton_; }
    QPushButton& FavouritePlayerButton() const { return *favouritePlayerButton_; }
    QPushButton& NeverClubButton() const { return *neverClubButton_; }
    QComboBox& FormationBox() const { return *formation_; }

private:
    void ShowNames();

    ManagerPreferencesPageModel model_;
    QLabel* favouriteClub_ = nullptr;
    QLabel* favouritePlayer_ = nullptr;
    QLabel* neverClub_ = nullptr;
    QPushButton* favouriteClubButton_ = nullptr;
    QPushButton* favouritePlayerButton_ = nullptr;
    QPushButton* neverClubButton_ = nullptr;
    QComboBox* formation_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
