#include "editors/country/dlg_land_league_system.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/country/dlg_league_data.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

// Cells per row of a level's box: the ten leagues of the lower levels take two rows.
constexpr int kCellsPerRow = 5;

} // namespace

CDlgLandLeagueSystem::CDlgLandLeagueSystem(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    BuildLayout();
}

void CDlgLandLeagueSystem::BuildLayout() {
    formats_ = new QComboBox(this);
    for (const std::string& text : LeagueSystemPageModel::FormatTexts()) {
        formats_->addItem(ToQString(text));
    }
    formats_->setMaxVisibleItems(kLeagueFormatCount);
    auto* formatLabel = new QLabel(ToQString(DialogText("league.system.format")), this);
    formatLabel->setBuddy(formats_);
    connect(formats_, &QComboBox::currentIndexChanged, this, &CDlgLandLeagueSystem::OnFormatChosen);

    auto* top = new QHBoxLayout;
    top->addWidget(formatLabel);
    top->addWidget(formats_);
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    const QString hint = ToQString(DialogText("league.system.cell_hint"));
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        levels_[level] =
            new CMyGroupBox(ToQString(FormatDialogText("league.system.level", level + 1)), this);
        auto* grid = new QGridLayout(levels_[level]);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(2);
        for (int index = 0; index < kLeagueGridCells[level]; ++index) {
            auto* cell = new QPushButton(levels_[level]);
            cell->setToolTip(hint);
            cell->setMinimumWidth(120);
            connect(cell, &QPushButton::clicked, this,
                    [this, level, index] { OpenLeague(level, index); });
            grid->addWidget(cell, index / kCellsPerRow, index % kCellsPerRow);
            cells_[level].push_back(cell);
        }
        for (int column = 0; column < kCellsPerRow; ++column) {
            grid->setColumnStretch(column, 1);
        }
        layout->addWidget(levels_[level]);
    }

    clubCount_ = new QLabel(this);
    note_ = new QLabel(this);
    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(ToQString(DialogText("league.system.clubs")), this));
    counts->addWidget(clubCount_);
    counts->addSpacing(20);
    counts->addWidget(note_);
    counts->addStretch(1);
    layout->addLayout(counts);

    fixtures_ = new QPushButton(ToQString(DialogText("league.system.fixtures")), this);
    calendar_ = new QPushButton(ToQString(DialogText("league.system.calendar")), this);
    composition_ = new QPushButton(ToQString(DialogText("league.system.composition")), this);
    connect(fixtures_, &QPushButton::clicked, this, &CDlgLandLeagueSystem::FixturesRequested);
    connect(calendar_, &QPushButton::clicked, this, &CDlgLandLeagueSystem::CalendarRequested);
    connect(composition_, &QPushButton::clicked, this, &CDlgLandLeagueSystem::CompositionRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fixtures_);
    buttons->addWidget(calendar_);
    buttons->addWidget(composition_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void CDlgLandLeagueSystem::FillCountry() {
    model_.Fill();
    ShowModel();
}

void CDlgLandLeagueSystem::StoreCountry() {}

void CDlgLandLeagueSystem::ShowModel() {
    showing_ = true;
    {
        const QSignalBlocker blocker(formats_);
        formats_->setCurrentIndex(model_.SelectedFormat());
    }
    const auto& grid = model_.Grid();
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        bool any = false;
        for (size_t index = 0; index < cells_[level].size(); ++index) {
            const LeagueSystemPageModel::Cell& cell = grid[level][index];
            QPushButton* button = cells_[level][index];
            button->setText(cell.visible ? RecordToQString(cell.name) : QString());
            button->setVisible(cell.visible);
            any = any || cell.visible;
        }
        levels_[level]->setVisible(any);
    }
    clubCount_->setText(ToQString(model_.ClubCountText()));
    note_->setText(ToQString(model_.PlayersNote()));
    for (QPushButton* button : {fixtures_, calendar_, composition_}) {
        button->setEnabled(model_.ButtonsEnabled());
    }
    showing_ = false;
}

void CDlgLandLeagueSystem::OnFormatChosen(int index) {
    if (showing_) {
        return;
    }
    const bool changed = model_.ChooseFormat(index);
    ShowModel();
    if (changed) {
        emit LeagueSystemChanged();
    }
}

void CDlgLandLeagueSystem::OpenLeague(int level, int index) {
    const LeagueSystemPageModel::Cell& cell = model_.Grid()[level][static_cast<size_t>(index)];
    if (!cell.visible) {
        return;
    }
    if (RunLeagueData(this, context_, cell.leagueNumber)) {
        model_.Fill();
        ShowModel();
        emit LeagueSystemChanged();
    }
}

} // namespace tallo
