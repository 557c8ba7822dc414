#include "formats/string_table.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tallo {

namespace {

struct StringEntry {
    int id;
    const char* text;
};

// Every user-interface text of the program, ordered by number. The list lives in
// resources/string_table_entries.inc so that translators edit texts, not code.
constexpr StringEntry kEntries[] = {
#include "string_table_entries.inc"
};

constexpr std::size_t kEntryCount = std::size(kEntries);

constexpr bool IsStrictlyAscending() {
    for (std::size_t i = 1; i < kEntryCount; ++i) {
        if (kEntries[i - 1].id >= kEntries[i].id) {
            return false;
        }
    }
    return true;
}

// The look-up below is a binary search: a text added out of order or twice would be
// found wrongly or not at all, so the build refuses such a table.
static_assert(IsStrictlyAscending(), "string table entries must be sorted by number and unique");

// The texts as std::string, built once on first use (thread-safe static initialisation),
// so that callers can hold a reference for the life of the process.
const std::array<std::string, kEntryCount>& Texts() {
    static const std::array<std::string, kEntryCount> texts = [] {
        std::array<std::string, kEntryCount> result;
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            result[i] = kEntries[i].text;
        }
        return result;
    }();
    return texts;
}

// Index of the entry with that number, or kEntryCount when there is none.
std::size_t FindEntry(int id) {
    const StringEntry* begin = std::begin(kEntries);
    const StringEntry* end = std::end(kEntries);
    const StringEntry* found = std::lower_bound(
        begin, end, id, [](const StringEntry& entry, int key) { return entry.id < key; });
    if (found == end || found->id != id) {
        return kEntryCount;
    }
    return static_cast<std::size_t>(found - begin);
}

} // namespace

const std::string& LoadString(int id) {
    static const std::string empty;
    std::size_t index = FindEntry(id);
    if (index == kEntryCount) {
        return empty;
    }
    return Texts()[index];
}

bool HasString(int id) {
    return FindEntry(id) != kEntryCount;
}

} // namespace tallo
