#include "competitions/cup_alloc.h"

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/scheme_services.h"
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
using test::WriteFile;

CupAllocFile ReadText(const std::string& text) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(text));
    CupAllocFile data;
    EXPECT_TRUE(ReadCupAlloc(file, data));
    return data;
}

std::string WriteText(const CupAllocFile& data) {
    return test::TextWrittenBy([&](CKLFile& file) { return WriteCupAlloc(file, data); });
}

class CupAllocTest : public testing::Test {
protected:
    void SetUp() override {
        ProgramTable().Clear();
        CupSchemes().Clear();
    }
    void TearDown() override {
        ProgramTable().Clear();
        CupSchemes().Clear();
        SetCupSchemeServices({});
    }
};

TEST_F(CupAllocTest, GoldenFileReadsAndWritesBackByteForByte) {
    CupAllocFile data;
    ASSERT_TRUE(ReadCupAllocFile(FixturePath("cup_alloc/CupAlloc.txt"), data));
    EXPECT_EQ(data.highest, 5);
    ASSERT_EQ(data.schemes.size(), 4u);
    EXPECT_EQ(data.schemes.count(2), 0u);

    const CupSchemeDefinition& first = data.schemes.at(1);
    ASSERT_EQ(first.rows.size(), 3u);
    EXPECT_EQ(first.rows[0],
              (CupSchemeRow{0, 3, 0, 0, 0, 0, MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty,
                            RoundKind::kRound1}));
    EXPECT_EQ(first.rows[1].flags,
              MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime | MatchFlag::kWithPenalty);
    EXPECT_EQ(first.rows[2],
              (CupSchemeRow{0, 0, 0, 0, 0, 1, MatchFlag::kWithReplay, RoundKind::kFinal}));
    ASSERT_EQ(first.program.size(), 3u);
    EXPECT_EQ(first.program[0], (ProgramEntry{8, 0, -1, 1, 3}));
    EXPECT_EQ(first.program[2], (ProgramEntry{9, 0, -2, 1, 2}));

    const CupSchemeDefinition& third = data.schemes.at(3);
    EXPECT_EQ(third.rows[0], (CupSchemeRow{12, 2, -4, 0, 7, 0, 0, RoundKind::kQuali}));
    EXPECT_EQ(third.rows[1].flags, MatchFlag::k2ndLeg | MatchFlag::kWithoutAwayGoal);
    ASSERT_EQ(third.program.size(), 11u);
    EXPECT_EQ(third.program[8], (ProgramEntry{11, CompetitionId::Make(250, 9, 8), 2, 2, 5}));
    EXPECT_TRUE(data.schemes.at(4).program.empty());
    EXPECT_TRUE(data.schemes.at(5).rows.empty());
    EXPECT_EQ(data.schemes.at(5).program.size(), 12u);

    const std::string golden = ReadFile(FixturePath("cup_alloc/CupAlloc.txt"));
    EXPECT_EQ(WriteText(data), golden);

    TempDir dir;
    ASSERT_TRUE(WriteCupAllocFile(dir / "CupAlloc.txt", data));
    EXPECT_EQ(ReadFile(dir / "CupAlloc.txt"), golden);
}

TEST_F(CupAllocTest, HandWrittenFileWithCommentsAndOddText) {
    CupAllocFile data;
    ASSERT_TRUE(ReadCupAllocFile(FixturePath("cup_alloc/CupAlloc_hand.txt"), data));
    EXPECT_EQ(data.highest, 6);
    ASSERT_EQ(data.schemes.size(), 2u);

    const CupSchemeDefinition& second = data.schemes.at(2);
    ASSERT_EQ(second.rows.size(), 2u);
    // A row without "{" holds nothing; its unknown round kind reads as -1.
    EXPECT_EQ(second.rows[0], (CupSchemeRow{0, 0, 0, 0, 0, 0, 0, -1}));
    // Blanks around values, text after the round keyword, an unknown flag item.
    EXPECT_EQ(second.rows[1],
              (CupSchemeRow{5, 2, -3, 0, 0, 0,
                            MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime | MatchFlag::kEnd,
                            RoundKind::kQuarterFinal}));
    ASSERT_EQ(second.program.size(), 5u);
    EXPECT_EQ(second.program[0].opcode, ProgramOpcode::kGetWinner);
    EXPECT_EQ(second.program[0].competition, CompetitionId::Make(7, 3, 0));
    EXPECT_EQ(second.program[1], (ProgramEntry{26, CompetitionId::Make(3, 1, 2), 0, 9, 10}));
    EXPECT_EQ(second.program[3], (ProgramEntry{0, CompetitionId::Make(0, 7, 0), 0, 11, 12}));

    // A row with only two values: the rest 0, kind unknown.
    EXPECT_EQ(data.schemes.at(6).rows.at(0), (CupSchemeRow{1, 1, 0, 0, 0, 0, 0, -1}));

    // What the writer makes of it reads back the same.
    EXPECT_EQ(ReadText(WriteText(data)), data);

    // Loaded as the process-wide table: the program that holds an END_OF_ENTRY line of its own
    // ends there for the game, and is kept whole for writing.
    CupSchemes().Install(data, ProgramTable());
    const std::optional<CupScheme> scheme = CupSchemes().Scheme(2);
    ASSERT_TRUE(scheme.has_value());
    EXPECT_EQ(ProgramTable().Program(scheme->programIndex).size(), 4u);
    EXPECT_EQ(ProgramTable().EntriesAsRead(scheme->programIndex), second.program);
}

