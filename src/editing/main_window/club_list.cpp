#include "editing/main_window/club_list.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/main_window/record_name_order.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kLeagueLevels = 5;
constexpr double kLeagueLevelTolerance = 0.01;
constexpr double kLevelTolerance = 0.001;

struct LeagueOfClub {
    int rank = 0; // place of the league in level and league order
    std::string name;
};

// The first league (levels 0 to 4, each level's leagues in order) of every club whose first
// team plays in one.
std::unordered_map<uint32_t, LeagueOfClub> LeaguesOfClubs(const CCountry& country) {
    std::unordered_map<uint32_t, LeagueOfClub> leagues;
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr) {
        return leagues;
    }
    int rank = 0;
    for (int level = 0; level < kLeagueLevels; ++level) {
        for (uint32_t number : tree->LeagueNumbersOfLevel(level)) {
            const CDBLeagueBase* league = tree->League(number);
            if (league == nullptr) {
                continue;
            }
            for (uint32_t team : league->Teams()) {
                if (!ClubId::IsSecondTeam(team)) {
                    leagues.emplace(team & ClubId::kIdMask,
                                    LeagueOfClub{rank, std::string(league->Name())});
                }
            }
            ++rank;
        }
    }
    return leagues;
}

// A row with what its sort needs.
struct SortedRow {
    ClubRow row;
    int leagueRank = -1; // -1: no league
    std::string nameKey;
};

bool LevelsEqual(double a, double b, double tolerance) {
    return std::fabs(a - b) < tolerance;
}

std::string RowText(const ClubRow& row) {
    if (row.nationalTeam) {
        return row.name + "\t\t";
    }
    return row.name + "\t" + row.league + "\t" + FormatLevel(row.level);
}

} // namespace

double FirstTeamLevel(const CClub& club) {
    const CWorld* world = club.World();
    if (world == nullptr) {
        return 0;
    }
    double sum = 0;
    int count = 0;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world->FindPlayer(club.PlayerId(i));
        if (person != nullptr && person->IsPlayerRole() && person->IsFirstTeam()) {
            sum += person->GetRating();
            ++count;
        }
    }
    return count != 0 ? sum / count : 0;
}

ClubListContent BuildClubList(const CCountry& country, ClubSort sort, int languageSlot) {
    ClubListContent content;
    CountryStatistics& statistics = content.statistics;
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    statistics.leagues = tree != nullptr ? tree->LeagueCount() : 0;

    const std::unordered_map<uint32_t, LeagueOfClub> leagues = LeaguesOfClubs(country);
    const CWorld* world = country.World();
    std::vector<SortedRow> rows;
    rows.reserve(std::min(country.GetClubCount(), kMaxClubRows));
    for (const auto& [id, club] : country.Clubs()) {
        if (rows.size() >= kMaxClubRows) {
            break;
        }
        SortedRow sorted;
        ClubRow& row = sorted.row;
        row.clubId = id;
        row.nationalTeam = club->IsNationalTeam();
        row.name = std::string(club->Name(languageSlot));

        // The persons: the country's half of the statistics and the first team's level.
        statistics.persons += static_cast<int>(club->PlayerCount());
        row.level = AddClubPersons(world, *club, statistics.talents, statistics.personLevelSum,
                                   statistics.personsFound);
        statistics.clubLevelSum += row.level;
        if (!row.nationalTeam) {
            ++statistics.clubs;
        }

        auto league = leagues.find(id);
        if (league != leagues.end() && !row.nationalTeam) {
            row.league = league->second.name;
            sorted.leagueRank = league->second.rank;
        }
        row.text = RowText(row);
        if (sort == ClubSort::ByName) {
            sorted.nameKey = RecordNameKey(row.name);
        }
        rows.push_back(std::move(sorted));
    }

    std::stable_sort(rows.begin(), rows.end(), [sort](const SortedRow& a, const SortedRow& b) {
        if (a.row.nationalTeam != b.row.nationalTeam) {
            return a.row.nationalTeam;
        }
        switch (sort) {
        case ClubSort::ByName:
            return a.nameKey < b.nameKey;
        case ClubSort::ByLeague:
            if ((a.leagueRank < 0) != (b.leagueRank < 0)) {
                return b.leagueRank < 0;
            }
            if (a.leagueRank != b.leagueRank) {
                return a.leagueRank < b.leagueRank;
            }
            if (LevelsEqual(a.row.level, b.row.level, kLeagueLevelTolerance)) {
                return false;
            }
            return a.row.level > b.row.level;
        case ClubSort::ByLevel:
            if (LevelsEqual(a.row.level, b.row.level, kLevelTolerance)) {
                return false;
            }
            return a.row.level > b.row.level;
        }
        return false;
    });
    content.rows.reserve(rows.size());
    for (SortedRow& sorted : rows) {
        content.rows.push_back(std::move(sorted.row));
    }
    return content;
}

} // namespace tallo
