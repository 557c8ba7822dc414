#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "competitions/db_competition.h"

namespace tallo {

// A set of teams of an international competition (a group or a draw pot), and the
// competitions whose tables it draws from.
class CDBPool : public CDBCompetition {
public:
    static constexpr int kMaxTeams = 120;
    static constexpr int kMaxChecks = 3;

    explicit CDBPool(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;

    int32_t TeamCount() const { return teamCount_; }
    std::vector<uint32_t> Teams() const;
    // As for leagues: club number 0 ignored, a full pool refuses, a team present stays.
    bool AddTeam(uint32_t clubReference);
    bool RemoveTeam(uint32_t clubReference);
    int TeamIndex(uint32_t clubReference) const override;

    int32_t PoolValue1() const { return poolValue1_; }
    void SetPoolValue1(int32_t value) { poolValue1_ = value; }
    int32_t PoolValue2() const { return poolValue2_; }
    void SetPoolValue2(int32_t value) { poolValue2_ = value; }
    // POOL_SORT_* value.
    int32_t PoolSort() const { return poolSort_; }
    void SetPoolSort(int32_t sort) { poolSort_ = sort; }

    // The competitions to check (up to three).
    std::vector<uint32_t> CheckIds() const;
    void SetCheckIds(const std::vector<uint32_t>& ids);

    int32_t RequiredMatchdays() const override { return 0; }
    std::string_view SectionTypeName() const override { return "DB_POOL"; }
    bool Load(CKLFile& file) override;

protected:
    CDBPool(const CDBPool&) = default;
    bool Save(CKLFile& file, uint32_t countryOverride) const override;

private:
    int32_t teamCount_ = 0;
    std::array<uint32_t, kMaxTeams> teams_{};
    int32_t poolValue1_ = 0;
    int32_t poolValue2_ = 0;
    int32_t poolSort_ = 0;
    int32_t checkCount_ = 0;
    std::array<uint32_t, kMaxChecks> checkIds_{};
};

} // namespace tallo
