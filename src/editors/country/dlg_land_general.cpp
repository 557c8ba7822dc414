#include "editors/country/dlg_land_general.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "editors/framework/my_group_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"

namespace tallo {

namespace {

using Model = CountryGeneralPageModel;

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

CSpinEditCtrl* DateSpin(QWidget* parent, int first, int last, int width) {
    auto* spin = new CSpinEditCtrl(parent);
    spin->SetIntegerRange(first, last);
    spin->Edit().setMaximumWidth(width);
    return spin;
}

} // namespace

CDlgLandGeneral::CDlgLandGeneral(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    setWindowTitle(Text("country.general.title"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildCountryColumn(), 1);
    layout->addWidget(BuildSettingsColumn(), 1);
    layout->addWidget(BuildValuesColumn(), 1);
    FillCountry();
}

QLineEdit* CDlgLandGeneral::AddTextEdit(Model::Text text, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(static_cast<int>(Model::TextLimit(text)));
    texts_[static_cast<size_t>(text)] = edit;
    connect(edit, &QLineEdit::textEdited, this,
            [this, text](const QString& value) { model_.SetText(text, QStringToRecord(value)); });
    return edit;
}

QSpinBox* CDlgLandGeneral::AddNumberSpin(Model::Number number, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    const Model::Range range = Model::Limits(number);
    spin->setRange(range.low, range.high);
    numbers_[static_cast<size_t>(number)] = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this, number](int value) {
        if (!filling_) {
            model_.SetValue(number, value);
        }
    });
    return spin;
}

QComboBox* CDlgLandGeneral::AddNumberBox(Model::Number number, QWidget* parent,
                                         std::initializer_list<DialogTextKey> keys) {
    auto* combo = new QComboBox(parent);
    int value = 0;
    for (DialogTextKey key : keys) {
        combo->addItem(Text(key), value++);
    }
    numberBoxes_[static_cast<size_t>(number)] = combo;
    connect(combo, &QComboBox::currentIndexChanged, this, [this, number, combo](int index) {
        if (!filling_ && index >= 0) {
            model_.SetValue(number, combo->itemData(index).toInt());
        }
    });
    return combo;
}

QWidget* CDlgLandGeneral::BuildCountryColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* country = new CMyGroupBox(Text("country.general.group.country"), column);
    auto* grid = new QGridLayout(country);
    grid->addWidget(new QLabel(Text("country.general.name"), country), 0, 0);
    name_ = new QLabel(country);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(Text("country.general.abbreviation"), country), 1, 0);
    abbreviation_ = new QLabel(country);
    grid->addWidget(abbreviation_, 1, 1);
    grid->addWidget(new QLabel(Text("country.general.association"), country), 2, 0);
    grid->addWidget(AddTextEdit(Model::kAssociationName, country), 2, 1);
    grid->addWidget(new QLabel(Text("country.general.magazine"), country), 3, 0);
    grid->addWidget(AddTextEdit(Model::kMagazine, country), 3, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(country);

    auto* languages = new CMyGroupBox(Text("country.general.group.languages"), column);
    auto* languageGrid = new QGridLayout(languages);
    languageGrid->addWidget(new QLabel(Text("country.general.share"), languages), 0, 2);
    for (int box = 0; box < Model::kLanguageBoxes; ++box) {
        languageGrid->addWidget(
            new QLabel(ToQString(FormatDialogText("country.general.language", box + 1)), languages),
            box + 1, 0);
        auto* combo = new QComboBox(languages);
        for (const LanguageEntry& entry : model_.Languages()) {
            combo->addItem(ToQString(entry.name), entry.language);
        }
        combo->setMaxVisibleItems(20);
        languageGrid->addWidget(combo, box + 1, 1);
        languages_[static_cast<size_t>(box)] = combo;
        auto* share = new QSpinBox(languages);
        share->setRange(0, Model::kMaxShareTotal);
        languageGrid->addWidget(share, box + 1, 2);
        shares_[static_cast<size_t>(box)] = share;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, box, combo](int index) {
            if (!filling_) {
                model_.SetLanguage(box, index < 0 ? -1 : combo->itemData(index).toInt());
            }
        });
        connect(share, &QSpinBox::valueChanged, this, [this, box](int value) {
            if (!filling_) {
                model_.SetShare(box, value);
                ShowShares();
            }
        });
    }
    shareTotal_ = new QLabel(languages);
    languageGrid->addWidget(shareTotal_, Model::kLanguageBoxes + 1, 2);
    languageGrid->setColumnStretch(1, 1);
    layout->addWidget(languages);

    auto* president = new CMyGroupBox(Text("country.general.group.president"), column);
    auto* presidentGrid = new QGridLayout(president);
    presidentGrid->addWidget(new QLabel(Text("country.general.first_name"), president), 0, 0);
    presidentGrid->addWidget(AddTextEdit(Model::kPresidentFirstName, president), 0, 1);
    presidentGrid->addWidget(new QLabel(Text("country.general.surname"), president), 1, 0);
    presidentGrid->addWidget(AddTextEdit(Model::kPresidentSurname, president), 1, 1);
    presidentGrid->addWidget(new QLabel(Text("country.general.birth_date"), president), 2, 0);
    auto* date = new QHBoxLayout;
    day_ = DateSpin(president, 1, 31, 36);
    month_ = DateSpin(president, 1, 12, 36);
    year_ = DateSpin(president, BirthDateFields::kFirstYear, BirthDateFields::LastYear(), 52);
    date->addWidget(day_);
    date->addWidget(month_);
    date->addWidget(year_);
    date->addStretch(1);
    presidentGrid->addLayout(date, 2, 1);
    age_ = new QLabel(president);
    presidentGrid->addWidget(age_, 3, 1);
    presidentGrid->setColumnStretch(1, 1);
    layout->addWidget(president);
    layout->addStretch(1);

    for (CSpinEditCtrl* spin : {day_, month_, year_}) {
        connect(&spin->Edit(), &QLineEdit::editingFinished, this, [this] { OnDateEdited(); });
        connect(&spin->Spin(), &CMySpin::stepped, this, [this] { OnDateEdited(); });
    }
    return column;
}

