#include "editors/country/dlg_land_nationalcoach.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>

#include "editors/framework/my_group_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

using Model = NationalCoachPageModel;

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr DialogTextKey kSkillNames[Model::kSkills] = {"coach.skill.0", "coach.skill.1",
                                                       "coach.skill.2", "coach.skill.3"};

CSpinEditCtrl* DateSpin(QWidget* parent, int first, int last, int width) {
    auto* spin = new CSpinEditCtrl(parent);
    spin->SetIntegerRange(first, last);
    spin->Edit().setMaximumWidth(width);
    return spin;
}

QScrollBar* ExperienceBar(int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setMinimumWidth(140);
    return bar;
}

} // namespace

CDlgLandNationalcoach::CDlgLandNationalcoach(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    setWindowTitle(Text("coach.title"));
    auto* layout = new QGridLayout(this);

    // The person: names, nationality, birth date and age.
    auto* person = new CMyGroupBox(Text("coach.group.person"), this);
    auto* personGrid = new QGridLayout(person);
    const std::array<QString, Model::kNameCount> labels = {
        Text("coach.first_name"), Text("coach.surname"), Text("coach.nickname")};
    for (int name = 0; name < Model::kNameCount; ++name) {
        const auto which = static_cast<Model::Name>(name);
        personGrid->addWidget(new QLabel(labels[static_cast<size_t>(name)], person), name, 0);
        auto* edit = new QLineEdit(person);
        edit->setMaxLength(static_cast<int>(Model::kTypedName));
        personGrid->addWidget(edit, name, 1, 1, 3);
        names_[static_cast<size_t>(name)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            model_.SetName(which, QStringToRecord(text));
        });
    }
    personGrid->addWidget(new QLabel(Text("coach.nationality"), person), 3, 0);
    nationality_ = new QComboBox(person);
    nationality_->setMaxVisibleItems(20);
    personGrid->addWidget(nationality_, 3, 1, 1, 3);

    personGrid->addWidget(new QLabel(Text("coach.birth_date"), person), 4, 0);
    auto* date = new QHBoxLayout;
    day_ = DateSpin(person, 1, 31, 36);
    month_ = DateSpin(person, 1, 12, 36);
    year_ = DateSpin(person, Model::kFirstYear, Model::kLastYear, 52);
    date->addWidget(new QLabel(Text("coach.day"), person));
    date->addWidget(day_);
    date->addWidget(new QLabel(Text("coach.month"), person));
    date->addWidget(month_);
    date->addWidget(new QLabel(Text("coach.year"), person));
    date->addWidget(year_);
    date->addStretch(1);
    personGrid->addLayout(date, 4, 1, 1, 3);
    personGrid->addWidget(new QLabel(Text("coach.age"), person), 5, 0);
    age_ = new QLabel(person);
    personGrid->addWidget(age_, 5, 1);
    personGrid->setColumnStretch(3, 1);
    personGrid->setRowStretch(6, 1);
    layout->addWidget(person, 0, 0, 2, 1);

    // Skills.
    auto* skillsBox = new CMyGroupBox(Text("coach.group.skills"), this);
    auto* skills = new QGridLayout(skillsBox);
    for (int i = 0; i < Model::kSkills; ++i) {
        skills->addWidget(new QLabel(Text(kSkillNames[i]), skillsBox), i, 0);
        auto* spin = new QSpinBox(skillsBox);
        spin->setRange(0, Model::kMaxSkill);
        skills->addWidget(spin, i, 1);
        skills_[static_cast<size_t>(i)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, [this, i](int value) {
            if (!filling_) {
                model_.SetSkill(i, value);
            }
        });
    }
    skills->setRowStretch(Model::kSkills, 1);
    layout->addWidget(skillsBox, 0, 1);

    // Languages.
    auto* languagesBox = new CMyGroupBox(Text("coach.group.languages"), this);
    auto* languages = new QGridLayout(languagesBox);
    for (int box = 0; box < Model::kLanguageBoxes; ++box) {
        const QString label =
            box == 0 ? Text("coach.native") : ToQString(FormatDialogText("coach.foreign", box));
        languages->addWidget(new QLabel(label, languagesBox), box, 0);
        auto* combo = new QComboBox(languagesBox);
        for (const LanguageEntry& entry : model_.Languages()) {
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
    languages->setRowStretch(Model::kLanguageBoxes, 1);
    layout->addWidget(languagesBox, 1, 1);

    // Experience.
    auto* experienceBox = new CMyGroupBox(Text("coach.group.experience"), this);
    auto* experience = new QGridLayout(experienceBox);
    experience->addWidget(new QLabel(Text("coach.national"), experienceBox), 0, 0);
    nationalBar_ = ExperienceBar(Model::kMaxNationalExperience, experienceBox);
    experience->addWidget(nationalBar_, 0, 1);
    nationalText_ = new QLabel(experienceBox);
    nationalText_->setMinimumWidth(160);
    experience->addWidget(nationalText_, 0, 2);
    experience->addWidget(new QLabel(Text("coach.international"), experienceBox), 1, 0);
    internationalBar_ = ExperienceBar(Model::kMaxInternationalExperience, experienceBox);
    experience->addWidget(internationalBar_, 1, 1);
    internationalText_ = new QLabel(experienceBox);
    experience->addWidget(internationalText_, 1, 2);
    experience->setColumnStretch(2, 1);
    layout->addWidget(experienceBox, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);

    connect(nationality_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            model_.nationality.Select(index);
        }
    });
    for (CSpinEditCtrl* spin : {day_, month_, year_}) {
        connect(&spin->Edit(), &QLineEdit::editingFinished, this, [this] { OnDateEdited(); });
        connect(&spin->Spin(), &CMySpin::stepped, this, [this] { OnDateEdited(); });
    }
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
    FillCountry();
}

