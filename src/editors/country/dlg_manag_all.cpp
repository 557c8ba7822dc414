#include "editors/country/dlg_manag_all.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/assistants/world_changes.h"
#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "editing/staff/person_list_model.h"
#include "editing/assistants/search_criteria.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/kept_search_criteria.h"
#include "editors/assistants/player_search_loop.h"
#include "editors/country/dlg_land_manager_abilities.h"
#include "editors/country/dlg_land_manager_list.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/player/dlg_player_look.h"
#include "editors/player/person_page_view.h"
#include "editors/staff/dlg_manager_all_right.h"
#include "world/world.h"

namespace tallo {

// A page shown on its own (without the country editor's open change) still needs a change to
// edit in: this one keeps what the list touches and records it when the page goes, so the
// page's edits stay as they were made.
class CDlgManagAll::StandaloneChange : public JournalTarget {
public:
    explicit StandaloneChange(CWorld& world)
        : world_(world), journal_(*this, 1), change_(journal_.Begin("country.change")) {}
    ~StandaloneChange() override { change_->Commit(); }

    ChangeJournal::OpenChange& Change() { return *change_; }

    CWorld& World() override { return world_; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}

private:
    CWorld& world_;
    ChangeJournal journal_;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
};

CDlgManagAll::CDlgManagAll(QWidget* parent, const CountryEditContext& context)
    : CDialogB(parent, Kind::ChildPage), context_(context) {
    personContext_.world = context_.world;
    personContext_.languageSlot = context_.languageSlot;
    personContext_.pictureFolder = context_.pictureFolder;
    personContext_.prompt = context_.prompt;
    personContext_.choosers = context_.choosers;
    personContext_.chooserCountry = context_.country >= 1 && context_.country <= 206
                                        ? context_.country
                                        : PersonListModel::kDefaultChooserCountry;

    ChangeJournal::OpenChange* change = context_.change;
    if (change == nullptr) {
        standalone_ = std::make_unique<StandaloneChange>(*context_.world);
        change = &standalone_->Change();
    }
    listModel_ =
        std::make_unique<PersonListModel>(*context_.world, *change, this, context_.choosers);

    leftTabs_ = new CMyTabCtrl(this);
    listPage_ = new CDlgLandManagerList(*listModel_, leftTabs_);
    leftTabs_->AddPage(listPage_, UiText("staffall.tab.persons"));
    leftTabs_->setMinimumWidth(320);

    rightTabs_ = new CMyTabCtrl(this);
    auto* preferences = new CDlgManagerAllRight(rightTabs_, personContext_);
    auto* look = new CDlgPlayerLook(rightTabs_, personContext_);
    auto* abilities = new CDlgLandManagerAbilities(rightTabs_, personContext_);
    rightWidgets_ = {preferences, look, abilities};
    rightViews_ = {preferences, look, abilities};
    rightTabs_->AddPage(preferences, UiText("staff.preferences.title"));
    rightTabs_->AddPage(look, UiText("look.title"));
    rightTabs_->AddPage(abilities, UiText("staff.abilities.title"));

    doubles_ = new QPushButton(UiText("staffall.button.doubles"), this);
    search_ = new QPushButton(UiText("staffall.button.search"), this);
    for (QPushButton* button : {doubles_, search_}) {
        button->setAutoDefault(false);
    }
    connect(doubles_, &QPushButton::clicked, this, &CDlgManagAll::OpenDoubles);
    connect(search_, &QPushButton::clicked, this, &CDlgManagAll::OpenSearch);

    auto* panes = new QHBoxLayout;
    panes->setSpacing(10);
    panes->addWidget(leftTabs_, 0);
    panes->addWidget(rightTabs_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(doubles_);
    buttons->addWidget(search_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    built_ = true;
    for (PersonPageView* view : rightViews_) {
        view->SetPerson(nullptr);
    }
}

CDlgManagAll::~CDlgManagAll() {
    listModel_->SetOwner(nullptr);
}

PersonPageView* CDlgManagAll::CurrentRightView() const {
    const int index = rightTabs_ != nullptr ? rightTabs_->currentIndex() : -1;
    return built_ && index >= 0 && index < kRightPages ? rightViews_[static_cast<size_t>(index)]
                                                       : nullptr;
}

void CDlgManagAll::FillCountry() {
    StoreCurrentPerson();
    listModel_->SetUpCountryList(context_.country, shownPerson_);
    listModel_->FillPersonList();
    // The first candidate is shown when none was before.
    if (listModel_->SelectedRow() < 0 && listModel_->Count() > 0) {
        listModel_->SelectRow(0);
    }
    listPage_->Refresh();
}

void CDlgManagAll::StoreCountry() {
    StoreCurrentPerson();
}

void CDlgManagAll::StoreCurrentPerson() {
    if (PersonPageView* view = CurrentRightView(); view != nullptr && shownPerson_ != 0) {
        view->StorePerson();
    }
}

void CDlgManagAll::ShowPerson(uint32_t personId) {
    shownPerson_ = personId;
    PersonPageView* current = CurrentRightView();
    if (current == nullptr) {
        return;
    }
    // The hidden pages let go of the person they held (it may be deleted next); the page of
    // a tab gets the person when its tab is shown.
    for (PersonPageView* view : rightViews_) {
        if (view != current) {
            view->SetPerson(nullptr);
        }
    }
    current->SetPerson(personId != 0 ? context_.world->FindPlayer(personId) : nullptr);
}

void CDlgManagAll::PersonSelectedByUser() {}

bool CDlgManagAll::CanLeaveTabPage(CMyTabCtrl& tabs, int index) {
    if (built_ && &tabs == rightTabs_ && index >= 0 && index < kRightPages && shownPerson_ != 0) {
        rightViews_[static_cast<size_t>(index)]->StorePerson();
    }
    return true;
}

void CDlgManagAll::TabPageShown(CMyTabCtrl& tabs, int) {
    if (built_ && &tabs == rightTabs_) {
        ShowPerson(shownPerson_);
    }
}

ChangeJournal::OpenChange& CDlgManagAll::Change() const {
    return context_.change != nullptr ? *context_.change : standalone_->Change();
}

void CDlgManagAll::RunAssistant(const std::function<void(const WorldChanges&)>& assistant) {
    StoreCurrentPerson();
    bool changed = false;
    WorldChanges changes = WorldChanges::InOpenChange(Change());
    changes.SetOnChanged([&changed] { changed = true; });
    assistant(changes);
    if (changed) {
        FillCountry();
    }
}

void CDlgManagAll::OpenDoubles() {
    RunAssistant([this](const WorldChanges& changes) {
        RunPlayerDoubles(this, *context_.world, context_.languageSlot, 0, 0, changes);
    });
}

void CDlgManagAll::OpenSearch() {
    // Neither the list's menu nor a club to open: the search repeats until it is cancelled.
    RunAssistant([this](const WorldChanges& changes) {
        RunPlayerSearch(this, *context_.world, context_.languageSlot, KeptSearchCriteria(),
                        PlayerSearchOpening{}, changes, context_.choosers, nullptr);
    });
}

} // namespace tallo
