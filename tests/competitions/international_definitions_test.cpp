#include "competitions/international_definitions.h"

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "formats/kl_file.h"
#include "support/record_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;

// The fixtures' cups use scheme 1 with three rounds.
int32_t TestSchemes(uint32_t scheme) {
    return scheme == 1 ? 3 : 0;
}

constexpr uint32_t Id(uint32_t country, uint32_t kind, uint32_t number) {
    return CompetitionId::Make(country, kind, number);
}

DefinitionFile ReadText(const std::string& text, std::string_view prefix) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(text));
    DefinitionFile data;
    EXPECT_TRUE(ReadDefinitionFile(file, prefix, data, TestSchemes));
    return data;
}

std::string WriteText(const DefinitionFile& data, std::string_view prefix) {
    return test::TextWrittenBy(
        [&](CKLFile& file) { return WriteDefinitionFile(file, prefix, data, TestSchemes); });
}

TEST(InternationalDefinitionsTest, EveryDefinitionFileWritesBackByteForByte) {
    for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
        SCOPED_TRACE(std::string(info.fileName));
        const std::string path = FixturePath("international/" + std::string(info.fileName));
        DefinitionFile data;
        ASSERT_TRUE(ReadDefinitionFilePath(path, info.prefix, data, TestSchemes));
        EXPECT_FALSE(data.nodes.empty());
        std::string problem;
        EXPECT_TRUE(DefinitionFileIsWritable(data, TestSchemes, &problem)) << problem;
        EXPECT_EQ(WriteText(data, info.prefix), ReadFile(path));

        TempDir dir;
        ASSERT_TRUE(WriteDefinitionFilePath(dir / std::string(info.fileName), info.prefix, data,
                                            TestSchemes));
        EXPECT_EQ(ReadFile(dir / std::string(info.fileName)), ReadFile(path));
    }
}

TEST(InternationalDefinitionsTest, EuropeanCupNodesReadAsWritten) {
    DefinitionFile data;
    ASSERT_TRUE(ReadDefinitionFilePath(FixturePath("international/EuropeanCup.txt"), "EURO", data,
                                       TestSchemes));
    EXPECT_EQ(data.nodeCount, 5);
    ASSERT_EQ(data.nodes.size(), 4u); // EURO2 is absent
    const DefinitionNode& round = data.nodes[0];
    EXPECT_EQ(round.typeLine, "DB_ROUND");
    EXPECT_EQ(round.id, Id(250, 9, 1));
    EXPECT_EQ(round.name, "Champions League qualification");
    EXPECT_EQ(round.firstLegDay, 12);
    EXPECT_EQ(round.secondLegDay, 19);
    EXPECT_EQ(round.secondLegFlags,
              MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty);
    EXPECT_TRUE(round.predecessors.empty());
    EXPECT_EQ(round.successors, std::vector<uint32_t>{Id(250, 9, 9)});
    ASSERT_EQ(round.program.size(), 2u);
    EXPECT_EQ(round.program[1], (ProgramEntry{4, 0, 2, 2, 3}));

    const DefinitionNode& pool = data.nodes[1];
    EXPECT_EQ(pool.poolValue1, 4);
    EXPECT_EQ(pool.poolSort, 2);
    EXPECT_EQ(pool.checkCount, 1);
    EXPECT_EQ(pool.checkIds[0], Id(250, 9, 1));
    EXPECT_EQ(pool.checkIds[1], 0u);
    EXPECT_EQ(pool.successors.size(), 2u);

    const DefinitionNode& league = data.nodes[2];
    EXPECT_EQ(league.section, 3);
    EXPECT_EQ(league.size, 4);
    EXPECT_EQ(league.dayType, RoundKind::kGroup1);
    EXPECT_EQ(league.attendance, 100);
    EXPECT_EQ(league.teams, (std::vector<uint32_t>{0x10001, 0x20003, 0x3ffff, 0x1000005}));
    EXPECT_EQ(league.dayList, (std::vector<int32_t>{40, 54, 68, 96, 110, 124}));
    ASSERT_EQ(league.fixture.size(), 6u);
    EXPECT_EQ(league.fixture[1], (std::vector<int32_t>{4, 1, 2, 3}));
    EXPECT_EQ(league.values, (std::array<int32_t, 4>{0, 5000, 250, 0}));

    const DefinitionNode& cup = data.nodes[3];
    EXPECT_EQ(cup.scheme, 1);
    ASSERT_EQ(cup.roundValues.size(), 3u);
    EXPECT_EQ(cup.roundValues[2], (std::array<int32_t, 4>{-5, 6, 7, 8}));
    EXPECT_EQ(cup.dayList, (std::vector<int32_t>{30, 44, 58, 72, 0}));
    ASSERT_EQ(cup.program.size(), 3u);
    EXPECT_EQ(cup.program[2], (ProgramEntry{10, Id(250, 10, 0), -1, 3, 5}));
}

