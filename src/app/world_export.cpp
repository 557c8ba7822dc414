#include "app/world_export.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <set>
#include <utility>

#include "app/archive_chunk_packer.h"
#include "app/database_folders.h"
#include "app/world_archive_format.h"
#include "assets/badge.h"
#include "assets/packed_block.h"
#include "assets/safe_path.h"
#include "formats/string_table.h"
#include "platform/atomic_file.h"
#include "platform/folder_listing_cache.h"
#include "platform/path_resolver.h"
#include "platform/progress.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kClubStatusEntry = CLongtimeExportWorld::kClubStatusEntry;

std::string FoldedName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        if (c == '\\') {
            c = '/';
        }
    }
    FoldNameCase(folded);
    return folded;
}

std::string PicturePath(const std::string& folder, const std::string& name) {
    std::string path = folder + "/";
    for (char c : name) {
        path += c == '\\' ? '/' : c;
    }
    return path;
}

int32_t ClubTotal(const CWorld& world) {
    uint64_t total = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (const CCountry* country = world.GetCountry(number)) {
            total += country->GetClubCount();
        }
    }
    return total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
}

// Exports one club's badges and its players' pictures; false when the archive failed.
bool ExportClubFiles(const CWorld& world, const CClub& club, const WorldExportSetup& setup,
                     ArchiveChunkPacker& packer, std::set<std::string>& exported,
                     WorldExportReport& report) {
    CBadge badge;
    if (badge.SetFromClub(setup.badgesFolder, club)) {
        for (BadgeChunk& chunk : badge.BuildChunks()) {
            if (!exported.insert("b:" + FoldedName(chunk.name)).second) {
                continue;
            }
            if (!packer.Add(kBadgeTag, std::move(chunk.payload))) {
                return false;
            }
            ++report.badges;
        }
    }
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* player = world.FindPlayer(club.PlayerId(i));
        if (player == nullptr || player->Photo().empty()) {
            continue;
        }
        const std::string& name = player->Photo();
        if (!IsSafeEntryName(name) || name.size() > kMaxChunkNameLength) {
            // A name from a database file must not carry other files into an archive.
            if (exported.insert("r:" + name).second) {
                report.refusedNames.push_back(name);
            }
            continue;
        }
        if (!exported.insert("p:" + FoldedName(name)).second) {
            continue;
        }
        std::string bytes;
        if (!ReadWholeFile(PicturePath(setup.pictureFolder, name), bytes, kMaxUnpackedSize)) {
            continue; // a missing picture is passed over
        }
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        if (!packer.Add(kPictureTag, MakeNamedPayload(name, data, bytes.size()))) {
            return false;
        }
        ++report.pictures;
    }
    return true;
}

// Writes the chunks of every country into an open archive. False when the archive failed or a
// country file of the scratch copy could not be read; stops early (true) on a cancel request.
// The chunks are packed on all cores while the next files are read; the badge and picture
// folders, where most of the files asked for are missing, are listed once each.
bool WriteChunks(const CWorld& world, const WorldExportSetup& setup, IProgress& progress,
                 WorldArchiveWriter& writer, WorldExportReport& report) {
    const FolderListingCache listings;
    ArchiveChunkPacker packer(writer);
    std::set<std::string> exported;
    int32_t position = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (progress.IsCancelled()) {
            return true;
        }
        std::string bytes;
        if (!ReadWholeFile(world.CountryFilePath(number), bytes, kMaxUnpackedSize)) {
            report.failure =
                "the saved file of country " + std::to_string(number) + " cannot be read back";
            return false;
        }
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        if (!packer.Add(kCountryTag,
                        MakeCountryPayload(static_cast<uint32_t>(number), data, bytes.size()))) {
            report.failure = "the archive cannot be written";
            return false;
        }
        ++report.countries;
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (progress.IsCancelled()) {
                return true;
            }
            const std::string name(club->Name(world.Language()));
            progress.SetStatus(FormatString(kClubStatusEntry, name.c_str()));
            progress.SetPosition(++position);
            if (!ExportClubFiles(world, *club, setup, packer, exported, report)) {
                report.failure = "the archive cannot be written";
                return false;
            }
        }
    }
    if (!packer.Finish()) {
        report.failure = "the archive cannot be written";
        return false;
    }
    return true;
}

