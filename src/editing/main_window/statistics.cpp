#include "editing/main_window/statistics.h"

#include <cstdio>

namespace tallo {

namespace {

double Average(double sum, int count) {
    return count != 0 ? sum / count : sum;
}

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

std::string FormatLevel(double level) {
    char text[64];
    std::snprintf(text, sizeof text, "%2.2f", level);
    return text;
}

double CountryStatistics::PersonLevel() const {
    return Average(personLevelSum, personsFound);
}

double CountryStatistics::ClubLevel() const {
    return Average(clubLevelSum, clubs);
}

std::vector<StatisticsValue> CountryStatistics::Values() const {
    using namespace StatisticsLabel;
    std::vector<StatisticsValue> values = {
        {kCountryLeagues, Number(leagues)},
        {kCountryClubs, Number(clubs)},
        {kCountryPersons, Number(persons)},
    };
    for (int talent = 0; talent < 5; ++talent) {
        values.push_back({kCountryTalent0 + talent, Number(talents[static_cast<size_t>(talent)])});
    }
    values.push_back({kCountryPersonLevel, FormatLevel(PersonLevel())});
    values.push_back({kCountryClubLevel, FormatLevel(ClubLevel())});
    return values;
}

double DatabaseStatistics::PersonLevel() const {
    return Average(personLevelSum, personsFound);
}

double DatabaseStatistics::ClubLevel() const {
    return Average(clubLevelSum, clubs);
}

std::vector<StatisticsValue> DatabaseStatistics::Values() const {
    using namespace StatisticsLabel;
    std::vector<StatisticsValue> values = {
        {kDatabaseClubs, Number(clubs)},
        {kDatabasePersons, Number(persons)},
        {kDatabaseLeagues, Number(leagues)},
    };
    for (int talent = 0; talent < 5; ++talent) {
        values.push_back({kDatabaseTalent0 + talent, Number(talents[static_cast<size_t>(talent)])});
    }
    values.push_back({kDatabasePersonLevel, FormatLevel(PersonLevel())});
    values.push_back({kDatabaseClubLevel, FormatLevel(ClubLevel())});
    return values;
}

} // namespace tallo