void CDlgLandNationalcoach::FillCountry() {
    model_.Fill();
    ShowValues();
}

void CDlgLandNationalcoach::StoreCountry() {
    OnDateEdited(); // a date typed but not yet confirmed
    model_.Store();
    ShowValues();
}

void CDlgLandNationalcoach::ShowValues() {
    filling_ = true;
    for (int name = 0; name < Model::kNameCount; ++name) {
        names_[static_cast<size_t>(name)]->setText(
            RecordToQString(model_.NameText(static_cast<Model::Name>(name))));
    }
    nationality_->clear();
    for (const ChoiceEntry& entry : model_.nationality.entries) {
        nationality_->addItem(entry.value == 0 ? Text("coach.none") : RecordToQString(entry.text),
                              entry.value);
    }
    nationality_->setCurrentIndex(model_.nationality.selected);
    for (int i = 0; i < Model::kSkills; ++i) {
        SkillSpin(i).setValue(model_.Skill(i));
    }
    for (int box = 0; box < Model::kLanguageBoxes; ++box) {
        QComboBox& combo = LanguageBox(box);
        const int language = model_.Language(box);
        combo.setCurrentIndex(language < 0 ? -1 : combo.findData(language));
    }
    nationalBar_->setValue(model_.NationalExperience());
    internationalBar_->setValue(model_.InternationalExperience());
    filling_ = false;
    ShowBirthDate();
    ShowExperienceTexts();
}

void CDlgLandNationalcoach::ShowBirthDate() {
    day_->SetIntegerRange(1, model_.DayLimit());
    day_->SetValue(model_.Day());
    month_->SetValue(model_.Month());
    year_->SetValue(model_.Year());
    age_->setText(QString::number(model_.Age()));
}

void CDlgLandNationalcoach::OnDateEdited() {
    // Only a number that differs from the model's counts, so that a date outside the edits'
    // ranges read from a file stays as it is until the user changes it.
    if (year_->IntegerValue() != model_.Year()) {
        model_.SetYear(year_->IntegerValue());
    }
    if (month_->IntegerValue() != model_.Month()) {
        model_.SetMonth(month_->IntegerValue());
    }
    if (day_->IntegerValue() != model_.Day()) {
        model_.SetDay(day_->IntegerValue());
    }
    ShowBirthDate();
}

void CDlgLandNationalcoach::ShowExperienceTexts() {
    nationalText_->setText(ToQString(Model::NationalExperienceText(model_.NationalExperience())));
    internationalText_->setText(
        ToQString(Model::InternationalExperienceText(model_.InternationalExperience())));
}

} // namespace tallo
