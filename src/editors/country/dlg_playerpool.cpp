#include "editors/country/dlg_playerpool.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/country/country_edit_context.h"
#include "editors/country/dlg_playerpool_change.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
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
const std::vector<ListColumn> kColumns = {{0, 180}, {186, 320}, {326, 500}, {506, -1}};

} // namespace

CDlgPlayerpool::CDlgPlayerpool(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    setWindowTitle(Text("pool.title"));
    auto* layout = new QVBoxLayout(this);

    auto* headings = new CMyListBox(this);
    headings->SetColumns(kColumns);
    headings->AddRow(Text("pool.column.name") + '\t' + Text("pool.column.position") + '\t' +
                     Text("pool.column.skill") + '\t' + Text("pool.column.club"));
    headings->setFixedHeight(headings->sizeHintForRow(0) + 2 * headings->frameWidth());
    headings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headings->setSelectionMode(QAbstractItemView::NoSelection);
    headings->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(headings);

    list_ = new CMyListBox(this);
    list_->SetColumns(kColumns);
    list_->setMinimumSize(720, 300);
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    count_ = new QLabel(this);
    buttons->addWidget(count_);
    buttons->addStretch(1);
    new_ = new QPushButton(Text("pool.new"), this);
    change_ = new QPushButton(Text("pool.change"), this);
    delete_ = new QPushButton(Text("pool.delete"), this);
    for (QPushButton* button : {new_, change_, delete_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(new_, &QPushButton::clicked, this, [this] { NewPlayer(); });
    connect(change_, &QPushButton::clicked, this, [this] { ChangePlayer(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeletePlayer(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ChangePlayer(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    FillCountry();
}

void CDlgPlayerpool::FillCountry() {
    model_.Refresh();
    ShowRows(SelectedEntry());
}

void CDlgPlayerpool::StoreCountry() {
    // Every command has written the country already.
}

void CDlgPlayerpool::NewPlayer() {
    const std::optional<size_t> entry = model_.NewEntry();
    if (!entry.has_value()) {
        if (context_.prompt != nullptr) {
            context_.prompt->ShowMessage(DialogText("pool.full"), LoadString(kMessageCaption));
        }
        return;
    }
    RunPlayerpoolChange(this, context_, *entry);
    model_.Refresh();
    ShowRows(static_cast<long>(*entry));
}

void CDlgPlayerpool::ChangePlayer() {
    const long entry = SelectedEntry();
    if (entry < 0) {
        return;
    }
    RunPlayerpoolChange(this, context_, static_cast<size_t>(entry));
    model_.Refresh();
    ShowRows(entry);
}

void CDlgPlayerpool::DeletePlayer() {
    const long entry = SelectedEntry();
    if (entry < 0) {
        return;
    }
    const int row = list_->currentRow();
    model_.Delete(static_cast<size_t>(entry));
    ShowRows(-1);
    // The row that took the deleted one's place is selected, or the last row.
    if (list_->count() > 0) {
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    }
    UpdateButtons();
}

void CDlgPlayerpool::ShowRows(long entry) {
    list_->clear();
    int selected = -1;
    for (const PlayerPoolModel::Row& row : model_.Rows()) {
        if (static_cast<long>(row.entry) == entry) {
            selected = list_->count();
        }
        list_->AddRow(ToQString(row.name) + '\t' + ToQString(row.position) + '\t' +
                          ToQString(row.skill) + '\t' + ToQString(row.club),
                      static_cast<qulonglong>(row.entry));
    }
    list_->setCurrentRow(selected);
    count_->setText(
        ToQString(FormatDialogText("pool.count", static_cast<int>(model_.Rows().size()))));
    UpdateButtons();
}

long CDlgPlayerpool::SelectedEntry() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr && list_->currentRow() >= 0
               ? static_cast<long>(item->data(Qt::UserRole).toULongLong())
               : -1;
}

void CDlgPlayerpool::UpdateButtons() {
    const bool any = SelectedEntry() >= 0;
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

} // namespace tallo
