#pragma once

#include <cstdint>
#include <string_view>

namespace tallo {

// The decimal value at the start of a text line, read the way the text tables have always
// been read: leading blanks skipped, an optional sign, then digits up to the first other
// character. A line without digits gives 0; values beyond the 32-bit range are held at its
// ends instead of wrapping.
int32_t DecimalValue(std::string_view text);

} // namespace tallo
