#include "editing/main_window/main_window_model.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/app_state.h"
#include "app/database_folders.h"
#include "app/folder_table.h"
#include "app/world_export.h"
#include "assets/badge_sources.h"
#include "assets/badge_wrong_report.h"
#include "editing/main_window/club_commands.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/editor_dialogs.h"
#include "editing/main_window/main_window_dialogs.h"
#include "editing/main_window/synchronisation_model.h"
#include "editing/main_window/user_database_dialog.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kContinents = SessionSelection::kContinents;
constexpr int kNone = SessionSelection::kNone;
constexpr int kExitQuestion = 574;
constexpr int kRendererMissingMessage = 844;
constexpr int kArchiveFilter = 819;
constexpr const char* kArchiveExtension = "tdb";

int ClampContinent(int continent) {
    return continent >= 0 && continent < kContinents ? continent : 0;
}

int ClampRow(int row, size_t count) {
    if (count == 0) {
        return kNone;
    }
    return std::clamp(row, 0, static_cast<int>(count) - 1);
}

// A dialog text with one text argument, in a given language.
std::string FormatDialogTextIn(const char* key, InterfaceLanguage language,
                               const std::string& argument) {
    const std::string* format = FindDialogText(key, language);
    if (format == nullptr) {
        return argument;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int needed = std::snprintf(nullptr, 0, format->c_str(), argument.c_str());
    if (needed <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(needed) + 1, '\0');
    std::snprintf(text.data(), text.size(), format->c_str(), argument.c_str());
#pragma GCC diagnostic pop
    text.resize(static_cast<size_t>(needed));
    return text;
}

std::string DialogTextIn(const char* key, InterfaceLanguage language) {
    const std::string* text = FindDialogText(key, language);
    return text != nullptr ? *text : std::string();
}

} // namespace

MainWindowModel::MainWindowModel(OpenDatabases& databases, IMainWindowDialogs* dialogs,
                                 IEditorDialogs* editors)
    : databases_(databases), dialogs_(dialogs), editors_(editors) {}

MainWindowModel::~MainWindowModel() = default;

DatabaseSession* MainWindowModel::Session() const {
    return databases_.Current();
}

// Start and end ------------------------------------------------------------------------------

StartOutcome MainWindowModel::Initialise(bool rendererLoaded, std::string baseTitle) {
    StartOutcome outcome;
    if (databases_.Count() == 0) {
        if (DatabaseSession* session = databases_.OpenGameDatabase()) {
            databases_.ShowLoadFindings(*session);
        }
    }
    DatabaseSession* session = Session();
    outcome.loaded = session != nullptr;
    if (session != nullptr) {
        databases_.WriteSafetyCopyIfMissing();
        CWorld& world = session->World();
        world.continent = 0;
        world.previousContinent = 0;
        world.selectedCountry = kInitialCountry;
    }
    FillAll();
    if (!rendererLoaded) {
        databases_.Prompt().ShowMessage(LoadString(kRendererMissingMessage),
                                        databases_.Context().Caption());
        outcome.closeWindow = true;
        return outcome;
    }
    baseTitle_ = std::move(baseTitle);
    RefreshFromDatabase();
    initialised_ = true;
    return outcome;
}

bool MainWindowModel::RequestClose() {
    if (!initialised_) {
        return true;
    }
    return databases_.Prompt().AskYesNo(LoadString(kExitQuestion), databases_.Context().Caption());
}

// What the view shows --------------------------------------------------------------------------

std::string MainWindowModel::Title() const {
    const DatabaseSession* session = Session();
    if (session == nullptr) {
        return baseTitle_;
    }
    return WindowTitle(baseTitle_, DatabaseNameOf(session->World().DatabaseFolder()),
                       session->IsModified());
}

int MainWindowModel::CountryTopRow() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->Selection().countryTopRow : 0;
}

int MainWindowModel::SelectedCountry() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->World().selectedCountry : 0;
}

int MainWindowModel::SelectedClubRow() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->Selection().clubRow : kNone;
}

int MainWindowModel::ClubTopRow() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->Selection().clubTopRow : 0;
}

uint32_t MainWindowModel::SelectedClub() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->Selection().selectedClub : 0;
}

int MainWindowModel::Continent() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? ClampContinent(session->World().continent) : 0;
}

int MainWindowModel::LanguageItem() const {
    const DatabaseSession* session = Session();
    return session != nullptr ? session->World().Language() : 0;
}

