#include "editors/country/dlg_land_cup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

using Cup = CupPageModel::Cup;

QLabel* Label(const QString& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void FillItems(QComboBox& combo, const std::vector<CupPageModel::Item>& items) {
    combo.clear();
    for (const CupPageModel::Item& item : items) {
        combo.addItem(NumberedText(item.text), static_cast<uint>(item.value));
    }
}

void SetItemEnabled(QComboBox& combo, int row, bool enabled) {
    auto* model = qobject_cast<QStandardItemModel*>(combo.model());
    if (model == nullptr || model->item(row) == nullptr) {
        return;
    }
    QStandardItem* item = model->item(row);
    item->setFlags(enabled ? item->flags() | Qt::ItemIsEnabled
                           : item->flags() & ~Qt::ItemIsEnabled);
}

} // namespace

CDlgLandCup::CDlgLandCup(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context) {
    BuildLayout();
}

CCountry* CDlgLandCup::Country() const {
    return context_.EditedCountry();
}

void CDlgLandCup::BuildLayout() {
    auto* left = new QVBoxLayout;
    left->addWidget(BuildCupsGroup());
    left->addWidget(BuildBonusGroup());
    left->addWidget(BuildSeasonGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildCardsGroup());
    right->addWidget(BuildBansGroup());
    right->addWidget(BuildEntryGroup());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

QWidget* CDlgLandCup::BuildCupsGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.cups"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(Label(UiText("cup.label.mode"), box), 0, 1);
    grid->addWidget(Label(UiText("cup.label.name"), box), 0, 2);
    grid->addWidget(Label(UiText("cup.label.console_name"), box), 0, 3);
    const QString labels[] = {UiText("cup.label.national_cup"), UiText("cup.label.league_cup"),
                              UiText("cup.label.super_cup")};
    for (int which = 0; which < CupPageModel::kCupCount; ++which) {
        const Cup cup = static_cast<Cup>(which);
        modes_[which] = new QComboBox(box);
        FillItems(*modes_[which], CupPageModel::ModeItems(cup));
        names_[which] = new QLineEdit(box);
        names_[which]->setMaxLength(static_cast<int>(CupPageModel::kNameLength));
        names_[which]->setMinimumWidth(180);
        consoleNames_[which] = new QLineEdit(box);
        consoleNames_[which]->setMaxLength(static_cast<int>(CupPageModel::kConsoleNameLength));
        consoleNames_[which]->setMinimumWidth(110);
        grid->addWidget(Label(labels[which], box, modes_[which]), which + 1, 0);
        grid->addWidget(modes_[which], which + 1, 1);
        grid->addWidget(names_[which], which + 1, 2);
        grid->addWidget(consoleNames_[which], which + 1, 3);
        connect(modes_[which], &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) {
                UpdateEnabled();
            }
        });
    }
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* CDlgLandCup::BuildBonusGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.bonuses"), this);
    auto* grid = new QGridLayout(box);
    bonusCup_ = new QComboBox(box);
    bonusCup_->addItem(UiText("cup.label.national_cup"));
    bonusCup_->addItem(UiText("cup.label.league_cup"));
    bonusCup_->addItem(UiText("cup.label.super_cup"));
    grid->addWidget(Label(UiText("cup.label.bonus_cup"), box, bonusCup_), 0, 0);
    grid->addWidget(bonusCup_, 0, 1, 1, 3);
    for (int round = 0; round < CupPageModel::kBonusRounds; ++round) {
        bonuses_[round] = new QLineEdit(box);
        bonuses_[round]->setMaxLength(static_cast<int>(CupPageModel::kBonusLength));
        bonuses_[round]->setMaximumWidth(110);
        const int row = 1 + round % 4;
        const int column = round / 4 * 2;
        grid->addWidget(Label(ToQString(CupPageModel::BonusLabel(round)), box, bonuses_[round]),
                        row, column);
        grid->addWidget(bonuses_[round], row, column + 1);
    }
    auto* hint = Label(UiText("cup.bonus.hint"), box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 5, 0, 1, 4);
    connect(bonusCup_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_ || index < 0) {
            return;
        }
        ReadBonuses();
        model_.bonusCup = static_cast<Cup>(index);
        ShowBonuses();
        UpdateEnabled();
    });
    return box;
}

