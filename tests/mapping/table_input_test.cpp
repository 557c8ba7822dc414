// Every table loader against damaged input: every prefix of each hand-written table and
// bytes of every value load without reading past the data, and keep only what is whole.

#include "mapping/name_lists.h"
#include "mapping/star_heads.h"
#include "mapping/text_lines.h"
#include "mapping/zelo_club_mapping.h"
#include "mapping/zelo_player_mapping.h"
#include "mapping_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::MappingFixture;

TEST(TableInput, EveryPrefixLoadsAtMostTheWholeFile) {
    const std::string clubs = MappingFixture("ZELO_ClubIDs.txt");
    const std::string players = MappingFixture("ZELO_PlayerIDs.txt");
    const std::string stars = MappingFixture("ZELO2003_StarHeads.txt");
    CZeloClubMapping fullClubs;
    fullClubs.LoadText(clubs);
    CZeloPlayerMapping fullPlayers;
    fullPlayers.LoadText(players, "p");
    CStarHeads fullStars;
    fullStars.LoadText(stars);

    size_t lastPlayers = 0;
    for (size_t length = 0; length <= players.size(); ++length) {
        CZeloPlayerMapping mapping;
        mapping.LoadText(std::string_view(players).substr(0, length), "p");
        ASSERT_LE(mapping.Records().size(), fullPlayers.Records().size());
        // A longer file never gives fewer records.
        ASSERT_GE(mapping.Records().size(), lastPlayers);
        lastPlayers = mapping.Records().size();
    }
    EXPECT_EQ(lastPlayers, fullPlayers.Records().size());
    for (size_t length = 0; length <= clubs.size(); ++length) {
        CZeloClubMapping mapping;
        mapping.LoadText(std::string_view(clubs).substr(0, length));
        ASSERT_LE(mapping.Records().size(), fullClubs.Records().size() + 1); // a cut name
    }
    for (size_t length = 0; length <= stars.size(); ++length) {
        CStarHeads heads;
        heads.LoadText(std::string_view(stars).substr(0, length));
        ASSERT_LE(heads.Records().size(), fullStars.Records().size());
    }
}

TEST(TableInput, RandomBytesLoadWithoutHarm) {
    std::mt19937 random(20031);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string text(static_cast<size_t>(random() % 3000), '\0');
        for (char& c : text) {
            // Plenty of tabs, line ends and digits among the noise.
            const int pick = byte(random);
            c = pick < 40    ? '\t'
                : pick < 80  ? '\n'
                : pick < 140 ? static_cast<char>('0' + pick % 10)
                             : static_cast<char>(pick);
        }
        CZeloClubMapping clubs;
        clubs.LoadText(text);
        for (const auto& [name, record] : clubs.Records()) {
            ASSERT_FALSE(name.empty());
            ASSERT_LE(record.description.size(), CZeloClubMapping::kDescriptionLength);
        }
        CZeloPlayerMapping players;
        players.LoadText(text, "p");
        for (const PlayerIdRecord& record : players.Records()) {
            ASSERT_LE(record.name.size(), CZeloPlayerMapping::kNameLength);
            ASSERT_LE(record.nickname.size(), CZeloPlayerMapping::kNicknameLength);
            ASSERT_GE(record.zeloId, 1);
        }
        CStarHeads heads;
        heads.LoadText(text);
        for (const auto& [name, record] : heads.Records()) {
            ASSERT_LE(name.size(), CStarHeads::kMaxKeyLength);
        }
        CNameLists names;
        names.LoadText(CNameLists::kSurnames, text);
        for (int pool = 0; pool < CNameLists::kPools; ++pool) {
            for (const std::string& name : names.Names(CNameLists::kSurnames, pool)) {
                ASSERT_LE(name.size(), CNameLists::kMaxNameLength);
            }
        }
    }
}

TEST(TableInput, NumbersAreHeldToTheirRange) {
    EXPECT_EQ(ParseDecimal("  \t-42xyz"), -42);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal("99999999999999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ParseDecimal("-99999999999999999999"), std::numeric_limits<int32_t>::min());
    // A 0x1A byte ends the data; a zero byte ends the line's text.
    const std::string text("one\0hidden\r\ntwo\x1Athree\n", 22);
    TextLines lines(text, 100);
    std::string_view line;
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(lines.Next(line));
}

TEST(TableInput, TheLineLoaderGivesEachLineCutAndNothingForAMissingFile) {
    test::TempDir dir;
    test::WriteFile(dir / "table.txt", "first\tline\r\nover-long line\n\nlast");
    std::vector<std::string> lines;
    ASSERT_TRUE(LoadTableLines(dir / "TABLE.TXT", 9,
                               [&](std::string_view line) { lines.emplace_back(line); }));
    EXPECT_EQ(lines, (std::vector<std::string>{"first\tlin", "over-long", "", "last"}));

    lines.clear();
    EXPECT_FALSE(LoadTableLines(dir / "missing.txt", 9,
                                [&](std::string_view line) { lines.emplace_back(line); }));
    EXPECT_TRUE(lines.empty());
}

} // namespace
} // namespace tallo