QWidget* CDlgLandGeneral::BuildSettingsColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* reporters = new CMyGroupBox(Text("country.general.group.reporters"), column);
    auto* reporterGrid = new QGridLayout(reporters);
    reporterGrid->addWidget(new QLabel(Text("country.general.first_name"), reporters), 0, 1);
    reporterGrid->addWidget(new QLabel(Text("country.general.surname"), reporters), 0, 2);
    const std::array<DialogTextKey, 3> reporterNames = {
        "country.general.reporter.0", "country.general.reporter.1", "country.general.reporter.2"};
    for (int reporter = 0; reporter < 3; ++reporter) {
        const auto first =
            static_cast<Model::Text>(Model::kNewspaperReporterFirstName + 2 * reporter);
        const auto surname = static_cast<Model::Text>(first + 1);
        reporterGrid->addWidget(
            new QLabel(Text(reporterNames[static_cast<size_t>(reporter)]), reporters), reporter + 1,
            0);
        reporterGrid->addWidget(AddTextEdit(first, reporters), reporter + 1, 1);
        reporterGrid->addWidget(AddTextEdit(surname, reporters), reporter + 1, 2);
    }
    reporterGrid->setColumnStretch(1, 1);
    reporterGrid->setColumnStretch(2, 1);
    layout->addWidget(reporters);

    auto* settings = new CMyGroupBox(Text("country.general.group.country_settings"), column);
    auto* grid = new QGridLayout(settings);
    int row = 0;
    grid->addWidget(new QLabel(Text("country.general.climate"), settings), row, 0);
    grid->addWidget(AddNumberBox(Model::kClimate, settings,
                                 {"country.general.climate.0", "country.general.climate.1",
                                  "country.general.climate.2", "country.general.climate.3",
                                  "country.general.climate.4"}),
                    row++, 1);
    grid->addWidget(new QLabel(Text("country.general.national_stadium"), settings), row, 0);
    stadium_ = new QComboBox(settings);
    stadium_->setMaxVisibleItems(20);
    stadium_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    stadium_->setMinimumContentsLength(16);
    grid->addWidget(stadium_, row++, 1);
    grid->addWidget(new QLabel(Text("country.general.transfer_abroad"), settings), row, 0);
    grid->addWidget(AddNumberSpin(Model::kTransferAbroadProbability, settings), row++, 1);
    grid->addWidget(new QLabel(Text("country.general.movement"), settings), row++, 0, 1, 2);
    grid->addWidget(AddNumberBox(Model::kTeamMovement, settings,
                                 {"country.general.movement.0", "country.general.movement.1",
                                  "country.general.movement.2", "country.general.movement.3"}),
                    row++, 0, 1, 2);
    grid->addWidget(new QLabel(Text("country.general.transfer_period_1"), settings), row, 0);
    grid->addWidget(AddNumberBox(Model::kTransferPeriod1, settings,
                                 {"country.general.period1.0", "country.general.period1.1",
                                  "country.general.period1.2"}),
                    row++, 1);
    grid->addWidget(new QLabel(Text("country.general.transfer_period_2"), settings), row, 0);
    grid->addWidget(AddNumberBox(Model::kTransferPeriod2, settings,
                                 {"country.general.period2.0", "country.general.period2.1",
                                  "country.general.period2.2"}),
                    row++, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(settings);

    auto* players = new CMyGroupBox(Text("country.general.group.players"), column);
    auto* playerGrid = new QGridLayout(players);
    auto* generate = new QCheckBox(Text("country.general.generate_names"), players);
    flags_[Model::kGenerateNames] = generate;
    playerGrid->addWidget(generate, 0, 0, 1, 2);
    playerGrid->addWidget(new QLabel(Text("country.general.rating"), players), 1, 0);
    rating_ = new CSpinEditCtrl(players);
    const Model::Range rating = Model::Limits(Model::kGeneratedPlayerRating);
    rating_->SetDecimalRange(rating.low * 0.5, rating.high * 0.5, 1, 0.5);
    rating_->Edit().setMaximumWidth(60);
    playerGrid->addWidget(rating_, 1, 1);
    playerGrid->setColumnStretch(2, 1);
    layout->addWidget(players);
    layout->addStretch(1);

    connect(stadium_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            model_.nationalStadium.Select(index);
        }
    });
    connect(rating_, &CSpinEditCtrl::valueChanged, this, [this] {
        if (!filling_) {
            model_.SetValue(Model::kGeneratedPlayerRating,
                            static_cast<int>(std::lround(rating_->DecimalValue() * 2)));
        }
    });
    connect(generate, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.SetFlag(Model::kGenerateNames, on);
        }
    });
    return column;
}

