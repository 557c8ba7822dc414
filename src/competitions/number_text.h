#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tallo {

// The number at the start of a text as the record files read numbers: leading blanks skipped,
// an optional sign, the decimal digits that follow; no digits give 0. Saturates at the 32-bit
// range.
int64_t LeadingNumber(std::string_view text);
// Every comma-separated item of a line read as LeadingNumber, at most `limit` items.
std::vector<int64_t> NumbersOfLine(std::string_view text, size_t limit);

} // namespace tallo