TEST_F(CupAllocTest, SchemesServeRoundsMatchdaysAndPrograms) {
    TempDir dir;
    // Names are found regardless of case.
    WriteFile(dir / "cupalloc.txt", ReadFile(FixturePath("cup_alloc/CupAlloc.txt")));
    ASSERT_TRUE(LoadCupSchemes(dir.Path()));
    InstallCupSchemeServices();

    EXPECT_EQ(CupSchemes().Highest(), 5);
    EXPECT_FALSE(CupSchemes().Scheme(0).has_value());
    EXPECT_FALSE(CupSchemes().Scheme(2).has_value());
    EXPECT_FALSE(CupSchemes().Scheme(6).has_value());

    const std::optional<CupScheme> first = CupSchemes().Scheme(1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->RoundCount(), 3);
    EXPECT_EQ(first->RequiredMatchdays(), 5); // one, two (second leg), two (replay)
    const std::vector<CupSchemeRound> rounds = CupSchemeRounds(1);
    ASSERT_EQ(rounds.size(), 3u);
    EXPECT_EQ(rounds[1].kind, RoundKind::kSemiFinal);
    EXPECT_EQ(rounds[2].flags, MatchFlag::kWithReplay);
    EXPECT_EQ(CupSchemeRounds(3).size(), 2u);
    EXPECT_TRUE(CupSchemeRounds(2).empty());
    EXPECT_TRUE(CupSchemeRounds(5).empty()); // a scheme without rows has no rounds

    // A GET_TAB_LEVEL_X_TO_Y -1, 1, 3 of a cup of country 9 whose first league is on level 2.
    const uint32_t copy = InstantiateCupProgram(1, 9, 2);
    const std::vector<ProgramEntry> program = ProgramTable().Program(copy);
    ASSERT_EQ(program.size(), 4u);
    EXPECT_EQ(program[0], (ProgramEntry{8, CompetitionId::Make(9, 0, 0), 2, 1, 3}));
    EXPECT_EQ(program[1], (ProgramEntry{8, CompetitionId::Make(9, 0, 0), 3, 1, 2}));
    EXPECT_EQ(InstantiateCupProgram(2, 9, 2), 0u);

    // Node programs are read into the same table.
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("1\r\nGET_HOST\r\n"));
    const uint32_t index = ReadQualificationProgram(file);
    EXPECT_EQ(ProgramTable().Program(index).size(), 2u);

    // Loading again replaces the schemes; a missing file leaves none.
    TempDir empty;
    EXPECT_FALSE(LoadCupSchemes(empty.Path()));
    EXPECT_EQ(CupSchemes().Highest(), 0);
    EXPECT_FALSE(CupSchemes().Scheme(1).has_value());
}

TEST_F(CupAllocTest, HostileCountsAreClampedBeforeUse) {
    // A huge N reads the schemes there are (up to the highest number kept) without searching
    // for billions of sections.
    CupAllocFile huge = ReadText("2147483647\r\n%INDEX%CUP2\r\n0\r\n0\r\n%INDEXEND%CUP2\r\n");
    EXPECT_EQ(huge.highest, kMaxCupSchemeNumber);
    EXPECT_EQ(huge.schemes.size(), 1u);
    EXPECT_TRUE(ReadText("-7\r\n%INDEX%CUP1\r\n0\r\n0\r\n%INDEXEND%CUP1\r\n").schemes.empty());

    // Ten rows: eight kept, and the program after them still found.
    std::string tenRows = "1\r\n%INDEX%CUP1\r\n10\r\n";
    for (int i = 0; i < 10; ++i) {
        tenRows += "{ " + std::to_string(i) + ", 50, 0, 0, 0, 0, ROUND_1, BEG_2ND_LEG }\r\n";
    }
    tenRows += "1\r\nGET_HOST\r\n%INDEXEND%CUP1\r\n";
    const CupAllocFile ten = ReadText(tenRows);
    const CupSchemeDefinition& scheme = ten.schemes.at(1);
    ASSERT_EQ(scheme.rows.size(), 8u);
    EXPECT_EQ(scheme.rows[7].a, 7);
    ASSERT_EQ(scheme.program.size(), 1u);
    EXPECT_EQ(scheme.program[0].opcode, ProgramOpcode::kGetHost);

    // A round count of 50 in the first row uses the eight round slots, no more; a negative
    // one none.
    CupSchemes().Install(ten, ProgramTable());
    EXPECT_EQ(CupSchemes().Scheme(1)->RoundCount(), 8);
    EXPECT_EQ(CupSchemes().Scheme(1)->RequiredMatchdays(), 16);
    const CupAllocFile negative =
        ReadText("1\r\n%INDEX%CUP1\r\n1\r\n{ 0, -3, 0, 0, 0, 0, ROUND_1, 0 }\r\n0\r\n"
                 "%INDEXEND%CUP1\r\n");
    CupSchemes().Install(negative, ProgramTable());
    EXPECT_EQ(CupSchemes().Scheme(1)->RoundCount(), 0);
    EXPECT_EQ(CupSchemes().Scheme(1)->RequiredMatchdays(), 0);

    // A row count beyond the lines present ends at the section end; so does the program.
    const CupAllocFile cut =
        ReadText("2\r\n%INDEX%CUP1\r\n2000000000\r\n{ 0, 1 }\r\n%INDEXEND%CUP1\r\n"
                 "%INDEX%CUP2\r\n0\r\n2000000000\r\nGET_HOST\r\n%INDEXEND%CUP2\r\n");
    EXPECT_EQ(cut.schemes.at(1).rows.size(), 1u);
    EXPECT_TRUE(cut.schemes.at(1).program.empty());
    EXPECT_EQ(cut.schemes.at(2).program.size(), 1u);
}

