#include "editors/club/dlg_choose_club.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "editing/club/club_chooser_model.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgChooseClub::CDlgChooseClub(ClubChooserModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    setWindowTitle(ToQString(DialogText("club.chooser.title")));
    setSizeGripEnabled(true);
    resize(560, 440);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* countryPane = new QWidget(splitter);
    auto* clubPane = new QWidget(splitter);
    countries_ = new CMyListBox(countryPane);
    clubs_ = new CMyListBox(clubPane);
    auto* countryLayout = new QVBoxLayout(countryPane);
    countryLayout->setContentsMargins(0, 0, 0, 0);
    auto* countryLabel = new QLabel(ToQString(DialogText("club.chooser.country")), countryPane);
    countryLabel->setBuddy(countries_);
    countryLayout->addWidget(countryLabel);
    countryLayout->addWidget(countries_, 1);
    auto* clubLayout = new QVBoxLayout(clubPane);
    clubLayout->setContentsMargins(0, 0, 0, 0);
    auto* clubLabel = new QLabel(ToQString(DialogText("club.chooser.club")), clubPane);
    clubLabel->setBuddy(clubs_);
    clubLayout->addWidget(clubLabel);
    clubLayout->addWidget(clubs_, 1);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    ok_ = new QPushButton(ToQString(DialogText("club.button.ok")), this);
    auto* cancel = new QPushButton(ToQString(DialogText("club.button.cancel")), this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    setTabOrder(countries_, clubs_);
    setTabOrder(clubs_, ok_);
    setTabOrder(ok_, cancel);

    for (const ChoiceEntry& entry : model_.Countries()) {
        countries_->AddRow(RecordToQString(entry.text), QVariant::fromValue(entry.value));
    }
    connect(countries_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_.SelectCountry(row);
            FillClubs();
            ShowSelection();
        }
    });
    connect(clubs_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_.SelectClub(row);
            ShowSelection();
        }
    });
    connect(clubs_, &QListWidget::itemDoubleClicked, this, [this] {
        if (model_.Chosen()) {
            accept();
        }
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (model_.Chosen()) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FillClubs();
    ShowSelection();
    (model_.ClubIndex() >= 0 ? clubs_ : countries_)->setFocus();
}

void CDlgChooseClub::FillClubs() {
    showing_ = true;
    clubs_->clear();
    for (const ChoiceEntry& entry : model_.Clubs()) {
        clubs_->AddRow(RecordToQString(entry.text), QVariant::fromValue(entry.value));
    }
    showing_ = false;
}

void CDlgChooseClub::ShowSelection() {
    showing_ = true;
    countries_->setCurrentRow(model_.CountryIndex());
    clubs_->setCurrentRow(model_.ClubIndex());
    if (QListWidgetItem* club = clubs_->currentItem()) {
        clubs_->scrollToItem(club);
    }
    if (QListWidgetItem* country = countries_->currentItem()) {
        countries_->scrollToItem(country);
    }
    ok_->setEnabled(model_.Chosen().has_value());
    showing_ = false;
}

std::optional<uint32_t> ChooseClubDialog(QWidget* owner, CWorld& world, int languageSlot,
                                         int presetCountry, uint32_t presetClub) {
    ClubChooserModel model(world, languageSlot);
    model.Preset(presetCountry, presetClub);
    CDlgChooseClub dialog(model, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return model.Chosen();
}

} // namespace tallo
