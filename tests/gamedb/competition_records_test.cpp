#include "gamedb/competition_records.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "competitions/db_pool.h"
#include "competitions/db_rel_england1.h"
#include "competitions/db_rel_scottland1.h"
#include "competitions/db_rel_switzerland.h"
#include "competitions/db_root.h"
#include "competitions/db_round.h"
#include "competitions/tree_test_support.h"
#include "gamedb/country_record.h"
#include "gamedb/record_test_support.h"
#include "world/country.h"

namespace tallo::test {
namespace {

constexpr uint32_t kLand = 21;

// Country 21 with clubs 1 to 5, of which club 2 has gone: the export indices are 1 -> 1,
// 3 -> 2, 4 -> 3, 5 -> 4.
void MakeClubs(CWorld& world) {
    CCountry& country = *world.GetCountry(kLand);
    for (int n = 1; n <= 5; ++n) {
        country.CreateClub("Club " + std::to_string(n));
    }
    country.RemoveClub(ClubId::Make(kLand, 2));
}

// A league of four teams meeting twice: 6 matchdays of 2 pairings.
std::unique_ptr<CDBLeague> MakePremier() {
    auto league = std::make_unique<CDBLeague>(CompetitionId::Make(kLand, 1, 0));
    league->SetName("Premier");
    league->SetShortName("PREM"); // never written
    league->SetSize(4);
    league->SetLevel(0);
    league->SetRelegationRule(2);
    league->SetSpareByte(7);
    league->SetAttendanceMultiplier(10);
    league->SetTransferMultiplier(100);
    league->AddTeam(ClubId::Make(kLand, 3));
    league->AddTeam(ClubId::Make(kLand, 1) | ClubId::kSecondTeamBit);
    league->AddTeam(ClubId::Make(kLand, 5));
    league->AddTeam(ClubId::Make(kLand, 9)); // no such club
    // Four of the six matchdays are in the calendar.
    league->SetMatchdayOn(20, 1);
    league->SetMatchdayOn(27, 2);
    league->SetMatchdayOn(34, 3);
    league->SetMatchdayOn(41, 4);
    league->Fixtures().SetPairing(0, 0, 1, 2);
    league->Fixtures().SetPairing(0, 1, 3, 4);
    league->Fixtures().SetPairing(1, 0, 4, 1);
    league->Fixtures().SetPairing(1, 1, 2, 3);
    league->SetValue(0, -1);
    league->SetValue(1, 500);
    league->SetValue(3, 7);
    league->AddSuccessor(CompetitionId::Make(kLand, 19, 0), false);
    return league;
}

ExpectedBytes PremierRecord() {
    ExpectedBytes e;
    // clang-format off
    e.U32(0x15010000)                       // ID: country 21, LEAGUE, 0
        .U16(1)                             // league record
        .Str("Premier")                     // name (no short name)
        .U32(4)                             // size
        .U32(0)                             // level
        .U8(2)                              // relegation rule
        .U8(7)                              // spare byte
        .U32(2)                             // rounds
        .U32(0x3DCCCCCC)                    // attendance 10 hundredths times 0.01
        .U32(0x3F800000)                    // transfer 100 hundredths: 1.0
        .U32(4)                             // team count
        .U32(0x00150002)                    //   club 3: export index 2
        .U32(0x01150001)                    //   reserve team of club 1
        .U32(0x00150004)                    //   club 5: export index 4
        .U32(0)                             //   club 9 does not exist
        .U16(20).U16(27).U16(34).U16(41)    // day list: the four days of the calendar
        .U16(0).U16(0)                      //   padded to the 6 required matchdays
        .U8(1).U8(2).U8(3).U8(4)            // fixtures row 0: 1-2, 3-4
        .U8(4).U8(1).U8(2).U8(3);           //   row 1: 4-1, 2-3
    for (int pairing = 0; pairing < 4 * 2; ++pairing) {
        e.U8(0).U8(0);                      //   rows 2 to 5 empty
    }
    e.U32(0xFFFFFFFF).U32(500).U32(0).U32(7) // values 0 to 3
        .U32(0)                             // tail: level
        .U32(0)                             //   no predecessors
        .U32(1).U32(0x15130000);            //   one successor: the REL1 play-off
    // clang-format on
    return e;
}

std::string Write(RecordBuild& build, const CDBCompetition& node,
                  uint32_t countryOverride = CompetitionId::kNoCountryOverride) {
    return build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        EXPECT_TRUE(WriteCompetitionGameData(buffer, context, node, countryOverride));
    });
}

