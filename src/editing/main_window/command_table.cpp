#include "editing/main_window/command_table.h"

#include <cstdio>

#include "editing/main_window/command_ids.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

using P = CommandPlace;

std::vector<CommandInfo> MakeTable() {
    using namespace Command;
    std::vector<CommandInfo> table = {
        {kNew, P::FileMenu, "main.file.new"},
        {kOpen, P::FileMenu, "main.file.open"},
        {kClose, P::FileMenu, "main.file.close"},
        {kSave, P::FileMenu, "main.file.save"},
        {kSaveAs, P::FileMenu, "main.file.save_as"},
        {kImport, P::FileMenu, "main.file.import"},
        {kExport, P::FileMenu, "main.file.export"},
        {kExit, P::FileMenu, "main.file.exit"},
        {kUndo, P::EditMenu, "main.edit.undo"},
        {kRedo, P::EditMenu, "main.edit.redo"},
        {kNextDatabase, P::DatabaseMenu, "main.database.next"},
        {kSynchronise, P::DatabaseMenu, "main.database.synchronise"},
        {kRestore, P::DatabaseMenu, "main.database.restore"},
    };
    for (int id = kFirstDatabase; id <= kLastDatabase; ++id) {
        table.push_back({id, P::DatabaseMenu});
    }
    const std::vector<CommandInfo> rest = {
        {kFastTransfer, P::AssistantsMenu, "main.assistants.fast_transfer", nullptr, true},
        {kPlayerSearch, P::AssistantsMenu, "main.assistants.player_search", nullptr, true},
        {kPlayerDoubles, P::AssistantsMenu, "main.assistants.player_doubles", nullptr, true},
        {kNationalTeams, P::AssistantsMenu, "main.assistants.national_teams", nullptr, true},
        {kFreeAgents, P::AssistantsMenu, "main.assistants.free_agents", nullptr, true},
        {kPlayerComparison, P::AssistantsMenu, "main.assistants.player_comparison", nullptr, true},
        {kWrongBadges, P::AssistantsMenu, "main.assistants.wrong_badges"},
        {kClubSettings, P::ClubMenu, "main.club.settings", nullptr, true},
        {kSquadList, P::ClubMenu, "main.club.squad", nullptr, true},
        {kRemovePlayers, P::ClubMenu, "main.club.remove_players"},
        {kNewClub, P::ClubMenu, "main.club.new"},
        {kDeleteClub, P::ClubMenu, "main.club.delete"},
        {kSaveClubFile, P::ClubMenu, "main.club.save_file"},
        {kReplaceClubFile, P::ClubMenu, "main.club.replace_file"},
        {kSortByClub, P::SortButton, "main.sort.club"},
        {kSortByLeague, P::SortButton, "main.sort.league"},
        {kSortByLevel, P::SortButton, "main.sort.level"},
        {kCountrySettings, P::CountryButton, "main.country.settings", nullptr, true},
        {kGlobalSettings, P::WorldButton, "main.world.global_settings", nullptr, true},
        {kContinentalSettings, P::WorldButton, "main.world.continental_settings", nullptr, true},
        {kWriteGameDatabase, P::WorldButton, "main.world.write_game_database"},
        // Menu 226 in menu order; its texts are English in both languages.
        {kAdminClubShoes, P::AdminMenu, nullptr, "Replace all yellow shoes with black ones", true},
        {kAdminRenameStaff, P::AdminMenu, nullptr, "Rename country staffnames", true},
        {kAdminRenameStadiums, P::AdminMenu, nullptr, "Rename country stadiums", true},
        {kAdminRemoveUnusedStadiums, P::AdminMenu, nullptr, "Remove unused stadiums", true},
        {kAdminClearMatchRecords, P::AdminMenu, nullptr, "Clear Historical data (Match records)",
         true},
        {kAdminClearLeagueStatistics, P::AdminMenu, nullptr,
         "Clear Historical data (1st league stats)", true},
        {kAdminCountryShoes, P::AdminMenu, nullptr, "Replace all yellow shoes with black ones",
         true},
        {kAdminMapClubIds, P::AdminMenu, nullptr, "Map Zelo Football 2004 club IDs", true},
        {kAdminMapPlayerIds, P::AdminMenu, nullptr, "Map Zelo Football 2004 player IDs", true},
        {kAdminMapFaceIds, P::AdminMenu, nullptr, "Map Zelo Football 2004 face IDs", true},
        {kAdminUpdateNicknames, P::AdminMenu, nullptr, "Update spain nicknames from other DB",
         true},
        {kAdminTacticalEducation, P::AdminMenu, nullptr, "Change tactical education from 0 to 3",
         true},
        {kAdminBirthDates, P::AdminMenu, nullptr, "Check for invalid days of birth (1920 and 1900)",
         true},
        {kAdminMergeClubNames, P::AdminMenu, nullptr, "Merge french / spain clubnames", true},
        {kAdminDeleteStaff, P::AdminMenu, nullptr,
         "Delete staff (except manager, chairman, president)", true},
        {kAdminDatabaseShoes, P::AdminMenu, nullptr, "Replace all yellow shoes with black ones",
         true},
        {kAdminMapConsoleFaces, P::AdminMenu, nullptr, "Map PS2 Zelo Football 2003 face IDs", true},
        {kAdminWriteConsoleDatabase, P::AdminMenu, nullptr, "Write DB for PS2", true},
        {kOk, P::Keyboard},
        {kCancel, P::Keyboard},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

const std::vector<CommandInfo>& MainWindowCommands() {
    static const std::vector<CommandInfo> table = MakeTable();
    return table;
}

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& info : MainWindowCommands()) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

std::vector<int> ExternalCommands() {
    std::vector<int> ids;
    for (const CommandInfo& info : MainWindowCommands()) {
        if (info.external) {
            ids.push_back(info.id);
        }
    }
    return ids;
}

std::string CommandName(int id, InterfaceLanguage language) {
    const CommandInfo* info = FindCommand(id);
    if (info == nullptr) {
        return std::string();
    }
    if (info->nameKey != nullptr) {
        const std::string* text = FindDialogText(info->nameKey, language);
        return text != nullptr ? *text : std::string();
    }
    if (info->fixedName != nullptr) {
        return info->fixedName;
    }
    if (id >= Command::kFirstDatabase && id <= Command::kLastDatabase) {
        const std::string* format = FindDialogText("main.database.entry", language);
        if (format == nullptr) {
            return std::string();
        }
        // The entry's own text with its number: a "%d" of the table, filled here.
        char text[128];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        std::snprintf(text, sizeof text, format->c_str(), id - Command::kFirstDatabase + 1);
#pragma GCC diagnostic pop
        return text;
    }
    return std::string();
}

} // namespace tallo
