#include "editors/records/record_list_layout.h"
#include "editors/records/dlg_referee_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/country/country_edit_context.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_referee.h"
#include "editors/records/list_enter_key.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/prompt.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr int kMessageCaption = 899;

// Column edges of the list and of the headings above it.
const std::vector<ListColumn> kColumns = {{0, 220}, {226, -1}};

} // namespace

CDlgRefereeList::CDlgRefereeList(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    setWindowTitle(Text("referee.page.title"));
    auto* layout = new QVBoxLayout(this);

    const RecordListWidgets widgets =
        BuildRecordList(*this, *layout, kColumns,
                        {Text("referee.column.name") + '\t' + Text("referee.column.trait"),
                         Text("referee.new"), Text("referee.change"), Text("referee.delete")});
    list_ = widgets.list;
    list_->setMinimumSize(560, 300);
    count_ = widgets.count;
    new_ = widgets.add;
    change_ = widgets.change;
    delete_ = widgets.remove;

    connect(new_, &QPushButton::clicked, this, [this] { NewReferee(); });
    connect(change_, &QPushButton::clicked, this, [this] { ChangeReferee(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteReferee(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ChangeReferee(); });
    RunOnEnter(*list_, [this] { ChangeReferee(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    FillCountry();
}

void CDlgRefereeList::FillCountry() {
    model_.Refresh();
    ShowRows(SelectedId());
}

void CDlgRefereeList::StoreCountry() {
    // Every command has written the country already.
}

void CDlgRefereeList::NewReferee() {
    if (!model_.CanAdd()) {
        if (context_.prompt != nullptr) {
            context_.prompt->ShowMessage(RefereeListModel::FullMessage(),
                                         LoadString(kMessageCaption));
        }
        return;
    }
    Referee referee; // all zero
    if (!RunRefereeEditor(this, referee)) {
        return;
    }
    ShowRows(model_.Add(referee));
}

void CDlgRefereeList::ChangeReferee() {
    const uint32_t id = SelectedId();
    const Referee* stored = model_.Find(id);
    if (stored == nullptr) {
        return;
    }
    Referee referee = *stored;
    if (RunRefereeEditor(this, referee)) {
        model_.Replace(id, referee);
    }
    ShowRows(id);
}

void CDlgRefereeList::DeleteReferee() {
    const uint32_t id = SelectedId();
    if (id == 0) {
        return;
    }
    const int row = list_->currentRow();
    model_.Delete(id);
    ShowRows(0);
    // The row that took the deleted one's place is selected, or the last row.
    if (list_->count() > 0) {
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    }
    UpdateButtons();
}

void CDlgRefereeList::ShowRows(uint32_t id) {
    list_->clear();
    for (const RefereeListModel::Row& row : model_.Rows()) {
        list_->AddRow(ToQString(row.name) + '\t' + ToQString(row.trait),
                      static_cast<qulonglong>(row.id));
    }
    list_->setCurrentRow(id != 0 ? model_.RowOf(id) : -1);
    count_->setText(ToQString(FormatDialogText("referee.count", static_cast<int>(model_.Count()),
                                               static_cast<int>(kMaxReferees))));
    UpdateButtons();
}

uint32_t CDlgRefereeList::SelectedId() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr && list_->currentRow() >= 0
               ? static_cast<uint32_t>(item->data(Qt::UserRole).toULongLong())
               : 0;
}

void CDlgRefereeList::UpdateButtons() {
    const bool any = SelectedId() != 0;
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

} // namespace tallo
