#include "gamedb/deferred_names.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "gamedb/master_buffer.h"
#include "gamedb/name_store.h"
#include "platform/parallel_for.h"

namespace tallo {

namespace {

constexpr size_t kFirstSlots = 1024;

// Where a name of a list starts its probe: the list's hash of the name, moved by the list.
uint32_t SlotHash(uint32_t nameHash, uint16_t list) {
    return nameHash ^ (uint32_t{list} * 0x9E3779B9u);
}

} // namespace

uint16_t DeferredNames::Note(int pool, int kind, std::string_view name, uint64_t position) {
    if (name.empty() || kind < 0 || kind >= NameStore::kKinds) {
        return 0;
    }
    const auto list = static_cast<uint16_t>(NameStore::PoolOf(pool) * NameStore::kKinds + kind);
    const uint32_t hash = NameList::HashOf(name);
    if (slots_.empty()) {
        slots_.assign(kFirstSlots, 0);
    }
    const size_t mask = slots_.size() - 1;
    size_t at = SlotHash(hash, list) & mask;
    for (; slots_[at] != 0; at = (at + 1) & mask) {
        Name& noted = names_[slots_[at] - 1];
        if (noted.hash == hash && noted.list == list && Text(noted) == name) {
            ++noted.uses;
            uses_.push_back(Use{position, slots_[at] - 1});
            return 0;
        }
    }
    const auto number = static_cast<uint32_t>(names_.size());
    names_.push_back(Name{text_.size(), name.size(), hash, 1, list});
    text_.append(name);
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
        size_t at = SlotHash(names_[number].hash, names_[number].list) & mask;
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
                                       Text(name), name.uses);
    }
    Fill(indices, kept);
}

void DeferredNames::Fill(const std::vector<uint16_t>& indices, MasterBuffer& kept) const {
    for (const Use& use : uses_) {
        // The placeholder already is 0.
        if (const uint16_t index = indices[use.name]; index != 0) {
            kept.PatchKept16(static_cast<size_t>(use.position), index);
        }
    }
}

void DeferredNames::ResolveInOrder(const std::vector<const DeferredNames*>& parts,
                                   const std::vector<MasterBuffer*>& kept, NameStore& store,
                                   int threads) {
    if (store.Frozen() || threads <= 1 || parts.size() != kept.size()) {
        // A frozen store only answers and reports; one thread needs no sorting.
        for (size_t i = 0; i < parts.size() && i < kept.size(); ++i) {
            parts[i]->Resolve(store, *kept[i]);
        }
        return;
    }
    constexpr size_t kLists = size_t{NameStore::kPools} * NameStore::kKinds;
    // Each part's names by list, each list in the order first noted: a counting sort.
    struct ByList {
        std::vector<uint32_t> start; // kLists + 1 offsets into `numbers`
        std::vector<uint32_t> numbers;
    };
    std::vector<ByList> byList(parts.size());
    std::vector<std::vector<uint16_t>> indices(parts.size());
    ForEachOnThreads(0, static_cast<int>(parts.size()) - 1, threads, [&](int i) {
        const std::vector<Name>& names = parts[static_cast<size_t>(i)]->names_;
        ByList& sorted = byList[static_cast<size_t>(i)];
        sorted.start.assign(kLists + 1, 0);
        for (const Name& name : names) {
            ++sorted.start[name.list + 1];
        }
        for (size_t list = 0; list < kLists; ++list) {
            sorted.start[list + 1] += sorted.start[list];
        }
        std::vector<uint32_t> next(sorted.start.begin(), sorted.start.end() - 1);
        sorted.numbers.resize(names.size());
        for (size_t number = 0; number < names.size(); ++number) {
            sorted.numbers[next[names[number].list]++] = static_cast<uint32_t>(number);
        }
        indices[static_cast<size_t>(i)].assign(names.size(), 0);
    });

    // Each list on one thread, the parts in order. The first name a list refuses (it is
    // full) is remembered by its place in the order of the parts.
    struct Refusal {
        size_t part = SIZE_MAX;
        uint32_t number = 0;
    };
    std::vector<Refusal> refusals(kLists);
    // The longest lists first: a few lists hold most names.
    std::vector<std::pair<size_t, int>> lists;
    for (size_t list = 0; list < kLists; ++list) {
        size_t count = 0;
        for (const ByList& sorted : byList) {
            count += sorted.start[list + 1] - sorted.start[list];
        }
        if (count > 0) {
            lists.emplace_back(count, static_cast<int>(list));
        }
    }
    std::stable_sort(lists.begin(), lists.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    ForEachOnThreads(0, static_cast<int>(lists.size()) - 1, threads, [&](int at) {
        const int list = lists[static_cast<size_t>(at)].second;
        NameList& names = store.List(list / NameStore::kKinds, list % NameStore::kKinds);
        names.Reserve(lists[static_cast<size_t>(at)].first);
        Refusal& first = refusals[static_cast<size_t>(list)];
        for (size_t i = 0; i < parts.size(); ++i) {
            const ByList& sorted = byList[i];
            for (uint32_t at = sorted.start[static_cast<size_t>(list)];
                 at < sorted.start[static_cast<size_t>(list) + 1]; ++at) {
                const uint32_t number = sorted.numbers[at];
                const Name& name = parts[i]->names_[number];
                bool refused = false;
                indices[i][number] =
                    names.LookUpHashed(parts[i]->Text(name), name.hash, name.uses, true, refused);
                if (refused && first.part == SIZE_MAX) {
                    first = Refusal{i, number};
                }
            }
        }
    });
    // The store reports the refusal that came first in order, as looking the names up one
    // after the other would have.
    const Refusal* earliest = nullptr;
    for (const Refusal& refusal : refusals) {
        if (refusal.part != SIZE_MAX &&
            (earliest == nullptr || refusal.part < earliest->part ||
             (refusal.part == earliest->part && refusal.number < earliest->number))) {
            earliest = &refusal;
        }
    }
    if (earliest != nullptr) {
        const Name& name = parts[earliest->part]->names_[earliest->number];
        store.LookUp(name.list / NameStore::kKinds, name.list % NameStore::kKinds,
                     parts[earliest->part]->Text(name));
    }

    ForEachOnThreads(0, static_cast<int>(parts.size()) - 1, threads, [&](int i) {
        parts[static_cast<size_t>(i)]->Fill(indices[static_cast<size_t>(i)],
                                            *kept[static_cast<size_t>(i)]);
    });
}

} // namespace tallo
