#pragma once

#include "formats/table_format.h"

#include "formats/interface_language.h"
#include "formats/placeholder_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// The editor's own dialog texts (menus, labels, captions that have no number in the string
// table), keyed by a dotted name such as "main.menu.file", in Russian and English. The table is
// resources/dialog_texts*.inc (one file per group of windows); a key that is not in them does not
// compile:
//
//     menu->setTitle(ToQString(DialogText("main.menu.file")));
//
// Keys made at run time go through FindDialogText.
namespace dialog_text_detail {

struct Entry {
    std::string_view key;
    const char* russian;
    const char* english;
};

inline constexpr Entry kEntries[] = {
#include "../../resources/dialog_texts.inc"
#include "../../resources/dialog_texts_club.inc"
#include "../../resources/dialog_texts_badge_kit.inc"
#include "../../resources/dialog_texts_person.inc"
#include "../../resources/dialog_texts_staff.inc"
#include "../../resources/dialog_texts_squad.inc"
#include "../../resources/dialog_texts_country.inc"
#include "../../resources/dialog_texts_country_pages.inc"
#include "../../resources/dialog_texts_league.inc"
#include "../../resources/dialog_texts_calendar.inc"
#include "../../resources/dialog_texts_cup.inc"
#include "../../resources/dialog_texts_national.inc"
#include "../../resources/dialog_texts_admin.inc"
#include "../../resources/dialog_texts_stadiums.inc"
#include "../../resources/dialog_texts_records_a.inc"
#include "../../resources/dialog_texts_intercomp.inc"
#include "../../resources/dialog_texts_search.inc"
#include "../../resources/dialog_texts_doubles.inc"
#include "../../resources/dialog_texts_transfer.inc"
};

inline constexpr std::size_t kCount = std::size(kEntries);

constexpr std::size_t IndexOf(std::string_view key) {
    for (std::size_t i = 0; i < kCount; ++i) {
        if (kEntries[i].key == key) {
            return i;
        }
    }
    return kCount;
}

// Every key once: the keys sorted, no two neighbours equal (comparing every pair would take
// more steps than the compiler allows a constant expression once the table is large).
constexpr bool KeysAreUnique() {
    std::array<std::string_view, kCount> keys{};
    for (std::size_t i = 0; i < kCount; ++i) {
        keys[i] = kEntries[i].key;
    }
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
}

// Every key once, both texts present, the same placeholders in both languages.
constexpr bool TableIsSound() {
    for (std::size_t i = 0; i < kCount; ++i) {
        const Entry& entry = kEntries[i];
        if (entry.key.empty() || entry.russian[0] == '\0' || entry.english[0] == '\0' ||
            !placeholder_check::SamePlaceholders(entry.russian, entry.english)) {
            return false;
        }
    }
    return KeysAreUnique();
}
static_assert(TableIsSound(), "resources/dialog_texts.inc: a key twice, an empty text, or "
                              "placeholders that differ between the languages");

// Reached only for a key the table lacks; not a constant expression, so such a key is a
// compile error at the place that names it.
inline void UnknownDialogTextKey() {}

} // namespace dialog_text_detail

// A key of the dialog text table, checked while compiling.
class DialogTextKey {
public:
    consteval DialogTextKey(const char* key) : index_(dialog_text_detail::IndexOf(key)) {
        if (index_ == dialog_text_detail::kCount) {
            dialog_text_detail::UnknownDialogTextKey();
        }
    }
    std::size_t Index() const { return index_; }

private:
    std::size_t index_;
};

// The text of a key (UTF-8), in the interface language or a given one. The reference stays
// valid for the life of the process.
const std::string& DialogText(DialogTextKey key);
const std::string& DialogText(DialogTextKey key, InterfaceLanguage language);

// The text of a key made at run time, or nullptr when the table has no such key.
const std::string* FindDialogText(std::string_view key, InterfaceLanguage language);

// Every key of the table, in table order.
std::vector<std::string_view> DialogTextKeys();

// A dialog text formatted printf-style with numbers and C strings, like FormatString. The
// format comes from the compiled-in table, never from a file.
template <class... Args> std::string FormatDialogText(DialogTextKey key, Args... args) {
    return FormatTableText(DialogText(key), args...);
}

} // namespace tallo
