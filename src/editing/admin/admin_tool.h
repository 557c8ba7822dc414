#pragma once

#include <string>

namespace tallo {

// The maintenance tools of the admin menu that change records of the current database (the
// ID mappings and the console build are in admin_mappings.h and admin_commands of the view).
enum class AdminTool {
    RenameStaff,
    RenameStadiums,
    RemoveUnusedStadiums,
    ClearMatchRecords,
    ClearLeagueStatistics,
    TacticalEducation,
    BirthDates,
    DeleteStaff,
    Shoes,
};

// What a tool works on: the selected club, the selected country or the whole database.
enum class AdminScope { Club, Country, Database };

// One admin command that runs a tool.
struct AdminToolCall {
    int command = 0;
    AdminTool tool = AdminTool::RenameStaff;
    AdminScope scope = AdminScope::Country;
    // Key of the journal entry's name in the dialog text table.
    const char* journalKey = "";
};

// Every command that runs a tool, in menu order.
const AdminToolCall* AdminToolCalls(int& count);
// The call behind an admin command; nullptr for a command that runs no tool.
const AdminToolCall* FindAdminToolCall(int command);

// The question a tool asks before it runs; `subject` is the UTF-8 name of the club or
// country (not used by the questions that name none).
std::string AdminQuestion(const AdminToolCall& call, const std::string& subject);
// The closing report; `count` is the number the report gives (ignored by the reports that
// give none).
std::string AdminReport(const AdminToolCall& call, int count);

} // namespace tallo
