#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo {

class CPlayer;

// The world's players by ID in one flat table: a look-up is the slot of the ID's hash and
// the few after it, each slot holding the ID beside the player, where a node-based hash map
// costs a walk to a node of its own (and an allocation for every player entered). Look-ups
// by ID are the most frequent use of the registry: every reference of a club, a competition
// or a record to a person. ID 0 is no player and is never entered.
class PlayerIndex {
public:
    PlayerIndex();

    CPlayer* Find(uint32_t id) const {
        if (id == 0) {
            return nullptr;
        }
        for (size_t slot = SlotOf(id);; slot = (slot + 1) & mask_) {
            const Slot& held = slots_[slot];
            if (held.id == id) {
                return held.player;
            }
            if (held.id == 0) {
                return nullptr;
            }
        }
    }
    bool Contains(uint32_t id) const { return Find(id) != nullptr; }
    // Enters a player; false (nothing changed) for ID 0, a null player or an ID entered
    // already.
    bool Insert(uint32_t id, CPlayer* player);
    // Takes an ID out; false when it was not entered.
    bool Erase(uint32_t id);
    void Clear();
    size_t Size() const { return size_; }

private:
    struct Slot {
        uint32_t id = 0; // 0: empty
        CPlayer* player = nullptr;
    };

    size_t SlotOf(uint32_t id) const {
        return static_cast<size_t>((id * 0x9E3779B1u) >> shift_) & mask_;
    }
    void Rebuild(size_t capacity);

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    int shift_ = 0;
    size_t size_ = 0;
};

} // namespace tallo