QWidget* CDlgLandGeneral::BuildValuesColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* titles = new CMyGroupBox(Text("country.general.group.titles"), column);
    auto* titleGrid = new QGridLayout(titles);
    const std::array<DialogTextKey, 4> titleNames = {
        "country.general.continental_titles", "country.general.continental_runner_ups",
        "country.general.world_titles", "country.general.world_runner_ups"};
    for (int i = 0; i < 4; ++i) {
        titleGrid->addWidget(new QLabel(Text(titleNames[static_cast<size_t>(i)]), titles), i, 0);
        titleGrid->addWidget(
            AddNumberSpin(static_cast<Model::Number>(Model::kContinentalTitles + i), titles), i, 1);
    }
    titleGrid->setColumnStretch(0, 1);
    layout->addWidget(titles);

    auto* values = new CMyGroupBox(Text("country.general.group.values"), column);
    auto* grid = new QGridLayout(values);
    auto* settingB = new QCheckBox(Text("country.general.setting_b"), values);
    flags_[Model::kSettingB] = settingB;
    grid->addWidget(settingB, 0, 0, 1, 3);
    grid->addWidget(new QLabel(Text("country.general.setting_d"), values), 1, 0);
    grid->addWidget(AddNumberSpin(Model::kSettingD, values), 1, 1);
    for (int i = 0; i < 6; ++i) {
        const int row = 2 + i / 2;
        const int col = (i % 2) * 2;
        grid->addWidget(
            new QLabel(ToQString(FormatDialogText("country.general.value_m", i + 1)), values), row,
            col);
        grid->addWidget(AddNumberSpin(static_cast<Model::Number>(Model::kValueM1 + i), values), row,
                        col + 1);
    }
    grid->addWidget(new QLabel(Text("country.general.value_p"), values), 5, 1);
    grid->addWidget(new QLabel(Text("country.general.value_q"), values), 5, 3);
    for (int level = 0; level < Model::kLeagueLevels; ++level) {
        const int row = 6 + level;
        grid->addWidget(
            new QLabel(ToQString(FormatDialogText("country.general.level", level + 1)), values),
            row, 0);
        grid->addWidget(AddNumberSpin(static_cast<Model::Number>(Model::kValueP1 + level), values),
                        row, 1);
        grid->addWidget(AddNumberSpin(static_cast<Model::Number>(Model::kValueQ1 + level), values),
                        row, 3);
    }
    layout->addWidget(values);

    auto* notesBox = new CMyGroupBox(Text("country.general.group.notes"), column);
    auto* notesLayout = new QVBoxLayout(notesBox);
    notes_ = new QPlainTextEdit(notesBox);
    notes_->setTabChangesFocus(true);
    notes_->setMinimumHeight(60);
    notesLayout->addWidget(notes_);
    layout->addWidget(notesBox, 1);

    connect(settingB, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.SetFlag(Model::kSettingB, on);
        }
    });
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) {
            model_.SetNotes(QStringToRecord(notes_->toPlainText()));
        }
    });
    return column;
}

