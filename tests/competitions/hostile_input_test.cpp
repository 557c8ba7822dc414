#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/tree_test_support.h"
#include "formats/kl_file.h"
#include "support/temp_dir.h"
#include "world/file_version.h"

namespace tallo {
namespace {

// The parts of a league section that the cases change.
struct LeagueText {
    std::string id = "{ 3, LEAGUE, 0 }";
    std::string size = "4";
    std::string teams = "30001,30002,30003,30004";
    std::string days = "10,20,30,40,50,60";
    std::string predecessors = "0";
    std::string successors = "0";
};

std::string LeagueSection(int index, const LeagueText& league) {
    std::string name = "COMP" + std::to_string(index);
    return "%INDEX%" + name + "\r\nDB_LEAGUE\r\n" + league.id + "\r\nLeague\r\nL\r\n" +
           league.size + "\r\n0\r\nREL_RULE_0\r\n0\r\n2\r\nROUND_GROUP1\r\n10\r\n100\r\n" +
           ";\r\n%INDEX%TEAMS\r\n" + league.teams + "\r\n%INDEXEND%TEAMS\r\n" +
           ";\r\n%INDEX%MATCHDAYS\r\n" + league.days + "\r\n%INDEXEND%MATCHDAYS\r\n" +
           ";\r\n%INDEX%FIXTURE\r\n1,2,3,4\r\n1,3,2,4\r\n1,4,2,3\r\n2,1,4,3\r\n3,1,4,2\r\n"
           "4,1,3,2\r\n%INDEXEND%FIXTURE\r\n0\r\n0\r\n0\r\n0\r\n" +
           league.predecessors + "\r\n" + league.successors + "\r\n0\r\n%INDEXEND%" + name + "\r\n";
}

class HostileInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_ / "countries.sav");
        world_.LoadCountryList(dir_ / "countries.sav");
        for (int i = 1; i <= 4; ++i) {
            world_.GetCountry(3)->CreateClub("Club " + std::to_string(i));
        }
        FileVersion::SetLoaded(FileVersion::kCurrent);
    }

    // Reads the COMPETITION section `sections` (count included) into country 3's tree.
    CCompetitionTree& LoadTree(const std::string& sections) {
        CKLFile file;
        EXPECT_TRUE(
            file.OpenFromMemory("%INDEX%COMPETITION\r\n" + sections + "%INDEXEND%COMPETITION\r\n"));
        EXPECT_TRUE(file.FindSection("COMPETITION"));
        world_.GetCountry(3)->CreateCompetitionTree(false);
        CCompetitionTree& tree = test::TreeOf(world_, 3);
        tree.Load(file);
        tree.FinishLoad();
        return tree;
    }

    static bool Mentions(const std::vector<std::string>& texts, const std::string& part) {
        for (const std::string& text : texts) {
            if (text.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
};

TEST_F(HostileInputTest, SoundLeagueOfTheseTextsHasNoFaults) {
    CCompetitionTree& tree = LoadTree("1\r\n" + LeagueSection(0, LeagueText{}));
    ASSERT_NE(tree.League(0), nullptr);
    EXPECT_EQ(tree.League(0)->Validate(0), 0u);
    EXPECT_TRUE(tree.DescribeFaults(0).empty());
}

TEST_F(HostileInputTest, LinksToCompetitionsThatDoNotExistAreReported) {
    LeagueText league;
    league.successors = "{ 3, REL1, 4 }";
    league.predecessors = "{ 77, LEAGUE, 2 }";
    CCompetitionTree& tree = LoadTree("1\r\n" + LeagueSection(0, league));
    CDBLeagueBase& loaded = *tree.League(0);
    EXPECT_EQ(loaded.ParentId(), CompetitionId::Make(3, CompetitionKind::kRel1, 4));
    EXPECT_EQ(loaded.Validate(0), CDBCompetition::kMissingLink);
    EXPECT_EQ(loaded.CalendarParent(), nullptr);
    // The calendar operations treat the missing nodes as absent.
    EXPECT_FALSE(loaded.InsertMatchday(200));
    EXPECT_FALSE(loaded.RemoveMatchday(201));
    EXPECT_TRUE(loaded.HasMatchOn(10));
    std::vector<std::string> faults = tree.DescribeFaults(0);
    EXPECT_TRUE(Mentions(faults, "successor { 3, REL1, 4 } is no competition of the world"));
    EXPECT_TRUE(Mentions(faults, "predecessor { 77, LEAGUE, 2 }"));
    EXPECT_FALSE(world_.GetCountry(3)->IsComplete());
}

TEST_F(HostileInputTest, CyclesOfLinksEndEveryWalk) {
    LeagueText first;
    first.successors = "{ 3, LEAGUE, 1 }";
    LeagueText second;
    second.id = "{ 3, LEAGUE, 1 }";
    second.successors = "{ 3, LEAGUE, 0 }";
    second.days = "11,21,31,41,51,61";
    CCompetitionTree& tree = LoadTree("2\r\n" + LeagueSection(0, first) + LeagueSection(1, second));
    CDBLeagueBase& a = *tree.League(0);
    CDBLeagueBase& b = *tree.League(1);
    ASSERT_EQ(a.CalendarParent(), &b);
    ASSERT_EQ(b.CalendarParent(), &a);

    EXPECT_EQ(a.Validate(0), CDBCompetition::kParentCycle);
    EXPECT_TRUE(a.HasMatchOn(11));
    EXPECT_FALSE(a.HasMatchOn(12));
    EXPECT_EQ(a.MatchdayOnOrParent(12), 0);
    EXPECT_EQ(a.MatchdayOnOrParent(11), 1);
    EXPECT_TRUE(a.IsBusyAround(12));
    EXPECT_FALSE(a.IsBusyAround(100));
    // Both calendars are full: the request goes round the circle once and changes nothing.
    EXPECT_FALSE(a.InsertMatchday(100));
    EXPECT_FALSE(a.RemoveMatchday(100));
    EXPECT_EQ(a.ParentLookup(100), -1);
    EXPECT_TRUE(Mentions(tree.DescribeFaults(0), "comes back to"));
    // A node that is its own successor.
    a.RemoveSuccessor(b.Id(), false);
    a.AddSuccessor(a.Id(), false);
    EXPECT_EQ(a.Validate(0), CDBCompetition::kParentCycle);
    EXPECT_EQ(a.CalendarParent(), nullptr);
}

TEST_F(HostileInputTest, LinkListsHoldTenAtMost) {
    std::string many;
    for (int i = 1; i <= 12; ++i) {
        many += (i > 1 ? "," : "") + std::string("{ 3, RELEGATION, ") + std::to_string(i) + " }";
    }
    LeagueText league;
    league.predecessors = many;
    CCompetitionTree& tree = LoadTree("1\r\n" + LeagueSection(0, league));
    CDBLeagueBase& loaded = *tree.League(0);
    EXPECT_EQ(loaded.PredecessorCount(), 10);
    EXPECT_EQ(loaded.Predecessors()[9], CompetitionId::Make(3, CompetitionKind::kRelegation, 10));
    EXPECT_TRUE(Mentions(loaded.LoadNotes(), "more than 10 links"));

    // A full list takes nothing more, neither directly nor as the other end of a link.
    CDBCup* cup = tree.ReplaceNationalCup(CompetitionKind::kLeCup, 7);
    EXPECT_FALSE(loaded.AddPredecessor(cup->Id(), true));
    EXPECT_FALSE(loaded.HasPredecessor(cup->Id()));
    EXPECT_TRUE(cup->AddSuccessor(loaded.Id(), true));
    EXPECT_FALSE(loaded.HasPredecessor(cup->Id()));
    // Removing closes the gap.
    EXPECT_TRUE(loaded.RemovePredecessor(CompetitionId::Make(3, 8, 3), false));
    EXPECT_EQ(loaded.Predecessors()[2], CompetitionId::Make(3, 8, 4));
    EXPECT_EQ(loaded.Predecessors()[9], 0u);
}

TEST_F(HostileInputTest, TeamsThatAreNoClubsAreReportedAndWrittenAsZero) {
    LeagueText league;
    league.teams = "30001,30002,30063,1030004";
    CCompetitionTree& tree = LoadTree("1\r\n" + LeagueSection(0, league));
    CDBLeagueBase& loaded = *tree.League(0);
    EXPECT_EQ(loaded.TeamCount(), 4);
    EXPECT_EQ(loaded.Validate(0), CDBCompetition::kTeamNotAClub);
    EXPECT_TRUE(Mentions(tree.DescribeFaults(6), "team 30063 is no club of the world"));

    // A club removed from the country after the load is reported the same way.
    world_.GetCountry(3)->RemoveClub(ClubId::Make(3, 2));
    EXPECT_TRUE(Mentions(tree.DescribeFaults(6), "team 30002 is no club of the world"));
    world_.BuildClubRenumbering();
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(dir_ / "unused"));
    tree.Save(file);
    // Clubs that are gone are written as 0; club 4 is now number 3 and keeps its reserve bit.
    EXPECT_NE(file.WrittenText().find("%INDEX%TEAMS\r\n30001,0,0,1030003\r\n"), std::string::npos);
}

TEST_F(HostileInputTest, CalendarDaysOutsideTheSeasonAreLeftOutAndReported) {
    LeagueText league;
    league.days = "5,400,1000,-3,12,12,0,0";
    CCompetitionTree& tree = LoadTree("1\r\n" + LeagueSection(0, league));
    CDBLeagueBase& loaded = *tree.League(0);
    EXPECT_EQ(loaded.MatchdayDays(), 2);
    EXPECT_EQ(loaded.MatchdayOn(5), 1);
    EXPECT_EQ(loaded.MatchdayOn(12), 2);
    EXPECT_EQ(loaded.Validate(0), CDBCompetition::kWrongMatchdayCount);
    std::vector<std::string> faults = tree.DescribeFaults(0);
    EXPECT_TRUE(Mentions(faults, "has 2 matchdays in its calendar but needs 6"));
    EXPECT_TRUE(Mentions(faults, "names day 400"));
    EXPECT_TRUE(Mentions(faults, "names day 1000"));
    EXPECT_TRUE(Mentions(faults, "names day -3"));
    EXPECT_TRUE(Mentions(faults, "names day 12 twice"));
    // Days out of order are numbered in day order.
    league.days = "50,10,30,0";
    CDBLeagueBase& sorted = *LoadTree("1\r\n" + LeagueSection(0, league)).League(0);
    EXPECT_EQ(sorted.MatchdayOn(10), 1);
    EXPECT_EQ(sorted.MatchdayOn(30), 2);
    EXPECT_EQ(sorted.MatchdayOn(50), 3);
}

TEST_F(HostileInputTest, LeagueSizesAreKeptWithinAHundredTeams) {
    LeagueText league;
    league.size = "250";
    std::string teams;
    for (int i = 1; i <= 120; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%s3%04x", i > 1 ? "," : "", i);
        teams += text;
    }
    league.teams = teams;
    CDBLeagueBase& big = *LoadTree("1\r\n" + LeagueSection(0, league)).League(0);
    EXPECT_EQ(big.Size(), 100);
    EXPECT_EQ(big.TeamCount(), 100);
    EXPECT_EQ(big.Rounds(), 2);
    EXPECT_EQ(big.RequiredMatchdays(), 198);
    EXPECT_EQ(big.Fixtures().Columns(), 50);
    EXPECT_TRUE(Mentions(big.LoadNotes(), "has size 250"));
    EXPECT_TRUE(Mentions(big.LoadNotes(), "20 teams more than its size"));

    league.size = "-5";
    CDBLeagueBase& none = *LoadTree("1\r\n" + LeagueSection(0, league)).League(0);
    EXPECT_EQ(none.Size(), 0);
    EXPECT_EQ(none.TeamCount(), 0);
    EXPECT_EQ(none.RequiredMatchdays(), 0);
}

TEST_F(HostileInputTest, UnknownDuplicateAndForeignSectionsAreLeftOut) {
    LeagueText foreign;
    foreign.id = "{ 4, LEAGUE, 1 }";
    std::string unknown = "%INDEX%COMP1\r\nDB_SPARE\r\n{ 3, LEAGUE, 5 }\r\n%INDEXEND%COMP1\r\n";
    CCompetitionTree& tree = LoadTree("4\r\n" + LeagueSection(0, LeagueText{}) + unknown +
                                      LeagueSection(2, LeagueText{}) + LeagueSection(3, foreign));
    EXPECT_EQ(tree.Leagues().size(), 1u);
    EXPECT_EQ(world_.FindCompetition(CompetitionId::Make(4, CompetitionKind::kLeague, 1)), nullptr);
    EXPECT_TRUE(Mentions(tree.LoadNotes(), "section COMP1 (type \"DB_SPARE\""));
    EXPECT_TRUE(Mentions(tree.LoadNotes(), "section COMP2 holds { 3, LEAGUE, 0 }, which exists"));
    EXPECT_TRUE(Mentions(tree.LoadNotes(), "a competition of another country"));
}

TEST_F(HostileInputTest, TruncatedSectionsLoadWithoutLosingTheRestOfTheCountry) {
    std::string sound = LeagueSection(1, LeagueText{.id = "{ 3, LEAGUE, 1 }"});
    std::string cut = LeagueSection(0, LeagueText{});
    cut = cut.substr(0, cut.find("%INDEX%MATCHDAYS"));
    std::string country = "%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537133064\r\n%INDEXEND%VERSION\r\n"
                          "1\r\n%INDEX%COMPETITION\r\n1000000\r\n" +
                          cut + sound + "%INDEXEND%COMPETITION\r\n" +
                          "%INDEX%CLUBS\r\n1\r\n%INDEX%CLUB1\r\n%INDEXEND%CLUB1\r\n"
                          "%INDEXEND%CLUBS\r\n%INDEXEND%COUNTRY\r\n";
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(country));
    CCountry& target = *world_.GetCountry(3);
    ASSERT_TRUE(target.Load(file));
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    // The cut section keeps what it had; the one after it is lost with it, and the clubs after
    // the competitions are read.
    ASSERT_NE(tree.League(0), nullptr);
    EXPECT_EQ(tree.League(0)->TeamCount(), 4);
    EXPECT_EQ(tree.League(0)->MatchdayDays(), 0);
    EXPECT_EQ(target.GetOrdinaryClubCount(), 1u);
    std::vector<std::string> faults = tree.DescribeFaults(0);
    EXPECT_TRUE(Mentions(faults, "has no MATCHDAYS section"));
    EXPECT_TRUE(Mentions(faults, "section COMP0 has no end"));
    EXPECT_TRUE(Mentions(faults, "competition count 1000000"));
    EXPECT_FALSE(target.IsComplete());

    // A section that ends early on its own end line keeps its defaults for the rest.
    std::string early = "%INDEX%COMP0\r\nDB_CUP\r\n{ 3, FA_CUP, 0 }\r\nCup\r\n%INDEXEND%COMP0\r\n";
    CCompetitionTree& cupTree = LoadTree("1\r\n" + early);
    const auto* cup = dynamic_cast<const CDBCup*>(cupTree.FindOwn(CompetitionKind::kFaCup, 0));
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(cup->Name(), "Cup");
    EXPECT_EQ(cup->Scheme(), 0u);
    EXPECT_TRUE(Mentions(cup->LoadNotes(), "ends before all its values"));
}

TEST_F(HostileInputTest, EveryPrefixOfACountryFileLoadsWithoutACrash) {
    test::BuildFullCountry(world_);
    world_.BuildClubRenumbering();
    CKLFile out;
    ASSERT_TRUE(out.OpenForWrite(dir_ / "unused"));
    ASSERT_TRUE(world_.GetCountry(3)->Save(out));
    const std::string full = out.WrittenText();
    const size_t end = full.find("%INDEXEND%COMPETITION");
    ASSERT_NE(end, std::string::npos);
    for (size_t length = 0; length < end; length += 7) {
        CWorld scratch;
        scratch.LoadCountryList(dir_ / "countries.sav");
        CKLFile file;
        ASSERT_TRUE(file.OpenFromMemory(full.substr(0, length)));
        scratch.GetCountry(3)->Load(file);
        if (const CCompetitionTree* tree = CompetitionTreeOf(*scratch.GetCountry(3))) {
            tree->DescribeFaults(0);
            tree->HasFaults(0);
        }
    }
}

} // namespace
} // namespace tallo
