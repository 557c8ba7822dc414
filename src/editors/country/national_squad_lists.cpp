#include "editors/country/national_squad_lists.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editing/country/national_team_model.h"
#include "editing/player/player_positions_names.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

enum Column { kName, kClub, kPosition, kAge, kRating, kCaps, kRefuses, kColumns };

QTreeWidget* SquadList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(kColumns);
    list->setHeaderLabels({UiText("national.column.name"), UiText("national.column.club"),
                           UiText("national.column.position"), UiText("national.column.age"),
                           UiText("national.column.rating"), UiText("national.column.caps"),
                           UiText("national.column.refuses")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every column as wide as its texts; the list scrolls sideways when they do not fit.
    list->header()->setStretchLastSection(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumWidth(440);
    return list;
}

void Fill(QTreeWidget& list, const std::vector<NationalTeamModel::Row>& rows) {
    list.setUpdatesEnabled(false);
    list.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    const QString refuses = UiText("national.refuses");
    for (const NationalTeamModel::Row& row : rows) {
        auto* item = new QTreeWidgetItem;
        item->setText(kName, RecordToQString(row.name));
        item->setText(kClub, RecordToQString(row.clubName));
        item->setText(kPosition, ToQString(row.position));
        item->setText(kAge, QString::number(row.age));
        item->setText(kRating, ToQString(RatingText(row.rating)));
        item->setText(kCaps, ToQString(FormatDialogText("national.caps", row.caps, row.goals)));
        item->setText(kRefuses, row.refuses ? refuses : QString());
        for (int column : {kAge, kRating, kCaps}) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setData(kName, Qt::UserRole, static_cast<qulonglong>(row.person));
        items.push_back(item);
    }
    list.addTopLevelItems(items);
    list.setUpdatesEnabled(true);
}

} // namespace

CNationalSquadLists::CNationalSquadLists(NationalTeamModel& model, QWidget* parent)
    : QWidget(parent), model_(model), calledLabel_(new QLabel(this)),
      othersLabel_(new QLabel(this)), called_(SquadList(this)), others_(SquadList(this)),
      callUp_(new QPushButton(UiText("national.button.call_up"), this)),
      leaveOut_(new QPushButton(UiText("national.button.leave_out"), this)) {
    callUp_->setAutoDefault(false);
    leaveOut_->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(callUp_);
    buttons->addWidget(leaveOut_);
    buttons->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->addWidget(calledLabel_, 0, 0);
    layout->addWidget(othersLabel_, 0, 2);
    layout->addWidget(called_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(others_, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(1, 1);

    connect(callUp_, &QPushButton::clicked, this, &CNationalSquadLists::CallUpSelected);
    connect(leaveOut_, &QPushButton::clicked, this, &CNationalSquadLists::LeaveOutSelected);
    // A double click moves the player under the mouse.
    connect(others_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        others_->clearSelection();
        item->setSelected(true);
        CallUpSelected();
    });
    connect(called_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        called_->clearSelection();
        item->setSelected(true);
        LeaveOutSelected();
    });
    connect(called_, &QTreeWidget::itemSelectionChanged, this, &CNationalSquadLists::UpdateButtons);
    connect(others_, &QTreeWidget::itemSelectionChanged, this, &CNationalSquadLists::UpdateButtons);
    Refresh();
}

void CNationalSquadLists::Refresh() {
    Fill(*called_, model_.CalledUp());
    Fill(*others_, model_.Others());
    calledLabel_->setText(ToQString(FormatDialogText(
        "national.called", model_.CalledUpCount(), static_cast<double>(model_.CalledUpAverage()))));
    othersLabel_->setText(ToQString(FormatDialogText(
        "national.others", static_cast<int>(model_.Others().size()), model_.RefusingCount())));
    UpdateButtons();
}

std::vector<uint32_t> CNationalSquadLists::SelectedPersons(const QTreeWidget& list) {
    std::vector<uint32_t> persons;
    for (const QTreeWidgetItem* item : list.selectedItems()) {
        persons.push_back(static_cast<uint32_t>(item->data(0, Qt::UserRole).toULongLong()));
    }
    return persons;
}

void CNationalSquadLists::UpdateButtons() {
    bool canCall = false;
    for (uint32_t person : SelectedPersons(*others_)) {
        canCall = canCall || model_.CanCallUp(person);
    }
    callUp_->setEnabled(canCall);
    leaveOut_->setEnabled(!called_->selectedItems().isEmpty());
}

void CNationalSquadLists::CallUpSelected() {
    if (model_.CallUp(SelectedPersons(*others_)) > 0) {
        Refresh();
        emit squadChanged();
    }
}

void CNationalSquadLists::LeaveOutSelected() {
    if (model_.LeaveOut(SelectedPersons(*called_)) > 0) {
        Refresh();
        emit squadChanged();
    }
}

} // namespace tallo
