#include "editors/records/dlg_five_year_ranking.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_five_year_ranking_change.h"
#include "editors/records/list_enter_key.h"
#include "formats/dialog_text.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr std::array<DialogTextKey, RankingLine::kYears> kYearKeys = {
    "ranking.column.year.1", "ranking.column.year.2", "ranking.column.year.3",
    "ranking.column.year.4", "ranking.column.year.5", "ranking.column.year.6"};

// Place and country, six years and the points: numbers right-aligned.
std::vector<ListColumn> Columns() {
    constexpr int kCountryWidth = 210;
    constexpr int kYearWidth = 112;
    constexpr int kGap = 6;
    std::vector<ListColumn> columns = {{0, kCountryWidth}};
    int left = kCountryWidth + kGap;
    for (int year = 0; year <= RankingLine::kYears; ++year) {
        columns.push_back({left, left + kYearWidth, Qt::AlignRight});
        left += kYearWidth + kGap;
    }
    return columns;
}

} // namespace

CDlgFiveYearRanking::CDlgFiveYearRanking(QWidget* parent, CWorld& world, int languageSlot,
                                         ChangeJournal::OpenChange& change)
    : CDialogB(parent), world_(world), languageSlot_(languageSlot), openChange_(change) {
    setWindowTitle(Text("ranking.title"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(Text("ranking.note"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    const std::vector<ListColumn> columns = Columns();
    auto* headings = new CMyListBox(this);
    headings->SetColumns(columns);
    QString heading = Text("ranking.column.country");
    for (DialogTextKey key : kYearKeys) {
        heading += '\t' + Text(key);
    }
    heading += '\t' + Text("ranking.column.points");
    headings->AddRow(heading);
    headings->setFixedHeight(headings->sizeHintForRow(0) + 2 * headings->frameWidth());
    headings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headings->setSelectionMode(QAbstractItemView::NoSelection);
    headings->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(headings);

    list_ = new CMyListBox(this);
    list_->SetColumns(columns);
    list_->setMinimumSize(columns.back().right + 24, 360);
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    change_ = new QPushButton(Text("ranking.change"), this);
    change_->setAutoDefault(false);
    buttons->addWidget(change_);
    buttons->addStretch(1);
    auto* close = new QPushButton(Text("ranking.close"), this);
    close->setAutoDefault(false);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(change_, &QPushButton::clicked, this, [this] { ChangeSelected(); });
    connect(close, &QPushButton::clicked, this, [this] { accept(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ChangeSelected(); });
    RunOnEnter(*list_, [this] { ChangeSelected(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    ShowLines(0);
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
}

void CDlgFiveYearRanking::ChangeSelected() {
    const int country = SelectedCountry();
    CCountry* found = country != 0 ? world_.GetCountry(country) : nullptr;
    if (found == nullptr) {
        return;
    }
    if (RunFiveYearRankingChange(this, *found, languageSlot_, openChange_)) {
        ShowLines(country);
    }
}

int CDlgFiveYearRanking::SelectedCountry() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr && list_->currentRow() >= 0 ? item->data(Qt::UserRole).toInt() : 0;
}

void CDlgFiveYearRanking::ShowLines(int country) {
    lines_ = FiveYearRanking(world_, languageSlot_);
    list_->clear();
    int selected = -1;
    for (const RankingLine& line : lines_) {
        if (line.country == country) {
            selected = list_->count();
        }
        list_->AddRow(ToQString(RankingLineText(line)), line.country);
    }
    list_->setCurrentRow(selected);
    UpdateButtons();
}

void CDlgFiveYearRanking::UpdateButtons() {
    change_->setEnabled(SelectedCountry() != 0);
}

void RunFiveYearRanking(QWidget* owner, CWorld& world, int languageSlot,
                        ChangeJournal::OpenChange& change) {
    CDlgFiveYearRanking dialog(owner, world, languageSlot, change);
    dialog.exec();
}

} // namespace tallo
