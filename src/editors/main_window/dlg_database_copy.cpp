#include "editors/main_window/dlg_database_copy.h"

#include <QComboBox>
#include <QDataStream>
#include <QDialogButtonBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>

#include "editing/main_window/synchronisation_model.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

constexpr const char* kMimeType = "application/x-tallo-sync-item";
constexpr int kItemRole = Qt::UserRole;

QVariant Pack(const SyncItem& item) {
    QList<QVariant> values = {item.database, item.continent, item.country, item.club};
    return values;
}

SyncItem Unpack(const QVariant& value) {
    const QList<QVariant> values = value.toList();
    SyncItem item;
    if (values.size() == 4) {
        item.database = values[0].toUInt();
        item.continent = static_cast<uint16_t>(values[1].toUInt());
        item.country = static_cast<uint16_t>(values[2].toUInt());
        item.club = values[3].toUInt();
    }
    return item;
}

void AddNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<SyncTreeNode>& nodes) {
    for (const SyncTreeNode& node : nodes) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.recordText ? RecordToQString(node.text) : ToQString(node.text));
        item->setData(0, kItemRole, Pack(node.item));
        AddNodes(item, tree, node.children);
    }
}

} // namespace

CSyncTree::CSyncTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

void CSyncTree::Fill(const std::vector<SyncTreeNode>& nodes) {
    clear();
    AddNodes(nullptr, this, nodes);
}

SyncItem CSyncTree::ItemOf(const QTreeWidgetItem& item) {
    return Unpack(item.data(0, kItemRole));
}

QTreeWidgetItem* CSyncTree::Find(const SyncItem& wanted) const {
    for (QTreeWidgetItemIterator it(const_cast<CSyncTree*>(this)); *it != nullptr; ++it) {
        if (ItemOf(**it) == wanted) {
            return *it;
        }
    }
    return nullptr;
}

QStringList CSyncTree::mimeTypes() const {
    return {kMimeType};
}

Qt::DropActions CSyncTree::supportedDropActions() const {
    return Qt::CopyAction;
}

QMimeData* CSyncTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << items.front()->data(0, kItemRole);
    auto* data = new QMimeData;
    data->setData(kMimeType, bytes);
    return data;
}

void CSyncTree::dragMoveEvent(QDragMoveEvent* event) {
    // Only onto an item of the other tree.
    if (event->source() != this && event->mimeData()->hasFormat(kMimeType) &&
        itemAt(event->position().toPoint()) != nullptr) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CSyncTree::dropEvent(QDropEvent* event) {
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (event->source() == this || target == nullptr || !event->mimeData()->hasFormat(kMimeType)) {
        event->ignore();
        return;
    }
    QByteArray bytes = event->mimeData()->data(kMimeType);
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QVariant source;
    stream >> source;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit dropped(Unpack(source), ItemOf(*target));
}

CDlgDatabaseCopy::CDlgDatabaseCopy(SynchronisationModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    setWindowTitle(ToQString(DialogText("sync.title")));
    resize(820, 600);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(ToQString(DialogText("sync.hint")), this), 0, 0, 1, 2);
    const std::vector<std::string> names = model.DatabaseNames();
    for (int side = 0; side < 2; ++side) {
        boxes_[side] = new QComboBox(this);
        for (size_t i = 0; i < names.size(); ++i) {
            boxes_[side]->addItem(ToQString(names[i]), static_cast<int>(i));
        }
        trees_[side] = new CSyncTree(this);
        layout->addWidget(boxes_[side], 1, side);
        layout->addWidget(trees_[side], 2, side);
        connect(boxes_[side], &QComboBox::currentIndexChanged, this,
                [this, side](int) { FillTree(side); });
        connect(trees_[side], &CSyncTree::dropped, this,
                [this](const SyncItem& source, const SyncItem& target) { Drop(source, target); });
    }
    boxes_[0]->setCurrentIndex(static_cast<int>(model.LeftStart()));
    boxes_[1]->setCurrentIndex(static_cast<int>(model.RightStart()));
    FillTree(0);
    FillTree(1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ToQString(DialogText("common.close")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

void CDlgDatabaseCopy::FillTree(int side) {
    const int position = boxes_[side]->currentData().toInt();
    trees_[side]->Fill(model_.BuildTree(static_cast<size_t>(position < 0 ? 0 : position)));
}

void CDlgDatabaseCopy::Drop(const SyncItem& source, const SyncItem& target) {
    const SyncDropResult result = model_.Drop(source, target);
    if (!result.targetChanged) {
        return;
    }
    // Every tree showing the target's database is built again; the copied item is shown.
    for (int side = 0; side < 2; ++side) {
        if (boxes_[side]->currentData().toUInt() != target.database) {
            continue;
        }
        FillTree(side);
        if (QTreeWidgetItem* item = trees_[side]->Find(result.select)) {
            trees_[side]->setCurrentItem(item);
            trees_[side]->scrollToItem(item);
        }
    }
}

} // namespace tallo
