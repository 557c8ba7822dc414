#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// Groups the atomic file writes of one save (a whole database is some two hundred files) so
// that the save is all or nothing. While a batch is open on a thread, WriteFileAtomically on
// that thread writes each temporary file but leaves flushing and renaming to Commit, and a
// write that fails is remembered with its reason. Commit renames nothing when any write
// failed; otherwise it flushes every temporary file with one sync of the file system, checks
// that every target can take its file, and only then renames each over its target. A batch
// destroyed without Commit removes its temporary files and leaves every target as it was.
class AtomicWriteBatch {
public:
    AtomicWriteBatch();
    ~AtomicWriteBatch();
    AtomicWriteBatch(const AtomicWriteBatch&) = delete;
    AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

    // One file of the batch that could not be written or put in place.
    struct Failure {
        std::string target;
        std::string reason; // the system's words ("No space left on device")
    };

    // Puts every file written into the batch in place, or none: false (with Failures() naming
    // each file) when a write failed, the flush failed or a target cannot take its file; the
    // temporary files are then removed and every target keeps what it had. The batch is closed
    // afterwards.
    bool Commit();
    const std::vector<Failure>& Failures() const { return failures_; }

    // The batch open on this thread, if any.
    static AtomicWriteBatch* Current();

    // Writes `bytes` into a new temporary file beside `target` and adds it to the batch, as
    // WriteFileAtomically does inside a batch, for a target whose path is already resolved: no
    // look for other spellings of its name, which in a folder of many new files would read the
    // whole folder for every file. The target's folder must exist. A target that exists and may
    // not be written (a read-only file) is refused. False (with the failure remembered) when
    // the batch is closed or the file cannot be written; errno tells why.
    bool Write(const std::string& target, std::string_view bytes);

    // Called by WriteFileAtomically for a written, closed temporary file.
    void Add(const std::string& temporaryPath, const std::string& targetPath,
             const std::string& folder);
    // Called by WriteFileAtomically for a file it could not write; `error` is an errno value.
    void AddFailure(const std::string& targetPath, int error);

private:
    struct Pending {
        std::string temporary;
        std::string target;
        std::string folder;
    };

    void Close();
    void Discard();

    std::vector<Pending> pending_;
    std::vector<Failure> failures_;
    int newFileMode_ = -1;    // the mode of a file made afresh, once looked up
    AtomicWriteBatch* outer_; // a batch opened earlier on this thread (nested saves)
    bool open_ = true;
};

} // namespace tallo
