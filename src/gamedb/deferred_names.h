#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class MasterBuffer;
class NameStore;

// The names of records written away from the name store, on a thread of their own.
//
// A name's index in the game database is the order in which the count pass first meets it, so
// records written side by side cannot be given their indices as they are written. Each
// country's records note their names here instead, with the position of the 16-bit index in
// the country's kept bytes, and write 0 in its place. Once the countries are joined in their
// order, Resolve() looks each noted name up in the store in the order it was first noted,
// counted as often as it was used, and fills the indices in: the store and the bytes then
// come out exactly as if the records had been written one after the other.
//
// Each name's text is copied when first noted, while its record is at hand, so that resolving
// reads the names of a country one after the other instead of from each person's record.
class DeferredNames {
public:
    // Notes that the index of `name` in list (pool, kind) goes to `position` of the kept
    // bytes; returns the placeholder to write there (0). An empty name, or a kind outside
    // 0-4, is index 0 in any store and is not noted.
    uint16_t Note(int pool, int kind, std::string_view name, uint64_t position);

    // Looks every noted name up in `store` and writes its index over its placeholders in
    // `kept` (the buffer whose positions were noted; still in its count pass).
    void Resolve(NameStore& store, MasterBuffer& kept) const;

    // Resolve() of every part in turn, done on up to `threads` threads: the lists of the store
    // are independent, so each list is filled by one thread walking the parts in their order,
    // and then each part's placeholders are filled in on its own. `parts[i]` noted the
    // positions of `kept[i]`. The store and the bytes come out as from Resolve() in order,
    // the report of a list that overflowed included.
    static void ResolveInOrder(const std::vector<const DeferredNames*>& parts,
                               const std::vector<MasterBuffer*>& kept, NameStore& store,
                               int threads);

    // Names noted (each once) and the places they go to.
    size_t NameCount() const { return names_.size(); }
    size_t UseCount() const { return uses_.size(); }

private:
    struct Name {
        size_t offset = 0; // of the text in text_
        size_t length = 0;
        uint32_t hash = 0; // NameList::HashOf(text)
        uint32_t uses = 0;
        uint16_t list = 0; // pool * 5 + kind
    };
    std::string_view Text(const Name& name) const {
        return std::string_view(text_).substr(name.offset, name.length);
    }
    struct Use {
        uint64_t position;
        uint32_t name;
    };
    // Open addressing over a power-of-two number of slots, at most half used; a slot holds a
    // name's number plus one (0: empty).
    void Grow();
    // Writes the indices of the names (by number) over their placeholders.
    void Fill(const std::vector<uint16_t>& indices, MasterBuffer& kept) const;

    std::vector<Name> names_;
    std::string text_; // the names' texts, one after the other
    std::vector<uint32_t> slots_;
    std::vector<Use> uses_;
};

} // namespace tallo
