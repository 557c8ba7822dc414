#include "editors/assistants/dlg_player_without_club.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/assistants/report_list.h"
#include "editors/framework/context_menu.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/world.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

} // namespace

CDlgPlayerWithoutClub::CDlgPlayerWithoutClub(QWidget* parent, CWorld& world, int languageSlot,
                                             IRecordChoosers* choosers, const WorldChanges& changes)
    : CDialogB(parent), model_(std::make_unique<FreeAgentsModel>(world, languageSlot)),
      choosers_(choosers), changes_(changes) {
    setWindowTitle(Text("freeagents.title"));
    list_ = new CReportList(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->SetColumns({{NumberedText(848), 140, Qt::AlignLeft},
                       {NumberedText(854), 120, Qt::AlignLeft},
                       {NumberedText(849), 56, Qt::AlignLeft},
                       {NumberedText(850), 56, Qt::AlignRight}});
    list_->setMinimumSize(140 + 120 + 56 + 56 + 40, 360);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    count_ = new QLabel(this);
    move_ = new QPushButton(Text("freeagents.move"), this);
    move_->setAutoDefault(false);
    delete_ = new QPushButton(Text("freeagents.delete"), this);
    delete_->setAutoDefault(false);
    auto* close = new QPushButton(Text("freeagents.close"), this);
    close->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(move_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(count_);

    connect(list_, &CReportList::headingClicked, this, [this](int column) {
        // The current player stays current in the new order.
        const int current = list_->CurrentData();
        const uint32_t player =
            current >= 0 ? model_->Rows()[static_cast<size_t>(current)].player : 0;
        model_->SortBy(column);
        int row = -1;
        for (size_t i = 0; i < model_->Rows().size() && player != 0; ++i) {
            if (model_->Rows()[i].player == player) {
                row = static_cast<int>(i);
            }
        }
        ShowRows(row);
    });
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowMenu(pos); });
    connect(move_, &QPushButton::clicked, this, [this] { MoveToClub(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(close, &QPushButton::clicked, this, [this] { accept(); });
    ShowRows(model_->Rows().empty() ? -1 : 0);
}

CDlgPlayerWithoutClub::~CDlgPlayerWithoutClub() = default;

void CDlgPlayerWithoutClub::ShowRows(int row) {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(model_->Rows().size());
    for (const auto& entry : model_->Rows()) {
        cells.push_back(entry.cells);
    }
    list_->SetRows(cells);
    list_->clearSelection();
    if (row >= 0) {
        list_->SelectData(row);
    }
    count_->setText(
        ToQString(FormatDialogText("freeagents.count", static_cast<int>(model_->Rows().size()))));
    UpdateButtons();
}

void CDlgPlayerWithoutClub::UpdateButtons() {
    const bool any = !list_->SelectedData().empty();
    move_->setEnabled(any && choosers_ != nullptr);
    delete_->setEnabled(any);
}

int CDlgPlayerWithoutClub::CurrentRow() const {
    const int current = list_->CurrentData();
    if (current >= 0) {
        return current;
    }
    const std::vector<int> selected = list_->SelectedData();
    return selected.empty() ? -1 : selected.back();
}

void CDlgPlayerWithoutClub::MoveToClub() {
    if (choosers_ == nullptr || list_->SelectedData().empty()) {
        return;
    }
    ShowRows(model_->MoveToClub(list_->SelectedData(), CurrentRow(), *choosers_, changes_));
}

void CDlgPlayerWithoutClub::DeleteSelected() {
    if (list_->SelectedData().empty()) {
        return;
    }
    ShowRows(model_->Delete(list_->SelectedData(), CurrentRow(), changes_));
}

void CDlgPlayerWithoutClub::ShowMenu(const QPoint& pos) {
    // A right click on a row outside the selection selects that row alone; inside it the
    // selection stays, so that the commands act on every selected row.
    const int row = list_->rowAt(pos.y());
    if (row >= 0 && !list_->selectionModel()->isRowSelected(row, QModelIndex())) {
        list_->SelectData(list_->RowData(row));
    }
    if (menu_) {
        menu_->close();
    }
    menu_ = std::make_unique<QMenu>();
    AppendControlMenuItem(*menu_, *move_, move_->isEnabled());
    AppendControlMenuItem(*menu_, *delete_, delete_->isEnabled());
    menu_->popup(list_->viewport()->mapToGlobal(pos));
}

void RunFreeAgents(QWidget* owner, CWorld& world, int languageSlot, IRecordChoosers* choosers,
                   const WorldChanges& changes) {
    CDlgPlayerWithoutClub dialog(owner, world, languageSlot, choosers, changes);
    dialog.exec();
}

} // namespace tallo
