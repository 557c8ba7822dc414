#include "editors/staff/dlg_manager_abilities.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr DialogTextKey kSkillNames[ManagerAbilitiesPageModel::kSkills] = {
    "staff.abilities.skill.0", "staff.abilities.skill.1", "staff.abilities.skill.2",
    "staff.abilities.skill.3"};

QScrollBar* ExperienceBar(int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setMinimumWidth(140);
    return bar;
}

} // namespace

CDlgManagerAbilities::CDlgManagerAbilities(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    setWindowTitle(Text("staff.abilities.title"));
    auto* layout = new QGridLayout(this);

    auto* skillsBox = new CMyGroupBox(Text("staff.abilities.group.skills"), this);
    auto* skills = new QGridLayout(skillsBox);
    for (int i = 0; i < ManagerAbilitiesPageModel::kSkills; ++i) {
        skills->addWidget(new QLabel(Text(kSkillNames[i]), skillsBox), i, 0);
        auto* spin = new QSpinBox(skillsBox);
        spin->setRange(0, ManagerAbilitiesPageModel::kMaxSkill);
        skills->addWidget(spin, i, 1);
        skills_[static_cast<size_t>(i)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, [this, i](int value) {
            if (!filling_) {
                model_.SetSkill(i, value);
            }
        });
    }
    skills->setRowStretch(ManagerAbilitiesPageModel::kSkills, 1);
    layout->addWidget(skillsBox, 0, 0);

    auto* languagesBox = new CMyGroupBox(Text("staff.abilities.group.languages"), this);
    auto* languages = new QGridLayout(languagesBox);
    for (int box = 0; box < ManagerAbilitiesPageModel::kLanguageBoxes; ++box) {
        const QString label = box == 0
                                  ? Text("staff.abilities.native")
                                  : ToQString(FormatDialogText("staff.abilities.foreign", box));
        languages->addWidget(new QLabel(label, languagesBox), box, 0);
        auto* combo = new QComboBox(languagesBox);
        const auto& offered = box == 0 ? model_.NativeLanguages() : model_.ForeignLanguages();
        for (const LanguageEntry& entry : offered) {
            combo->addItem(ToQString(entry.name), entry.language);
        }
        combo->setMaxVisibleItems(20);
        languages->addWidget(combo, box, 1);
        languages_[static_cast<size_t>(box)] = combo;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, box, combo](int index) {
            if (!filling_) {
                model_.SetLanguage(box, index < 0 ? -1 : combo->itemData(index).toInt());
            }
        });
    }
    languages->setRowStretch(ManagerAbilitiesPageModel::kLanguageBoxes, 1);
    layout->addWidget(languagesBox, 0, 1);

    experience_ = new CMyGroupBox(Text("staff.abilities.group.experience"), this);
    auto* experience = new QGridLayout(experience_);
    experience->addWidget(new QLabel(Text("staff.abilities.national"), experience_), 0, 0);
    nationalBar_ = ExperienceBar(ManagerAbilitiesPageModel::kMaxNationalExperience, experience_);
    experience->addWidget(nationalBar_, 0, 1);
    nationalText_ = new QLabel(experience_);
    nationalText_->setMinimumWidth(150);
    experience->addWidget(nationalText_, 0, 2);
    experience->addWidget(new QLabel(Text("staff.abilities.international"), experience_), 1, 0);
    internationalBar_ =
        ExperienceBar(ManagerAbilitiesPageModel::kMaxInternationalExperience, experience_);
    experience->addWidget(internationalBar_, 1, 1);
    internationalText_ = new QLabel(experience_);
    experience->addWidget(internationalText_, 1, 2);
    experience->setColumnStretch(2, 1);
    layout->addWidget(experience_, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);

    connect(nationalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetNationalExperience(value);
            ShowExperienceTexts();
        }
    });
    connect(internationalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetInternationalExperience(value);
            ShowExperienceTexts();
        }
    });
    SetPerson(nullptr);
}

void CDlgManagerAbilities::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    switch (model_.ExperienceVisibility()) {
    case ManagerAbilitiesPageModel::ExperienceGroup::kShow:
        experience_->setVisible(true);
        break;
    case ManagerAbilitiesPageModel::ExperienceGroup::kHide:
        experience_->setVisible(false);
        break;
    case ManagerAbilitiesPageModel::ExperienceGroup::kUnchanged:
        break;
    }
    ShowValues();
}

void CDlgManagerAbilities::StorePerson() {
    model_.Store();
}

void CDlgManagerAbilities::ShowValues() {
    filling_ = true;
    for (int i = 0; i < ManagerAbilitiesPageModel::kSkills; ++i) {
        SkillSpin(i).setValue(model_.Skill(i));
    }
    for (int box = 0; box < ManagerAbilitiesPageModel::kLanguageBoxes; ++box) {
        QComboBox& combo = LanguageBox(box);
        const int language = model_.Language(box);
        combo.setCurrentIndex(language < 0 ? -1 : combo.findData(language));
    }
    nationalBar_->setValue(model_.NationalExperience());
    internationalBar_->setValue(model_.InternationalExperience());
    filling_ = false;
    ShowExperienceTexts();
}

void CDlgManagerAbilities::ShowExperienceTexts() {
    const bool any = model_.Person() != nullptr;
    nationalText_->setText(any ? ToQString(ManagerAbilitiesPageModel::NationalExperienceText(
                                     model_.NationalExperience()))
                               : QString());
    internationalText_->setText(
        any ? ToQString(ManagerAbilitiesPageModel::InternationalExperienceText(
                  model_.InternationalExperience()))
            : QString());
}

} // namespace tallo
