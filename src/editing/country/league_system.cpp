#include "editing/country/league_system.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "world/country.h"

namespace tallo {

namespace {

bool IsPlayOffKind(uint32_t kind) {
    return kind == CompetitionKind::kRel1 || kind == CompetitionKind::kRel2 ||
           kind == CompetitionKind::kRel3 || kind == CompetitionKind::kScott1 ||
           kind == CompetitionKind::kSwitzerland;
}

} // namespace

bool ApplyLeagueSystem(CCountry& country, const LeagueCounts& counts, TransitionRules rules) {
    const int format = FindLeagueFormat(counts);
    CCompetitionTree* tree = CompetitionTreeOf(country);
    if (format < 0 || tree == nullptr) {
        return false;
    }
    tree->EnsureRoot();

    // 1. Rules the new format does not allow.
    for (int transition = 0; transition < kLeagueLevelCount; ++transition) {
        if (!RuleAllowed(format, transition, rules[transition])) {
            rules[transition] = RelegationRule::kNone;
        }
    }

    // 2. The old leagues by level (as the league table has them), then every league out.
    std::array<std::vector<uint32_t>, kLeagueLevelCount> oldIds;
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        for (uint32_t number : tree->LeagueNumbersOfLevel(level)) {
            oldIds[level].push_back(tree->League(number)->Id());
        }
    }
    std::set<uint32_t> playOffs;
    std::vector<uint32_t> leagueIds;
    for (const CDBLeagueBase* league : tree->Leagues()) {
        leagueIds.push_back(league->Id());
        for (uint32_t id : league->Successors()) {
            if (id != 0 && IsPlayOffKind(CompetitionId::KindOf(id)) &&
                CompetitionId::CountryOf(id) == tree->CountryNumber()) {
                playOffs.insert(id);
            }
        }
    }
    std::map<uint32_t, std::unique_ptr<CDBCompetition>> oldLeagues;
    for (uint32_t id : leagueIds) {
        if (std::unique_ptr<CDBCompetition> node = tree->TakeOutNode(id)) {
            oldLeagues.emplace(id, std::move(node));
        }
    }

    // 3. The new league table.
    uint32_t number = 0;
    uint8_t levels = 0;
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        country.firstLeagueIndex[level] = static_cast<uint8_t>(number);
        for (int k = 0; k < counts[level]; ++k) {
            CDBLeagueBase* league = tree->CreateLeague(number);
            if (league == nullptr) {
                continue; // the number is held by a node the country did not list as a league
            }
            ++number;
            const CDBLeagueBase* old = nullptr;
            if (static_cast<size_t>(k) < oldIds[level].size()) {
                auto found = oldLeagues.find(oldIds[level][static_cast<size_t>(k)]);
                if (found != oldLeagues.end()) {
                    old = dynamic_cast<const CDBLeagueBase*>(found->second.get());
                }
            }
            if (old != nullptr) {
                league->CopyLeagueFrom(*old);
            } else if (!oldIds[level].empty()) {
                league->FillFixturesFromTemplate();
            } else {
                league->ResetFixtures();
            }
            league->SetLevel(level);
            league->SetRelegationRule(rules[level]);
        }
        country.endLeagueIndex[level] = static_cast<uint8_t>(number);
        if (country.endLeagueIndex[level] > country.firstLeagueIndex[level]) {
            levels = static_cast<uint8_t>(level + 1);
        } else {
            country.firstLeagueIndex[level] = 0;
            country.endLeagueIndex[level] = 0;
        }
        country.relegationRules[level] = rules[level];
    }
    country.leagueCount = levels;

    // 4. The old leagues go, and the play-offs and relegation leagues that hung below them.
    oldLeagues.clear();
    for (uint32_t id : playOffs) {
        tree->DeleteNode(id);
    }

    // 5. The relegation structure of every transition, and the root's cup IDs.
    std::array<bool, CCompetitionTree::kLeagueLevels> changed{};
    changed.fill(true);
    tree->BuildRelegation(changed);
    tree->RefreshCupIds();
    return true;
}

bool ApplyLeagueFormat(CCountry& country, int format, const TransitionRules& rules) {
    if (format < 0 || format >= kLeagueFormatCount) {
        return false;
    }
    return ApplyLeagueSystem(country, LeagueFormatAt(format).counts, rules);
}

} // namespace tallo
