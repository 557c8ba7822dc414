#include "editing/admin/person_tools.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr uint8_t kUntaughtTactics = 0;
constexpr uint8_t kTaughtTactics = 3;
constexpr uint8_t kFirstYellowShoe = 5;
constexpr uint8_t kBlackShoe = 2;
constexpr uint8_t kLastKeptRole = CPlayer::kRolePresident;

// Every club of the database, countries 1 to 206, clubs in list order.
void ForEachClub(CWorld& world, const std::function<void(CClub&)>& visit) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            visit(*club);
        }
    }
}

// Counts the persons a club lists for whom `change` reports a change.
int ForEachListed(CWorld& world, const CClub& club, const std::function<bool(CPlayer&)>& change) {
    int changed = 0;
    for (uint32_t index = 0; index < club.PlayerCount(); ++index) {
        CPlayer* person = world.FindPlayer(club.PlayerId(index));
        if (person != nullptr && change(*person)) {
            ++changed;
        }
    }
    return changed;
}

// The same over every club of the database that is not a national team.
int ForEachListedOutsideNationalTeams(CWorld& world, const std::function<bool(CPlayer&)>& change) {
    int changed = 0;
    ForEachClub(world, [&](CClub& club) {
        if (!club.IsNationalTeam()) {
            changed += ForEachListed(world, club, change);
        }
    });
    return changed;
}

bool BlackenShoes(CPlayer& person) {
    if (person.ShoeType() < kFirstYellowShoe) {
        return false;
    }
    person.SetShoeType(kBlackShoe);
    return true;
}

bool IsKeptRole(const CPlayer* person) {
    return person == nullptr || person->Role() <= kLastKeptRole;
}

} // namespace

int RaiseTacticalEducation(CWorld& world) {
    return ForEachListedOutsideNationalTeams(world, [](CPlayer& person) {
        if (person.TacticalEducation() != kUntaughtTactics) {
            return false;
        }
        person.SetTacticalEducation(kTaughtTactics);
        return true;
    });
}

int FixPlaceholderBirthDates(CWorld& world) {
    const GameDate first1900 = GameDate::FromDate(1900, 1, 1);
    const GameDate first1920 = GameDate::FromDate(1920, 1, 1);
    const GameDate first1980 = GameDate::FromDate(1980, 1, 1);
    return ForEachListedOutsideNationalTeams(world, [&](CPlayer& person) {
        if (person.BirthDate() != first1900 && person.BirthDate() != first1920) {
            return false;
        }
        person.SetBirthDate(first1980);
        return true;
    });
}

int DeleteStaff(CWorld& world) {
    int removed = 0;
    ForEachClub(world, [&](CClub& club) {
        if (club.IsNationalTeam()) {
            return;
        }
        for (uint32_t index = club.PlayerCount(); index-- > 0;) {
            const uint32_t id = club.PlayerId(index);
            if (!IsKeptRole(world.FindPlayer(id))) {
                club.RemovePlayer(id);
                world.RemovePlayer(id);
                ++removed;
            }
        }
    });
    std::vector<uint32_t>& without = world.PlayersWithoutClub();
    for (size_t index = without.size(); index-- > 0;) {
        const uint32_t id = without[index];
        if (!IsKeptRole(world.FindPlayer(id))) {
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(index));
            world.RemovePlayer(id);
            ++removed;
        }
    }
    return removed;
}

int ReplaceYellowShoes(CWorld& world, CClub& club) {
    return ForEachListed(world, club, BlackenShoes);
}

int ReplaceYellowShoes(CWorld& world, CCountry& country) {
    int changed = 0;
    for (const auto& [id, club] : country.Clubs()) {
        changed += ReplaceYellowShoes(world, *club);
    }
    return changed;
}

int ReplaceYellowShoes(CWorld& world) {
    int changed = 0;
    ForEachClub(world, [&](CClub& club) { changed += ReplaceYellowShoes(world, club); });
    return changed;
}

} // namespace tallo
