#include "formats/kl_file.h"

#include "support/small_random.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using namespace std::string_literals;

// Writes one value of every kind; golden.kl holds the bytes this must give.
void WriteGolden(CKLFile& file) {
    const uint8_t bytes[] = {5, 6, 7, 255};
    const uint8_t lines[] = {1, 2, 3};
    const char quoted[3][8] = {"x", "y", "z"};
    const char awkward[3][8] = {"a\"b", "", "c\nd"};
    const uint8_t nine = 9;
    file.WriteSectionBegin("GOLDEN");
    file.WriteInt(INT32_MAX);
    file.WriteInt(INT32_MIN);
    file.WriteShort(INT16_MIN);
    file.WriteShort(INT16_MAX);
    file.WriteUShort(UINT16_MAX);
    file.WriteChar(INT8_MIN);
    file.WriteChar(-1);
    file.WriteByte(255);
    file.WriteByte(0);
    file.WriteBool(7);
    file.WriteBool(0);
    file.WriteHex(0x1A2B);
    file.WriteHex(0xFFFFFFFF);
    file.WriteHex(0);
    file.WriteString("Hello world");
    file.WriteString("");
    file.WriteString(";not a comment");
    file.WriteString("%not a marker");
    file.WriteString("two\nlines\x1A");
    file.WriteByteArray(bytes, 4);
    file.WriteByteArray(&nine, 1);
    file.WriteByteArray(nullptr, 0);
    file.WriteByteLines(lines, 3);
    file.WriteByteLines(lines, 0);
    file.WriteQuotedList(quoted[0], 3, sizeof quoted[0]);
    file.WriteQuotedList(awkward[0], 3, sizeof awkward[0]);
    file.WriteSectionBegin("INNER");
    file.WriteSectionEnd("INNER");
    file.WriteSectionEnd("GOLDEN");
}

TEST(KLFileWrite, WritesTheExactBytesOfEveryValueForm) {
    TempDir dir;
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(dir / "golden.kl"));
    WriteGolden(file);
    EXPECT_FALSE(std::filesystem::exists(dir / "golden.kl")); // nothing before Close
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(dir / "golden.kl"), ReadFile(FixturePath("kl/golden.kl")));
    EXPECT_FALSE(file.WriteInt(1)); // closed
}

