#include "editors/player/dlg_player_all_right.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/show_bitmap.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/player/dlg_player_all_right_small.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

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

CDlgPlayerAllRight::CDlgPlayerAllRight(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    auto* layout = new QGridLayout(this);

    // Names, nationalities, exemption.
    auto* person = new CMyGroupBox(Text("person.main.names"), this);
    auto* grid = new QGridLayout(person);
    const std::array<QString, PersonMainPageModel::kNameCount> labels = {
        Text("person.main.surname"), Text("person.main.first_name"), Text("person.main.pseudonym"),
        Text("person.main.nickname")};
    for (int name = 0; name < PersonMainPageModel::kNameCount; ++name) {
        const auto which = static_cast<PersonMainPageModel::Name>(name);
        grid->addWidget(new QLabel(labels[static_cast<size_t>(name)], person), name, 0);
        auto* edit = new QLineEdit(person);
        edit->setMaxLength(static_cast<int>(PersonMainPageModel::NameLimit(which)));
        grid->addWidget(edit, name, 1);
        names_[static_cast<size_t>(name)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            model_.SetName(which, QStringToRecord(text));
        });
    }
    nationality_ = new QComboBox(person);
    secondNationality_ = new QComboBox(person);
    secondNationality_->addItem(Text("person.main.no_country"), 0);
    for (const PersonMainPageModel::CountryChoice& country : model_.Countries()) {
        nationality_->addItem(ToQString(country.name), country.number);
        secondNationality_->addItem(ToQString(country.name), country.number);
    }
    nationality_->setMaxVisibleItems(20);
    secondNationality_->setMaxVisibleItems(20);
    grid->addWidget(new QLabel(Text("person.main.nationality"), person), 4, 0);
    grid->addWidget(nationality_, 4, 1);
    grid->addWidget(new QLabel(Text("person.main.second_nationality"), person), 5, 0);
    grid->addWidget(secondNationality_, 5, 1);
    exemption_ = new QCheckBox(Text("person.main.exemption"), person);
    grid->addWidget(exemption_, 6, 0, 1, 2);
    layout->addWidget(person, 0, 0);

    // Photo.
    auto* photoBox = new CMyGroupBox(Text("person.main.photo"), this);
    auto* photoLayout = new QVBoxLayout(photoBox);
    photo_ = new CShowBitmap(photoBox);
    photo_->setFixedSize(100, 120);
    photoLayout->addWidget(photo_, 0, Qt::AlignHCenter);
    photoText_ = new QLabel(photoBox);
    photoText_->setAlignment(Qt::AlignHCenter);
    photoLayout->addWidget(photoText_);
    choosePhoto_ = new QPushButton(Text("person.main.choose_photo"), photoBox);
    clearPhoto_ = new QPushButton(Text("person.main.clear_photo"), photoBox);
    photoLayout->addWidget(choosePhoto_);
    photoLayout->addWidget(clearPhoto_);
    photoLayout->addStretch(1);
    layout->addWidget(photoBox, 0, 1, 2, 1);

    // Birth date.
    auto* birth = new CMyGroupBox(Text("person.main.birth_date"), this);
    auto* birthLayout = new QHBoxLayout(birth);
    day_ = DateSpin(birth, 1, 31, 36);
    month_ = DateSpin(birth, 1, 12, 36);
    year_ = DateSpin(birth, BirthDateFields::kFirstYear, BirthDateFields::LastYear(), 52);
    birthLayout->addWidget(new QLabel(Text("person.main.day"), birth));
    birthLayout->addWidget(day_);
    birthLayout->addWidget(new QLabel(Text("person.main.month"), birth));
    birthLayout->addWidget(month_);
    birthLayout->addWidget(new QLabel(Text("person.main.year"), birth));
    birthLayout->addWidget(year_);
    age_ = new QLabel(birth);
    birthLayout->addWidget(age_);
    birthLayout->addStretch(1);
    layout->addWidget(birth, 1, 0);

    // The role group's sub-page.
    roleArea_ = new QStackedWidget(this);
    noSubPage_ = new QWidget(roleArea_);
    roleArea_->addWidget(noSubPage_);
    layout->addWidget(roleArea_, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);
    details_ = new CDlgPlayerAllRightSmall(roleArea_);
    SetRoleSubPage(PersonRoleGroup::Player, details_, details_);

    connect(nationality_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetNationality(nationality_->itemData(index).toInt());
        }
    });
    connect(secondNationality_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetSecondNationality(secondNationality_->itemData(index).toInt());
        }
    });
    connect(exemption_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.exemption = on;
        }
    });
    connect(choosePhoto_, &QPushButton::clicked, this, [this] {
        if (model_.ChoosePhoto()) {
            ShowPhoto();
        }
    });
    connect(clearPhoto_, &QPushButton::clicked, this, [this] {
        model_.ClearPhoto();
        ShowPhoto();
    });
    for (CSpinEditCtrl* spin : {day_, month_, year_}) {
        connect(&spin->Edit(), &QLineEdit::editingFinished, this, [this] { OnDateEdited(); });
        connect(&spin->Spin(), &CMySpin::stepped, this, [this] { OnDateEdited(); });
    }
    SetPerson(nullptr);
}

