#pragma once

#include <cstdint>

namespace tallo {

// A built-in fixture table: `rows` rows (both rounds) of `teams` bytes each.
struct BuiltinFixtureTable {
    int32_t teams = 0;
    int32_t rows = 0;
    const uint8_t* bytes = nullptr;
};

// The built-in table of 10 to 24 teams; an empty one (no bytes) for other sizes.
BuiltinFixtureTable BuiltinFixtureTemplate(int32_t teams);

} // namespace tallo
