// tallo-db ranking DB [--slot N]: the five-year ranking of the European countries, one line
// per country exactly as the editor's ranking list shows it (tab-separated).

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/world_internationals.h"
#include "commands.h"
#include "editing/records/five_year_ranking.h"
#include "installation.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "ranking";

struct RankingOptions {
    std::string folder;
    std::string install;
    std::optional<int> slot; // the database's language slot when not given
};

void RunRanking(const RankingOptions& options) {
    if (options.slot.has_value() &&
        (*options.slot < 0 || *options.slot >= CWorld::kLanguageSlots)) {
        ReportFailure(kCommand, "there is no language slot " + std::to_string(*options.slot) +
                                    " (slots are numbered 0 to 4)");
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    const CWorld& world = opened->world;
    const int slot = options.slot.value_or(world.Language());
    for (const RankingLine& line : FiveYearRanking(world, slot)) {
        std::cout << RankingLineText(line) << "\n";
    }
    SetExitStatus(0);
}

} // namespace

void RegisterRankingCommand(CLI::App& app) {
    auto options = std::make_shared<RankingOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Show the five-year ranking of the European countries as the editor lists it");
    command->add_option("DB", options->folder, "Database folder")->required();
    command->add_option("--slot", options->slot,
                        "Language slot of the country names (0 to 4; default: the database's)");
    AddInstallOption(*command, options->install);
    command->callback([options] { RunRanking(*options); });
}

} // namespace tallo::db
