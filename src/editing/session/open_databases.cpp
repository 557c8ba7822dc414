#include "editing/session/open_databases.h"
#include "platform/progress.h"

#include <optional>
#include <utility>

#include "app/database_folders.h"
#include "app/load_preparation.h"
#include "app/longtime_write_db.h"
#include "app/master_build_driver.h"
#include "app/world_export.h"
#include "app/world_import.h"
#include "app/world_internationals.h"
#include "editing/session/database_session.h"
#include "formats/dialog_text.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"
#include "platform/database_lock.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "world/load_finding.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kCaptionString = 899;
constexpr uint16_t kStartCountry = 14;
constexpr const char* kImportName = "main.file.import";
constexpr const char* kRestoreName = "main.database.restore";

std::string FindingLines(const CWorld& world) {
    std::string lines;
    for (const LoadFinding& finding : world.LoadFindings()) {
        lines += FormatLoadFinding(finding) + "\n";
    }
    return lines;
}

} // namespace

std::string EditorContext::Caption() const {
    return caption.empty() ? LoadString(kCaptionString) : caption;
}

OpenDatabases::OpenDatabases(EditorContext context)
    : context_(std::move(context)),
      list_(DatabaseList::Hooks{[this](CWorld& world) { ClearWorld(world); }, {}}) {}

OpenDatabases::~OpenDatabases() {
    // The sessions' international competitions leave the worlds before the list destroys them.
    for (auto& session : sessions_) {
        session->ReleaseInternationals();
    }
    sessions_.clear();
}

DatabaseSession* OpenDatabases::Current() const {
    return SessionOf(list_.GetCurrent());
}

DatabaseSession* OpenDatabases::At(size_t position) const {
    return position < sessions_.size() ? sessions_[position].get() : nullptr;
}

