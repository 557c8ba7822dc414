#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/club/club_page_model.h"
#include "editors/club/club_page_view.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tallo {

class CMySpin;
class CSpinEditCtrl;
struct ClubEditContext;

// The club page of the club editor: names with their article buttons, contacts, fans,
// friendly club and rivals, attendance, finances, foundation year, prestige, penalty points,
// and the first team's and reserves' player counts and ratings.
class CDlgClub : public CDialogB, public ClubPageView {
    Q_OBJECT

public:
    CDlgClub(const ClubEditContext& context, QWidget* parent = nullptr);

    void FillFrom(const CClub& club) override;
    void StoreInto(CClub& club) override;
    // What the last StoreInto refused (messages), empty when all was stored.
    const std::vector<std::string>& LastRefusals() const { return refusals_; }

    ClubPageModel& Model() { return model_; }
    QLineEdit& TextEdit(ClubPageModel::Text text) const;
    QPlainTextEdit& FanSitesEdit() const { return *fanSites_; }
    QPushButton& ArticleButton(ClubPageModel::ArticleButton button) const {
        return *articleButtons_[button];
    }
    QLineEdit& AttendanceEdit(int which) const { return *attendance_[which]; }
    QComboBox& FriendlyClubBox() const { return *friendly_; }
    QComboBox& RivalBox(int which) const { return *rivals_[which]; }
    CMySpin& CapitalSpin() const { return *capitalSpin_; }
    QLabel& CapitalLabel() const { return *capitalLabel_; }
    CSpinEditCtrl& FoundationYear() const { return *foundation_; }
    QScrollBar& PrestigeBar() const { return *prestige_; }
    QRadioButton& PenaltyButton(int index) const { return *penalty_[index]; }
    QLabel& SquadLabel(int team) const { return *squad_[team]; }

private:
    void BuildLayout();
    void ShowCapital();
    void ShowArticles();

    const ClubEditContext& context_;
    ClubPageModel model_;
    std::vector<std::string> refusals_;
    std::array<QLineEdit*, ClubPageModel::kTextCount> texts_{};
    QPlainTextEdit* fanSites_ = nullptr;
    std::array<QPushButton*, ClubPageModel::kArticleButtonCount> articleButtons_{};
    std::array<QLineEdit*, 3> attendance_{};
    QComboBox* friendly_ = nullptr;
    std::array<QComboBox*, 2> rivals_{};
    QCheckBox* stockCompany_ = nullptr;
    CMySpin* capitalSpin_ = nullptr;
    QLabel* capitalLabel_ = nullptr;
    CSpinEditCtrl* foundation_ = nullptr;
    QScrollBar* prestige_ = nullptr;
    QLabel* prestigeLabel_ = nullptr;
    std::array<QRadioButton*, 3> penalty_{};
    std::array<QLabel*, 2> squad_{};
};

} // namespace tallo
