#pragma once

#include <QTreeWidget>

#include "app/synchronisation.h"
#include "editors/framework/dialog_b.h"

class QComboBox;

namespace tallo {

class SynchronisationModel;
struct SyncTreeNode;

// A tree of one database in the synchronisation dialog: continents, countries and clubs. Its
// items can be dragged onto the items of the other tree; a drop is handed on as a signal.
class CSyncTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CSyncTree(QWidget* parent = nullptr);

    void Fill(const std::vector<SyncTreeNode>& nodes);
    // The item of a tree node, and the node of an item.
    static SyncItem ItemOf(const QTreeWidgetItem& item);
    QTreeWidgetItem* Find(const SyncItem& item) const;

signals:
    void dropped(const tallo::SyncItem& source, const tallo::SyncItem& target);

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The synchronisation dialog (CDlgDatabaseCopy): a box of the open databases and a tree of the
// chosen one on either side; a continent, country or club dragged from one tree onto an item of
// the other is copied there, with the parts chosen in the parts dialogs.
class CDlgDatabaseCopy : public CDialogB {
    Q_OBJECT

public:
    CDlgDatabaseCopy(SynchronisationModel& model, QWidget* parent = nullptr);

    CSyncTree& LeftTree() const { return *trees_[0]; }
    CSyncTree& RightTree() const { return *trees_[1]; }
    // Drops `source` onto `target` as a drag does (also for tests).
    void Drop(const SyncItem& source, const SyncItem& target);

private:
    void FillTree(int side);

    SynchronisationModel& model_;
    QComboBox* boxes_[2] = {nullptr, nullptr};
    CSyncTree* trees_[2] = {nullptr, nullptr};
};

} // namespace tallo
