#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CCountry;
class CWorld;

// One entry of a choice list of the club pages: the value stored when it is chosen and its
// text (record text, 8-bit). Value 0 is the "none" entry, which the view names.
struct ChoiceEntry {
    uint32_t value = 0;
    std::string text;
};

// A list the user picks one value from. Filled from a record value: the entry of that value is
// selected, or none when the list lacks it (a value the lists do not offer, read from a file).
// Storing gives the chosen entry's value; as long as the user did not pick another entry, the
// value it was filled with comes back exactly as it was.
struct ChoiceField {
    std::vector<ChoiceEntry> entries;
    int selected = -1;

    void Fill(uint32_t value);
    void Select(int index) { selected = index >= 0 && index < Count() ? index : -1; }
    // The entry holding `value` (-1 when none does).
    int IndexOf(uint32_t value) const;
    int Count() const { return static_cast<int>(entries.size()); }
    uint32_t Value() const;

private:
    int filled_ = -1;
    uint32_t original_ = 0;
};

// The ordinary clubs of a country (not the national team, not `excludeId`) by name in the
// language slot, after a "none" entry; values are the club IDs.
std::vector<ChoiceEntry> ClubChoices(const CCountry& country, int languageSlot, uint32_t excludeId);
// The countries 1 to 206 that have a name in the slot, by name, after a "none" entry; values
// are the country numbers.
std::vector<ChoiceEntry> CountryChoices(const CWorld& world, int languageSlot);
// The stadiums of a country in key order ("name, city"), after a "none" entry; values are the
// stadium keys.
std::vector<ChoiceEntry> StadiumChoices(const CCountry& country);

} // namespace tallo
