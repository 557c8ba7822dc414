#pragma once

#include <array>

#include "editing/player/player_history_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"
#include "formats/dialog_text.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tallo {

// The history page: the five club references with their choosing buttons, the year joined and
// the contract, the national team values and the favourite country.
class CDlgPlayerHist : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgPlayerHist(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    // The three spins of a contract date.
    struct DateSpins {
        QSpinBox* day = nullptr;
        QSpinBox* month = nullptr;
        QSpinBox* year = nullptr;
    };

    PlayerHistoryPageModel& Model() { return model_; }
    QLabel& ClubLabel(PlayerHistoryPageModel::ClubSlot slot) const { return *clubNames_[slot]; }
    QPushButton& ChooseButton(PlayerHistoryPageModel::ClubSlot slot) const {
        return *chooseButtons_[slot];
    }
    QPushButton& ClearButton(PlayerHistoryPageModel::ClubSlot slot) const {
        return *clearButtons_[slot];
    }
    QSpinBox& YearJoinedSpin() const { return *yearJoined_; }
    QSpinBox& ContractEndSpin() const { return *contractEnd_; }
    QSpinBox& CapsSpin() const { return *caps_; }
    QSpinBox& GoalsSpin() const { return *goals_; }
    QCheckBox& InNationalTeamCheck() const { return *inNational_; }
    QCheckBox& RefusesNationalTeamCheck() const { return *refuses_; }
    QComboBox& StartStateBox() const { return *startState_; }
    const DateSpins& ContractStartSpins() const { return startDate_; }
    const DateSpins& ContractEndDateSpins() const { return endDate_; }
    QComboBox& FavouriteCountryBox() const { return *favouriteCountry_; }

private:
    QSpinBox* AddSpin(QGridLayout& grid, int row, DialogTextKey label, int minimum, int maximum,
                      QWidget* parent);
    DateSpins AddDate(QGridLayout& grid, int row, DialogTextKey label, QWidget* parent,
                      ContractDateFields PlayerHistoryPageModel::*fields);
    void ShowDate(const DateSpins& spins, const ContractDateFields& fields);
    void ShowValues();
    void ShowClubNames();

    PlayerHistoryPageModel model_;
    std::array<QLabel*, PlayerHistoryPageModel::kClubSlots> clubNames_{};
    std::array<QPushButton*, PlayerHistoryPageModel::kClubSlots> chooseButtons_{};
    std::array<QPushButton*, PlayerHistoryPageModel::kClubSlots> clearButtons_{};
    QSpinBox* yearJoined_ = nullptr;
    QSpinBox* contractEnd_ = nullptr;
    QSpinBox* caps_ = nullptr;
    QSpinBox* goals_ = nullptr;
    QCheckBox* inNational_ = nullptr;
    QCheckBox* refuses_ = nullptr;
    QComboBox* startState_ = nullptr;
    DateSpins startDate_;
    DateSpins endDate_;
    QComboBox* favouriteCountry_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
