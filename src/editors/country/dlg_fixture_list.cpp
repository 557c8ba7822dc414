#include "editors/country/dlg_fixture_list.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

using Side = FixtureListModel::Side;

constexpr Side kColumnSides[3] = {Side::Home, Side::Separator, Side::Away};

QTableWidgetItem* CellItem(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(ToQString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

CDlgFixtureList::CDlgFixtureList(const CountryEditContext& context, QWidget* parent)
    : CDialogB(parent), model_(context) {
    setWindowTitle(ToQString(DialogText("fixtures.title")));
    setSizeGripEnabled(true);
    resize(820, 560);

    leagues_ = new QComboBox(this);
    for (const std::string& name : model_.LeagueNames()) {
        leagues_->addItem(ToQString(name));
    }
    if (model_.LeagueCount() == 0) {
        leagues_->addItem(ToQString(DialogText("fixtures.none")));
        leagues_->setEnabled(false);
    }
    auto* leagueLabel = new QLabel(ToQString(DialogText("fixtures.league")), this);
    leagueLabel->setBuddy(leagues_);

    matchdayBar_ = new QScrollBar(Qt::Horizontal, this);
    matchdayBar_->setPageStep(1);
    matchdayLabel_ = new QLabel(this);
    matchdayLabel_->setMinimumWidth(matchdayLabel_->fontMetrics().horizontalAdvance("0000"));
    matchdayLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* matchdayCaption = new QLabel(ToQString(DialogText("fixtures.matchday")), this);
    matchdayCaption->setBuddy(matchdayBar_);

    pairings_ = new QTableWidget(0, 3, this);
    pairings_->setHorizontalHeaderLabels({ToQString(DialogText("fixtures.column.home")),
                                          ToQString(DialogText("fixtures.column.separator")),
                                          ToQString(DialogText("fixtures.column.away"))});
    pairings_->verticalHeader()->hide();
    pairings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairings_->setSelectionMode(QAbstractItemView::SingleSelection);
    pairings_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    pairings_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    pairings_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    auto* pairingGroup = new CMyGroupBox(ToQString(DialogText("fixtures.pairings")), this);
    auto* pairingLayout = new QVBoxLayout(pairingGroup);
    pairingLayout->addWidget(pairings_);

    clubs_ = new QListWidget(this);
    clubs_->installEventFilter(this);
    auto* clubGroup = new CMyGroupBox(ToQString(DialogText("fixtures.clubs")), this);
    auto* clubLayout = new QVBoxLayout(clubGroup);
    clubLayout->addWidget(clubs_);

    deleteDay_ = new QPushButton(ToQString(DialogText("fixtures.button.delete_day")), this);
    generate_ = new QPushButton(ToQString(DialogText("fixtures.button.generate")), this);
    mirror_ = new QPushButton(ToQString(DialogText("fixtures.button.mirror")), this);
    for (QPushButton* button : {deleteDay_, generate_, mirror_}) {
        button->setAutoDefault(false);
    }
    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    ok_->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(leagueLabel);
    top->addWidget(leagues_, 1);
    top->addSpacing(16);
    top->addWidget(matchdayCaption);
    top->addWidget(matchdayBar_, 1);
    top->addWidget(matchdayLabel_);
    auto* lists = new QHBoxLayout;
    lists->addWidget(pairingGroup, 3);
    lists->addWidget(clubGroup, 2);
    auto* actions = new QHBoxLayout;
    actions->addWidget(deleteDay_);
    actions->addWidget(generate_);
    actions->addWidget(mirror_);
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(actions);
    layout->addWidget(buttons);
    setTabOrder(leagues_, matchdayBar_);
    setTabOrder(matchdayBar_, pairings_);
    setTabOrder(pairings_, clubs_);

    connect(leagues_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (model_.SelectLeague(index)) {
            ShowLeague();
        }
    });
    connect(matchdayBar_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.SelectMatchday(value);
        ShowPairings();
    });
    connect(pairings_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column >= 0 && column < 3 && model_.ClearSide(row, kColumnSides[column])) {
            ShowPairings();
        }
    });
    connect(clubs_, &QListWidget::itemDoubleClicked, this, [this] { EnterCurrentClub(); });
    connect(deleteDay_, &QPushButton::clicked, this, [this] {
        if (model_.DeleteDay()) {
            ShowPairings();
        }
    });
    connect(generate_, &QPushButton::clicked, this, [this] {
        if (model_.GenerateFromTemplate()) {
            ShowPairings();
        }
    });
    connect(mirror_, &QPushButton::clicked, this, [this] {
        if (model_.FirstHalfAsSecondHalf()) {
            ShowPairings();
        }
    });

    ShowLeague();
}

CDlgFixtureList::~CDlgFixtureList() = default;

void CDlgFixtureList::ShowLeague() {
    clubs_->clear();
    for (const std::string& name : model_.ClubNames()) {
        clubs_->addItem(ToQString(name));
    }
    if (clubs_->count() > 0) {
        clubs_->setCurrentRow(0);
    }
    const bool hasList = model_.MatchdayCount() > 0;
    {
        const QSignalBlocker block(matchdayBar_);
        matchdayBar_->setRange(0, std::max(model_.MatchdayCount() - 1, 0));
        matchdayBar_->setValue(model_.Matchday());
    }
    matchdayBar_->setEnabled(hasList);
    for (QPushButton* button : {deleteDay_, generate_, mirror_}) {
        button->setEnabled(hasList);
    }
    ShowPairings();
}

void CDlgFixtureList::ShowPairings() {
    matchdayLabel_->setText(model_.MatchdayCount() > 0 ? ToQString(model_.MatchdayText())
                                                       : QString());
    const std::vector<FixtureListModel::PairingRow> rows = model_.Pairings();
    pairings_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const FixtureListModel::PairingRow& pairing = rows[static_cast<size_t>(row)];
        pairings_->setItem(row, 0, CellItem(pairing.home, Qt::AlignRight | Qt::AlignVCenter));
        pairings_->setItem(row, 1, CellItem(pairing.separator, Qt::AlignCenter));
        pairings_->setItem(row, 2, CellItem(pairing.away, Qt::AlignLeft | Qt::AlignVCenter));
    }
}

void CDlgFixtureList::EnterCurrentClub() {
    if (model_.EnterClub(clubs_->currentRow())) {
        ShowPairings();
    }
}

bool CDlgFixtureList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clubs_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EnterCurrentClub();
            return true;
        }
    }
    return CDialogB::eventFilter(watched, event);
}

void CDlgFixtureList::reject() {
    model_.Restore();
    CDialogB::reject();
}

bool RunFixtureListEditor(QWidget* owner, const CountryEditContext& context) {
    CDlgFixtureList dialog(context, owner);
    dialog.exec();
    return dialog.result() == QDialog::Accepted && dialog.Model().Changed();
}

} // namespace tallo
