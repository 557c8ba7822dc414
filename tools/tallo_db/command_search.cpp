// tallo-db search DB [--first P] [--surname P] [--nickname P]: the player search of the
// editor's assistants, one tab-separated line per found player in the walk's order (first
// name, surname, pseudonym, position, birth date, club, country). The patterns take "*" for
// any run of characters and "?" for one; accents and letter case do not count.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "editing/assistants/player_order.h"
#include "editing/assistants/player_search_walk.h"
#include "editing/assistants/search_criteria.h"
#include "installation.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "search";

struct SearchOptions {
    std::string folder;
    std::string install;
    std::string first;    // UTF-8 as typed
    std::string surname;  // UTF-8 as typed
    std::string nickname; // UTF-8 as typed
};

// A record text for a column: UTF-8, with control characters (which would break the columns)
// shown as blanks.
std::string Cell(std::string_view record) {
    std::string text = ToUtf8(record, ActiveCodePage());
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

void RunSearch(const SearchOptions& options) {
    SearchCriteria criteria;
    criteria.firstName = FromUtf8(options.first, ActiveCodePage());
    criteria.surname = FromUtf8(options.surname, ActiveCodePage());
    criteria.nickname = FromUtf8(options.nickname, ActiveCodePage());
    if (criteria.Empty()) {
        ReportFailure(kCommand, "give at least one of --first, --surname and --nickname");
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    const CWorld& world = opened->world;
    const int slot = world.Language();
    SearchWalkCallbacks callbacks;
    callbacks.found = [&world, slot](const SearchMatch& match) {
        const CPlayer& player = *world.FindPlayer(match.player);
        const CClub* club = match.club != 0 ? world.FindClub(match.club) : nullptr;
        const CCountry* country =
            club != nullptr ? world.GetCountry(club->CountryNumber()) : nullptr;
        std::cout << Cell(player.FirstName()) << '\t' << Cell(player.Surname()) << '\t'
                  << Cell(player.Pseudonym()) << '\t' << Cell(PositionText(player)) << '\t'
                  << Cell(BirthDateText(player)) << '\t'
                  << (club != nullptr ? Cell(club->Name(slot)) : std::string()) << '\t'
                  << (country != nullptr ? Cell(country->Name(slot)) : std::string()) << '\n';
    };
    WalkPlayerSearch(world, SearchKeys::From(criteria), callbacks);
    SetExitStatus(0);
}

} // namespace

void RegisterSearchCommand(CLI::App& app) {
    auto options = std::make_shared<SearchOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Find players by name patterns (\"*\" any run, \"?\" one character)");
    command->add_option("DB", options->folder, "Database folder")->required();
    command->add_option("--first", options->first, "Pattern of the first name");
    command->add_option("--surname", options->surname, "Pattern of the surname");
    command->add_option("--nickname", options->nickname,
                        "Pattern of the nickname, or else of the pseudonym");
    AddInstallOption(*command, options->install);
    command->callback([options] { RunSearch(*options); });
}

} // namespace tallo::db
