// tallo-db info DIR: what a database folder holds.

#include <CLI/CLI.hpp>

#include <iomanip>
#include <iostream>
#include <memory>
#include <string>

#include "app/world_internationals.h"
#include "commands.h"
#include "database_safety.h"
#include "competitions/international_competitions.h"
#include "installation.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"
#include "sample_world.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "info";

struct InfoOptions {
    std::string folder;
    std::string install;
    bool countries = false;
};

size_t CountryPersons(const CWorld& world, const CCountry& country) {
    size_t persons = 0;
    for (const auto& [id, club] : country.Clubs()) {
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            persons += world.FindPlayer(club->PlayerId(i)) != nullptr ? 1 : 0;
        }
    }
    for (uint32_t id : country.AdditionalManagers()) {
        persons += world.FindPlayer(id) != nullptr ? 1 : 0;
    }
    return persons;
}

void Line(const char* label, size_t value) {
    std::cout << std::left << std::setw(28) << label << value << "\n";
}

void RunInfo(const InfoOptions& options) {
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    const Installation& installation = opened->installation;

    size_t withFiles = 0;
    size_t complete = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        withFiles += FileExists(world.CountryFilePath(number)) ? 1 : 0;
        complete += world.GetCountry(number)->IsComplete() ? 1 : 0;
    }
    const sample::SampleSummary summary = sample::SummariseWorld(world);

    std::cout << "Database folder:            " << options.folder << "\n";
    std::cout << "Installation:               " << installation.folder << " (from "
              << installation.foundBy << ")\n";
    Line("Countries with files:", withFiles);
    Line("Countries with clubs:", summary.countriesWithClubs);
    Line("Complete countries:", complete);
    Line("Clubs:", summary.clubs);
    Line("Persons:", summary.persons);
    Line("  club players:", summary.clubPlayers);
    Line("  club officials:", summary.clubOfficials);
    Line("  club staff:", summary.clubStaff);
    Line("  additional managers:", summary.additionalManagers);
    Line("  players without a club:", summary.withoutClub);
    Line("Referees:", summary.referees);
    Line("Sponsors:", summary.sponsors);
    Line("Staff members:", summary.staffMembers);
    Line("Stadiums:", summary.stadiums);
    Line("Player pool entries:", summary.poolEntries);
    Line("Player IDs renumbered:", world.LoadTranslation().size());
    const CInternationalCompetitions* international = opened->internationals.Competitions();
    // The root is not counted.
    Line("International competitions:", international != nullptr && !international->Nodes().empty()
                                            ? international->Nodes().size() - 1
                                            : 0);

    if (options.countries) {
        std::cout << "\nCountry  Clubs  Persons  Complete  Name\n";
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            const CCountry& country = *world.GetCountry(number);
            if (country.GetOrdinaryClubCount() == 0 && country.AdditionalManagers().empty()) {
                continue;
            }
            std::cout << std::right << std::setw(7) << number << std::setw(7)
                      << country.GetOrdinaryClubCount() << std::setw(9)
                      << CountryPersons(world, country) << std::setw(10)
                      << (country.IsComplete() ? "yes" : "no") << "  "
                      << PrintableText(country.Name(0)) << "\n";
        }
    }
    // A damaged load was said on standard error; the counts above are of what could be read.
    SetExitStatus(world.HasLoadDamage() ? 1 : 0);
}

} // namespace

void RegisterInfoCommand(CLI::App& app) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command =
        app.add_subcommand(kCommand, "Count the countries, clubs and persons of a database folder");
    command->add_option("DIR", options->folder, "Database folder (holding Country<n>.sav)")
        ->required();
    AddInstallOption(*command, options->install);
    command->add_flag("--countries", options->countries,
                      "List every country that has clubs or manager candidates");
    command->callback([options] { RunInfo(*options); });
}

} // namespace tallo::db
