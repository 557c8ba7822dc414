#pragma once

#include <cstdint>
#include <string_view>

namespace tallo {

// Letter case of 8-bit record text in the active code page (Windows-1252 or -1251): the
// letters of the code page, accented and Cyrillic ones included, have a lower-case form.
// Used where names are compared "without regard to case" as the user's locale would.

uint8_t LowerCaseByte(uint8_t c);

// Compares the lower-case forms byte by byte (as unsigned bytes); negative, zero or positive.
int CompareIgnoringCase(std::string_view a, std::string_view b);
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

} // namespace tallo
