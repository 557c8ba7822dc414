#pragma once

#include <array>

#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tallo {

class CMySliderControl;
class DatabaseSession;
class GlobalSettingsModel;

// The global settings: the points for a win and for an away win (two, three or four), the two
// bonus rules (yes or no) and the substitutions allowed in friendly matches on a slider from
// 0 to 7 with the number beside it. The widgets set the model at once; the caller stores it
// when the dialog is accepted.
class CDlgRegelaenderung : public CDialogB {
    Q_OBJECT

public:
    CDlgRegelaenderung(GlobalSettingsModel& model, QWidget* parent = nullptr);

    // The choice of a rule (GlobalSettingsModel::Rule). A number outside the offered ones,
    // read from a file, is shown as an extra last entry.
    QComboBox& RuleBox(int rule) const { return *rules_[rule]; }
    CMySliderControl& SubstitutionsSlider() const { return *substitutions_; }
    QLabel& SubstitutionsText() const { return *substitutionsText_; }
    QPushButton& OkButton() const { return *ok_; }

private:
    QComboBox* MakeRuleBox(int rule, QWidget* parent);

    GlobalSettingsModel& model_;
    std::array<QComboBox*, 4> rules_{};
    CMySliderControl* substitutions_ = nullptr;
    QLabel* substitutionsText_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The main window's command 1801: the global settings of the session's database, stored on OK
// as one change of its journal ("rules.change"); nothing is recorded when nothing changed.
// True when the database changed.
bool RunGlobalSettings(QWidget* owner, DatabaseSession& session);

} // namespace tallo
