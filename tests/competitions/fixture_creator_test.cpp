#include "competitions/fixture_creator.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace tallo {
namespace {

// The rows of one round of a creator's table, as the static checks take them.
std::vector<FixturePairing> RoundOf(const CFixtureCreator& creator, int32_t round) {
    const int32_t m = creator.Rows() / creator.Rounds();
    std::vector<FixturePairing> table;
    for (int32_t row = round * m; row < (round + 1) * m; ++row) {
        for (int32_t column = 0; column < creator.Columns(); ++column) {
            table.push_back(creator.Entry(row, column));
        }
    }
    return table;
}

void ExpectPairing(const CFixtureCreator& creator, int32_t row, int32_t column, int32_t home,
                   int32_t away) {
    const FixturePairing pairing = creator.Entry(row, column);
    EXPECT_EQ(pairing.home, home) << "row " << row << " column " << column;
    EXPECT_EQ(pairing.away, away) << "row " << row << " column " << column;
}

TEST(FixtureCreatorTest, EightTeamsFirstMatchdaysAndMirroredSecondRound) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(8, 2));
    EXPECT_EQ(creator.Teams(), 8);
    EXPECT_EQ(creator.Rounds(), 2);
    EXPECT_EQ(creator.Rows(), 14);
    EXPECT_EQ(creator.Columns(), 4);

    const int32_t first[4][2] = {{1, 0}, {3, 2}, {5, 4}, {7, 6}};
    const int32_t second[4][2] = {{0, 2}, {4, 1}, {6, 3}, {7, 5}};
    for (int32_t k = 0; k < 4; ++k) {
        ExpectPairing(creator, 0, k, first[k][0], first[k][1]);
        ExpectPairing(creator, 1, k, second[k][0], second[k][1]);
        ExpectPairing(creator, 7, k, first[k][1], first[k][0]);
        ExpectPairing(creator, 8, k, second[k][1], second[k][0]);
    }
}

TEST(FixtureCreatorTest, ThreeTeamsRestInTheLastColumn) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(3, 1));
    EXPECT_EQ(creator.Rows(), 3);
    EXPECT_EQ(creator.Columns(), 2);
    for (int32_t row = 0; row < 3; ++row) {
        const FixturePairing played = creator.Entry(row, 0);
        const FixturePairing resting = creator.Entry(row, 1);
        EXPECT_GE(played.home, 0) << row;
        EXPECT_GE(played.away, 0) << row;
        EXPECT_TRUE((resting.home == -1) != (resting.away == -1)) << row;
    }
    EXPECT_TRUE(CFixtureCreator::FirstRoundComplete(RoundOf(creator, 0), 3, 2, 3));
}

// Every count from 3 to 30 teams over one to four rounds: each round complete, each later round
// the one before with home and away exchanged, runs of at most three, resting pairings last and
// each team resting once per round.
TEST(FixtureCreatorTest, EverySizeMakesASoundSchedule) {
    for (int32_t teams = 3; teams <= 30; ++teams) {
        for (int32_t rounds = 1; rounds <= 4; ++rounds) {
            SCOPED_TRACE(testing::Message() << teams << " teams, " << rounds << " rounds");
            CFixtureCreator creator;
            ASSERT_TRUE(creator.Create(teams, rounds));
            const int32_t even = teams + teams % 2;
            const int32_t m = even - 1;
            ASSERT_EQ(creator.Rows(), m * rounds);
            ASSERT_EQ(creator.Columns(), even / 2);
            for (int32_t round = 0; round < rounds; ++round) {
                const std::vector<FixturePairing> table = RoundOf(creator, round);
                EXPECT_TRUE(
                    CFixtureCreator::FirstRoundComplete(table, teams, creator.Columns(), m));
                EXPECT_LE(CFixtureCreator::LongestRun(table, teams, creator.Columns(), m), 3);
                std::vector<int32_t> rests(static_cast<size_t>(teams), 0);
                for (int32_t i = 0; i < m; ++i) {
                    const int32_t row = round * m + i;
                    for (int32_t k = 0; k < creator.Columns(); ++k) {
                        const FixturePairing pairing = creator.Entry(row, k);
                        if (round > 0) {
                            const FixturePairing before = creator.Entry(row - m, k);
                            EXPECT_EQ(pairing.home, before.away);
                            EXPECT_EQ(pairing.away, before.home);
                        }
                        const bool resting = pairing.home == -1 || pairing.away == -1;
                        EXPECT_EQ(resting, teams % 2 == 1 && k == creator.Columns() - 1);
                        if (resting) {
                            ++rests[static_cast<size_t>(pairing.home == -1 ? pairing.away
                                                                           : pairing.home)];
                        }
                    }
                }
                for (int32_t team = 0; team < teams; ++team) {
                    EXPECT_EQ(rests[static_cast<size_t>(team)], teams % 2) << "team " << team;
                }
            }
        }
    }
}