std::vector<StatisticsValue> MainWindowModel::StatisticsValues() const {
    std::vector<StatisticsValue> values = clubs_.statistics.Values();
    for (StatisticsValue& value : databaseStatistics_.Values()) {
        values.push_back(std::move(value));
    }
    return values;
}

std::vector<DatabaseMenuEntry> MainWindowModel::DatabaseMenu() const {
    return BuildDatabaseMenu(databases_);
}

const ClubRow* MainWindowModel::SelectedClubRow_() const {
    const int row = SelectedClubRow();
    if (row < 0 || row >= static_cast<int>(clubs_.rows.size())) {
        return nullptr;
    }
    return &clubs_.rows[static_cast<size_t>(row)];
}

bool MainWindowModel::IsEnabled(int id) const {
    using namespace Command;
    const CommandInfo* info = FindCommand(id);
    const DatabaseSession* session = Session();
    if (info == nullptr) {
        return false;
    }
    if (info->place == CommandPlace::AdminMenu && !IsAdminMode()) {
        return false;
    }
    const ClubRow* club = SelectedClubRow_();
    const int country = SelectedCountry();
    const bool countrySelected = country >= 1 && country <= CWorld::kCountryCount;
    if (info->external) {
        if (editors_ == nullptr || !editors_->Supports(id) || session == nullptr) {
            return false;
        }
        switch (id) {
        case kClubSettings:
        case kSquadList:
        case kPlayerDoubles:
        case kAdminClubShoes:
            return club != nullptr;
        case kCountrySettings:
        case kFastTransfer:
        case kPlayerComparison:
        case kNationalTeams:
            return countrySelected;
        default:
            return true;
        }
    }
    if (id >= kFirstDatabase && id <= kLastDatabase) {
        return static_cast<size_t>(id - kFirstDatabase) < databases_.Count();
    }
    switch (id) {
    case kOk:
    case kCancel:
        return true;
    case kNew:
    case kOpen:
    case kImport:
        return databases_.Count() < kDatabasesGreyingNew;
    case kClose:
    case kNextDatabase:
        return databases_.Count() > 1;
    case kUndo:
        return session != nullptr && session->Journal().CanUndo();
    case kRedo:
        return session != nullptr && session->Journal().CanRedo();
    case kRestore:
        return session != nullptr && FileExists(SafetyCopyPath(databases_.Context().installFolder));
    case kRemovePlayers:
    case kSaveClubFile:
    case kReplaceClubFile:
        return club != nullptr;
    case kDeleteClub:
        return club != nullptr && !club->nationalTeam;
    case kNewClub:
        return session != nullptr && countrySelected && clubs_.rows.size() < kMaxRowsForNewClub;
    case kExit:
    case kSortByClub:
    case kSortByLeague:
    case kSortByLevel:
        return true;
    default:
        // Save, save as, export, synchronise, the badge check, the game database.
        return session != nullptr;
    }
}

CommandState MainWindowModel::Command(int id, InterfaceLanguage language) const {
    using namespace Command;
    CommandState state;
    state.id = id;
    const CommandInfo* info = FindCommand(id);
    if (info == nullptr) {
        state.visible = false;
        return state;
    }
    state.enabled = IsEnabled(id);
    state.name = CommandName(id, language);
    if (info->place == CommandPlace::AdminMenu) {
        state.visible = IsAdminMode();
    } else if (info->place == CommandPlace::Keyboard) {
        state.visible = false;
    } else if (id >= kFirstDatabase && id <= kLastDatabase) {
        const size_t position = static_cast<size_t>(id - kFirstDatabase);
        state.visible = position < databases_.Count();
        if (state.visible) {
            state.name = DatabaseMenu()[position].text;
            state.checked = databases_.At(position) == Session();
        }
    }
    if (id == kUndo) {
        state.name = UndoText(language);
    } else if (id == kRedo) {
        state.name = RedoText(language);
    }
    state.checked = state.checked || (id == kSortByClub && sort_ == ClubSort::ByName) ||
                    (id == kSortByLeague && sort_ == ClubSort::ByLeague) ||
                    (id == kSortByLevel && sort_ == ClubSort::ByLevel);
    return state;
}

std::vector<CommandState> MainWindowModel::Commands(InterfaceLanguage language) const {
    std::vector<CommandState> states;
    for (const CommandInfo& info : MainWindowCommands()) {
        states.push_back(Command(info.id, language));
    }
    return states;
}

