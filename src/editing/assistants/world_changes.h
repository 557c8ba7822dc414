#pragma once

#include <functional>
#include <string>

#include "editing/journal/change_journal.h"

namespace tallo {

// Where the changes of an assistant go. Opened from the main window, every move, take, release,
// transfer or delete is one entry of the database's journal. Opened from a dialog that already
// edits the database in place (the squad list, the country settings editor), each change
// becomes part of that dialog's open change, which its OK commits and its cancel puts back.
class WorldChanges {
public:
    // Each change its own journal entry.
    static WorldChanges Journal(ChangeJournal& journal);
    // Each change a part of `change`, which stays open.
    static WorldChanges InOpenChange(ChangeJournal::OpenChange& change);

    // Runs `change` after keeping what `scope` covers. `name` (a dialog-text key) names the
    // journal entry. `change` returns whether it altered anything; a change that altered
    // nothing leaves no entry. Returns what `change` returned.
    bool Run(const std::string& name, const ChangeScope& scope,
             const std::function<bool()>& change) const;

    // Called after every change that altered something (the opener reloads its pages).
    void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

private:
    WorldChanges() = default;

    ChangeJournal* journal_ = nullptr;
    ChangeJournal::OpenChange* open_ = nullptr;
    std::function<void()> onChanged_;
};

} // namespace tallo
