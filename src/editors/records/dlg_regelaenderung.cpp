#include "editors/records/dlg_regelaenderung.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/records/global_settings_model.h"
#include "editing/session/database_session.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/my_slider_control.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/world.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

bool IsPointsRule(int rule) {
    return rule == GlobalSettingsModel::kPointsForWin ||
           rule == GlobalSettingsModel::kPointsForAwayWin;
}

} // namespace

CDlgRegelaenderung::CDlgRegelaenderung(GlobalSettingsModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    setWindowTitle(Text("rules.title"));
    auto* layout = new QVBoxLayout(this);

    auto* pointsBox = new CMyGroupBox(Text("rules.points"), this);
    auto* points = new QGridLayout(pointsBox);
    points->addWidget(new QLabel(Text("rules.points.win"), pointsBox), 0, 0);
    points->addWidget(MakeRuleBox(GlobalSettingsModel::kPointsForWin, pointsBox), 0, 1);
    points->addWidget(new QLabel(Text("rules.points.away_win"), pointsBox), 1, 0);
    points->addWidget(MakeRuleBox(GlobalSettingsModel::kPointsForAwayWin, pointsBox), 1, 1);
    points->setColumnStretch(1, 1);
    layout->addWidget(pointsBox);

    auto* bonusBox = new CMyGroupBox(Text("rules.bonus"), this);
    auto* bonus = new QGridLayout(bonusBox);
    bonus->addWidget(new QLabel(Text("rules.bonus.champion"), bonusBox), 0, 0);
    bonus->addWidget(MakeRuleBox(GlobalSettingsModel::kBonusAgainstChampion, bonusBox), 0, 1);
    bonus->addWidget(new QLabel(Text("rules.bonus.three_goals"), bonusBox), 1, 0);
    bonus->addWidget(MakeRuleBox(GlobalSettingsModel::kBonusForThreeGoals, bonusBox), 1, 1);
    bonus->setColumnStretch(1, 1);
    layout->addWidget(bonusBox);

    auto* friendlyBox = new CMyGroupBox(Text("rules.friendly"), this);
    auto* friendly = new QHBoxLayout(friendlyBox);
    auto* substitutionsLabel = new QLabel(Text("rules.friendly.substitutions"), friendlyBox);
    substitutions_ = new CMySliderControl(Qt::Horizontal, friendlyBox);
    substitutions_->setRange(0, GlobalSettingsModel::kMaxSubstitutions);
    substitutions_->setPageStep(1);
    substitutions_->setTickPosition(QSlider::TicksBelow);
    substitutions_->setTickInterval(1);
    substitutions_->setMinimumWidth(160);
    substitutions_->setValue(model_.FriendlySubstitutions());
    substitutionsLabel->setBuddy(substitutions_);
    substitutionsText_ = new QLabel(QString::number(model_.FriendlySubstitutions()), friendlyBox);
    substitutionsText_->setMinimumWidth(substitutionsText_->fontMetrics().horizontalAdvance("00"));
    friendly->addWidget(substitutionsLabel);
    friendly->addWidget(substitutions_, 1);
    friendly->addWidget(substitutionsText_);
    layout->addWidget(friendlyBox);
    connect(substitutions_, &QSlider::valueChanged, this, [this](int value) {
        model_.SetFriendlySubstitutions(value);
        substitutionsText_->setText(QString::number(model_.FriendlySubstitutions()));
    });

    auto* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    layout->addWidget(buttons);
}

QComboBox* CDlgRegelaenderung::MakeRuleBox(int rule, QWidget* parent) {
    auto* box = new QComboBox(parent);
    if (IsPointsRule(rule)) {
        box->addItem(Text("rules.points.two"));
        box->addItem(Text("rules.points.three"));
        box->addItem(Text("rules.points.four"));
    } else {
        box->addItem(Text("rules.yes")); // stored 0
        box->addItem(Text("rules.no"));  // stored 1
    }
    const int offered = box->count();
    if (model_.InRange(rule)) {
        box->setCurrentIndex(model_.Value(rule));
    } else {
        box->addItem(ToQString(FormatDialogText("rules.unknown", model_.FilledValue(rule))));
        box->setCurrentIndex(offered);
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, rule, offered](int index) {
        if (index >= offered) {
            model_.KeepFilledValue(rule);
        } else if (index >= 0) {
            model_.SetValue(rule, index);
        }
    });
    rules_[rule] = box;
    return box;
}

bool RunGlobalSettings(QWidget* owner, DatabaseSession& session) {
    GlobalSettingsModel model;
    model.Fill(session.World().Rules());
    CDlgRegelaenderung dialog(model, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return model.ApplyTo(session);
}

} // namespace tallo