std::string MainWindowModel::UndoText(InterfaceLanguage language) const {
    const DatabaseSession* session = Session();
    if (session == nullptr || !session->Journal().CanUndo()) {
        return DialogTextIn("main.edit.undo", language);
    }
    return FormatDialogTextIn("main.edit.undo_named", language,
                              session->Journal().UndoName(language));
}

std::string MainWindowModel::RedoText(InterfaceLanguage language) const {
    const DatabaseSession* session = Session();
    if (session == nullptr || !session->Journal().CanRedo()) {
        return DialogTextIn("main.edit.redo", language);
    }
    return FormatDialogTextIn("main.edit.redo_named", language,
                              session->Journal().RedoName(language));
}

// Filling ---------------------------------------------------------------------------------------

void MainWindowModel::FillCountryList() {
    DatabaseSession* session = Session();
    if (session == nullptr) {
        countries_.clear();
        countryRow_ = kNone;
        shownSession_ = 0;
        return;
    }
    CWorld& world = session->World();
    SessionSelection& selection = session->Selection();
    const int continent = ClampContinent(world.continent);
    const int previous = ClampContinent(world.previousContinent);

    // The selection and top row of the list as it stands go under the previous continent;
    // a list that shows another database remembers nothing here.
    if (shownSession_ == session->Id() && shownContents_ == session->ContentsChangeCount() &&
        countryRow_ >= 0 && countryRow_ < static_cast<int>(countries_.size())) {
        selection.rememberedCountry[previous] = countries_[static_cast<size_t>(countryRow_)].number;
        selection.rememberedTopRow[previous] = selection.countryTopRow;
    }

    countries_ = CountriesOfContinent(world, continent, world.Language());
    // The country remembered for this continent; before anything was remembered, the
    // database's own selection (country 14 at the start, or what an import set).
    int wanted = selection.rememberedCountry[continent];
    if (wanted == kNone) {
        wanted = world.selectedCountry;
    }
    int row = countries_.empty() ? kNone : 0;
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (countries_[i].number == wanted) {
            row = static_cast<int>(i);
            break;
        }
    }
    const int rememberedTop = selection.rememberedTopRow[continent];
    selection.countryTopRow =
        rememberedTop != kNone ? ClampRow(rememberedTop, countries_.size()) : std::max(row, 0);
    countryRow_ = row;
    world.selectedCountry = static_cast<uint16_t>(
        row >= 0 ? countries_[static_cast<size_t>(row)].number : kCountryOfEmptyList);
    if (row >= 0) {
        selection.rememberedCountry[continent] = world.selectedCountry;
    }
    world.previousContinent = static_cast<uint16_t>(continent);
    shownSession_ = session->Id();
    shownContents_ = session->ContentsChangeCount();
}

void MainWindowModel::FillClubList() {
    DatabaseSession* session = Session();
    if (session == nullptr) {
        clubs_ = ClubListContent();
        return;
    }
    CWorld& world = session->World();
    SessionSelection& selection = session->Selection();
    const int number = world.selectedCountry;
    const CCountry* country =
        number >= 1 && number <= CWorld::kCountryCount ? world.GetCountry(number) : nullptr;
    clubs_ =
        country != nullptr ? BuildClubList(*country, sort_, world.Language()) : ClubListContent();
    // The row selected before the refill is selected again (the first when none was).
    int row = selection.clubRow;
    if (row < 0) {
        row = 0;
    }
    row = ClampRow(row, clubs_.rows.size());
    selection.clubRow = row;
    selection.clubTopRow = std::max(0, ClampRow(selection.clubTopRow, clubs_.rows.size()));
    selection.selectedClub = row >= 0 ? clubs_.rows[static_cast<size_t>(row)].clubId : 0;
}

void MainWindowModel::UpdateStatistics() {
    DatabaseSession* session = Session();
    // Caches of databases that were closed go.
    for (auto it = statisticsCaches_.begin(); it != statisticsCaches_.end();) {
        bool open = false;
        for (size_t i = 0; i < databases_.Count(); ++i) {
            open = open || databases_.At(i)->Id() == it->first;
        }
        it = open ? std::next(it) : statisticsCaches_.erase(it);
    }
    databaseStatistics_ =
        session != nullptr ? statisticsCaches_[session->Id()].Get(*session) : DatabaseStatistics();
}

void MainWindowModel::FillAll() {
    FillCountryList();
    FillClubList();
    UpdateStatistics();
}

void MainWindowModel::RefreshFromDatabase() {
    if (const DatabaseSession* session = Session()) {
        // The language number of the process (the game database build, the editors) follows
        // the database shown, whose language the box shows.
        AppState::Instance().SetCurrentLanguage(session->World().Language());
    }
    FillAll();
}