TEST(InternationalDefinitionsTest, OddSectionsAreSkippedAndTextIsKeptAsWritten) {
    const std::string text = "; the count comes after a comment\n"
                             "4\n"
                             "%INDEX%EURO0\n"
                             "DB_ROOT\n" // not a node type of a file
                             "{ 3, ROOT, 0 }\n"
                             "%INDEXEND%EURO0\n"
                             "%INDEX%EURO1\n"
                             "DB_CUP\n"
                             "{ 250, TOYOTA, 0 }   trailing text\n"
                             "A cup name longer than twenty-eight characters\n"
                             "7\n" // a scheme that is not loaded: no rounds
                             "%INDEX%MATCHDAYS\n"
                             "5, 400,x\n"
                             "%INDEXEND%MATCHDAYS\n"
                             "0\n"
                             "0\n"
                             "0\n"
                             "%INDEXEND%EURO1\n"
                             "%INDEX%EURO2\n"
                             "%INDEXEND%EURO2\n"
                             "%INDEX%EURO3\n"
                             "DB_SWITZERLAND\n"
                             "{ 5, SWITZERLAND, 0 }\n"
                             "Play-off\n"
                             "0\n"
                             "3\n"
                             "%INDEXEND%EURO3\n";
    const DefinitionFile data = ReadText(text, "EURO");
    ASSERT_EQ(data.nodes.size(), 2u);
    const DefinitionNode& cup = data.nodes[0];
    EXPECT_EQ(cup.id, Id(250, 11, 0));
    EXPECT_EQ(cup.name, "A cup name longer than twenty-eight characters");
    EXPECT_EQ(cup.scheme, 7);
    EXPECT_TRUE(cup.roundValues.empty());
    EXPECT_EQ(cup.dayList, (std::vector<int32_t>{5, 400, 0}));
    const DefinitionNode& playOff = data.nodes[1];
    EXPECT_EQ(playOff.typeLine, "DB_SWITZERLAND");
    EXPECT_EQ(playOff.scheme, 0);
    EXPECT_EQ(playOff.extraLevel, 3);

    // Written and read again, the data stays the same.
    EXPECT_EQ(ReadText(WriteText(data, "EURO"), "EURO"), data);
}

TEST(InternationalDefinitionsTest, HostileCountsAndTruncationsReadSafely) {
    DefinitionFile huge = ReadText("2147483647\n%INDEX%X7\nDB_POOL\n{ 1, ROOT, 0 }\n"
                                   "%INDEXEND%X7\n",
                                   "X");
    EXPECT_EQ(huge.nodeCount, kMaxDefinitionNodes);
    ASSERT_EQ(huge.nodes.size(), 1u);
    EXPECT_EQ(huge.nodes[0].section, 7);
    EXPECT_TRUE(ReadText("-3\n%INDEX%X0\nDB_POOL\n%INDEXEND%X0\n", "X").nodes.empty());

    // A pool whose count of competitions to check is far too high still reads its three lines.
    const DefinitionFile pool = ReadText("1\n%INDEX%X0\nDB_POOL\n{ 0, INDOOR, 0 }\n1\n2\n\n"
                                         "99999\n0\n0\n0\n1\n2\n3\n4\n0\n0\n0\n"
                                         "%INDEXEND%X0\n",
                                         "X");
    ASSERT_EQ(pool.nodes.size(), 1u);
    EXPECT_EQ(pool.nodes[0].checkCount, 99999);
    EXPECT_EQ(pool.nodes[0].values, (std::array<int32_t, 4>{1, 2, 3, 4}));

    for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
        const std::string golden =
            ReadFile(FixturePath("international/" + std::string(info.fileName)));
        ASSERT_FALSE(golden.empty());
        for (size_t length = 0; length <= golden.size(); ++length) {
            const DefinitionFile data = ReadText(golden.substr(0, length), info.prefix);
            for (const DefinitionNode& node : data.nodes) {
                EXPECT_LE(node.program.size(), 7u);
                EXPECT_LE(node.roundValues.size(), 3u);
                EXPECT_LE(node.fixture.size(), 10u);
            }
        }
    }
    CKLFile closed;
    DefinitionFile none;
    EXPECT_FALSE(ReadDefinitionFile(closed, "X", none, TestSchemes));
    EXPECT_FALSE(ReadDefinitionFilePath("/nonexistent/EuropeanCup.txt", "EURO", none));
}

