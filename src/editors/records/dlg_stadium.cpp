#include "editors/records/dlg_stadium.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/framework/dlg_error_single.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"
#include "world/stadium_list.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

using Places = StadiumEditorModel::Places;
constexpr std::array<Places, 3> kPlaceKinds = {Places::kSeats, Places::kTerraces, Places::kVip};

// Columns of the stand grid.
enum Column {
    kStandColumn,
    kSeatsColumn,
    kTerracesColumn,
    kVipColumn,
    kLimitColumn,
    kSeasonTicketColumn,
    kAwayColumn
};

QLabel* Heading(DialogTextKey key, QWidget* parent) {
    auto* label = new QLabel(Text(key), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

CDlgStadium::CDlgStadium(QWidget* parent, Stadium& stadium)
    : CDialogB(parent), stadium_(stadium), model_(stadium, GlobalStadiumList()) {
    setWindowTitle(Text("stadium.title"));
    auto* layout = new QVBoxLayout(this);

    auto* general = new CMyGroupBox(QString(), this);
    auto* form = new QGridLayout(general);
    form->addWidget(new QLabel(Text("stadium.name"), general), 0, 0);
    name_ = new QLineEdit(RecordToQString(model_.Name()), general);
    name_->setMaxLength(static_cast<int>(StadiumEditorModel::kTextLimit));
    form->addWidget(name_, 0, 1);
    form->addWidget(new QLabel(Text("stadium.city"), general), 1, 0);
    city_ = new QLineEdit(RecordToQString(model_.City()), general);
    city_->setMaxLength(static_cast<int>(StadiumEditorModel::kTextLimit));
    form->addWidget(city_, 1, 1);
    form->addWidget(new QLabel(Text("stadium.model"), general), 2, 0);
    models_ = new QComboBox(general);
    models_->setMaxVisibleItems(20);
    models_->addItem(Text("stadium.model.none"));
    for (const std::string& name : model_.ModelNames()) {
        models_->addItem(RecordToQString(name));
    }
    const int modelIndex = model_.ModelIndex();
    models_->setCurrentIndex(modelIndex >= 0                              ? modelIndex + 1
                             : modelIndex == StadiumEditorModel::kNoModel ? 0
                                                                          : -1);
    form->addWidget(models_, 2, 1);
    form->setColumnStretch(1, 1);
    layout->addWidget(general);

    auto* stands = new CMyGroupBox(Text("stadium.stands"), this);
    auto* grid = new QGridLayout(stands);
    grid->addWidget(Heading("stadium.column.stand", stands), 0, kStandColumn, Qt::AlignLeft);
    grid->addWidget(Heading("stadium.column.seats", stands), 0, kSeatsColumn);
    grid->addWidget(Heading("stadium.column.terraces", stands), 0, kTerracesColumn);
    grid->addWidget(Heading("stadium.column.vip", stands), 0, kVipColumn);
    grid->addWidget(Heading("stadium.column.limit", stands), 0, kLimitColumn);
    grid->addWidget(Heading("stadium.column.season_ticket", stands), 0, kSeasonTicketColumn);
    grid->addWidget(Heading("stadium.column.away", stands), 0, kAwayColumn);
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        const int line = stand + 1;
        grid->addWidget(new QLabel(ToQString(StadiumEditorModel::StandName(stand)), stands), line,
                        kStandColumn);
        PlaceRow& row = rows_[static_cast<size_t>(stand)];
        for (size_t kind = 0; kind < kPlaceKinds.size(); ++kind) {
            auto* field = new CSpinEditCtrl(stands);
            field->SetIntegerRange(0, StadiumEditorModel::kMaxPlaces);
            field->SetValue(model_.PlaceCount(stand, kPlaceKinds[kind]));
            field->setMinimumWidth(96);
            grid->addWidget(field, line, kSeatsColumn + static_cast<int>(kind));
            row.fields[kind] = field;
            connect(field, &CSpinEditCtrl::valueChanged, this,
                    [this, stand, kind] { PlacesEdited(stand, kPlaceKinds[kind]); });
        }
        row.limit = new QLabel(stands);
        row.limit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.limit, line, kLimitColumn);

        seasonTicket_[static_cast<size_t>(stand)] = new QCheckBox(stands);
        seasonTicket_[static_cast<size_t>(stand)]->setChecked(model_.SeasonTicket(stand));
        grid->addWidget(seasonTicket_[static_cast<size_t>(stand)], line, kSeasonTicketColumn,
                        Qt::AlignCenter);
        away_[static_cast<size_t>(stand)] = new QCheckBox(stands);
        away_[static_cast<size_t>(stand)]->setChecked(model_.Away(stand));
        grid->addWidget(away_[static_cast<size_t>(stand)], line, kAwayColumn, Qt::AlignCenter);
        connect(seasonTicket_[static_cast<size_t>(stand)], &QCheckBox::toggled, this,
                [this, stand](bool on) { model_.SetSeasonTicket(stand, on); });
        connect(away_[static_cast<size_t>(stand)], &QCheckBox::toggled, this,
                [this, stand](bool on) { model_.SetAway(stand, on); });
    }
    layout->addWidget(stands);

    auto* totals = new QHBoxLayout;
    class_ = new QLabel(this);
    totals->addWidget(class_);
    totals->addStretch(1);
    totals->addWidget(new QLabel(Text("stadium.total"), this));
    total_ = new QLabel(this);
    total_->setMinimumWidth(80);
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    totals->addWidget(total_);
    layout->addLayout(totals);

    auto* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetName(QStringToRecord(text)); });
    connect(city_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetCity(QStringToRecord(text)); });
    connect(models_, &QComboBox::activated, this, [this](int index) { ChooseModel(index); });
    ShowPlaces();
}

CSpinEditCtrl& CDlgStadium::PlaceField(int stand, Places kind) const {
    return *rows_[static_cast<size_t>(stand)].fields[static_cast<size_t>(kind)];
}

void CDlgStadium::ChooseModel(int boxIndex) {
    model_.ChooseModel(boxIndex <= 0 ? StadiumEditorModel::kNoModel : boxIndex - 1);
    ShowPlaces();
}

void CDlgStadium::PlacesEdited(int stand, Places kind) {
    model_.SetPlaceCount(stand, kind, PlaceField(stand, kind).IntegerValue());
    ShowPlaces();
}

void CDlgStadium::ShowPlaces() {
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        for (Places kind : kPlaceKinds) {
            CSpinEditCtrl& field = PlaceField(stand, kind);
            const int32_t count = model_.PlaceCount(stand, kind);
            if (field.IntegerValue() != count) {
                field.SetValue(count);
            }
        }
        const int32_t limit = model_.StandLimit(stand);
        rows_[static_cast<size_t>(stand)].limit->setText(
            limit < 0 ? Text("stadium.limit.none")
                      : ToQString(StadiumEditorModel::CountText(limit)));
    }
    class_->setText(ToQString(model_.ClassText()));
    total_->setText(ToQString(model_.TotalText()));
}

void CDlgStadium::accept() {
    if (!model_.Store(stadium_)) {
        CDlgErrorSingle window(this);
        window.SetHeadline(Text("stadium.refused"));
        window.SetMessage(ToQString(model_.Problem()));
        window.exec();
        return; // the dialog stays open with everything typed
    }
    CDialogB::accept();
}

bool RunStadiumEditor(QWidget* owner, Stadium& stadium, int /*languageSlot*/) {
    CDlgStadium dialog(owner, stadium);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tallo
