#include "editors/country/dlg_league_composition.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "competitions/db_league_base.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

using Mark = LeagueCompositionModel::Mark;

// Record text as UTF-8, for the formatted texts of the table.
std::string RecordUtf8(const std::string& record) {
    return FromQString(RecordToQString(record));
}

uint32_t ReferenceOf(const QListWidgetItem& item) {
    return item.data(Qt::UserRole).toUInt();
}

CCountry& CountryOf(const CountryEditContext& context) {
    return *context.world->GetCountry(context.country);
}

} // namespace

CDlgLeagueComposition::CDlgLeagueComposition(QWidget* owner, const CountryEditContext& context)
    : CDialogB(owner, Kind::Window), context_(context),
      model_(std::make_unique<LeagueCompositionModel>(CountryOf(context))) {
    setWindowTitle(ToQString(FormatDialogText(
        "composition.title",
        RecordUtf8(std::string(CountryOf(context).Name(context.languageSlot))).c_str())));
    BuildLayout();
    ShowLeagues();
    ShowTeams();
    ShowClubs();
}

CDlgLeagueComposition::~CDlgLeagueComposition() = default;

void CDlgLeagueComposition::BuildLayout() {
    leagues_ = new CMyListBox(this);
    leagues_->setMinimumWidth(200);
    teams_ = new CMyListBox(this);
    teams_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    teams_->SetColumns({{0, 200}, {205, -1}});
    teams_->setMinimumWidth(360);
    teams_->viewport()->setAcceptDrops(true);
    teams_->viewport()->installEventFilter(this);
    clubs_ = new CMyListBox(this);
    clubs_->setSelectionMode(QAbstractItemView::SingleSelection);
    clubs_->SetColumns({{0, 200}, {205, -1}});
    clubs_->setMinimumWidth(340);
    clubs_->viewport()->installEventFilter(this);
    hideReserves_ = new QCheckBox(UiText("composition.check.hide_reserves"), this);
    hideReserves_->setChecked(model_->HideReserves());
    remove_ = new QPushButton(UiText("composition.button.remove"), this);
    removeAll_ = new QPushButton(UiText("composition.button.remove_all"), this);

    auto header = [this](DialogTextKey first, DialogTextKey second) {
        auto* row = new QHBoxLayout;
        auto* left = new QLabel(ToQString(DialogText(first)), this);
        left->setFixedWidth(205);
        row->addWidget(left);
        row->addWidget(new QLabel(ToQString(DialogText(second)), this), 1);
        return row;
    };

    auto* grid = new QGridLayout;
    auto* leaguesLabel = new QLabel(UiText("composition.label.leagues"), this);
    leaguesLabel->setBuddy(leagues_);
    auto* teamsLabel = new QLabel(UiText("composition.label.teams"), this);
    teamsLabel->setBuddy(teams_);
    auto* clubsLabel = new QLabel(UiText("composition.label.clubs"), this);
    clubsLabel->setBuddy(clubs_);
    grid->addWidget(leaguesLabel, 0, 0);
    grid->addWidget(teamsLabel, 0, 1);
    grid->addWidget(clubsLabel, 0, 2);
    grid->addLayout(header("composition.column.team", "composition.column.season"), 1, 1);
    grid->addLayout(header("composition.column.club", "composition.column.league"), 1, 2);
    grid->addWidget(leagues_, 1, 0, 2, 1);
    grid->addWidget(teams_, 2, 1);
    grid->addWidget(clubs_, 2, 2);
    auto* teamButtons = new QHBoxLayout;
    teamButtons->addWidget(remove_);
    teamButtons->addWidget(removeAll_);
    teamButtons->addStretch(1);
    grid->addLayout(teamButtons, 3, 1);
    grid->addWidget(hideReserves_, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    auto* hint = new QLabel(UiText("composition.hint"), this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(hint);
    layout->addWidget(MakeOkCancelButtons(*this));

    connect(leagues_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            model_->SelectLeague(row);
            ShowTeams();
        }
    });
    connect(hideReserves_, &QCheckBox::toggled, this, [this](bool hide) {
        model_->SetHideReserves(hide);
        ShowClubs();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (model_->RemoveFromLeague(SelectedTeams()) > 0) {
            ShowChanges();
        }
    });
    connect(removeAll_, &QPushButton::clicked, this, [this] {
        if (model_->RemoveFromAllLeagues(SelectedTeams()) > 0) {
            ShowChanges();
        }
    });
    connect(clubs_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { DropClub(ReferenceOf(*item)); });
    connect(teams_, &CMyListBox::rightClicked, this,
            [this](const QPoint&, const QPoint& globalPos) { ShowTeamMenu(globalPos); });
    connect(teams_, &QListWidget::itemSelectionChanged, this, [this] {
        const bool any = !teams_->selectedItems().isEmpty();
        remove_->setEnabled(any);
        removeAll_->setEnabled(any);
    });
    remove_->setEnabled(false);
    removeAll_->setEnabled(false);
    resize(1040, 560);
}

void CDlgLeagueComposition::ShowLeagues() {
    const QSignalBlocker blocker(leagues_);
    leagues_->clear();
    for (const LeagueCompositionModel::LeagueRow& row : model_->Leagues()) {
        leagues_->AddRow(
            ToQString(FormatDialogText("composition.league.item", RecordUtf8(row.name).c_str(),
                                       row.teams, row.size)),
            static_cast<uint>(row.number));
    }
    leagues_->setCurrentRow(model_->SelectedLeague());
}

