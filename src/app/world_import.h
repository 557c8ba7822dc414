#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/longtime_import_world.h"

namespace tallo {

class CWorld;
class IPrompt;
class IProgress;

// Where an import puts its files, and how the world is loaded again afterwards.
struct WorldImportSetup {
    // The installation: the country files go to its "database" folder, the game's own
    // database, which the world is loaded from afterwards.
    std::string installFolder;
    // Receives the country files instead of "<install>/database" when not empty (the
    // command-line tool); the world is then loaded from here.
    std::string databaseFolder;
    std::string badgesFolder;  // receives the badges (the folder table's badges folder)
    std::string pictureFolder; // receives the player pictures (the folder table's picture folder)
    // Clears the world (its countries made afresh from the country list) and loads the folder
    // into it. Without it: the installation's "database/countries.sav", then CWorld::LoadAll.
    std::function<bool(CWorld&, const std::string& folder)> reload;
};

// What an import did.
struct WorldImportReport {
    bool valid = false;        // the archive's header was sound
    std::string invalidReason; // why not
    size_t countries = 0;      // files written, by kind
    size_t badges = 0;
    size_t pictures = 0;
    size_t otherChunks = 0; // chunks of other tags, passed over
    // Chunks refused without writing anything: names that lead outside their folder, country
    // numbers outside 1-206, payloads without a name. One line each.
    std::vector<std::string> refused;
    // Files that could not be written (the rest was written all the same).
    std::vector<std::string> failedFiles;
    bool damaged = false; // reading stopped at damage
    uint64_t damageOffset = 0;
    std::string damage;
    bool reloaded = false; // the world was cleared and loaded again

    size_t FilesWritten() const { return countries + badges + pictures; }
    // The problems in words, one line each (empty when there were none).
    std::vector<std::string> ProblemLines() const;
};

// Imports the world archive `path`: the country files into the installation's "database"
// folder, the badges into the badges folder, the pictures into the picture folder, each file
// written whole and atomically, missing folders made.
//
// Nothing from the archive is trusted. An archive whose header is not sound changes nothing.
// A name that is absolute, has a drive, or climbs out of its folder (also through a back
// slash path or a link in the folder) is refused and reported; so is a country number
// outside 1-206. Reading stops at the first damaged chunk; what was written before it stays,
// and the report says where it stopped.
//
// Once at least one file has been written, the world's settings are reset (its folder
// becomes the game's database folder, language slot 1, country 14, continents 0) and the world
// is cleared and loaded again from that folder. When nothing was written, the world is left
// as it was. Runs on the worker thread: nothing is shown to the user here.
bool ImportWorldArchive(CWorld& world, const std::string& path, const WorldImportSetup& setup,
                        IProgress& progress, WorldImportReport& report);

// The work of CLongtimeImportWorld for `world`; `report` must outlive the operation's run.
CLongtimeImportWorld::Work MakeImportWork(CWorld& world, WorldImportSetup setup,
                                          WorldImportReport& report);

// The import as the file menu runs it: with `askFirst` the user confirms first (entry 882),
// before anything is touched; the caller does not clear the world (the import does, once it
// has something to load). Then the operation runs behind `display`, and afterwards, on the
// calling thread, the problems are shown: an archive that is not valid as a message, refused
// chunks, damage and files that could not be written in the error window.
LongtimeResult ImportWorld(CWorld& world, const std::string& path, bool askFirst,
                           const WorldImportSetup& setup, IProgress& display, IPrompt& prompt,
                           const std::string& caption,
                           const CLongtimeOperation::ModalLoop& loop = {},
                           WorldImportReport* report = nullptr);

// "The restore deletes all information in the current database. Overwrite it?"
inline constexpr int kRestoreQuestion = 897;

// The database menu's restore: only when the safety copy "<install>/database/default.tdb"
// exists (Declined otherwise, nothing asked), and only after yes to question 897; then the
// safety copy is imported into `world` without a second question. The import clears the world
// before it loads it again, so nothing stale or doubled is left.
LongtimeResult RestoreFromSafetyCopy(CWorld& world, const WorldImportSetup& setup,
                                     IProgress& display, IPrompt& prompt,
                                     const std::string& caption,
                                     const CLongtimeOperation::ModalLoop& loop = {},
                                     WorldImportReport* report = nullptr);

} // namespace tallo
