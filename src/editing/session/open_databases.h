#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/database_list.h"
#include "app/longtime_operation.h"
#include "editing/session/editor_context.h"

namespace tallo {

class CWorld;
class DatabaseSession;
class WorldInternationals;
struct MasterBuildResult;
struct WorldExportReport;
struct WorldImportReport;

// The databases open in the editor: the database list (at most six worlds, one current) with
// one session per world, kept in the list's order, and the file menu's commands on them
// without their dialogs: the caller passes the name the user typed or chose, the path of the
// archive, and the prompt answers the questions.
//
// Every world is made the same way: its 206 countries from the installation's countries.sav,
// the look-ups of the global tool object, the database loaded from its folder, and the
// international competitions of the installation's script folder kept by its session.
class OpenDatabases {
public:
    static constexpr size_t kMaxDatabases = DatabaseList::kMaxDatabases;

    explicit OpenDatabases(EditorContext context);
    ~OpenDatabases();
    OpenDatabases(const OpenDatabases&) = delete;
    OpenDatabases& operator=(const OpenDatabases&) = delete;

    const EditorContext& Context() const { return context_; }
    IPrompt& Prompt() const { return *context_.prompt; }
    DatabaseList& List() { return list_; }
    const DatabaseList& List() const { return list_; }

    size_t Count() const { return sessions_.size(); }
    bool IsFull() const { return list_.IsFull(); }
    DatabaseSession* Current() const;
    DatabaseSession* At(size_t position) const;
    // Position in the list, -1 when not open.
    int IndexOf(const DatabaseSession* session) const;
    DatabaseSession* SessionOf(const CWorld* world) const;

    // Opening ------------------------------------------------------------------------------

    // A new database loaded from `folder` becomes current; nullptr when six are open. A
    // folder without country files opens empty.
    DatabaseSession* OpenFolder(const std::string& folder);
    // The game's own database, "<installation>/database" (the start of the editor).
    DatabaseSession* OpenGameDatabase();
    // File > Open: the user database `name`; nullptr when six are open or there is none.
    DatabaseSession* OpenUserDatabase(std::string_view name);
    // File > New: an empty database `name` whose folder holds only its comment file becomes
    // current (question 863 when the folder exists). A name the database name check refuses
    // is reported and nothing is made. nullptr when nothing was made.
    DatabaseSession* CreateUserDatabase(std::string_view name);
    // What the load of the session's database found damaged, in the error window; false when
    // it found nothing.
    bool ShowLoadFindings(const DatabaseSession& session) const;

    // The list -----------------------------------------------------------------------------

    // Database menu entries 1 to 6: false, nothing changed, beyond the open ones.
    bool Switch(size_t position);
    // File > Close: only while more than one is open, after yes to question 859; the first
    // database becomes current. Unsaved changes are lost.
    bool CloseCurrent();

    // Saving -------------------------------------------------------------------------------

    // File > Save: SaveAll of the current database into its folder (all or nothing; a failure
    // is shown as SaveAll reports it). A database whose load found damage asks first, once.
    // While it saves, the database folder is locked against other programs; a folder another
    // program is changing is not written. True when saved; the asterisk goes.
    bool SaveCurrent();
    // File > Save as: the current database gets the user database folder `name` with
    // `comment` (question 863 when it exists) and is saved there.
    bool SaveCurrentAs(std::string_view name, std::string_view comment);

    // Long-time operations -----------------------------------------------------------------

    // File > Export: the current database to the world archive `path`.
    LongtimeResult ExportCurrent(const std::string& path, WorldExportReport* report = nullptr);
    // File > Import: asks first (entry 882) and only then touches anything; the archive is
    // imported into a new world, which replaces the current database through its journal, so
    // the import can be undone. An archive that writes nothing leaves the database as it was.
    LongtimeResult ImportIntoCurrent(const std::string& path, WorldImportReport* report = nullptr);
    // Database > Restore: the safety copy "<installation>/database/default.tdb" imported the
    // same way, after question 897; Declined without the file.
    LongtimeResult RestoreCurrent(WorldImportReport* report = nullptr);
    // Start: the safety copy of the current database when the file does not exist yet.
    LongtimeResult WriteSafetyCopyIfMissing();
    // The game database of the current database, in its language, option bits 0 (the admin
    // menu's console build gives 0x41), written to "<installation>/database/Master.dat".
    LongtimeResult WriteGameDatabase(MasterBuildResult* result = nullptr, uint32_t optionBits = 0);

private:
    // A new world of the installation with its international competitions, loaded from
    // `folder` when it is not empty.
    void ClearWorld(CWorld& world) const;
    void LoadWorld(CWorld& world, WorldInternationals& internationals,
                   const std::string& folder) const;
    DatabaseSession* AddSession(CWorld& world);
    // Whether `name` may name a user database; otherwise the reason is shown and false given.
    bool AcceptsDatabaseName(std::string_view name) const;
    // Asks before the first save of a database whose load found damage; false on no.
    bool MaySave(DatabaseSession& session) const;
    bool SaveSession(DatabaseSession& session);
    LongtimeResult ImportInto(DatabaseSession& session, const std::string& path, bool restore,
                              WorldImportReport* report);
    IProgress& Display() const;

    EditorContext context_;
    DatabaseList list_;
    std::vector<std::unique_ptr<DatabaseSession>> sessions_;
};

} // namespace tallo
