// tallo-db sample DIR: write a synthetic installation with a generated world.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

#include "commands.h"
#include "database_write_lock.h"
#include "formats/string_table.h"
#include "installation.h"
#include "platform/atomic_file.h"
#include "platform/environment.h"
#include "platform/install_folder.h"
#include "platform/path_resolver.h"
#include "sample_installation.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "sample";
constexpr int kProductString = 898;
// Left in every installation the command writes, so that it can write over its own samples
// but never over a real installation (whose badges and database it would replace).
constexpr const char* kMarkerFile = "tallo-sample.txt";

// True when the folder is missing, empty, or a sample written before.
bool MayWriteInto(const std::filesystem::path& folder) {
    std::error_code failure;
    if (!std::filesystem::exists(folder, failure)) {
        return true;
    }
    if (std::filesystem::exists(folder / kMarkerFile, failure)) {
        return true;
    }
    return std::filesystem::is_directory(folder, failure) &&
           std::filesystem::is_empty(folder, failure) && !failure;
}

struct SampleCommandOptions {
    std::string folder;
    std::string scale = "small";
    std::string seed = "1";
    bool registerFolder = false;
};

// The seed as a whole number from 0 to the largest of 64 bits; false for anything else (a
// sign, a fraction, a number too large), which the generator would otherwise wrap silently.
bool ParseSeed(const std::string& text, uint64_t& seed) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, seed);
    return !text.empty() && failure == std::errc() && stop == end;
}

void RunSample(const SampleCommandOptions& options) {
    sample::SampleOptions sampleOptions;
    if (!sample::ParseScale(options.scale, sampleOptions.scale)) {
        ReportFailure(kCommand, "unknown scale '" + options.scale + "' (small or full)");
        return;
    }
    if (!ParseSeed(options.seed, sampleOptions.seed)) {
        ReportFailure(kCommand, "the seed '" + options.seed + "' is not a whole number from 0 to " +
                                    std::to_string(std::numeric_limits<uint64_t>::max()));
        return;
    }
    std::error_code failure;
    const std::filesystem::path absolute = std::filesystem::absolute(options.folder, failure);
    const std::string folder = failure ? options.folder : absolute.lexically_normal().string();

    if (!MayWriteInto(folder)) {
        ReportFailure(kCommand, folder + " holds files that no earlier sample wrote; choose a "
                                         "new or empty folder");
        return;
    }
    // A sample written over an earlier one replaces its database: one writer at a time.
    DatabaseWriteLock lock;
    const std::string database = folder + "/database";
    if (FolderExists(database) && !lock.Take(kCommand, database)) {
        return;
    }
    sample::SampleSummary summary;
    std::string error;
    if (!sample::WriteSampleInstallation(folder, sampleOptions, summary, error)) {
        ReportFailure(kCommand, error);
        return;
    }
    // Without its marker the folder could not be written over by the next sample.
    const std::string markerPath = folder + "/" + kMarkerFile;
    const std::string markerText = "Written by tallo-db sample (" +
                                   std::string(sample::ScaleName(sampleOptions.scale)) + ", seed " +
                                   std::to_string(sampleOptions.seed) + ").\n";
    errno = 0;
    if (!WriteFileAtomically(markerPath, markerText)) {
        ReportFailure(kCommand, "the sample was written, but its marker " + markerPath +
                                    " could not be: " + std::strerror(errno != 0 ? errno : EIO));
        return;
    }
    if (options.registerFolder && !WriteInstallDirSetting(LoadString(kProductString), folder,
                                                          SystemEnvironment::Instance())) {
        ReportFailure(kCommand, "the sample was written, but the settings file could not be: " +
                                    SettingsFilePath(LoadString(kProductString),
                                                     SystemEnvironment::Instance()));
        return;
    }
    std::cout << "Wrote the " << sample::ScaleName(sampleOptions.scale) << " sample (seed "
              << sampleOptions.seed << ") into " << folder << ": 206 countries, "
              << summary.countriesWithClubs << " with clubs, " << summary.clubs << " clubs, "
              << summary.persons << " persons\n";
    if (options.registerFolder) {
        std::cout << "Registered " << folder << " as the installation folder\n";
    }
    SetExitStatus(0);
}

} // namespace

void RegisterSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleCommandOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand,
        "Write a synthetic installation with a generated database (same seed, same bytes)");
    command
        ->add_option("DIR", options->folder, "Installation folder to write (created when missing)")
        ->required();
    command
        ->add_option("--scale", options->scale, "small (tests, a first look) or full (benchmarks)")
        ->check(CLI::IsMember({"small", "full"}))
        ->capture_default_str();
    command->add_option("--seed", options->seed, "Seed of the generator")->capture_default_str();
    command->add_flag("--register", options->registerFolder,
                      "Store DIR as the installation folder in the settings file");
    command->callback([options] { RunSample(*options); });
}

} // namespace tallo::db
