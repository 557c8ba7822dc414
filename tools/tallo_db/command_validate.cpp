// tallo-db validate DIR: which countries of a database folder are complete, and why the others
// are not.

#include <CLI/CLI.hpp>

#include <iomanip>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/world_internationals.h"
#include "commands.h"
#include "database_safety.h"
#include "competitions/country_completeness.h"
#include "installation.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "validate";

struct ValidateOptions {
    std::string folder;
    std::string install;
    std::vector<int> countries; // empty: all
    bool incompleteOnly = false;
};

void RunValidate(const ValidateOptions& options) {
    for (int number : options.countries) {
        if (number < 1 || number > CWorld::kCountryCount) {
            ReportFailure(kCommand, "there is no country " + std::to_string(number) +
                                        " (countries are numbered 1 to 206)");
            return;
        }
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    const Installation& installation = opened->installation;

    const std::set<int> wanted(options.countries.begin(), options.countries.end());
    size_t complete = 0;
    size_t looked = 0;
    std::string report;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (!wanted.empty() && wanted.count(number) == 0) {
            continue;
        }
        ++looked;
        const CCountry& country = *world.GetCountry(number);
        const std::vector<std::string> reasons = DescribeIncompleteness(country);
        // The country's own check decides; the reasons only explain it.
        const bool isComplete = country.IsComplete();
        complete += isComplete ? 1 : 0;
        if (isComplete && options.incompleteOnly) {
            continue;
        }
        std::ostringstream line;
        line << "Country " << std::setw(3) << number << "  " << PrintableText(country.Name(0))
             << ": " << (isComplete ? "complete" : "incomplete") << "\n";
        report += line.str();
        if (!isComplete) {
            for (const std::string& reason : reasons) {
                report += "    - " + PrintableText(reason) + "\n";
            }
            if (reasons.empty()) {
                report += "    - no reason could be named\n";
            }
        }
    }
    std::cout << "Database folder:    " << options.folder << "\n";
    std::cout << "Installation:       " << installation.folder << " (from " << installation.foundBy
              << ")\n";
    std::cout << "Complete countries: " << complete << " of " << looked << "\n\n";
    std::cout << report;
    // A damaged load was said on standard error; the counts above are of what could be read.
    SetExitStatus(world.HasLoadDamage() ? 1 : 0);
}

} // namespace

void RegisterValidateCommand(CLI::App& app) {
    auto options = std::make_shared<ValidateOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Tell for each country of a database folder whether it is complete, and why "
                  "not (exit status 0 when the folder could be read)");
    command->add_option("DIR", options->folder, "Database folder (holding Country<n>.sav)")
        ->required();
    AddInstallOption(*command, options->install);
    command->add_option("--country", options->countries,
                        "Look only at this country (1-206; may be given more than once)");
    command->add_flag("--incomplete", options->incompleteOnly,
                      "List only the countries that are not complete");
    command->callback([options] { RunValidate(*options); });
}

} // namespace tallo::db
