#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "editing/session/session_selection.h"

namespace tallo {

class CWorld;
class DatabaseList;
class WorldInternationals;

// One open database of the editor: its world (owned by the database list), the international
// competitions loaded for it, its change journal and the main window's selection in it.
// Nothing of one session is shared with another.
//
// What the whole process shares, and why that is right for several open databases:
//   - the installation's tables, read once per run: the stadium models, the cup schemes, the
//     per-language tables, the global tool object (ID tables, badge archive, name lists), the
//     competition tree factory and the game date;
//   - the qualification program table of the cups: it only grows, and every competition node
//     keeps the index of its own program, so the nodes of one database never see another's;
//   - the admin flag, the folder table and the active code page (one installation, one code
//     page per run);
//   - the folder the club file commands remember (a convenience of the user's, as before);
//   - the counter that names new clubs "Club n" before their names are set; a club read from
//     a file gets the file's names, so only a club section without names shows it.
// The process-wide language number (the game database build, the editors) follows the current
// database: the main window sets it from the database it shows. The country and top row
// remembered under each continent are kept here, per database, not in the window.
class DatabaseSession : public JournalTarget {
public:
    // `world` must be in `list`; the session starts without international competitions.
    DatabaseSession(DatabaseList& list, CWorld& world);
    ~DatabaseSession() override;
    DatabaseSession(const DatabaseSession&) = delete;
    DatabaseSession& operator=(const DatabaseSession&) = delete;

    // A number no other session of this run has (caches keyed by session use it).
    uint64_t Id() const { return id_; }

    CWorld& World() override { return *world_; }
    const CWorld& World() const { return *world_; }
    // The international competitions of the world (kept beside it, released before it).
    WorldInternationals& Internationals() { return *internationals_; }
    // Drops the international competitions (before the world is destroyed).
    void ReleaseInternationals();

    ChangeJournal& Journal() { return journal_; }
    const ChangeJournal& Journal() const { return journal_; }
    // Unsaved changes: the title shows an asterisk.
    bool IsModified() const { return journal_.IsModified(); }

    SessionSelection& Selection() { return selection_; }
    const SessionSelection& Selection() const { return selection_; }

    // The user agreed to save although the load found damage (asked once per database).
    bool DamageAccepted() const { return damageAccepted_; }
    void SetDamageAccepted(bool accepted) { damageAccepted_ = accepted; }

    // Counts every change, undo and redo, and every exchange of the whole database; a view or
    // cache that remembers the number knows whether to read the database again.
    uint64_t ChangeCount() const { return changeCount_; }
    // Counts the changes of one country (0 for a number outside 1-206). A change of the whole
    // database counts for every country.
    uint64_t CountryChangeCount(int number) const;
    // Counts the exchanges of the whole database (an import, its undo and redo).
    uint64_t ContentsChangeCount() const { return wholeChanges_; }

    // JournalTarget. An exchange of the whole database also forgets the remembered
    // selection: the selection of the database put in place is its world's own.
    DatabaseContents ExchangeContents(DatabaseContents replacement) override;
    void Changed(const ChangeScope* scope) override;

private:
    uint64_t id_;
    DatabaseList& list_;
    CWorld* world_;
    std::unique_ptr<WorldInternationals> internationals_;
    ChangeJournal journal_;
    SessionSelection selection_;
    bool damageAccepted_ = false;
    uint64_t changeCount_ = 0;
    uint64_t wholeChanges_ = 0;
    std::array<uint64_t, 207> countryChanges_{};
};

} // namespace tallo
