#include "editors/assistants/dlg_fast_transfer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/world.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr int kPlayerNameWidth = 300;
constexpr int kPositionWidth = 44;

QLabel* Caption(DialogTextKey key, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(Text(key), parent);
    label->setBuddy(buddy);
    return label;
}

// The row of `list` whose item data is `data`, -1 for none.
int RowOf(const QListWidget& list, uint32_t data) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toUInt() == data) {
            return row;
        }
    }
    return -1;
}

} // namespace

CDlgFastTransfer::CDlgFastTransfer(QWidget* parent, CWorld& world, int languageSlot, int country,
                                   const WorldChanges& changes)
    : CDialogB(parent), model_(std::make_unique<FastTransferModel>(world, languageSlot, country)),
      changes_(changes) {
    setWindowTitle(Text("fasttransfer.title"));

    sourceCountries_ = new QComboBox(this);
    sourceCountries_->setMaxVisibleItems(20);
    players_ = new CMyListBox(this);
    players_->SetColumns(
        {{0, kPlayerNameWidth, Qt::AlignLeft},
         {kPlayerNameWidth + 6, kPlayerNameWidth + 6 + kPositionWidth, Qt::AlignLeft}});
    players_->setMinimumSize(kPlayerNameWidth + kPositionWidth + 30, 320);
    currentNumber_ = new QLabel(this);
    currentNumber_->setMinimumWidth(40);
    currentNumber_->setFrameShape(QFrame::StyledPanel);
    targetCountries_ = new QListWidget(this);
    targetCountries_->setMinimumWidth(180);
    clubs_ = new QListWidget(this);
    clubs_->setMinimumWidth(200);
    numbers_ = new QListWidget(this);
    numbers_->setMaximumWidth(70);
    transfer_ = new QPushButton(Text("fasttransfer.transfer"), this);
    transfer_->setAutoDefault(false);
    auto* close = new QPushButton(Text("fasttransfer.close"), this);
    close->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(Caption("fasttransfer.source_country", sourceCountries_, this));
    left->addWidget(sourceCountries_);
    left->addWidget(Caption("fasttransfer.players", players_, this));
    left->addWidget(players_, 1);
    auto* number = new QHBoxLayout;
    number->addWidget(new QLabel(Text("fasttransfer.current_number"), this));
    number->addWidget(currentNumber_);
    number->addStretch(1);
    left->addLayout(number);

    auto* right = new QGridLayout;
    right->addWidget(Caption("fasttransfer.target_country", targetCountries_, this), 0, 0);
    right->addWidget(Caption("fasttransfer.target_club", clubs_, this), 0, 1);
    right->addWidget(Caption("fasttransfer.new_number", numbers_, this), 0, 2);
    right->addWidget(targetCountries_, 1, 0);
    right->addWidget(clubs_, 1, 1);
    right->addWidget(numbers_, 1, 2);
    right->setRowStretch(1, 1);

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 3);
    lists->addLayout(right, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(transfer_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    filling_ = true;
    for (const auto& item : model_->SourceCountries()) {
        sourceCountries_->addItem(RecordToQString(item.text), item.data);
    }
    sourceCountries_->setCurrentIndex(sourceCountries_->findData(model_->SourceCountry()));
    for (const auto& item : model_->TargetCountries()) {
        auto* entry = new QListWidgetItem(RecordToQString(item.text), targetCountries_);
        entry->setData(Qt::UserRole, item.data);
    }
    targetCountries_->setCurrentRow(RowOf(*targetCountries_, model_->TargetCountry()));
    filling_ = false;
    ShowPlayers();
    ShowClubs();
    ShowNumbers();

    connect(sourceCountries_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_ || index < 0) {
            return;
        }
        model_->SetSourceCountry(sourceCountries_->itemData(index).toInt());
        ShowPlayers();
    });
    connect(players_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) {
            return;
        }
        model_->ChoosePlayer(players_->item(row)->data(Qt::UserRole).toUInt());
        currentNumber_->setText(ToQString(model_->CurrentNumberText()));
    });
    connect(targetCountries_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) {
            return;
        }
        model_->SetTargetCountry(targetCountries_->item(row)->data(Qt::UserRole).toInt());
        ShowClubs();
        ShowNumbers();
    });
    connect(clubs_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) {
            return;
        }
        model_->ChooseTargetClub(clubs_->item(row)->data(Qt::UserRole).toUInt());
        ShowNumbers();
    });
    connect(numbers_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) {
            return;
        }
        model_->ChooseNumber(numbers_->item(row)->data(Qt::UserRole).toInt());
    });
    connect(transfer_, &QPushButton::clicked, this, [this] { Transfer(); });
    connect(close, &QPushButton::clicked, this, [this] { accept(); });
}

CDlgFastTransfer::~CDlgFastTransfer() = default;

void CDlgFastTransfer::ShowPlayers() {
    filling_ = true;
    players_->clear();
    for (const auto& item : model_->Players()) {
        players_->AddRow(RecordToQString(item.text), item.data);
    }
    players_->setCurrentRow(RowOf(*players_, model_->ChosenPlayer()));
    filling_ = false;
    currentNumber_->setText(ToQString(model_->CurrentNumberText()));
}

void CDlgFastTransfer::ShowClubs() {
    filling_ = true;
    clubs_->clear();
    for (const auto& item : model_->Clubs()) {
        auto* entry = new QListWidgetItem(RecordToQString(item.text), clubs_);
        entry->setData(Qt::UserRole, item.data);
    }
    clubs_->setCurrentRow(RowOf(*clubs_, model_->TargetClub()));
    filling_ = false;
}

void CDlgFastTransfer::ShowNumbers() {
    filling_ = true;
    numbers_->clear();
    for (int number : model_->Numbers()) {
        auto* entry = new QListWidgetItem(QString::number(number), numbers_);
        entry->setData(Qt::UserRole, number);
    }
    numbers_->setCurrentRow(RowOf(*numbers_, static_cast<uint32_t>(model_->ChosenNumber())));
    filling_ = false;
}

void CDlgFastTransfer::Transfer() {
    if (model_->Transfer(changes_)) {
        ShowPlayers();
        ShowNumbers();
    }
}

void RunFastTransfer(QWidget* owner, CWorld& world, int languageSlot, int country,
                     const WorldChanges& changes) {
    CDlgFastTransfer dialog(owner, world, languageSlot, country, changes);
    dialog.exec();
}

} // namespace tallo
