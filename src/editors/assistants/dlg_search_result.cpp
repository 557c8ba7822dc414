#include "editors/assistants/dlg_search_result.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/assistants/search_result_model.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

#include <algorithm>

namespace tallo {

namespace {

// The columns: string-table heading, width and alignment.
struct ColumnSpec {
    int heading;
    int width;
    Qt::Alignment alignment;
};
constexpr ColumnSpec kColumns[] = {
    {889, 120, Qt::AlignLeft},   // first name
    {891, 120, Qt::AlignLeft},   // surname
    {893, 120, Qt::AlignLeft},   // pseudonym
    {864, 45, Qt::AlignHCenter}, // position
    {852, 70, Qt::AlignRight},   // birth date
    {851, 120, Qt::AlignLeft},   // club
    {894, 100, Qt::AlignLeft},   // country
};

constexpr int kBirthDateHeading = 852;

} // namespace

CDlgSearchResult::CDlgSearchResult(SearchResultModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    setWindowTitle(ToQString(DialogText("search.result.title")));
    auto* layout = new QVBoxLayout(this);
    list_ = new CReportList(this);
    std::vector<ReportColumn> columns;
    int width = 0;
    // The widths given are the least; a column is widened where the skin's font needs more
    // room for its heading or, for the birth date, for a date.
    const QFontMetrics headingMetrics = list_->horizontalHeader()->fontMetrics();
    const QFontMetrics cellMetrics = list_->fontMetrics();
    for (const ColumnSpec& column : kColumns) {
        const QString heading = NumberedText(column.heading);
        int columnWidth = std::max(column.width, headingMetrics.horizontalAdvance(heading) + 16);
        if (column.heading == kBirthDateHeading) {
            columnWidth = std::max(columnWidth, cellMetrics.horizontalAdvance("28.12.1999") + 12);
        }
        columns.push_back({heading, columnWidth, column.alignment});
        width += columnWidth;
    }
    list_->SetColumns(columns);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(list_, 1);

    auto* bottom = new QHBoxLayout;
    state_ = new QLabel(this);
    bottom->addWidget(state_, 1);
    if (model_.Settings().showClub) {
        showClub_ = new QPushButton(ToQString(DialogText("search.menu.show_club")), this);
        bottom->addWidget(showClub_);
        connect(showClub_, &QPushButton::clicked, this, &CDlgSearchResult::ShowClub);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ToQString(DialogText("framework.button.ok")), QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQString(DialogText("framework.button.cancel")),
                       QDialogButtonBox::RejectRole);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSearchResult::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgSearchResult::reject);
    resize(width + 60, 420);

    connect(list_, &CReportList::headingClicked, this, [this](int column) {
        model_.SortBy(column);
        ShowRows();
    });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { ShowClub(); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        if (std::unique_ptr<QMenu> menu = BuildContextMenu()) {
            ShowContextMenu(*list_, std::move(menu), list_->viewport()->mapToGlobal(position));
        }
    });

    // The worker asks from its own thread; the rows are shown on the window's.
    model_.SetDisplayRequest([this] {
        QMetaObject::invokeMethod(
            this, [this] { Display(); }, Qt::QueuedConnection);
    });
    model_.Start();
    ShowState();
}

CDlgSearchResult::~CDlgSearchResult() {
    model_.Stop();
    model_.SetDisplayRequest(nullptr);
}

std::unique_ptr<QMenu> CDlgSearchResult::BuildContextMenu() {
    if (!model_.ContextMenuAvailable()) {
        return nullptr;
    }
    auto menu = std::make_unique<QMenu>(this);
    QAction* show = menu->addAction(ToQString(DialogText("search.menu.show_club")), this,
                                    &CDlgSearchResult::ShowClub);
    show->setEnabled(model_.ShowClubEnabled());
    menu->addAction(ToQString(DialogText("search.menu.transfer")), this,
                    &CDlgSearchResult::Transfer);
    QAction* take =
        menu->addAction(ToQString(DialogText("search.menu.take")), this, &CDlgSearchResult::Take);
    take->setEnabled(model_.TakeEnabled());
    menu->addAction(ToQString(DialogText("search.menu.release")), this, &CDlgSearchResult::Release);
    return menu;
}

void CDlgSearchResult::ShowClub() {
    if (model_.ShowClub(list_->CurrentData())) {
        accept();
    }
}

void CDlgSearchResult::Transfer() {
    if (model_.Transfer(list_->CurrentData())) {
        ShowRows();
    }
}

void CDlgSearchResult::Take() {
    if (model_.Take(list_->CurrentData())) {
        ShowRows();
    }
}

void CDlgSearchResult::Release() {
    if (model_.Release(list_->CurrentData())) {
        ShowRows();
    }
}

void CDlgSearchResult::done(int result) {
    model_.Stop();
    CDialogB::done(result);
}

void CDlgSearchResult::closeEvent(QCloseEvent* event) {
    model_.Stop();
    CDialogB::closeEvent(event);
}

void CDlgSearchResult::Display() {
    model_.TakeFound();
    ShowRows();
    model_.Displayed();
}

void CDlgSearchResult::ShowRows() {
    list_->SetRows(model_.Rows(), model_.RowNumbers());
    ShowState();
}

void CDlgSearchResult::ShowState() {
    const int count = static_cast<int>(model_.Entries().size());
    const bool running = model_.Running();
    state_->setText(ToQString(running ? FormatDialogText("search.result.running", count)
                                      : FormatDialogText("search.result.count", count)));
    if (showClub_ != nullptr) {
        showClub_->setEnabled(!running);
    }
}

} // namespace tallo
