#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CCountry;
class CWorld;

// The five-year ranking of the European countries (countries 1 to 205 of continent 0).
//
// Each country keeps six yearly values in hundredths of a point (valuesM: last year first, six
// years ago last). The points that count for the first season are the five years before last
// year. The ranking orders the countries by those points, highest first; among equal points
// the higher country number comes first. The list window and `tallo-db ranking` show the
// same lines.
struct RankingLine {
    static constexpr int kYears = 6;

    int place = 0;                         // from 1
    int country = 0;                       // country number
    std::string name;                      // the country's name in the language slot, UTF-8
    std::array<uint16_t, kYears> values{}; // hundredths: last year, ..., six years ago
    int points = 0;                        // hundredths: values[1] + ... + values[5]
};

// The points for the first season of six yearly values (hundredths).
int FirstSeasonPoints(const std::array<uint16_t, RankingLine::kYears>& values);
// The six yearly values of a country.
std::array<uint16_t, RankingLine::kYears> RankingValues(const CCountry& country);
// Whether a country takes part in the ranking (countries 1 to 205 of the European continent).
bool InFiveYearRanking(const CCountry& country);

// The ranked lines of every European country of the world, names in `languageSlot`.
std::vector<RankingLine> FiveYearRanking(const CWorld& world, int languageSlot);

// A line as the list shows it: "<place>. <name>", then the six values and the points divided
// by 100 with two decimals, separated by tab characters.
std::string RankingLineText(const RankingLine& line);

// Hundredths as a decimal with two places ("12.05").
std::string FormatHundredths(int hundredths);

} // namespace tallo