// Reads golden.kl back and checks every value; shared by the CR LF and LF forms.
void ExpectGoldenValues(CKLFile& file) {
    int32_t i32 = 0;
    uint32_t u32 = 0;
    int16_t i16 = 0;
    uint16_t u16 = 0;
    int8_t i8 = 0;
    uint8_t u8 = 0;
    bool flag = false;
    ASSERT_TRUE(file.FindSection("GOLDEN"));
    ASSERT_TRUE(file.ReadInt(i32));
    EXPECT_EQ(i32, INT32_MAX);
    ASSERT_TRUE(file.ReadInt(i32));
    EXPECT_EQ(i32, INT32_MIN);
    ASSERT_TRUE(file.ReadShort(i16));
    EXPECT_EQ(i16, INT16_MIN);
    ASSERT_TRUE(file.ReadShort(i16));
    EXPECT_EQ(i16, INT16_MAX);
    ASSERT_TRUE(file.ReadShort(u16));
    EXPECT_EQ(u16, UINT16_MAX);
    ASSERT_TRUE(file.ReadByte(i8));
    EXPECT_EQ(i8, INT8_MIN);
    ASSERT_TRUE(file.ReadByte(u8));
    EXPECT_EQ(u8, 255); // "-1" into an unsigned byte
    ASSERT_TRUE(file.ReadByte(u8));
    EXPECT_EQ(u8, 255);
    ASSERT_TRUE(file.ReadByte(u8));
    EXPECT_EQ(u8, 0);
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_TRUE(flag);
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_FALSE(flag);
    ASSERT_TRUE(file.ReadHex(u32));
    EXPECT_EQ(u32, 0x1A2Bu);
    ASSERT_TRUE(file.ReadHex(u32));
    EXPECT_EQ(u32, 0xFFFFFFFF);
    ASSERT_TRUE(file.ReadHex(u32));
    EXPECT_EQ(u32, 0u);
    std::string text = "old";
    char fixed[16];
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, "Hello world");
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_TRUE(text.empty());
    ASSERT_TRUE(file.ReadString(fixed, sizeof fixed));
    EXPECT_EQ(std::string(fixed), " ;not a comment");
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, " %not a marker");
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, "two lines ");
    uint8_t bytes[4] = {};
    EXPECT_TRUE(file.ReadByteArray(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{5, 6, 7, 255}));
    ASSERT_TRUE(file.ReadByteArray(bytes, 1));
    EXPECT_EQ(bytes[0], 9);
    EXPECT_TRUE(file.ReadByteArray(bytes, 0));
    EXPECT_TRUE(file.ReadByteLines(bytes, 3));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 3), (std::vector<int>{1, 2, 3}));
    char line[1024];
    char item[3][8];
    for (const char* expected : {"x|y|z", "a'b||c d"}) {
        ASSERT_TRUE(file.ReadString(line, sizeof line));
        const char* position = line;
        for (auto& element : item) {
            EXPECT_TRUE(CKLFile::ReadQuotedItem(position, element, sizeof element));
        }
        EXPECT_EQ(std::string(item[0]) + "|" + item[1] + "|" + item[2], expected);
    }
    EXPECT_TRUE(file.FindSection("INNER"));
    EXPECT_FALSE(file.ReadInt(i32)); // on the end line of INNER
    EXPECT_TRUE(file.SkipSection("GOLDEN"));
    EXPECT_FALSE(file.ReadInt(i32)); // end of the data
}

TEST(KLFileRead, ReadsBackEveryValueWithCrLfAndLfLineEnds) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(FixturePath("kl/golden.kl")));
    ExpectGoldenValues(file);

    std::string lf = ReadFile(FixturePath("kl/golden.kl"));
    std::erase(lf, '\r');
    ASSERT_TRUE(file.OpenFromMemory(lf));
    ExpectGoldenValues(file);
}

TEST(KLFileRead, NumberLinesReadAsTheLeadingIntegerCutToTheFieldWidth) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("abc\n  -12xyz\n+5\n\n- 5\n99999999999\n-99999999999\n"
                                    "99999999999999999999999\n"
                                    "65535\n300\n7\n1A2B\n1a2bzz\n123456789\nzz\n"));
    int32_t value = -1;
    for (int32_t expected : {0, -12, 5, 0, 0, INT32_MAX, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(file.ReadInt(value));
        EXPECT_EQ(value, expected);
    }
    int16_t i16 = 0;
    uint8_t u8 = 0;
    int32_t flag = 0;
    ASSERT_TRUE(file.ReadShort(i16));
    EXPECT_EQ(i16, -1);
    ASSERT_TRUE(file.ReadByte(u8));
    EXPECT_EQ(u8, 44);
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_EQ(flag, 1);
    uint32_t hex = 0;
    for (uint32_t expected : {0x1A2Bu, 0x1A2Bu, 0x12345678u, 0u}) {
        EXPECT_TRUE(file.ReadHex(hex));
        EXPECT_EQ(hex, expected);
    }
}

TEST(KLFileRead, CommentLinesAreSkippedAndNeverTakenForMarkers) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("%INDEX%A\r\n; one\r\n5\r\n;%INDEXEND%A\r\n;%INDEX%B\r\n6\r\n"
                                    "%INDEXEND%A\r\n%INDEX%B\r\n;last\r\n"));
    int32_t value = 0;
    ASSERT_TRUE(file.FindSection("A"));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(file.FindSection("B")); // passes both comments, stops at A's real end line
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 6);
    EXPECT_FALSE(file.ReadInt(value)); // the end line of A
    EXPECT_TRUE(file.SkipSection("A"));
    ASSERT_TRUE(file.FindSection("B"));
    value = 9;
    EXPECT_FALSE(file.ReadInt(value)); // only a comment is left
    EXPECT_EQ(value, 0);
}