// The system's words for the last failure.
std::string SystemReason() {
    return std::strerror(errno != 0 ? errno : EIO);
}

} // namespace

bool ExportWorldArchive(CWorld& world, const std::string& target, const WorldExportSetup& setup,
                        IProgress& progress, WorldExportReport& report) {
    report = WorldExportReport();
    progress.SetRange(0, ClubTotal(world));
    progress.EnableCancel(false);
    if (setup.folders == nullptr) {
        report.failure = "no folder for the scratch database";
        return false;
    }

    // The world is saved into the scratch database and pointed back at its own folder in the
    // end, whatever happens in between.
    const std::string ownFolder = world.DatabaseFolder();
    if (!setup.folders->CreateScratchFolder(world)) {
        report.failure = "the scratch database \"" + std::string(DatabaseFolders::kScratchName) +
                         "\" cannot be made";
        return false;
    }
    struct Restore {
        CWorld& world;
        const DatabaseFolders& folders;
        const std::string& folder;
        ~Restore() {
            folders.DeleteScratchFolder();
            world.SetDatabaseFolder(folder);
        }
    } restore{world, *setup.folders, ownFolder};

    if (!world.SaveAll(nullptr)) {
        report.failure = "the database cannot be saved into the scratch database";
        return false;
    }
    WorldArchiveWriter writer;
    errno = 0;
    if (!writer.Create(target)) {
        report.failure = "the archive " + target + " cannot be created: " + SystemReason();
        return false;
    }
    progress.EnableCancel(true);
    if (!WriteChunks(world, setup, progress, writer, report)) {
        writer.Discard();
        return false;
    }
    if (progress.IsCancelled()) {
        writer.Discard();
        report.cancelled = true;
        return false;
    }
    errno = 0;
    if (!writer.Commit()) {
        report.failure = "the archive " + target + " cannot be written: " + SystemReason();
        return false;
    }
    report.written = true;
    return true;
}

CLongtimeExportWorld::Work MakeExportWork(CWorld& world, WorldExportSetup setup,
                                          WorldExportReport& report) {
    return [&world, setup = std::move(setup), &report](CLongtimeExportWorld& operation) {
        return ExportWorldArchive(world, operation.TargetPath(), setup, operation, report);
    };
}

LongtimeResult ExportWorld(CWorld& world, const std::string& target, const WorldExportSetup& setup,
                           IProgress& display, IPrompt& prompt, const std::string& caption,
                           const CLongtimeOperation::ModalLoop& loop, WorldExportReport* report) {
    WorldExportReport own;
    WorldExportReport& result = report != nullptr ? *report : own;
    CLongtimeExportWorld operation(target, MakeExportWork(world, setup, result));
    const LongtimeResult outcome = operation.RunWithProgress(display, loop);
    if (outcome == LongtimeResult::Failed && !result.cancelled) {
        prompt.ShowMessage(LoadString(CWorld::kSaveErrorString), caption);
    }
    return outcome;
}

std::string SafetyCopyPath(const std::string& installFolder) {
    return installFolder + "/database/default.tdb";
}

LongtimeResult WriteSafetyCopyIfMissing(CWorld& world, const std::string& installFolder,
                                        const WorldExportSetup& setup, IProgress& display,
                                        IPrompt& prompt, const std::string& caption,
                                        const CLongtimeOperation::ModalLoop& loop) {
    const std::string path = SafetyCopyPath(installFolder);
    if (FileExists(path)) {
        return LongtimeResult::Declined;
    }
    return ExportWorld(world, path, setup, display, prompt, caption, loop);
}

} // namespace tallo
