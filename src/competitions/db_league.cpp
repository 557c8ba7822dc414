#include "competitions/db_league.h"

namespace tallo {

CDBLeague::CDBLeague(uint32_t id) : CDBLeagueBase(id) {}

std::unique_ptr<CDBCompetition> CDBLeague::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBLeague(*this));
}

} // namespace tallo
