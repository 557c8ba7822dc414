#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace tallo {

// The name files (first names, surnames) group their names in pools, one per language, each
// started by a line "%<pool number>". Returns the number after the "%" (blanks and tabs may
// come between), or -1 when it is missing or not below `pools`.
int ParseNamePoolLine(std::string_view line, int pools);

// Walks the text of a name file: it ends at a 0x1A byte, lines end in LF or CR LF, empty lines
// are skipped, and names before the first pool line belong to pool 1. Hands every name of a
// valid pool to `name` with its pool; lines of a bad pool, lines longer than `maxLength` and
// lines a zero byte would cut are skipped.
void ForEachPoolName(std::string_view text, int pools, size_t maxLength,
                     const std::function<void(int pool, std::string_view name)>& name);

} // namespace tallo
