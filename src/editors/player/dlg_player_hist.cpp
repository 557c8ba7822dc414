#include "editors/player/dlg_player_hist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

using Slot = PlayerHistoryPageModel::ClubSlot;

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr DialogTextKey kClubLabels[PlayerHistoryPageModel::kClubSlots] = {
    "history.first_club", "history.previous_club", "history.loan_club", "history.favourite_club",
    "history.never_join_club"};

void SetSpin(QSpinBox& spin, int value) {
    spin.setValue(value);
}

} // namespace

CDlgPlayerHist::CDlgPlayerHist(QWidget* parent, const PersonEditContext& context)
    : CDialogB(parent, Kind::ChildPage), model_(context) {
    setWindowTitle(Text("history.title"));
    auto* layout = new QGridLayout(this);

    auto* clubsBox = new CMyGroupBox(Text("history.group.clubs"), this);
    auto* clubs = new QGridLayout(clubsBox);
    for (int slot = 0; slot < PlayerHistoryPageModel::kClubSlots; ++slot) {
        clubs->addWidget(new QLabel(Text(kClubLabels[slot]), clubsBox), slot, 0);
        auto* name = new QLabel(clubsBox);
        name->setMinimumWidth(180);
        clubs->addWidget(name, slot, 1);
        auto* choose = new QPushButton(Text("history.choose"), clubsBox);
        auto* clear = new QPushButton(Text("history.clear"), clubsBox);
        clubs->addWidget(choose, slot, 2);
        clubs->addWidget(clear, slot, 3);
        clubNames_[slot] = name;
        chooseButtons_[slot] = choose;
        clearButtons_[slot] = clear;
        const Slot which = static_cast<Slot>(slot);
        connect(choose, &QPushButton::clicked, this, [this, which] {
            if (model_.ChooseClub(which)) {
                ShowClubNames();
            }
        });
        connect(clear, &QPushButton::clicked, this, [this, which] {
            model_.ClearClub(which);
            ShowClubNames();
        });
    }
    clubs->setColumnStretch(1, 1);
    layout->addWidget(clubsBox, 0, 0, 1, 2);

    auto* nationalBox = new CMyGroupBox(Text("history.group.national"), this);
    auto* national = new QGridLayout(nationalBox);
    caps_ = AddSpin(*national, 0, "history.caps", 0, 255, nationalBox);
    goals_ = AddSpin(*national, 1, "history.goals", 0, 255, nationalBox);
    inNational_ = new QCheckBox(Text("history.in_national_team"), nationalBox);
    refuses_ = new QCheckBox(Text("history.refuses_national_team"), nationalBox);
    national->addWidget(inNational_, 2, 0, 1, 2);
    national->addWidget(refuses_, 3, 0, 1, 2);
    national->addWidget(new QLabel(Text("history.start_state"), nationalBox), 4, 0);
    startState_ = new QComboBox(nationalBox);
    for (const std::string& name : PlayerHistoryPageModel::StartStateNames()) {
        startState_->addItem(ToQString(name));
    }
    national->addWidget(startState_, 4, 1);
    national->addWidget(new QLabel(Text("history.favourite_country"), nationalBox), 5, 0);
    favouriteCountry_ = new QComboBox(nationalBox);
    for (const auto& country : model_.Countries()) {
        favouriteCountry_->addItem(ToQString(country.name), country.number);
    }
    national->addWidget(favouriteCountry_, 5, 1);
    national->setRowStretch(6, 1);
    layout->addWidget(nationalBox, 1, 0);

    auto* contractBox = new CMyGroupBox(Text("history.group.contract"), this);
    auto* contract = new QGridLayout(contractBox);
    yearJoined_ =
        AddSpin(*contract, 0, "history.year_joined", PlayerHistoryPageModel::FirstYearJoined(),
                PlayerHistoryPageModel::LastYearJoined(), contractBox);
    contractEnd_ = AddSpin(*contract, 1, "history.contract_end_year",
                           PlayerHistoryPageModel::FirstContractEnd(),
                           PlayerHistoryPageModel::LastContractEnd(), contractBox);
    contract->addWidget(new QLabel(Text("history.day"), contractBox), 2, 1);
    contract->addWidget(new QLabel(Text("history.month"), contractBox), 2, 2);
    contract->addWidget(new QLabel(Text("history.year"), contractBox), 2, 3);
    startDate_ = AddDate(*contract, 3, "history.contract_start", contractBox,
                         &PlayerHistoryPageModel::contractStart);
    endDate_ = AddDate(*contract, 4, "history.contract_end_date", contractBox,
                       &PlayerHistoryPageModel::contractEndDate);
    contract->setRowStretch(5, 1);
    layout->addWidget(contractBox, 1, 1);
    layout->setRowStretch(2, 1);

    connect(yearJoined_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetYearJoined(value);
        }
    });
    connect(contractEnd_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.SetContractEnd(value);
        }
    });
    connect(caps_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.caps = value;
        }
    });
    connect(goals_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!filling_) {
            model_.goals = value;
        }
    });
    connect(inNational_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.inNationalTeam = on;
        }
    });
    connect(refuses_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            model_.refusesNationalTeam = on;
        }
    });
    connect(startState_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetStartState(index);
        }
    });
    connect(favouriteCountry_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_.SetFavouriteCountry(favouriteCountry_->itemData(index).toInt());
        }
    });
    SetPerson(nullptr);
}

