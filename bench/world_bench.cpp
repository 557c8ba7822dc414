// Load, save and game database build of a whole installation, each beside a baseline that
// only moves the same bytes, measured in one run.
//
//   world_bench INSTALL [--runs N] [--scratch DIR] [--summary FILE]
//
// The copies, saves and writes go into a new folder inside DIR (default: the temporary
// folder), removed at the end; for figures of the disk the database is on, give a DIR there.
//
// INSTALL (or the environment variable TALLO_BENCH_INSTALL) is an installation folder: its
// "database" folder is loaded. Every figure is taken N times (default 3), the measured
// operation and its baselines alternating, and the best and the median time are shown; the
// ratios compare best times. The files are in the page cache for every figure: each run
// reads the database folder before it loads it.
//
//   read all files      every file LoadAll reads (Country<n>.sav, Rules.sav, Without.sav), each
//                       read whole into memory with read(2): the baseline of LoadAll.
//   LoadAll             CWorld::LoadAll of the database into a world made as build mode makes
//                       it (countries.sav, competition trees, tool lookups; not timed).
//   LoadAll, one thread the same with the country files read in order on one thread
//                       (SetLoadThreads(1)).
//   copy, no flush      the same files copied one by one into an empty folder (read, write;
//                       nothing flushed): the plain baseline of SaveAll.
//   copy + syncfs       the same copy followed by one syncfs(2) of the target's file system,
//                       the way SaveAll brings its files to disk: the like-for-like baseline.
//   SaveAll             CWorld::SaveAll of the loaded world into an empty folder (temporary
//                       files, one syncfs, renames, a sync of the folder).
//   write, no flush     as many bytes as Master.dat has, written to a file with write(2).
//   write atomically    the same bytes through WriteFileAtomically (fsync, rename), the way
//                       the builder writes its image.
//   build Master.dat    MasterBuilder::Build of the loaded world, German, no options, with
//                       the badge and console face services of build mode; compared with
//                       LoadAll (the target) and with the atomic write.
//
// Peak memory: the peak resident size of each group (reset before it through
// /proc/self/clear_refs where the kernel allows it) and getrusage's ru_maxrss of the whole
// run. With --summary the figures are also written as "key value" lines for scripts/bench.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/load_preparation.h"
#include "app/master_build_driver.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "gamedb/master_builder.h"
#include "mapping/global_tools.h"
#include "platform/atomic_file.h"
#include "platform/console_prompt.h"
#include "world/world.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kLanguageCodeString = 799;

struct Options {
    std::string install;
    std::string scratch;
    std::string summary;
    int runs = 3;
};

// Times of one figure over the runs.
struct Figure {
    explicit Figure(std::string title) : name(std::move(title)) {}

    std::string name;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds; // user and system time of the process

    double BestCpu() const { return *std::min_element(cpuSeconds.begin(), cpuSeconds.end()); }

    double Best() const { return *std::min_element(seconds.begin(), seconds.end()); }
    double Median() const {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
};

double CpuNow() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs `work` once and adds its wall and processor time to the figure.
void Time(Figure& figure, const std::function<bool()>& work, bool& ok) {
    const double cpuStart = CpuNow();
    const Clock::time_point start = Clock::now();
    const bool done = work();
    figure.seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    figure.cpuSeconds.push_back(CpuNow() - cpuStart);
    ok = ok && done;
}

// Peak resident size ------------------------------------------------------------------------

// Starts a new peak; false where the kernel does not allow it (the peak then counts from the
// start of the process).
bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

// The peak resident size in KiB since the last reset (VmHWM), else ru_maxrss.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long MaxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

// Files -----------------------------------------------------------------------------------

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The files of the folder that LoadAll reads, by their names in any case.
std::vector<fs::path> LoadedFiles(const std::string& folder, uint64_t& bytes) {
    std::vector<fs::path> files;
    bytes = 0;
    std::error_code failure;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, failure)) {
        if (!entry.is_regular_file(failure)) {
            continue;
        }
        const std::string name = Lower(entry.path().filename().string());
        bool wanted = name == "rules.sav" || name == "without.sav";
        if (!wanted && name.size() > 11 && name.rfind("country", 0) == 0 &&
            name.compare(name.size() - 4, 4, ".sav") == 0) {
            const std::string digits = name.substr(7, name.size() - 11);
            const bool allDigits = std::all_of(digits.begin(), digits.end(),
                                               [](char c) { return c >= '0' && c <= '9'; });
            if (allDigits && digits.size() <= 3) {
                const int number = std::atoi(digits.c_str());
                wanted = number >= 1 && number <= tallo::CWorld::kCountryCount;
            }
        }
        if (wanted) {
            files.push_back(entry.path());
            bytes += entry.file_size(failure);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool ReadWhole(const fs::path& path, std::string& buffer) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        ok = false;
    } else {
        buffer.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < buffer.size()) {
            const ssize_t got = read(fd, buffer.data() + done, buffer.size() - done);
            if (got <= 0) {
                ok = got == 0 && done == buffer.size();
                break;
            }
            done += static_cast<size_t>(got);
        }
        buffer.resize(done);
    }
    close(fd);
    return ok;
}

