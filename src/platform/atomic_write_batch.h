#pragma once

#include <string>
#include <vector>

namespace tallo {

// Groups the atomic file writes of one save (a whole database is some two hundred files).
// While a batch is open on a thread, WriteFileAtomically on that thread writes each temporary
// file but leaves flushing and renaming to Commit, which flushes them all with one sync of the
// file system and then renames each over its target. Every file still ends up either old or
// new: nothing is renamed before its bytes are on disk. A batch destroyed without Commit
// removes its temporary files and leaves every target as it was.
class AtomicWriteBatch {
public:
    AtomicWriteBatch();
    ~AtomicWriteBatch();
    AtomicWriteBatch(const AtomicWriteBatch&) = delete;
    AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

    // Flushes and renames every file written into the batch; false when any of them could
    // not be put in place (the others are). The batch is closed afterwards.
    bool Commit();

    // The batch open on this thread, if any.
    static AtomicWriteBatch* Current();

    // Called by WriteFileAtomically for a written, closed temporary file.
    void Add(const std::string& temporaryPath, const std::string& targetPath,
             const std::string& folder);

private:
    struct Pending {
        std::string temporary;
        std::string target;
        std::string folder;
    };

    void Close();

    std::vector<Pending> pending_;
    AtomicWriteBatch* outer_;  // a batch opened earlier on this thread (nested saves)
    bool open_ = true;
};

}  // namespace tallo
