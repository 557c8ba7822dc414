#include "sample_country_list.h"

#include <set>

namespace tallo::sample {

namespace {

constexpr int kCountryCount = 206;
// Countries per continent, in country-number order.
constexpr int kContinentSizes[6] = {52, 10, 35, 53, 46, 10};
// The list does not depend on the seed of a sample.
constexpr uint64_t kListSeed = 0x7A11054A5E11ull;

int ContinentOf(int number) {
    int first = 1;
    for (int continent = 0; continent < 6; ++continent) {
        if (number < first + kContinentSizes[continent]) {
            return continent;
        }
        first += kContinentSizes[continent];
    }
    return 5;
}

NameStyle StyleOf(int number, int continent) {
    switch (continent) {
    case 0: {
        static const NameStyle kEurope[] = {NameStyle::kGermanic, NameStyle::kRomance,
                                            NameStyle::kSlavic, NameStyle::kNordic};
        return kEurope[number % 4];
    }
    case 1:
        return NameStyle::kRomance;
    case 2:
        return number % 2 == 0 ? NameStyle::kRomance : NameStyle::kWorld;
    default:
        return NameStyle::kWorld;
    }
}

// Languages 1 to 58 of the language list: the European countries share 1 to 30, the other
// continents draw from their own ranges.
int FirstLanguageOf(int number, int continent, SampleRandom& random) {
    switch (continent) {
    case 0:
        return 1 + (number - 1) % 30;
    case 1:
        return random.Range(31, 33);
    case 2:
        return random.Chance(50) ? 31 : random.Range(34, 35);
    case 3:
        return random.Range(36, 45);
    case 4:
        return random.Range(46, 56);
    default:
        return random.Chance(50) ? 34 : random.Range(57, 58);
    }
}

// The name in another language slot: a few endings change ("...ia" becomes "...ie" in slot 2,
// "...land" becomes "...lande"), as real country names do.
std::string SlotVariant(const std::string& name, int slot) {
    auto endsWith = [&name](const std::string& ending) {
        return name.size() > ending.size() &&
               name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
    };
    if (slot == 2 && endsWith("ia")) {
        return name.substr(0, name.size() - 1) + "e";
    }
    if (slot == 2 && endsWith("land")) {
        return name + "e";
    }
    if (slot == 3 && endsWith("land")) {
        return name.substr(0, name.size() - 4) + "landia";
    }
    return name;
}

} // namespace

std::vector<SampleCountry> MakeSampleCountryList() {
    SampleNames names;
    SampleRandom random(kListSeed);
    std::vector<SampleCountry> countries;
    countries.reserve(kCountryCount);
    std::set<std::string> usedNames;
    std::set<std::string> usedCodes;
    for (int number = 1; number <= kCountryCount; ++number) {
        SampleCountry country;
        country.number = number;
        country.continent = ContinentOf(number);
        country.style = StyleOf(number, country.continent);
        std::string name;
        do {
            name = names.CountryName(random);
        } while (!usedNames.insert(name).second);
        for (int slot = 0; slot < 5; ++slot) {
            country.names[slot] = SlotVariant(name, slot);
        }
        std::string code = UpperAscii(AsciiSlug(name).substr(0, 3));
        while (code.size() < 3 || !usedCodes.insert(code).second) {
            code = code.substr(0, 1);
            if (code.empty()) {
                code = "X";
            }
            code.push_back(static_cast<char>('A' + random.Below(26)));
            code.push_back(static_cast<char>('A' + random.Below(26)));
        }
        country.abbreviation = code;
        country.firstLanguage = FirstLanguageOf(number, country.continent, random);
        if (random.Chance(40)) {
            do {
                country.secondLanguage = random.Range(1, 58);
            } while (country.secondLanguage == country.firstLanguage);
        }
        country.worldValueG = random.Range(1, 20);
        countries.push_back(std::move(country));
    }
    return countries;
}

std::string CountryListText(const std::vector<SampleCountry>& countries) {
    std::string text;
    for (const SampleCountry& country : countries) {
        for (int slot = 0; slot < 5; ++slot) {
            if (slot > 0) {
                text += ',';
            }
            text += country.names[slot];
        }
        text += "\r\n";
        text += country.abbreviation + "\r\n";
        text += std::to_string(country.continent) + "\r\n";
        text += std::to_string(country.firstLanguage) + "\r\n";
        text += std::to_string(country.secondLanguage) + "\r\n";
        text += std::to_string(country.worldValueG) + "\r\n";
    }
    return text;
}

} // namespace tallo::sample
