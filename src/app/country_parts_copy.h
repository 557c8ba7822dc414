#pragma once

#include <cstdint>

namespace tallo {

class CCountry;

// Parts of a country that the synchronisation copies (the boxes of the country copy dialog).
enum CountryCopyPart : uint32_t {
    // Names, abbreviations and the settings of the country pages: languages, association and
    // president, reporters, climate, winter break, card and ban rules, cup flags, transfer
    // settings, titles, magazine, notes, sponsors.
    kCountryCopyGeneral = 0x02,
    // The young players the game generates: name generation, rating, allowed looks, average
    // height and weight, and the player pool.
    kCountryCopyYoungPlayers = 0x04,
    kCountryCopyReferees = 0x08,
    // The stadiums and the national stadium.
    kCountryCopyStadiums = 0x10,
    // Staff, the national coach and the additional manager candidates.
    kCountryCopyManagers = 0x20,
    // The clubs with their persons, and the competitions they play in: the competition tree,
    // the league levels and their rules, the cup modes.
    kCountryCopyClubs = 0x40,
    kCountryCopyAll = 0x7E,
};

// Makes the parts of `target` selected by `mask` copies of those of `source`, which may belong
// to another world (persons are copied as new players of the target's world, which keep their
// IDs when free there). With every part selected this is CCountry::CopyFrom. What the country
// list fixes for a country number (continent, main language, world value) is never copied, so
// a country copied onto another number keeps its place in the world. Copying a country onto
// itself does nothing. The source is not changed (it is not const because its players are
// looked up through the same club context that saving and loading use).
void CopyCountryParts(CCountry& target, CCountry& source, uint32_t mask);

} // namespace tallo
