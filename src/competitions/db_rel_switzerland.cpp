#include "competitions/db_rel_switzerland.h"

#include "competitions/competition_keywords.h"
#include "formats/kl_file.h"

namespace tallo {

CDBRelSwitzerland::CDBRelSwitzerland(uint32_t id)
    : CDBCup(CompetitionId::WithKind(id, CompetitionKind::kSwitzerland)) {}

std::unique_ptr<CDBCompetition> CDBRelSwitzerland::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBRelSwitzerland(*this));
}

bool CDBRelSwitzerland::SaveExtra(CKLFile& file) const {
    return file.WriteInt(Level());
}

bool CDBRelSwitzerland::LoadExtra(CKLFile& file) {
    int32_t level = -1;
    bool ok = file.ReadInt(level);
    SetLevel(level);
    return ok;
}

} // namespace tallo
