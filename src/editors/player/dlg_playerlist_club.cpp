#include "editors/player/dlg_playerlist_club.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/assistants/world_changes.h"
#include "editing/player/squad_list_model.h"
#include "editing/assistants/search_criteria.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/kept_search_criteria.h"
#include "editors/assistants/player_search_loop.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "editors/player/dlg_playerlist_club_faults.h"
#include "editors/player/dlg_shirt_no.h"
#include "editors/player/person_page_view.h"
#include "editors/staff/dlg_manager_list.h"
#include "world/world.h"

namespace tallo {

CDlgPlayerlistClub::CDlgPlayerlistClub(SquadListModel& model, int languageSlot,
                                       const PersonEditorFactory& factory, QWidget* parent)
    : CDialogB(parent), model_(model), languageSlot_(languageSlot), tabs_(new CMyTabCtrl(this)),
      numbers_(new QPushButton(UiText("squad.button.numbers"), this)),
      doubles_(new QPushButton(UiText("squad.button.doubles"), this)),
      search_(new QPushButton(UiText("squad.button.search"), this)),
      ok_(new QPushButton(UiText("squad.button.ok"), this)),
      cancel_(new QPushButton(UiText("squad.button.cancel"), this)) {
    setWindowTitle(ToQString(FormatDialogText("squad.caption", "%1"))
                       .arg(RecordToQString(model_.ClubName(languageSlot_))));

    for (int tab = 0; tab < SquadListModel::kTabCount; ++tab) {
        auto* page = new CDlgManagerList(model_.List(tab), tabs_);
        pages_[static_cast<size_t>(tab)] = page;
        tabs_->AddPage(page, ToQString(SquadListModel::TabText(tab)));
    }
    tabs_->setMinimumWidth(320);

    if (factory) {
        std::tie(editor_, editorView_) = factory(this);
    }
    if (editor_ == nullptr) {
        editor_ = new QWidget(this);
    }

    auto* panes = new QHBoxLayout;
    panes->setSpacing(10);
    panes->addWidget(tabs_, 0);
    panes->addWidget(editor_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(numbers_);
    buttons->addWidget(doubles_);
    buttons->addWidget(search_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    ok_->setDefault(true);
    numbers_->setAutoDefault(false);
    doubles_->setAutoDefault(false);
    search_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &CDlgPlayerlistClub::accept);
    connect(cancel_, &QPushButton::clicked, this, &CDlgPlayerlistClub::reject);
    connect(numbers_, &QPushButton::clicked, this, &CDlgPlayerlistClub::OpenShirtNumbers);
    connect(doubles_, &QPushButton::clicked, this, &CDlgPlayerlistClub::OpenDoubles);
    connect(search_, &QPushButton::clicked, this, &CDlgPlayerlistClub::OpenSearch);

    model_.SetOwner(this);
    if (model_.IsValid()) {
        model_.SelectTab(0);
        pages_[0]->Refresh();
    } else {
        setEnabled(false);
    }
    resize(980, 640);
}

CDlgPlayerlistClub::~CDlgPlayerlistClub() {
    model_.SetOwner(nullptr);
}

CDlgManagerList& CDlgPlayerlistClub::CurrentPage() const {
    return *pages_[static_cast<size_t>(model_.CurrentTab())];
}

void CDlgPlayerlistClub::StoreCurrentPerson() {
    if (editorView_ != nullptr && shownPerson_ != 0) {
        editorView_->StorePerson();
    }
}

void CDlgPlayerlistClub::ShowPerson(uint32_t personId) {
    shownPerson_ = personId;
    if (editorView_ != nullptr) {
        editorView_->SetPerson(personId != 0 ? model_.World().FindPlayer(personId) : nullptr);
    }
}

void CDlgPlayerlistClub::PersonSelectedByUser() {}

bool CDlgPlayerlistClub::CanLeaveTabPage(CMyTabCtrl& tabs, int) {
    if (&tabs == tabs_) {
        StoreCurrentPerson();
    }
    return true;
}

void CDlgPlayerlistClub::TabPageShown(CMyTabCtrl& tabs, int index) {
    if (&tabs != tabs_ || index < 0 || index >= SquadListModel::kTabCount || !model_.IsOpen()) {
        return;
    }
    // The other tabs' commands may have changed the club: the list is filled anew.
    model_.SelectTab(index);
    pages_[static_cast<size_t>(index)]->Refresh();
}

CDlgPlayerlistClub::FaultAnswer CDlgPlayerlistClub::AskFaults(const std::vector<int>& messages) {
    if (faultQuestion_) {
        return faultQuestion_(messages);
    }
    CDlgPlayerlistClubFaults window(messages, this);
    return window.exec() == CDlgPlayerlistClubFaults::NeverMind ? FaultAnswer::NeverMind
                                                                : FaultAnswer::Stay;
}

void CDlgPlayerlistClub::accept() {
    if (!model_.IsOpen()) {
        CDialogB::accept();
        return;
    }
    if (model_.Confirm()) {
        CDialogB::accept();
        return;
    }
    if (AskFaults(model_.FaultMessages()) == FaultAnswer::NeverMind) {
        model_.Abandon();
        CDialogB::reject();
    }
}

void CDlgPlayerlistClub::reject() {
    model_.Abandon();
    CDialogB::reject();
}

void CDlgPlayerlistClub::OpenShirtNumbers() {
    if (!model_.IsOpen() || model_.Club() == nullptr) {
        return;
    }
    StoreCurrentPerson();
    CDlgShirtNo dialog(model_.World(), *model_.Club(), languageSlot_, this);
    if (dialog.exec() == QDialog::Accepted) {
        // The page shows the numbers it was given: it reads them anew.
        ShowPerson(shownPerson_);
    }
}

void CDlgPlayerlistClub::RunAssistant(const std::function<void(const WorldChanges&)>& assistant) {
    ChangeJournal::OpenChange* change = model_.OpenChange();
    if (change == nullptr || !model_.IsValid()) {
        return;
    }
    StoreCurrentPerson();
    bool changed = false;
    WorldChanges changes = WorldChanges::InOpenChange(*change);
    changes.SetOnChanged([this, &changed] {
        changed = true;
        model_.NoteOutsideChange();
    });
    assistant(changes);
    if (changed) {
        // Persons may have left or joined the club: the lists and the editor start afresh.
        ShowPerson(0);
        model_.SelectTab(model_.CurrentTab());
        CurrentPage().Refresh();
    }
}

void CDlgPlayerlistClub::OpenDoubles() {
    const uint32_t clubId = model_.ClubId();
    const int country = static_cast<int>(ClubReferenceCountry(clubId));
    RunAssistant([this, clubId, country](const WorldChanges& changes) {
        RunPlayerDoubles(this, model_.World(), languageSlot_, country, clubId, changes);
    });
}

void CDlgPlayerlistClub::OpenSearch() {
    RunAssistant([this](const WorldChanges& changes) {
        PlayerSearchOpening opening;
        opening.contextMenu = true;
        opening.targetClub = model_.ClubId();
        RunPlayerSearch(this, model_.World(), languageSlot_, KeptSearchCriteria(), opening, changes,
                        model_.Choosers(), nullptr);
    });
}

} // namespace tallo
