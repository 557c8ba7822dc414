#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/database_folders.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "platform/environment.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace tallo {
class CClub;
class CWorld;
class DatabaseSession;
} // namespace tallo

namespace tallo::test {

// A small sample installation (seed 11) written once per test program, or once per ctest run
// (the folder named by TALLO_TEST_SAMPLE), with the installation's tables read as the editor
// reads them at its start. Tests only read it: parallel test programs share it.
const std::string& EditingSample();

// A private copy of the shared sample's installation in `folder`: its "database" folder (the
// game's own database and the tables beside it), its "script", "badges" and "picture"
// folders. Imports and safety copies write there.
void CopyInstallation(const std::string& folder);

// Every file a SaveAll of `world` writes, by name. The world is saved into a scratch folder and
// keeps its own folder.
std::map<std::string, std::string> SavedBytes(CWorld& world);

// A fresh load of a database folder of an installation, as the editor loads it at its start
// (the load is expected to succeed).
std::unique_ptr<CWorld> LoadDatabase(const std::string& install, const std::string& folder);

// An editor on an installation: user databases below a temporary documents folder, a scripted
// prompt (answering yes unless told otherwise), a recording progress display and the open
// databases.
struct EditorHarness {
    // `install` empty: a private copy of the sample installation in the harness's folder.
    explicit EditorHarness(const std::string& install = std::string());
    ~EditorHarness();

    DatabaseSession& OpenGame();

    TempDir dir;
    std::string install;
    MapEnvironment env;
    std::unique_ptr<DatabaseFolders> folders;
    ScriptedPrompt prompt{true};
    RecordingProgress progress;
    std::unique_ptr<OpenDatabases> databases;
};

// Makes a club pass the squad and staff checks: only players, every one named, at least
// `firstTeam` of them in the first team (named new players of the club's country added), and
// every facility at its top level.
void MakeSquadValid(CWorld& world, CClub& club, int firstTeam);

} // namespace tallo::test
