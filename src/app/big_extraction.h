#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tallo {

class CVantorBig;
class IProgress;

// What to take out of a BIG archive.
struct BigExtractOptions {
    // Entry names to extract (any case, "/" or "\\" between folders); every entry when empty.
    std::vector<std::string> names;
    bool raw = false; // keep packed entries packed
    // Files that no entry may be written over (the archive being read).
    std::vector<std::string> inputs;
};

// What an extraction did.
struct BigExtractReport {
    size_t extracted = 0; // files put in place
    // Entries passed over without being a problem (a name repeating an earlier one), one line
    // each.
    std::vector<std::string> notes;
    // Entries not extracted: names that lead outside the folder, entries that cannot be read or
    // unpacked, names asked for that the archive lacks. One line each; the other entries are
    // extracted all the same.
    std::vector<std::string> problems;
    // Files that could not be written, with the reason. When there is any, no file was put in
    // place: every file below the folder keeps what it had.
    std::vector<std::string> failedFiles;
};

// Extracts the entries of the open archive `big` into `folder` (made when missing), each below
// the folder by its stored name (back slashes are folders), unpacking packed entries unless
// `raw`. The first entry of a name wins, as look-ups find it.
//
// All files go through one write batch: each is written to a temporary file beside its target,
// the temporary files are brought to disk with one sync, and only then renamed into place. A
// file that cannot be written ends the extraction and nothing is put in place. The temporary
// files hold the data, so memory stays bounded by the largest entry. Names are checked before
// anything is written: absolute names, drives and ".." levels are refused, and so is a name
// that would lead outside the folder through a link.
//
// Reports through `progress` (range: the number of entries). True when every entry asked for
// was extracted.
bool ExtractBigEntries(CVantorBig& big, const std::string& folder, const BigExtractOptions& options,
                       IProgress& progress, BigExtractReport& report);

} // namespace tallo
