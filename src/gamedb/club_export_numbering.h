#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tallo {

class CWorld;

// The numbers the game database gives the clubs: in every country, walking its clubs in
// ascending ID order, each club whose number is below 65535 gets the next export index from
// 1 (the national team gets none). References to clubs are written in this game form.
class ClubExportNumbering {
public:
    static constexpr int kCountrySlots = 207;

    // Numbers the clubs of countries 1 to 206 afresh.
    void Build(const CWorld& world);
    void Clear();

    // The export index of a club (bit 24 of `clubId` ignored); 0 when it has none.
    uint16_t Index(uint32_t clubId) const;

    // A club reference in its game form:
    //  - low 16 bits 0xFFFF: unchanged;
    //  - a club without an export index (removed, unknown, country outside 1-206): 0;
    //  - otherwise the country number shifted left by 16 OR the export index, with bit 24
    //    set again when the reference had it.
    uint32_t GameReference(uint32_t reference) const;

private:
    // Per country: the export index by club number (0: none), up to the highest number of a
    // club that has one. Every club and player reference of the build is looked up here.
    std::array<std::vector<uint16_t>, kCountrySlots> countries_;
};

} // namespace tallo
