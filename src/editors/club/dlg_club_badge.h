#pragma once

#include "editing/club/badge_page_model.h"
#include "editors/club/club_page_view.h"
#include "editors/framework/dialog_b.h"

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace tallo {

class CDibView;
struct ClubEditContext;

// The badge page of the club editor: the club's badge as a picture with its file name, a
// warning when the badge is not there in every size, a button that opens the badge chooser and
// one that removes the badge.
class CDlgClubBadge : public CDialogB, public ClubPageView {
public:
    CDlgClubBadge(QWidget* parent, const ClubEditContext& context);

    void FillFrom(const CClub& club) override;
    void StoreInto(CClub& club) override;

    // Opens the badge chooser on the current badge; a badge chosen there becomes the club's.
    void ChooseBadge();
    void ClearBadge();

    // Replaces the chooser window (tests): given the current badge, the chosen one or none.
    using Chooser = std::function<std::optional<std::string>(const std::string& current)>;
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    const ClubBadgePageModel& Model() const { return model_; }
    CDibView& Picture() const { return *picture_; }
    QLabel& NameLabel() const { return *name_; }
    QLabel& WarningLabel() const { return *warning_; }
    QPushButton& ChooseButton() const { return *choose_; }
    QPushButton& ClearButton() const { return *clear_; }

private:
    void Show();

    ClubBadgePageModel model_;
    Chooser chooser_;
    CDibView* picture_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* warning_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace tallo
