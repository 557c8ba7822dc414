#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "competitions/competition_id.h"
#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "world/world.h"

namespace tallo::test {

// Leagues and cups entered into a world's competition index for the life of the object,
// without a competition tree around them.
class RecordLeagues {
public:
    explicit RecordLeagues(CWorld& world) : world_(world) {}
    ~RecordLeagues() {
        for (const auto& node : nodes_) {
            world_.UnregisterCompetition(node->Id());
        }
    }
    RecordLeagues(const RecordLeagues&) = delete;
    RecordLeagues& operator=(const RecordLeagues&) = delete;

    // League `number` of `country` at `level`, listing `teams`.
    CDBLeague& Add(uint32_t country, uint32_t number, int32_t level,
                   std::initializer_list<uint32_t> teams = {}) {
        auto league = std::make_unique<CDBLeague>(CompetitionId::Make(country, 1, number));
        league->SetLevel(level);
        for (uint32_t team : teams) {
            league->AddTeam(team);
        }
        CDBLeague& added = *league;
        world_.RegisterCompetition(league->Id(), league.get());
        nodes_.push_back(std::move(league));
        return added;
    }

    // Cup `number` of competition kind `kind` of `country`.
    CDBCup& AddCup(uint32_t country, uint32_t kind, uint32_t number, std::string_view name) {
        auto cup = std::make_unique<CDBCup>(CompetitionId::Make(country, kind, number));
        cup->SetName(name);
        CDBCup& added = *cup;
        world_.RegisterCompetition(cup->Id(), cup.get());
        nodes_.push_back(std::move(cup));
        return added;
    }

private:
    CWorld& world_;
    std::vector<std::unique_ptr<CDBCompetition>> nodes_;
};

} // namespace tallo::test
