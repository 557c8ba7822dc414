#include <gtest/gtest.h>

#include <string>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_texts.h"
#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "competitions/db_rel_scottland1.h"
#include "competitions/tree_test_support.h"
#include "formats/kl_file.h"
#include "world/file_version.h"

namespace tallo {
namespace {

constexpr uint32_t kLeague0 = CompetitionId::Make(3, CompetitionKind::kLeague, 0);

TEST(CompetitionIdTest, TextFormAndItsReading) {
    EXPECT_EQ(CompetitionId::ToText(kLeague0), "{ 3, LEAGUE, 0 }");
    EXPECT_EQ(CompetitionId::Parse("{ 3, LEAGUE, 0 }"), kLeague0);
    EXPECT_EQ(CompetitionId::Parse("  {206,SWITZERLAND,12}"), CompetitionId::Make(206, 26, 12));
    // An unknown keyword leaves kind 0; text without a brace is no ID.
    EXPECT_EQ(CompetitionId::Parse("{ 3, NONSENSE, 4 }"), CompetitionId::Make(3, 0, 4));
    EXPECT_EQ(CompetitionId::Parse("0"), 0u);
    // Kind 2 has no keyword: written empty.
    EXPECT_EQ(CompetitionId::ToText(CompetitionId::Make(1, 2, 1)), "{ 1, , 1 }");
    EXPECT_EQ(CompetitionId::ToText(CompetitionId::kInternationalRoot), "{ 250, ROOT, 0 }");
    // Out-of-range parts are cut to their bits and never spill into the next field.
    EXPECT_EQ(CompetitionId::Parse("{ 300, LEAGUE, 70000 }"),
              CompetitionId::Make(300 & 0xFF, 1, 70000 & 0xFFFF));
    const uint32_t links[] = {kLeague0, CompetitionId::Make(3, 19, 0), 0};
    EXPECT_EQ(CompetitionId::ListToText(links, 3, CompetitionId::kNoCountryOverride),
              "{ 3, LEAGUE, 0 },{ 3, REL1, 0 }");
    EXPECT_EQ(CompetitionId::ListToText(links, 3, 7), "{ 7, LEAGUE, 0 },{ 7, REL1, 0 }");
    EXPECT_EQ(CompetitionId::ListToText(links + 2, 1, CompetitionId::kNoCountryOverride), "0");
    EXPECT_EQ(CompetitionId::ParseList("{ 3, LEAGUE, 0 },{ 3, REL1, 0 }", 10),
              (std::vector<uint32_t>{kLeague0, CompetitionId::Make(3, 19, 0)}));
}

TEST(CompetitionKeywordsTest, PrefixMatchInTableOrderWithPresets) {
    EXPECT_EQ(RelegationRuleKeywords().Lookup("REL_RULE_ENGLAND2", 0), 7);
    EXPECT_EQ(RelegationRuleKeywords().Lookup("  REL_RULE_3 and more", 0), 3);
    EXPECT_EQ(RelegationRuleKeywords().Lookup("RULE", 0), 0);
    EXPECT_EQ(RoundKindKeywords().Lookup("ROUND_SEMIFINAL", -1), 9);
    EXPECT_EQ(RoundKindKeywords().Lookup("round_final", -1), -1);
    EXPECT_EQ(PoolSortKeywords().Lookup("POOL_SORT_NAT_UEFA5", 0), 2);
    EXPECT_EQ(StageIdKeywords().Lookup("ID_GROUP_H", 0), 16);
    EXPECT_EQ(StageIdKeywords().Lookup("ID_GROUP_4", 0), 20);
    EXPECT_EQ(CompetitionKindKeywords().Lookup("EURO_SUPERCUP", 0), 12);
    EXPECT_EQ(RelegationRuleKeywords().KeywordOf(13), "");

    EXPECT_EQ(MatchFlagsToText(MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime),
              "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME");
    EXPECT_EQ(MatchFlagsToText(0), "0");
    EXPECT_EQ(MatchFlagsToText(MatchFlag::kWithoutAwayGoal | MatchFlag::kFinished),
              "BEG_FINISHED, BEG_WITHOUT_AWAY_GOAL");
    EXPECT_EQ(MatchFlagsFromText("BEG_2ND_LEG, BEG_WITH_EXTRA_TIME"),
              MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime);
    EXPECT_EQ(MatchFlagsFromText("BEG_1ST_LEG,UNKNOWN, BEG_PENALTY"), MatchFlag::kPenalty);
    EXPECT_EQ(MatchFlagsFromText("0"), 0u);

    EXPECT_TRUE(RelegationRule::AllowsSize(RelegationRule::kEngland1, 8));
    EXPECT_FALSE(RelegationRule::AllowsSize(RelegationRule::kEngland3, 7));
    EXPECT_TRUE(RelegationRule::AllowsSize(RelegationRule::kScotland, 12));
    EXPECT_FALSE(RelegationRule::AllowsSize(RelegationRule::kScotland, 10));
    EXPECT_FALSE(RelegationRule::AllowsSize(RelegationRule::kHolland, 8));
    EXPECT_TRUE(RelegationRule::AllowsSize(RelegationRule::kIndoor, 6));
    EXPECT_FALSE(RelegationRule::AllowsSize(RelegationRule::kIndoor, 4));
}

TEST(LeagueTest, RequiredMatchdaysAndTheRoundCut) {
    CDBLeague league(kLeague0);
    EXPECT_EQ(league.Size(), 18);
    EXPECT_EQ(league.RequiredMatchdays(), 34);
    league.SetSize(17);
    EXPECT_EQ(league.RequiredMatchdays(), 34);
    league.SetSize(20);
    league.SetRounds(3);
    EXPECT_EQ(league.Rounds(), 2);
    EXPECT_EQ(league.RequiredMatchdays(), 38);
    league.SetSize(8);
    league.SetRounds(4);
    EXPECT_EQ(league.RequiredMatchdays(), 28);
    EXPECT_EQ(league.Fixtures().Rows(), 28);
    EXPECT_EQ(league.Fixtures().Columns(), 4);
    league.SetRounds(9);
    EXPECT_EQ(league.Rounds(), 2);
    CDBRelScottland1 scottish(kLeague0);
    EXPECT_EQ(scottish.Kind(), CompetitionKind::kScott1);
    EXPECT_EQ(scottish.RequiredMatchdays(), 5);
    EXPECT_EQ(scottish.Fixtures().Rows(), 5);
}

TEST(LeagueTest, TeamListOperations) {
    CDBLeague league(kLeague0);
    league.SetSize(3);
    EXPECT_FALSE(league.AddTeam(0x30000));
    EXPECT_TRUE(league.AddTeam(0x30001));
    EXPECT_TRUE(league.AddTeam(0x30001));
    EXPECT_TRUE(league.AddTeam(0x1030002));
    EXPECT_TRUE(league.InsertTeam(0, 0x30005));
    EXPECT_FALSE(league.AddTeam(0x30006));
    EXPECT_EQ(league.Teams(), (std::vector<uint32_t>{0x30005, 0x30001, 0x1030002}));
    EXPECT_EQ(league.TeamIndex(0x1030002), 2);
    EXPECT_EQ(league.TeamIndex(0x30002), -1);
    EXPECT_TRUE(league.HoldsReserveTeams());
    EXPECT_TRUE(league.RemoveTeam(0x30005));
    EXPECT_FALSE(league.RemoveTeam(0x30005));
    EXPECT_EQ(league.Teams(), (std::vector<uint32_t>{0x30001, 0x1030002}));

    CDBLeague copy(CompetitionId::Make(3, 1, 1));
    league.SetName("Source");
    league.SetRounds(3);
    league.SetValue(3, 77);
    league.SetMatchdayOn(44, 1);
    league.Fixtures().SetPairing(0, 0, 1, 2);
    copy.CopyLeagueFrom(league);
    EXPECT_EQ(copy.Name(), "Source");
    EXPECT_EQ(copy.Teams(), league.Teams());
    EXPECT_EQ(copy.Rounds(), 3);
    EXPECT_EQ(copy.GetValue(3), 77);
    EXPECT_EQ(copy.MatchdayOn(44), 1);
    EXPECT_EQ(copy.Fixtures().GetPairing(0, 0), (CDBFixturelist::Pairing{1, 2}));
    EXPECT_EQ(copy.Id(), CompetitionId::Make(3, 1, 1));
}

TEST(CalendarTest, InsertAndRemoveRenumberTheWholeSeason) {
    CDBLeague league(kLeague0);
    league.SetSize(4); // 6 matchdays
    for (int day : {10, 20, 370, 380}) {
        EXPECT_TRUE(league.InsertMatchday(day));
    }
    EXPECT_EQ(league.MatchdayOn(380), 4);
    // Inserting early moves every later matchday up, days past 359 too.
    EXPECT_TRUE(league.InsertMatchday(5));
    EXPECT_EQ(league.MatchdayOn(5), 1);
    EXPECT_EQ(league.MatchdayOn(370), 4);
    EXPECT_EQ(league.MatchdayOn(380), 5);
    EXPECT_FALSE(league.InsertMatchday(5));
    EXPECT_FALSE(league.InsertMatchday(0));
    EXPECT_FALSE(league.InsertMatchday(400));
    EXPECT_TRUE(league.InsertMatchday(399));
    EXPECT_EQ(league.MatchdayOn(399), 6);
    // A full calendar: the matchday at the required number drops out.
    EXPECT_TRUE(league.InsertMatchday(1));
    EXPECT_EQ(league.MatchdayOn(1), 1);
    EXPECT_EQ(league.MatchdayOn(380), 6);
    EXPECT_EQ(league.MatchdayOn(399), 0);
    EXPECT_EQ(league.LastMatchdayBefore(400), 6);
    EXPECT_EQ(league.LastMatchdayBefore(1), -1);

    EXPECT_TRUE(league.RemoveMatchday(5));
    EXPECT_EQ(league.MatchdayOn(10), 2);
    EXPECT_EQ(league.MatchdayOn(380), 5);
    EXPECT_FALSE(league.RemoveMatchday(6));
    EXPECT_TRUE(league.IsBusyAround(11));
    EXPECT_FALSE(league.IsBusyAround(12));
}

TEST(CalendarTest, DayListsOfLeaguesAndCupsCoverDaysUpTo399) {
    test::CompetitionScope scope;
    FileVersion::SetLoaded(FileVersion::kCurrent);
    CDBLeague league(kLeague0);
    league.SetSize(4);
    league.SetMatchdayOn(5, 1);
    league.SetMatchdayOn(12, 2);
    league.SetMatchdayOn(390, 3);
    CKLFile out;
    ASSERT_TRUE(out.OpenForWrite("unused"));
    league.SaveSection(out, "COMP0");
    EXPECT_NE(out.WrittenText().find("%INDEX%MATCHDAYS\r\n5,12,390,0,0,0\r\n"), std::string::npos);

    // The entries 5, 12, 0 and 0 mark days 5 and 12 as matchdays 1 and 2 and nothing else.
    CKLFile in;
    std::string text = out.WrittenText();
    text.replace(text.find("5,12,390,0,0,0"), 14, "5,12,0,0");
    ASSERT_TRUE(in.OpenFromMemory(text));
    ASSERT_TRUE(in.FindSection("COMP0"));
    std::string line;
    in.ReadCString(line);
    in.ReadCString(line);
    CDBLeague read(kLeague0);
    read.Load(in);
    EXPECT_EQ(read.MatchdayOn(5), 1);
    EXPECT_EQ(read.MatchdayOn(12), 2);
    EXPECT_EQ(read.MatchdayDays(), 2);

    CDBCup cup(CompetitionId::Make(3, CompetitionKind::kSuperCup, 0));
    cup.SetScheme(15);
    EXPECT_EQ(cup.RequiredMatchdays(), 1);
    EXPECT_TRUE(cup.InsertMatchday(399));
    EXPECT_EQ(cup.MatchdayOn(399), 1);
}

TEST(CalendarTest, CupsTakeTheirMatchdaysAndNamesFromTheScheme) {
    test::CompetitionScope scope;
    CDBCup cup(CompetitionId::Make(3, CompetitionKind::kLeCup, 0));
    cup.SetScheme(7); // semi-final of two legs, final
    EXPECT_EQ(cup.RequiredMatchdays(), 3);
    EXPECT_EQ(cup.MatchdayName(1), RoundKindName(RoundKind::kSemiFinal) + " (1)");
    EXPECT_EQ(cup.MatchdayName(2), RoundKindName(RoundKind::kSemiFinal) + " (2)");
    EXPECT_EQ(cup.MatchdayName(3), RoundKindName(RoundKind::kFinal));
    EXPECT_EQ(cup.MatchdayName(4), "4");
    EXPECT_FALSE(RoundKindName(RoundKind::kFinal).empty());
    cup.SetScheme(99);
    EXPECT_EQ(cup.RequiredMatchdays(), 0);
    EXPECT_EQ(cup.Validate(0), CDBCup::kUnknownScheme);

    int32_t block[32] = {};
    block[31] = 5;
    cup.SetExtraValues(block);
    EXPECT_EQ(cup.GetRoundValue(3, 7), 5);
    cup.SetRoundValue(4, 0, 1); // outside: nothing
    EXPECT_EQ(cup.GetRoundValue(4, 0), 0);
}

TEST(LeagueTest, OldFilesGiveTheShortNameFromTheName) {
    const std::string section =
        "%INDEX%COMP0\r\nDB_LEAGUE\r\n{ 3, LEAGUE, 0 }\r\nA very long league name indeed\r\n4\r\n"
        "0\r\nREL_RULE_2\r\n0\r\n2\r\nROUND_GROUP1\r\n10\r\n;\r\n%INDEX%TEAMS\r\n\r\n"
        "%INDEXEND%TEAMS\r\n%INDEXEND%COMP0\r\n";
    CKLFile in;
    ASSERT_TRUE(in.OpenFromMemory(section));
    ASSERT_TRUE(in.FindSection("COMP0"));
    std::string line;
    in.ReadCString(line);
    in.ReadCString(line);
    FileVersion::SetLoaded(0x2003FFFF); // an older major: no short name, no transfer value
    CDBLeague league(kLeague0);
    league.Load(in);
    FileVersion::SetLoaded(FileVersion::kCurrent);
    EXPECT_EQ(league.Name(), "A very long league name inde"); // 28 characters
    EXPECT_EQ(league.ShortName(), "A very long leag");
    EXPECT_EQ(league.Size(), 4);
    EXPECT_EQ(league.RelegationRule(), 2);
    EXPECT_EQ(league.TransferMultiplier(), CDBLeagueBase::kDefaultTransfer);

    // Minor 6 of the current major carries the transfer value but no short name yet.
    std::string minorSix = section;
    minorSix.replace(minorSix.find("10\r\n;"), 4, "10\r\n80\r\n");
    ASSERT_TRUE(in.OpenFromMemory(minorSix));
    ASSERT_TRUE(in.FindSection("COMP0"));
    in.ReadCString(line);
    in.ReadCString(line);
    FileVersion::SetLoaded(0x20040006);
    CDBLeague six(kLeague0);
    six.Load(in);
    FileVersion::SetLoaded(FileVersion::kCurrent);
    EXPECT_EQ(six.ShortName(), "A very long leag");
    EXPECT_EQ(six.TransferMultiplier(), 80);
}

} // namespace
} // namespace tallo