TEST_F(CupAllocTest, EveryTruncationOfTheGoldenFileReadsSafely) {
    const std::string golden = ReadFile(FixturePath("cup_alloc/CupAlloc.txt"));
    ASSERT_FALSE(golden.empty());
    for (size_t length = 0; length <= golden.size(); ++length) {
        const CupAllocFile data = ReadText(golden.substr(0, length));
        EXPECT_LE(data.highest, 5);
        for (const auto& [number, scheme] : data.schemes) {
            EXPECT_GE(number, 1);
            EXPECT_LE(scheme.rows.size(), 3u);
            EXPECT_LE(scheme.program.size(), 12u);
        }
        CupSchemes().Install(data, ProgramTable());
    }
    EXPECT_EQ(ReadText(golden).schemes.size(), 4u);
    CKLFile closed;
    CupAllocFile none;
    EXPECT_FALSE(ReadCupAlloc(closed, none));
}

TEST_F(CupAllocTest, WriterRefusesWhatWouldNotReadBack) {
    CupAllocFile data;
    data.highest = 2;
    data.schemes[1].rows.push_back(CupSchemeRow{0, 1, 0, 0, 0, 0, 0, RoundKind::kFinal});
    std::string problem;
    ASSERT_TRUE(CupAllocIsWritable(data, &problem)) << problem;

    CupAllocFile noKeyword = data;
    noKeyword.schemes[1].rows[0].kind = 0; // kind 0 has no keyword
    EXPECT_FALSE(CupAllocIsWritable(noKeyword, &problem));
    CupAllocFile unknownFlag = data;
    unknownFlag.schemes[1].rows[0].flags = 64;
    EXPECT_FALSE(CupAllocIsWritable(unknownFlag));
    CupAllocFile beyond = data;
    beyond.schemes[3] = CupSchemeDefinition{};
    EXPECT_FALSE(CupAllocIsWritable(beyond));
    CupAllocFile nineRows = data;
    nineRows.schemes[1].rows.resize(9, data.schemes[1].rows[0]);
    EXPECT_FALSE(CupAllocIsWritable(nineRows));
    CupAllocFile badProgram = data;
    badProgram.schemes[1].program.push_back(ProgramEntry{22, 5, 0, 0, 0});
    EXPECT_FALSE(CupAllocIsWritable(badProgram));
    CupAllocFile longRow = data;
    longRow.schemes[1].rows[0] =
        CupSchemeRow{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN,
                     INT32_MIN, INT32_MIN, 0xFFFFu,   RoundKind::kQuarterFinal};
    longRow.schemes[1].rows[0].flags = MatchFlag::k2ndLeg | MatchFlag::kWithReplay |
                                       MatchFlag::kWithExtraTime | MatchFlag::kWithGoldenGoal |
                                       MatchFlag::kWithPenalty;
    EXPECT_FALSE(CupAllocIsWritable(longRow));

    TempDir dir;
    WriteFile(dir / "CupAlloc.txt", "old");
    EXPECT_FALSE(WriteCupAllocFile(dir / "CupAlloc.txt", noKeyword));
    EXPECT_EQ(ReadFile(dir / "CupAlloc.txt"), "old");
    ASSERT_TRUE(WriteCupAllocFile(dir / "CupAlloc.txt", data));
    CupAllocFile back;
    ASSERT_TRUE(ReadCupAllocFile(dir / "CupAlloc.txt", back));
    EXPECT_EQ(back, data);
}

} // namespace
} // namespace tallo
