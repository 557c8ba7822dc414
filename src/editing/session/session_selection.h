#pragma once

#include <array>
#include <cstdint>

namespace tallo {

// What the main window remembers for one open database besides the selection the world keeps
// itself (language, continent, previous continent, selected country): the country and the top
// row of the country list under each continent, and the club list's selected row, top row and
// club. Each database has its own, so switching databases never carries one database's
// selection into another.
struct SessionSelection {
    static constexpr int kContinents = 6;
    static constexpr int kNone = -1;

    // Country last selected under each continent (kNone: none yet).
    std::array<int, kContinents> rememberedCountry{kNone, kNone, kNone, kNone, kNone, kNone};
    // The country list's top row under each continent (kNone: none yet).
    std::array<int, kContinents> rememberedTopRow{kNone, kNone, kNone, kNone, kNone, kNone};
    // The country list's top row as the view last reported it.
    int countryTopRow = 0;
    // The club list: selected row (kNone: none), top row and the selected club's ID (0: none).
    int clubRow = kNone;
    int clubTopRow = 0;
    uint32_t selectedClub = 0;
};

} // namespace tallo