TEST(KLFileRead, AFailingReadKeepsThePositionOnTheMarkerLine) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("%INDEX%A\n1\n%INDEXEND%A\n%INDEX%B\n2\n3\n4\n%INDEXEND%B\n"));
    int32_t value = 0;
    char text[4] = "old";
    std::string object = "old";
    uint8_t bytes[3] = {1, 1, 1};
    ASSERT_TRUE(file.FindSection("A"));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(file.ReadInt(value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(file.ReadString(text, sizeof text));
    EXPECT_FALSE(file.ReadCString(object));
    EXPECT_EQ(std::string(text) + object, "oldold");
    EXPECT_FALSE(file.ReadByteArray(bytes, 3));
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2], 0);
    EXPECT_TRUE(file.SkipSection("A"));
    ASSERT_TRUE(file.FindSection("B"));
    uint8_t lines[5] = {9, 9, 9, 9, 9};
    EXPECT_FALSE(file.ReadByteLines(lines, 5)); // three values, then the end line
    EXPECT_EQ(std::vector<int>(lines, lines + 5), (std::vector<int>{2, 3, 4, 0, 0}));
    EXPECT_TRUE(file.SkipSection("B"));
}

TEST(KLFileRead, FindSectionStopsAtTheFirstEndLineOfAnySection) {
    CKLFile file;
    ASSERT_TRUE(
        file.OpenFromMemory("%INDEX%AB\n%INDEX%A \n%INDEX%A\n1\n%INDEX%C\n%INDEXEND%C\n"
                            "%INDEX%D\n%INDEXEND%D\n%INDEXEND%A\n%INDEX%B\n2\n%INDEXEND%B\n"));
    int32_t value = 0;
    EXPECT_FALSE(file.FindSection("B")); // A's lines come first
    ASSERT_TRUE(file.FindSection("A"));  // exact names only: "AB" and "A " are passed
    EXPECT_FALSE(file.FindSection("B"));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 1);                // the position did not move
    EXPECT_TRUE(file.SkipSection("A")); // past the nested C and D
    ASSERT_TRUE(file.FindSection("B"));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(file.SkipSection("B"));
    EXPECT_FALSE(file.FindSection("E")); // runs to the end of the data
    EXPECT_FALSE(file.SkipSection("B"));
}

TEST(KLFileRead, MarkersAreWholeLinesWhateverTheLineEndAndPercentSignsElsewhereAreText) {
    // A marker right at the position, one further on, one behind a '%' inside a text line,
    // lookalikes with a stray carriage return or more name, and a last marker without a line end.
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("%INDEX%A\r\n50%\r\nx %INDEXEND%A\n%INDEXEND%A\r\r\n"
                                    "%INDEXEND%AB\n%INDEXEND%A\n%INDEX%B\n%\n7\r\n%INDEXEND%B"));
    ASSERT_TRUE(file.FindSection("A"));
    std::string text;
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, "50%");
    EXPECT_TRUE(file.SkipSection("A")); // only the line that is exactly the end line counts
    ASSERT_TRUE(file.FindSection("B"));
    EXPECT_FALSE(file.ReadCString(text)); // a line of "%" is a marker line to the value reader
    EXPECT_TRUE(file.SkipSectionWithin("B", "A"));
    EXPECT_FALSE(file.FindSection("B")); // at the end
}

