#pragma once

#include <cstdint>
#include <memory>

#include "competitions/db_league_base.h"

namespace tallo {

// A league of a country (kind LEAGUE, numbered from the top division down).
class CDBLeague : public CDBLeagueBase {
public:
    explicit CDBLeague(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;

protected:
    CDBLeague(const CDBLeague&) = default;
};

} // namespace tallo
