#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "competitions/db_competition.h"
#include "competitions/db_fixturelist.h"

namespace tallo {

// What every league has: its teams (club references; bit 24 marks a reserve team), the size
// it must have, how often each pair meets, its fixture table, its relegation rule and its
// multipliers.
class CDBLeagueBase : public CDBCompetition {
public:
    static constexpr int kMaxTeams = 100;
    static constexpr int32_t kDefaultSize = 18;
    static constexpr int32_t kDefaultRounds = 2;
    static constexpr int32_t kMinRounds = 2;
    static constexpr int32_t kMaxRounds = 4;
    // More required matchdays than this set the rounds back to 2.
    static constexpr int32_t kMaxMatchdaysBeforeRoundCut = 46;
    static constexpr uint8_t kDefaultAttendance = 10;
    static constexpr uint8_t kDefaultTransfer = 100;

    // Teams ------------------------------------------------------------------------------------

    int32_t TeamCount() const { return teamCount_; }
    uint32_t TeamAt(int index) const;
    std::vector<uint32_t> Teams() const;
    // Appends a team: a reference whose club number is 0 is ignored (false), a full league
    // (as many teams as its size) refuses it (false), a team already entered is left as it is
    // (true).
    bool AddTeam(uint32_t clubReference);
    // Inserts at a position (clamped to the list), shifting the later teams; same refusals.
    bool InsertTeam(int position, uint32_t clubReference);
    // Removes the team and closes the gap; false when it is not entered.
    bool RemoveTeam(uint32_t clubReference);
    void ClearTeams();
    int TeamIndex(uint32_t clubReference) const override;
    bool HoldsReserveTeams() const;

    // Shape ------------------------------------------------------------------------------------

    int32_t Size() const { return size_; }
    // 0 to 100; the rounds are set back to 2 when the league would need more than 46
    // matchdays, and the fixture table takes the new shape (pairings that fit are kept).
    void SetSize(int32_t size);
    int32_t Rounds() const { return rounds_; }
    // 2, 3 or 4 (others give 2), cut back as with SetSize.
    void SetRounds(int32_t rounds);
    // (size rounded up to an even number - 1) * rounds.
    int32_t RequiredMatchdays() const override;

    CDBFixturelist& Fixtures() { return fixtures_; }
    const CDBFixturelist& Fixtures() const { return fixtures_; }
    // Makes the fixture table empty with one row per required matchday and size / 2 columns.
    void ResetFixtures();
    // Fills the fixture table from the league templates (sizes 8 to 24); false for other sizes.
    bool FillFixturesFromTemplate();

    // Settings -------------------------------------------------------------------------------

    uint8_t RelegationRule() const { return relegationRule_; }
    void SetRelegationRule(uint8_t rule) { relegationRule_ = rule; }
    uint8_t SpareByte() const { return spare_; }
    void SetSpareByte(uint8_t value) { spare_ = value; }
    // In hundredths.
    uint8_t AttendanceMultiplier() const { return attendance_; }
    void SetAttendanceMultiplier(uint8_t value) { attendance_ = value; }
    uint8_t TransferMultiplier() const { return transfer_; }
    void SetTransferMultiplier(uint8_t value) { transfer_ = value; }

    // Takes over another league's data: name, short name, size, rounds, level, rule, spare
    // byte, multipliers, values 0-3, teams, calendar and the fixture pairings that fit.
    void CopyLeagueFrom(const CDBLeagueBase& other);

    // Checks and files -------------------------------------------------------------------------

    uint32_t OwnProblems(int32_t reserveLevel) const override;
    std::vector<std::string> DescribeProblems(int32_t reserveLevel) const override;
    std::string_view SectionTypeName() const override { return "DB_LEAGUE"; }
    bool Load(CKLFile& file) override;

protected:
    CDBLeagueBase(uint32_t id);
    CDBLeagueBase(const CDBLeagueBase&) = default;
    bool Save(CKLFile& file, uint32_t countryOverride) const override;

private:
    void CutRounds();
    bool AdmitsTeam(uint32_t clubReference, bool& present) const;
    bool LoadTeams(CKLFile& file);
    bool LoadFixtures(CKLFile& file);
    // Teams that are no club of the world.
    std::vector<uint32_t> MissingClubs() const;
    bool IsCountryLeague() const;

    int32_t teamCount_ = 0;
    std::array<uint32_t, kMaxTeams> teams_{};
    int32_t size_ = kDefaultSize;
    CDBFixturelist fixtures_;
    int32_t rounds_ = kDefaultRounds;
    uint8_t relegationRule_ = 0;
    uint8_t spare_ = 0;
    uint8_t attendance_ = kDefaultAttendance;
    uint8_t transfer_ = kDefaultTransfer;
};

} // namespace tallo