TEST(FixtureCreatorTest, RefusedCountsLeaveThePreviousTable) {
    CFixtureCreator creator;
    EXPECT_FALSE(creator.Create(2, 2));
    EXPECT_FALSE(creator.Create(8, 0));
    EXPECT_FALSE(creator.HasTable());
    ExpectPairing(creator, 0, 0, -1, -1);

    ASSERT_TRUE(creator.Create(8, 2));
    EXPECT_FALSE(creator.Create(2, 2));
    EXPECT_FALSE(creator.Create(-5, 1));
    EXPECT_FALSE(creator.Create(10, -1));
    EXPECT_FALSE(creator.Create(INT_MAX, INT_MAX));
    EXPECT_FALSE(creator.Create(100000, 1));
    EXPECT_EQ(creator.Teams(), 8);
    EXPECT_EQ(creator.Rows(), 14);
    ExpectPairing(creator, 0, 0, 1, 0);

    // Outside the table both sides are -1.
    ExpectPairing(creator, 14, 0, -1, -1);
    ExpectPairing(creator, 0, 4, -1, -1);
    ExpectPairing(creator, -1, 0, -1, -1);
    ExpectPairing(creator, 0, -1, -1, -1);
}

TEST(FixtureCreatorTest, ANewScheduleReplacesTheOldOne) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(20, 4));
    ASSERT_TRUE(creator.Create(5, 1));
    EXPECT_EQ(creator.Rows(), 5);
    EXPECT_EQ(creator.Columns(), 3);
    ExpectPairing(creator, 5, 0, -1, -1);
}

// The checks find a schedule in which a pair meets twice, a team meets itself, a team number
// is out of range, or a team is at home five times in a row.
TEST(FixtureCreatorTest, ChecksCatchABrokenSchedule) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(6, 1));
    const std::vector<FixturePairing> sound = RoundOf(creator, 0);
    ASSERT_TRUE(CFixtureCreator::FirstRoundComplete(sound, 6, 3, 5));

    std::vector<FixturePairing> twice = sound;
    twice[3] = twice[0]; // matchday 1 repeats a pairing of matchday 0
    EXPECT_FALSE(CFixtureCreator::FirstRoundComplete(twice, 6, 3, 5));

    std::vector<FixturePairing> itself = sound;
    itself[0].away = itself[0].home;
    EXPECT_FALSE(CFixtureCreator::FirstRoundComplete(itself, 6, 3, 5));

    std::vector<FixturePairing> outside = sound;
    outside[0].home = 6;
    EXPECT_FALSE(CFixtureCreator::FirstRoundComplete(outside, 6, 3, 5));

    // Fewer rows than asked for are refused, not read past.
    EXPECT_FALSE(CFixtureCreator::FirstRoundComplete(sound, 6, 3, 6));

    // Turn every match of team 0 into a home match: still complete, but five home matches.
    std::vector<FixturePairing> homeRun = sound;
    for (FixturePairing& pairing : homeRun) {
        if (pairing.away == 0) {
            std::swap(pairing.home, pairing.away);
        }
    }
    EXPECT_TRUE(CFixtureCreator::FirstRoundComplete(homeRun, 6, 3, 5));
    EXPECT_LE(CFixtureCreator::LongestRun(sound, 6, 3, 5), 3);
    EXPECT_EQ(CFixtureCreator::LongestRun(homeRun, 6, 3, 5), 5);
}

} // namespace
} // namespace tallo