QWidget* CDlgLandCup::BuildCardsGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.cards"), this);
    auto* grid = new QGridLayout(box);
    leagueCards_ = new QComboBox(box);
    cupCards_ = new QComboBox(box);
    FillItems(*leagueCards_, CupPageModel::CardScheduleItems());
    FillItems(*cupCards_, CupPageModel::CardScheduleItems());
    leagueYellowAfterRed_ = new QCheckBox(UiText("cup.check.yellow_after_red"), box);
    cupYellowAfterRed_ = new QCheckBox(UiText("cup.check.yellow_after_red"), box);
    grid->addWidget(Label(UiText("cup.label.league_cards"), box, leagueCards_), 0, 0);
    grid->addWidget(leagueCards_, 0, 1);
    grid->addWidget(leagueYellowAfterRed_, 1, 0, 1, 2);
    grid->addWidget(Label(UiText("cup.label.cup_cards"), box, cupCards_), 2, 0);
    grid->addWidget(cupCards_, 2, 1);
    grid->addWidget(cupYellowAfterRed_, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CDlgLandCup::BuildBansGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.bans"), this);
    auto* layout = new QVBoxLayout(box);
    banStart_ = new QComboBox(box);
    FillItems(*banStart_, CupPageModel::BanStartItems());
    auto* start = new QHBoxLayout;
    start->addWidget(Label(UiText("cup.label.ban_start"), box, banStart_));
    start->addWidget(banStart_, 1);
    layout->addLayout(start);
    banScopes_[0] = new QCheckBox(UiText("cup.check.ban_all_yellow"), box);
    banScopes_[1] = new QCheckBox(UiText("cup.check.ban_all_yellow_red"), box);
    banScopes_[2] = new QCheckBox(UiText("cup.check.ban_all_red"), box);
    for (QCheckBox* scope : banScopes_) {
        layout->addWidget(scope);
    }
    fixedBan_ = new QRadioButton(UiText("cup.radio.fixed"), box);
    variableBan_ = new QRadioButton(UiText("cup.radio.variable"), box);
    auto* group = new QButtonGroup(box);
    group->addButton(fixedBan_);
    group->addButton(variableBan_);
    auto* red = new QHBoxLayout;
    red->addWidget(Label(UiText("cup.label.red_ban"), box));
    red->addWidget(fixedBan_);
    red->addWidget(variableBan_);
    red->addStretch(1);
    layout->addLayout(red);
    return box;
}

QWidget* CDlgLandCup::BuildEntryGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.entry"), this);
    auto* grid = new QGridLayout(box);
    const QString labels[] = {UiText("cup.check.level1"), UiText("cup.check.level2"),
                              UiText("cup.check.level3"), UiText("cup.check.level4"),
                              UiText("cup.check.level5")};
    for (int level = 0; level < CupPageModel::kLeagueLevels; ++level) {
        entryLevels_[level] = new QCheckBox(labels[level], box);
        grid->addWidget(entryLevels_[level], level % 3, level / 3);
    }
    lowerLeagueAtHome_ = new QCheckBox(UiText("cup.check.home_lower"), box);
    oneClub_ = new QCheckBox(UiText("cup.check.one_club"), box);
    grid->addWidget(lowerLeagueAtHome_, 3, 0, 1, 2);
    grid->addWidget(oneClub_, 4, 0, 1, 2);
    return box;
}

QWidget* CDlgLandCup::BuildSeasonGroup() {
    auto* box = new CMyGroupBox(UiText("cup.group.season"), this);
    auto* layout = new QHBoxLayout(box);
    winterBreak_ = new QCheckBox(UiText("cup.check.winter_break"), box);
    indoor_ = new QCheckBox(UiText("cup.check.indoor"), box);
    layout->addWidget(winterBreak_);
    layout->addWidget(indoor_);
    layout->addStretch(1);
    connect(winterBreak_, &QCheckBox::toggled, this, [this] {
        if (!filling_) {
            UpdateEnabled();
        }
    });
    return box;
}

void CDlgLandCup::FillCountry() {
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    model_.Fill(*country);
    filling_ = true;
    for (int which = 0; which < CupPageModel::kCupCount; ++which) {
        const Cup cup = static_cast<Cup>(which);
        for (int item = 0; item < modes_[which]->count(); ++item) {
            SetItemEnabled(*modes_[which], item, model_.ItemSelectable(cup, item));
        }
        modes_[which]->setCurrentIndex(model_.cups[which].mode);
        // An edit never takes less than the text it is given (a longer name stays whole).
        const QString name = RecordToQString(model_.cups[which].name);
        const QString consoleName = RecordToQString(model_.cups[which].consoleName);
        names_[which]->setMaxLength(
            std::max(static_cast<int>(CupPageModel::kNameLength), static_cast<int>(name.size())));
        consoleNames_[which]->setMaxLength(
            std::max(static_cast<int>(CupPageModel::kConsoleNameLength),
                     static_cast<int>(consoleName.size())));
        names_[which]->setText(name);
        consoleNames_[which]->setText(consoleName);
    }
    bonusCup_->setCurrentIndex(model_.bonusCup);
    ShowBonuses();
    leagueCards_->setCurrentIndex(model_.leagueCards);
    cupCards_->setCurrentIndex(model_.cupCards);
    leagueYellowAfterRed_->setChecked(model_.leagueYellowAfterRed);
    cupYellowAfterRed_->setChecked(model_.cupYellowAfterRed);
    banStart_->setCurrentIndex(model_.banStart);
    for (int scope = 0; scope < CupPageModel::kBanScopes; ++scope) {
        banScopes_[scope]->setChecked(model_.banInAllCompetitions[scope]);
    }
    (model_.variableRedCardBan ? variableBan_ : fixedBan_)->setChecked(true);
    for (int level = 0; level < CupPageModel::kLeagueLevels; ++level) {
        entryLevels_[level]->setChecked(model_.cupEntryLevels[level]);
    }
    lowerLeagueAtHome_->setChecked(model_.lowerLeagueAtHome);
    oneClub_->setChecked(model_.oneClubPerCompetition);
    winterBreak_->setChecked(model_.winterBreak);
    indoor_->setChecked(model_.indoorTournaments);
    filling_ = false;
    UpdateEnabled();
}