TEST(CompetitionRecords, LeagueRecordByteForByte) {
    RecordBuild build;
    MakeClubs(build.world);
    auto league = MakePremier();
    EXPECT_EQ(Write(build, *league), PremierRecord().Bytes());
}

TEST(CompetitionRecords, EighteenTeamsWriteThirtyFourDaysAndTheWholeFixtureList) {
    RecordBuild build;
    CDBLeague league(CompetitionId::Make(kLand, 1, 1));
    league.SetName("D2");
    ASSERT_EQ(league.RequiredMatchdays(), 34);
    for (int m = 0; m < 34; ++m) {
        league.SetMatchdayOn(20 + m, m + 1);
    }
    ASSERT_TRUE(league.FillFixturesFromTemplate());
    ASSERT_TRUE(league.Fixtures().IsComplete());

    std::string bytes = Write(build, league);
    // Head 6, name 3, size to transfer multiplier 22, then the team count: no teams.
    size_t at = 6 + 3 + 22;
    EXPECT_EQ(ReadU32(bytes, at), 0u);
    at += 4;
    for (int m = 0; m < 34; ++m) {
        EXPECT_EQ(ReadU16(bytes, at + 2 * static_cast<size_t>(m)), 20 + m);
    }
    at += 68;
    for (int row = 0; row < 34; ++row) {
        for (int column = 0; column < 9; ++column) {
            auto pairing = league.Fixtures().GetPairing(row, column);
            ASSERT_EQ(static_cast<uint8_t>(bytes.at(at)), pairing.home) << row << "/" << column;
            ASSERT_EQ(static_cast<uint8_t>(bytes.at(at + 1)), pairing.away);
            at += 2;
        }
    }
    // Values, level -1, no links.
    EXPECT_EQ(bytes.substr(at),
              ExpectedBytes().U32(0).U32(0).U32(0).U32(0).U32(0xFFFFFFFF).U32(0).U32(0).Bytes());

    // Only 30 of the 34 matchdays in the calendar: 30 days and four zeros.
    for (int day = 50; day <= 53; ++day) {
        league.SetMatchdayOn(day, 0);
    }
    bytes = Write(build, league);
    EXPECT_EQ(ReadU16(bytes, 35 + 2 * 29), 49);
    EXPECT_EQ(bytes.substr(35 + 60, 8), ExpectedBytes().U16(0).U16(0).U16(0).U16(0).Bytes());
}

TEST(CompetitionRecords, CupRecordWritesTheRoundValuesOfItsSchemeSlots) {
    CompetitionScope scope; // scheme 1: three single-leg rounds
    RecordBuild build;
    CDBCup cup(CompetitionId::Make(kLand, 3, 0));
    cup.SetName("Land Cup");
    cup.SetScheme(1);
    cup.SetMatchdayOn(100, 1);
    cup.SetMatchdayOn(380, 2); // cups play up to day 399
    for (int slot = 0; slot < CDBCup::kRoundSlots; ++slot) {
        for (int index = 0; index < CDBCup::kRoundValues; ++index) {
            cup.SetRoundValue(index, slot, slot * 10 + index);
        }
    }
    ExpectedBytes e;
    // clang-format off
    e.U32(0x15030000)                       // ID: country 21, FA_CUP, 0
        .U16(3)                             // cup record
        .Str("Land Cup")
        .U32(1)                             // scheme
        .U16(100).U16(380).U16(0)           // day list of the 3 required matchdays
        .U32(50).U32(51).U32(52).U32(53)    // slot 5: round values 0 to 3
        .U32(60).U32(61).U32(62).U32(63)    // slot 6
        .U32(70).U32(71).U32(72).U32(73)    // slot 7
        .U32(0xFFFFFFFF).U32(0).U32(0);     // level never set, no links
    // clang-format on
    EXPECT_EQ(Write(build, cup), e.Bytes());

    // A cup without a scheme has no days and no round values.
    CDBCup empty(CompetitionId::Make(kLand, 7, 0));
    empty.SetName("Empty");
    empty.SetRoundValue(0, 7, 5);
    EXPECT_EQ(Write(build, empty), ExpectedBytes()
                                       .U32(0x15070000)
                                       .U16(3)
                                       .Str("Empty")
                                       .U32(0)
                                       .U32(0xFFFFFFFF)
                                       .U32(0)
                                       .U32(0)
                                       .Bytes());
}

