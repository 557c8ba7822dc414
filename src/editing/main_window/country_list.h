#pragma once

#include <string>
#include <vector>

namespace tallo {

class CWorld;

// One row of the country list: the country's number (item data) and its name in the
// database's language slot, as record text.
struct CountryRow {
    int number = 0;
    std::string name;
};

// Every country 1 to 206 of a continent, sorted by name as the sorted list box sorts
// (the user's collation; equal names by number).
std::vector<CountryRow> CountriesOfContinent(const CWorld& world, int continent, int languageSlot);

// The entries of the continent box, in box order: string-table entry and item data
// (Europe 0, South America 1, North America 2, Africa 3, Asia 4, Oceania 5).
struct BoxEntry {
    int stringId = 0;
    int itemData = 0;
};
const std::vector<BoxEntry>& ContinentBoxEntries();
// The entries of the database language box: German 0, English 1, French 2, Spanish 3.
const std::vector<BoxEntry>& LanguageBoxEntries();

} // namespace tallo
