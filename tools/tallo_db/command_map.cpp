// tallo-db map clubs|players|faces|console-faces|nicknames INSTALL REPORT: run one of the ID
// mappings of the administrator menu on a database, write its report and save the database.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/load_preparation.h"
#include "app/world_internationals.h"
#include "commands.h"
#include "database_safety.h"
#include "database_files.h"
#include "database_write_lock.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "installation.h"
#include "mapping/global_tools.h"
#include "path_check.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "map";
// String-table entry of the language folder's code ("ger", "eng", ...).
constexpr int kLanguageCodeString = 799;

struct MapOptions {
    std::string kind;
    std::string install;
    std::string report;
    std::string database; // empty: the installation's own database
    bool overwrite = false;
    bool acceptDamage = false;
    int slot = 0;
    int country = 0;
};

// Runs the mapping; false (with a message) when it could not run. `reportWritten` tells
// whether the report file was written.
bool RunMapping(const MapOptions& options, CGlobalTools& tools, CWorld& world,
                bool& reportWritten) {
    const std::string& report = options.report;
    if (options.kind == "clubs") {
        if (tools.ClubMapping().Records().empty()) {
            std::cerr << "tallo-db map: warning: no club IDs in "
                      << tools.InstallPath(CGlobalTools::kClubIdFile) << "; every club fails\n";
        }
        const ClubMappingResult result = tools.MapClubIds(world, report, options.overwrite);
        std::cout << "Clubs mapped: " << result.success << ", not found: " << result.failure
                  << "\n";
        reportWritten = result.reportWritten;
        return true;
    }
    if (options.kind == "players") {
        const PlayerMappingResult result = tools.MapPlayerIds(world, report, options.overwrite);
        if (!result.ran) {
            ReportFailure(kCommand, "no player IDs in " +
                                        tools.InstallPath(CGlobalTools::kPlayerIdFile) +
                                        "; nothing was mapped");
            return false;
        }
        std::cout << "Players mapped: " << result.success << ", not found: " << result.failed
                  << "\n";
        reportWritten = result.reportWritten;
        return true;
    }
    if (options.kind == "faces") {
        const CBaseTextFile& faces = GlobalLanguageTables().Faces();
        const FaceMappingResult result = tools.MapFaces(world, faces, report, options.overwrite);
        std::cout << "Faces given: " << result.successful << ", faces not used: " << result.unmapped
                  << ", used more than once: " << result.overmapped << "\n";
        reportWritten = result.reportWritten;
        return true;
    }
    if (options.kind == "console-faces") {
        const ConsoleFaceResult result = tools.MapConsoleFaces(world, report);
        if (!result.ran) {
            ReportFailure(kCommand, "no star heads in " +
                                        tools.InstallPath(CGlobalTools::kStarHeadsFile) +
                                        "; nothing was mapped");
            return false;
        }
        std::cout << "Console faces given: " << result.found << ", not found: " << result.notFound
                  << "\n";
        reportWritten = result.reportWritten;
        return true;
    }
    // nicknames
    const NicknameUpdateResult result = tools.UpdateNicknames(world, options.country, report);
    if (!result.ran) {
        ReportFailure(kCommand, "no player IDs in " +
                                    tools.InstallPath(CGlobalTools::kPlayerIdFile) +
                                    "; no nickname was updated");
        return false;
    }
    std::cout << "Nicknames updated: " << result.updated << ", unchanged: " << result.unchanged
              << ", players not found: " << result.notFound << "\n";
    reportWritten = result.reportWritten;
    return true;
}

// The files the mapping reads, which its report may not replace: the database's files, the
// installation's country list and the ID tables.
std::vector<std::string> MapInputs(const MapOptions& options, const std::string& database) {
    std::vector<std::string> inputs = DatabaseFiles(database);
    for (const std::string& file : DatabaseFiles(GameDatabaseFolder(options.install))) {
        inputs.push_back(file);
    }
    for (const char* table :
         {CGlobalTools::kClubIdFile, CGlobalTools::kPlayerIdFile, CGlobalTools::kStarHeadsFile}) {
        inputs.push_back(options.install + "/" + table);
    }
    return inputs;
}

