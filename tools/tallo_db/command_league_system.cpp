// tallo-db league-system DB --country N [--format TEXT]: shows a country's league system, or
// gives it another one exactly as the editor's league system page does, and saves.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "app/world_internationals.h"
#include "commands.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "database_safety.h"
#include "database_write_lock.h"
#include "editing/country/league_formats.h"
#include "editing/country/league_system.h"
#include "installation.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "league-system";

struct LeagueSystemOptions {
    std::string folder;
    std::string install;
    int country = 0;
    std::string format; // empty: show the current system
    bool acceptDamage = false;
};

std::string FormatList() {
    std::string list;
    for (int index = 0; index < kLeagueFormatCount; ++index) {
        list += (list.empty() ? "" : ", ") + std::string(LeagueFormatAt(index).text);
    }
    return list;
}

void PrintSystem(const CCountry& country) {
    const int format = LeagueFormatOf(country);
    const LeagueCounts counts = LeagueCountsOf(country);
    const bool matches = FindLeagueFormat(counts) >= 0;
    std::cout << "Country " << country.Number() << " " << PrintableText(country.Name(0)) << "\n";
    std::cout << "Format: " << LeagueFormatAt(format).text
              << (matches ? "" : " (the leagues match none of the formats)") << "\n";
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        if (tree == nullptr || counts[level] == 0) {
            continue;
        }
        const uint8_t rule = country.relegationRules[level];
        std::cout << "Level " << level + 1 << ": " << counts[level] << " league"
                  << (counts[level] == 1 ? "" : "s") << ", relegation rule "
                  << static_cast<int>(rule);
        const std::string label = RelegationRuleLabel(rule);
        if (!label.empty()) {
            std::cout << " (" << label << ")";
        }
        if (!RuleAllowed(format, level, rule)) {
            std::cout << " [not allowed by the format: shown as 0]";
        }
        std::cout << "\n";
        for (uint32_t number : tree->LeagueNumbersOfLevel(level)) {
            const CDBLeagueBase& league = *tree->League(number);
            std::cout << "  " << number << " " << PrintableText(league.Name()) << ": size "
                      << league.Size() << ", " << league.TeamCount() << " teams, "
                      << league.Rounds() << " rounds\n";
        }
    }
}

void RunLeagueSystem(const LeagueSystemOptions& options) {
    if (options.country < 1 || options.country > CWorld::kCountryCount) {
        ReportFailure(kCommand, "there is no country " + std::to_string(options.country) +
                                    " (countries are numbered 1 to 206)");
        return;
    }
    const int format = options.format.empty() ? -1 : FindLeagueFormat(options.format);
    if (!options.format.empty() && format < 0) {
        ReportFailure(kCommand, "there is no format '" + options.format +
                                    "'; the formats are: " + FormatList());
        return;
    }
    // A change locks the database folder before it is read and until it is saved.
    DatabaseWriteLock lock;
    if (format >= 0 && !lock.Take(kCommand, options.folder)) {
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    CCountry& country = *world.GetCountry(options.country);
    if (format < 0) {
        PrintSystem(country);
        SetExitStatus(0);
        return;
    }
    if (CompetitionTreeOf(country) == nullptr) {
        ReportFailure(kCommand,
                      "country " + std::to_string(options.country) + " has no competition tree");
        return;
    }
    if (!MaySaveAfterLoad(kCommand, world, options.acceptDamage)) {
        return;
    }
    // The rules as the page shows them for the current format, checked against the new one.
    const TransitionRules rules = ShownRules(country, LeagueFormatOf(country));
    if (!ApplyLeagueFormat(country, format, rules)) {
        ReportFailure(kCommand, "the format could not be applied");
        return;
    }
    if (!SaveDatabase(kCommand, world)) {
        return;
    }
    PrintSystem(country);
    std::cout << "Saved " << options.folder << "\n";
    SetExitStatus(0);
}

} // namespace

void RegisterLeagueSystemCommand(CLI::App& app) {
    auto options = std::make_shared<LeagueSystemOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Show a country's league system, or give it another format (as the editor's "
                  "league system page does) and save the database");
    command->add_option("DB", options->folder, "Database folder")->required();
    command->add_option("--country", options->country, "Country number (1 to 206)")->required();
    command->add_option("--format", options->format,
                        "Leagues per level as the format list shows it, e.g. 1-1-4; '-' for none");
    AddInstallOption(*command, options->install);
    AddAcceptDamageOption(*command, options->acceptDamage);
    command->callback([options] { RunLeagueSystem(*options); });
}

} // namespace tallo::db
