#include "editing/admin/admin_tool.h"

#include <cstdio>
#include <iterator>

#include "editing/main_window/command_ids.h"

namespace tallo {

namespace {

using T = AdminTool;
using S = AdminScope;

constexpr AdminToolCall kCalls[] = {
    {Command::kAdminClubShoes, T::Shoes, S::Club, "admin.journal.club_shoes"},
    {Command::kAdminRenameStaff, T::RenameStaff, S::Country, "admin.journal.rename_staff"},
    {Command::kAdminRenameStadiums, T::RenameStadiums, S::Country, "admin.journal.rename_stadiums"},
    {Command::kAdminRemoveUnusedStadiums, T::RemoveUnusedStadiums, S::Country,
     "admin.journal.remove_stadiums"},
    {Command::kAdminClearMatchRecords, T::ClearMatchRecords, S::Country,
     "admin.journal.match_records"},
    {Command::kAdminClearLeagueStatistics, T::ClearLeagueStatistics, S::Country,
     "admin.journal.league_statistics"},
    {Command::kAdminCountryShoes, T::Shoes, S::Country, "admin.journal.country_shoes"},
    {Command::kAdminTacticalEducation, T::TacticalEducation, S::Database,
     "admin.journal.tactical_education"},
    {Command::kAdminBirthDates, T::BirthDates, S::Database, "admin.journal.birth_dates"},
    {Command::kAdminDeleteStaff, T::DeleteStaff, S::Database, "admin.journal.delete_staff"},
    {Command::kAdminDatabaseShoes, T::Shoes, S::Database, "admin.journal.database_shoes"},
};

// The tools' texts are English in both interface languages; the formats are the literals below.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string Formatted(const char* format, const std::string& text) {
    const int needed = std::snprintf(nullptr, 0, format, text.c_str());
    std::string result(static_cast<size_t>(needed > 0 ? needed : 0) + 1, '\0');
    std::snprintf(result.data(), result.size(), format, text.c_str());
    result.resize(result.size() - 1);
    return result;
}

std::string Formatted(const char* format, int number) {
    char text[160];
    std::snprintf(text, sizeof text, format, number);
    return text;
}
#pragma GCC diagnostic pop

} // namespace

const AdminToolCall* AdminToolCalls(int& count) {
    count = static_cast<int>(std::size(kCalls));
    return kCalls;
}

const AdminToolCall* FindAdminToolCall(int command) {
    for (const AdminToolCall& call : kCalls) {
        if (call.command == command) {
            return &call;
        }
    }
    return nullptr;
}

std::string AdminQuestion(const AdminToolCall& call, const std::string& subject) {
    switch (call.tool) {
    case T::RenameStaff:
        return Formatted("Do you really want to rename all staff in %s?", subject);
    case T::RenameStadiums:
        return Formatted("Do you really want to rename all stadiums in %s?", subject);
    case T::RemoveUnusedStadiums:
        return Formatted("Do you really want to remove all unused stadiums from %s?", subject);
    case T::ClearMatchRecords:
        return Formatted("This option clears all historical match records from the country %s. "
                         "Do you really want to clear the match records?",
                         subject);
    case T::ClearLeagueStatistics:
        return Formatted("This option clears all historical 1st league records from the country "
                         "%s. Do you really want to clear the 1st league records?",
                         subject);
    case T::TacticalEducation:
        return "This option sets all players with tactical education = 0 to tactical education "
               "= 3. Do you really want to do this?";
    case T::BirthDates:
        return "This option sets 1900-01-01 and 1920-01-01 birthdays to 1980-01-01. Do you "
               "really want to change them?";
    case T::DeleteStaff:
        return "This option deletes all staffs except manager, trainer and presidents. Do you "
               "really want to delete them?";
    case T::Shoes:
        if (call.scope == S::Database) {
            return "This option changes all yellow shoes of the database to black. Do you really "
                   "want to do this?";
        }
        return Formatted("This option changes all yellow shoes of %s to black. Do you really want "
                         "to do this?",
                         subject);
    }
    return std::string();
}

std::string AdminReport(const AdminToolCall& call, int count) {
    switch (call.tool) {
    case T::RenameStaff:
        return "Renamed all staff in the country";
    case T::RenameStadiums:
        return "Finished renaming stadiums";
    case T::RemoveUnusedStadiums:
        return Formatted("%i unused stadiums were removed from the list", count);
    case T::ClearMatchRecords:
        return "Cleared all club match history in the the country";
    case T::ClearLeagueStatistics:
        return "Cleared all club 1st league history in the the country";
    case T::TacticalEducation:
        return Formatted("Changed the tactical skill of %i players", count);
    case T::BirthDates:
        return Formatted("Changed the birthday of %i players", count);
    case T::DeleteStaff:
        return Formatted("Deleted %i staffs", count);
    case T::Shoes:
        return Formatted("Changed %i shoes to black", count);
    }
    return std::string();
}

} // namespace tallo