bool WriteWhole(const fs::path& path, const std::string& bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        ok = put > 0;
        if (ok) {
            done += static_cast<size_t>(put);
        }
    }
    return close(fd) == 0 && ok;
}

bool ReadAll(const std::vector<fs::path>& files) {
    std::string buffer;
    for (const fs::path& path : files) {
        if (!ReadWhole(path, buffer)) {
            return false;
        }
    }
    return true;
}

bool CopyAll(const std::vector<fs::path>& files, const fs::path& target, bool flush) {
    std::string buffer;
    for (const fs::path& path : files) {
        if (!ReadWhole(path, buffer) || !WriteWhole(target / path.filename(), buffer)) {
            return false;
        }
    }
    if (!flush) {
        return true;
    }
    const int fd = open(target.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = syncfs(fd) == 0;
    close(fd);
    return synced;
}

// An empty folder (whatever it held is removed first, not timed).
bool EmptyFolder(const fs::path& folder) {
    std::error_code failure;
    fs::remove_all(folder, failure);
    return fs::create_directories(folder, failure) && !failure;
}

// A new folder inside `root` for the files the figures write, removed with all it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& root) {
        std::error_code failure;
        fs::create_directories(root, failure);
        std::string pattern = (fs::path(root) / "world_bench.XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        if (!path_.empty()) {
            std::error_code failure;
            fs::remove_all(path_, failure);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool Made() const { return !path_.empty(); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// The world -------------------------------------------------------------------------------

// The process-wide tables build mode prepares before it loads: the stadium models, the game
// date, the competition trees and cup schemes, the per-language tables and the global tool
// object (ID tables, star heads, badge archive).
class Preparation {
public:
    explicit Preparation(const std::string& install)
        : install_(install), prompt_(std::cerr),
          languageCode_(tallo::LoadString(kLanguageCodeString)) {
        tallo::PrepareProcessTables(install_, languageCode_, prepared_);
        tallo::PrepareCompetitionTables(install_, prepared_);
        tallo::GlobalLanguageTables().Load(tallo::GameDatabaseFolder(install_), languageCode_);
        toolsStarted_ = tallo::GlobalTools().Start(install_, &prompt_);
    }

    // A world made as build mode makes it, ready for LoadAll.
    std::unique_ptr<tallo::CWorld> NewWorld() {
        auto world = std::make_unique<tallo::CWorld>();
        countryListRead_ = tallo::PrepareWorld(*world, install_, prepared_) && countryListRead_;
        tallo::GlobalTools().InstallLookups(*world, tallo::GlobalLanguageTables());
        return world;
    }

    bool CountryListRead() const { return countryListRead_; }
    bool ToolsStarted() const { return toolsStarted_; }

private:
    std::string install_;
    tallo::ConsolePrompt prompt_;
    std::string languageCode_;
    tallo::LoadPreparation prepared_;
    bool toolsStarted_ = false;
    bool countryListRead_ = true;
};

// Output ----------------------------------------------------------------------------------

double MiB(uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void PrintHeader() {
    std::printf("%-28s %8s %8s %8s %8s  %s\n", "figure", "best s", "median s", "cpu s", "MB/s",
                "ratio of best times");
}

// MB/s of the bytes read or written, at the best time.
void PrintFigure(const Figure& figure, uint64_t bytes, const std::string& ratios) {
    const double rate = static_cast<double>(bytes) / 1e6 / figure.Best();
    std::printf("%-28s %8.3f %8.3f %8.3f %8.0f  %s\n", figure.name.c_str(), figure.Best(),
                figure.Median(), figure.BestCpu(), rate, ratios.c_str());
}

std::string Ratio(const Figure& measured, const Figure& baseline, const char* label) {
    char text[128];
    std::snprintf(text, sizeof text, "%.2fx %s", measured.Best() / baseline.Best(), label);
    return text;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    if (const char* env = std::getenv("TALLO_BENCH_INSTALL"); env != nullptr && *env != '\0') {
        options.install = env;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--runs" && hasValue) {
            options.runs = std::atoi(argv[++i]);
        } else if (word == "--scratch" && hasValue) {
            options.scratch = argv[++i];
        } else if (word == "--summary" && hasValue) {
            options.summary = argv[++i];
        } else if (word == "--help" || word == "-h") {
            return false;
        } else if (!word.empty() && word[0] != '-') {
            options.install = word;
        } else {
            std::fprintf(stderr, "world_bench: unknown option %s\n", word.c_str());
            return false;
        }
    }
    if (options.install.empty() || options.runs < 1 || options.runs > 100) {
        return false;
    }
    if (options.scratch.empty()) {
        std::error_code failure;
        options.scratch = fs::temp_directory_path(failure).string();
        if (failure) {
            options.scratch = "/tmp";
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: world_bench INSTALL [--runs N] [--scratch DIR] [--summary FILE]\n"
                     "  INSTALL may also come from TALLO_BENCH_INSTALL; N is 1-100 (default 3);\n"
                     "  the figures write into a new folder inside DIR (default: the temporary\n"
                     "  folder), removed at the end.\n");
        return 2;
    }
    const std::string database = tallo::GameDatabaseFolder(options.install);
    uint64_t loadBytes = 0;
    const std::vector<fs::path> files = LoadedFiles(database, loadBytes);
    if (files.empty()) {
        std::fprintf(stderr, "world_bench: no Country<n>.sav in %s\n", database.c_str());
        return 1;
    }
    ScratchFolder scratchFolder(options.scratch);
    if (!scratchFolder.Made()) {
        std::fprintf(stderr, "world_bench: cannot make a folder in %s\n", options.scratch.c_str());
        return 1;
    }
    const fs::path scratch = scratchFolder.Path();
    const fs::path copyFolder = scratch / "copy";
    const fs::path saveFolder = scratch / "save";
    const fs::path masterPath = scratch / "Master.dat";
    const fs::path rawPath = scratch / "raw.dat";

    std::printf("World benchmark of %s: %zu files LoadAll reads, %.1f MiB; %d runs each\n",
                database.c_str(), files.size(), MiB(loadBytes), options.runs);
    bool ok = true;
    const bool peakResets = ResetPeak();
    Preparation preparation(options.install);
    if (!preparation.ToolsStarted()) {
        std::fprintf(stderr, "world_bench: note: the global tool object did not start fully\n");
    }
    ReadAll(files); // into the page cache

    // Load ----------------------------------------------------------------------------------
    Figure readFigure("read all files (baseline)");
    Figure loadFigure("LoadAll");
    Figure loadSequentialFigure("LoadAll, one thread");
    std::unique_ptr<tallo::CWorld> world;
    ResetPeak();
    for (int run = 0; run < options.runs; ++run) {
        Time(
            readFigure, [&] { return ReadAll(files); }, ok);
        world.reset(); // the previous run's world goes first (not timed)
        world = preparation.NewWorld();
        Time(
            loadFigure, [&] { return world->LoadAll(database); }, ok);
        // The same load with the country files read in order on the calling thread.
        auto inOrder = preparation.NewWorld();
        inOrder->SetLoadThreads(1);
        Time(
            loadSequentialFigure, [&] { return inOrder->LoadAll(database); }, ok);
    }
    const long loadPeak = PeakKiB();
    if (!ok || !preparation.CountryListRead()) {
        std::fprintf(stderr, "world_bench: the database could not be read or loaded\n");
        return 1;
    }
    const size_t persons = world->PlayerCount();

    // Save ----------------------------------------------------------------------------------
    Figure copyFigure("copy, no flush (baseline)");
    Figure copySyncFigure("copy + syncfs (baseline)");
    Figure saveFigure("SaveAll (one syncfs)");
    ResetPeak();
    for (int run = 0; run < options.runs; ++run) {
        ok = EmptyFolder(copyFolder) && ok;
        Time(
            copyFigure, [&] { return CopyAll(files, copyFolder, false); }, ok);
        ok = EmptyFolder(copyFolder) && ok;
        Time(
            copySyncFigure, [&] { return CopyAll(files, copyFolder, true); }, ok);
        ok = EmptyFolder(saveFolder) && ok;
        world->SetDatabaseFolder(saveFolder.string());
        Time(
            saveFigure, [&] { return world->SaveAll(nullptr); }, ok);
    }
    world->SetDatabaseFolder(database);
    const long savePeak = PeakKiB();
    uint64_t saveBytes = 0;
    LoadedFiles(saveFolder.string(), saveBytes);
    if (!ok) {
        std::fprintf(stderr, "world_bench: a copy or a save failed in %s\n", scratch.c_str());
        return 1;
    }

    // Build ---------------------------------------------------------------------------------
    Figure rawFigure("write, no flush (baseline)");
    Figure rawAtomicFigure("write atomically (baseline)");
    Figure buildFigure("build Master.dat");
    Figure buildSequentialFigure("build, one thread");
    tallo::MasterBuildRequest request;
    request.rootFolder = options.install;
    request.databaseFolder = database;
    request.outputPath = masterPath.string();
    uint64_t masterBytes = 0;
    std::string raw;
    ResetPeak();
    for (int run = 0; run < options.runs; ++run) {
        std::ostringstream out;
        std::ostringstream err;
        tallo::MasterBuildResult result;
        Time(
            buildFigure,
            [&] {
                tallo::MasterBuilder builder(*world, request);
                builder.SetServices(tallo::MasterServicesOf(tallo::GlobalTools()));
                result = builder.Build(nullptr, nullptr, &out, &err);
                return result.Written();
            },
            ok);
        if (!result.Written()) {
            std::fprintf(stderr, "world_bench: the build failed: %s\n%s", result.message.c_str(),
                         err.str().c_str());
            return 1;
        }
        tallo::MasterBuildRequest inOrder = request;
        inOrder.threads = 1;
        Time(
            buildSequentialFigure,
            [&] {
                tallo::MasterBuilder builder(*world, inOrder);
                builder.SetServices(tallo::MasterServicesOf(tallo::GlobalTools()));
                return builder.Build(nullptr, nullptr, &out, &err).Written();
            },
            ok);
        masterBytes = result.size;
        raw.assign(static_cast<size_t>(masterBytes), '\x5a');
        Time(
            rawFigure, [&] { return WriteWhole(rawPath, raw); }, ok);
        Time(
            rawAtomicFigure, [&] { return tallo::WriteFileAtomically(rawPath.string(), raw); }, ok);
    }
    const long buildPeak = PeakKiB();
    raw.clear();
    raw.shrink_to_fit();
    world.reset();
    if (!ok) {
        std::fprintf(stderr, "world_bench: a raw write failed in %s\n", scratch.c_str());
        return 1;
    }

    std::printf("%zu persons; SaveAll writes %.1f MiB, Master.dat is %.1f MiB\n\n", persons,
                MiB(saveBytes), MiB(masterBytes));
    PrintHeader();
    PrintFigure(readFigure, loadBytes, "");
    PrintFigure(loadFigure, loadBytes, Ratio(loadFigure, readFigure, "read all files"));
    PrintFigure(loadSequentialFigure, loadBytes,
                Ratio(loadSequentialFigure, readFigure, "read all files"));
    PrintFigure(copyFigure, loadBytes, "");
    PrintFigure(copySyncFigure, loadBytes, "");
    PrintFigure(saveFigure, saveBytes,
                Ratio(saveFigure, copySyncFigure, "copy + syncfs, ") +
                    Ratio(saveFigure, copyFigure, "copy, no flush"));
    PrintFigure(rawFigure, masterBytes, "");
    PrintFigure(rawAtomicFigure, masterBytes, "");
    PrintFigure(buildFigure, masterBytes,
                Ratio(buildFigure, loadFigure, "LoadAll, ") +
                    Ratio(buildFigure, rawAtomicFigure, "write atomically"));
    PrintFigure(buildSequentialFigure, masterBytes,
                Ratio(buildSequentialFigure, loadFigure, "LoadAll"));
    std::printf("\nPeak resident memory (%s): load %.0f MiB, save %.0f MiB, build %.0f MiB; "
                "ru_maxrss of the run %.0f MiB\n",
                peakResets ? "each group on its own" : "since the start",
                static_cast<double>(loadPeak) / 1024, static_cast<double>(savePeak) / 1024,
                static_cast<double>(buildPeak) / 1024, static_cast<double>(MaxRssKiB()) / 1024);

    if (!options.summary.empty()) {
        std::ofstream summary(options.summary);
        summary.precision(12);
        const auto put = [&summary](const char* key, double value) {
            summary << key << " " << value << "\n";
        };
        put("read", readFigure.Best());
        put("load", loadFigure.Best());
        put("copy", copyFigure.Best());
        put("copy_sync", copySyncFigure.Best());
        put("save", saveFigure.Best());
        put("write", rawFigure.Best());
        put("write_atomic", rawAtomicFigure.Best());
        put("build", buildFigure.Best());
        put("load_cpu", loadFigure.BestCpu());
        put("load_sequential", loadSequentialFigure.Best());
        put("load_sequential_cpu", loadSequentialFigure.BestCpu());
        put("build_cpu", buildFigure.BestCpu());
        put("build_sequential", buildSequentialFigure.Best());
        put("read_cpu", readFigure.BestCpu());
        put("load_bytes", static_cast<double>(loadBytes));
        put("master_bytes", static_cast<double>(masterBytes));
        put("peak_load_mib", static_cast<double>(loadPeak) / 1024);
        put("peak_save_mib", static_cast<double>(savePeak) / 1024);
        put("peak_build_mib", static_cast<double>(buildPeak) / 1024);
        put("maxrss_mib", static_cast<double>(MaxRssKiB()) / 1024);
        if (!summary) {
            std::fprintf(stderr, "world_bench: cannot write %s\n", options.summary.c_str());
            return 1;
        }
    }
    return 0;
}