void RunMap(const MapOptions& options) {
    if (const std::string problem = FolderProblem(options.install); !problem.empty()) {
        ReportFailure(kCommand, "the installation folder " + options.install + " " + problem);
        return;
    }
    const std::string database =
        options.database.empty() ? GameDatabaseFolder(options.install) : options.database;
    if (const std::string problem = FolderProblem(database); !problem.empty()) {
        ReportFailure(kCommand, "the database folder " + database + " " + problem);
        return;
    }
    if (const std::string refusal =
            OutputRefusal(ClassifyOutput(options.report, MapInputs(options, database)));
        !refusal.empty()) {
        ReportFailure(kCommand, "the report " + refusal);
        return;
    }
    // One writer per database, from before the load until the save.
    DatabaseWriteLock lock;
    if (!lock.Take(kCommand, database)) {
        return;
    }
    // What the editor prepares before it opens a database: the competition trees and cup
    // schemes, the country list and stadium models, the language tables and the global tool
    // object with the look-ups that records of old files are matched against.
    auto world = std::make_unique<CWorld>();
    Installation installation;
    std::string error;
    if (!PrepareLoad(options.install, database, *world, installation, error)) {
        ReportFailure(kCommand, error);
        return;
    }
    GlobalLanguageTables().Load(GameDatabaseFolder(installation.folder),
                                LoadString(kLanguageCodeString));
    CGlobalTools tools;
    tools.Start(installation.folder);
    tools.InstallLookups(*world, GlobalLanguageTables());
    const bool loaded = world->LoadAll(database);
    PrintLoadFindings(kCommand, *world);
    if (!loaded) {
        ReportFailure(kCommand, "no country file (Country<n>.sav) could be read in " + database);
        return;
    }
    // A damaged load is refused before the mapping runs, so that its report is not written
    // for a database that is not saved.
    if (!MaySaveAfterLoad(kCommand, *world, options.acceptDamage)) {
        return;
    }
    // The international competitions belong to a loaded world as the editor keeps it; the
    // holder is declared after the world, so that it goes first.
    WorldInternationals internationals;
    LoadPreparation prepared;
    LoadInternationalCompetitions(*world, installation.folder, internationals, prepared);
    world->SetLanguage(static_cast<uint8_t>(options.slot));

    bool reportWritten = false;
    if (!RunMapping(options, tools, *world, reportWritten)) {
        return;
    }
    // All or nothing: a mapping whose report could not be written is not saved either, so
    // that the command can simply be run again with another report path.
    if (!reportWritten) {
        ReportFailure(kCommand, "the report " + options.report +
                                    " could not be written; the database was not saved");
        return;
    }
    std::cout << "Wrote " << options.report << "\n";
    if (!SaveDatabase(kCommand, *world)) {
        return;
    }
    std::cout << "Saved " << database << "\n";
    SetExitStatus(0);
}

} // namespace

void RegisterMapCommand(CLI::App& app) {
    auto options = std::make_shared<MapOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Map the clubs, players or faces of a database to the IDs of the other game "
                  "(as the administrator menu does), write the report and save the database");
    command
        ->add_option("KIND", options->kind,
                     "clubs, players, faces (special faces from faceIDs.txt), console-faces "
                     "(star heads) or nicknames (nicknames of the player ID file)")
        ->required()
        ->check(CLI::IsMember({"clubs", "players", "faces", "console-faces", "nicknames"}));
    command
        ->add_option("INSTALL", options->install,
                     "Installation folder (holding database/ with the ID tables)")
        ->required();
    command->add_option("REPORT", options->report, "Report file to write")->required();
    command->add_option("--database", options->database,
                        "Database folder to map instead of the installation's own");
    AddAcceptDamageOption(*command, options->acceptDamage);
    command->add_flag("--overwrite", options->overwrite,
                      "Give 0 to what is not found (the answer Yes to the menu's question)");
    command->add_option("--slot", options->slot, "Language slot of the club names (0-4)")
        ->check(CLI::Range(0, 4));
    command
        ->add_option("--country", options->country,
                     "nicknames: the country whose players are updated (0: all)")
        ->check(CLI::Range(0, 206));
    command->callback([options] { RunMap(*options); });
}

} // namespace tallo::db
