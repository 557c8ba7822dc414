#include "editors/country/dlg_league_data.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "editing/country/country_edit_context.h"
#include "editing/country/league_formats.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "platform/prompt.h"

namespace tallo {

namespace {

QString Text(const std::string& text) {
    return ToQString(text);
}

} // namespace

CDlgLeagueData::CDlgLeagueData(const CountryEditContext& context, uint32_t leagueNumber,
                               QWidget* parent)
    : CDialogB(parent), context_(context), model_(context, leagueNumber) {
    BuildLayout();
    filled_ = model_.Fill();
    ShowModel();
}

void CDlgLeagueData::BuildLayout() {
    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(LeagueDataModel::kNameLength));
    name_->setMinimumWidth(240);
    shortName_ = new QLineEdit(this);
    shortName_->setMaxLength(static_cast<int>(LeagueDataModel::kShortNameLength));
    size_ = new QComboBox(this);
    rounds_ = new QComboBox(this);
    for (int rounds = 2; rounds <= 4; ++rounds) {
        rounds_->addItem(QString::number(rounds), rounds);
    }
    // Digits with a comma or point and two decimals.
    const QRegularExpression multiplier(QStringLiteral("[0-9]{0,3}([.,][0-9]{0,2})?"));
    attendance_ = new QLineEdit(this);
    attendance_->setValidator(new QRegularExpressionValidator(multiplier, attendance_));
    transfer_ = new QLineEdit(this);
    transfer_->setValidator(new QRegularExpressionValidator(multiplier, transfer_));
    const QRegularExpression digits(
        QStringLiteral("[0-9]{0,%1}").arg(LeagueDataModel::kValueDigits));
    for (QLineEdit*& edit : money_) {
        edit = new QLineEdit(this);
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
        edit->setMaxLength(static_cast<int>(LeagueDataModel::kValueDigits));
    }
    foreign_ = new QComboBox(this);
    for (int rule = 0; rule < LeagueDataModel::kForeignRuleCount; ++rule) {
        foreign_->addItem(Text(LeagueDataModel::ForeignRuleLabel(rule)));
    }
    tieBreak_ = new QComboBox(this);
    for (int order = 0; order < LeagueDataModel::kTieBreakCount; ++order) {
        tieBreak_->addItem(Text(LeagueDataModel::TieBreakLabel(order)));
    }
    relegation_ = new QComboBox(this);
    reserves_ = new QCheckBox(Text(DialogText("league.data.reserves")), this);

    auto* league = new QFormLayout;
    league->addRow(Text(DialogText("league.data.name")), name_);
    league->addRow(Text(DialogText("league.data.short_name")), shortName_);
    league->addRow(Text(DialogText("league.data.size")), size_);
    league->addRow(Text(DialogText("league.data.rounds")), rounds_);
    league->addRow(Text(DialogText("league.data.attendance")), attendance_);
    league->addRow(Text(DialogText("league.data.transfer")), transfer_);

    auto* moneyBox = new CMyGroupBox(Text(DialogText("league.data.group.money")), this);
    auto* money = new QFormLayout(moneyBox);
    money->addRow(Text(DialogText("league.data.tv_bonus")),
                  money_[LeagueDataModel::kTelevisionBonus]);
    money->addRow(Text(DialogText("league.data.first_bonus")),
                  money_[LeagueDataModel::kFirstPlaceBonus]);
    money->addRow(Text(DialogText("league.data.place_payment")),
                  money_[LeagueDataModel::kPlacePayment]);

    auto* rulesBox = new CMyGroupBox(Text(DialogText("league.data.group.rules")), this);
    auto* rules = new QFormLayout(rulesBox);
    rules->addRow(Text(DialogText("league.data.foreign")), foreign_);
    rules->addRow(Text(DialogText("league.data.tiebreak")), tieBreak_);
    rules->addRow(Text(DialogText("league.data.relegation")), relegation_);
    rules->addRow(reserves_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(league);
    layout->addWidget(moneyBox);
    layout->addWidget(rulesBox);
    layout->addWidget(MakeOkCancelButtons(*this));

    QWidget* order[] = {name_,     shortName_,  size_,     rounds_,   attendance_,
                        transfer_, money_[0],   money_[1], money_[2], foreign_,
                        tieBreak_, relegation_, reserves_};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDlgLeagueData::ShowModel() {
    setWindowTitle(ToQString(
        FormatDialogText("league.data.title", FromQString(RecordToQString(model_.name)).c_str())));
    name_->setText(RecordToQString(model_.name));
    shortName_->setText(RecordToQString(model_.shortName));
    size_->clear();
    int sizeRow = -1;
    for (int32_t size : LeagueDataModel::SizeChoices()) {
        if (size == model_.size) {
            sizeRow = size_->count();
        }
        size_->addItem(QString::number(size), size);
    }
    if (sizeRow < 0) {
        // A size outside the list: shown, and kept as long as no other one is chosen.
        sizeRow = size_->count();
        size_->addItem(ToQString(FormatDialogText("league.data.size_other", model_.size)),
                       model_.size);
    }
    size_->setCurrentIndex(sizeRow);
    rounds_->setCurrentIndex(std::max(0, rounds_->findData(model_.rounds)));
    attendance_->setText(ToQString(model_.attendance));
    transfer_->setText(ToQString(model_.transfer));
    for (int which = 0; which < LeagueDataModel::kMoneyValueCount; ++which) {
        money_[which]->setText(ToQString(model_.money[which]));
    }
    foreign_->setCurrentIndex(model_.foreignRule);
    tieBreak_->setCurrentIndex(model_.tieBreak);
    relegation_->clear();
    for (uint8_t rule : model_.RuleChoices()) {
        relegation_->addItem(Text(RelegationRuleLabel(rule)), rule);
    }
    relegation_->setCurrentIndex(model_.ruleIndex);
    reserves_->setChecked(model_.reserveTeams);
}

void CDlgLeagueData::TakeValues() {
    model_.name = QStringToRecord(name_->text());
    model_.shortName = QStringToRecord(shortName_->text());
    model_.size = size_->currentData().toInt();
    model_.rounds = rounds_->currentData().toInt();
    model_.attendance = FromQString(attendance_->text());
    model_.transfer = FromQString(transfer_->text());
    for (int which = 0; which < LeagueDataModel::kMoneyValueCount; ++which) {
        model_.money[which] = FromQString(money_[which]->text());
    }
    model_.foreignRule = foreign_->currentIndex();
    model_.tieBreak = tieBreak_->currentIndex();
    model_.ruleIndex = relegation_->currentIndex();
    model_.reserveTeams = reserves_->isChecked();
}

void CDlgLeagueData::accept() {
    if (filled_) {
        TakeValues();
        messages_ = model_.Store();
        if (!messages_.empty() && context_.prompt != nullptr) {
            std::string text;
            for (const std::string& message : messages_) {
                text += (text.empty() ? "" : "\n") + message;
            }
            context_.prompt->ShowMessage(text, DialogText("league.data.refused.title"));
        }
    }
    CDialogB::accept();
}

bool RunLeagueData(QWidget* owner, const CountryEditContext& context, uint32_t leagueNumber) {
    CDlgLeagueData dialog(context, leagueNumber, owner);
    if (!dialog.Filled()) {
        return false;
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tallo
