#include "competitions/db_rel_scottland1.h"

#include "competitions/competition_keywords.h"

namespace tallo {

CDBRelScottland1::CDBRelScottland1(uint32_t id)
    : CDBLeague(CompetitionId::WithKind(id, CompetitionKind::kScott1)) {
    ResetFixtures();
}

std::unique_ptr<CDBCompetition> CDBRelScottland1::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBRelScottland1(*this));
}

} // namespace tallo
