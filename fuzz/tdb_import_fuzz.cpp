// Imports the input as a world archive into a scratch installation, as the file menu does
// (country files into the installation's database folder, badges and pictures into their
// folders, then the world reloaded from the country list and the database folder, with the
// competition trees and cup schemes installed).
//
// Nothing may be written outside the installation's database, badges and picture folders: the
// scratch folder around the installation is searched afterwards, and every file found must be
// a country file of the database folder, a file below the badges or picture folder, or one of
// the files put there before the import. The installation lies as many folders deep as the
// archive's names hold ".." parts, so that a name that climbed out would still land inside the
// scratch folder and be found there, never in a real folder. No temporary file is left behind.
// An archive whose header is not sound changes nothing; one that wrote nothing leaves the
// world as it was.
//
// Input layout (libFuzzer's data provider): the last byte chooses the form. With bit 0 set the
// rest is the archive file as it stands. Otherwise the rest describes chunks that are packed
// into a sound archive: per chunk a kind byte (country, badge, picture, another tag), then for
// a country its number (2 bytes) and for a badge or picture its name (a string), then the
// payload bytes (a string).

#include "app/entry_target.h"
#include "app/world_archive_format.h"
#include "app/world_import.h"
#include "competitions/cup_alloc.h"
#include "competitions/install_competition_trees.h"
#include "competitions/qualification_program.h"
#include "fuzz_support.h"
#include "platform/progress.h"
#include "world/game_date.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tallo::fuzz {
namespace {

constexpr size_t kMaxChunks = 16;

class NullProgress : public IProgress {
public:
    void SetRange(int32_t low, int32_t high) override {
        TALLO_FUZZ_CHECK(low <= high);
        high_ = high;
    }
    void SetPosition(int32_t position) override { TALLO_FUZZ_CHECK(position <= high_); }
    void SetTitle(const std::string&) override {}
    void SetDescription(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    void EnableCancel(bool) override {}
    bool IsCancelled() const override { return false; }

private:
    int32_t high_ = 0;
};

struct Setup {
    CupAllocFile schemes;
    std::string countryList; // the text of countries.sav
};

const Setup& Prepared() {
    static const Setup* setup = [] {
        auto* made = new Setup;
        TALLO_FUZZ_CHECK(
            ReadCupAllocFile(SourcePath("tests/fixtures/cup_alloc/CupAlloc.txt"), made->schemes));
        InstallCompetitionTrees();
        InstallCupSchemeServices();
        SetCurrentGameDate(GameDate::FromDate(2003, 7, 6));
        for (int n = 1; n <= CWorld::kCountryCount; ++n) {
            made->countryList += "Land" + std::to_string(n) + "\r\nL" + std::to_string(n % 100) +
                                 "\r\n" + std::to_string(n % 6) + "\r\n" +
                                 std::to_string(n % 50 + 1) + "\r\n2\r\n0\r\n";
        }
        return made;
    }();
    return *setup;
}

// Builds a sound archive from the chunk descriptions of the input.
void WriteStructuredArchive(FuzzedDataProvider& input, const std::string& path) {
    WorldArchiveWriter writer;
    TALLO_FUZZ_CHECK(writer.Create(path));
    for (size_t i = 0; i < kMaxChunks && input.remaining_bytes() > 0; ++i) {
        const uint8_t kind = input.ConsumeIntegral<uint8_t>() % 4;
        std::vector<uint8_t> payload;
        std::string_view tag;
        if (kind == 0) {
            tag = kCountryTag;
            const uint32_t number = input.ConsumeIntegral<uint16_t>() % 260;
            const std::string bytes = input.ConsumeRandomLengthString(4096);
            payload = MakeCountryPayload(number, reinterpret_cast<const uint8_t*>(bytes.data()),
                                         bytes.size());
        } else if (kind == 1 || kind == 2) {
            tag = kind == 1 ? kBadgeTag : kPictureTag;
            const std::string name = input.ConsumeRandomLengthString(300);
            const std::string bytes = input.ConsumeRandomLengthString(512);
            payload = MakeNamedPayload(name, reinterpret_cast<const uint8_t*>(bytes.data()),
                                       bytes.size());
        } else {
            tag = "CLUB";
            const std::string bytes = input.ConsumeRandomLengthString(64);
            payload.assign(bytes.begin(), bytes.end());
        }
        if (payload.empty()) {
            payload.push_back(0);
        }
        TALLO_FUZZ_CHECK(writer.AddChunk(tag, payload));
    }
    TALLO_FUZZ_CHECK(writer.Commit());
}

struct NamedEntry {
    bool badge = false;
    std::string name;
};

// The names of the badge and picture chunks, read as the import reads them.
std::vector<NamedEntry> EntryNames(const std::string& path) {
    std::vector<NamedEntry> names;
    WorldArchiveReader reader;
    if (!reader.Open(path)) {
        return names;
    }
    ArchiveChunk chunk;
    while (reader.Next(chunk) == WorldArchiveReader::Status::Chunk) {
        if (chunk.kind != ArchiveChunkKind::Badge && chunk.kind != ArchiveChunkKind::Picture) {
            continue;
        }
        NamedEntry entry;
        entry.badge = chunk.kind == ArchiveChunkKind::Badge;
        size_t offset = 0;
        if (ParseNamedPayload(chunk.payload, entry.name, offset)) {
            names.push_back(std::move(entry));
        }
    }
    return names;
}

// The most ".." parts any of the names holds ("/" and "\" both separate).
size_t ClimbingParts(const std::vector<NamedEntry>& names) {
    size_t most = 0;
    for (const NamedEntry& entry : names) {
        const std::string& name = entry.name;
        size_t parts = 0;
        size_t start = 0;
        while (start <= name.size()) {
            const size_t end = std::min(name.find_first_of("/\\", start), name.size());
            if (name.compare(start, end - start, "..") == 0) {
                ++parts;
            }
            start = end + 1;
        }
        most = std::max(most, parts);
    }
    return most;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Every entry below `folder` (folders too), by path.
void ListTree(const std::string& folder, std::vector<std::string>& files,
              std::vector<std::string>& folders) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string path = folder + "/" + name;
        if (IsFolder(path)) {
            folders.push_back(path);
            ListTree(path, files, folders);
        } else {
            files.push_back(path);
        }
    }
    closedir(dir);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsCountryFileName(const std::string& name) {
    if (!StartsWith(name, "Country") || name.size() < 12 ||
        name.compare(name.size() - 4, 4, ".sav") != 0) {
        return false;
    }
    const std::string digits = name.substr(7, name.size() - 11);
    if (digits.empty() || digits.size() > 3 || digits[0] == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const int number = std::stoi(digits);
    return number >= 1 && number <= CWorld::kCountryCount;
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    const Setup& setup = Prepared();
    ProgramTable().Clear();
    CupSchemes().Install(setup.schemes, ProgramTable());

    FuzzedDataProvider input(data, size);
    const uint8_t form = input.ConsumeIntegral<uint8_t>();
    const std::string run = Scratch() / "run";
    TALLO_FUZZ_CHECK(mkdir(run.c_str(), 0700) == 0);
    const std::string archive = run + "/world.tdb";
    if ((form & 1) != 0) {
        WriteScratchFile(archive, input.ConsumeRemainingBytesAsString());
    } else {
        WriteStructuredArchive(input, archive);
    }

    // The installation, deep enough that no climbing name can leave the scratch folder.
    const std::vector<NamedEntry> names = EntryNames(archive);
    std::string install = run;
    for (size_t level = 0; level <= ClimbingParts(names); ++level) {
        install += "/d" + std::to_string(level);
        TALLO_FUZZ_CHECK(mkdir(install.c_str(), 0700) == 0);
    }
    install += "/install";
    const std::string database = install + "/database";
    const std::string badges = install + "/badges";
    const std::string pictures = install + "/picture";
    for (const std::string& folder : {install, database, badges, pictures}) {
        TALLO_FUZZ_CHECK(mkdir(folder.c_str(), 0700) == 0);
    }
    const std::string countryList = database + "/countries.sav";
    WriteScratchFile(countryList, setup.countryList);

    WorldImportSetup importSetup;
    importSetup.installFolder = install;
    importSetup.badgesFolder = badges;
    importSetup.pictureFolder = pictures;
    CWorld world;
    world.selectedCountry = 77;
    NullProgress progress;
    WorldImportReport report;
    const bool imported = ImportWorldArchive(world, archive, importSetup, progress, report);

    if (std::getenv("TALLO_FUZZ_VERBOSE") != nullptr) {
        std::fprintf(stderr,
                     "valid %d, countries %zu, badges %zu, pictures %zu, other %zu, "
                     "refused %zu, failed %zu, damaged %d\n",
                     report.valid, report.countries, report.badges, report.pictures,
                     report.otherChunks, report.refused.size(), report.failedFiles.size(),
                     report.damaged);
    }
    TALLO_FUZZ_CHECK(!imported || (report.valid && !report.damaged && report.refused.empty() &&
                                   report.failedFiles.empty()));
    TALLO_FUZZ_CHECK(report.valid || report.FilesWritten() == 0);
    TALLO_FUZZ_CHECK(report.reloaded == (report.FilesWritten() > 0));
    if (!report.reloaded) {
        TALLO_FUZZ_CHECK(world.selectedCountry == 77 && !world.IsLoaded());
    } else {
        TALLO_FUZZ_CHECK(world.IsLoaded() && world.selectedCountry == 14);
    }

    // Only the folders' own files are there: country files, and the files the names of the
    // badges and pictures lead to (no temporary file is left beside them).
    std::set<std::string> entryPaths;
    for (const NamedEntry& entry : names) {
        if (auto path = EntryTargetPath(entry.badge ? badges : pictures, entry.name)) {
            entryPaths.insert(*path);
        }
    }
    std::vector<std::string> files;
    std::vector<std::string> folders;
    ListTree(run, files, folders);
    size_t countryFiles = 0;
    for (const std::string& file : files) {
        if (file == archive || file == countryList) {
            continue;
        }
        const bool countryFile = StartsWith(file, database + "/") &&
                                 file.find('/', database.size() + 1) == std::string::npos &&
                                 IsCountryFileName(file.substr(database.size() + 1));
        const bool entryFile =
            (StartsWith(file, badges + "/") || StartsWith(file, pictures + "/")) &&
            entryPaths.count(file) > 0;
        if (!countryFile && !entryFile) {
            std::fprintf(stderr, "a file that should not be there: %s\n", file.c_str());
            TALLO_FUZZ_CHECK(false);
        }
        countryFiles += countryFile ? 1 : 0;
    }
    TALLO_FUZZ_CHECK(countryFiles <= report.countries);
    TALLO_FUZZ_CHECK(files.size() - countryFiles - 2 <= report.badges + report.pictures);
    for (const std::string& folder : folders) {
        const bool allowed = StartsWith(install + "/", folder + "/") || folder == database ||
                             StartsWith(folder + "/", badges + "/") ||
                             StartsWith(folder + "/", pictures + "/");
        if (!allowed) {
            std::fprintf(stderr, "a folder that should not be there: %s\n", folder.c_str());
            TALLO_FUZZ_CHECK(false);
        }
    }
    nftw(run.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
    return 0;
}
