#include "editing/main_window/database_statistics.h"

#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

void Add(DatabaseStatistics& total, const DatabaseStatistics& share) {
    total.clubs += share.clubs;
    total.persons += share.persons;
    total.leagues += share.leagues;
    for (size_t talent = 0; talent < total.talents.size(); ++talent) {
        total.talents[talent] += share.talents[talent];
    }
    total.personLevelSum += share.personLevelSum;
    total.personsFound += share.personsFound;
    total.clubLevelSum += share.clubLevelSum;
}

} // namespace

DatabaseStatistics CountCountryShare(const CCountry& country) {
    DatabaseStatistics share;
    const CountryCompetitionTree* tree = country.Competitions();
    share.leagues = tree != nullptr ? tree->LeagueCount() : 0;
    const CWorld* world = country.World();
    for (const auto& [id, club] : country.Clubs()) {
        ++share.clubs;
        share.persons += static_cast<int>(club->PlayerCount());
        share.clubLevelSum +=
            AddClubPersons(world, *club, share.talents, share.personLevelSum, share.personsFound);
    }
    return share;
}

DatabaseStatistics CountDatabaseStatistics(const CWorld& world) {
    DatabaseStatistics total;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (const CCountry* country = world.GetCountry(number)) {
            Add(total, CountCountryShare(*country));
        }
    }
    return total;
}

const DatabaseStatistics& DatabaseStatisticsCache::Get(const DatabaseSession& session) {
    const CWorld& world = session.World();
    const bool fresh = !counted_ || sessionId_ != session.Id() || world_ != &world;
    sessionId_ = session.Id();
    world_ = &world;
    counted_ = true;
    total_ = DatabaseStatistics();
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t slot = static_cast<size_t>(number);
        const uint64_t count = session.CountryChangeCount(number);
        if (fresh || changeCounts_[slot] != count) {
            const CCountry* country = world.GetCountry(number);
            shares_[slot] = country != nullptr ? CountCountryShare(*country) : DatabaseStatistics();
            changeCounts_[slot] = count;
        }
        Add(total_, shares_[slot]);
    }
    return total_;
}

} // namespace tallo
