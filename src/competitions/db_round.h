#pragma once

#include <cstdint>
#include <memory>

#include "competitions/db_competition.h"

namespace tallo {

// One knockout tie of an international competition, of up to two legs: its calendar holds the
// first-leg day and the second-leg day.
class CDBRound : public CDBCompetition {
public:
    // Names of rounds are read with up to 126 characters.
    static constexpr size_t kRoundNameReadLimit = 126;

    explicit CDBRound(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;

    int32_t RoundSetting() const { return roundSetting_; }
    void SetRoundSetting(int32_t value) { roundSetting_ = value; }
    uint32_t FirstLegFlags() const { return firstLegFlags_; }
    void SetFirstLegFlags(uint32_t flags) { firstLegFlags_ = flags; }
    uint32_t SecondLegFlags() const { return secondLegFlags_; }
    void SetSecondLegFlags(uint32_t flags) { secondLegFlags_ = flags; }

    // The lowest day 1-399 with a matchday, 0 when there is none.
    int FirstLegDay() const;
    // The first matchday day after the first-leg day, 0 when there is none.
    int SecondLegDay() const;

    int32_t RequiredMatchdays() const override { return 2; }
    uint32_t OwnProblems(int32_t reserveLevel) const override;
    std::vector<std::string> DescribeProblems(int32_t reserveLevel) const override;
    std::string_view SectionTypeName() const override { return "DB_ROUND"; }
    bool Load(CKLFile& file) override;

protected:
    CDBRound(const CDBRound&) = default;
    bool Save(CKLFile& file, uint32_t countryOverride) const override;
    bool SaveLead(CKLFile& file) const override;
    // The days of a round are set by its definition, not by inserting matchdays.
    bool InsertMatchdayFrom(int, std::set<uint32_t>&) override { return false; }

private:
    int32_t roundSetting_ = 0;
    uint32_t firstLegFlags_ = 0;
    uint32_t secondLegFlags_ = 0;
};

} // namespace tallo
