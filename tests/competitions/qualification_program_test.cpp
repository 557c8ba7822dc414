#include "competitions/qualification_program.h"

#include "competitions/competition_id.h"
#include "formats/kl_file.h"
#include "support/record_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallo {
namespace {

std::vector<ProgramEntry> ReadFromText(const std::string& text) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(text));
    return ReadProgramEntries(file);
}

std::string WrittenText(const std::vector<ProgramEntry>& entries, bool* ok = nullptr) {
    bool written = false;
    std::string text =
        test::TextWrittenBy([&](CKLFile& file) { written = WriteProgramEntries(file, entries); });
    if (ok != nullptr) {
        *ok = written;
    }
    return text;
}

constexpr uint32_t Id(uint32_t country, uint32_t kind, uint32_t number) {
    return CompetitionId::Make(country, kind, number);
}

TEST(QualificationProgramTest, EmptyProgramIsOneZeroEndEntry) {
    CProgramTable table;
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("0\r\n"));
    const uint32_t index = table.ReadProgram(file);
    EXPECT_NE(index, 0u); // index 0 is kept for "no program"
    const std::vector<ProgramEntry> program = table.Program(index);
    ASSERT_EQ(program.size(), 1u);
    EXPECT_EQ(program[0], ProgramEntry{});
    // Index 0 is an empty program from the start.
    EXPECT_EQ(table.Program(0), std::vector<ProgramEntry>{ProgramEntry{}});
    EXPECT_TRUE(table.EntriesAsRead(index).empty());
}

// Operands come from the line and the value lines after it; what an instruction does not set
// is carried over from the entry before; the closing entry repeats the last one.
TEST(QualificationProgramTest, OperandsCarryOverAndTheEndRepeatsTheLastEntry) {
    const std::vector<ProgramEntry> entries =
        ReadFromText("4\n"
                     "GET_POOL, { 250, EURO_CUP, 9 }\n"
                     "1\n"
                     "4\n"
                     "BUILD_UEFA5, 2, 3\n"
                     "GET_HOST\n"
                     "GET_INTERNATIONAL_SPARE, { 0, INDOOR, 1 }\n"
                     "7\n");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], (ProgramEntry{14, Id(250, 18, 9), 0, 1, 4}));
    EXPECT_EQ(entries[1], (ProgramEntry{2, Id(250, 18, 9), 2, 3, 4}));
    EXPECT_EQ(entries[2], (ProgramEntry{22, Id(250, 18, 9), 2, 3, 4}));
    EXPECT_EQ(entries[3], (ProgramEntry{24, Id(0, 22, 1), 2, 3, 7}));

    CProgramTable table;
    const uint32_t index = table.Append(entries);
    const std::vector<ProgramEntry> program = table.Program(index);
    ASSERT_EQ(program.size(), 5u);
    EXPECT_EQ(program[4], (ProgramEntry{0, Id(0, 22, 1), 2, 3, 7}));
    EXPECT_EQ(table.EntriesAsRead(index), entries);
}

TEST(QualificationProgramTest, KeywordsMatchByPrefixAndUnknownLinesReadLikeTheEnd) {
    const std::vector<ProgramEntry> entries =
        ReadFromText("5\n"
                     "GET_WINNERS_OF_THE_CUP, { 7, FA_CUP, 0 }\n"
                     "get_winner, { 3, LEAGUE, 2 }\n"
                     "9\n"
                     "10\n"
                     "GET_UEFA5_TAB,4\n"
                     "GET_UEFA5_CHAMP_OR_FINALIST, 7\n"
                     "GET_TAB_X_TO_Y\n");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], (ProgramEntry{12, Id(7, 3, 0), 0, 0, 0}));
    // Matching is case-sensitive: the lower-case line is an unknown instruction.
    EXPECT_EQ(entries[1], (ProgramEntry{26, Id(3, 1, 2), 0, 9, 10}));
    // Missing numbers read as 0.
    EXPECT_EQ(entries[2], (ProgramEntry{4, Id(3, 1, 2), 4, 0, 0}));
    // No ID after the number: the competition operand becomes 0.
    EXPECT_EQ(entries[3], (ProgramEntry{11, 0, 7, 0, 0}));
    // No comma and no value lines left: everything it sets is 0.
    EXPECT_EQ(entries[4], (ProgramEntry{7, 0, 0, 0, 0}));
}

TEST(QualificationProgramTest, HostileCountsAndLongLinesStayBounded) {
    // A count far beyond the lines present ends at the end of the data.
    EXPECT_EQ(ReadFromText("2147483647\nGET_HOST\nGET_HOST\n").size(), 2u);
    EXPECT_TRUE(ReadFromText("-4\nGET_HOST\n").empty());
    EXPECT_TRUE(ReadFromText("").empty());
    // A count ends at the section's end line, which stays for the section reader.
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("%INDEX%P\r\n9\r\nGET_HOST\r\n%INDEXEND%P\r\n"));
    ASSERT_TRUE(file.FindSection("P"));
    EXPECT_EQ(ReadProgramEntries(file).size(), 1u);
    EXPECT_TRUE(file.SkipSection("P"));

    // Only the first 98 characters of a line count: the number after them is not read.
    const std::string padded = "BUILD_COUNTER," + std::string(84, ' ') + "5";
    ASSERT_EQ(padded.size(), 99u);
    EXPECT_EQ(ReadFromText("1\n" + padded + "\n").at(0).a, 0);
    EXPECT_EQ(ReadFromText("1\n" + padded.substr(1) + "\n").at(0).opcode, ProgramOpcode::kUnknown);
    EXPECT_EQ(ReadFromText("1\nBUILD_COUNTER," + std::string(83, ' ') + "5\n").at(0).a, 5);
}

