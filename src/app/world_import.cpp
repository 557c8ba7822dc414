#include "app/world_import.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/entry_targets.h"
#include "app/load_preparation.h"
#include "app/world_archive_format.h"
#include "app/world_export.h"
#include "formats/string_table.h"
#include "platform/atomic_file.h"
#include "platform/atomic_write_batch.h"
#include "platform/path_resolver.h"
#include "platform/progress.h"
#include "platform/prompt.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr uint8_t kResetLanguage = 1;
constexpr uint16_t kResetCountry = 14;

std::string ChunkText(const ArchiveChunk& chunk) {
    return "chunk \"" + chunk.tag + "\" at offset " + std::to_string(chunk.offset);
}

// "path: why" for a file of the import that could not be written. The folders are made first;
// then the write goes into the import's batch, which keeps the reason of a failed write.
std::string WriteFailure(const std::string& path, int error) {
    const AtomicWriteBatch* batch = AtomicWriteBatch::Current();
    if (batch != nullptr && !batch->Failures().empty()) {
        return path + ": " + batch->Failures().back().reason;
    }
    return path + ": " + std::strerror(error != 0 ? error : EIO);
}

// Makes the folders of `path` and writes it into the open batch; false with the failure in
// the report.
bool WriteImportedFile(const std::string& folder, const std::string& path, std::string_view bytes,
                       WorldImportReport& report) {
    errno = 0;
    if (!CreateFolders(folder)) {
        report.failedFiles.push_back(WriteFailure(folder, errno));
        return false;
    }
    errno = 0;
    if (!WriteFileAtomically(path, bytes)) {
        report.failedFiles.push_back(WriteFailure(path, errno));
        return false;
    }
    return true;
}

// Where the badges and the pictures of one import go.
struct ImportTargets {
    EntryTargets badges;
    EntryTargets pictures;
};

// Writes one file of the archive below the base of `targets`. Refused names are reported in
// `report.refused`, failed writes in `report.failedFiles`. True when the file was written.
bool WriteEntryFile(EntryTargets& targets, const std::string& name, const uint8_t* data,
                    size_t size, const ArchiveChunk& chunk, WorldImportReport& report) {
    const std::optional<std::string> target = targets.Target(name);
    if (!target) {
        report.refused.push_back(ChunkText(chunk) + ": the name \"" + name +
                                 "\" leads outside its folder");
        return false;
    }
    const std::string& path = *target;
    bool refused = false;
    errno = 0;
    if (!targets.PrepareFolders(path, refused)) {
        if (refused) {
            // A folder on the way turned out to be a link leading elsewhere.
            report.refused.push_back(ChunkText(chunk) + ": the name \"" + name +
                                     "\" leads outside its folder");
        } else {
            report.failedFiles.push_back(WriteFailure(path.substr(0, path.rfind('/')), errno));
        }
        return false;
    }
    AtomicWriteBatch* batch = AtomicWriteBatch::Current();
    errno = 0;
    if (batch == nullptr ||
        !batch->Write(path, std::string_view(reinterpret_cast<const char*>(data), size))) {
        report.failedFiles.push_back(WriteFailure(path, errno));
        return false;
    }
    return true;
}

void ImportChunk(const ArchiveChunk& chunk, const std::string& databaseFolder,
                 ImportTargets& targets, WorldImportReport& report) {
    switch (chunk.kind) {
    case ArchiveChunkKind::Country: {
        uint32_t number = 0;
        size_t offset = 0;
        if (!ParseCountryPayload(chunk.payload, number, offset)) {
            report.refused.push_back(ChunkText(chunk) + ": too short for a country number");
            return;
        }
        if (number < 1 || number > static_cast<uint32_t>(CWorld::kCountryCount)) {
            report.refused.push_back(ChunkText(chunk) + ": country number " +
                                     std::to_string(number) + " is outside 1-206");
            return;
        }
        const std::string path =
            ResolvePath(databaseFolder + "/Country" + std::to_string(number) + ".sav");
        const auto* data = chunk.payload.data() + offset;
        const std::string_view bytes(reinterpret_cast<const char*>(data),
                                     chunk.payload.size() - offset);
        if (!WriteImportedFile(databaseFolder, path, bytes, report)) {
            return;
        }
        ++report.countries;
        return;
    }
    case ArchiveChunkKind::Badge:
    case ArchiveChunkKind::Picture: {
        std::string name;
        size_t offset = 0;
        if (!ParseNamedPayload(chunk.payload, name, offset)) {
            report.refused.push_back(ChunkText(chunk) + ": no file name");
            return;
        }
        const bool badge = chunk.kind == ArchiveChunkKind::Badge;
        if (WriteEntryFile(badge ? targets.badges : targets.pictures, name,
                           chunk.payload.data() + offset, chunk.payload.size() - offset, chunk,
                           report)) {
            ++(badge ? report.badges : report.pictures);
        }
        return;
    }
    default:
        ++report.otherChunks;
        return;
    }
}

bool DefaultReload(CWorld& world, const std::string& installFolder, const std::string& folder) {
    LoadPreparation preparation;
    PrepareWorld(world, installFolder, preparation);
    return world.LoadAll(folder);
}

} // namespace

std::vector<std::string> WorldImportReport::ProblemLines() const {
    std::vector<std::string> lines;
    if (!valid) {
        lines.push_back("The file is not a valid world archive: " + invalidReason +
                        ". Nothing was imported.");
        return lines;
    }
    if (damaged) {
        lines.push_back("The import stopped at offset " + std::to_string(damageOffset) + ": " +
                        damage + ". The " + std::to_string(FilesWritten()) +
                        " files before it were imported.");
    }
    for (const std::string& line : refused) {
        lines.push_back("Refused " + line + ".");
    }
    for (const std::string& file : failedFiles) {
        lines.push_back("Could not write " + file + ".");
    }
    if (!failedFiles.empty()) {
        lines.push_back("Nothing was imported: every file keeps what it had.");
    }
    return lines;
}

