#include "editors/country/dlg_land_national_team.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/country/national_squad_lists.h"
#include "editors/framework/qt_text.h"

namespace tallo {

CDlgLandNationalTeam::CDlgLandNationalTeam(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context),
      model_(*context_.world, context_.languageSlot, context_.change), teamName_(new QLabel(this)),
      shortName_(new QLabel(this)), coach_(new QLabel(this)),
      lists_(new CNationalSquadLists(model_, this)) {
    setWindowTitle(UiText("national.page.title"));

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(8);
    head->addWidget(new QLabel(UiText("national.team"), this), 0, 0);
    head->addWidget(teamName_, 0, 1);
    head->addWidget(new QLabel(UiText("national.team.short"), this), 0, 2);
    head->addWidget(shortName_, 0, 3);
    head->addWidget(new QLabel(UiText("national.coach"), this), 1, 0);
    head->addWidget(coach_, 1, 1, 1, 3);
    head->setColumnStretch(1, 1);
    head->setColumnStretch(3, 1);

    auto* note = new QLabel(UiText("national.note"), this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(head);
    layout->addWidget(note);
    layout->addWidget(lists_, 1);
}

void CDlgLandNationalTeam::FillCountry() {
    model_.SetCountry(context_.country);
    teamName_->setText(RecordToQString(model_.TeamName()));
    shortName_->setText(RecordToQString(model_.TeamShortName()));
    coach_->setText(RecordToQString(model_.CoachName()));
    lists_->Refresh();
}

void CDlgLandNationalTeam::StoreCountry() {
    // Every call-up went into the records when it was made.
}

} // namespace tallo
