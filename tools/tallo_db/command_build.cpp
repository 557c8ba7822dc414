// tallo-db build INSTALL: compile the database of an installation into Master.dat, as build
// mode does.

#include <CLI/CLI.hpp>

#include <iomanip>
#include <iostream>
#include <memory>
#include <string>

#include "app/console_progress.h"
#include "app/load_preparation.h"
#include "app/master_build_driver.h"
#include "commands.h"
#include "database_files.h"
#include "installation.h"
#include "path_check.h"
#include "platform/code_page.h"
#include "platform/console_prompt.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "build";

struct BuildOptions {
    std::string install;
    std::string language = "ger";
    std::string out;
    bool console = false;
    bool badgeList = false;
    bool kitList = false;
    bool stadiumList = false;
    bool consoleLog = false;
    bool trim = false;
    bool times = false;
};

int LanguageNumber(const std::string& word) {
    if (word == "eng") {
        return 1;
    }
    if (word == "fra") {
        return 2;
    }
    if (word == "spa") {
        return 3;
    }
    return 0;
}

void RunBuild(const BuildOptions& options) {
    const std::string problem = FolderProblem(options.install);
    if (!problem.empty()) {
        ReportFailure(kCommand, "the installation folder " + options.install + " " + problem);
        return;
    }
    // Master.dat never replaces a file the build reads.
    if (!options.out.empty()) {
        const std::string refusal = OutputRefusal(
            ClassifyOutput(options.out, DatabaseFiles(GameDatabaseFolder(options.install))));
        if (!refusal.empty()) {
            ReportFailure(kCommand, refusal);
            return;
        }
    }
    std::cerr << "tallo-db: using the installation " << options.install
              << " (from the command line)\n";
    MasterBuildRun run;
    run.installFolder = options.install;
    run.language = LanguageNumber(options.language);
    run.optionBits = (options.console ? MasterOption::kConsole : 0u) |
                     (options.badgeList ? MasterOption::kBadgeList : 0u) |
                     (options.kitList ? MasterOption::kKitList : 0u) |
                     (options.stadiumList ? MasterOption::kStadiumList : 0u) |
                     (options.trim ? MasterOption::kTrim : 0u) |
                     (options.consoleLog ? MasterOption::kConsoleLog : 0u);
    run.outputPath = options.out;
    ConsolePrompt prompt(std::cerr);
    ConsoleProgress display;
    run.display = &display;
    const MasterBuildReport report = RunMasterBuildAt(run, prompt, std::cout, std::cerr);
    display.Finish();

    if (!report.countryListRead) {
        std::cerr << "tallo-db build: warning: no country list in " << options.install
                  << "/database\n";
    }
    if (report.trim == TrimOutcome::Trimmed) {
        std::cout << "Country " << kTrimmedCountry << " trimmed: " << report.clubsRemoved
                  << " clubs removed\n";
    }
    const MasterBuildResult& build = report.build;
    if (!build.completeCountries.empty()) {
        std::cout << "Complete countries (" << build.completeCountries.size() << "):";
        for (int number : build.completeCountries) {
            std::cout << " " << number;
        }
        std::cout << "\n";
    }
    if (options.times) {
        std::cout << std::fixed << std::setprecision(3) << "Load: " << report.loadSeconds
                  << " s, build: " << report.buildSeconds << " s\n";
    }
    if (!build.Written()) {
        // The builder has said why on standard error, except for the list of complete
        // countries, which goes to standard output as build mode prints it.
        if (build.status == MasterBuildStatus::NoCompleteCountry) {
            ReportFailure(kCommand, "Master.dat was not written: no country is complete");
        } else {
            SetExitStatus(1);
        }
        return;
    }
    std::cout << "Wrote " << build.path << " (" << build.size << " bytes)\n";
    if (build.textListsSkipped) {
        std::cerr << "tallo-db build: warning: a console text list could not be appended\n";
    }
    SetExitStatus(0);
}

} // namespace

void RegisterBuildCommand(CLI::App& app) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Build the game database (Master.dat) of an installation, as build mode does");
    command
        ->add_option("INSTALL", options->install,
                     "Installation folder (holding database/ and script/)")
        ->required();
    command->add_option("--lang", options->language, "Build language")
        ->check(CLI::IsMember({"ger", "eng", "fra", "spa"}));
    command->add_flag("--ps2", options->console,
                      "Console database: one language, the 22 console countries, written as "
                      "database/Master<language>.dat");
    command->add_option("--out", options->out, "File to write instead of the standard one");
    command->add_flag("--badge-list", options->badgeList, "Append to badges.txt (OutputBadge)");
    command->add_flag("--kit-list", options->kitList, "Append to kits.txt (OutputKits)");
    command->add_flag("--stadium-list", options->stadiumList,
                      "Append to stadium.txt (OutputStadium)");
    command->add_flag("--console-log", options->consoleLog,
                      "Append to logPS2_Database.txt (logPS2)");
    command->add_flag("--killdata", options->trim,
                      "Trim country 14 to 100 clubs before building (killdata)");
    command->add_flag("--times", options->times, "Print the time of loading and of building");
    command->callback([options] { RunBuild(*options); });
}

} // namespace tallo::db
