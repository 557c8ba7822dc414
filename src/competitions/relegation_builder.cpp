// The play-offs and relegation leagues between the league levels of a country.

#include <memory>

#include "competitions/competition_keywords.h"
#include "competitions/competition_texts.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "competitions/db_rel_england1.h"
#include "competitions/db_rel_england2.h"
#include "competitions/db_rel_england3.h"
#include "competitions/db_rel_scottland1.h"
#include "competitions/db_rel_switzerland.h"
#include "world/country.h"

namespace tallo {

namespace {

bool IsPlayOffKind(uint32_t kind) {
    return kind == CompetitionKind::kRel1 || kind == CompetitionKind::kRel2 ||
           kind == CompetitionKind::kRel3 || kind == CompetitionKind::kScott1 ||
           kind == CompetitionKind::kSwitzerland;
}

// The play-off cup of an English rule, not yet numbered.
std::unique_ptr<CDBCup> EnglishPlayOff(uint8_t rule, uint32_t id) {
    switch (rule) {
    case RelegationRule::kEngland1: {
        auto cup = std::make_unique<CDBRelEngland1>(id);
        cup->SetScheme(CDBRelEngland1::kScheme);
        return cup;
    }
    case RelegationRule::kEngland2: {
        auto cup = std::make_unique<CDBRelEngland2>(id);
        cup->SetScheme(CDBRelEngland2::kScheme);
        return cup;
    }
    default: {
        auto cup = std::make_unique<CDBRelEngland3>(id);
        cup->SetScheme(CDBRelEngland3::kScheme);
        return cup;
    }
    }
}

uint32_t EnglishKind(uint8_t rule) {
    return rule == RelegationRule::kEngland1   ? CompetitionKind::kRel1
           : rule == RelegationRule::kEngland2 ? CompetitionKind::kRel2
                                               : CompetitionKind::kRel3;
}

} // namespace

std::vector<uint32_t> CCompetitionTree::LeagueNumbersOfLevel(int level) const {
    std::vector<uint32_t> numbers;
    if (level < 0 || level >= kLeagueLevels) {
        return numbers;
    }
    const CCountry& country = *country_;
    for (uint32_t n = country.firstLeagueIndex[level]; n < country.endLeagueIndex[level]; ++n) {
        if (League(n) != nullptr) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

void CCompetitionTree::DeletePlayOffsOfTransition(int transition) {
    std::vector<uint32_t> doomed;
    for (int level : {transition, transition + 1}) {
        for (uint32_t number : LeagueNumbersOfLevel(level)) {
            CDBLeagueBase* league = League(number);
            for (uint32_t id : league->Successors()) {
                const CDBCompetition* node = id != 0 && IsPlayOffKind(CompetitionId::KindOf(id))
                                                 ? store_.FindOwn(id)
                                                 : nullptr;
                if (node == nullptr) {
                    continue;
                }
                // Only the transition's own play-offs: a play-off cup carries the level of its
                // upper league, and a league of this transition's upper level may also be the
                // lower league of the play-off of the transition above it (English, Swiss).
                // A relegation league hangs below its upper league only.
                const bool ownCup =
                    node->NodeKind() == NodeKind::kCup && node->Level() == transition;
                const bool ownLeague = node->NodeKind() != NodeKind::kCup && level == transition;
                if (ownCup || ownLeague) {
                    doomed.push_back(id);
                }
            }
            if (level == transition && league->RelegationRule() >= RelegationRule::kEngland1 &&
                league->RelegationRule() <= RelegationRule::kEngland3) {
                league->SetRelegationRule(RelegationRule::kNone);
            }
        }
    }
    // Play-off cups of the transition that no league links any more (their leagues were
    // replaced by the league system) go as well.
    for (const auto& [id, node] : store_.Nodes()) {
        if (IsPlayOffKind(CompetitionId::KindOf(id)) && node->NodeKind() == NodeKind::kCup &&
            node->Level() == transition && node->PredecessorCount() == 0) {
            doomed.push_back(id);
        }
    }
    for (uint32_t id : doomed) {
        store_.Delete(id);
    }
}

void CCompetitionTree::BuildRelegation(const std::array<bool, kLeagueLevels>& changedTransitions) {
    CCountry& country = *country_;
    EnsureRoot();
    // Play-offs of English rules whose lower league is entered once all transitions are done.
    std::vector<std::pair<uint32_t, int>> englishPlayOffs;

    for (int k = 0; k < kLeagueLevels; ++k) {
        if (!changedTransitions[static_cast<size_t>(k)]) {
            continue;
        }
        DeletePlayOffsOfTransition(k);
        const uint8_t rule = country.relegationRules[k];
        const std::vector<uint32_t> upper = LeagueNumbersOfLevel(k);
        const std::vector<uint32_t> lower = LeagueNumbersOfLevel(k + 1);
        auto refuse = [&]() {
            for (uint32_t number : upper) {
                League(number)->SetRelegationRule(RelegationRule::kNone);
            }
            country.relegationRules[k] = RelegationRule::kNone;
        };

        if (rule >= RelegationRule::kEngland1 && rule <= RelegationRule::kEngland3) {
            if (upper.size() != 1) {
                refuse();
                continue;
            }
            const uint32_t kind = EnglishKind(rule);
            std::unique_ptr<CDBCup> cup = EnglishPlayOff(
                rule, CompetitionId::Make(CountryNumber(), kind, NextFreeNumber(kind)));
            cup->SetName(CompetitionText(CompetitionTextId::kRelegationPlayOff));
            cup->SetLevel(k);
            CDBCompetition* added = AddNode(std::move(cup));
            CDBLeagueBase* league = League(upper.front());
            if (added != nullptr) {
                league->AddSuccessor(added->Id(), true);
                englishPlayOffs.emplace_back(added->Id(), k);
            }
            league->SetRelegationRule(rule);
        } else if (rule == RelegationRule::kScotland) {
            if (upper.size() != 1) {
                refuse();
                continue;
            }
            auto relegationLeague = std::make_unique<CDBRelScottland1>(
                CompetitionId::Make(CountryNumber(), CompetitionKind::kScott1,
                                    NextFreeNumber(CompetitionKind::kScott1)));
            // Its teams come from the two leagues during the season.
            relegationLeague->SetSize(0);
            CDBCompetition* added = AddNode(std::move(relegationLeague));
            CDBLeagueBase* league = League(upper.front());
            if (added != nullptr) {
                league->AddSuccessor(added->Id(), true);
            }
            league->SetRelegationRule(rule);
        } else if (rule == RelegationRule::kSwitzerland) {
            if (upper.size() != 1 || lower.size() != 1) {
                refuse();
                continue;
            }
            auto cup = std::make_unique<CDBRelSwitzerland>(
                CompetitionId::Make(CountryNumber(), CompetitionKind::kSwitzerland,
                                    NextFreeNumber(CompetitionKind::kSwitzerland)));
            cup->SetScheme(CDBRelSwitzerland::kScheme);
            cup->SetName(CompetitionText(CompetitionTextId::kRelegationPlayOff));
            cup->SetLevel(k);
            CDBCompetition* added = AddNode(std::move(cup));
            CDBLeagueBase* upperLeague = League(upper.front());
            if (added != nullptr) {
                upperLeague->AddSuccessor(added->Id(), true);
                League(lower.front())->AddSuccessor(added->Id(), true);
            }
            upperLeague->SetRelegationRule(rule);
        }
    }

    for (const auto& [id, transition] : englishPlayOffs) {
        const std::vector<uint32_t> lower = LeagueNumbersOfLevel(transition + 1);
        CDBCompetition* playOff = store_.FindOwn(id);
        if (playOff != nullptr && lower.size() == 1) {
            playOff->AddPredecessor(League(lower.front())->Id(), true);
        }
    }
    RefreshCupIds();
}

} // namespace tallo
