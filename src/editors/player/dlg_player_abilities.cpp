#include "editors/player/dlg_player_abilities.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editing/common/language_list.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr int kAbilityRows = 8;

} // namespace

CDlgPlayerAbilities::CDlgPlayerAbilities(QWidget* parent) : CDialogB(parent, Kind::ChildPage) {
    auto* layout = new QGridLayout(this);

    // The abilities in two columns, and tactical education below them.
    auto* abilitiesBox = new CMyGroupBox(Text("person.abilities.abilities"), this);
    auto* abilityGrid = new QGridLayout(abilitiesBox);
    for (int index = 0; index < CPlayer::kAbilityCount; ++index) {
        const int row = index % kAbilityRows;
        const int column = (index / kAbilityRows) * 2;
        abilityGrid->addWidget(
            new QLabel(ToQString(PlayerAbilitiesPageModel::AbilityName(index)), abilitiesBox), row,
            column);
        auto* spin = new CSpinEditCtrl(abilitiesBox);
        spin->SetIntegerRange(PlayerAbilitiesPageModel::kAbilityMin,
                              PlayerAbilitiesPageModel::kAbilityMax);
        spin->Edit().setMaximumWidth(36);
        abilityGrid->addWidget(spin, row, column + 1);
        abilities_[static_cast<size_t>(index)] = spin;
        connect(spin, &CSpinEditCtrl::valueChanged, this, [this, index, spin] {
            if (!filling_) {
                model_.SetAbility(index, spin->IntegerValue());
                ShowDerived();
            }
        });
    }
    abilityGrid->addWidget(new QLabel(Text("person.abilities.tactical"), abilitiesBox),
                           kAbilityRows, 0, 1, 3);
    tactical_ = new CSpinEditCtrl(abilitiesBox);
    tactical_->SetIntegerRange(0, PlayerAbilitiesPageModel::kTacticalEducationMax);
    tactical_->Edit().setMaximumWidth(36);
    abilityGrid->addWidget(tactical_, kAbilityRows, 3);
    connect(tactical_, &CSpinEditCtrl::valueChanged, this, [this] {
        if (!filling_) {
            model_.SetTacticalEducation(tactical_->IntegerValue());
        }
    });
    layout->addWidget(abilitiesBox, 0, 0, 2, 1);

    // Foot and experience.
    auto* barsBox = new CMyGroupBox(QString(), this);
    auto* barsGrid = new QGridLayout(barsBox);
    const std::array<QString, kBarCount> barLabels = {
        Text("person.abilities.foot"), Text("person.abilities.league_experience"),
        Text("person.abilities.international_experience")};
    const std::array<int, kBarCount> barMaxima = {
        PlayerAbilitiesPageModel::kPreferredFootMax, PlayerAbilitiesPageModel::kLeagueExperienceMax,
        PlayerAbilitiesPageModel::kInternationalExperienceMax};
    for (int bar = 0; bar < kBarCount; ++bar) {
        const size_t index = static_cast<size_t>(bar);
        barsGrid->addWidget(new QLabel(barLabels[index], barsBox), bar * 2, 0, 1, 2);
        auto* scroll = new QScrollBar(Qt::Horizontal, barsBox);
        scroll->setRange(0, barMaxima[index]);
        scroll->setPageStep(1);
        scroll->setMinimumWidth(110);
        barsGrid->addWidget(scroll, bar * 2 + 1, 0);
        barTexts_[index] = new QLabel(barsBox);
        barTexts_[index]->setMinimumWidth(150);
        barsGrid->addWidget(barTexts_[index], bar * 2 + 1, 1);
        bars_[index] = scroll;
        connect(scroll, &QScrollBar::valueChanged, this, [this, bar](int value) {
            if (filling_) {
                return;
            }
            if (bar == kFootBar) {
                model_.SetPreferredFoot(value);
            } else if (bar == kLeagueBar) {
                model_.SetLeagueExperience(value);
            } else {
                model_.SetInternationalExperience(value);
            }
            ShowDerived();
        });
    }
    layout->addWidget(barsBox, 0, 1);

    // Languages.
    auto* languagesBox = new CMyGroupBox(Text("person.abilities.languages"), this);
    auto* languagesGrid = new QGridLayout(languagesBox);
    const std::array<QString, PlayerAbilitiesPageModel::kLanguageBoxes> languageLabels = {
        Text("person.abilities.native"), Text("person.abilities.foreign1"),
        Text("person.abilities.foreign2")};
    const std::vector<LanguageEntry> list = LanguageList(CPlayer::kMaxLanguage, true);
    for (int box = 0; box < PlayerAbilitiesPageModel::kLanguageBoxes; ++box) {
        const size_t index = static_cast<size_t>(box);
        languagesGrid->addWidget(new QLabel(languageLabels[index], languagesBox), box, 0);
        auto* combo = new QComboBox(languagesBox);
        for (const LanguageEntry& entry : list) {
            combo->addItem(ToQString(entry.name), entry.language);
        }
        combo->setMaxVisibleItems(20);
        languagesGrid->addWidget(combo, box, 1);
        languages_[index] = combo;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, box, combo](int row) {
            if (!filling_) {
                model_.SetLanguage(box, row >= 0 ? combo->itemData(row).toInt() : -1);
            }
        });
    }
    layout->addWidget(languagesBox, 1, 1);

    // What the values give.
    auto* derivedBox = new CMyGroupBox(Text("person.abilities.ratings"), this);
    auto* derivedGrid = new QGridLayout(derivedBox);
    const std::array<QString, 3> positionLabels = {Text("person.abilities.main_position"),
                                                   Text("person.abilities.second_position"),
                                                   Text("person.abilities.third_position")};
    for (int slot = 0; slot < 3; ++slot) {
        const size_t index = static_cast<size_t>(slot);
        derivedGrid->addWidget(new QLabel(positionLabels[index], derivedBox), 0, slot * 3);
        positionNames_[index] = new QLabel(derivedBox);
        ratings_[index] = new QLabel(derivedBox);
        ratings_[index]->setMinimumWidth(32);
        derivedGrid->addWidget(positionNames_[index], 0, slot * 3 + 1);
        derivedGrid->addWidget(ratings_[index], 0, slot * 3 + 2);
    }
    derivedGrid->addWidget(new QLabel(Text("person.abilities.special"), derivedBox), 1, 0);
    special_ = new QLabel(derivedBox);
    specialBonus_ = new QLabel(derivedBox);
    derivedGrid->addWidget(special_, 1, 1, 1, 5);
    derivedGrid->addWidget(specialBonus_, 1, 6, 1, 3);
    layout->addWidget(derivedBox, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    SetPerson(nullptr);
}

