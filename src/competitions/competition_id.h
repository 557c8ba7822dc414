#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// Competition IDs: country in bits 24-31 (1-206; 0 or 250 for international competitions),
// competition kind in bits 16-23, running number in bits 0-15. 0 means none. In files an ID is
// written as "{ <country>, <kind keyword>, <number> }".
namespace CompetitionId {

// No country override: IDs are written as stored.
constexpr uint32_t kNoCountryOverride = 0xFFFFFFFFu;
// The root of the international competitions: country 250, kind ROOT, number 0.
constexpr uint32_t kInternationalRoot = 0xFA000000u;

constexpr uint32_t Make(uint32_t country, uint32_t kind, uint32_t number) {
    return ((country & 0xFFu) << 24) | ((kind & 0xFFu) << 16) | (number & 0xFFFFu);
}
constexpr uint32_t CountryOf(uint32_t id) {
    return id >> 24;
}
constexpr uint32_t KindOf(uint32_t id) {
    return (id >> 16) & 0xFFu;
}
constexpr uint32_t NumberOf(uint32_t id) {
    return id & 0xFFFFu;
}
constexpr uint32_t WithCountry(uint32_t id, uint32_t country) {
    return (id & 0x00FFFFFFu) | ((country & 0xFFu) << 24);
}
constexpr uint32_t WithKind(uint32_t id, uint32_t kind) {
    return (id & 0xFF00FFFFu) | ((kind & 0xFFu) << 16);
}
// The ID with its country replaced by `countryOverride`, unless that is kNoCountryOverride or
// the ID is 0.
constexpr uint32_t Override(uint32_t id, uint32_t countryOverride) {
    return id == 0 || countryOverride == kNoCountryOverride ? id : WithCountry(id, countryOverride);
}

// "{ %d, %s, %d }" with the kind keyword (empty for a kind without one).
std::string ToText(uint32_t id);

// Reads an ID text: after the first "{" a decimal country, after the next comma the kind
// keyword (leading blanks skipped; an unknown keyword leaves kind 0), after the next comma a
// decimal number. Text without "{" gives 0. Country and number are cut to their bits.
// `end` (when given) receives the offset just past the closing "}" (or the end of the text).
uint32_t Parse(std::string_view text, size_t* end = nullptr);

// A line of IDs joined by commas ("0" when there are none) and its reading (every "{" starts
// an ID; at most `limit` IDs are taken, IDs of 0 are dropped).
std::string ListToText(const uint32_t* ids, size_t count, uint32_t countryOverride);
std::vector<uint32_t> ParseList(std::string_view text, size_t limit);

} // namespace CompetitionId

} // namespace tallo
