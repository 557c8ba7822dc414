#include "competitions/fixture_templates.h"

#include "competitions/fixture_creator.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace tallo {
namespace {

// Checks the league schedule of `teams` teams over two rounds as a league receives it, without
// the template's own check.
void ExpectSoundLeagueSchedule(int32_t teams) {
    SCOPED_TRACE(testing::Message() << teams << " teams");
    const std::vector<FixtureMatchday> matchdays = FixturesFromTemplate(teams, 2);
    const int32_t m = teams % 2 == 0 ? teams - 1 : teams;
    ASSERT_EQ(matchdays.size(), static_cast<size_t>(2 * m));

    for (int32_t round = 0; round < 2; ++round) {
        std::set<std::pair<int, int>> met;
        std::map<int, int> rests;
        for (int32_t i = 0; i < m; ++i) {
            const FixtureMatchday& day = matchdays[static_cast<size_t>(round * m + i)];
            ASSERT_EQ(day.size(), static_cast<size_t>(teams / 2));
            std::set<int> playing;
            for (size_t k = 0; k < day.size(); ++k) {
                const FixtureListPairing pairing = day[k];
                ASSERT_GE(pairing.home, 1);
                ASSERT_LE(pairing.home, teams);
                ASSERT_GE(pairing.away, 1);
                ASSERT_LE(pairing.away, teams);
                ASSERT_NE(pairing.home, pairing.away);
                EXPECT_TRUE(playing.insert(pairing.home).second);
                EXPECT_TRUE(playing.insert(pairing.away).second);
                EXPECT_TRUE(met.insert(std::minmax<int>(pairing.home, pairing.away)).second);
                if (round == 1) {
                    // Home and away swap in the second round.
                    const FixtureListPairing first = matchdays[static_cast<size_t>(i)][k];
                    EXPECT_EQ(pairing.home, first.away);
                    EXPECT_EQ(pairing.away, first.home);
                }
            }
            for (int team = 1; team <= teams; ++team) {
                if (playing.count(team) == 0) {
                    ++rests[team];
                }
            }
        }
        EXPECT_EQ(met.size(), static_cast<size_t>(teams * (teams - 1) / 2));
        for (int team = 1; team <= teams; ++team) {
            EXPECT_EQ(rests[team], teams % 2) << "team " << team << " round " << round;
        }
    }

    // No team plays more than three home or three away matches in a row over the season, nor
    // from the end of the season into the next (a resting day is passed over).
    for (int team = 1; team <= teams; ++team) {
        int run = 0;
        int side = 0;
        for (int32_t index = 0; index < 3 * m; ++index) {
            const FixtureMatchday& day = matchdays[static_cast<size_t>(index % (2 * m))];
            int daySide = 0;
            for (const FixtureListPairing& pairing : day) {
                daySide = pairing.home == team ? 1 : pairing.away == team ? -1 : daySide;
            }
            if (daySide == 0) {
                continue;
            }
            run = daySide == side ? run + 1 : 1;
            side = daySide;
            EXPECT_LE(run, 3) << "team " << team << " matchday " << index;
        }
    }
}

TEST(FixtureTemplatesTest, EveryLeagueSizeGetsASoundSchedule) {
    ASSERT_TRUE(PrepareFixtureTemplates());
    for (int32_t teams = kFirstTemplateSize; teams <= kLastTemplateSize; ++teams) {
        ExpectSoundLeagueSchedule(teams);
        const FixtureTemplate* t = GetFixtureTemplate(teams);
        ASSERT_NE(t, nullptr);
        std::string problem;
        EXPECT_TRUE(CheckFixtureTemplate(*t, &problem)) << teams << ": " << problem;
    }
}

TEST(FixtureTemplatesTest, GeneratedTemplatesComeFromTheCreator) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(8, 2));
    const FixtureTemplate* eight = GetFixtureTemplate(8);
    ASSERT_NE(eight, nullptr);
    EXPECT_EQ(eight->rowCount, 14);
    EXPECT_EQ(eight->bytes.size(), 16u * 8u);
    for (int32_t row = 0; row < 14; ++row) {
        for (int32_t k = 0; k < 4; ++k) {
            EXPECT_EQ(eight->At(row, 2 * k), creator.Entry(row, k).home + 1);
            EXPECT_EQ(eight->At(row, 2 * k + 1), creator.Entry(row, k).away + 1);
        }
    }
    for (int32_t index = 0; index < 8; ++index) {
        EXPECT_EQ(eight->At(14, index), 0);
        EXPECT_EQ(eight->At(15, index), 0);
    }

    ASSERT_TRUE(creator.Create(9, 2));
    const FixtureTemplate* nine = GetFixtureTemplate(9);
    ASSERT_NE(nine, nullptr);
    EXPECT_EQ(nine->rowCount, 18);
    for (int32_t row = 0; row < 18; ++row) {
        const FixturePairing resting = creator.Entry(row, 4);
        EXPECT_EQ(nine->At(row, 8), std::max(resting.home, resting.away) + 1) << row;
    }
}