void CDlgLeagueComposition::ShowTeams() {
    const std::vector<uint32_t> selected = SelectedTeams();
    teams_->clear();
    for (const LeagueCompositionModel::TeamRow& row : model_->Teams()) {
        QListWidgetItem* item =
            teams_->AddRow(RecordToQString(row.name) + '\t' + ToQString(row.marks),
                           static_cast<uint>(row.reference));
        item->setSelected(std::find(selected.begin(), selected.end(), row.reference) !=
                          selected.end());
    }
}

void CDlgLeagueComposition::ShowClubs() {
    const int top = clubs_->currentRow();
    clubs_->clear();
    for (const LeagueCompositionModel::ClubRow& row : model_->Clubs()) {
        clubs_->AddRow(RecordToQString(row.name) + '\t' + RecordToQString(row.leagues),
                       static_cast<uint>(row.reference));
    }
    if (top >= 0 && top < clubs_->count()) {
        clubs_->setCurrentRow(top);
    }
}

void CDlgLeagueComposition::ShowChanges() {
    ShowLeagues();
    ShowTeams();
    ShowClubs();
}

std::vector<uint32_t> CDlgLeagueComposition::SelectedTeams() const {
    std::vector<uint32_t> references;
    for (int row = 0; row < teams_->count(); ++row) {
        if (teams_->item(row)->isSelected()) {
            references.push_back(ReferenceOf(*teams_->item(row)));
        }
    }
    return references;
}

std::unique_ptr<QMimeData> CDlgLeagueComposition::ClubMimeData(uint32_t reference) const {
    auto data = std::make_unique<QMimeData>();
    data->setData(kClubMimeType, QByteArray::number(reference));
    return data;
}

QPixmap CDlgLeagueComposition::ClubDragPixmap(uint32_t reference) const {
    QPixmap pixmap(kDragWidth, kDragHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(pixmap.rect().adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     RecordToQString(CountryOf(context_).GetReferenceName(reference)));
    return pixmap;
}

bool CDlgLeagueComposition::DropClub(uint32_t reference) {
    using AddResult = LeagueCompositionModel::AddResult;
    const AddResult result = model_->AddTeam(reference);
    if (result == AddResult::Added) {
        ShowChanges();
        return true;
    }
    if (result == AddResult::LeagueFull && context_.prompt != nullptr) {
        const CDBLeagueBase* league = model_->League();
        context_.prompt->ShowMessage(
            FormatDialogText("composition.full.text",
                             RecordUtf8(std::string(league->Name())).c_str(), league->TeamCount()),
            DialogText("composition.full.title"));
    }
    return false;
}

void CDlgLeagueComposition::MarkSelectedTeams(Mark mark) {
    if (model_->SetMark(SelectedTeams(), mark)) {
        ShowTeams();
    }
}

bool CDlgLeagueComposition::ShowTeamMenu(const QPoint& globalPos) {
    auto menu = std::make_unique<QMenu>(this);
    auto add = [this, &menu](DialogTextKey key, Mark mark) {
        QAction* action = menu->addAction(ToQString(DialogText(key)));
        connect(action, &QAction::triggered, this, [this, mark] { MarkSelectedTeams(mark); });
    };
    add("composition.menu.cup_winner", Mark::CupWinner);
    add("composition.menu.cup_finalist", Mark::CupFinalist);
    add("composition.menu.clear_cup", Mark::ClearCup);
    menu->addSeparator();
    add("composition.menu.promoted", Mark::Promoted);
    add("composition.menu.relegated", Mark::Relegated);
    add("composition.menu.clear_move", Mark::ClearMove);
    return ShowContextMenu(*teams_, std::move(menu), globalPos);
}

void CDlgLeagueComposition::StartClubDrag() {
    QListWidgetItem* item = clubs_->itemAt(dragStart_);
    if (item == nullptr) {
        return;
    }
    const uint32_t reference = ReferenceOf(*item);
    auto* drag = new QDrag(clubs_);
    drag->setMimeData(ClubMimeData(reference).release());
    drag->setPixmap(ClubDragPixmap(reference));
    drag->setHotSpot(QPoint(kDragWidth / 2, kDragHeight / 2));
    drag->exec(Qt::CopyAction);
}

bool CDlgLeagueComposition::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clubs_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            dragArmed_ = mouse->button() == Qt::LeftButton;
            dragStart_ = mouse->position().toPoint();
        } else if (event->type() == QEvent::MouseMove && dragArmed_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if ((mouse->buttons() & Qt::LeftButton) == 0) {
                dragArmed_ = false;
            } else if ((mouse->position().toPoint() - dragStart_).manhattanLength() >=
                       QApplication::startDragDistance()) {
                dragArmed_ = false;
                StartClubDrag();
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragArmed_ = false;
        }
        return false;
    }
    if (watched == teams_->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasFormat(kClubMimeType) && model_->League() != nullptr) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            bool ok = false;
            const uint32_t reference = drop->mimeData()->data(kClubMimeType).toUInt(&ok);
            if (ok) {
                drop->setDropAction(Qt::CopyAction);
                drop->accept();
                DropClub(reference);
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            break;
        }
    }
    return CDialogB::eventFilter(watched, event);
}

bool RunLeagueComposition(QWidget* owner, const CountryEditContext& context) {
    if (context.world == nullptr || context.world->GetCountry(context.country) == nullptr) {
        return false;
    }
    CDlgLeagueComposition dialog(owner, context);
    const LeagueCompositionModel::Snapshot before = dialog.Model().Take();
    if (dialog.exec() != QDialog::Accepted) {
        dialog.Model().Restore(before);
        return false;
    }
    return !(dialog.Model().Take() == before);
}

} // namespace tallo
