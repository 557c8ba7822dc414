#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "competitions/db_competition.h"
#include "competitions/scheme_services.h"

namespace tallo {

// A cup: a national cup, league cup or super cup, and the base of the relegation play-offs.
// Its rounds come from its cup scheme; each round keeps four numbers in one of eight round
// slots (a scheme of r rounds uses slots 8 - r to 7).
class CDBCup : public CDBCompetition {
public:
    static constexpr int kRoundSlots = 8;
    static constexpr int kRoundValues = 4;
    // Problem bit: the cup names a scheme that the installed scheme table does not have.
    static constexpr uint32_t kUnknownScheme = 0x1000000;

    explicit CDBCup(uint32_t id);
    std::unique_ptr<CDBCompetition> Clone() const override;

    uint32_t Scheme() const { return scheme_; }
    void SetScheme(uint32_t scheme) { scheme_ = scheme; }
    // The scheme's rounds (empty when it is not known).
    std::vector<CupSchemeRound> SchemeRounds() const { return CupSchemeRounds(scheme_); }
    // Sum over the scheme's rounds: 2 for a round with a second leg or a replay, else 1.
    int32_t RequiredMatchdays() const override;
    // The display name of the round the matchday belongs to, with the leg for rounds of two
    // matchdays; the number for matchdays outside the scheme.
    std::string MatchdayName(int32_t matchday) const override;

    // The level of the first predecessor when that is a league, else 0.
    int32_t PredecessorLevel() const;

    // Round values: index 0-3, slot 0-7; outside reads 0 and sets nothing.
    int32_t GetRoundValue(int index, int slot) const;
    void SetRoundValue(int index, int slot, int32_t value);
    // The block of the cup is its 32 round values, index by index.
    size_t ExtraValueCount() const override { return kRoundSlots * kRoundValues; }
    void GetExtraValues(int32_t* block) const override;
    void SetExtraValues(const int32_t* block) override;

    uint32_t OwnProblems(int32_t reserveLevel) const override;
    std::vector<std::string> DescribeProblems(int32_t reserveLevel) const override;
    // By scheme: 1-8, 15, 16 DB_CUP; 11 DB_REL1; 12 DB_REL2; 20 DB_REL3; 13 DB_CHALLENGE;
    // 14 DB_CONFERENCE; 19 DB_SWITZERLAND. A plain cup is never written under a play-off's
    // name (that would read back as another class) nor without a name: those give DB_CUP.
    std::string_view SectionTypeName() const override;
    bool Load(CKLFile& file) override;

protected:
    CDBCup(const CDBCup&) = default;
    bool Save(CKLFile& file, uint32_t countryOverride) const override;
    // Values of the play-offs written after the scheme (none for plain cups).
    virtual bool SaveExtra(CKLFile&) const { return true; }
    virtual bool LoadExtra(CKLFile&) { return true; }

private:
    // Slots the scheme uses: 8 - r to 7.
    int FirstUsedSlot() const;
    bool SchemeKnown() const;

    uint32_t scheme_ = 0;
    std::array<std::array<int32_t, kRoundSlots>, kRoundValues> roundValues_{};
};

} // namespace tallo
