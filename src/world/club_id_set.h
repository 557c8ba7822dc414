#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo {

// A set of club IDs in one flat table, made once from the world's clubs for the checks after a
// load: a look-up is one or two probes of a table that stays in the cache, where a country's
// club map costs a walk through scattered nodes. ID 0 (no country) cannot be entered.
class ClubIdSet {
public:
    explicit ClubIdSet(size_t expected);

    void Insert(uint32_t id);
    bool Contains(uint32_t id) const {
        if (id == 0) {
            return false;
        }
        for (size_t slot = SlotOf(id);; slot = (slot + 1) & mask_) {
            const uint32_t held = slots_[slot];
            if (held == id) {
                return true;
            }
            if (held == 0) {
                return false;
            }
        }
    }
    size_t Size() const { return size_; }

private:
    size_t SlotOf(uint32_t id) const {
        return static_cast<size_t>((id * 0x9E3779B1u) >> shift_) & mask_;
    }

    std::vector<uint32_t> slots_; // 0: empty
    size_t mask_ = 0;
    int shift_ = 0;
    size_t size_ = 0;
};

} // namespace tallo
