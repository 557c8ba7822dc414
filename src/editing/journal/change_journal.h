#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "editing/journal/change_scope.h"
#include "editing/journal/journal_target.h"
#include "formats/interface_language.h"

namespace tallo {

class ScopeCopyHolder;

// The change journal of one open database: every change a user makes goes through it, so that
// Edit > Undo and Redo can take it back and make it again, and so that the window knows
// whether the database holds unsaved changes.
//
// How it records: before a change runs, the journal keeps an exact copy of what the change
// may alter (the countries, rules and players without a club its scope names; see
// CountrySnapshot). Undo copies the present state of the same parts (for the redo) and puts
// the kept copy back; redo does the same the other way round. Records come back exactly as
// they were, under the same club and player IDs, so references from other countries stay
// valid and a database saved after a change and its undo is byte for byte the one saved
// before. A change that replaces the whole database (an import) is kept as the replaced
// contents themselves, which undo and redo exchange.
//
// Entries are named by a key of the dialog text table (or any text, shown as it is when the
// table has no such key). The journal keeps the newest `depth` entries; older ones are
// dropped, and so are the entries that could be redone once a new change is recorded.
class ChangeJournal {
public:
    static constexpr size_t kDefaultDepth = 40;

    // What a change reports back to Apply.
    enum class Outcome {
        Changed,   // the change was made: recorded
        Unchanged, // the change touched nothing (refused, cancelled): nothing recorded
        Failed,    // the change stopped half-way: its scope is put back, nothing recorded
    };

    explicit ChangeJournal(JournalTarget& target, size_t depth = kDefaultDepth);
    ~ChangeJournal();
    ChangeJournal(const ChangeJournal&) = delete;
    ChangeJournal& operator=(const ChangeJournal&) = delete;

    // Runs `change` on the target's world after keeping what `scope` covers, and records it
    // under `name` when it reports Changed. An exception thrown by the change puts the scope
    // back and is passed on. Returns the change's outcome.
    Outcome Apply(std::string name, const ChangeScope& scope,
                  const std::function<Outcome()>& change);

    // A change made over time by a dialog that edits the database in place (a squad list, a
    // person list): it keeps each part before the dialog first touches it, and at the end is
    // either committed (recorded under its name) or abandoned (every kept part put back).
    class OpenChange {
    public:
        ~OpenChange(); // abandons when neither Commit nor Abandon was called
        OpenChange(const OpenChange&) = delete;
        OpenChange& operator=(const OpenChange&) = delete;

        // Keeps what `scope` covers before the caller changes it; parts kept already are not
        // taken again (they hold the state from before the whole change).
        void Include(const ChangeScope& scope);
        void IncludeCountry(int number) { Include(ChangeScope::Country(number)); }
        // Whether a country (1 to 206) is kept already.
        bool Includes(int number) const;
        // Records the change (when anything was included); the target is told what it touched.
        void Commit();
        // Puts every kept part back; nothing is recorded.
        void Abandon();
        bool IsOpen() const { return open_; }

    private:
        friend class ChangeJournal;
        OpenChange(ChangeJournal& journal, std::string name);

        ChangeJournal& journal_;
        std::string name_;
        ChangeScope scope_;
        std::unique_ptr<ScopeCopyHolder> kept_;
        bool open_ = true;
    };

    // Starts a change that the caller makes in place; only one should be open at a time.
    std::unique_ptr<OpenChange> Begin(std::string name);

    // Puts `replacement` in place of the whole database and records the contents it replaced
    // under `name`.
    void Replace(std::string name, DatabaseContents replacement);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < entries_.size(); }
    // The names of the entry Undo and Redo would take (empty when there is none), in a
    // language.
    std::string UndoName(InterfaceLanguage language) const;
    std::string RedoName(InterfaceLanguage language) const;
    // False when there was nothing to undo or redo.
    bool Undo();
    bool Redo();

    // Whether the database differs from what was last saved (or loaded).
    bool IsModified() const { return StateId() != savedState_; }
    // The database was saved as it is now.
    void MarkSaved() { savedState_ = StateId(); }

    size_t Size() const { return entries_.size(); }
    size_t Depth() const { return depth_; }

private:
    class Entry;
    class PartsEntry;
    class ContentsEntry;

    void Record(std::unique_ptr<Entry> entry);
    // A number that names the database's state: the newest entry applied, or the state
    // before the oldest kept entry.
    uint64_t StateId() const;
    std::string NameOf(const Entry& entry, InterfaceLanguage language) const;

    JournalTarget& target_;
    size_t depth_;
    std::deque<std::unique_ptr<Entry>> entries_;
    size_t position_ = 0; // entries [0, position_) are applied
    uint64_t nextSerial_ = 1;
    uint64_t baseState_ = 0;
    uint64_t savedState_ = 0;
};

} // namespace tallo
