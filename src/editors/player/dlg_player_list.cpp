#include "editors/player/dlg_player_list.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/player/player_list_model.h"
#include "editors/club/club_view_support.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/qt_text.h"
#include "formats/table_format.h"

namespace tallo {

CDlgPlayerList::CDlgPlayerList(const CWorld& world, int languageSlot, int country, QWidget* parent)
    : CDialogB(parent), model_(std::make_unique<PlayerListModel>(world, languageSlot)),
      countries_(new QComboBox(this)), clubs_(new QComboBox(this)), list_(new CMyListBox(this)),
      count_(new QLabel(this)), average_(new QLabel(this)) {
    setWindowTitle(UiText("chooser.list.caption"));
    countries_->setMaxVisibleItems(20);
    clubs_->setMaxVisibleItems(20);
    list_->SetColumns({{0, 190, Qt::AlignLeft},
                       {194, 234, Qt::AlignLeft},
                       {238, 420, Qt::AlignLeft},
                       {424, 464, Qt::AlignRight}});
    list_->setMinimumSize(480, 340);

    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(UiText("chooser.country"), this), 0, 0);
    boxes->addWidget(countries_, 0, 1);
    boxes->addWidget(new QLabel(UiText("chooser.club"), this), 1, 0);
    boxes->addWidget(clubs_, 1, 1);
    boxes->setColumnStretch(1, 1);

    const QString separator = QStringLiteral(", ");
    auto* caption =
        new QLabel(UiText("chooser.players") + QLatin1Char(' ') + UiText("chooser.column.name") +
                       separator + UiText("chooser.column.position") + separator +
                       UiText("chooser.column.club") + separator + UiText("chooser.column.rating"),
                   this);

    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel(UiText("persons.count"), this), 0, 0);
    counts->addWidget(count_, 0, 1);
    counts->addWidget(new QLabel(UiText("persons.average"), this), 0, 2);
    counts->addWidget(average_, 0, 3);
    counts->setColumnStretch(4, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(boxes);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addLayout(counts);
    layout->addWidget(buttons);

    connect(countries_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            model_->SelectCountry(index);
            ShowClubs();
        }
    });
    connect(clubs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            model_->SelectClub(index);
            ShowRows();
        }
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_) {
            model_->SelectRow(row);
            ok_->setEnabled(model_->Chosen().has_value());
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (model_->Chosen()) {
            accept();
        }
    });

    model_->ShowCountry(country);
    FillRecordCombo(*countries_, model_->Countries(), model_->CountryIndex());
    ShowClubs();
    resize(540, 580);
}

CDlgPlayerList::~CDlgPlayerList() = default;

std::optional<IRecordChoosers::ChosenPerson> CDlgPlayerList::Chosen() const {
    return model_->Chosen();
}

void CDlgPlayerList::ShowClubs() {
    showing_ = true;
    clubs_->clear();
    for (const ChoiceEntry& entry : model_->Clubs()) {
        clubs_->addItem(entry.value == 0 ? UiText("chooser.all_clubs")
                                         : RecordToQString(entry.text),
                        entry.value);
    }
    clubs_->setCurrentIndex(model_->ClubIndex());
    showing_ = false;
    ShowRows();
}

void CDlgPlayerList::ShowRows() {
    showing_ = true;
    list_->clear();
    for (const PlayerListModel::Row& row : model_->Rows()) {
        list_->AddRow(RecordToQString(row.text), static_cast<qulonglong>(row.person));
    }
    showing_ = false;
    count_->setText(QString::number(list_->count()));
    average_->setText(ToQString(FormatTableText("%2.1f", static_cast<double>(model_->Average()))));
    ok_->setEnabled(false);
}

} // namespace tallo
