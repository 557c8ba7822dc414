#include "editing/main_window/statistics.h"

#include <cstdio>

#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

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

double AddClubPersons(const CWorld* world, const CClub& club, std::array<int, 5>& talents,
                      double& personLevelSum, int& personsFound) {
    double firstTeamSum = 0;
    int firstTeamCount = 0;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world != nullptr ? world->FindPlayer(club.PlayerId(i)) : nullptr;
        if (person == nullptr) {
            continue;
        }
        const double rating = person->GetRating();
        if (person->Talent() < talents.size()) {
            ++talents[person->Talent()];
        }
        personLevelSum += rating;
        ++personsFound;
        if (person->IsPlayerRole() && person->IsFirstTeam()) {
            firstTeamSum += rating;
            ++firstTeamCount;
        }
    }
    return firstTeamCount != 0 ? firstTeamSum / firstTeamCount : 0;
}

} // namespace tallo
