#pragma once

#include "editing/club/badge_chooser_model.h"
#include "editors/framework/dialog_b.h"

#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallo {

class CDibView;
struct ClubEditContext;

// The badge chooser: the badge groups (one per country) in a combo box, the badges of the
// selected group in a list, the selected badge's picture and name. OK hands back the selected
// badge's name (ChosenName) when it fits the club's badge field.
class CDlgClubBadgeManage : public CDialogB {
public:
    // Opens on the club's current badge (regardless of case) or else on the first badge.
    CDlgClubBadgeManage(QWidget* parent, const ClubEditContext& context,
                        std::string_view currentBadge);

    const std::string& ChosenName() const { return chosen_; }
    BadgeChooserModel& Model() { return model_; }

    QComboBox& GroupBox() const { return *groups_; }
    QListWidget& BadgeList() const { return *badges_; }
    CDibView& Preview() const { return *preview_; }
    QLineEdit& NameField() const { return *name_; }

public slots:
    void accept() override;

private:
    void FillGroups();
    void FillBadges();
    void ShowSelected();

    BadgeChooserModel model_;
    std::string chosen_;
    QComboBox* groups_ = nullptr;
    QListWidget* badges_ = nullptr;
    CDibView* preview_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
