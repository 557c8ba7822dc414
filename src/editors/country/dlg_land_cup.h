#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/country/country_edit_context.h"
#include "editing/country/cup_page_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tallo {

class CCountry;

// The cup and discipline page of the country settings editor: the three cups with format,
// names and round bonuses, yellow cards, bans, cup entrants, winter break.
class CDlgLandCup : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandCup(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    CupPageModel& Model() { return model_; }
    // What the last StoreCountry refused, as the messages shown.
    const std::vector<std::string>& LastRefusals() const { return refusals_; }

    QComboBox& ModeCombo(CupPageModel::Cup cup) const { return *modes_[cup]; }
    QLineEdit& NameEdit(CupPageModel::Cup cup) const { return *names_[cup]; }
    QLineEdit& ConsoleNameEdit(CupPageModel::Cup cup) const { return *consoleNames_[cup]; }
    QComboBox& BonusCupCombo() const { return *bonusCup_; }
    QLineEdit& BonusEdit(int round) const { return *bonuses_[round]; }
    QComboBox& LeagueCardsCombo() const { return *leagueCards_; }
    QComboBox& CupCardsCombo() const { return *cupCards_; }
    QCheckBox& LeagueYellowAfterRedBox() const { return *leagueYellowAfterRed_; }
    QCheckBox& CupYellowAfterRedBox() const { return *cupYellowAfterRed_; }
    QComboBox& BanStartCombo() const { return *banStart_; }
    QCheckBox& BanScopeBox(int scope) const { return *banScopes_[scope]; }
    QRadioButton& FixedBanButton() const { return *fixedBan_; }
    QRadioButton& VariableBanButton() const { return *variableBan_; }
    QCheckBox& EntryLevelBox(int level) const { return *entryLevels_[level]; }
    QCheckBox& LowerLeagueAtHomeBox() const { return *lowerLeagueAtHome_; }
    QCheckBox& OneClubBox() const { return *oneClub_; }
    QCheckBox& WinterBreakBox() const { return *winterBreak_; }
    QCheckBox& IndoorBox() const { return *indoor_; }

private:
    CCountry* Country() const;
    void BuildLayout();
    QWidget* BuildCupsGroup();
    QWidget* BuildBonusGroup();
    QWidget* BuildCardsGroup();
    QWidget* BuildBansGroup();
    QWidget* BuildEntryGroup();
    QWidget* BuildSeasonGroup();
    // Controls to model (the bonus edits for the cup they show).
    void ReadControls();
    void ReadBonuses();
    void ShowBonuses();
    // Enables what the chosen formats and the winter break allow.
    void UpdateEnabled();

    CountryEditContext context_;
    CupPageModel model_;
    std::vector<std::string> refusals_;
    bool filling_ = false;
    std::array<QComboBox*, CupPageModel::kCupCount> modes_{};
    std::array<QLineEdit*, CupPageModel::kCupCount> names_{};
    std::array<QLineEdit*, CupPageModel::kCupCount> consoleNames_{};
    QComboBox* bonusCup_ = nullptr;
    std::array<QLineEdit*, CupPageModel::kBonusRounds> bonuses_{};
    QComboBox* leagueCards_ = nullptr;
    QComboBox* cupCards_ = nullptr;
    QCheckBox* leagueYellowAfterRed_ = nullptr;
    QCheckBox* cupYellowAfterRed_ = nullptr;
    QComboBox* banStart_ = nullptr;
    std::array<QCheckBox*, CupPageModel::kBanScopes> banScopes_{};
    QRadioButton* fixedBan_ = nullptr;
    QRadioButton* variableBan_ = nullptr;
    std::array<QCheckBox*, CupPageModel::kLeagueLevels> entryLevels_{};
    QCheckBox* lowerLeagueAtHome_ = nullptr;
    QCheckBox* oneClub_ = nullptr;
    QCheckBox* winterBreak_ = nullptr;
    QCheckBox* indoor_ = nullptr;
};

} // namespace tallo
