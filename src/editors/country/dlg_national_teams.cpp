#include "editors/country/dlg_national_teams.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/country/national_teams_model.h"
#include "editing/session/database_session.h"
#include "editors/country/country_page_view.h"
#include "editors/country/dlg_land_nationalcoach.h"
#include "editors/country/national_squad_lists.h"
#include "editors/framework/ok_cancel_buttons.h"
#include "editors/framework/qt_text.h"

namespace tallo {

CDlgNationalTeams::CDlgNationalTeams(NationalTeamsModel& model, CoachPageFactory coachPage,
                                     QWidget* parent)
    : CDialogB(parent), model_(model), coachPage_(std::move(coachPage)),
      countries_(new QListWidget(this)), teamName_(new QLabel(this)), coach_(new QLabel(this)),
      coachButton_(new QPushButton(UiText("national.teams.coach.edit"), this)),
      lists_(new CNationalSquadLists(model_.Team(), this)) {
    setWindowTitle(UiText("national.teams.caption"));

    for (const ChoiceEntry& entry : model_.Countries()) {
        auto* item = new QListWidgetItem(RecordToQString(entry.text), countries_);
        item->setData(Qt::UserRole, static_cast<int>(entry.value));
    }
    countries_->setSelectionMode(QAbstractItemView::SingleSelection);
    countries_->setMinimumWidth(170);
    countries_->setMaximumWidth(220);

    coachButton_->setAutoDefault(false);
    coachButton_->setVisible(static_cast<bool>(coachPage_));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(UiText("national.teams.countries"), this));
    left->addWidget(countries_, 1);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(8);
    head->addWidget(new QLabel(UiText("national.team"), this), 0, 0);
    head->addWidget(teamName_, 0, 1, 1, 2);
    head->addWidget(new QLabel(UiText("national.coach"), this), 1, 0);
    head->addWidget(coach_, 1, 1);
    head->addWidget(coachButton_, 1, 2);
    head->setColumnStretch(1, 1);

    auto* note = new QLabel(UiText("national.note"), this);
    note->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addLayout(head);
    right->addWidget(note);
    right->addWidget(lists_, 1);

    auto* panes = new QHBoxLayout;
    panes->setSpacing(10);
    panes->addLayout(left, 0);
    panes->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(panes, 1);
    layout->addWidget(MakeOkCancelButtons(*this));

    const int row = model_.RowOf(model_.SelectedCountry());
    countries_->setCurrentRow(row);
    if (row >= 0) {
        countries_->scrollToItem(countries_->item(row), QAbstractItemView::PositionAtCenter);
    }
    connect(countries_, &QListWidget::currentRowChanged, this,
            &CDlgNationalTeams::OnCountryRowChanged);
    connect(coachButton_, &QPushButton::clicked, this, &CDlgNationalTeams::EditCoach);
    ShowCountry();
    resize(1280, 660);
}

void CDlgNationalTeams::OnCountryRowChanged(int row) {
    if (row < 0 || row >= countries_->count()) {
        return;
    }
    model_.SelectCountry(countries_->item(row)->data(Qt::UserRole).toInt());
    ShowCountry();
}

void CDlgNationalTeams::ShowCountry() {
    const NationalTeamModel& team = model_.Team();
    teamName_->setText(RecordToQString(team.TeamName()));
    coach_->setText(RecordToQString(team.CoachName()));
    coachButton_->setEnabled(team.HasCountry());
    lists_->Refresh();
}

void CDlgNationalTeams::EditCoach() {
    if (!coachPage_) {
        return;
    }
    const CountryEditContext* context = model_.BeginCoachEdit();
    if (context == nullptr) {
        return;
    }
    CDialogB window(this);
    window.setWindowTitle(UiText("national.teams.coach.caption"));
    auto [page, view] = coachPage_(&window, *context);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(10, 10, 10, 10);
    if (page != nullptr) {
        layout->addWidget(page, 1);
    }
    layout->addWidget(MakeOkCancelButtons(window));
    if (view != nullptr) {
        view->FillCountry();
    }
    if (window.exec() == QDialog::Accepted) {
        if (view != nullptr) {
            view->StoreCountry();
        }
    } else {
        model_.CancelCoachEdit();
    }
    ShowCountry();
}

std::pair<QWidget*, CountryPageView*> NationalCoachPage(QWidget* parent,
                                                        const CountryEditContext& context) {
    auto* page = new CDlgLandNationalcoach(parent, context);
    return {page, page};
}

bool RunNationalTeams(QWidget* owner, DatabaseSession& session, int startCountry,
                      int languageSlot) {
    NationalTeamsModel model(session, startCountry, languageSlot);
    CDlgNationalTeams dialog(model, NationalCoachPage, owner);
    if (dialog.exec() == QDialog::Accepted) {
        return model.Confirm();
    }
    model.Abandon();
    return false;
}

} // namespace tallo
