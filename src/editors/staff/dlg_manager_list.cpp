#include "editors/staff/dlg_manager_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>

#include "editing/staff/person_list_model.h"
#include "editing/staff/role_table.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"

namespace tallo {

CDlgManagerList::CDlgManagerList(PersonListModel& model, QWidget* parent)
    : CDialogB(parent, Kind::ChildPage), model_(model), count_(new QLabel(this)),
      average_(new QLabel(this)), list_(new CMyListBox(this)) {
    auto* counts = new QGridLayout;
    counts->setHorizontalSpacing(8);
    counts->addWidget(new QLabel(UiText("persons.count"), this), 0, 0);
    counts->addWidget(count_, 0, 1);
    counts->addWidget(new QLabel(UiText("persons.average"), this), 1, 0);
    counts->addWidget(average_, 1, 1);
    counts->setColumnStretch(2, 1);

    list_->SetColumns({{0, 200, Qt::AlignLeft}, {204, -1, Qt::AlignLeft}});
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(280);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(counts);
    layout->addWidget(list_, 1);

    connect(list_, &QListWidget::currentRowChanged, this, &CDlgManagerList::OnCurrentRowChanged);
    connect(list_, &CMyListBox::rightClicked, this, &CDlgManagerList::OnRightClicked);
    // The keyboard reaches the menu and the delete command too.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_Menu), list_);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this, &CDlgManagerList::ShowMenuAtCurrentRow);
    auto* menuKeyShift = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), list_);
    menuKeyShift->setContext(Qt::WidgetShortcut);
    connect(menuKeyShift, &QShortcut::activated, this, &CDlgManagerList::ShowMenuAtCurrentRow);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, list_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] { RunCommand(kCommandDeletePerson); });
}

void CDlgManagerList::FillPersonList() {
    model_.FillPersonList();
    Refresh();
}

void CDlgManagerList::Refresh() {
    refreshing_ = true;
    const int top = list_->indexAt(QPoint(1, 1)).row();
    list_->setUpdatesEnabled(false);
    list_->clear();
    for (const PersonListModel::Row& row : model_.Rows()) {
        list_->AddRow(RecordToQString(row.text), static_cast<qulonglong>(row.person));
    }
    list_->setCurrentRow(model_.SelectedRow());
    if (model_.SelectedRow() < 0) {
        list_->clearSelection();
    }
    if (top >= 0 && top < list_->count()) {
        list_->scrollToItem(list_->item(top), QAbstractItemView::PositionAtTop);
    }
    if (model_.SelectedRow() >= 0) {
        list_->scrollToItem(list_->item(model_.SelectedRow()));
    }
    list_->setUpdatesEnabled(true);
    count_->setText(ToQString(model_.CountText()));
    average_->setText(ToQString(model_.AverageText()));
    refreshing_ = false;
}

void CDlgManagerList::OnCurrentRowChanged(int row) {
    if (!refreshing_) {
        model_.SelectRow(row);
    }
}

std::unique_ptr<QMenu> CDlgManagerList::BuildContextMenu() const {
    auto menu = std::make_unique<QMenu>();
    QMenu* staff = nullptr;
    for (const PersonListModel::MenuItem& item : model_.ContextMenu()) {
        if (item.command == 0) {
            menu->addSeparator();
            continue;
        }
        QMenu* target = menu.get();
        if (item.staff) {
            if (staff == nullptr) {
                staff = menu->addMenu(UiText("persons.menu.staff"));
            }
            target = staff;
        }
        QAction* action = target->addAction(ToQString(item.text));
        action->setData(item.command);
        action->setEnabled(item.enabled);
        const int command = item.command;
        // The page outlives its menu: the dialog keeps the menu until the next one.
        auto* self = const_cast<CDlgManagerList*>(this);
        connect(action, &QAction::triggered, self, [self, command] { self->RunCommand(command); });
    }
    return menu;
}

bool CDlgManagerList::RunCommand(int command) {
    const bool changed = model_.RunCommand(command);
    Refresh();
    if (changed) {
        emit personsChanged();
    }
    return changed;
}

void CDlgManagerList::OnRightClicked(const QPoint&, const QPoint& globalPos) {
    ShowContextMenu(*list_, BuildContextMenu(), globalPos);
}

void CDlgManagerList::ShowMenuAtCurrentRow() {
    QPoint local(8, 8);
    if (QListWidgetItem* item = list_->currentItem()) {
        local = list_->visualItemRect(item).center();
    }
    ShowContextMenu(*list_, BuildContextMenu(), list_->viewport()->mapToGlobal(local));
}

} // namespace tallo