bool ImportWorldArchive(CWorld& world, const std::string& path, const WorldImportSetup& setup,
                        IProgress& progress, WorldImportReport& report) {
    report = WorldImportReport();
    WorldArchiveReader reader;
    if (!reader.Open(path)) {
        report.invalidReason = reader.Error();
        return false;
    }
    report.valid = true;

    // Progress positions are 32-bit; archives up to 4 GiB are scaled down to fit.
    int shift = 0;
    while ((reader.FileLength() >> shift) > static_cast<uint64_t>(INT32_MAX)) {
        ++shift;
    }
    progress.SetRange(0, static_cast<int32_t>(reader.FileLength() >> shift));
    progress.SetStatus(LoadString(CLongtimeImportWorld::kImportingEntry));

    const std::string databaseFolder =
        ResolvePath(setup.databaseFolder.empty() ? GameDatabaseFolder(setup.installFolder)
                                                 : setup.databaseFolder);
    // The files of one import are put in place together, once all are written: the first file
    // that cannot be written ends the import, and then no file is changed.
    AtomicWriteBatch batch;
    // The badge and picture folders are read once each, not once for every file.
    ImportTargets targets{EntryTargets(setup.badgesFolder), EntryTargets(setup.pictureFolder)};
    ArchiveChunk chunk;
    for (;;) {
        const WorldArchiveReader::Status status = reader.Next(chunk);
        if (status == WorldArchiveReader::Status::End) {
            break;
        }
        if (status == WorldArchiveReader::Status::Damaged) {
            report.damaged = true;
            report.damageOffset = reader.DamageOffset();
            report.damage = reader.Error();
            break;
        }
        progress.SetPosition(static_cast<int32_t>(chunk.offset >> shift));
        ImportChunk(chunk, databaseFolder, targets, report);
        if (!report.failedFiles.empty()) {
            break;
        }
    }
    progress.SetPosition(static_cast<int32_t>(reader.Position() >> shift));
    reader.Close();
    if (report.failedFiles.empty() && !batch.Commit()) {
        for (const AtomicWriteBatch::Failure& failure : batch.Failures()) {
            report.failedFiles.push_back(failure.target + ": " + failure.reason);
        }
    }
    if (!report.failedFiles.empty()) {
        // The batch renamed nothing.
        report.countries = 0;
        report.badges = 0;
        report.pictures = 0;
        return false;
    }

    if (report.FilesWritten() == 0) {
        return false; // nothing changed, so the world stays as it was
    }
    const bool loaded = setup.reload ? setup.reload(world, databaseFolder)
                                     : DefaultReload(world, setup.installFolder, databaseFolder);
    world.SetDatabaseFolder(databaseFolder);
    world.SetLanguage(kResetLanguage);
    world.selectedCountry = kResetCountry;
    world.continent = 0;
    world.previousContinent = 0;
    report.reloaded = true;
    return loaded && !report.damaged && report.refused.empty() && report.failedFiles.empty();
}

CLongtimeImportWorld::Work MakeImportWork(CWorld& world, WorldImportSetup setup,
                                          WorldImportReport& report) {
    return [&world, setup = std::move(setup), &report](CLongtimeImportWorld& operation) {
        return ImportWorldArchive(world, operation.SourcePath(), setup, operation, report);
    };
}

LongtimeResult ImportWorld(CWorld& world, const std::string& path, bool askFirst,
                           const WorldImportSetup& setup, IProgress& display, IPrompt& prompt,
                           const std::string& caption, const CLongtimeOperation::ModalLoop& loop,
                           WorldImportReport* report) {
    WorldImportReport own;
    WorldImportReport& result = report != nullptr ? *report : own;
    CLongtimeImportWorld operation(path, askFirst, prompt, caption,
                                   MakeImportWork(world, setup, result));
    const LongtimeResult outcome = operation.RunWithProgress(display, loop);
    if (outcome == LongtimeResult::Declined) {
        return outcome;
    }
    const std::vector<std::string> lines = result.ProblemLines();
    if (!result.valid) {
        prompt.ShowMessage(path + ": " + lines.front(), caption);
    } else if (!result.failedFiles.empty() && result.refused.empty() && !result.damaged) {
        std::string message;
        for (const std::string& line : lines) {
            message += line + "\n";
        }
        prompt.ShowErrorWindow(LoadString(CWorld::kSaveErrorString), message);
    } else if (!lines.empty()) {
        std::string message;
        for (const std::string& line : lines) {
            message += line + "\n";
        }
        prompt.ShowErrorWindow("The world archive " + path + " was not imported completely.",
                               message);
    } else if (result.FilesWritten() == 0) {
        prompt.ShowMessage(path + ": the world archive holds nothing to import.", caption);
    }
    return outcome;
}

LongtimeResult RestoreFromSafetyCopy(CWorld& world, const WorldImportSetup& setup,
                                     IProgress& display, IPrompt& prompt,
                                     const std::string& caption,
                                     const CLongtimeOperation::ModalLoop& loop,
                                     WorldImportReport* report) {
    const std::string path = SafetyCopyPath(setup.installFolder);
    if (!FileExists(path)) {
        return LongtimeResult::Declined;
    }
    if (!prompt.AskYesNo(LoadString(kRestoreQuestion), caption)) {
        return LongtimeResult::Declined;
    }
    return ImportWorld(world, path, false, setup, display, prompt, caption, loop, report);
}

} // namespace tallo
