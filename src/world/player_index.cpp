#include "world/player_index.h"

#include <bit>
#include <utility>

namespace tallo {

namespace {

constexpr size_t kSmallest = 64;

} // namespace

PlayerIndex::PlayerIndex() {
    Rebuild(kSmallest);
}

void PlayerIndex::Rebuild(size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    shift_ = 32 - std::countr_zero(capacity);
    size_ = 0;
    for (const Slot& held : old) {
        if (held.id != 0) {
            size_t slot = SlotOf(held.id);
            while (slots_[slot].id != 0) {
                slot = (slot + 1) & mask_;
            }
            slots_[slot] = held;
            ++size_;
        }
    }
}

bool PlayerIndex::Insert(uint32_t id, CPlayer* player) {
    if (id == 0 || player == nullptr) {
        return false;
    }
    // At most three quarters full, so that a look-up ends within a few slots.
    if ((size_ + 1) * 4 > slots_.size() * 3) {
        Rebuild(slots_.size() * 2);
    }
    size_t slot = SlotOf(id);
    while (slots_[slot].id != 0) {
        if (slots_[slot].id == id) {
            return false;
        }
        slot = (slot + 1) & mask_;
    }
    slots_[slot] = {id, player};
    ++size_;
    return true;
}

bool PlayerIndex::Erase(uint32_t id) {
    if (id == 0) {
        return false;
    }
    size_t hole = SlotOf(id);
    while (slots_[hole].id != id) {
        if (slots_[hole].id == 0) {
            return false;
        }
        hole = (hole + 1) & mask_;
    }
    // The entries after the hole that would no longer be found across it move into it.
    for (size_t next = (hole + 1) & mask_; slots_[next].id != 0; next = (next + 1) & mask_) {
        const size_t home = SlotOf(slots_[next].id);
        // Whether `home` lies cyclically in (hole, next]: then the entry stays.
        const bool stays =
            hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (!stays) {
            slots_[hole] = slots_[next];
            hole = next;
        }
    }
    slots_[hole] = Slot{};
    --size_;
    return true;
}

void PlayerIndex::Clear() {
    slots_.clear();
    Rebuild(kSmallest);
}

} // namespace tallo
