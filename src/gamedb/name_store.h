#pragma once

#include <array>
#include <functional>
#include <memory>
#include <cstddef>
#include <cstdint>

#include "platform/text_hash.h"
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// Kinds of the name lists of one pool.
enum NameKind : int {
    kFemaleFirstName = 0,
    kMaleFirstName = 1,
    kThirdName = 2, // the common name of pool players
    kUnusedNameKind = 3,
    kSurname = 4,
};

// One name list of the game database: names by 16-bit index, each with a count. Index 0 is
// always a single space " " with count 1. After weighting, the count of every name from
// index 1 on is its weight in thousandths.
class NameList {
public:
    // Indices are 16-bit: at most 65,536 entries, the space at index 0 included.
    static constexpr size_t kMaxEntries = 65536;

    struct Entry {
        std::string_view name; // held by the list
        uint32_t count = 0;
    };

    NameList();
    // The entries view the list's own text: a list is moved, never copied.
    NameList(const NameList&) = delete;
    NameList& operator=(const NameList&) = delete;
    NameList(NameList&&) = default;
    NameList& operator=(NameList&&) = default;

    // Empties the list and puts " " at index 0 with count 1; the file count becomes 0.
    void Reset();

    // Index of `name`; an empty name or " " gives 0 and changes nothing. A name already present
    // gets `uses` added to its count; a new name is appended with count `uses` (at least 1).
    // When the list is full, or `allowNew` is false and the name is new, 0 is given and
    // `refused` is set. One look-up with `uses` n leaves the list as n look-ups with 1 do.
    uint16_t LookUp(std::string_view name, uint32_t uses, bool allowNew, bool& refused) {
        return LookUpHashed(name, HashOf(name), uses, allowNew, refused);
    }
    // The same for a name whose HashOf() the caller already has.
    uint16_t LookUpHashed(std::string_view name, uint32_t hash, uint32_t uses, bool allowNew,
                          bool& refused);
    // The hash the list files a name under (names are looked up by the hundred thousand in a
    // build).
    static uint32_t HashOf(std::string_view name) { return HashText(name); }
    // Makes room for `more` new names (at most up to a full list) at once, so that a list
    // about to take many names does not grow step by step.
    void Reserve(size_t more);
    // Index of `name` or -1, changing nothing.
    int Find(std::string_view name) const;

    const std::vector<Entry>& Entries() const { return entries_; }
    size_t Size() const { return entries_.size(); }
    // Number of entries the name files put into the list (index 0 included); 0 when no name
    // file filled it.
    uint32_t FileCount() const { return fileCount_; }
    void SetFileCount(uint32_t count) { fileCount_ = count; }
    uint8_t LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(uint8_t limit) { lengthLimit_ = limit; }

    // Turns the counts of index 1 on into weights in thousandths that sum to 1000 (a list
    // whose counts from index 1 on sum to 0 is left alone).
    void Weight();

    // The table written into the game database: count, file count, 0, then per name its
    // index, the name with its zero byte and its count. TableSize() is its length in bytes.
    uint64_t TableSize() const;
    std::string TableImage() const;

private:
    // Copies `name` into the list's text and gives the copy. The text grows in blocks that
    // never move, so that the entries' views stay valid; names do not cost an allocation each.
    std::string_view KeepText(std::string_view name);

    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<char[]>> textBlocks_;
    char* textCursor_ = nullptr;
    size_t textRoom_ = 0;
    // The index of the names: open addressing with linear probing over a power-of-two number
    // of slots, at most half of them used. Each used slot holds the name's hash and its index
    // plus one (0: empty), so a probe compares strings only when the hashes agree. A build
    // looks every person's names up, so this is one of its hottest paths.
    struct Slot {
        uint32_t hash = 0;
        uint32_t entry = 0;
    };
    std::vector<Slot> slots_;
    // The slot holding `name`, or the empty slot where it would go.
    size_t SlotOf(std::string_view name, uint32_t hash) const;
    // Puts entry `index` into the empty slot `slot`, growing the slots when half are used.
    void Insert(size_t slot, uint32_t hash, uint16_t index);
    // Files every name again into `slotCount` slots (a power of two above twice the names).
    void Rehash(size_t slotCount);
    uint32_t fileCount_ = 0;
    uint8_t lengthLimit_ = 20;
};

// The names of the game database: 64 pools (one per language number) of 5 kinds each, filled
// from the name files of the installation and by the record writers as they turn persons'
// names into 16-bit indices.
//
// A build resets the store, loads the name files, lets the count pass look every name up,
// weights the lists and freezes the store; the write pass then looks the same names up again.
// While frozen the counts no longer change (the tables were already written) and a name that
// the count pass did not see is refused: the write pass would disagree with the tables.
class NameStore {
public:
    static constexpr int kPools = 64;
    static constexpr int kKinds = 5;
    // Longest name line taken from a name file; longer lines are skipped.
    static constexpr size_t kMaxNameFileLine = 31;
    // Limits stored with each list; they limit nothing in the build.
    static constexpr uint8_t kDefaultLengthLimit = 20;

    NameStore();

    // Empties every list (each keeps " " at index 0 with count 1) and thaws the store.
    void Reset();

    // Reads "<root>/database/MaleNames.txt" (kind 1), ".../FemaleNames.txt" (kind 0) and
    // ".../Surnames.txt" (kind 4). A missing file is skipped. Returns false when a list
    // overflowed (the overflow is also kept, see Overflowed()).
    bool LoadNameFiles(const std::string& root);
    // One name file into lists of `kind`: one name per line, empty lines skipped, a line
    // beginning with "%" switches to the pool given by the decimal number after it (lines
    // before the first switch belong to pool 1). Lines of a pool outside 0-63, and lines
    // longer than 31 characters, are skipped. False when the file does not open.
    bool LoadNameFile(const std::string& path, int kind);
    // The same from text already read (LF or CR LF, ends at a 0x1A byte).
    void LoadNameText(std::string_view text, int kind);

    // The pool of a language number: the number itself when it is 0-63, else pool 0. Writers
    // write this pool as the person's name pool, so that the pool byte and the indices agree.
    static int PoolOf(int language) { return language >= 0 && language < kPools ? language : 0; }

    // Index of `name` in list (pool, kind); see NameList::LookUp. A pool outside 0-63 is taken
    // as pool 0, a kind outside 0-4 gives 0. A full list or a new name while frozen gives 0
    // and is remembered (Overflowed(), LateName()). `uses` is the number of look-ups this one
    // stands for (counted only while not frozen).
    uint16_t LookUp(int pool, int kind, std::string_view name, uint32_t uses = 1);

    // Weights every list (NameList::Weight) and freezes the store.
    void WeightAndFreeze();
    bool Frozen() const { return frozen_; }

    // A list took no more names (more than 65,535 in one list).
    bool Overflowed() const { return overflowed_; }
    // A new name was looked up while frozen.
    bool LateName() const { return lateName_; }
    // A short report of the first overflow or late name ("pool 3, kind 4: ...").
    const std::string& ProblemText() const { return problemText_; }

    NameList& List(int pool, int kind);
    const NameList& List(int pool, int kind) const;

private:
    std::array<NameList, kPools * kKinds> lists_;
    bool frozen_ = false;
    bool overflowed_ = false;
    bool lateName_ = false;
    std::string problemText_;
};

} // namespace tallo
