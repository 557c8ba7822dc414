#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/folded_name_index.h"

namespace tallo {

class IPrompt;

// One entry of a BIG archive's directory.
struct BigEntry {
    uint32_t offset = 0; // data offset in the file being read
    uint32_t size = 0;   // stored data size
    std::string name;    // path inside the archive, backslash-separated, at most 258 bytes
    // For stored data of 8 bytes or more that starts with 0x10 0xFB: the size from that
    // packed-block header; 0 otherwise.
    uint32_t unpackedSize = 0;
};

// Reader of "BIGF" archives (the badge archive and others): a 16-byte header, a directory of
// big-endian records (offset, size, zero-terminated name) and the entries' data.
//
//   0   "BIGF"
//   4   archive size; taken as little-endian when that equals the file's length, else as
//       big-endian
//   8   number of entries, big-endian
//   12  header size (start of the file to the end of the directory), big-endian
//   16  directory records: offset (4), size (4), name and its zero byte
//
// A whole archive may itself be one packed block; it is then unpacked into a temporary file
// beside the archive (or in the temporary folder) that is read instead and removed by Close.
//
// The directory is checked entirely at open: every entry's data must lie inside the file, so
// later reads need no further trust in it. Failures are reported through the prompt with the
// texts of the string table; without a prompt they are silent.
class CVantorBig {
public:
    // Longest entry name the directory may hold.
    static constexpr size_t kMaxNameLength = 258;

    explicit CVantorBig(IPrompt* prompt = nullptr);
    virtual ~CVantorBig();
    CVantorBig(const CVantorBig&) = delete;
    CVantorBig& operator=(const CVantorBig&) = delete;

    void SetPrompt(IPrompt* prompt) { prompt_ = prompt; }

    // Closes any open archive, then opens the archive at `path` (resolved regardless of case)
    // and reads its directory. With `readOnly` the file is opened for reading only; otherwise
    // for reading and update, falling back to reading only. Returns true when the archive is
    // open afterwards; a failure leaves the object closed.
    bool Open(const std::string& path, bool readOnly);
    // Closes the file, removes the temporary file of a packed archive and forgets the
    // directory. Safe to call when nothing is open.
    void Close();

    bool IsOpen() const { return file_ != nullptr; }
    // Number of entries; 0 when closed.
    int GetCount() const;
    // False (after reporting that no archive is open) when closed; otherwise whether the
    // index lies in 0..GetCount()-1.
    bool IsValidIndex(int index) const;
    // The entry at the index, or an empty entry for an index that is not valid.
    const BigEntry& GetEntry(int index) const;
    // Index of the first entry, in directory order, whose name equals `name` regardless of
    // ASCII letter case; -1 when none does, for an empty name, or (after reporting) when
    // closed.
    int FindEntry(std::string_view name) const;
    // FindEntry() of each of `names` into `indices` (as many), looked up together; -1 for
    // each when closed (reported once).
    void FindEntries(std::span<const std::string_view> names, std::span<int> indices) const;
    // As FindEntry, reporting every failure: no name, no such entry, no archive open.
    int FindEntryReport(std::string_view name) const;

    // Reads the entry's stored bytes into `data`. With `unpack`, data starting with 0x10 0xFB
    // is unpacked; a failed unpack (or read) leaves `data` empty and gives false.
    bool ReadEntry(int index, std::vector<uint8_t>& data, bool unpack);
    // FindEntryReport followed by ReadEntry.
    bool ReadEntryByName(std::string_view name, std::vector<uint8_t>& data, bool unpack);

    // The file being read: the archive, or the temporary file made from a packed archive.
    const std::string& ReadPath() const { return readPath_; }
    // The packed archive's path when the archive was packed as a whole; empty otherwise.
    const std::string& PackedPath() const { return packedPath_; }

private:
    void Report(int stringId, const std::string& argument = std::string()) const;
    bool UnpackWholeArchive(std::FILE*& file, uint64_t& length, const std::string& archivePath);
    // Both report failures with `shownPath`, the archive's path as the caller gave it.
    bool ReadDirectory(std::FILE* file, uint64_t length, uint32_t count,
                       const std::string& shownPath);
    bool ReadUnpackedSizes(std::FILE* file, const std::string& shownPath);
    void BuildIndex();

    IPrompt* prompt_;
    std::FILE* file_ = nullptr;
    std::vector<BigEntry> entries_;
    // First index of every name, regardless of the case of its letters.
    FoldedNameIndex index_;
    std::string readPath_;
    std::string packedPath_;
};

} // namespace tallo