// Section begin and end lines read as a plain reading of the lines finds them: a line that is
// exactly the marker and the name (its CR LF, LF or CR LF line end taken off) at or after the
// position; a begin search stops, not moving, at an end line of any section. Lookalikes (more
// name, a name cut short, a stray CR, a blank) and data ending right after a marker included.
TEST(KLFileRead, SectionLinesAreFoundAsAPlainReadingOfTheLinesFindsThem) {
    const std::vector<std::string> kinds = {"%INDEX%DATE\r\n",
                                            "%INDEX%DATE\n",
                                            "%INDEX%DATE",
                                            "%INDEX%DAT\r\n",
                                            "%INDEX%DATES\r\n",
                                            "%INDEX%DATE\r",
                                            "%INDEX%DATE\r\r\n",
                                            "%INDEX%DATE \r\n",
                                            "%INDEXEND%DATE\r\n",
                                            "%INDEXEND%DATE\n",
                                            "%INDEXEND%DATE",
                                            "%INDEXEND%DAT\r\n",
                                            "%INDEXEND%DATEX\r\n",
                                            "%INDEXEND%DATE\r",
                                            "%INDEXEND%X\r\n",
                                            "7\r\n",
                                            "%INDEX%DATES\n",
                                            "%INDEXEND%DATES\n",
                                            "x%INDEX%DATE\r\n",
                                            ";%INDEX%DATE\r\n",
                                            "\r\n",
                                            "%INDEX%DATE\r\n\xE9"};
    // Plain reading: the lines from `position` on.
    struct Line {
        size_t begin;
        size_t next;
        std::string text; // without its line end
    };
    auto linesOf = [](const std::string& data) {
        std::vector<Line> lines;
        size_t at = 0;
        while (at < data.size()) {
            size_t end = data.find('\n', at);
            const size_t next = end == std::string::npos ? data.size() : end + 1;
            end = end == std::string::npos ? data.size() : end;
            std::string text = data.substr(at, end - at);
            if (!text.empty() && text.back() == '\r') {
                text.pop_back();
            }
            lines.push_back({at, next, text});
            at = next;
        }
        return lines;
    };
    test::SmallRandom next(11);
    for (int round = 0; round < 2000; ++round) {
        std::string data;
        const uint32_t count = 1 + next(5);
        for (uint32_t i = 0; i < count; ++i) {
            data += kinds[next(kinds.size())];
        }
        const std::vector<Line> lines = linesOf(data);
        const bool begin = next(2) == 0;
        // Where a plain reading leaves the position (after the line found; where it was
        // when a begin search meets an end line; else at the end of the data).
        size_t expectedNext = data.size();
        bool expectedFound = false;
        for (const Line& line : lines) {
            if (line.text == (begin ? "%INDEX%DATE" : "%INDEXEND%DATE")) {
                expectedFound = true;
                expectedNext = line.next;
                break;
            }
            if (begin && line.text.starts_with("%INDEXEND%")) {
                expectedNext = 0;
                break;
            }
        }
        CKLFile file;
        ASSERT_TRUE(file.OpenFromMemory(data));
        const bool found = begin ? file.FindSection("DATE") : file.SkipSection("DATE");
        EXPECT_EQ(found, expectedFound) << "round " << round;
        // The position, told by the rest of the data.
        CKLFile rest;
        ASSERT_TRUE(rest.OpenFromMemory(data.substr(expectedNext)));
        std::string textFile;
        std::string textRest;
        int32_t numberFile = 0;
        int32_t numberRest = 0;
        const auto linesBefore = static_cast<size_t>(std::count(
            data.begin(), data.begin() + static_cast<std::ptrdiff_t>(expectedNext), '\n'));
        EXPECT_EQ(file.CurrentLine() - 1, linesBefore) << "round " << round;
        EXPECT_EQ(file.ReadInt(numberFile), rest.ReadInt(numberRest)) << "round " << round;
        EXPECT_EQ(numberFile, numberRest);
        EXPECT_EQ(file.ReadCString(textFile), rest.ReadCString(textRest)) << "round " << round;
        EXPECT_EQ(textFile, textRest) << "round " << round;
    }
}

