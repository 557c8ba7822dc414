#pragma once

#include <string_view>

namespace tallo {

// The name files (first names, surnames) group their names in pools, one per language, each
// started by a line "%<pool number>". Returns the number after the "%" (blanks and tabs may
// come between), or -1 when it is missing or not below `pools`.
int ParseNamePoolLine(std::string_view line, int pools);

}  // namespace tallo
