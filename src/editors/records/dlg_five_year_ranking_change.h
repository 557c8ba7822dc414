#pragma once

#include <array>

#include "editing/records/five_year_ranking_change_model.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;

namespace tallo {

class CSpinEditCtrl;

// The five-year ranking change editor: the six yearly values of one country as decimal fields
// with spin arrows (two places, steps of 1.00, 0.00 to 655.35) and the points for the first
// season, shown and kept up to date. OK writes the values into the country, including it in
// the open change first; cancel leaves it as it was.
class CDlgFiveYearRankingChange : public CDialogB {
    Q_OBJECT

public:
    CDlgFiveYearRankingChange(QWidget* parent, CCountry& country, int languageSlot,
                              ChangeJournal::OpenChange& change);

    FiveYearRankingChangeModel& Model() { return model_; }
    CSpinEditCtrl& YearField(int year) const { return *years_[static_cast<size_t>(year)]; }
    QLabel& PointsText() const { return *points_; }
    QPushButton& OkButton() const { return *ok_; }

public slots:
    void accept() override;

private:
    // The field's text to the model; `settle` also shows the value as the model took it.
    void ReadYear(int year, bool settle);
    void ShowPoints();

    CCountry& country_;
    ChangeJournal::OpenChange& change_;
    FiveYearRankingChangeModel model_;
    std::array<CSpinEditCtrl*, FiveYearRankingChangeModel::kYears> years_{};
    QLabel* points_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Opens the change editor on a country; true when OK changed its values.
bool RunFiveYearRankingChange(QWidget* owner, CCountry& country, int languageSlot,
                              ChangeJournal::OpenChange& change);

} // namespace tallo
