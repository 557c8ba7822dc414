#pragma once

#include <array>

#include "editing/player/player_abilities_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace tallo {

class CSpinEditCtrl;

// The abilities page: 16 abilities and tactical education as spin edits, preferred foot and the
// two experiences as scroll bars with the name of their value, three language boxes, and the
// ratings at the player's positions and his special ability worked out as the values change.
class CDlgPlayerAbilities : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    enum Bar { kFootBar, kLeagueBar, kInternationalBar, kBarCount };

    explicit CDlgPlayerAbilities(QWidget* parent = nullptr);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    PlayerAbilitiesPageModel& Model() { return model_; }
    CSpinEditCtrl& AbilitySpin(int index) const {
        return *abilities_.at(static_cast<size_t>(index));
    }
    CSpinEditCtrl& TacticalEducationSpin() const { return *tactical_; }
    QScrollBar& ScrollBar(Bar bar) const { return *bars_[bar]; }
    QLabel& BarText(Bar bar) const { return *barTexts_[bar]; }
    QComboBox& LanguageBox(int box) const { return *languages_.at(static_cast<size_t>(box)); }
    // 0 to 2: the position's name and rating labels.
    QLabel& RatingLabel(int slot) const { return *ratings_.at(static_cast<size_t>(slot)); }
    QLabel& SpecialAbilityLabel() const { return *special_; }
    QLabel& SpecialBonusLabel() const { return *specialBonus_; }

private:
    void ShowValues();
    void ShowDerived();

    PlayerAbilitiesPageModel model_;
    std::array<CSpinEditCtrl*, CPlayer::kAbilityCount> abilities_{};
    CSpinEditCtrl* tactical_;
    std::array<QScrollBar*, kBarCount> bars_{};
    std::array<QLabel*, kBarCount> barTexts_{};
    std::array<QComboBox*, PlayerAbilitiesPageModel::kLanguageBoxes> languages_{};
    std::array<QLabel*, 3> positionNames_{};
    std::array<QLabel*, 3> ratings_{};
    QLabel* special_;
    QLabel* specialBonus_;
    bool filling_ = false;
};

} // namespace tallo
