#pragma once

#include <cstdint>
#include <string>

#include "editing/admin/admin_tool.h"
#include "editing/admin/staff_renaming.h"

namespace tallo {

class ChangeJournal;
class CNameLists;
class CWorld;
class DatabaseSession;
class IPrompt;

// How a run of a tool ended.
struct AdminRunResult {
    bool ran = false;     // the question was asked and answered yes
    bool changed = false; // the database changed (one journal entry)
    int count = 0;        // the number the report gives
    std::string report;   // the report shown (empty when the tool did not run)
};

// Runs the admin tools on a database: checks the admin flag and the selection (without them
// the tool returns at once, without a message), asks the tool's question (nothing happens
// without yes), makes the change through the session's journal under the tool's name, so
// that it can be undone, and shows the report. Questions and reports go through the prompt
// under `caption` (the application's title).
class AdminToolRunner {
public:
    // `names` are the name lists "Rename staff" draws from (nullptr: the staff keep their
    // names, but nicknames and pseudonyms still go); `random` the random source (empty: one
    // seeded from the system).
    AdminToolRunner(DatabaseSession& session, IPrompt& prompt, std::string caption,
                    const CNameLists* names, RandomBelow random = {});
    // A world without a journal (the command-line tool): the change is made directly.
    AdminToolRunner(CWorld& world, IPrompt& prompt, std::string caption, const CNameLists* names,
                    RandomBelow random = {});

    // The tool behind an admin command on the selected country (1 to 206) and club (its ID;
    // 0 for none). A command that runs no tool does nothing.
    AdminRunResult Run(int command, int country, uint32_t club);
    AdminRunResult Run(const AdminToolCall& call, int country, uint32_t club);

private:
    // The change itself, on the session's world; returns the count of the report and sets
    // `changed`.
    int Apply(const AdminToolCall& call, int country, uint32_t club, bool& changed);

    CWorld& world_;
    ChangeJournal* journal_; // nullptr: no journal
    IPrompt& prompt_;
    std::string caption_;
    const CNameLists* names_;
    RandomBelow random_;
};

} // namespace tallo