TEST(CompetitionRecords, PlayOffsAreCupsAndTheScottishRelegationLeagueIsALeague) {
    CompetitionScope scope; // schemes 11 and 19: one round of two legs
    RecordBuild build;

    CDBRelEngland1 england(CompetitionId::Make(kLand, 0, 0));
    england.SetName("Play-off");
    england.SetScheme(11);
    england.SetLevel(1);
    england.AddPredecessor(CompetitionId::Make(kLand, 1, 0), false);
    england.AddPredecessor(CompetitionId::Make(kLand, 1, 1), false);
    england.SetMatchdayOn(150, 1);
    england.SetMatchdayOn(157, 2);
    england.SetRoundValue(0, 6, 99); // slot 6 is not the scheme's
    for (int index = 0; index < 4; ++index) {
        england.SetRoundValue(index, 7, 11 + index);
    }
    // clang-format off
    EXPECT_EQ(Write(build, england), ExpectedBytes()
        .U32(0x15130000)                    // ID: kind REL1
        .U16(3)                             // cup record
        .Str("Play-off")
        .U32(11)                            // scheme
        .U16(150).U16(157)                  // both legs
        .U32(11).U32(12).U32(13).U32(14)    // slot 7 only
        .U32(1)                             // level
        .U32(2).U32(0x15010000).U32(0x15010001) // the two leagues
        .U32(0)                             // no successors
        .Bytes());

    CDBRelSwitzerland swiss(CompetitionId::Make(kLand, 0, 0));
    swiss.SetName("Barrage");
    swiss.SetScheme(CDBRelSwitzerland::kScheme);
    swiss.SetLevel(2); // the level its text section also saves: the ordinary tail level
    EXPECT_EQ(Write(build, swiss), ExpectedBytes()
        .U32(0x151A0000)                    // ID: kind SWITZERLAND
        .U16(3)
        .Str("Barrage")
        .U32(19)
        .U16(0).U16(0)                      // no calendar: two zero days
        .U32(0).U32(0).U32(0).U32(0)        // slot 7
        .U32(2).U32(0).U32(0)
        .Bytes());

    CDBRelScottland1 scottish(CompetitionId::Make(kLand, 0, 0));
    scottish.SetName("Scot");
    scottish.SetSize(4);
    scottish.SetLevel(1);
    scottish.SetMatchdayOn(200, 1);
    ExpectedBytes e;
    e.U32(0x15180000)                       // ID: kind SCOTT1
        .U16(1)                             // league record
        .Str("Scot")
        .U32(4).U32(1).U8(0).U8(0).U32(2)   // size, level, rule, spare, rounds
        .U32(0x3DCCCCCC).U32(0x3F800000)    // default multipliers 10 and 100
        .U32(0)                             // no teams
        .U16(200).U16(0).U16(0).U16(0).U16(0); // 5 matchdays
    for (int pairing = 0; pairing < 5 * 2; ++pairing) {
        e.U8(0).U8(0);                      // 5 rows of 2 empty pairings
    }
    e.U32(0).U32(0).U32(0).U32(0).U32(1).U32(0).U32(0);
    // clang-format on
    EXPECT_EQ(Write(build, scottish), e.Bytes());
}

TEST(CompetitionRecords, RoundRecordAndItsLegDays) {
    RecordBuild build;
    CDBRound round(CompetitionId::Make(0, 9, 8));
    round.SetName("Final");
    round.SetRoundSetting(3);
    round.SetFirstLegFlags(MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime);
    round.SetSecondLegFlags(MatchFlag::kWithPenalty | MatchFlag::kWithExtraTime);
    for (int index = 0; index < 4; ++index) {
        round.SetValue(index, index + 1);
    }
    round.AddPredecessor(CompetitionId::Make(0, 9, 9), false);
    round.AddPredecessor(CompetitionId::Make(0, 9, 10), false);
    round.AddSuccessor(CompetitionId::kInternationalRoot, false);
    round.SetMatchdayOn(40, 1);
    round.SetMatchdayOn(47, 2);
    // clang-format off
    EXPECT_EQ(Write(build, round), ExpectedBytes()
        .U32(0x00090008)                    // ID: CHAMPIONSLEAGUE, ID_FINAL
        .U16(4)                             // round record
        .Str("Final")
        .U32(3)                             // round setting
        .U16(40).U32(5)                     // first leg: day, BEG_2ND_LEG | BEG_WITH_EXTRA_TIME
        .U16(47).U32(20)                    // second leg: day, BEG_WITH_PENALTY | extra time
        .U32(1).U32(2).U32(3).U32(4)        // values 0 to 3
        .U32(0xFFFFFFFF)                    // level
        .U32(2).U32(0x00090009).U32(0x0009000A)
        .U32(1).U32(0xFA000000)
        .Bytes());
    // clang-format on

    // Leg days sit after the head (6), the name (6) and the setting (4), and 4 flag bytes apart.
    auto legDays = [&] {
        std::string bytes = Write(build, round);
        return std::make_pair(ReadU16(bytes, 16), ReadU16(bytes, 22));
    };
    round.SetMatchdayOn(47, 0);
    EXPECT_EQ(legDays(), std::make_pair(uint16_t{40}, uint16_t{0}));
    round.SetMatchdayOn(40, 0);
    EXPECT_EQ(legDays(), std::make_pair(uint16_t{0}, uint16_t{0}));
    round.SetMatchdayOn(0, 1); // day 0 is never a leg day
    EXPECT_EQ(legDays(), std::make_pair(uint16_t{0}, uint16_t{0}));
    round.SetMatchdayOn(399, 2);
    EXPECT_EQ(legDays(), std::make_pair(uint16_t{399}, uint16_t{0}));
}

