#include "formats/kl_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/small_random.h"

namespace tallo {
namespace {

// Number lines at the edges of the 32-bit range and of the reader's digit loop.
TEST(KLFileNumberLimits, ValuesAtTheRangeEdgesReadExactlyOrSaturate) {
    const std::vector<std::pair<std::string, int32_t>> cases = {
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-2147483647", -2147483647},
        {"-2147483649", INT32_MIN},
        {"4294967295", INT32_MAX},
        {"4294967296", INT32_MAX},
        {"-4294967296", INT32_MIN},
        {"42949672960000000000000000000007", INT32_MAX},
        // Leading zeros are digits like any other, however many there are.
        {"0000000000000000000000000000012", 12},
        {"-00000000000000000000000000000002147483648", INT32_MIN},
        {"+0", 0},
        {"-0", 0},
        {"+", 0},
        {"-", 0},
        {"\t \v7", 7},
        {"12 34", 12},
        {"-3-4", -3},
        {"9x9", 9},
        // Plain lines of up to nine digits are read in one pass, longer ones the general way.
        {"999999999", 999999999},
        {"-999999999", -999999999},
        {"1000000000", 1000000000},
        {"-1000000000", -1000000000},
        {"7\r", 7},
        {"-", 0},
        {"3", 3}, // the last line, a single digit: the most common line of all
    };
    std::string text;
    for (const auto& [line, expected] : cases) {
        text += line + "\r\n";
    }
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    for (const auto& [line, expected] : cases) {
        int32_t value = 1;
        ASSERT_TRUE(file.ReadInt(value)) << line;
        EXPECT_EQ(value, expected) << line;
    }
    int32_t rest = 1;
    EXPECT_FALSE(file.ReadInt(rest));
}

TEST(KLFileNumberLimits, LinesWithoutALineEndAndCommaListsReadTheSameNumbers) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("-129,256, 300,x,4294967297\n65\r\n5\n  -1"));
    uint8_t bytes[6] = {9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(file.ReadByteArray(bytes, 6));
    // Each element keeps the low bits of its saturated value; the missing sixth becomes 0.
    const uint8_t expected[6] = {0x7F, 0, 44, 0, 0xFF, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(bytes[i], expected[i]) << i;
    }
    int8_t small = 0;
    ASSERT_TRUE(file.ReadByte(small));
    EXPECT_EQ(small, 65);
    ASSERT_TRUE(file.ReadByte(small));
    EXPECT_EQ(small, 5);
    int32_t last = 0;
    ASSERT_TRUE(file.ReadInt(last));
    EXPECT_EQ(last, -1);
    EXPECT_FALSE(file.ReadInt(last));
}

// Lines of two to six digits and CR LF are taken eight bytes at a time: every such number, and
// lines that only look like one, read as the general reader reads them.
TEST(KLFileNumberLimits, ShortNumberLinesReadAsTheGeneralReaderReadsThem) {
    std::string text;
    for (int32_t number = 0; number < 1000000; ++number) {
        text += std::to_string(number) + "\r\n";
    }
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    for (int32_t number = 0; number < 1000000; ++number) {
        int32_t value = -1;
        ASSERT_TRUE(file.ReadInt(value)) << number;
        ASSERT_EQ(value, number);
    }

    // Bytes right beside the digits ('/' and ':'), bytes that carry when added to, leading
    // zeros, a CR or LF alone, seven and eight digits, and a line that ends the data.
    const std::vector<std::pair<std::string, int32_t>> lookalikes = {
        {"12/", 12},
        {"12:", 12},
        {"12\xFA", 12},
        {"12\xFF\xFF", 12},
        {"9\xF9", 9},
        {"000042", 42},
        {"0000042", 42},
        {"1234567", 1234567},
        {"12345678", 12345678},
        {"99\r7", 99},
        {"-12", -12},
        {"1\xFE"
         "2",
         1},
    };
    std::string lines;
    for (const auto& [line, expected] : lookalikes) {
        lines += line + "\r\n";
    }
    lines += "12\n34\r\n565656";
    ASSERT_TRUE(file.OpenFromMemory(lines));
    for (const auto& [line, expected] : lookalikes) {
        int32_t value = -1;
        ASSERT_TRUE(file.ReadInt(value)) << line;
        EXPECT_EQ(value, expected) << line;
    }
    for (int32_t expected : {12, 34, 565656}) {
        int32_t value = -1;
        ASSERT_TRUE(file.ReadInt(value));
        EXPECT_EQ(value, expected);
    }
    int32_t rest = 1;
    EXPECT_FALSE(file.ReadInt(rest));

    // Seven and eight digits (the line end past the first eight bytes): numbers spread over the
    // whole range, with leading zeros, and lookalikes with a CR or LF alone, a ninth digit or a
    // byte beside the digits, read as the general reader reads them, also where the data ends
    // right after the digits or their CR.
    std::string wide;
    std::vector<int32_t> expected;
    for (int32_t number = 0; number < 100000000; number += 9973) {
        const std::string digits = std::to_string(number);
        const size_t width = number % 2 == 0 ? 8 : 7;
        wide += std::string(width - std::min(width, digits.size()), '0') + digits + "\r\n";
        expected.push_back(number);
    }
    const std::vector<std::pair<std::string, int32_t>> wideLookalikes = {
        {"1234567\r7\r\n", 1234567}, {"12345678\n", 12345678},    {"123456789\r\n", 123456789},
        {"1234567:\r\n", 1234567},   {"12345678/\r\n", 12345678}, {"0000000\r\n", 0},
        {"99999999\r\n", 99999999},  {"9999999\xFF\r\n", 9999999}};
    for (const auto& [line, value] : wideLookalikes) {
        wide += line;
        expected.push_back(value);
    }
    for (const std::string end : {"", "\r", "\n"}) {
        CKLFile wideFile;
        ASSERT_TRUE(wideFile.OpenFromMemory(wide + "7654321" + end));
        for (size_t i = 0; i < expected.size(); ++i) {
            int32_t value = -1;
            ASSERT_TRUE(wideFile.ReadInt(value)) << i;
            ASSERT_EQ(value, expected[i]) << i;
        }
        int32_t last = -1;
        ASSERT_TRUE(wideFile.ReadInt(last));
        EXPECT_EQ(last, 7654321);
        EXPECT_FALSE(wideFile.ReadInt(last));
    }
}

// Reads `count` number lines of `text` once with ReadInt calls and once in one ReadNumberLines
// call: the same values, the same count read (no read succeeds after one failed), the same
// position and the same line after it; the value after the last one asked for is left alone.
void ExpectRunReadsAsReadInt(const std::string& text, int count, int round) {
    CKLFile one;
    CKLFile run;
    ASSERT_TRUE(one.OpenFromMemory(text));
    ASSERT_TRUE(run.OpenFromMemory(text));
    std::vector<int32_t> expected(static_cast<size_t>(count));
    int expectedRead = 0;
    for (int i = 0; i < count; ++i) {
        if (one.ReadInt(expected[static_cast<size_t>(i)])) {
            ASSERT_EQ(expectedRead, i) << "a read succeeded after one failed, round " << round;
            ++expectedRead;
        }
    }
    std::vector<int32_t> values(static_cast<size_t>(count) + 1, -1);
    EXPECT_EQ(run.ReadNumberLines(values.data(), count), expectedRead) << "round " << round;
    EXPECT_EQ(values.back(), -1) << "round " << round;
    values.pop_back();
    EXPECT_EQ(values, expected) << "round " << round;
    EXPECT_EQ(run.CurrentLine(), one.CurrentLine()) << "round " << round;
    std::string restOne;
    std::string restRun;
    EXPECT_EQ(run.ReadCString(restRun), one.ReadCString(restOne)) << "round " << round;
    EXPECT_EQ(restRun, restOne) << "round " << round;
}

// A run of number lines read in one call gives what as many ReadInt calls give: the same
// values, the same count of lines read (every read after a failing one fails too) and the
// same position afterwards, whatever the lines hold.
TEST(KLFileNumberLimits, ARunOfNumberLinesReadsAsReadIntReadsIt) {
    const std::vector<std::string> kinds = {
        "0",        "7",   "42", "123456", "1234567",     "-5", " 3", "9x", "", ";note",
        "%INDEX%A", "12:", "00", "4\r",    "99999999999", "x",  ";",  "%",  "-"};
    test::SmallRandom next(2003);
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const uint32_t lines = 1 + next(40);
        for (uint32_t i = 0; i < lines; ++i) {
            // Mostly digits, as in a database, now and then anything else.
            const std::string& kind = kinds[next(10) < 7 ? next(4) : next(kinds.size())];
            text += kind + (next(8) == 0 ? "\n" : "\r\n");
        }
        if (next(3) == 0) {
            text.resize(text.size() - 1 - next(2)); // the last line end cut off
        }
        text += "%INDEXEND%B\r\nafter\r\n";
        const int count = 1 + static_cast<int>(next(45));

        ExpectRunReadsAsReadInt(text, count, round);
    }
}