void CDlgLandGeneral::FillCountry() {
    model_.Fill();
    ShowValues();
}

void CDlgLandGeneral::StoreCountry() {
    OnDateEdited(); // a date typed but not yet confirmed
    model_.Store();
    ShowValues();
}

void CDlgLandGeneral::ShowValues() {
    filling_ = true;
    name_->setText(RecordToQString(model_.CountryName()));
    abbreviation_->setText(RecordToQString(model_.CountryAbbreviation()));
    for (int text = 0; text < Model::kTextCount; ++text) {
        texts_[static_cast<size_t>(text)]->setText(
            RecordToQString(model_.TextValue(static_cast<Model::Text>(text))));
    }
    for (int number = 0; number < Model::kNumberCount; ++number) {
        const int value = model_.Value(static_cast<Model::Number>(number));
        if (QSpinBox* spin = numbers_[static_cast<size_t>(number)]) {
            spin->setValue(value);
        }
        if (QComboBox* combo = numberBoxes_[static_cast<size_t>(number)]) {
            combo->setCurrentIndex(combo->findData(value));
        }
    }
    rating_->SetValue(model_.Value(Model::kGeneratedPlayerRating) * 0.5);
    for (int flag = 0; flag < Model::kFlagCount; ++flag) {
        flags_[static_cast<size_t>(flag)]->setChecked(
            model_.FlagValue(static_cast<Model::Flag>(flag)));
    }
    for (int box = 0; box < Model::kLanguageBoxes; ++box) {
        QComboBox& combo = LanguageBox(box);
        const int language = model_.Language(box);
        combo.setCurrentIndex(language < 0 ? -1 : combo.findData(language));
    }
    stadium_->clear();
    for (const ChoiceEntry& entry : model_.nationalStadium.entries) {
        stadium_->addItem(entry.value == 0 ? Text("country.general.none")
                                           : RecordToQString(entry.text),
                          entry.value);
    }
    stadium_->setCurrentIndex(model_.nationalStadium.selected);
    notes_->setPlainText(RecordToQString(model_.Notes()));
    filling_ = false;
    ShowShares();
    ShowBirthDate();
}

void CDlgLandGeneral::ShowShares() {
    filling_ = true;
    for (int box = 0; box < Model::kLanguageBoxes; ++box) {
        ShareSpin(box).setValue(model_.Share(box));
    }
    filling_ = false;
    shareTotal_->setText(
        ToQString(FormatDialogText("country.general.shares_total", model_.ShareTotal())));
}

void CDlgLandGeneral::ShowBirthDate() {
    const BirthDateFields& date = model_.presidentBirthDate;
    day_->SetIntegerRange(1, date.DayLimit());
    day_->SetValue(date.day);
    month_->SetValue(date.month);
    year_->SetValue(date.year);
    age_->setText(ToQString(FormatDialogText("country.general.age", model_.PresidentAge())));
}

void CDlgLandGeneral::OnDateEdited() {
    BirthDateFields& date = model_.presidentBirthDate;
    if (year_->IntegerValue() != date.year) {
        date.SetYear(year_->IntegerValue());
    }
    if (month_->IntegerValue() != date.month) {
        date.SetMonth(month_->IntegerValue());
    }
    if (day_->IntegerValue() != date.day) {
        date.SetDay(day_->IntegerValue());
    }
    ShowBirthDate();
}

} // namespace tallo
