#include "gamedb/name_store.h"

#include <algorithm>

#include "formats/name_pool_line.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

// Name files larger than this are not read (a real one holds a few hundred kilobytes).
constexpr size_t kMaxNameFileSize = 64u * 1024u * 1024u;

} // namespace

// NameList -------------------------------------------------------------------------------------

NameList::NameList() {
    Reset();
}

void NameList::Reset() {
    entries_.clear();
    textBlocks_.clear();
    textCursor_ = nullptr;
    textRoom_ = 0;
    slots_.assign(16, Slot{});
    entries_.push_back(Entry{" ", 1});
    const uint32_t hash = HashOf(" ");
    Insert(SlotOf(" ", hash), hash, 0);
    fileCount_ = 0;
}

size_t NameList::SlotOf(std::string_view name, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.entry == 0 || (slot.hash == hash && entries_[slot.entry - 1].name == name)) {
            return at;
        }
    }
}

void NameList::Insert(size_t slot, uint32_t hash, uint16_t index) {
    slots_[slot] = Slot{hash, uint32_t{index} + 1};
    if (entries_.size() * 2 <= slots_.size()) {
        return;
    }
    Rehash(slots_.size() * 2);
}

void NameList::Reserve(size_t more) {
    const size_t entries = std::min(entries_.size() + more, kMaxEntries);
    entries_.reserve(entries);
    size_t slots = slots_.size();
    while (slots < entries * 2) {
        slots *= 2;
    }
    if (slots > slots_.size()) {
        Rehash(slots);
    }
}

void NameList::Rehash(size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& used : old) {
        if (used.entry != 0) {
            size_t at = used.hash & mask;
            while (slots_[at].entry != 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = used;
        }
    }
}

std::string_view NameList::KeepText(std::string_view name) {
    constexpr size_t kBlock = 16384;
    if (name.size() > textRoom_) {
        const size_t size = std::max(kBlock, name.size());
        textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        textCursor_ = textBlocks_.back().get();
        textRoom_ = size;
    }
    std::memcpy(textCursor_, name.data(), name.size());
    const std::string_view kept(textCursor_, name.size());
    textCursor_ += name.size();
    textRoom_ -= name.size();
    return kept;
}

int NameList::Find(std::string_view name) const {
    const Slot& slot = slots_[SlotOf(name, HashOf(name))];
    return slot.entry == 0 ? -1 : static_cast<int>(slot.entry - 1);
}

uint16_t NameList::LookUpHashed(std::string_view name, uint32_t hash, uint32_t uses, bool allowNew,
                                bool& refused) {
    if (name.empty()) {
        return 0;
    }
    const size_t slot = SlotOf(name, hash);
    if (slots_[slot].entry != 0) {
        const auto found = static_cast<uint16_t>(slots_[slot].entry - 1);
        // Index 0, the blank every list starts with, keeps its count of 1.
        if (found != 0) {
            entries_[found].count += uses;
        }
        return found;
    }
    if (!allowNew || entries_.size() >= kMaxEntries) {
        refused = true;
        return 0;
    }
    const auto index = static_cast<uint16_t>(entries_.size());
    entries_.push_back(Entry{KeepText(name), std::max(uses, uint32_t{1})});
    Insert(slot, hash, index);
    return index;
}

void NameList::Weight() {
    uint64_t total = 0;
    for (size_t i = 1; i < entries_.size(); ++i) {
        total += entries_[i].count;
    }
    if (total == 0) {
        return;
    }
    uint64_t sum = 0;
    for (size_t i = 1; i < entries_.size(); ++i) {
        entries_[i].count = static_cast<uint32_t>(uint64_t{entries_[i].count} * 1000 / total);
        sum += entries_[i].count;
    }
    // Names that truncated to nothing get a weight first, then the rest of the rounding goes
    // to the first names; one walk each suffices, as truncation loses less than one per name.
    for (size_t i = 1; i < entries_.size() && sum < 1000; ++i) {
        if (entries_[i].count == 0) {
            entries_[i].count = 1;
            ++sum;
        }
    }
    for (size_t i = 1; i < entries_.size() && sum < 1000; ++i) {
        ++entries_[i].count;
        ++sum;
    }
}

