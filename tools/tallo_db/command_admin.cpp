// tallo-db admin TOOL DB [--country N] [--club ID]: runs one of the admin menu's tools on a
// database as the menu does (its question answered yes), prints its report and saves.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "commands.h"
#include "database_safety.h"
#include "database_write_lock.h"
#include "editing/admin/admin_tool.h"
#include "editing/admin/admin_tool_runner.h"
#include "editing/main_window/command_ids.h"
#include "installation.h"
#include "mapping/global_tools.h"
#include "mapping/name_lists.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "admin";

struct AdminOptions {
    std::string tool;
    std::string folder;
    std::string install;
    int country = 0;
    uint32_t club = 0;
    bool acceptDamage = false;
};

// The tools by their command-line names; the shoe tool's command follows --club/--country.
const std::map<std::string, int>& ToolCommands() {
    static const std::map<std::string, int> commands = {
        {"rename-staff", Command::kAdminRenameStaff},
        {"rename-stadiums", Command::kAdminRenameStadiums},
        {"remove-unused-stadiums", Command::kAdminRemoveUnusedStadiums},
        {"clear-match-records", Command::kAdminClearMatchRecords},
        {"clear-league-stats", Command::kAdminClearLeagueStatistics},
        {"tactical-education", Command::kAdminTacticalEducation},
        {"birthdays", Command::kAdminBirthDates},
        {"delete-staff", Command::kAdminDeleteStaff},
        {"shoes", Command::kAdminDatabaseShoes},
    };
    return commands;
}

int CommandOf(const AdminOptions& options) {
    if (options.tool == "shoes") {
        if (options.club != 0) {
            return Command::kAdminClubShoes;
        }
        return options.country != 0 ? Command::kAdminCountryShoes : Command::kAdminDatabaseShoes;
    }
    return ToolCommands().at(options.tool);
}

// Why the selection does not fit the tool, or empty.
std::string SelectionProblem(const AdminToolCall& call, const AdminOptions& options,
                             const CWorld* world) {
    if (call.scope == AdminScope::Country) {
        if (options.country == 0) {
            return options.tool + " works on a country: give --country N";
        }
        if (options.country < 1 || options.country > CWorld::kCountryCount) {
            return "there is no country " + std::to_string(options.country) +
                   " (countries are numbered 1 to 206)";
        }
    }
    if (call.scope == AdminScope::Club && world != nullptr) {
        const int country = static_cast<int>(ClubId::CountryOf(options.club));
        const CCountry* owner =
            country >= 1 && country <= CWorld::kCountryCount ? world->GetCountry(country) : nullptr;
        if (owner == nullptr || owner->FindClub(options.club) == nullptr) {
            return "there is no club " + std::to_string(options.club);
        }
    }
    return std::string();
}

void RunAdmin(const AdminOptions& options) {
    const AdminToolCall* call = FindAdminToolCall(CommandOf(options));
    if (const std::string problem = SelectionProblem(*call, options, nullptr); !problem.empty()) {
        ReportFailure(kCommand, problem);
        return;
    }
    DatabaseWriteLock lock;
    if (!lock.Take(kCommand, options.folder)) {
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    if (const std::string problem = SelectionProblem(*call, options, &world); !problem.empty()) {
        ReportFailure(kCommand, problem);
        return;
    }
    if (!MaySaveAfterLoad(kCommand, world, options.acceptDamage)) {
        return;
    }
    CNameLists names;
    if (call->tool == AdminTool::RenameStaff) {
        const std::string& root = opened->installation.folder;
        if (!names.Load(root + "/" + CGlobalTools::kMaleNamesFile,
                        root + "/" + CGlobalTools::kFemaleNamesFile,
                        root + "/" + CGlobalTools::kSurnamesFile) &&
            names.Count(CNameLists::kMaleNames) == 0) {
            ReportFailure(kCommand, "no names could be read from " + root + "/" +
                                        CGlobalTools::kMaleNamesFile);
            return;
        }
    }
    // The tools run only for the administrator; the command is one.
    AppState::Instance().SetAdminMode(true);
    ScriptedPrompt prompt(true);
    AdminToolRunner runner(world, prompt, "tallo-db", &names);
    const AdminRunResult result = runner.Run(*call, options.country, options.club);
    if (!result.ran) {
        ReportFailure(kCommand, "the tool did not run");
        return;
    }
    std::cout << result.report << "\n";
    if (!result.changed) {
        std::cout << "Nothing changed; " << options.folder << " was not written\n";
        SetExitStatus(0);
        return;
    }
    if (!SaveDatabase(kCommand, world)) {
        return;
    }
    std::cout << "Saved " << options.folder << "\n";
    SetExitStatus(0);
}

} // namespace

void RegisterAdminCommand(CLI::App& app) {
    auto options = std::make_shared<AdminOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Run one of the admin menu's tools on a database (its question answered "
                  "yes), print its report and save the database");
    std::string tools;
    for (const auto& [name, id] : ToolCommands()) {
        tools += (tools.empty() ? "" : ", ") + name;
    }
    command->add_option("TOOL", options->tool, "The tool: " + tools)
        ->required()
        ->check(CLI::IsMember([] {
            std::vector<std::string> names;
            for (const auto& [name, id] : ToolCommands()) {
                names.push_back(name);
            }
            return names;
        }()));
    command->add_option("DB", options->folder, "Database folder")->required();
    command->add_option("--country", options->country,
                        "Country number (1 to 206): the country tools, and shoes of a country");
    command->add_option("--club", options->club, "Club ID: shoes of one club");
    AddInstallOption(*command, options->install);
    AddAcceptDamageOption(*command, options->acceptDamage);
    command->callback([options] { RunAdmin(*options); });
}

} // namespace tallo::db
