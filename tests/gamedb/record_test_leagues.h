#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "competitions/competition_id.h"
#include "competitions/db_league.h"
#include "world/world.h"

namespace tallo::test {

// Leagues entered into a world's competition index for the life of the object, without a
// competition tree around them.
class RecordLeagues {
public:
    explicit RecordLeagues(CWorld& world) : world_(world) {}
    ~RecordLeagues() {
        for (const auto& league : leagues_) {
            world_.UnregisterCompetition(league->Id());
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
        world_.RegisterCompetition(league->Id(), league.get());
        leagues_.push_back(std::move(league));
        return *leagues_.back();
    }

private:
    CWorld& world_;
    std::vector<std::unique_ptr<CDBLeague>> leagues_;
};

} // namespace tallo::test
