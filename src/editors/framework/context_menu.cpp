#include "editors/framework/context_menu.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPointer>

namespace tallo {

namespace {

constexpr int kMaxMenuTextLength = 127;

} // namespace

bool SelectRowForContextMenu(QAbstractItemView& list, const QPoint& globalPos) {
    QWidget* area = list.viewport();
    const QPoint local = area->mapFromGlobal(globalPos);
    if (!area->rect().contains(local)) {
        return false;
    }
    const QModelIndex index = list.indexAt(local);
    if (index.isValid() && list.selectionModel() != nullptr) {
        list.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    }
    return true;
}

QAction* AppendControlMenuItem(QMenu& menu, QAbstractButton& control, bool enabled) {
    QAction* action = menu.addAction(control.text().left(kMaxMenuTextLength));
    action->setEnabled(enabled);
    QPointer<QAbstractButton> target(&control);
    QObject::connect(action, &QAction::triggered, &control, [target] {
        if (target && target->isEnabled()) {
            target->click();
        }
    });
    return action;
}

} // namespace tallo
