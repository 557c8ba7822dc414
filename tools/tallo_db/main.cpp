// tallo-db: the editor's command-line tool for modders, tests and benchmarks.

#include <CLI/CLI.hpp>

#include <iostream>

#include "command_words.h"
#include "commands.h"
#include "tallo_build_config.h"

int main(int argc, char** argv) {
    CLI::App app{"tallo-db: inspect, check and convert the databases of the Tallo editor"};
    app.set_help_all_flag("--help-all", "Print the help of every subcommand");
    app.set_version_flag("--version", "tallo-db " TALLO_VERSION, "Print the version and exit");
    tallo::db::RegisterCommands(app);
    if (app.get_subcommands({}).empty()) {
        app.footer("No subcommands in this version yet.");
    } else {
        app.require_subcommand(1);
    }
    if (argc == 1) {
        // Without a subcommand: the overview, not an error.
        app.name("tallo-db");
        std::cout << app.help();
        return 0;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // A missing or mistyped subcommand is answered with the words that exist.
        const std::string words = tallo::db::SubcommandMessage(app);
        if (error.get_exit_code() != 0 && !words.empty() &&
            (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr ||
             dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr)) {
            std::cerr << words << "\n";
            return error.get_exit_code();
        }
        return app.exit(error);
    }
    return tallo::db::ExitStatus();
}
