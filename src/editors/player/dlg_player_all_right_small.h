#pragma once

#include <array>

#include "editing/player/player_details_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace tallo {

class CSpinEditCtrl;

// The player details the main page shows for a player: talent, the four position ratings, and
// the positions, shirt number, rating and notes shown.
class CDlgPlayerAllRightSmall : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    explicit CDlgPlayerAllRightSmall(QWidget* parent = nullptr);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    PlayerDetailsPageModel& Model() { return model_; }
    QComboBox& TalentBox() const { return *talent_; }
    CSpinEditCtrl& RatingSpin(int group) const { return *ratings_[static_cast<size_t>(group)]; }

private:
    void ShowValues();
    void ShowDerived();

    PlayerDetailsPageModel model_;
    QComboBox* talent_;
    std::array<CSpinEditCtrl*, CPlayer::kPositionRatingCount> ratings_{};
    QLabel* positions_;
    QLabel* shirt_;
    QLabel* rating_;
    QPlainTextEdit* notes_;
    bool filling_ = false;
};

} // namespace tallo
