#include "editing/main_window/country_list.h"

#include <algorithm>

#include "editing/main_window/record_name_order.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

std::vector<CountryRow> CountriesOfContinent(const CWorld& world, int continent, int languageSlot) {
    struct Keyed {
        CountryRow row;
        std::string key;
    };
    std::vector<Keyed> keyed;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr || static_cast<int>(country->continent) != continent) {
            continue;
        }
        Keyed entry;
        entry.row.number = number;
        entry.row.name = std::string(country->Name(languageSlot));
        entry.key = RecordNameKey(entry.row.name);
        keyed.push_back(std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<CountryRow> rows;
    rows.reserve(keyed.size());
    for (Keyed& entry : keyed) {
        rows.push_back(std::move(entry.row));
    }
    return rows;
}

const std::vector<BoxEntry>& ContinentBoxEntries() {
    static const std::vector<BoxEntry> entries = {{509, 0}, {510, 1}, {511, 2},
                                                  {513, 3}, {512, 4}, {514, 5}};
    return entries;
}

const std::vector<BoxEntry>& LanguageBoxEntries() {
    static const std::vector<BoxEntry> entries = {{675, 0}, {676, 1}, {677, 2}, {678, 3}};
    return entries;
}

} // namespace tallo
