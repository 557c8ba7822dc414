#include "editing/common/language_list.h"

#include <algorithm>

#include "formats/string_table.h"

namespace tallo {

int LanguageNameId(int language) {
    if (language == 0) {
        return 148;
    }
    if (language >= 1 && language <= 16) {
        return 431 + language;
    }
    if (language >= 17 && language <= 47) {
        return 432 + language;
    }
    if (language == 48) {
        return 640;
    }
    if (language >= 49 && language <= 51) {
        return 606 + language;
    }
    if (language == 52) {
        return 659;
    }
    if (language >= 53 && language <= 60) {
        return 608 + language;
    }
    if (language == 61) {
        return 670;
    }
    if (language == 62) {
        return 671;
    }
    return 0;
}

std::vector<LanguageEntry> LanguageList(int last, bool withNone) {
    std::vector<LanguageEntry> entries;
    const int highest = std::min(last, 62);
    for (int language = withNone ? 0 : 1; language <= highest; ++language) {
        entries.push_back({language, LoadString(LanguageNameId(language))});
    }
    return entries;
}

} // namespace tallo