void CDlgPlayerAllRight::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    // The page's own controls; the sub-page area follows its page.
    for (QObject* child : children()) {
        if (auto* box = qobject_cast<CMyGroupBox*>(child)) {
            box->setEnabled(person != nullptr);
        }
    }
    ShowValues();
    ShowRoleSubPage(person);
}

void CDlgPlayerAllRight::StorePerson() {
    if (model_.Person() == nullptr) {
        return;
    }
    OnDateEdited(); // a date typed but not yet confirmed
    model_.Store();
    if (shownView_ != nullptr) {
        shownView_->StorePerson();
    }
}

void CDlgPlayerAllRight::SetRoleSubPage(PersonRoleGroup group, CDialogB* page,
                                        PersonPageView* view) {
    SubPage& entry = subPages_[group];
    if (entry.page != nullptr && entry.page != page) {
        if (shownView_ == entry.view) {
            shownView_->SetPerson(nullptr);
            shownView_ = nullptr;
        }
        roleArea_->removeWidget(entry.page);
        entry.page->hide();
    }
    entry = {page, view};
    if (page != nullptr) {
        page->MakeChildPage();
        roleArea_->addWidget(page);
    }
    if (model_.Person() != nullptr) {
        ShowRoleSubPage(model_.Person());
    }
}

CDialogB* CDlgPlayerAllRight::CurrentRoleSubPage() const {
    return qobject_cast<CDialogB*>(roleArea_->currentWidget());
}

void CDlgPlayerAllRight::ShowRoleSubPage(CPlayer* person) {
    const auto found = subPages_.find(model_.RoleGroup());
    const SubPage shown = found != subPages_.end() ? found->second : SubPage{};
    if (shownView_ != nullptr && shownView_ != shown.view) {
        // The page of another group lets go of the person it showed.
        shownView_->SetPerson(nullptr);
    }
    shownView_ = shown.view;
    roleArea_->setCurrentWidget(shown.page != nullptr ? static_cast<QWidget*>(shown.page)
                                                      : noSubPage_);
    if (shownView_ != nullptr) {
        shownView_->SetPerson(person);
    }
}

void CDlgPlayerAllRight::ShowValues() {
    filling_ = true;
    const bool any = model_.Person() != nullptr;
    for (int name = 0; name < PersonMainPageModel::kNameCount; ++name) {
        names_[static_cast<size_t>(name)]->setText(
            RecordToQString(model_.NameText(static_cast<PersonMainPageModel::Name>(name))));
    }
    nationality_->setCurrentIndex(any ? nationality_->findData(model_.Nationality()) : -1);
    secondNationality_->setCurrentIndex(
        any ? secondNationality_->findData(model_.SecondNationality()) : -1);
    exemption_->setChecked(model_.exemption);
    filling_ = false;
    ShowBirthDate();
    ShowPhoto();
}

void CDlgPlayerAllRight::ShowBirthDate() {
    if (model_.Person() == nullptr) {
        day_->Edit().clear();
        month_->Edit().clear();
        year_->Edit().clear();
        age_->clear();
        return;
    }
    const BirthDateFields& date = model_.birthDate;
    day_->SetIntegerRange(1, date.DayLimit());
    day_->SetValue(date.day);
    month_->SetValue(date.month);
    year_->SetValue(date.year);
    age_->setText(ToQString(FormatDialogText("person.main.age", model_.Age())));
}

void CDlgPlayerAllRight::OnDateEdited() {
    if (model_.Person() == nullptr) {
        return;
    }
    // Only a number that differs from the model's counts, so that a date outside the edits'
    // ranges read from a file stays as it is until the user changes it.
    BirthDateFields& date = model_.birthDate;
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

void CDlgPlayerAllRight::ShowPhoto() {
    const std::string path = model_.PhotoPath();
    const QImage picture = path.empty() ? QImage() : QImage(ToQString(path));
    if (picture.isNull()) {
        photo_->ClearPicture();
    } else {
        photo_->SetPicture(picture);
    }
    photoText_->setText(model_.Person() != nullptr ? ToQString(model_.PhotoText()) : QString());
    clearPhoto_->setEnabled(!model_.Photo().empty());
}

} // namespace tallo