// Long runs of single-digit lines, as the abilities and traits of a player are, read in one call
// as ReadInt reads them, also where a run is broken by a line that only looks like one (a CR
// or an LF alone, two digits, a blank, a byte above 0x7F, a marker) and where the data ends
// inside a run, and for every count of lines asked for.
TEST(KLFileNumberLimits, RunsOfSingleDigitLinesReadAsReadIntReadsThem) {
    const std::vector<std::string> breaks = {
        "4\r",    "4\n",   "42\r\n", " 4\r\n",  "\xB5\r\n", "\r\n",        "4",
        ";4\r\n", "/\r\n", ":\r\n",  "4\r\r\n", "4 \r\n",   "%INDEX%A\r\n"};
    test::SmallRandom next(1977);
    for (int round = 0; round < 1500; ++round) {
        std::string text;
        const uint32_t lines = 1 + next(30);
        for (uint32_t i = 0; i < lines; ++i) {
            if (next(12) == 0) {
                text += breaks[next(breaks.size())];
            } else {
                text += static_cast<char>('0' + next(10));
                text += "\r\n";
            }
        }
        if (next(2) == 0) {
            text += "%INDEXEND%B\r\n";
        } else if (next(2) == 0) {
            text.resize(text.size() - next(3)); // the data ends inside the last line
        }
        const int count = 1 + static_cast<int>(next(36));

        ExpectRunReadsAsReadInt(text, count, round);
    }
}

} // namespace
} // namespace tallo