// A text line read as a view of the data gives what ReadCString gives, and fails where it fails
// (markers, the end of the data), passing over comments alike.
TEST(KLFileRead, TextViewsReadAsReadCStringReads) {
    const std::vector<std::string> kinds = {"Anna\r\n",
                                            "Anna\n",
                                            "\r\n",
                                            "\n",
                                            "  Van  der\tBerg \r\n",
                                            std::string(300, 'N') + "\r\n",
                                            "\xC9mile \xFF\x80\r\n",
                                            std::string("Ze\0ro\r\n", 7),
                                            ";comment\r\n",
                                            "%INDEX%A\r\n",
                                            "Cut",
                                            "Cr\r",
                                            "Two\r\r\n",
                                            " ;text\r\n"};
    test::SmallRandom next(5);
    for (int round = 0; round < 500; ++round) {
        std::string data;
        const uint32_t count = 1 + next(6);
        for (uint32_t i = 0; i < count; ++i) {
            data += kinds[next(kinds.size())];
        }
        CKLFile plain;
        CKLFile viewed;
        ASSERT_TRUE(plain.OpenFromMemory(data));
        ASSERT_TRUE(viewed.OpenFromMemory(data));
        for (uint32_t i = 0; i <= count; ++i) {
            std::string expected = "kept";
            std::string_view view = "stale";
            const bool ok = plain.ReadCString(expected);
            ASSERT_EQ(viewed.ReadTextView(view), ok) << "round " << round;
            EXPECT_EQ(std::string(view), ok ? expected : std::string()) << "round " << round;
            EXPECT_EQ(viewed.CurrentLine(), plain.CurrentLine()) << "round " << round;
        }
    }
}

TEST(KLFileRead, DataEndsAtTheFirstEofByteAndTruncatedFilesFailCleanly) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("1\n2\x1A"
                                    "3\n"));
    EXPECT_EQ(file.BytesRead(), 3u);
    int32_t value = 0;
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 1);
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 2); // a last line without its line end
    EXPECT_FALSE(file.ReadInt(value));

    // Every cut of the golden file: complete lines read as written, the rest fails.
    const std::string golden = ReadFile(FixturePath("kl/golden.kl"));
    int lastCount = 0;
    for (size_t cut = 0; cut <= golden.size(); ++cut) {
        ASSERT_TRUE(file.OpenFromMemory(std::string_view(golden).substr(0, cut)));
        const bool found = file.FindSection("GOLDEN");
        EXPECT_EQ(found, cut >= std::strlen("%INDEX%GOLDEN")) << cut;
        int count = 0;
        int32_t first = 0;
        if (found && file.ReadInt(first)) {
            // The first value's digits stand at offsets 15 to 24; a cut keeps the leading ones.
            int32_t expected = INT32_MAX;
            for (size_t digit = std::max<size_t>(cut, 15); digit < 25; ++digit) {
                expected /= 10;
            }
            EXPECT_EQ(first, expected) << cut;
            for (std::string text; file.ReadCString(text);) {
                ++count;
            }
        }
        EXPECT_GE(count, lastCount) << cut;
        lastCount = count;
        EXPECT_EQ(file.SkipSection("GOLDEN"), cut >= golden.size() - 2) << cut;
    }
    EXPECT_EQ(lastCount, 26);
}

TEST(KLFileRead, StringsAreBoundedByTheirFixedArrays) {
    const std::string longLine(5000, 'x');
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory("abcdefgh\nab\n" + longLine + "\nzero\0tail\n"s + longLine));
    char fixed[5];
    std::memset(fixed, '#', sizeof fixed);
    EXPECT_TRUE(file.ReadString(fixed, sizeof fixed));
    EXPECT_EQ(std::string(fixed, sizeof fixed), std::string("abcd\0", 5));
    std::memset(fixed, '#', sizeof fixed);
    EXPECT_TRUE(file.ReadString(fixed, sizeof fixed));
    EXPECT_EQ(std::string(fixed, sizeof fixed), std::string("ab\0\0\0", 5));
    std::string text;
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, longLine);
    ASSERT_TRUE(file.ReadCString(text));
    EXPECT_EQ(text, "zero");
    char line[1024];
    ASSERT_TRUE(file.ReadString(line, sizeof line));
    EXPECT_EQ(std::strlen(line), 1023u);
}

