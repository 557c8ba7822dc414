#pragma once

#include <array>

#include "editing/player/player_positions_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace tallo {

// The positions page: the main position (one of 17 choices) and at most two secondary
// positions (17 check boxes), with the ratings at the three.
class CDlgPlayerPositionEngland : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    explicit CDlgPlayerPositionEngland(QWidget* parent = nullptr);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    PlayerPositionsPageModel& Model() { return model_; }
    // Position 1 to 17.
    QRadioButton& MainButton(int position) const;
    QCheckBox& SecondaryBox(int position) const;
    // The rating labels: 0 main, 1 and 2 the secondary positions.
    QLabel& RatingLabel(int slot) const { return *ratings_[static_cast<size_t>(slot)]; }

private:
    void ShowValues();
    void ShowRatings();

    PlayerPositionsPageModel model_;
    QButtonGroup* mainGroup_;
    std::array<QRadioButton*, CPlayer::kPositionCount> main_{};
    std::array<QCheckBox*, CPlayer::kPositionCount> secondary_{};
    std::array<QLabel*, 3> ratingNames_{};
    std::array<QLabel*, 3> ratings_{};
    bool filling_ = false;
};

} // namespace tallo
