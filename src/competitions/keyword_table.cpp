#include "competitions/keyword_table.h"

namespace tallo {

bool KeywordTable::Find(std::string_view text, int32_t& value) const {
    size_t start = text.find_first_not_of(" \t");
    text = start == std::string_view::npos ? std::string_view() : text.substr(start);
    for (const Entry& entry : entries_) {
        if (text.substr(0, entry.keyword.size()) == entry.keyword) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

int32_t KeywordTable::Lookup(std::string_view text, int32_t preset) const {
    int32_t value = preset;
    Find(text, value);
    return value;
}

std::string_view KeywordTable::KeywordOf(int32_t value) const {
    for (const Entry& entry : entries_) {
        if (entry.value == value) {
            return entry.keyword;
        }
    }
    return {};
}

} // namespace tallo
