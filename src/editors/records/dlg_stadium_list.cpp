#include "editors/records/record_list_layout.h"
#include "editors/records/dlg_stadium_list.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/country/country_edit_context.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_stadium.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/prompt.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr int kMessageCaption = 899;

// Column edges of the list and of the headings above it; the capacity is aligned right.
const std::vector<ListColumn> kColumns = {
    {0, 260}, {266, 470}, {476, 580, Qt::AlignRight | Qt::AlignVCenter}};

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

CDlgStadiumList::CDlgStadiumList(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    setWindowTitle(Text("country.tab.stadiums"));
    auto* layout = new QVBoxLayout(this);

    const RecordListWidgets widgets = BuildRecordList(
        *this, *layout, kColumns,
        {Text("stadium.list.column.name") + '\t' + Text("stadium.list.column.city") + '\t' +
             Text("stadium.list.column.capacity"),
         Text("stadium.list.new"), Text("stadium.list.change"), Text("stadium.list.delete")});
    list_ = widgets.list;
    list_->setMinimumSize(620, 300);
    list_->installEventFilter(this);
    count_ = widgets.count;
    new_ = widgets.add;
    change_ = widgets.change;
    delete_ = widgets.remove;

    connect(new_, &QPushButton::clicked, this, [this] { NewStadium(); });
    connect(change_, &QPushButton::clicked, this, [this] { ChangeStadium(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteStadium(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ChangeStadium(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    FillCountry();
}

void CDlgStadiumList::FillCountry() {
    const uint32_t selected = SelectedKey();
    model_.Refresh();
    ShowRows(selected);
}

void CDlgStadiumList::StoreCountry() {
    // Every command has written the country already.
}

bool CDlgStadiumList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_) {
        // Enter on a row changes the stadium; the editor around the page must not take it for
        // its OK.
        if (event->type() == QEvent::ShortcutOverride && IsEnter(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && IsEnter(*static_cast<QKeyEvent*>(event))) {
            ChangeStadium();
            return true;
        }
    }
    return CDialogB::eventFilter(watched, event);
}

void CDlgStadiumList::Tell(const std::string& message) const {
    if (context_.prompt != nullptr) {
        context_.prompt->ShowMessage(message, LoadString(kMessageCaption));
        return;
    }
    CDlgErrorSingle window(const_cast<CDlgStadiumList*>(this));
    window.SetHeadline(NumberedText(kMessageCaption));
    window.SetMessage(ToQString(message));
    window.exec();
}

void CDlgStadiumList::NewStadium() {
    if (!model_.CanAdd()) {
        Tell(FormatDialogText("stadium.list.full", static_cast<int>(kMaxStadiums)));
        return;
    }
    Stadium stadium;
    if (!RunStadiumEditor(this, stadium, context_.languageSlot)) {
        return;
    }
    const uint32_t key = model_.Add(stadium);
    ShowRows(key);
}

void CDlgStadiumList::ChangeStadium() {
    const uint32_t key = SelectedKey();
    const Stadium* stored = model_.Find(key);
    if (stored == nullptr) {
        return;
    }
    Stadium stadium = *stored;
    if (RunStadiumEditor(this, stadium, context_.languageSlot)) {
        model_.Replace(key, stadium);
    }
    ShowRows(key);
}

void CDlgStadiumList::DeleteStadium() {
    const uint32_t key = SelectedKey();
    if (model_.Find(key) == nullptr) {
        return;
    }
    const std::string question = model_.DeleteQuestion(key);
    if (!question.empty() && (context_.prompt == nullptr ||
                              !context_.prompt->AskYesNo(question, LoadString(kMessageCaption)))) {
        return; // nothing proceeds without yes
    }
    const int row = list_->currentRow();
    model_.Delete(key);
    ShowRows(0);
    // The row that took the deleted one's place is selected, or the last row.
    if (list_->count() > 0) {
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    }
    UpdateButtons();
}

void CDlgStadiumList::ShowRows(uint32_t key) {
    list_->clear();
    int selected = -1;
    for (const StadiumListModel::Row& row : model_.Rows()) {
        if (row.key == key) {
            selected = list_->count();
        }
        list_->AddRow(ToQString(row.name) + '\t' + ToQString(row.city) + '\t' +
                          ToQString(row.capacity),
                      static_cast<qulonglong>(row.key));
    }
    list_->setCurrentRow(selected);
    count_->setText(
        ToQString(FormatDialogText("stadium.list.count", static_cast<int>(model_.Rows().size()),
                                   static_cast<int>(kMaxStadiums))));
    UpdateButtons();
}

uint32_t CDlgStadiumList::SelectedKey() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr && list_->currentRow() >= 0
               ? static_cast<uint32_t>(item->data(Qt::UserRole).toULongLong())
               : 0;
}

void CDlgStadiumList::UpdateButtons() {
    const bool any = SelectedKey() != 0;
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

} // namespace tallo
