#include "editors/records/dlg_five_year_ranking_change.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/dialog_text.h"
#include "world/country.h"

namespace tallo {

namespace {

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

constexpr std::array<DialogTextKey, FiveYearRankingChangeModel::kYears> kYearKeys = {
    "ranking.change.year.1", "ranking.change.year.2", "ranking.change.year.3",
    "ranking.change.year.4", "ranking.change.year.5", "ranking.change.year.6"};

constexpr double kHighest = FiveYearRankingChangeModel::kMaxHundredths / 100.0;

} // namespace

CDlgFiveYearRankingChange::CDlgFiveYearRankingChange(QWidget* parent, CCountry& country,
                                                     int languageSlot,
                                                     ChangeJournal::OpenChange& change)
    : CDialogB(parent), country_(country), change_(change), model_(country) {
    setWindowTitle(ToQString(FormatDialogText(
        "ranking.change.title",
        FromQString(RecordToQString(std::string(country.Name(languageSlot)))).c_str())));
    auto* layout = new QVBoxLayout(this);
    auto* box = new CMyGroupBox(QString(), this);
    auto* grid = new QGridLayout(box);
    for (int year = 0; year < FiveYearRankingChangeModel::kYears; ++year) {
        grid->addWidget(new QLabel(Text(kYearKeys[static_cast<size_t>(year)]), box), year, 0);
        auto* field = new CSpinEditCtrl(box);
        field->SetDecimalRange(0.0, kHighest, 2, 1.0);
        field->Edit().setText(ToQString(model_.ValueText(year)));
        field->setMinimumWidth(110);
        years_[static_cast<size_t>(year)] = field;
        grid->addWidget(field, year, 1);
        connect(field, &CSpinEditCtrl::valueChanged, this, [this, year] { ReadYear(year, false); });
        connect(&field->Edit(), &QLineEdit::editingFinished, this,
                [this, year] { ReadYear(year, true); });
    }
    const int pointsRow = FiveYearRankingChangeModel::kYears;
    grid->addWidget(new QLabel(Text("ranking.change.points"), box), pointsRow, 0);
    points_ = new QLabel(box);
    points_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(points_, pointsRow, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(box);

    auto* buttons = MakeOkCancelButtons(*this);
    ok_ = OkButtonOf(*buttons);
    layout->addWidget(buttons);
    ShowPoints();
}

void CDlgFiveYearRankingChange::ReadYear(int year, bool settle) {
    CSpinEditCtrl& field = YearField(year);
    model_.SetValueText(year, FromQString(field.Edit().text()));
    // A finished entry shows the value as it was taken (a text that is no number shows the
    // value it left alone); while typing, the text is never rewritten.
    if (settle && field.Edit().text() != ToQString(model_.ValueText(year))) {
        field.Edit().setText(ToQString(model_.ValueText(year)));
    }
    ShowPoints();
}

void CDlgFiveYearRankingChange::ShowPoints() {
    points_->setText(ToQString(model_.FirstSeasonPointsText()));
}

void CDlgFiveYearRankingChange::accept() {
    for (int year = 0; year < FiveYearRankingChangeModel::kYears; ++year) {
        ReadYear(year, true);
    }
    model_.Apply(country_, change_);
    CDialogB::accept();
}

bool RunFiveYearRankingChange(QWidget* owner, CCountry& country, int languageSlot,
                              ChangeJournal::OpenChange& change) {
    const FiveYearRankingChangeModel before(country);
    CDlgFiveYearRankingChange dialog(owner, country, languageSlot, change);
    return dialog.exec() == QDialog::Accepted && before.Differs(country);
}

} // namespace tallo