int OpenDatabases::IndexOf(const DatabaseSession* session) const {
    for (size_t i = 0; i < sessions_.size(); ++i) {
        if (sessions_[i].get() == session) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

DatabaseSession* OpenDatabases::SessionOf(const CWorld* world) const {
    for (const auto& session : sessions_) {
        if (&session->World() == world) {
            return session.get();
        }
    }
    return nullptr;
}

// Making worlds -------------------------------------------------------------------------------

void OpenDatabases::ClearWorld(CWorld& world) const {
    LoadPreparation prepared;
    PrepareWorld(world, context_.installFolder, prepared);
    if (context_.tools != nullptr && context_.languageTables != nullptr) {
        context_.tools->InstallLookups(world, *context_.languageTables);
    }
}

void OpenDatabases::LoadWorld(CWorld& world, WorldInternationals& internationals,
                              const std::string& folder) const {
    if (!folder.empty()) {
        world.LoadAll(folder);
        world.SetDatabaseFolder(folder);
    }
    LoadPreparation prepared;
    LoadInternationalCompetitions(world, context_.installFolder, internationals, prepared);
}

DatabaseSession* OpenDatabases::AddSession(CWorld& world) {
    // A database shows country 14 of Europe when it is first shown.
    world.continent = 0;
    world.previousContinent = 0;
    world.selectedCountry = kStartCountry;
    // The list adds at its end; the sessions follow its order.
    sessions_.push_back(std::make_unique<DatabaseSession>(list_, world));
    return sessions_.back().get();
}

DatabaseSession* OpenDatabases::OpenFolder(const std::string& folder) {
    CWorld* world = list_.AddDatabase();
    if (world == nullptr) {
        return nullptr;
    }
    DatabaseSession* session = AddSession(*world);
    LoadWorld(*world, session->Internationals(), folder);
    return session;
}

DatabaseSession* OpenDatabases::OpenGameDatabase() {
    return OpenFolder(GameDatabaseFolder(context_.installFolder));
}

DatabaseSession* OpenDatabases::OpenUserDatabase(std::string_view name) {
    if (IsFull() || context_.userDatabases == nullptr) {
        return nullptr;
    }
    std::optional<std::string> folder = context_.userDatabases->FolderOf(name);
    if (!folder || !FolderExists(*folder)) {
        return nullptr;
    }
    return OpenFolder(*folder);
}

bool OpenDatabases::AcceptsDatabaseName(std::string_view name) const {
    const DatabaseNameProblem problem = CheckDatabaseName(name);
    if (problem == DatabaseNameProblem::None) {
        return true;
    }
    const std::string text(name);
    Prompt().ShowMessage(FormatDialogText("main.database.name_refused", text.c_str(),
                                          DatabaseNameProblemText(problem)),
                         context_.Caption());
    return false;
}

DatabaseSession* OpenDatabases::CreateUserDatabase(std::string_view name) {
    if (IsFull() || context_.userDatabases == nullptr) {
        return nullptr;
    }
    if (!AcceptsDatabaseName(name)) {
        return nullptr;
    }
    CWorld* world =
        list_.CreateDatabase(*context_.userDatabases, name, Prompt(), context_.Caption());
    if (world == nullptr) {
        return nullptr;
    }
    DatabaseSession* session = AddSession(*world);
    LoadWorld(*world, session->Internationals(), std::string());
    return session;
}

bool OpenDatabases::ShowLoadFindings(const DatabaseSession& session) const {
    const CWorld& world = session.World();
    if (!world.HasLoadDamage()) {
        return false;
    }
    const std::string folder = world.DatabaseFolder();
    Prompt().ShowErrorWindow(FormatDialogText("main.load.damaged", folder.c_str()),
                             FindingLines(world));
    return true;
}

// The list ----------------------------------------------------------------------------------

bool OpenDatabases::Switch(size_t position) {
    return list_.SelectDatabase(position);
}

bool OpenDatabases::CloseCurrent() {
    DatabaseSession* session = Current();
    if (session == nullptr || Count() <= 1) {
        return false;
    }
    const std::string name = list_.CurrentName();
    if (!Prompt().AskYesNo(FormatString(DatabaseList::kCloseQuestion, name.c_str()),
                           context_.Caption())) {
        return false;
    }
    // The competitions leave the world before it goes.
    session->ReleaseInternationals();
    std::unique_ptr<CWorld> closed = list_.RemoveDatabase(&session->World());
    sessions_.erase(sessions_.begin() + IndexOf(session));
    closed.reset();
    list_.SelectDatabase(0);
    return true;
}

// Saving ------------------------------------------------------------------------------------

bool OpenDatabases::MaySave(DatabaseSession& session) const {
    const CWorld& world = session.World();
    if (!world.HasLoadDamage() || session.DamageAccepted()) {
        return true;
    }
    const std::string folder = world.DatabaseFolder();
    const std::string findings = FindingLines(world);
    if (!Prompt().AskYesNo(FormatDialogText("main.save.damaged", folder.c_str(), findings.c_str()),
                           context_.Caption())) {
        return false;
    }
    session.SetDamageAccepted(true);
    return true;
}

bool OpenDatabases::SaveSession(DatabaseSession& session) {
    CWorld& world = session.World();
    DatabaseLock lock;
    std::string error;
    if (!lock.Acquire(world.DatabaseFolder(), error)) {
        Prompt().ShowErrorWindow(LoadString(CWorld::kSaveErrorString),
                                 FormatDialogText("main.save.locked", error.c_str()));
        return false;
    }
    if (!world.SaveAll(&Prompt())) {
        return false;
    }
    session.Journal().MarkSaved();
    return true;
}

bool OpenDatabases::SaveCurrent() {
    DatabaseSession* session = Current();
    if (session == nullptr || !MaySave(*session)) {
        return false;
    }
    return SaveSession(*session);
}

bool OpenDatabases::SaveCurrentAs(std::string_view name, std::string_view comment) {
    DatabaseSession* session = Current();
    if (session == nullptr || context_.userDatabases == nullptr) {
        return false;
    }
    if (!AcceptsDatabaseName(name)) {
        return false;
    }
    // Asked before the folder changes, so that a no leaves the database where it was.
    if (!MaySave(*session)) {
        return false;
    }
    if (!context_.userDatabases->CreateDatabaseFolder(session->World(), name, comment, Prompt(),
                                                      context_.Caption())) {
        return false;
    }
    return SaveSession(*session);
}

// Long-time operations ----------------------------------------------------------------------

IProgress& OpenDatabases::Display() const {
    static SilentProgress none;
    return context_.progress != nullptr ? *context_.progress : none;
}

LongtimeResult OpenDatabases::ExportCurrent(const std::string& path, WorldExportReport* report) {
    DatabaseSession* session = Current();
    if (session == nullptr || context_.userDatabases == nullptr) {
        return LongtimeResult::Failed;
    }
    WorldExportSetup setup;
    setup.folders = context_.userDatabases;
    setup.badgesFolder = context_.badgesFolder;
    setup.pictureFolder = context_.pictureFolder;
    return ExportWorld(session->World(), path, setup, Display(), Prompt(), context_.Caption(),
                       context_.progressLoop, report);
}

LongtimeResult OpenDatabases::ImportInto(DatabaseSession& session, const std::string& path,
                                         bool restore, WorldImportReport* report) {
    // The archive goes into a world of its own; the database in use is not touched unless the
    // import gives a database to put in its place.
    DatabaseContents incoming;
    incoming.world = std::make_unique<CWorld>();
    incoming.internationals = std::make_unique<WorldInternationals>();
    ClearWorld(*incoming.world);

    WorldImportSetup setup;
    setup.installFolder = context_.installFolder;
    setup.badgesFolder = context_.badgesFolder;
    setup.pictureFolder = context_.pictureFolder;
    WorldInternationals* internationals = incoming.internationals.get();
    setup.reload = [this, internationals](CWorld& world, const std::string& folder) {
        ClearWorld(world);
        const bool loaded = world.LoadAll(folder);
        LoadPreparation prepared;
        LoadInternationalCompetitions(world, context_.installFolder, *internationals, prepared);
        return loaded;
    };

    WorldImportReport own;
    WorldImportReport& result = report != nullptr ? *report : own;
    const LongtimeResult outcome =
        restore ? RestoreFromSafetyCopy(*incoming.world, setup, Display(), Prompt(),
                                        context_.Caption(), context_.progressLoop, &result)
                : ImportWorld(*incoming.world, path, true, setup, Display(), Prompt(),
                              context_.Caption(), context_.progressLoop, &result);
    if (result.reloaded) {
        session.Journal().Replace(restore ? kRestoreName : kImportName, std::move(incoming));
    }
    return outcome;
}

LongtimeResult OpenDatabases::ImportIntoCurrent(const std::string& path,
                                                WorldImportReport* report) {
    DatabaseSession* session = Current();
    if (session == nullptr) {
        return LongtimeResult::Failed;
    }
    return ImportInto(*session, path, false, report);
}

LongtimeResult OpenDatabases::RestoreCurrent(WorldImportReport* report) {
    DatabaseSession* session = Current();
    if (session == nullptr) {
        return LongtimeResult::Failed;
    }
    return ImportInto(*session, std::string(), true, report);
}

LongtimeResult OpenDatabases::WriteSafetyCopyIfMissing() {
    DatabaseSession* session = Current();
    if (session == nullptr || context_.userDatabases == nullptr) {
        return LongtimeResult::Failed;
    }
    WorldExportSetup setup;
    setup.folders = context_.userDatabases;
    setup.badgesFolder = context_.badgesFolder;
    setup.pictureFolder = context_.pictureFolder;
    return tallo::WriteSafetyCopyIfMissing(session->World(), context_.installFolder, setup,
                                           Display(), Prompt(), context_.Caption(),
                                           context_.progressLoop);
}

LongtimeResult OpenDatabases::WriteGameDatabase(MasterBuildResult* result, uint32_t optionBits) {
    DatabaseSession* session = Current();
    if (session == nullptr) {
        return LongtimeResult::Failed;
    }
    CWorld& world = session->World();
    MasterBuildRequest where;
    where.rootFolder = context_.installFolder;
    where.databaseFolder = GameDatabaseFolder(context_.installFolder);
    MasterBuildServices services;
    if (context_.tools != nullptr) {
        services = MasterServicesOf(*context_.tools);
    }
    CLongtimeWriteDB operation(
        world.Language(), optionBits, false,
        MasterBuildWork(world, where, std::move(services), &Prompt(), nullptr, nullptr, result));
    return operation.Start(Display(), context_.progressLoop);
}

} // namespace tallo
