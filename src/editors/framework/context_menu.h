#pragma once

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QMenu;
class QPoint;

namespace tallo {

// The first step of a list's context menu: true when `globalPos` lies inside the list's
// visible area; the row under it, if any, becomes the current and only selected row.
bool SelectRowForContextMenu(QAbstractItemView& list, const QPoint& globalPos);

// Appends to `menu` an item that stands for `control`: the control's text (at most 127
// characters) and, when chosen, the control's own command (it is clicked). Greyed and disabled
// when not `enabled`.
QAction* AppendControlMenuItem(QMenu& menu, QAbstractButton& control, bool enabled);

} // namespace tallo
