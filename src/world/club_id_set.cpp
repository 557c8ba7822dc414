#include "world/club_id_set.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace tallo {

ClubIdSet::ClubIdSet(size_t expected) {
    // At most half full, so that a look-up of an ID not in the set ends soon.
    const size_t capacity = std::bit_ceil(std::max<size_t>(16, expected * 2));
    slots_.assign(capacity, 0);
    mask_ = capacity - 1;
    shift_ = 32 - std::countr_zero(capacity);
}

void ClubIdSet::Insert(uint32_t id) {
    if (id == 0) {
        return;
    }
    if ((size_ + 1) * 2 > slots_.size()) {
        ClubIdSet larger(slots_.size());
        for (uint32_t held : slots_) {
            larger.Insert(held);
        }
        *this = std::move(larger);
    }
    size_t slot = SlotOf(id);
    while (slots_[slot] != 0) {
        if (slots_[slot] == id) {
            return;
        }
        slot = (slot + 1) & mask_;
    }
    slots_[slot] = id;
    ++size_;
}

} // namespace tallo
