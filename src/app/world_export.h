#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/longtime_export_world.h"

namespace tallo {

class CWorld;
class DatabaseFolders;
class IPrompt;
class IProgress;

// Where the export takes its files from.
struct WorldExportSetup {
    // Where the scratch database "tempExport" is made (required).
    const DatabaseFolders* folders = nullptr;
    std::string badgesFolder;  // the badges of the clubs (the folder table's badges folder)
    std::string pictureFolder; // the players' pictures (the folder table's picture folder)
};

// What an export did.
struct WorldExportReport {
    bool written = false;   // the archive is in place
    bool cancelled = false; // the user cancelled; no archive was left
    // Why nothing was written (empty when written or cancelled).
    std::string failure;
    size_t countries = 0;
    size_t badges = 0;
    size_t pictures = 0;
    // Picture names of players that lead outside the picture folder; not exported.
    std::vector<std::string> refusedNames;
};

// Exports `world` to the archive `target`: every country file, and the badges and player
// pictures of its clubs (each file once, however many clubs or players use it). The world is
// saved into the scratch database first, so that the archive holds the files exactly as the
// editor writes them; its own folder is given back afterwards, whatever happens, and the
// scratch database is removed. The archive is written beside the target and put in place only
// when complete: a failed or cancelled export leaves no archive (and an older file at the
// target untouched).
//
// Reports through `progress`: the range is the number of clubs, the position counts them, the
// status names each club (entry 832); cancelling is enabled once the archive file exists and
// polled between countries and between clubs. Nothing is shown to the user here: this runs on
// the worker thread; ExportWorld shows the outcome afterwards.
bool ExportWorldArchive(CWorld& world, const std::string& target, const WorldExportSetup& setup,
                        IProgress& progress, WorldExportReport& report);

// The work of CLongtimeExportWorld for `world`; `report` must outlive the operation's run.
CLongtimeExportWorld::Work MakeExportWork(CWorld& world, WorldExportSetup setup,
                                          WorldExportReport& report);

// The export as the file menu runs it: the operation behind `display` (with `loop` as the
// progress window's modal loop), then, on the calling thread, message 798 under `caption` when
// no archive could be written.
LongtimeResult ExportWorld(CWorld& world, const std::string& target, const WorldExportSetup& setup,
                           IProgress& display, IPrompt& prompt, const std::string& caption,
                           const CLongtimeOperation::ModalLoop& loop = {},
                           WorldExportReport* report = nullptr);

// "<install>/database/default.tdb", the safety copy of the game's own database.
std::string SafetyCopyPath(const std::string& installFolder);

// At the first start: when the safety copy does not exist yet, exports `world` (the game's own
// database) to it. Completed when it was written, Declined when it existed already.
LongtimeResult WriteSafetyCopyIfMissing(CWorld& world, const std::string& installFolder,
                                        const WorldExportSetup& setup, IProgress& display,
                                        IPrompt& prompt, const std::string& caption,
                                        const CLongtimeOperation::ModalLoop& loop = {});

} // namespace tallo
