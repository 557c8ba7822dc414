// tallo-db tdb export|import|list: world archives, as the editor's export and import write and
// read them.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "app/database_folders.h"
#include "app/load_preparation.h"
#include "app/world_archive_format.h"
#include "app/world_export.h"
#include "app/world_import.h"
#include "app/world_internationals.h"
#include "assets/safe_path.h"
#include "commands.h"
#include "database_files.h"
#include "database_write_lock.h"
#include "installation.h"
#include "path_check.h"
#include "platform/environment.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "platform/recursive_delete.h"
#include "platform/temp_file.h"
#include "terminal_progress.h"
#include "world/world.h"

namespace tallo::db {

namespace {

struct TdbOptions {
    std::string database;
    std::string archive;
    std::string install;
    std::string badges;
    std::string pictures;
};

std::string Or(const std::string& given, const std::string& fallback) {
    return given.empty() ? fallback : given;
}

void RunExport(const TdbOptions& options) {
    const char* command = "tdb export";
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(command, options.install, options.database);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    const Installation& installation = opened->installation;
    const std::string badges = Or(options.badges, installation.folder + "/badges");
    const std::string pictures = Or(options.pictures, installation.folder + "/picture");
    // A folder named on the command line that cannot be read would give an archive without
    // the files asked for: refused. An installation may lack one of its own (the picture
    // folder often): said, and exported without.
    for (const auto& [what, folder, given] :
         {std::tuple{"badge", &badges, !options.badges.empty()},
          std::tuple{"picture", &pictures, !options.pictures.empty()}}) {
        const std::string problem = FolderProblem(*folder);
        if (problem.empty()) {
            continue;
        }
        if (given) {
            ReportFailure(command, std::string("the ") + what + " folder " + *folder + " " +
                                       problem + "; nothing was exported");
            return;
        }
        std::cerr << "tallo-db " << command << ": warning: the " << what << " folder " << *folder
                  << " " << problem << "; the archive holds no " << what << "s\n";
    }
    const std::string refusal =
        OutputRefusal(ClassifyOutput(options.archive, DatabaseFiles(options.database)));
    if (!refusal.empty()) {
        ReportFailure(command, refusal);
        return;
    }
    // The scratch database goes into a temporary folder of its own, not into the user's
    // documents folder.
    std::optional<std::string> scratch = CreateTempFolder("tallo-db-export-");
    if (!scratch) {
        ReportFailure(command, "cannot make a temporary folder for the scratch database");
        return;
    }
    MapEnvironment environment;
    environment.Set("TALLO_DOCUMENTS_DIR", *scratch);
    DatabaseFolders folders(environment);
    WorldExportSetup setup;
    setup.folders = &folders;
    setup.badgesFolder = badges;
    setup.pictureFolder = pictures;

    TerminalProgress progress;
    progress.SetTitle("Exporting " + options.database);
    WorldExportReport report;
    const bool written = ExportWorldArchive(world, options.archive, setup, progress, report);
    progress.Finish();
    DeleteFolderTree(*scratch);

    for (const std::string& name : report.refusedNames) {
        std::cerr << "tallo-db " << command << ": picture \"" << name
                  << "\" leads outside the picture folder; not exported\n";
    }
    if (!written) {
        ReportFailure(command,
                      report.failure.empty() ? "the export did not finish" : report.failure);
        return;
    }
    std::cout << "Wrote " << options.archive << ": " << report.countries << " countries, "
              << report.badges << " badges, " << report.pictures << " pictures\n";
    SetExitStatus(0);
}

void RunImport(const TdbOptions& options) {
    const char* command = "tdb import";
    WorldImportSetup setup;
    if (options.database.empty() || options.badges.empty() || options.pictures.empty()) {
        Installation installation;
        std::string error;
        if (!FindInstallation(options.install, options.database, installation, error)) {
            ReportFailure(command, error);
            return;
        }
        setup.installFolder = installation.folder;
    }
    setup.databaseFolder = Or(options.database, GameDatabaseFolder(setup.installFolder));
    setup.badgesFolder = Or(options.badges, setup.installFolder + "/badges");
    setup.pictureFolder = Or(options.pictures, setup.installFolder + "/picture");
    // The tool only writes the files; there is no open database to load them into.
    setup.reload = [](CWorld&, const std::string&) { return true; };

    // Every target is looked at before anything is written; missing folders are made.
    for (const auto& [what, folder] :
         {std::pair{"database", &setup.databaseFolder}, std::pair{"badge", &setup.badgesFolder},
          std::pair{"picture", &setup.pictureFolder}}) {
        const std::string problem = FolderOrMissingProblem(*folder);
        if (!problem.empty()) {
            ReportFailure(command, std::string("the ") + what + " folder " + *folder + " " +
                                       problem + "; nothing was imported");
            return;
        }
    }
    {
        WorldArchiveReader reader;
        if (!reader.Open(options.archive)) {
            ReportFailure(command, options.archive + " is not a valid world archive: " +
                                       reader.Error() + "; nothing was imported");
            return;
        }
    }
    // The country files replace a database: one writer at a time.
    DatabaseWriteLock lock;
    if (!lock.Take(command, setup.databaseFolder)) {
        return;
    }

    CWorld world;
    TerminalProgress progress;
    progress.SetTitle("Importing " + options.archive);
    WorldImportReport report;
    ImportWorldArchive(world, options.archive, setup, progress, report);
    progress.Finish();

    if (!report.valid) {
        ReportFailure(command, options.archive + " is not a valid world archive: " +
                                   report.invalidReason + "; nothing was imported");
        return;
    }
    if (!report.failedFiles.empty()) {
        // The import stopped at the first file it could not write and put none in place.
        std::string files;
        for (const std::string& file : report.failedFiles) {
            files += (files.empty() ? "" : ", ") + file;
        }
        ReportFailure(command, "cannot write " + files +
                                   "; nothing was imported, every file "
                                   "keeps what it had");
        return;
    }
    std::cout << "Imported " << report.countries << " countries, " << report.badges << " badges, "
              << report.pictures << " pictures from " << options.archive;
    if (report.otherChunks != 0) {
        std::cout << " (" << report.otherChunks << " other chunks passed over)";
    }
    std::cout << "\n";
    const std::vector<std::string> problems = report.ProblemLines();
    for (const std::string& line : problems) {
        std::cerr << "tallo-db " << command << ": " << line << "\n";
    }
    SetExitStatus(problems.empty() ? 0 : 1);
}

// What a chunk holds, in words; `refused` tells whether the import would refuse it.
std::string Describe(const ArchiveChunk& chunk, bool& refused) {
    refused = false;
    switch (chunk.kind) {
    case ArchiveChunkKind::Country: {
        uint32_t number = 0;
        size_t offset = 0;
        if (!ParseCountryPayload(chunk.payload, number, offset)) {
            refused = true;
            return "no country number (refused by the import)";
        }
        std::string text = "country " + std::to_string(number);
        if (number < 1 || number > static_cast<uint32_t>(CWorld::kCountryCount)) {
            refused = true;
            text += " (outside 1-206: refused by the import)";
        }
        return text;
    }
    case ArchiveChunkKind::Badge:
    case ArchiveChunkKind::Picture: {
        std::string name;
        size_t offset = 0;
        if (!ParseNamedPayload(chunk.payload, name, offset)) {
            refused = true;
            return "no file name (refused by the import)";
        }
        std::string text = name + ", " + std::to_string(chunk.payload.size() - offset) + " bytes";
        if (!IsSafeEntryName(name)) {
            refused = true;
            text += " (leads outside its folder: refused by the import)";
        }
        return text;
    }
    default:
        return "passed over by the import";
    }
}

void RunList(const TdbOptions& options) {
    const char* command = "tdb list";
    WorldArchiveReader reader;
    if (!reader.Open(options.archive)) {
        ReportFailure(command,
                      options.archive + " is not a valid world archive: " + reader.Error());
        return;
    }
    std::cout << "offset\ttag\tpacked\tunpacked\tcontent\n";
    std::map<std::string, size_t> counts;
    ArchiveChunk chunk;
    WorldArchiveReader::Status status;
    size_t refusedChunks = 0;
    while ((status = reader.Next(chunk)) == WorldArchiveReader::Status::Chunk) {
        const uint64_t packed = reader.Position() - chunk.offset - kChunkHeaderSize;
        bool refused = false;
        const std::string content = Describe(chunk, refused);
        std::cout << chunk.offset << "\t" << chunk.tag << "\t" << packed << "\t"
                  << chunk.payload.size() << "\t" << content << "\n";
        ++counts[chunk.tag];
        refusedChunks += refused ? 1 : 0;
    }
    std::cout << "Chunks:";
    for (const auto& [tag, count] : counts) {
        std::cout << " " << tag << " " << count;
    }
    std::cout << (counts.empty() ? " none\n" : "\n");
    if (status == WorldArchiveReader::Status::Damaged) {
        ReportFailure(command, "the archive is damaged: " + reader.Error());
        return;
    }
    if (refusedChunks != 0) {
        ReportFailure(command, std::to_string(refusedChunks) +
                                   (refusedChunks == 1 ? " chunk" : " chunks") +
                                   " would be refused by the import");
        return;
    }
    SetExitStatus(0);
}

} // namespace

void RegisterTdbCommand(CLI::App& app) {
    CLI::App* tdb = app.add_subcommand("tdb", "World archives (.tdb): export, import, list");
    tdb->require_subcommand(1);

    auto exportOptions = std::make_shared<TdbOptions>();
    CLI::App* exportCommand = tdb->add_subcommand(
        "export", "Export a database folder with its clubs' badges and players' pictures");
    exportCommand->add_option("DB", exportOptions->database, "Database folder to export")
        ->required();
    exportCommand->add_option("ARCHIVE", exportOptions->archive, "World archive to write")
        ->required();
    AddInstallOption(*exportCommand, exportOptions->install);
    exportCommand->add_option("--badges", exportOptions->badges,
                              "Badge folder (default: the installation's badges folder)");
    exportCommand->add_option("--pictures", exportOptions->pictures,
                              "Picture folder (default: the installation's picture folder)");
    exportCommand->callback([exportOptions] { RunExport(*exportOptions); });

    auto importOptions = std::make_shared<TdbOptions>();
    CLI::App* importCommand = tdb->add_subcommand(
        "import", "Write the files of a world archive into an installation (or given folders)");
    importCommand->add_option("ARCHIVE", importOptions->archive, "World archive to read")
        ->required();
    AddInstallOption(*importCommand, importOptions->install);
    importCommand->add_option("--database", importOptions->database,
                              "Folder for the country files (default: <install>/database)");
    importCommand->add_option("--badges", importOptions->badges,
                              "Folder for the badges (default: <install>/badges)");
    importCommand->add_option("--pictures", importOptions->pictures,
                              "Folder for the pictures (default: <install>/picture)");
    importCommand->callback([importOptions] { RunImport(*importOptions); });

    auto listOptions = std::make_shared<TdbOptions>();
    CLI::App* listCommand =
        tdb->add_subcommand("list", "List the chunks of a world archive and check it");
    listCommand->add_option("ARCHIVE", listOptions->archive, "World archive to read")->required();
    listCommand->callback([listOptions] { RunList(*listOptions); });
}

} // namespace tallo::db
