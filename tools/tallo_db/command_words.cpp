#include "command_words.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace tallo::db {

std::string SubcommandMessage(const CLI::App& app) {
    // The deepest command that was reached, and its name as typed ("tallo-db tdb").
    const CLI::App* reached = &app;
    std::string path = "tallo-db";
    for (;;) {
        const std::vector<CLI::App*> chosen = reached->get_subcommands();
        if (chosen.empty()) {
            break;
        }
        reached = chosen.front();
        path += " " + reached->get_name();
    }
    const std::vector<const CLI::App*> words =
        reached->get_subcommands([](const CLI::App* sub) { return !sub->get_name().empty(); });
    if (words.empty()) {
        return "";
    }
    std::string list;
    for (const CLI::App* sub : words) {
        list += (list.empty() ? "" : ", ") + sub->get_name();
    }
    const std::vector<std::string> left = reached->remaining();
    if (left.empty()) {
        return path + ": a subcommand is needed; the subcommands are: " + list;
    }
    return path + ": no subcommand '" + left.front() + "'; the subcommands are: " + list;
}

} // namespace tallo::db