void CDlgLandCup::ReadBonuses() {
    auto& bonuses = model_.cups[model_.bonusCup].bonuses;
    for (int round = 0; round < CupPageModel::kBonusRounds; ++round) {
        bonuses[round] = FromQString(bonuses_[round]->text());
    }
}

void CDlgLandCup::ShowBonuses() {
    const auto& bonuses = model_.cups[model_.bonusCup].bonuses;
    for (int round = 0; round < CupPageModel::kBonusRounds; ++round) {
        bonuses_[round]->setMaxLength(std::max(static_cast<int>(CupPageModel::kBonusLength),
                                               static_cast<int>(bonuses[round].size())));
        bonuses_[round]->setText(ToQString(bonuses[round]));
    }
}

void CDlgLandCup::ReadControls() {
    refusals_.clear();
    for (int which = 0; which < CupPageModel::kCupCount; ++which) {
        model_.cups[which].mode = modes_[which]->currentIndex();
        const std::pair<QLineEdit*, std::string*> texts[] = {
            {names_[which], &model_.cups[which].name},
            {consoleNames_[which], &model_.cups[which].consoleName}};
        for (const auto& [edit, text] : texts) {
            if (CanStoreAsRecordText(edit->text())) {
                *text = QStringToRecord(edit->text());
            } else {
                const QString label = edit == names_[which] ? UiText("cup.label.name")
                                                            : UiText("cup.label.console_name");
                refusals_.push_back(
                    FormatDialogText("cup.refused.text", FromQString(label).c_str()));
            }
        }
    }
    ReadBonuses();
    model_.leagueCards = leagueCards_->currentIndex();
    model_.cupCards = cupCards_->currentIndex();
    model_.leagueYellowAfterRed = leagueYellowAfterRed_->isChecked();
    model_.cupYellowAfterRed = cupYellowAfterRed_->isChecked();
    model_.banStart = banStart_->currentIndex();
    for (int scope = 0; scope < CupPageModel::kBanScopes; ++scope) {
        model_.banInAllCompetitions[scope] = banScopes_[scope]->isChecked();
    }
    model_.variableRedCardBan = variableBan_->isChecked();
    for (int level = 0; level < CupPageModel::kLeagueLevels; ++level) {
        model_.cupEntryLevels[level] = entryLevels_[level]->isChecked();
    }
    model_.lowerLeagueAtHome = lowerLeagueAtHome_->isChecked();
    model_.oneClubPerCompetition = oneClub_->isChecked();
    model_.winterBreak = winterBreak_->isChecked();
    model_.indoorTournaments = indoor_->isChecked();
}

void CDlgLandCup::StoreCountry() {
    CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    ReadControls();
    for (const std::string& label : model_.Store(*country)) {
        refusals_.push_back(FormatDialogText("cup.refused.bonus", label.c_str()));
    }
    if (!refusals_.empty() && context_.prompt != nullptr) {
        std::string text;
        for (const std::string& message : refusals_) {
            text += text.empty() ? "" : "\n";
            text += message;
        }
        context_.prompt->ShowMessage(text, DialogText("cup.refused.title"));
    }
    // The page shows what the country holds now (a replaced cup, a refused bonus).
    FillCountry();
}

void CDlgLandCup::UpdateEnabled() {
    for (int which = 0; which < CupPageModel::kCupCount; ++which) {
        model_.cups[which].mode = modes_[which]->currentIndex();
        const bool editable = model_.CupEditable(static_cast<Cup>(which));
        names_[which]->setEnabled(editable);
        consoleNames_[which]->setEnabled(editable);
    }
    for (int round = 0; round < CupPageModel::kBonusRounds; ++round) {
        bonuses_[round]->setEnabled(model_.BonusRoundUsed(model_.bonusCup, round));
    }
    model_.winterBreak = winterBreak_->isChecked();
    indoor_->setEnabled(model_.IndoorEnabled());
}

} // namespace tallo
