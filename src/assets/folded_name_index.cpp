#include "assets/folded_name_index.h"

#include <algorithm>

#include "assets/ascii_fold.h"
#include "assets/badge_names.h"
#include "platform/text_hash.h"

namespace tallo {

uint32_t FoldedNameIndex::HashOf(std::string_view name) {
    return HashText(name, FoldAsciiWord);
}

void FoldedNameIndex::Clear() {
    slots_.clear();
    used_ = 0;
    text_.clear();
}

void FoldedNameIndex::Reserve(size_t count) {
    size_t slots = slots_.empty() ? 16 : slots_.size();
    while (slots < (used_ + count) * 2) {
        slots *= 2;
    }
    if (slots > slots_.size()) {
        Grow(slots);
    }
}

size_t FoldedNameIndex::SlotOf(std::string_view name, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.number < 0 ||
            (slot.hash == hash &&
             BadgeTextEquals(std::string_view(text_).substr(slot.offset, slot.length), name))) {
            return at;
        }
    }
}

void FoldedNameIndex::Add(std::string_view name, int number) {
    if (number < 0 || name.size() > UINT32_MAX) {
        return;
    }
    Reserve(1);
    const uint32_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(name, hash)];
    if (slot.number >= 0) {
        return;
    }
    slot = Slot{text_.size(), static_cast<uint32_t>(name.size()), hash, number};
    text_.append(name);
    ++used_;
}

int FoldedNameIndex::Find(std::string_view name) const {
    if (slots_.empty()) {
        return -1;
    }
    return slots_[SlotOf(name, HashOf(name))].number;
}

void FoldedNameIndex::FindAll(std::span<const std::string_view> names,
                              std::span<int> numbers) const {
    constexpr size_t kTogether = 8;
    const size_t mask = slots_.size() - 1;
    for (size_t first = 0; first < names.size() && first < numbers.size(); first += kTogether) {
        const size_t count = std::min({kTogether, names.size() - first, numbers.size() - first});
        uint32_t hashes[kTogether];
        for (size_t i = 0; i < count; ++i) {
            hashes[i] = HashOf(names[first + i]);
            if (!slots_.empty()) {
                __builtin_prefetch(&slots_[hashes[i] & mask]);
            }
        }
        for (size_t i = 0; i < count; ++i) {
            numbers[first + i] =
                slots_.empty() ? -1 : slots_[SlotOf(names[first + i], hashes[i])].number;
        }
    }
}

void FoldedNameIndex::Grow(size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (const Slot& used : old) {
        if (used.number >= 0) {
            size_t at = used.hash & mask;
            while (slots_[at].number >= 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = used;
        }
    }
}

} // namespace tallo
