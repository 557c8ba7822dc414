#include "editors/country/dlg_calendar.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "editing/country/calendar_days.h"
#include "editors/country/calendar_table_model.h"
#include "editors/framework/dlg_error_message.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

using Mode = CalendarModel::EditMode;

// Each column is as wide as its heading plus this.
constexpr int kColumnMargin = 15;
// String-table entries of the error window's buttons.
constexpr int kOkEntry = 625;
constexpr int kNeverMindEntry = 624;

constexpr DialogTextKey kMonthKeys[12] = {
    "calendar.month.1", "calendar.month.2",  "calendar.month.3",  "calendar.month.4",
    "calendar.month.5", "calendar.month.6",  "calendar.month.7",  "calendar.month.8",
    "calendar.month.9", "calendar.month.10", "calendar.month.11", "calendar.month.12"};

struct ModeText {
    Mode mode;
    DialogTextKey key;
};
constexpr ModeText kModeTexts[] = {{Mode::OneLeague, "calendar.mode.one"},
                                   {Mode::AllLeagues, "calendar.mode.all"},
                                   {Mode::SameLevel, "calendar.mode.level"}};

// The months in season order: July first.
constexpr int kMonthOrder[12] = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};

} // namespace

CDlgCalendar::CDlgCalendar(const CountryEditContext& context, QWidget* parent)
    : CDialogB(parent), model_(context) {
    setWindowTitle(ToQString(DialogText("calendar.title")));
    setSizeGripEnabled(true);
    resize(960, 640);

    cells_ = new CalendarTableModel(model_, this);
    table_ = new QTableView(this);
    table_->setModel(cells_);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setAlternatingRowColors(false);
    table_->setToolTip(ToQString(DialogText("calendar.hint")));
    SetColumnWidths();
    connect(table_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { ClickCell(index.row(), index.column()); });

    // Month buttons, in the order of the season.
    auto* monthGrid = new QGridLayout;
    monthGrid->setSpacing(4);
    for (int i = 0; i < 12; ++i) {
        const int month = kMonthOrder[i];
        auto* button = new QPushButton(ToQString(DialogText(kMonthKeys[month - 1])), this);
        button->setAutoDefault(false);
        months_[month - 1] = button;
        monthGrid->addWidget(button, i / 6, i % 6);
        connect(button, &QPushButton::clicked, this, [this, month] { ShowMonth(month); });
    }

    // The compare box.
    compare_ = new QComboBox(this);
    compare_->addItem(ToQString(DialogText("calendar.compare.none")), 0);
    for (const CalendarModel::CompareCountry& country : model_.CompareCountries()) {
        compare_->addItem(ToQString(country.name), country.number);
    }
    auto* compareLabel = new QLabel(ToQString(DialogText("calendar.compare.label")), this);
    compareLabel->setBuddy(compare_);
    connect(compare_, &QComboBox::activated, this, [this](int index) { AddCompareColumn(index); });

    // Edit modes.
    auto* modeGroup = new CMyGroupBox(ToQString(DialogText("calendar.mode.group")), this);
    auto* modeLayout = new QVBoxLayout(modeGroup);
    modes_ = new QButtonGroup(this);
    for (const ModeText& entry : kModeTexts) {
        auto* radio = new QRadioButton(ToQString(DialogText(entry.key)), modeGroup);
        modes_->addButton(radio, static_cast<int>(entry.mode));
        modeLayout->addWidget(radio);
    }
    modes_->button(static_cast<int>(model_.Mode()))->setChecked(true);
    connect(modes_, &QButtonGroup::idClicked, this,
            [this](int id) { model_.SetMode(static_cast<Mode>(id)); });

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    ok_->setDefault(true);

    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(compareLabel);
    compareRow->addWidget(compare_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(monthGrid);
    left->addLayout(compareRow);
    left->addStretch(1);
    auto* controls = new QHBoxLayout;
    controls->addLayout(left, 3);
    controls->addWidget(modeGroup, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(controls);
    layout->addWidget(buttons);
}

CDlgCalendar::~CDlgCalendar() {
    // The table and its item model read the calendar model, which goes before the children.
    delete table_;
    delete cells_;
}

QRadioButton& CDlgCalendar::ModeButton(CalendarModel::EditMode mode) const {
    return *static_cast<QRadioButton*>(modes_->button(static_cast<int>(mode)));
}

void CDlgCalendar::SetColumnWidths() {
    const QFontMetrics header(table_->horizontalHeader()->font());
    const QFontMetrics cells(table_->font());
    for (int column = 0; column < model_.ColumnCount(); ++column) {
        int width = header.horizontalAdvance(ToQString(model_.ColumnAt(column).heading));
        const auto kind = model_.ColumnAt(column).kind;
        if (kind == CalendarModel::ColumnKind::Date ||
            kind == CalendarModel::ColumnKind::InternationalCodes) {
            // The date and the day codes are longer than their headings.
            for (int day = 0; day < model_.RowCount(); ++day) {
                width = std::max(width,
                                 cells.horizontalAdvance(ToQString(model_.CellText(column, day))));
            }
        }
        table_->setColumnWidth(column, width + kColumnMargin);
    }
}

void CDlgCalendar::ClickCell(int row, int column) {
    if (model_.ToggleMatchday(column, row)) {
        cells_->RefreshCells();
    }
}

void CDlgCalendar::ShowMonth(int month) {
    const int row = model_.RowOfMonth(month);
    table_->scrollTo(cells_->index(row, 0), QAbstractItemView::PositionAtTop);
}

void CDlgCalendar::AddCompareColumn(int index) {
    const int country = compare_->itemData(index).toInt();
    if (country == 0) {
        return;
    }
    const int top = table_->verticalScrollBar()->value();
    if (model_.AddCompareColumn(country)) {
        cells_->RefreshColumns();
        SetColumnWidths();
        table_->verticalScrollBar()->setValue(top);
        table_->scrollTo(cells_->index(table_->rowAt(0), model_.ColumnCount() - 1));
    }
    compare_->setCurrentIndex(0);
}

std::unique_ptr<CDlgErrorMessage>
CDlgCalendar::MakeProblemWindow(const CalendarModel::Report& report, QWidget* parent) {
    if (report.Empty()) {
        return nullptr;
    }
    auto window = std::make_unique<CDlgErrorMessage>(parent);
    if (report.withHeading) {
        window->SetHeadline(ToQString(DialogText("calendar.error.heading")));
    }
    for (const std::string& line : report.lines) {
        window->AddLine(ToQString(line));
    }
    if (auto* buttons = window->findChild<QDialogButtonBox*>()) {
        buttons->button(QDialogButtonBox::Ok)->setText(NumberedText(kOkEntry));
        buttons->button(QDialogButtonBox::Cancel)->setText(NumberedText(kNeverMindEntry));
    }
    window->Refresh();
    return window;
}

void CDlgCalendar::accept() {
    // The problems are only reported: the calendar closes with its changes either way.
    if (std::unique_ptr<CDlgErrorMessage> window = MakeProblemWindow(model_.Validate(), this)) {
        window->exec();
    }
    CDialogB::accept();
}

void CDlgCalendar::reject() {
    model_.Restore();
    CDialogB::reject();
}

bool RunCalendarEditor(QWidget* owner, const CountryEditContext& context) {
    CDlgCalendar dialog(context, owner);
    dialog.exec();
    return dialog.result() == QDialog::Accepted && dialog.Model().Changed();
}

} // namespace tallo
