#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// Numbers by name, where names equal but for the case of ASCII letters are the same name: the
// index of an archive's entries. The first number added for a name stays.
//
// Open addressing over a power-of-two number of slots, at most half used, with the names
// copied into one text: a look-up folds and hashes the name as it reads it, without making a
// folded copy (a build asks for every club's badge in four sizes).
class FoldedNameIndex {
public:
    void Clear();
    // Room for `count` names without growing.
    void Reserve(size_t count);
    // Adds `name` as `number` unless the name is there already.
    void Add(std::string_view name, int number);
    // The number of `name`, or -1.
    int Find(std::string_view name) const;
    // Find() of each of `names` into `numbers` (as many), the look-ups made together: their
    // slots are fetched from memory side by side instead of one after the other.
    void FindAll(std::span<const std::string_view> names, std::span<int> numbers) const;
    size_t Size() const { return used_; }

    // The hash of a name, the same for every spelling of its ASCII letters.
    static uint32_t HashOf(std::string_view name);

private:
    struct Slot {
        size_t offset = 0; // of the name in text_
        uint32_t length = 0;
        uint32_t hash = 0;
        int number = -1; // -1: empty
    };
    // The slot holding `name`, or the empty slot where it would go.
    size_t SlotOf(std::string_view name, uint32_t hash) const;
    void Grow(size_t slotCount);

    std::vector<Slot> slots_;
    size_t used_ = 0;
    std::string text_;
};

} // namespace tallo
