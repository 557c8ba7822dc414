#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CClub;
class CWorld;

// The statistics labels of the main window (controls of dialog 185).
namespace StatisticsLabel {
// The selected country.
constexpr int kCountryLeagues = 1818;
constexpr int kCountryClubs = 1127; // clubs besides the national team
constexpr int kCountryPersons = 1819;
constexpr int kCountryTalent0 = 1830; // 1830 to 1834: persons of talent 0 to 4
constexpr int kCountryPersonLevel = 1816;
constexpr int kCountryClubLevel = 1817;
// The whole database.
constexpr int kDatabaseClubs = 1812; // national teams included
constexpr int kDatabasePersons = 1810;
constexpr int kDatabaseLeagues = 1814;
constexpr int kDatabaseTalent0 = 1835; // 1835 to 1839
constexpr int kDatabasePersonLevel = 1820;
constexpr int kDatabaseClubLevel = 1821;
} // namespace StatisticsLabel

// One statistics label: its control and the text it shows.
struct StatisticsValue {
    int label = 0;
    std::string text;
};

// The half of the statistics that belongs to the selected country, counted while the club
// list is filled. A person's level is his overall rating (the best of his position ratings);
// a club's level is the average level of its first-team players (role 0, not reserve; 0 when
// there are none).
struct CountryStatistics {
    int leagues = 0; // league levels of the country's competition tree
    int clubs = 0;   // clubs of the list whose number is not 65535
    int persons = 0; // entries of the clubs' person lists, the national team's included
    std::array<int, 5> talents{}; // listed persons of talent 0 to 4
    double personLevelSum = 0;
    int personsFound = 0;    // listed persons found in the registry (whose levels were added)
    double clubLevelSum = 0; // first-team levels of every club of the list

    // Sum of levels divided by the number of persons (the sum itself when there are none).
    double PersonLevel() const;
    // Sum of the club levels divided by `clubs` (the sum itself when it is 0).
    double ClubLevel() const;
    // Every label of the country half with its text ("%d", or "%2.2f" for the two levels).
    std::vector<StatisticsValue> Values() const;
};

// The half of the statistics over countries 1 to 206.
struct DatabaseStatistics {
    int clubs = 0;   // every club, national teams included
    int persons = 0; // entries of every club's person list
    int leagues = 0; // league levels of every country
    std::array<int, 5> talents{};
    double personLevelSum = 0;
    int personsFound = 0;
    double clubLevelSum = 0;

    double PersonLevel() const;
    double ClubLevel() const; // divided by `clubs`
    std::vector<StatisticsValue> Values() const;
};

// "%2.2f" of a level.
std::string FormatLevel(double level);

// Counts the persons a club lists into statistics: each person found in `world`'s registry adds
// to the talent counts, the sum of levels and the number found. Gives the club's first-team
// level: the average level of its first-team players, 0 without any.
double AddClubPersons(const CWorld* world, const CClub& club, std::array<int, 5>& talents,
                      double& personLevelSum, int& personsFound);

} // namespace tallo
