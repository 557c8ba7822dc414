#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

// Cleans a name in place: CR, LF and TAB become blanks; leading blanks, repeated blanks and
// trailing blanks are removed. Returns whether anything changed.
bool CollapseBlanks(std::string& text);
bool CollapseBlanks(char* text);

// What CollapseBlanks makes of `text`, cut to at most `capacity` characters and without the
// blanks the cut leaves at its end, written to `out`; returns its length. The bytes of `out`
// past that length are unspecified.
size_t CollapseBlanksInto(std::string_view text, char* out, size_t capacity);

// Removes one final character if it is a control character (1 to 31).
void TrimLineEnd(std::string& text);
void TrimLineEnd(char* text);

// Whole-text pattern match, case-sensitive: "*" matches any run of characters (also none),
// "?" any one character, every other character itself.
bool WildcardMatch(std::string_view text, std::string_view pattern);

// Raises a signed byte to `low` and lowers it to `high`.
int8_t Clamp8(int8_t value, int8_t low, int8_t high);

} // namespace tallo