// What the user changes -------------------------------------------------------------------------

void MainWindowModel::OnLanguageChanged(int itemData) {
    DatabaseSession* session = Session();
    if (session == nullptr) {
        return;
    }
    const int8_t slot = static_cast<int8_t>(itemData);
    session->World().SetLanguage(slot < 0 ? 0 : static_cast<uint8_t>(slot));
    AppState::Instance().SetCurrentLanguage(session->World().Language());
    FillCountryList();
    FillClubList();
}

void MainWindowModel::OnContinentChanged(int continent) {
    DatabaseSession* session = Session();
    if (session == nullptr || continent < 0 || continent >= kContinents) {
        return;
    }
    CWorld& world = session->World();
    if (continent == world.continent) {
        return;
    }
    world.previousContinent = world.continent;
    world.continent = static_cast<uint16_t>(continent);
    FillCountryList();
    FillClubList();
}

void MainWindowModel::OnCountrySelected(int row) {
    DatabaseSession* session = Session();
    if (session == nullptr || row < 0 || row >= static_cast<int>(countries_.size())) {
        return;
    }
    CWorld& world = session->World();
    countryRow_ = row;
    world.selectedCountry = static_cast<uint16_t>(countries_[static_cast<size_t>(row)].number);
    session->Selection().rememberedCountry[ClampContinent(world.continent)] = world.selectedCountry;
    FillClubList();
}

void MainWindowModel::OnCountryScrolled(int topRow) {
    if (DatabaseSession* session = Session()) {
        session->Selection().countryTopRow = std::max(0, topRow);
    }
}

void MainWindowModel::OnClubSelected(int row) {
    DatabaseSession* session = Session();
    if (session == nullptr || row < 0 || row >= static_cast<int>(clubs_.rows.size())) {
        return;
    }
    session->Selection().clubRow = row;
    session->Selection().selectedClub = clubs_.rows[static_cast<size_t>(row)].clubId;
}

void MainWindowModel::OnClubScrolled(int topRow) {
    if (DatabaseSession* session = Session()) {
        session->Selection().clubTopRow = std::max(0, topRow);
    }
}

// Commands -----------------------------------------------------------------------------------

std::vector<std::string> MainWindowModel::CheckWrongBadges() {
    const DatabaseSession* session = Session();
    if (session == nullptr) {
        return {};
    }
    const EditorContext& context = databases_.Context();
    CBadgeSources sources(context.badgesFolder,
                          context.tools != nullptr ? &context.tools->BadgeArchive() : nullptr);
    std::vector<std::string> texts = ::tallo::CheckWrongBadges(session->World(), sources);
    ShowWrongBadges(texts, databases_.Prompt());
    return texts;
}

void MainWindowModel::NewDatabase() {
    if (dialogs_ == nullptr) {
        return;
    }
    std::optional<std::string> name = dialogs_->AskNewDatabaseName();
    if (name && !name->empty()) {
        databases_.CreateUserDatabase(*name);
    }
}

void MainWindowModel::OpenDatabase() {
    const EditorContext& context = databases_.Context();
    if (dialogs_ == nullptr || context.userDatabases == nullptr) {
        return;
    }
    UserDatabaseDialogModel model(UserDatabaseDialogModel::Kind::Open, *context.userDatabases,
                                  databases_.Prompt(), context.Caption());
    std::optional<std::string> name = dialogs_->ChooseDatabaseToOpen(model);
    if (!name || name->empty()) {
        return;
    }
    if (DatabaseSession* session = databases_.OpenUserDatabase(*name)) {
        databases_.ShowLoadFindings(*session);
    }
}

void MainWindowModel::SaveAs() {
    const EditorContext& context = databases_.Context();
    if (dialogs_ == nullptr || context.userDatabases == nullptr) {
        return;
    }
    UserDatabaseDialogModel model(UserDatabaseDialogModel::Kind::Save, *context.userDatabases,
                                  databases_.Prompt(), context.Caption());
    std::optional<SaveAsChoice> choice = dialogs_->ChooseSaveAsName(model);
    if (choice) {
        databases_.SaveCurrentAs(choice->name, choice->comment);
    }
}

void MainWindowModel::Import() {
    if (databases_.IsFull()) {
        return;
    }
    std::optional<std::string> path =
        databases_.Prompt().ChooseFileToOpen(LoadString(kArchiveFilter), kArchiveExtension);
    if (!path || path->empty()) {
        return;
    }
    NormalisePath(*path);
    databases_.ImportIntoCurrent(*path);
}