TEST(InternationalDefinitionsTest, WriterRefusesWhatWouldNotReadBack) {
    DefinitionFile data;
    ASSERT_TRUE(ReadDefinitionFilePath(FixturePath("international/EuropeanCup.txt"), "EURO", data,
                                       TestSchemes));
    std::string problem;
    ASSERT_TRUE(DefinitionFileIsWritable(data, TestSchemes, &problem)) << problem;

    DefinitionFile comment = data;
    comment.nodes[0].name = "; looks like a comment";
    EXPECT_FALSE(DefinitionFileIsWritable(comment, TestSchemes, &problem));
    EXPECT_NE(problem.find("section 0"), std::string::npos) << problem;

    DefinitionFile lineBreak = data;
    lineBreak.nodes[2].name = "two\nlines";
    EXPECT_FALSE(DefinitionFileIsWritable(lineBreak, TestSchemes));

    DefinitionFile order = data;
    std::swap(order.nodes[0], order.nodes[1]);
    EXPECT_FALSE(DefinitionFileIsWritable(order, TestSchemes));

    DefinitionFile beyond = data;
    beyond.nodes.back().section = data.nodeCount;
    EXPECT_FALSE(DefinitionFileIsWritable(beyond, TestSchemes));

    DefinitionFile unknownType = data;
    unknownType.nodes[0].typeLine = "DB_SPARE";
    EXPECT_FALSE(DefinitionFileIsWritable(unknownType, TestSchemes));

    DefinitionFile zeroLink = data;
    zeroLink.nodes[0].successors.push_back(0);
    EXPECT_FALSE(DefinitionFileIsWritable(zeroLink, TestSchemes));

    // The cup has three blocks of round values; a scheme of two rounds would misread them.
    EXPECT_FALSE(DefinitionFileIsWritable(data, [](uint32_t) { return 2; }));

    DefinitionFile badFlags = data;
    badFlags.nodes[0].firstLegFlags = 64;
    EXPECT_FALSE(DefinitionFileIsWritable(badFlags, TestSchemes));

    DefinitionFile badProgram = data;
    badProgram.nodes[1].program.push_back(ProgramEntry{22, 1, 0, 0, 0});
    EXPECT_FALSE(DefinitionFileIsWritable(badProgram, TestSchemes));

    TempDir dir;
    EXPECT_FALSE(WriteDefinitionFilePath(dir / "EuropeanCup.txt", "EURO", comment, TestSchemes));
    EXPECT_TRUE(ReadFile(dir / "EuropeanCup.txt").empty());
}

TEST(InternationalDefinitionsTest, DayListsArePaddedToTheRequiredCount) {
    EXPECT_EQ(PaddedDayList({5, 12}, 4), (std::vector<int32_t>{5, 12, 0, 0}));
    EXPECT_EQ(PaddedDayList({5, 12, 19}, 2), (std::vector<int32_t>{5, 12, 19}));
    EXPECT_TRUE(PaddedDayList({}, -1).empty());
    EXPECT_EQ(PaddedDayList({}, 1 << 30).size(), kMaxDefinitionListItems);
}

} // namespace
} // namespace tallo
