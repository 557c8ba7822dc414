#include "editors/assistants/dlg_player_double.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editors/assistants/list_print.h"
#include "editors/assistants/list_save.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/context_menu.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

Qt::Alignment ToQtAlignment(DoublesAlignment alignment) {
    switch (alignment) {
    case DoublesAlignment::Centre:
        return Qt::AlignHCenter;
    case DoublesAlignment::Right:
        return Qt::AlignRight;
    case DoublesAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QPushButton* Button(const char* key, QWidget* parent) {
    auto* button = new QPushButton(UiText(key), parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPlayerDouble::CPlayerDouble(QWidget* parent, CWorld& world, int languageSlot, int country,
                             uint32_t club, const WorldChanges& changes)
    : CDialogB(parent),
      model_(std::make_unique<PlayerDoublesModel>(world, languageSlot, country, club)),
      changes_(changes) {
    setWindowTitle(UiText("doubles.title"));

    // The scope: radio labels 1955 and 1956 hold "Только из %s".
    auto* scopeBox = new QGroupBox(UiText("doubles.scope"), this);
    all_ = new QRadioButton(UiText("doubles.scope.all"), scopeBox);
    const auto onlyFrom = [this](DoublesScope scope) {
        const std::string name = model_->ScopeName(scope);
        if (!model_->ScopeEnabled(scope)) {
            return UiText("doubles.scope.none");
        }
        QString text = UiText("doubles.scope.only");
        return text.replace(QStringLiteral("%s"), RecordToQString(name));
    };
    country_ = new QRadioButton(onlyFrom(DoublesScope::Country), scopeBox);
    club_ = new QRadioButton(onlyFrom(DoublesScope::Club), scopeBox);
    country_->setEnabled(model_->ScopeEnabled(DoublesScope::Country));
    club_->setEnabled(model_->ScopeEnabled(DoublesScope::Club));
    ScopeRadio(model_->Scope()).setChecked(true);
    auto* radios = new QButtonGroup(this);
    radios->addButton(all_, static_cast<int>(DoublesScope::All));
    radios->addButton(country_, static_cast<int>(DoublesScope::Country));
    radios->addButton(club_, static_cast<int>(DoublesScope::Club));
    sameBirthDate_ = new QCheckBox(UiText("doubles.same_birth_date"), scopeBox);
    auto* scopeLayout = new QVBoxLayout(scopeBox);
    scopeLayout->addWidget(all_);
    scopeLayout->addWidget(country_);
    scopeLayout->addWidget(club_);
    scopeLayout->addWidget(sameBirthDate_);

    list_ = new CReportList(this);
    std::vector<ReportColumn> columns;
    for (const DoublesColumn& column : PlayerDoublesModel::Columns()) {
        columns.push_back(
            {ToQString(column.heading), column.width, ToQtAlignment(column.alignment)});
    }
    list_->SetColumns(columns);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    count_ = new QLabel(this);

    delete1_ = Button("doubles.delplayer1", this);
    delete2_ = Button("doubles.delplayer2", this);
    print_ = Button("doubles.print", this);
    save_ = Button("doubles.save", this);
    QPushButton* close = Button("doubles.close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete1_);
    buttons->addWidget(delete2_);
    buttons->addStretch(1);
    buttons->addWidget(print_);
    buttons->addWidget(save_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scopeBox);
    layout->addWidget(list_, 1);
    layout->addWidget(count_);
    layout->addLayout(buttons);
    resize(1000, 540);

    connect(radios, &QButtonGroup::idClicked, this, [this](int id) {
        model_->SetScope(static_cast<DoublesScope>(id));
        ShowRows();
    });
    connect(sameBirthDate_, &QCheckBox::toggled, this, [this](bool checked) {
        model_->SetSameBirthDate(checked);
        ShowRows();
    });
    connect(list_, &CReportList::headingClicked, this, [this](int column) {
        model_->ClickHeading(column);
        ShowRows();
    });
    connect(list_, &QWidget::customContextMenuRequested, this, &CPlayerDouble::ShowMenu);
    connect(list_, &QTableWidget::itemSelectionChanged, this, &CPlayerDouble::UpdateButtons);
    connect(delete1_, &QPushButton::clicked, this, [this] { DeleteSelected(1); });
    connect(delete2_, &QPushButton::clicked, this, [this] { DeleteSelected(2); });
    connect(print_, &QPushButton::clicked, this, [this] { PrintList(this, *list_, ListTitle()); });
    connect(save_, &QPushButton::clicked, this, [this] { ExportList(this, *list_, ListTitle()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    ShowRows();
}

CPlayerDouble::~CPlayerDouble() = default;

QRadioButton& CPlayerDouble::ScopeRadio(DoublesScope scope) const {
    switch (scope) {
    case DoublesScope::Country:
        return *country_;
    case DoublesScope::Club:
        return *club_;
    case DoublesScope::All:
        break;
    }
    return *all_;
}

QString CPlayerDouble::ListTitle() {
    return NumberedText(PlayerDoublesModel::kTitleString);
}

void CPlayerDouble::ShowRows() {
    list_->SetRows(model_->Rows(), model_->Order());
    // The given widths are the least: a column grows to show its heading and cells whole.
    for (int column = 0; column < list_->columnCount(); ++column) {
        const QAbstractItemView& view = *list_;
        const int wanted = std::max(view.sizeHintForColumn(column),
                                    list_->horizontalHeader()->sectionSizeHint(column));
        if (list_->columnWidth(column) < wanted) {
            list_->setColumnWidth(column, wanted);
        }
    }
    count_->setText(
        ToQString(FormatDialogText("doubles.count", static_cast<int>(model_->Pairs().size()))));
    UpdateButtons();
}

void CPlayerDouble::UpdateButtons() {
    const bool selected = list_->CurrentData() >= 0 && !list_->SelectedData().empty();
    delete1_->setEnabled(selected);
    delete2_->setEnabled(selected);
}

void CPlayerDouble::DeleteSelected(int which) {
    const int pair = list_->CurrentData();
    if (pair < 0) {
        return;
    }
    model_->DeletePlayer(pair, which, changes_);
    ShowRows();
}

void CPlayerDouble::ShowMenu(const QPoint& pos) {
    const QPoint global = list_->viewport()->mapToGlobal(pos);
    // The row under the mouse becomes the selected one; the entries name its two players.
    if (!SelectRowForContextMenu(*list_, global) || list_->CurrentData() < 0) {
        return;
    }
    const int pair = list_->CurrentData();
    menu_ = std::make_unique<QMenu>();
    for (int which = 1; which <= 2; ++which) {
        QAction* entry = menu_->addAction(ToQString(model_->DeleteEntryText(pair, which)));
        connect(entry, &QAction::triggered, this, [this, which] { DeleteSelected(which); });
    }
    menu_->popup(global);
}

void RunPlayerDoubles(QWidget* owner, CWorld& world, int languageSlot, int country, uint32_t club,
                      const WorldChanges& changes) {
    CPlayerDouble dialog(owner, world, languageSlot, country, club, changes);
    dialog.exec();
}

} // namespace tallo
