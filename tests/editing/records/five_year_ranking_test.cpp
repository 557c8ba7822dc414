// The five-year ranking: which countries take part, their order and line texts, the change
// editor's decimal entry, and a change made through an open change of the journal.

#include "editing/records/five_year_ranking.h"
#include "editing/records/five_year_ranking_change_model.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class FiveYearRankingTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Only the countries a test makes European take part.
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            world_.GetCountry(number)->continent = 1;
        }
    }

    CCountry& European(int number, const char* name, std::array<uint16_t, 6> values) {
        CCountry& country = *world_.GetCountry(number);
        country.continent = 0;
        country.SetName(0, name);
        country.SetName(1, std::string(name) + " (1)");
        std::copy(values.begin(), values.end(), std::begin(country.valuesM));
        return country;
    }

    CWorld world_;
};

TEST_F(FiveYearRankingTest, RanksByTheFiveYearsBeforeLastYearHigherNumberFirstOnATie) {
    // Last year's value counts for nothing; 40 and 30 tie on 1500, 12 leads with 1600.
    European(30, "Thirty", {9000, 300, 300, 300, 300, 300});
    European(40, "Forty", {0, 1500, 0, 0, 0, 0});
    European(12, "Twelve", {0, 100, 200, 300, 400, 600});
    European(7, "Seven", {0, 0, 0, 0, 0, 0});
    European(206, "Last", {0, 9999, 0, 0, 0, 0}); // never ranked
    world_.GetCountry(99)->valuesM[1] = 9999;     // not European

    const std::vector<RankingLine> lines = FiveYearRanking(world_, 1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].country, 12);
    EXPECT_EQ(lines[1].country, 40);
    EXPECT_EQ(lines[2].country, 30);
    EXPECT_EQ(lines[3].country, 7);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].place, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(lines[0].points, 1600);
    EXPECT_EQ(lines[0].name, "Twelve (1)");

    EXPECT_EQ(RankingLineText(lines[0]),
              "1. Twelve (1)\t0.00\t1.00\t2.00\t3.00\t4.00\t6.00\t16.00");
    EXPECT_EQ(RankingLineText(lines[2]),
              "3. Thirty (1)\t90.00\t3.00\t3.00\t3.00\t3.00\t3.00\t15.00");
}

TEST_F(FiveYearRankingTest, LargestValuesAndOddNamesKeepTheColumns) {
    European(3, "Tab\tName\n", {65535, 65535, 65535, 65535, 65535, 65535});
    const std::vector<RankingLine> lines = FiveYearRanking(world_, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, 5 * 65535);
    EXPECT_EQ(RankingLineText(lines[0]), "1. Tab Name \t655.35\t655.35\t655.35\t655.35\t655.35\t"
                                         "655.35\t3276.75");
}

TEST(FiveYearRankingChange, DecimalEntryTakesACommaRoundsAndKeepsToTheRange) {
    using M = FiveYearRankingChangeModel;
    EXPECT_EQ(M::ParseHundredths("12.34"), 1234);
    EXPECT_EQ(M::ParseHundredths(" 12,5 "), 1250);
    EXPECT_EQ(M::ParseHundredths("7"), 700);
    EXPECT_EQ(M::ParseHundredths(",05"), 5);
    EXPECT_EQ(M::ParseHundredths("1.005"), 101); // the third place rounds
    EXPECT_EQ(M::ParseHundredths("1.004"), 100);
    EXPECT_EQ(M::ParseHundredths("655.36"), 65535);
    EXPECT_EQ(M::ParseHundredths("99999999999999999999"), 65535);
    EXPECT_EQ(M::ParseHundredths("-3"), 0);
    for (const char* bad : {"", " ", ".", "1.2.3", "abc", "12a", "1e3", "--1"}) {
        EXPECT_EQ(M::ParseHundredths(bad), std::nullopt) << bad;
    }

    CWorld world;
    CCountry& country = *world.GetCountry(5);
    const uint16_t values[6] = {100, 200, 300, 400, 500, 600};
    std::copy(std::begin(values), std::end(values), std::begin(country.valuesM));
    M model(country);
    EXPECT_EQ(model.FirstSeasonPoints(), 2000);
    EXPECT_EQ(model.FirstSeasonPointsText(), "20.00");
    EXPECT_TRUE(model.SetValueText(0, "50,5")); // last year does not count
    EXPECT_EQ(model.FirstSeasonPoints(), 2000);
    EXPECT_TRUE(model.SetValueText(5, "0.01"));
    EXPECT_EQ(model.FirstSeasonPoints(), 1401);
    EXPECT_FALSE(model.SetValueText(4, "x"));
    EXPECT_EQ(model.Value(4), 500);
    EXPECT_EQ(model.ValueText(0), "50.50");
    EXPECT_TRUE(model.Differs(country));
    EXPECT_EQ(country.valuesM[0], 100); // nothing written before Apply
}

// The ranking change made inside an open change of the journal (as the continental settings
// dialog opens the ranking): committed once, undone and redone to the saved bytes.
TEST(FiveYearRankingChange, AChangeThroughTheOpenChangeIsUndoneAndRedone) {
    test::EditorHarness harness;
    DatabaseSession& session = harness.OpenGame();
    CWorld& world = session.World();
    const std::map<std::string, std::string> before = test::SavedBytes(world);
    const std::vector<RankingLine> lines = FiveYearRanking(world, world.Language());
    ASSERT_GE(lines.size(), 2u);
    const int last = lines.back().country;
    CCountry& country = *world.GetCountry(last);

    std::map<std::string, std::string> after;
    {
        std::unique_ptr<ChangeJournal::OpenChange> change =
            session.Journal().Begin("ranking.change.journal");
        FiveYearRankingChangeModel unchanged(country);
        EXPECT_FALSE(unchanged.Apply(country, *change));
        EXPECT_FALSE(change->Includes(last)); // nothing differs: nothing kept

        FiveYearRankingChangeModel model(country);
        model.SetValue(1, lines.front().points + 100); // to the top of the ranking
        EXPECT_TRUE(model.Apply(country, *change));
        EXPECT_TRUE(change->Includes(last));
        EXPECT_EQ(FiveYearRanking(world, world.Language()).front().country, last);
        change->Commit();
        after = test::SavedBytes(world);
    }
    ASSERT_NE(after, before);
    ASSERT_TRUE(session.Journal().Undo());
    EXPECT_EQ(test::SavedBytes(world), before);
    ASSERT_TRUE(session.Journal().Redo());
    EXPECT_EQ(test::SavedBytes(world), after);
}

} // namespace
} // namespace tallo