TEST(QualificationProgramTest, InstantiationPutsInCountryAndLevel) {
    CProgramTable table;
    const uint32_t index = table.Append({
        {8, 0, -1, 1, 3},            // GET_TAB_LEVEL_X_TO_Y -1, 1, 3
        {10, Id(0, 1, 0), -2, 1, 2}, // GET_TAB_LEVEL_START_X_TO_Y -2
        {25, 0, -3, 0, 0},           // other values of a stay
        {4, 0, -1, 0, 0},            // not a level instruction: a stays -1
        {26, Id(0, 3, 0), 0, 1, 1},  // unknown: no country
    });
    const uint32_t copy = table.Instantiate(index, 17, 2);
    ASSERT_NE(copy, index);
    const std::vector<ProgramEntry> program = table.Program(copy);
    ASSERT_EQ(program.size(), 6u);
    EXPECT_EQ(program[0], (ProgramEntry{8, Id(17, 0, 0), 2, 1, 3}));
    EXPECT_EQ(program[1], (ProgramEntry{10, Id(17, 1, 0), 3, 1, 2}));
    EXPECT_EQ(program[2], (ProgramEntry{25, Id(17, 0, 0), -3, 0, 0}));
    EXPECT_EQ(program[3], (ProgramEntry{4, Id(17, 0, 0), -1, 0, 0}));
    EXPECT_EQ(program[4], (ProgramEntry{26, Id(0, 3, 0), 0, 1, 1}));
    EXPECT_EQ(program[5], (ProgramEntry{0, Id(0, 3, 0), 0, 1, 1}));
    // The original stays as it was.
    EXPECT_EQ(table.Program(index)[0], (ProgramEntry{8, 0, -1, 1, 3}));

    // A copy stops at the first END_OF_ENTRY, as the game reads a program.
    const uint32_t early = table.Append({{3, Id(0, 1, 0), 0, 0, 0}, {0, 0, 0, 0, 0}, {22}});
    EXPECT_EQ(table.Program(table.Instantiate(early, 4, 0)).size(), 2u);
    EXPECT_EQ(table.EntriesAsRead(early).size(), 3u);

    // An index outside the table gives the empty program and appends nothing.
    const size_t size = table.Size();
    EXPECT_EQ(table.Instantiate(static_cast<uint32_t>(size), 4, 0), 0u);
    EXPECT_EQ(table.Instantiate(0xFFFFFFFFu, 4, 0), 0u);
    EXPECT_EQ(table.Size(), size);
    EXPECT_TRUE(table.Program(0xFFFFFFFFu).empty());

    table.Clear();
    EXPECT_EQ(table.Size(), 1u);
}

TEST(QualificationProgramTest, WriterGivesBackWhatItReadsAndRefusesTheRest) {
    const std::string text = "3\r\n"
                             "GET_CHAMP, { 0, LEAGUE, 0 }\r\n"
                             "UNKNOWN_INSTRUCTION, { 3, SUPERCUP, 1 }\r\n"
                             "5\r\n"
                             "6\r\n"
                             "GET_TAB_LEVEL_INDOOR\r\n"
                             "-1\r\n"
                             "2\r\n"
                             "3\r\n";
    const std::vector<ProgramEntry> entries = ReadFromText(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].opcode, ProgramOpcode::kUnknown);
    EXPECT_EQ(WrittenText(entries), text);
    EXPECT_EQ(WrittenText({}), "0\r\n");

    std::string problem;
    // An operand the instruction does not write would not come back.
    EXPECT_FALSE(ProgramIsWritable({{12, Id(0, 1, 0), 5, 0, 0}}, &problem));
    EXPECT_FALSE(problem.empty());
    // END_OF_ENTRY always reads a as 0.
    EXPECT_FALSE(ProgramIsWritable({{0, 0, 1, 0, 0}}));
    // Kind 2 has no keyword, so the ID has no text form.
    EXPECT_FALSE(ProgramIsWritable({{3, Id(0, 2, 0), 0, 0, 0}}));
    EXPECT_FALSE(ProgramIsWritable({{27, 0, 0, 0, 0}}));
    EXPECT_FALSE(ProgramIsWritable({{-1, 0, 0, 0, 0}}));
    bool ok = true;
    EXPECT_EQ(WrittenText({{27, 0, 0, 0, 0}}, &ok), "");
    EXPECT_FALSE(ok);
}

} // namespace
} // namespace tallo
