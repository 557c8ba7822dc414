#include "formats/string_table.h"

#include "formats/placeholder_check.h"

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

// Every user-interface text of the program, ordered by number, once per interface language.
// The lists live in resources/ so that translators edit texts, not code.
constexpr StringEntry kRussian[] = {
#include "string_table_entries.inc"
};

constexpr StringEntry kEnglish[] = {
#include "string_table_entries_en.inc"
};

constexpr std::size_t kEntryCount = std::size(kRussian);

constexpr bool IsStrictlyAscending(const StringEntry* entries, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {
        if (entries[i - 1].id >= entries[i].id) {
            return false;
        }
    }
    return true;
}

// The look-up below is a binary search: a text added out of order or twice would be
// found wrongly or not at all, so the build refuses such a table.
static_assert(IsStrictlyAscending(kRussian, std::size(kRussian)),
              "string table entries must be sorted by number and unique");
static_assert(IsStrictlyAscending(kEnglish, std::size(kEnglish)),
              "English string table entries must be sorted by number and unique");

// Both languages have every number, and a text asks for the same arguments in both, so that a
// caller's arguments fit whichever language is shown. Entry i is the same number in both.
constexpr bool LanguagesMatch() {
    if (std::size(kEnglish) != kEntryCount) {
        return false;
    }
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (kRussian[i].id != kEnglish[i].id || kEnglish[i].text[0] == '\0' ||
            !placeholder_check::SamePlaceholders(kRussian[i].text, kEnglish[i].text)) {
            return false;
        }
    }
    return true;
}
static_assert(LanguagesMatch(),
              "the English string table must have every number of the Russian one, not empty, "
              "with the same placeholders");

using Texts = std::array<std::string, kEntryCount>;

// The texts as std::string, built once on first use (thread-safe static initialisation),
// so that callers can hold a reference for the life of the process.
Texts MakeTexts(const StringEntry (&entries)[kEntryCount]) {
    Texts result;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        result[i] = entries[i].text;
    }
    return result;
}

const Texts& TextsOf(InterfaceLanguage language) {
    static const Texts russian = MakeTexts(kRussian);
    static const Texts english = MakeTexts(kEnglish);
    return language == InterfaceLanguage::Russian ? russian : english;
}

// Index of the entry with that number, or kEntryCount when there is none.
std::size_t FindEntry(int id) {
    const StringEntry* begin = std::begin(kRussian);
    const StringEntry* end = std::end(kRussian);
    const StringEntry* found = std::lower_bound(
        begin, end, id, [](const StringEntry& entry, int key) { return entry.id < key; });
    if (found == end || found->id != id) {
        return kEntryCount;
    }
    return static_cast<std::size_t>(found - begin);
}

} // namespace

const std::string& LoadString(int id) {
    return LoadString(id, CurrentInterfaceLanguage());
}

const std::string& LoadString(int id, InterfaceLanguage language) {
    static const std::string empty;
    std::size_t index = FindEntry(id);
    if (index == kEntryCount) {
        return empty;
    }
    return TextsOf(language)[index];
}

bool HasString(int id) {
    return FindEntry(id) != kEntryCount;
}

} // namespace tallo
