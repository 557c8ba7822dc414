#include "competitions/db_pool.h"

#include <algorithm>

#include "competitions/competition_keywords.h"
#include "formats/kl_file.h"

namespace tallo {

CDBPool::CDBPool(uint32_t id) : CDBCompetition(id, NodeKind::kPool) {}

std::unique_ptr<CDBCompetition> CDBPool::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBPool(*this));
}

std::vector<uint32_t> CDBPool::Teams() const {
    return std::vector<uint32_t>(teams_.begin(), teams_.begin() + teamCount_);
}

bool CDBPool::AddTeam(uint32_t clubReference) {
    if ((clubReference & 0xFFFFu) == 0) {
        return false;
    }
    if (TeamIndex(clubReference) >= 0) {
        return true;
    }
    if (teamCount_ >= kMaxTeams) {
        return false;
    }
    teams_[static_cast<size_t>(teamCount_++)] = clubReference;
    return true;
}

bool CDBPool::RemoveTeam(uint32_t clubReference) {
    int index = TeamIndex(clubReference);
    if (index < 0) {
        return false;
    }
    std::copy(teams_.begin() + index + 1, teams_.begin() + teamCount_, teams_.begin() + index);
    teams_[static_cast<size_t>(--teamCount_)] = 0;
    return true;
}

int CDBPool::TeamIndex(uint32_t clubReference) const {
    for (int i = 0; i < teamCount_; ++i) {
        if (teams_[static_cast<size_t>(i)] == clubReference) {
            return i;
        }
    }
    return -1;
}

std::vector<uint32_t> CDBPool::CheckIds() const {
    return std::vector<uint32_t>(checkIds_.begin(), checkIds_.begin() + checkCount_);
}

void CDBPool::SetCheckIds(const std::vector<uint32_t>& ids) {
    checkIds_.fill(0);
    checkCount_ = static_cast<int32_t>(std::min(ids.size(), size_t{kMaxChecks}));
    std::copy(ids.begin(), ids.begin() + checkCount_, checkIds_.begin());
}

bool CDBPool::Save(CKLFile& file, uint32_t countryOverride) const {
    bool ok = file.WriteInt(poolValue1_);
    ok = file.WriteInt(poolValue2_) && ok;
    ok = file.WriteString(PoolSortKeywords().KeywordOf(poolSort_)) && ok;
    ok = file.WriteComment(" how many comps to check") && ok;
    ok = file.WriteInt(checkCount_) && ok;
    ok = file.WriteComment(" which comps to check") && ok;
    for (int i = 0; i < kMaxChecks; ++i) {
        if (i < checkCount_) {
            ok = file.WriteString(CompetitionId::ToText(checkIds_[static_cast<size_t>(i)])) && ok;
        } else {
            ok = file.WriteInt(0) && ok;
        }
    }
    ok = SaveValues(file) && ok;
    ok = SaveBaseValues(file, countryOverride) && ok;
    return ok;
}

bool CDBPool::Load(CKLFile& file) {
    bool ok = file.ReadInt(poolValue1_);
    ok = file.ReadInt(poolValue2_) && ok;
    std::string text;
    ok = file.ReadCString(text) && ok;
    poolSort_ = PoolSortKeywords().Lookup(text, 0);
    int32_t count = 0;
    ok = file.ReadInt(count) && ok;
    if (count < 0 || count > kMaxChecks) {
        AddLoadNote("names " + std::to_string(count) +
                    " competitions to check; a pool checks at most 3");
    }
    checkCount_ = std::clamp(count, 0, kMaxChecks);
    checkIds_.fill(0);
    // The writer always gives three ID lines (unused ones "0"), so three are read and the
    // values after them stay in place whatever the count.
    for (int i = 0; i < kMaxChecks; ++i) {
        std::string line;
        ok = file.ReadCString(line) && ok;
        if (i < checkCount_) {
            checkIds_[static_cast<size_t>(i)] = CompetitionId::Parse(line);
        }
    }
    // The four values of a pool are in the file but not kept.
    ok = LoadValues(file, false) && ok;
    ok = LoadBaseValues(file) && ok;
    NoteTruncated(ok);
    return ok;
}

} // namespace tallo