void CDlgPlayerAbilities::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowValues();
}

void CDlgPlayerAbilities::StorePerson() {
    model_.Store();
}

void CDlgPlayerAbilities::ShowValues() {
    filling_ = true;
    const bool any = model_.Person() != nullptr;
    for (int index = 0; index < CPlayer::kAbilityCount; ++index) {
        if (any) {
            AbilitySpin(index).SetValue(model_.Ability(index));
        } else {
            AbilitySpin(index).Edit().clear();
        }
    }
    if (any) {
        tactical_->SetValue(model_.TacticalEducation());
    } else {
        tactical_->Edit().clear();
    }
    bars_[kFootBar]->setValue(model_.PreferredFoot());
    bars_[kLeagueBar]->setValue(model_.LeagueExperience());
    bars_[kInternationalBar]->setValue(model_.InternationalExperience());
    for (int box = 0; box < PlayerAbilitiesPageModel::kLanguageBoxes; ++box) {
        QComboBox& combo = LanguageBox(box);
        combo.setCurrentIndex(any ? combo.findData(model_.Language(box)) : -1);
    }
    filling_ = false;
    ShowDerived();
}

void CDlgPlayerAbilities::ShowDerived() {
    const bool any = model_.Person() != nullptr;
    barTexts_[kFootBar]->setText(any ? ToQString(model_.PreferredFootName()) : QString());
    barTexts_[kLeagueBar]->setText(any ? ToQString(model_.LeagueExperienceName()) : QString());
    barTexts_[kInternationalBar]->setText(any ? ToQString(model_.InternationalExperienceName())
                                              : QString());
    for (int slot = 0; slot < 3; ++slot) {
        const PositionRatingShown shown = model_.RatingAtPosition(slot);
        positionNames_[static_cast<size_t>(slot)]->setText(ToQString(shown.position));
        ratings_[static_cast<size_t>(slot)]->setText(ToQString(shown.rating));
    }
    special_->setText(ToQString(model_.SpecialAbilityName()));
    specialBonus_->setText(ToQString(model_.SpecialAbilityBonus()));
}

} // namespace tallo
