#include "editors/assistants/dlg_player_compare.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/assistants/report_list.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

// The string-table entry of the first ability's name; the others follow in order.
constexpr int kFirstAbilityName = 264;

} // namespace

CDlgPlayerCompare::CDlgPlayerCompare(QWidget* parent, const CWorld& world, int languageSlot,
                                     int country)
    : CDialogB(parent), model_(std::make_unique<PlayerCompareModel>(world, languageSlot, country)) {
    setWindowTitle(Text("compare.title"));
    for (int side = 0; side < PlayerCompareModel::kSides; ++side) {
        MakeSide(side);
    }

    auto* top = new QGridLayout;
    for (int side = 0; side < PlayerCompareModel::kSides; ++side) {
        const SideWidgets& widgets = sides_[static_cast<size_t>(side)];
        const int column = side == 0 ? 0 : 2;
        auto* choice = new QGridLayout;
        choice->addWidget(new QLabel(Text("compare.country"), this), 0, 0);
        choice->addWidget(widgets.countries, 0, 1);
        choice->addWidget(new QLabel(Text("compare.club"), this), 1, 0);
        choice->addWidget(widgets.clubs, 1, 1);
        choice->setColumnStretch(1, 1);
        top->addLayout(choice, 0, column);
        top->addWidget(widgets.players, 1, column);
    }
    top->setColumnMinimumWidth(1, 12);
    top->setRowStretch(1, 1);

    auto* abilities = new QGridLayout;
    abilities->setVerticalSpacing(2);
    for (int index = 0; index < CPlayer::kAbilityCount; ++index) {
        const int row = index % 8;
        const int column = index < 8 ? 0 : 4;
        auto* name = new QLabel(NumberedText(kFirstAbilityName + index), this);
        name->setAlignment(Qt::AlignCenter);
        abilities->addWidget(sides_[0].abilities[static_cast<size_t>(index)], row, column);
        abilities->addWidget(name, row, column + 1);
        abilities->addWidget(sides_[1].abilities[static_cast<size_t>(index)], row, column + 2);
    }
    abilities->setColumnMinimumWidth(3, 24);
    abilities->setColumnStretch(1, 1);
    abilities->setColumnStretch(5, 1);

    auto* close = new QPushButton(Text("compare.close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] { accept(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(abilities);
    layout->addLayout(buttons);

    for (int side = 0; side < PlayerCompareModel::kSides; ++side) {
        SideWidgets& widgets = sides_[static_cast<size_t>(side)];
        filling_ = true;
        for (const auto& item : model_->Countries()) {
            widgets.countries->addItem(RecordToQString(item.text), item.data);
        }
        widgets.countries->setCurrentIndex(widgets.countries->findData(model_->Country(side)));
        filling_ = false;
        ShowClubs(side);
    }
}

CDlgPlayerCompare::~CDlgPlayerCompare() = default;

void CDlgPlayerCompare::MakeSide(int side) {
    SideWidgets& widgets = sides_[static_cast<size_t>(side)];
    widgets.countries = new QComboBox(this);
    widgets.countries->setMaxVisibleItems(20);
    widgets.clubs = new QComboBox(this);
    widgets.clubs->setMaxVisibleItems(20);
    widgets.players = new CReportList(this);
    widgets.players->SetColumns({{NumberedText(848), 160, Qt::AlignLeft},
                                 {NumberedText(849), 64, Qt::AlignLeft},
                                 {NumberedText(850), 56, Qt::AlignLeft}});
    widgets.players->setMinimumSize(160 + 64 + 56 + 24, 240);
    for (auto& field : widgets.abilities) {
        field = new CSpinEditCtrl(this);
        field->SetIntegerRange(1, 10);
        field->Edit().setReadOnly(true);
        field->Spin().setEnabled(false);
        field->setMaximumWidth(64);
        field->setEnabled(false);
    }

    connect(widgets.countries, &QComboBox::currentIndexChanged, this, [this, side](int index) {
        if (filling_ || index < 0) {
            return;
        }
        model_->ChooseCountry(side, Countries(side).itemData(index).toInt());
        ShowClubs(side);
    });
    connect(widgets.clubs, &QComboBox::currentIndexChanged, this, [this, side](int index) {
        if (filling_ || index < 0) {
            return;
        }
        model_->ChooseClub(side, Clubs(side).itemData(index).toUInt());
        ShowPlayers(side);
    });
    connect(widgets.players, &QTableWidget::itemSelectionChanged, this, [this, side] {
        if (filling_) {
            return;
        }
        model_->ChooseRow(side, Players(side).CurrentData());
        ShowAbilities(side);
    });
    connect(widgets.players, &CReportList::headingClicked, this, [this, side](int column) {
        model_->SortBy(side, column);
        ShowPlayers(side);
    });
}

void CDlgPlayerCompare::ShowClubs(int side) {
    QComboBox& clubs = Clubs(side);
    filling_ = true;
    clubs.clear();
    for (const auto& item : model_->Clubs(side)) {
        clubs.addItem(RecordToQString(item.text), item.data);
    }
    clubs.setCurrentIndex(clubs.findData(model_->Club(side)));
    filling_ = false;
    ShowPlayers(side);
}

void CDlgPlayerCompare::ShowPlayers(int side) {
    CReportList& players = Players(side);
    std::vector<std::vector<std::string>> cells;
    for (const auto& row : model_->Players(side)) {
        cells.push_back(row.cells);
    }
    filling_ = true;
    players.clearSelection();
    players.setCurrentItem(nullptr);
    players.SetRows(cells);
    const int chosen = model_->ChosenRow(side);
    if (chosen >= 0) {
        players.SelectData(chosen);
    }
    filling_ = false;
    ShowAbilities(side);
}

void CDlgPlayerCompare::ShowAbilities(int side) {
    const std::optional<PlayerCompareModel::Abilities> abilities = model_->PlayerAbilities(side);
    for (int index = 0; index < CPlayer::kAbilityCount; ++index) {
        CSpinEditCtrl& field = Ability(side, index);
        if (abilities) {
            field.SetValue((*abilities)[static_cast<size_t>(index)]);
        } else {
            field.Edit().clear();
        }
        field.setEnabled(abilities.has_value());
    }
}

void RunPlayerComparison(QWidget* owner, const CWorld& world, int languageSlot, int country) {
    CDlgPlayerCompare dialog(owner, world, languageSlot, country);
    dialog.exec();
}

} // namespace tallo
