#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tallo {

// A table of upper-case keywords and their numbers, as the competition sections write them.
//
// Reading skips leading blanks and takes the first entry, in table order, whose keyword is a
// prefix of the text (so whatever follows the keyword is ignored); a text that no keyword
// starts gives the preset value the caller passes. Writing gives the keyword of the first
// entry with the value, or an empty keyword when there is none.
class KeywordTable {
public:
    struct Entry {
        std::string_view keyword;
        int32_t value;
    };

    KeywordTable(std::initializer_list<Entry> entries) : entries_(entries) {}

    int32_t Lookup(std::string_view text, int32_t preset) const;
    // Like Lookup, but tells whether a keyword matched; `value` is left alone when none did.
    bool Find(std::string_view text, int32_t& value) const;
    std::string_view KeywordOf(int32_t value) const;
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

} // namespace tallo
