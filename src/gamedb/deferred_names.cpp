#include "gamedb/deferred_names.h"

#include <functional>

#include "gamedb/master_buffer.h"
#include "gamedb/name_store.h"

namespace tallo {

namespace {

constexpr size_t kFirstSlots = 1024;

uint32_t HashOf(uint16_t list, std::string_view name) {
    const uint64_t hash =
        std::hash<std::string_view>()(name) ^ (uint64_t{list} * 0x9E3779B97F4A7C15ull);
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

} // namespace

uint16_t DeferredNames::Note(int pool, int kind, std::string_view name, uint64_t position) {
    if (name.empty() || kind < 0 || kind >= NameStore::kKinds) {
        return 0;
    }
    const auto list = static_cast<uint16_t>(NameStore::PoolOf(pool) * NameStore::kKinds + kind);
    const uint32_t hash = HashOf(list, name);
    if (slots_.empty()) {
        slots_.assign(kFirstSlots, 0);
    }
    const size_t mask = slots_.size() - 1;
    size_t at = hash & mask;
    for (; slots_[at] != 0; at = (at + 1) & mask) {
        Name& noted = names_[slots_[at] - 1];
        if (noted.hash == hash && noted.list == list && noted.text == name) {
            ++noted.uses;
            uses_.push_back(Use{position, slots_[at] - 1});
            return 0;
        }
    }
    const auto number = static_cast<uint32_t>(names_.size());
    names_.push_back(Name{name, hash, list, 1});
    slots_[at] = number + 1;
    uses_.push_back(Use{position, number});
    if (names_.size() * 2 > slots_.size()) {
        Grow();
    }
    return 0;
}

void DeferredNames::Grow() {
    std::vector<uint32_t> slots(slots_.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (size_t number = 0; number < names_.size(); ++number) {
        size_t at = names_[number].hash & mask;
        while (slots[at] != 0) {
            at = (at + 1) & mask;
        }
        slots[at] = static_cast<uint32_t>(number + 1);
    }
    slots_.swap(slots);
}

void DeferredNames::Resolve(NameStore& store, MasterBuffer& kept) const {
    std::vector<uint16_t> indices(names_.size());
    for (size_t number = 0; number < names_.size(); ++number) {
        const Name& name = names_[number];
        indices[number] = store.LookUp(name.list / NameStore::kKinds, name.list % NameStore::kKinds,
                                       name.text, name.uses);
    }
    for (const Use& use : uses_) {
        // The placeholder already is 0.
        if (const uint16_t index = indices[use.name]; index != 0) {
            kept.PatchKept16(static_cast<size_t>(use.position), index);
        }
    }
}

} // namespace tallo