TEST(FixtureTemplatesTest, BuiltInTablesKeepTheirKnownFirstRows) {
    const FixtureTemplate* ten = GetFixtureTemplate(10);
    ASSERT_NE(ten, nullptr);
    const uint8_t firstTen[10] = {7, 9, 3, 2, 10, 4, 6, 8, 5, 1};
    for (int32_t index = 0; index < 10; ++index) {
        EXPECT_EQ(ten->At(0, index), firstTen[index]);
    }
    const FixtureTemplate* eighteen = GetFixtureTemplate(18);
    ASSERT_NE(eighteen, nullptr);
    const uint8_t firstEighteen[6] = {18, 12, 6, 9, 5, 4};
    for (int32_t index = 0; index < 6; ++index) {
        EXPECT_EQ(eighteen->At(0, index), firstEighteen[index]);
    }
    // Odd built-in sizes end every row with 0.
    for (int32_t teams = 11; teams <= 23; teams += 2) {
        const FixtureTemplate* t = GetFixtureTemplate(teams);
        ASSERT_NE(t, nullptr);
        for (int32_t row = 0; row < t->rowCount; ++row) {
            EXPECT_EQ(t->At(row, teams - 1), 0) << teams << " row " << row;
        }
    }
}

TEST(FixtureTemplatesTest, SelfCheckCatchesBrokenTemplates) {
    const FixtureTemplate* ten = GetFixtureTemplate(10);
    ASSERT_NE(ten, nullptr);
    std::string problem;

    FixtureTemplate twice = *ten;
    std::swap(twice.bytes[0], twice.bytes[2]); // row 0 becomes (3, 9), (7, 2)
    EXPECT_FALSE(CheckFixtureTemplate(twice, &problem));
    EXPECT_FALSE(problem.empty());

    FixtureTemplate notMirrored = *ten;
    std::swap(notMirrored.bytes[9 * 10], notMirrored.bytes[9 * 10 + 1]);
    EXPECT_FALSE(CheckFixtureTemplate(notMirrored));

    FixtureTemplate outside = *ten;
    outside.bytes[0] = 11;
    EXPECT_FALSE(CheckFixtureTemplate(outside));
    outside.bytes[0] = 0;
    EXPECT_FALSE(CheckFixtureTemplate(outside));

    // Team 1 at home in every match of the first round (away in the second): complete and
    // mirrored, but far more than three home matches in a row.
    FixtureTemplate homeRun = *ten;
    for (int32_t row = 0; row < 2 * 9; ++row) {
        for (int32_t k = 0; k < 5; ++k) {
            uint8_t* pairing = &homeRun.bytes[static_cast<size_t>(row) * 10 + 2 * k];
            const bool firstRound = row < 9;
            if ((firstRound && pairing[1] == 1) || (!firstRound && pairing[0] == 1)) {
                std::swap(pairing[0], pairing[1]);
            }
        }
    }
    EXPECT_FALSE(CheckFixtureTemplate(homeRun, &problem));
    EXPECT_NE(problem.find("in a row"), std::string::npos) << problem;

    FixtureTemplate shortLayout = *ten;
    shortLayout.bytes.resize(10 * 17);
    EXPECT_FALSE(CheckFixtureTemplate(shortLayout));
    FixtureTemplate wrongSize = *ten;
    wrongSize.teams = 25;
    EXPECT_FALSE(CheckFixtureTemplate(wrongSize));

    // The extra byte of an odd size is 0 or the resting team, nothing else.
    FixtureTemplate nine = *GetFixtureTemplate(9);
    ASSERT_TRUE(CheckFixtureTemplate(nine));
    nine.bytes[8] = static_cast<uint8_t>(nine.bytes[8] % 9 + 1);
    EXPECT_FALSE(CheckFixtureTemplate(nine));
}

TEST(FixtureTemplatesTest, RoundsAlternateBetweenTheTwoTemplateRounds) {
    const std::vector<FixtureMatchday> three = FixturesFromTemplate(10, 3);
    ASSERT_EQ(three.size(), 27u);
    for (size_t i = 0; i < 9; ++i) {
        for (size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(three[18 + i][k].home, three[i][k].home);
            EXPECT_EQ(three[18 + i][k].away, three[i][k].away);
            EXPECT_EQ(three[9 + i][k].home, three[i][k].away);
        }
    }
    // Every pairing handed to the callback lands in the result.
    int32_t calls = 0;
    EXPECT_EQ(FillFixtureFromTemplate(17, 4, [&](int32_t, int32_t, uint8_t, uint8_t) { ++calls; }),
              68);
    EXPECT_EQ(calls, 68 * 8);
}

TEST(FixtureTemplatesTest, SizesAndRoundsOutsideTheTablesGiveNoOrBoundedFixtures) {
    EXPECT_TRUE(FixturesFromTemplate(7, 2).empty());
    EXPECT_TRUE(FixturesFromTemplate(25, 2).empty());
    EXPECT_TRUE(FixturesFromTemplate(-1, 2).empty());
    EXPECT_TRUE(FixturesFromTemplate(12, 0).empty());
    EXPECT_TRUE(FixturesFromTemplate(12, -3).empty());
    EXPECT_EQ(GetFixtureTemplate(7), nullptr);
    EXPECT_EQ(GetFixtureTemplate(INT_MIN), nullptr);

    // A hostile round count is cut to whole rounds within a season.
    const std::vector<FixtureMatchday> many = FixturesFromTemplate(24, INT_MAX);
    EXPECT_EQ(many.size(), 17u * 23u);
    EXPECT_LE(many.size(), static_cast<size_t>(kMaxTemplateMatchdays));
    EXPECT_EQ(GetFixtureTemplate(8)->At(-1, 0), 0);
    EXPECT_EQ(GetFixtureTemplate(8)->At(0, 8), 0);
    EXPECT_EQ(GetFixtureTemplate(8)->At(100, 0), 0);
}

} // namespace
} // namespace tallo