uint64_t NameList::TableSize() const {
    uint64_t size = 12;
    for (const Entry& entry : entries_) {
        size += 9 + entry.name.size();
    }
    return size;
}

std::string NameList::TableImage() const {
    std::string out;
    out.reserve(static_cast<size_t>(TableSize()));
    AppendLittle32(out, static_cast<uint32_t>(entries_.size()));
    AppendLittle32(out, fileCount_);
    AppendLittle32(out, 0);
    for (size_t i = 0; i < entries_.size(); ++i) {
        AppendLittle32(out, static_cast<uint32_t>(i));
        out.append(entries_[i].name);
        out.push_back('\0');
        AppendLittle32(out, entries_[i].count);
    }
    return out;
}

// NameStore ------------------------------------------------------------------------------------

NameStore::NameStore() {
    Reset();
}

void NameStore::Reset() {
    for (NameList& list : lists_) {
        list.Reset();
        list.SetLengthLimit(kDefaultLengthLimit);
    }
    frozen_ = false;
    overflowed_ = false;
    lateName_ = false;
    problemText_.clear();
}

NameList& NameStore::List(int pool, int kind) {
    return lists_[static_cast<size_t>(PoolOf(pool) * kKinds +
                                      (kind >= 0 && kind < kKinds ? kind : 0))];
}

const NameList& NameStore::List(int pool, int kind) const {
    return lists_[static_cast<size_t>(PoolOf(pool) * kKinds +
                                      (kind >= 0 && kind < kKinds ? kind : 0))];
}

uint16_t NameStore::LookUp(int pool, int kind, std::string_view name, uint32_t uses) {
    if (kind < 0 || kind >= kKinds || name.empty()) {
        return 0;
    }
    const int usedPool = PoolOf(pool);
    bool refused = false;
    const uint16_t index = List(usedPool, kind).LookUp(name, frozen_ ? 0 : uses, !frozen_, refused);
    if (refused) {
        if (frozen_) {
            if (!lateName_ && problemText_.empty()) {
                problemText_ = "name pool " + std::to_string(usedPool) + ", kind " +
                               std::to_string(kind) + ": the name \"" + std::string(name) +
                               "\" was not seen while counting";
            }
            lateName_ = true;
        } else {
            if (!overflowed_ && problemText_.empty()) {
                problemText_ = "name pool " + std::to_string(usedPool) + ", kind " +
                               std::to_string(kind) + " holds more than 65,535 names";
            }
            overflowed_ = true;
        }
    }
    return index;
}

void NameStore::WeightAndFreeze() {
    for (NameList& list : lists_) {
        list.Weight();
    }
    frozen_ = true;
}

void NameStore::LoadNameText(std::string_view text, int kind) {
    if (kind < 0 || kind >= kKinds) {
        return;
    }
    std::array<bool, kPools> touched{};
    ForEachPoolName(text, kPools, kMaxNameFileLine, [&](int pool, std::string_view name) {
        LookUp(pool, kind, name);
        touched[static_cast<size_t>(pool)] = true;
    });
    for (int p = 0; p < kPools; ++p) {
        if (touched[static_cast<size_t>(p)]) {
            NameList& list = List(p, kind);
            list.SetFileCount(static_cast<uint32_t>(list.Size()));
        }
    }
}

bool NameStore::LoadNameFile(const std::string& path, int kind) {
    std::string text;
    if (!ReadWholeFile(ResolvePath(path), text, kMaxNameFileSize)) {
        return false;
    }
    LoadNameText(text, kind);
    return true;
}

bool NameStore::LoadNameFiles(const std::string& root) {
    const std::string folder = root + "/database/";
    LoadNameFile(folder + "MaleNames.txt", kMaleFirstName);
    LoadNameFile(folder + "FemaleNames.txt", kFemaleFirstName);
    LoadNameFile(folder + "Surnames.txt", kSurname);
    return !overflowed_;
}

} // namespace tallo