void MainWindowModel::Export() {
    std::optional<std::string> path = databases_.Prompt().ChooseFileToSave(
        LoadString(kArchiveFilter), kArchiveExtension, std::string());
    if (!path || path->empty()) {
        return;
    }
    NormalisePath(*path);
    databases_.ExportCurrent(*path);
}

void MainWindowModel::Synchronise() {
    if (dialogs_ == nullptr) {
        return;
    }
    IMainWindowDialogs* dialogs = dialogs_;
    SynchronisationModel model(
        databases_, [dialogs](uint32_t mask) { return dialogs->ChooseCountryParts(mask); },
        [dialogs](uint32_t mask) { return dialogs->ChooseClubParts(mask); });
    dialogs_->RunSynchronisation(model);
}

void MainWindowModel::NewClub() {
    DatabaseSession* session = Session();
    if (dialogs_ == nullptr || session == nullptr) {
        return;
    }
    std::optional<std::string> name = dialogs_->AskNewClubName();
    if (!name || name->empty()) {
        return;
    }
    AddNewClub(*session, SelectedCountry(), *name, databases_.Prompt(),
               databases_.Context().Caption());
}

void MainWindowModel::RunExternal(int id) {
    DatabaseSession* session = Session();
    if (editors_ == nullptr || session == nullptr) {
        return;
    }
    EditorSelection selection;
    selection.databases = &databases_;
    selection.session = session;
    selection.country = SelectedCountry();
    selection.club = SelectedClub();
    selection.languageSlot = session->World().Language();
    editors_->Run(id, selection);
}

CommandOutcome MainWindowModel::OnCommand(int id) {
    using namespace Command;
    CommandOutcome outcome;
    const CommandInfo* info = FindCommand(id);
    if (info == nullptr) {
        return outcome;
    }
    outcome.handled = true;
    if (!IsEnabled(id) || id == kOk || id == kCancel) {
        return outcome;
    }
    DatabaseSession* session = Session();
    IPrompt& prompt = databases_.Prompt();
    const std::string caption = databases_.Context().Caption();
    const uint32_t club = SelectedClub();

    if (info->external) {
        RunExternal(id);
        RefreshFromDatabase();
        return outcome;
    }
    if (id >= kFirstDatabase && id <= kLastDatabase) {
        // A position beyond the open databases changes nothing, but the window is refreshed.
        databases_.Switch(static_cast<size_t>(id - kFirstDatabase));
        RefreshFromDatabase();
        return outcome;
    }
    switch (id) {
    case kNew:
        NewDatabase();
        break;
    case kOpen:
        OpenDatabase();
        break;
    case kClose:
        databases_.CloseCurrent();
        break;
    case kSave:
        databases_.SaveCurrent();
        break;
    case kSaveAs:
        SaveAs();
        break;
    case kImport:
        Import();
        break;
    case kExport:
        Export();
        break;
    case kExit:
        outcome.closeWindow = RequestClose();
        return outcome;
    case kUndo:
        session->Journal().Undo();
        break;
    case kRedo:
        session->Journal().Redo();
        break;
    case kNextDatabase: {
        // Left open by the original; here it goes on to the following database.
        const int index = databases_.IndexOf(session);
        databases_.Switch(static_cast<size_t>(index + 1) % databases_.Count());
        break;
    }
    case kSynchronise:
        Synchronise();
        break;
    case kRestore:
        databases_.RestoreCurrent();
        break;
    case kWrongBadges:
        CheckWrongBadges();
        break;
    case kRemovePlayers:
        RemovePlayersAndManagers(*session, club, prompt, caption);
        break;
    case kNewClub:
        NewClub();
        break;
    case kDeleteClub:
        DeleteClub(*session, club);
        break;
    case kSaveClubFile:
        SaveClubToFile(*session, club, prompt);
        break;
    case kReplaceClubFile:
        ReplaceClubFromFile(*session, club, prompt, caption);
        break;
    case kSortByClub:
        sort_ = ClubSort::ByName;
        break;
    case kSortByLeague:
        sort_ = ClubSort::ByLeague;
        break;
    case kSortByLevel:
        sort_ = ClubSort::ByLevel;
        break;
    case kWriteGameDatabase:
        databases_.WriteGameDatabase();
        break;
    default:
        break;
    }
    RefreshFromDatabase();
    return outcome;
}

} // namespace tallo