TEST(CompetitionRecords, PoolRecordAlwaysHasThreeCheckSlots) {
    RecordBuild build;
    CDBPool pool(CompetitionId::Make(0, 9, 17));
    pool.SetPoolValue1(4);
    pool.SetPoolValue2(-2);
    pool.SetPoolSort(3);
    pool.AddTeam(ClubId::Make(kLand, 1)); // pools write no teams
    pool.SetValue(1, 8);                  // nor values 0 to 3
    pool.SetMatchdayOn(30, 1);            // nor a calendar
    pool.SetCheckIds({0x00090009});
    pool.AddSuccessor(CompetitionId::Make(0, 9, 8), false);
    // clang-format off
    EXPECT_EQ(Write(build, pool), ExpectedBytes()
        .U32(0x00090011)                    // ID: CHAMPIONSLEAGUE, ID_GROUP_1
        .U16(5)                             // pool record
        .U32(4).U32(0xFFFFFFFE)             // pool values
        .U16(3)                             // POOL_SORT_MAP_NORTH_SOUTH
        .U32(1).U32(0x00090009)             // one competition to check
        .U32(0).U32(0)                      //   and two empty slots
        .U32(0xFFFFFFFF).U32(0).U32(1).U32(0x00090008)
        .Bytes());

    pool.SetCheckIds({0x00090009, 0x0009000A, 0x0009000B});
    std::string bytes = Write(build, pool);
    EXPECT_EQ(bytes.substr(16), ExpectedBytes()
        .U32(3).U32(0x00090009).U32(0x0009000A).U32(0x0009000B) // no empty slots
        .U32(0xFFFFFFFF).U32(0).U32(1).U32(0x00090008)
        .Bytes());
    // clang-format on
}

TEST(CompetitionRecords, CountryOverrideReplacesTheCountryOfTheLinksOnly) {
    RecordBuild build;
    CDBPool pool(CompetitionId::Make(0, 9, 17));
    pool.SetCheckIds({0x00090009});
    pool.AddPredecessor(CompetitionId::Make(3, 1, 0), false);
    pool.AddSuccessor(CompetitionId::Make(0, 9, 8), false);
    std::string bytes = Write(build, pool, kLand);
    EXPECT_EQ(ReadU32(bytes, 0), 0x00090011u);  // own ID as stored
    EXPECT_EQ(ReadU32(bytes, 20), 0x00090009u); // ID to check as stored
    EXPECT_EQ(
        bytes.substr(32),
        ExpectedBytes().U32(0xFFFFFFFF).U32(1).U32(0x15010000).U32(1).U32(0x15090008).Bytes());
    // The build passes none: the country record's writer gives the links as stored.
    std::string asStored = build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WriteCompetitionRecord(buffer, context, pool);
    });
    EXPECT_EQ(ReadU32(asStored, 40), 0x03010000u);
}

TEST(CompetitionRecords, ConsoleDatabaseCarriesTheSameRecords) {
    CompetitionScope scope;
    RecordBuild console(MasterOption::kConsole | MasterOption::kConsoleLog, 2);
    MakeClubs(console.world);
    auto league = MakePremier();
    EXPECT_EQ(Write(console, *league), PremierRecord().Bytes());
    CDBCup cup(CompetitionId::Make(kLand, 3, 0));
    cup.SetName("A long cup name beyond sixteen");
    cup.SetShortName("CUP");
    cup.SetScheme(15);
    RecordBuild normal;
    EXPECT_EQ(Write(console, cup), Write(normal, cup));
    EXPECT_EQ(Write(console, cup).substr(6, 31),
              "A long cup name beyond sixteen" + std::string(1, '\0'));
    // No record writes a console text line.
    EXPECT_TRUE(console.text.Text(ConsoleTextFile::Log).empty());
}

