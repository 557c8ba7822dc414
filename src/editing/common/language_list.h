#pragma once

#include <string>
#include <vector>

namespace tallo {

// One entry of the language boxes: the language number stored in a record and its name.
struct LanguageEntry {
    int language = 0;
    std::string name;
};

// The language list of the person pages, in the interface language: 0 "none", then the
// languages 1 to 62 named by the string table (1-16: entries 432-447, 17-47: 449-479, 48: 640,
// 49-51: 655-657, 52: 659, 53-60: 661-668, 61: 670, 62: 671).
//
// A person record keeps languages up to CPlayer::kMaxLanguage and reads a larger one back as
// none, so the boxes offer only what the record keeps: `last` is the highest language listed.
// Without `withNone` the entry 0 is left out (the native-language box of the staff pages).
std::vector<LanguageEntry> LanguageList(int last, bool withNone);

// The string-table entry naming a language (0 to 62); 0 for another number.
int LanguageNameId(int language);

} // namespace tallo
