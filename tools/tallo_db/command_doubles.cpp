// tallo-db doubles DB [--country N] [--club ID] [--same-birth-date] [--format tab|text|xml]:
// the player doubles list of a database, written to standard output exactly as the editor's
// save writes it in the chosen form.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "commands.h"
#include "editing/assistants/player_doubles_model.h"
#include "formats/list_export.h"
#include "installation.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "doubles";

struct DoublesOptions {
    std::string folder;
    std::string install;
    int country = 0;
    uint32_t club = 0;
    bool sameBirthDate = false;
    std::string format = "tab";
};

void RunDoubles(const DoublesOptions& options) {
    static const std::map<std::string, ListExportForm> forms = {
        {"tab", ListExportForm::TabSeparated},
        {"text", ListExportForm::Aligned},
        {"xml", ListExportForm::Xml}};
    const auto form = forms.find(options.format);
    if (form == forms.end()) {
        ReportFailure(kCommand, "there is no form \"" + options.format +
                                    "\" (the forms are tab, text and xml)");
        return;
    }
    if (options.country < 0 || options.country > CWorld::kCountryCount) {
        ReportFailure(kCommand, "there is no country " + std::to_string(options.country) +
                                    " (countries are numbered 1 to 206)");
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.folder);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    if (options.club != 0 && world.FindClub(options.club) == nullptr) {
        ReportFailure(kCommand, "the database has no club " + std::to_string(options.club));
        return;
    }
    PlayerDoublesModel model(world, world.Language(), options.country, options.club);
    // The narrowest scope asked for; the model starts on it.
    model.SetSameBirthDate(options.sameBirthDate);
    const std::string text =
        model.ExportTable(ActiveCodePage()).Render(form->second, ActiveCodePage());
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    SetExitStatus(0);
}

} // namespace

void RegisterDoublesCommand(CLI::App& app) {
    auto options = std::make_shared<DoublesOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "List the players that share a surname and first name, as the editor saves "
                  "its doubles list");
    command->add_option("DB", options->folder, "Database folder")->required();
    command->add_option("--country", options->country,
                        "Only pairs with a player of this country (1 to 206)");
    command->add_option("--club", options->club,
                        "Only pairs with a player of this club (its key: country << 16 | number)");
    command->add_flag("--same-birth-date", options->sameBirthDate,
                      "Only pairs born on the same day");
    command->add_option("--format", options->format, "tab, text or xml (default: tab)");
    AddInstallOption(*command, options->install);
    command->callback([options] { RunDoubles(*options); });
}

} // namespace tallo::db
