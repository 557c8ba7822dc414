// tallo-db badges check DIR: the clubs of a database whose badge is missing in a size, as the
// main window's wrong-badge check lists them.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/load_preparation.h"
#include "assets/badge_wrong_report.h"
#include "commands.h"
#include "database_safety.h"
#include "installation.h"
#include "mapping/global_tools.h"
#include "path_check.h"
#include "platform/console_prompt.h"
#include "platform/path_resolver.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "badges check";

struct BadgesOptions {
    std::string database;
    std::string install;
};

// A report text without the blank line that separates the entries in the error window.
std::string WithoutTrailingBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

void RunBadgesCheck(const BadgesOptions& options) {
    const std::string problem = FolderProblem(options.database);
    if (!problem.empty()) {
        ReportFailure(kCommand, "the database folder " + options.database + " " + problem);
        return;
    }
    auto world = std::make_unique<CWorld>();
    Installation installation;
    std::string error;
    if (!PrepareLoad(options.install, options.database, *world, installation, error)) {
        ReportFailure(kCommand, error);
        return;
    }
    const bool loaded = world->LoadAll(options.database);
    PrintLoadFindings(kCommand, *world);
    if (!loaded) {
        ReportFailure(kCommand,
                      "no country file (Country<n>.sav) could be read in " + options.database);
        return;
    }
    // The badge folder and badge archive of the installation; an archive that cannot be
    // opened is reported and the check goes on with the badge folder alone.
    ConsolePrompt prompt(std::cerr);
    CGlobalTools tools;
    tools.Start(installation.folder, &prompt);

    const std::vector<std::string> texts = CheckWrongBadges(*world, tools.BadgeSources());
    for (const std::string& text : texts) {
        std::cout << WithoutTrailingBreaks(text) << "\n";
    }
    if (texts.empty()) {
        std::cout << "No club uses a wrong badge\n";
    } else {
        std::cout << texts.size() << (texts.size() == 1 ? " club uses" : " clubs use")
                  << " a wrong badge\n";
    }
    SetExitStatus(0);
}

} // namespace

void RegisterBadgesCommand(CLI::App& app) {
    auto options = std::make_shared<BadgesOptions>();
    CLI::App* badges = app.add_subcommand("badges", "Club badges of a database");
    badges->require_subcommand(1);
    CLI::App* check = badges->add_subcommand(
        "check", "List the clubs whose badge is missing in a size, in the badge folder and in "
                 "badges.big of the installation");
    check->add_option("DIR", options->database, "Database folder to check")->required();
    AddInstallOption(*check, options->install);
    check->callback([options] { RunBadgesCheck(*options); });
}

} // namespace tallo::db