TEST(KLFileRead, QuotedItemsHandleShortOverlongAndUnquotedLines) {
    char item[4];
    const char* text = "\"abcdefgh\",\"z\"";
    const char* position = text;
    EXPECT_TRUE(CKLFile::ReadQuotedItem(position, item, sizeof item));
    EXPECT_STREQ(item, "abc");
    EXPECT_TRUE(CKLFile::ReadQuotedItem(position, item, sizeof item));
    EXPECT_STREQ(item, "z");
    EXPECT_FALSE(CKLFile::ReadQuotedItem(position, item, sizeof item)); // missing element
    EXPECT_STREQ(item, "");
    EXPECT_EQ(position, text + std::strlen(text));

    const char* unquoted = "plain";
    position = unquoted;
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(CKLFile::ReadQuotedItem(position, item, sizeof item));
        EXPECT_STREQ(item, "pla");
        EXPECT_EQ(position, unquoted);
    }
    const char* open = "\"ab";
    position = open;
    EXPECT_FALSE(CKLFile::ReadQuotedItem(position, item, sizeof item)); // no closing quote
    EXPECT_STREQ(item, "\"ab");
    EXPECT_EQ(position, open);
}

TEST(KLFileWrite, CloseIsAtomicAndAbandonedWritesLeaveTheTarget) {
    TempDir dir;
    const std::string target = dir / "Country1.sav";
    test::WriteFile(target, "old");
    {
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(target));
        EXPECT_TRUE(file.WriteInt(1));
    } // destroyed while open: abandoned
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(target));
    file.WriteInt(2);
    file.AbandonWrite();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.WriteInt(3));
    EXPECT_EQ(ReadFile(target), "old");

    ASSERT_TRUE(file.OpenForWrite(dir / "missing/Country1.sav"));
    file.WriteInt(4);
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);

    ASSERT_TRUE(file.OpenForWrite(target));
    file.WriteInt(5);
    EXPECT_TRUE(file.Close());
    int32_t value = 0;
    ASSERT_TRUE(file.OpenForRead(dir / "COUNTRY1.SAV")); // names match regardless of case
    EXPECT_FALSE(file.WriteInt(6));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(file.OpenForRead(dir / "absent.sav"));
    EXPECT_FALSE(file.ReadInt(value) || file.FindSection("A"));
}

// Files beyond the 5 MiB that older editions cut at are read whole.
TEST(KLFileRead, ReadsAFileLargerThanFiveMegabytesWhole) {
    CKLFile writer;
    ASSERT_TRUE(writer.OpenForWrite("unused"));
    for (int i = 0; i < 300000; ++i) {
        writer.WriteString("record text 1234");
    }
    std::string data = writer.WrittenText();
    writer.AbandonWrite();
    ASSERT_GT(data.size(), 5u << 20);

    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(data));
    int lines = 0;
    for (char text[64]; file.ReadString(text, sizeof text);) {
        ++lines;
    }
    EXPECT_EQ(lines, 300000);
}