QSpinBox* CDlgPlayerHist::AddSpin(QGridLayout& grid, int row, DialogTextKey label, int minimum,
                                  int maximum, QWidget* parent) {
    grid.addWidget(new QLabel(Text(label), parent), row, 0);
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    grid.addWidget(spin, row, 1);
    return spin;
}

CDlgPlayerHist::DateSpins
CDlgPlayerHist::AddDate(QGridLayout& grid, int row, DialogTextKey label, QWidget* parent,
                        ContractDateFields PlayerHistoryPageModel::*fields) {
    grid.addWidget(new QLabel(Text(label), parent), row, 0);
    DateSpins spins;
    spins.day = new QSpinBox(parent);
    spins.day->setRange(1, 31);
    spins.month = new QSpinBox(parent);
    spins.month->setRange(1, 12);
    spins.year = new QSpinBox(parent);
    spins.year->setRange(ContractDateFields::kFirstYear, ContractDateFields::kLastYear);
    grid.addWidget(spins.day, row, 1);
    grid.addWidget(spins.month, row, 2);
    grid.addWidget(spins.year, row, 3);
    auto changed = [this, spins, fields](void (ContractDateFields::*set)(int), int value) {
        if (filling_) {
            return;
        }
        ((model_.*fields).*set)(value);
        ShowDate(spins, model_.*fields);
    };
    connect(spins.day, &QSpinBox::valueChanged, this,
            [changed](int value) { changed(&ContractDateFields::SetDay, value); });
    connect(spins.month, &QSpinBox::valueChanged, this,
            [changed](int value) { changed(&ContractDateFields::SetMonth, value); });
    connect(spins.year, &QSpinBox::valueChanged, this,
            [changed](int value) { changed(&ContractDateFields::SetYear, value); });
    return spins;
}

void CDlgPlayerHist::ShowDate(const DateSpins& spins, const ContractDateFields& fields) {
    const bool wasFilling = filling_;
    filling_ = true;
    spins.day->setMaximum(fields.DayLimit());
    SetSpin(*spins.day, fields.day);
    SetSpin(*spins.month, fields.month);
    SetSpin(*spins.year, fields.year);
    const QString tip = fields.set ? QString() : Text("history.no_date");
    for (QSpinBox* spin : {spins.day, spins.month, spins.year}) {
        spin->setToolTip(tip);
    }
    filling_ = wasFilling;
}

void CDlgPlayerHist::SetPerson(CPlayer* person) {
    model_.SetPerson(person);
    setEnabled(person != nullptr);
    ShowValues();
}

void CDlgPlayerHist::StorePerson() {
    model_.Store();
}

void CDlgPlayerHist::ShowValues() {
    filling_ = true;
    SetSpin(*yearJoined_, model_.YearJoined());
    SetSpin(*contractEnd_, model_.ContractEnd());
    SetSpin(*caps_, model_.caps);
    SetSpin(*goals_, model_.goals);
    inNational_->setChecked(model_.inNationalTeam);
    refuses_->setChecked(model_.refusesNationalTeam);
    startState_->setCurrentIndex(model_.Person() != nullptr ? model_.StartState() : -1);
    ShowDate(startDate_, model_.contractStart);
    ShowDate(endDate_, model_.contractEndDate);
    favouriteCountry_->setCurrentIndex(
        model_.Person() != nullptr ? favouriteCountry_->findData(model_.FavouriteCountry()) : -1);
    filling_ = false;
    ShowClubNames();
}

void CDlgPlayerHist::ShowClubNames() {
    const bool any = model_.Person() != nullptr;
    for (int slot = 0; slot < PlayerHistoryPageModel::kClubSlots; ++slot) {
        const std::string name = model_.ClubName(static_cast<Slot>(slot));
        clubNames_[slot]->setText(!any           ? QString()
                                  : name.empty() ? Text("history.no_club")
                                                 : ToQString(name));
    }
}

} // namespace tallo