TEST(CompetitionRecords, HostileValuesKeepEveryRecordWalkable) {
    CompetitionScope scope;
    RecordBuild build;
    MakeClubs(build.world);

    CDBLeague league(CompetitionId::Make(kLand, 1, 0));
    league.SetName("H");
    league.SetSize(4);                           // 6 matchdays, 2 pairings each
    league.AddTeam(ClubId::Make(kLand, 2));      // removed club
    league.AddTeam(ClubId::Make(230, 1));        // country outside the world
    league.AddTeam(ClubId::Make(kLand, 0xFFFF)); // national team reference: unchanged
    // Eight matchday days, two of them after day 364: a league writes the first six of days
    // 0 to 364 and no more.
    for (int day : {10, 11, 12, 13, 14, 15, 16, 370}) {
        league.SetMatchdayOn(day, day);
    }
    // A fixture table of the wrong shape still gives 6 rows of 2 pairings.
    league.Fixtures().Reset(1, 1);
    league.Fixtures().SetPairing(0, 0, 3, 1);
    ExpectedBytes e;
    // clang-format off
    e.U32(0x15010000).U16(1).Str("H")
        .U32(4).U32(0xFFFFFFFF).U8(0).U8(0).U32(2).U32(0x3DCCCCCC).U32(0x3F800000)
        .U32(3).U32(0).U32(0).U32(0x0015FFFF)      // teams
        .U16(10).U16(11).U16(12).U16(13).U16(14).U16(15) // six days, 16 and 370 dropped
        .U8(3).U8(1).U8(0).U8(0);                   // row 0
    for (int pairing = 0; pairing < 5 * 2; ++pairing) {
        e.U8(0).U8(0);
    }
    e.U32(0).U32(0).U32(0).U32(0).U32(0xFFFFFFFF).U32(0).U32(0);
    // clang-format on
    EXPECT_EQ(Write(build, league), e.Bytes());

    // An empty league of size 0 has neither days nor fixtures.
    league.SetSize(0);
    league.ClearTeams();
    league.ClearCalendar();
    EXPECT_EQ(Write(build, league).size(), 6 + 2 + 22 + 4 + 16 + 12u);

    // A cup whose scheme is not installed needs no matchdays: its days are not written.
    CDBCup cup(CompetitionId::Make(kLand, 4, 0));
    cup.SetName("C");
    cup.SetScheme(99);
    cup.SetMatchdayOn(50, 1);
    EXPECT_EQ(Write(build, cup), ExpectedBytes()
                                     .U32(0x15040000)
                                     .U16(3)
                                     .Str("C")
                                     .U32(99)
                                     .U32(0xFFFFFFFF)
                                     .U32(0)
                                     .U32(0)
                                     .Bytes());

    // A root has no record; nothing is written.
    CDBRoot root(CompetitionId::Make(kLand, 0, 0));
    MasterBuffer buffer;
    EXPECT_FALSE(WriteCompetitionGameData(buffer, build.context, root));
    WriteCompetitionRecord(buffer, build.context, root);
    EXPECT_EQ(buffer.Position(), 0u);
}

TEST(CompetitionRecords, CountryRecordCarriesTheRecordsInItsCompetitionPart) {
    CompetitionScope scope;
    RecordBuild build;
    BuildFullCountry(build.world, 3);
    CCountry& country = *build.world.GetCountry(3);

    std::vector<uint32_t> ids = CountryCompetitionRecordIds(build.context, country);
    // Two leagues, the play-off above them, the national cup, league cup and super cup.
    ASSERT_GE(ids.size(), 6u);
    std::string records = build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        for (uint32_t id : ids) {
            WriteCompetitionRecord(buffer, context, *context.world.FindCompetition(id));
        }
    });
    std::string bytes = build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WriteCountryRecord(buffer, context, country);
    });
    // Part length (records and terminator), the records in order, the terminator.
    std::string part = ExpectedBytes()
                           .U32(static_cast<uint32_t>(records.size() + 6))
                           .Raw(records)
                           .U32(0)
                           .U16(0)
                           .Bytes();
    EXPECT_NE(bytes.find(part), std::string::npos);
    EXPECT_EQ(ReadU32(records, 0), ids[0]);
    EXPECT_EQ(ReadU16(records, 4), 1);
}

} // namespace
} // namespace tallo::test
