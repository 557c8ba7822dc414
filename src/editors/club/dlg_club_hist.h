#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/club/club_history_page_model.h"
#include "editors/club/club_page_view.h"
#include "editors/framework/dialog_b.h"

class QLineEdit;

namespace tallo {

struct ClubEditContext;

// The history page of the club editor: first-league statistics, the eight title lists and the
// five record results.
class CDlgClubHist : public CDialogB, public ClubPageView {
    Q_OBJECT

public:
    explicit CDlgClubHist(const ClubEditContext& context, QWidget* parent = nullptr);

    void FillFrom(const CClub& club) override;
    void StoreInto(CClub& club) override;
    const std::vector<std::string>& LastRefusals() const { return refusals_; }

    ClubHistoryPageModel& Model() { return model_; }
    QLineEdit& StatisticEdit(int which) const { return *statistics_[which]; }
    QLineEdit& TitleEdit(int which) const { return *titles_[which]; }
    // The result (the spectators for the attendance record), opponent and season edits.
    QLineEdit& RecordResultEdit(int which) const { return *records_[which][0]; }
    QLineEdit& RecordOpponentEdit(int which) const { return *records_[which][1]; }
    QLineEdit& RecordSeasonEdit(int which) const { return *records_[which][2]; }

private:
    void BuildLayout();

    ClubHistoryPageModel model_;
    std::vector<std::string> refusals_;
    std::array<QLineEdit*, 5> statistics_{};
    std::array<QLineEdit*, 8> titles_{};
    std::array<std::array<QLineEdit*, 3>, ClubHistoryPageModel::kRecordCount> records_{};
};

} // namespace tallo
