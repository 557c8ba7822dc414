#include "editors/records/dlg_choose_stadium.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "editing/records/stadium_chooser_model.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgChooseStadium::CDlgChooseStadium(StadiumChooserModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    setWindowTitle(ToQString(DialogText("intercomp.stadium.title")));
    setSizeGripEnabled(true);
    resize(600, 440);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* countryPane = new QWidget(splitter);
    auto* stadiumPane = new QWidget(splitter);
    countries_ = new CMyListBox(countryPane);
    stadiums_ = new CMyListBox(stadiumPane);
    auto* countryLayout = new QVBoxLayout(countryPane);
    countryLayout->setContentsMargins(0, 0, 0, 0);
    auto* countryLabel =
        new QLabel(ToQString(DialogText("intercomp.stadium.country")), countryPane);
    countryLabel->setBuddy(countries_);
    countryLayout->addWidget(countryLabel);
    countryLayout->addWidget(countries_, 1);
    auto* stadiumLayout = new QVBoxLayout(stadiumPane);
    stadiumLayout->setContentsMargins(0, 0, 0, 0);
    auto* stadiumLabel =
        new QLabel(ToQString(DialogText("intercomp.stadium.stadium")), stadiumPane);
    stadiumLabel->setBuddy(stadiums_);
    stadiumLayout->addWidget(stadiumLabel);
    stadiumLayout->addWidget(stadiums_, 1);
    empty_ = new QLabel(ToQString(DialogText("intercomp.stadium.empty")), stadiumPane);
    empty_->setWordWrap(true);
    stadiumLayout->addWidget(empty_);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    ok_ = new QPushButton(ToQString(DialogText("intercomp.ok")), this);
    auto* cancel = new QPushButton(ToQString(DialogText("intercomp.cancel")), this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    setTabOrder(countries_, stadiums_);
    setTabOrder(stadiums_, ok_);
    setTabOrder(ok_, cancel);

    for (const ChoiceEntry& entry : model_.Countries()) {
        countries_->AddRow(RecordToQString(entry.text), QVariant::fromValue(entry.value));
    }
    connect(countries_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_.SelectCountry(row);
            FillStadiums();
            ShowSelection();
        }
    });
    connect(stadiums_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_.SelectStadium(row);
            ShowSelection();
        }
    });
    connect(stadiums_, &QListWidget::itemDoubleClicked, this, [this] {
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
    FillStadiums();
    ShowSelection();
    (model_.StadiumIndex() >= 0 ? stadiums_ : countries_)->setFocus();
}

void CDlgChooseStadium::FillStadiums() {
    showing_ = true;
    stadiums_->clear();
    for (const ChoiceEntry& entry : model_.Stadiums()) {
        stadiums_->AddRow(RecordToQString(entry.text), QVariant::fromValue(entry.value));
    }
    empty_->setVisible(model_.CountryIndex() >= 0 && model_.Stadiums().empty());
    showing_ = false;
}

void CDlgChooseStadium::ShowSelection() {
    showing_ = true;
    countries_->setCurrentRow(model_.CountryIndex());
    stadiums_->setCurrentRow(model_.StadiumIndex());
    if (QListWidgetItem* stadium = stadiums_->currentItem()) {
        stadiums_->scrollToItem(stadium);
    }
    if (QListWidgetItem* country = countries_->currentItem()) {
        countries_->scrollToItem(country);
    }
    ok_->setEnabled(model_.Chosen().has_value());
    showing_ = false;
}

std::optional<uint32_t> ChooseStadiumDialog(QWidget* owner, const CWorld& world, int languageSlot,
                                            int presetCountry, uint32_t presetStadium) {
    StadiumChooserModel model(world, languageSlot);
    model.Preset(presetCountry, presetStadium);
    CDlgChooseStadium dialog(model, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return model.Chosen();
}

} // namespace tallo
