#include "competitions/db_root.h"

#include "competitions/competition_keywords.h"

namespace tallo {

CDBRoot::CDBRoot(uint32_t id) : CDBCompetition(id, NodeKind::kRoot) {}

std::unique_ptr<CDBCompetition> CDBRoot::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBRoot(*this));
}

uint32_t CDBRoot::CupId(uint32_t kind) const {
    for (size_t i = 0; i < kCupKinds.size(); ++i) {
        if (kCupKinds[i] == kind) {
            return cupIds_[i];
        }
    }
    return 0;
}

void CDBRoot::RefreshCupIds() {
    for (size_t i = 0; i < kCupKinds.size(); ++i) {
        uint32_t id = CompetitionId::Make(CountryIndex(), kCupKinds[i], 0);
        cupIds_[i] = FindNode(id) != nullptr ? id : 0;
    }
}

} // namespace tallo