// One object reads file after file: each open gives that file's bytes alone (cut at 0x1A), as a
// fresh object reading the same bytes from memory gives them, whatever sizes the files before
// it had.
TEST(KLFileRead, OneObjectReadsFileAfterFileAsAFreshObjectReadsEach) {
    TempDir dir;
    test::SmallRandom next(606);
    CKLFile reused;
    const size_t sizes[] = {0, 1, 5000, 40, 70000, 69999, 70001, 3, 250000, 0, 9000, 1 << 20, 17};
    int round = 0;
    for (size_t size : sizes) {
        std::string bytes;
        while (bytes.size() < size) {
            bytes += std::to_string(next(100000)) + (next(5) == 0 ? "\n" : "\r\n");
        }
        bytes.resize(size);
        if (size > 10 && next(3) == 0) {
            bytes[next(static_cast<uint32_t>(size))] = '\x1A';
        }
        const std::string path = dir / ("Country" + std::to_string(++round) + ".sav");
        test::WriteFile(path, bytes);
        SCOPED_TRACE(path);
        ASSERT_TRUE(reused.OpenForRead(path));
        EXPECT_EQ(reused.OpenError(), 0);
        CKLFile fresh;
        ASSERT_TRUE(fresh.OpenFromMemory(bytes));
        const std::string_view expected = std::string_view(bytes).substr(0, bytes.find('\x1A'));
        EXPECT_EQ(reused.BytesRead(), expected.size());
        EXPECT_EQ(fresh.BytesRead(), expected.size());
        EXPECT_EQ(reused.Ahead(), expected);
        std::string a;
        std::string b;
        for (bool more = true; more;) {
            more = reused.ReadCString(a);
            ASSERT_EQ(more, fresh.ReadCString(b));
            ASSERT_EQ(a, b);
        }
        EXPECT_EQ(reused.CurrentLine(), fresh.CurrentLine());
        if (round % 3 == 0) {
            reused.Close();
        }
    }
}

TEST(KLFileRead, FilesThatCannotBeReadAreRefusedWithTheirReason) {
    TempDir dir;
    CKLFile file;
    test::WriteFile(dir / "good.sav", "7\r\n");
    int32_t value = 0;
    auto refused = [&](const std::string& path, int reason) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(file.OpenForRead(dir / "good.sav")); // a file open before
        EXPECT_FALSE(file.OpenForRead(path));
        EXPECT_EQ(file.OpenError(), reason);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(file.BytesRead(), 0u);
        EXPECT_FALSE(file.ReadInt(value));
        EXPECT_TRUE(file.Ahead().empty());
    };
    refused(dir / "absent.sav", ENOENT);
    refused("", ENOENT);
    std::filesystem::create_directory(dir / "folder.sav");
    refused(dir / "folder.sav", EISDIR);
    // A FIFO without a writer is refused at once instead of waiting for one.
    ASSERT_EQ(mkfifo((dir / "fifo.sav").c_str(), 0600), 0);
    refused(dir / "fifo.sav", EINVAL);
    // Too large: a sparse file one byte over the limit is refused without being read.
    { std::ofstream(dir / "large.sav").put('x'); }
    std::filesystem::resize_file(dir / "large.sav", CKLFile::kMaxFileSize + 1);
    refused(dir / "large.sav", EFBIG);
    ASSERT_TRUE(file.OpenForRead(dir / "good.sav"));
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 7);
}

// Files whose size the system does not know beforehand (it gives 0 for those of /proc) are
// read whole all the same: the buffer grows while they are read.
TEST(KLFileRead, FilesLargerThanTheirStatedSizeAreReadWhole) {
    const std::string path = "/proc/self/cmdline";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "no " << path;
    }
    std::ifstream stream(path, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(stream)),
                               std::istreambuf_iterator<char>());
    ASSERT_GT(expected.size(), 1u);
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(path));
    EXPECT_EQ(file.Ahead(), std::string_view(expected));
}

// The same for a file of several megabytes that states 0: the buffer grows many times over,
// and what was read before each growth is kept.
TEST(KLFileRead, ALargeFileOfUnstatedSizeIsReadWholeThroughEveryGrowth) {
    const std::string path = "/proc/kallsyms";
    std::ifstream stream(path, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(stream)),
                               std::istreambuf_iterator<char>());
    if (expected.size() < (1u << 20) || std::filesystem::file_size(path) != 0) {
        GTEST_SKIP() << path << " is not a large file of unstated size here";
    }
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(path));
    const std::string_view expectedText =
        std::string_view(expected).substr(0, expected.find('\x1A'));
    EXPECT_EQ(file.BytesRead(), expectedText.size());
    EXPECT_TRUE(file.Ahead() == expectedText);
}

} // namespace
} // namespace tallo
