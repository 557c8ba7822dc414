#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/country/league_data_model.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tallo {

struct CountryEditContext;

// The league data editor of one league: names, size, rounds, the multipliers, the money values
// and the rules of the league's level. OK stores them into the league and the country (what
// was refused is told through the context's prompt); cancel leaves both as they were.
class CDlgLeagueData : public CDialogB {
    Q_OBJECT

public:
    CDlgLeagueData(const CountryEditContext& context, uint32_t leagueNumber,
                   QWidget* parent = nullptr);

    LeagueDataModel& Model() { return model_; }
    // False when the league does not exist.
    bool Filled() const { return filled_; }
    // What the last OK refused or limited.
    const std::vector<std::string>& LastMessages() const { return messages_; }

    QLineEdit& NameEdit() const { return *name_; }
    QLineEdit& ShortNameEdit() const { return *shortName_; }
    QComboBox& SizeList() const { return *size_; }
    QComboBox& RoundsList() const { return *rounds_; }
    QLineEdit& AttendanceEdit() const { return *attendance_; }
    QLineEdit& TransferEdit() const { return *transfer_; }
    QLineEdit& MoneyEdit(int which) const { return *money_[which]; }
    QComboBox& ForeignList() const { return *foreign_; }
    QComboBox& TieBreakList() const { return *tieBreak_; }
    QComboBox& RelegationList() const { return *relegation_; }
    QCheckBox& ReserveTeams() const { return *reserves_; }

public slots:
    void accept() override;

private:
    void BuildLayout();
    void ShowModel();
    void TakeValues();

    const CountryEditContext& context_;
    LeagueDataModel model_;
    bool filled_ = false;
    std::vector<std::string> messages_;
    QLineEdit* name_ = nullptr;
    QLineEdit* shortName_ = nullptr;
    QComboBox* size_ = nullptr;
    QComboBox* rounds_ = nullptr;
    QLineEdit* attendance_ = nullptr;
    QLineEdit* transfer_ = nullptr;
    std::array<QLineEdit*, LeagueDataModel::kMoneyValueCount> money_{};
    QComboBox* foreign_ = nullptr;
    QComboBox* tieBreak_ = nullptr;
    QComboBox* relegation_ = nullptr;
    QCheckBox* reserves_ = nullptr;
};

// Opens the league data editor of a country's league; true when OK stored the values.
bool RunLeagueData(QWidget* owner, const CountryEditContext& context, uint32_t leagueNumber);

} // namespace tallo
