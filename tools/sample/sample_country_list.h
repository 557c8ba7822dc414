#pragma once

#include <string>
#include <vector>

#include "sample_names.h"

namespace tallo::sample {

// One country of the sample's countries.sav.
struct SampleCountry {
    int number = 0;           // 1 to 206
    std::string names[5];     // one per language slot, 8-bit text
    std::string abbreviation; // three capital letters
    int continent = 0;        // 0 Europe ... 5 Oceania
    int firstLanguage = 0;    // 1 to 58
    int secondLanguage = 0;   // 0 or another language
    int worldValueG = 0;
    NameStyle style = NameStyle::kWorld;
};

// The fixed list of the 206 sample countries (the same for every seed, as the game's list is
// fixed): 52 countries in Europe, 10 in South America, 35 in North and Central America, 53 in
// Africa, 46 in Asia and 10 in Oceania, with made-up names.
std::vector<SampleCountry> MakeSampleCountryList();

// The text of countries.sav: six lines per country (names, abbreviations, continent, first
// language, second language, world value G), countries 1 to 206, lines ended by CR LF.
std::string CountryListText(const std::vector<SampleCountry>& countries);

} // namespace tallo::sample
