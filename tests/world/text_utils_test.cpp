#include "world/accent_folding.h"
#include "world/name_search.h"
#include "world/number_format.h"
#include "world/person_name.h"
#include "world/text_utils.h"
#include "world/whole_file.h"

#include "support/small_random.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

namespace tallo {
namespace {

TEST(PersonNameTest, DisplayForm) {
    EXPECT_EQ(FormatPersonName("Anna", "Miller"), "Miller, A.");
    EXPECT_EQ(FormatPersonName("", "Miller"), "Miller");
    EXPECT_EQ(FormatPersonName("Anna", ""), "Anna");
    EXPECT_EQ(FormatPersonName("", ""), "");
    PersonName name;
    name.SetFirstName("\xC9mile"); // an accented initial is kept as it is
    name.SetSurname("Zola");
    EXPECT_EQ(FormatPersonName(name), "Zola, \xC9.");
    // Each call has its own result.
    EXPECT_NE(FormatPersonName("A", "B"), FormatPersonName("C", "D"));
}

TEST(NumberFormatTest, Thousands) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1.000");
    EXPECT_EQ(FormatThousands(999999), "999.999");
    EXPECT_EQ(FormatThousands(1000000), "1.000.000");
    EXPECT_EQ(FormatThousands(1002003), "1.002.003");
    EXPECT_EQ(FormatThousands(-1234), "- 1.234");
    EXPECT_EQ(FormatThousands(-5), "- 5");
    EXPECT_EQ(FormatThousands(INT_MAX), "2147.483.647");
    EXPECT_EQ(FormatThousands(INT_MIN), "- 2147.483.648");
}

TEST(NumberFormatTest, HeightAndWeight) {
    EXPECT_EQ(FormatHeight(180), "5'10");
    EXPECT_EQ(FormatHeight(183), "6'0");
    EXPECT_EQ(FormatHeight(0), "0'0");
    EXPECT_EQ(FormatWeight(70), "11st");
    EXPECT_EQ(FormatWeight(75), "11st 11lbs");
    EXPECT_EQ(FormatWeight(0), "0st");
}

TEST(TextUtilsTest, CollapseBlanks) {
    std::string text = "  Jean\t Pierre\r\n  Papin  ";
    EXPECT_TRUE(CollapseBlanks(text));
    EXPECT_EQ(text, "Jean Pierre Papin");
    EXPECT_FALSE(CollapseBlanks(text));
    std::string blanks = " \t\r\n ";
    EXPECT_TRUE(CollapseBlanks(blanks));
    EXPECT_EQ(blanks, "");

    char buffer[] = "\tA  B ";
    EXPECT_TRUE(CollapseBlanks(buffer));
    EXPECT_STREQ(buffer, "A B");
}

// CollapseBlanksInto gives what a whole-line tidy, a cut to the field and dropping the blanks
// the cut leaves give, for every capacity: blanks of every kind and in runs, texts shorter and
// longer than the field, cuts on and next to a blank, bytes above 0x7F, empty texts.
TEST(TextUtilsTest, CollapseBlanksIntoMatchesTidyingTheWholeTextThenCutting) {
    const std::string pieces[] = {" ",    "  ",       "\t",  "\r",  "\n", "\r\n", "A",  "bc",
                                  "\xE9", "\xFF\x80", "Van", "der", ";",  "%",    "x y"};
    test::SmallRandom next(77);
    auto expected = [](std::string text, size_t capacity) {
        CollapseBlanks(text);
        if (text.size() > capacity) {
            text.resize(capacity);
            while (!text.empty() && text.back() == ' ') {
                text.pop_back();
            }
        }
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const uint32_t count = next(12);
        for (uint32_t i = 0; i < count; ++i) {
            text += pieces[next(std::size(pieces))];
        }
        for (size_t capacity :
             {size_t{0}, size_t{1}, size_t{3}, size_t{7}, size_t{15}, size_t{19}, size_t{64}}) {
            char out[80];
            std::memset(out, '#', sizeof out);
            const size_t length = CollapseBlanksInto(text, out, capacity);
            ASSERT_LE(length, capacity);
            EXPECT_EQ(std::string(out, length), expected(text, capacity))
                << "round " << round << ", capacity " << capacity;
            // Nothing is written past the capacity.
            for (size_t i = capacity; i < sizeof out; ++i) {
                ASSERT_EQ(out[i], '#') << "round " << round;
            }
        }
    }
}

TEST(TextUtilsTest, TrimLineEndRemovesOneControlCharacter) {
    std::string text = "row\r\n";
    TrimLineEnd(text);
    EXPECT_EQ(text, "row\r");
    TrimLineEnd(text);
    EXPECT_EQ(text, "row");
    TrimLineEnd(text);
    EXPECT_EQ(text, "row");
    std::string empty;
    TrimLineEnd(empty);
    EXPECT_EQ(empty, "");
    char buffer[] = "x\x1F";
    TrimLineEnd(buffer);
    EXPECT_STREQ(buffer, "x");
}

TEST(TextUtilsTest, WildcardMatch) {
    EXPECT_TRUE(WildcardMatch("MULLER", "M*R"));
    EXPECT_TRUE(WildcardMatch("MULLER", "*"));
    EXPECT_TRUE(WildcardMatch("", "*"));
    EXPECT_TRUE(WildcardMatch("", ""));
    EXPECT_FALSE(WildcardMatch("", "?"));
    EXPECT_TRUE(WildcardMatch("MULLER", "M?LLER"));
    EXPECT_FALSE(WildcardMatch("MULLER", "M?LER"));
    EXPECT_FALSE(WildcardMatch("MULLER", "MULL"));   // the whole text must match
    EXPECT_FALSE(WildcardMatch("muller", "MULLER")); // case-sensitive
    EXPECT_TRUE(WildcardMatch("ABCABD", "*AB?"));
    EXPECT_TRUE(WildcardMatch("A*B", "A*B"));
    EXPECT_TRUE(WildcardMatch("AXB", "A**B"));
    // A pattern that makes naive backtracking explode finishes at once.
    EXPECT_FALSE(WildcardMatch(std::string(200, 'A'), "*A*A*A*A*A*A*A*A*A*A*B"));
}

TEST(TextUtilsTest, Clamp8) {
    EXPECT_EQ(Clamp8(-5, 0, 10), 0);
    EXPECT_EQ(Clamp8(50, 0, 10), 10);
    EXPECT_EQ(Clamp8(7, 0, 10), 7);
    EXPECT_EQ(Clamp8(-128, -100, 100), -100);
}

TEST(AccentFoldingTest, TableMapsAccentsAndTypographyToPlainCharacters) {
    struct Pair {
        unsigned char from;
        char to;
    };
    const Pair pairs[] = {
        {0x60, '\''}, {0x91, '\''}, {0x92, '\''}, {0xB4, '\''}, {0x82, ','}, {0x84, '"'},
        {0x93, '"'},  {0x94, '"'},  {0x96, '-'},  {0x8A, 'S'},  {0x9A, 's'}, {0x8E, 'Z'},
        {0x9E, 'z'},  {0x9F, 'Y'},  {0xA1, 'i'},  {0xA2, 'c'},  {0xBF, '?'}, {0xC0, 'A'},
        {0xC5, 'A'},  {0xC7, 'C'},  {0xC8, 'E'},  {0xCB, 'E'},  {0xCC, 'I'}, {0xCF, 'I'},
        {0xD0, 'D'},  {0xD1, 'N'},  {0xD2, 'O'},  {0xD6, 'O'},  {0xD7, 'x'}, {0xD8, 'O'},
        {0xD9, 'U'},  {0xDC, 'U'},  {0xDD, 'Y'},  {0xE0, 'a'},  {0xE5, 'a'}, {0xE7, 'c'},
        {0xE8, 'e'},  {0xEB, 'e'},  {0xEC, 'i'},  {0xEF, 'i'},  {0xF1, 'n'}, {0xF2, 'o'},
        {0xF6, 'o'},  {0xF8, 'o'},  {0xF9, 'u'},  {0xFC, 'u'},  {0xFD, 'y'}, {0xFF, 'y'},
    };
    int changed = 0;
    for (const Pair& pair : pairs) {
        EXPECT_EQ(FoldChar(pair.from), static_cast<uint8_t>(pair.to)) << int{pair.from};
    }
    for (int c = 0; c < 256; ++c) {
        changed += FoldChar(static_cast<uint8_t>(c)) != c;
    }
    // By the groups of the table: 4 apostrophes, 1 comma, 3 quotes, 1 hyphen, 5 S/Z/Y, 2 i/c,
    // 1 question mark, 15 capitals 0xC0-0xCF, 14 of 0xD0-0xDD, 15 of 0xE0-0xEF, 13 of 0xF1-0xFF.
    EXPECT_EQ(changed, 74);
    for (unsigned char same : {0xC6, 0xE6, 0x8C, 0x9C, 0xDF, 0xDE, 0xFE, 0xF0, 0xF7}) {
        EXPECT_EQ(FoldChar(same), same);
    }
    for (int c = 0; c < 0x60; ++c) {
        EXPECT_EQ(FoldChar(static_cast<uint8_t>(c)), c);
    }
}

TEST(AccentFoldingTest, FoldNameExpandsLigaturesWhileRoomRemains) {
    EXPECT_EQ(FoldName("Stra\xDF"
                       "e"),
              "Strasse");
    EXPECT_EQ(FoldName("\xC6gir \x8C"
                       "uvre \x9C"),
              "AEgir CEuvre ce");
    EXPECT_EQ(FoldName("M\xFCller"), "Muller");

    char buffer[6];
    EXPECT_EQ(FoldName(buffer, "Gro\xDF", sizeof(buffer)), 5u);
    EXPECT_STREQ(buffer, "Gross");
    // Only one character of room left: the sharp s is copied as it is.
    char tight[5];
    EXPECT_EQ(FoldName(tight, "Gro\xDF", sizeof(tight)), 4u);
    EXPECT_STREQ(tight, "Gro\xDF");
    char none[1] = {'x'};
    EXPECT_EQ(FoldName(none, "abc", sizeof(none)), 0u);
    EXPECT_EQ(none[0], '\0');
    EXPECT_EQ(FoldName("abcdef", 3), "abc");
}

TEST(AccentFoldingTest, CompareFoldedTreatsLigaturesAsTheirLetters) {
    EXPECT_EQ(CompareFolded("M\xFCller", "Muller"), 0);
    EXPECT_EQ(CompareFolded("Stra\xDF"
                            "e",
                            "Strasse"),
              0);
    EXPECT_EQ(CompareFolded("Strasse", "Stra\xDF"
                                       "e"),
              0);
    EXPECT_EQ(CompareFolded("\xC6gir", "AEgir"), 0);
    EXPECT_EQ(CompareFolded("\x8C", "CE"), 0);
    EXPECT_NE(CompareFolded("\x8C", "OE"), 0);
    EXPECT_GT(CompareFolded("Gro\xDF", "Gros"), 0); // only one of the two letters follows
    EXPECT_LT(CompareFolded("Abc", "Abd"), 0);
    EXPECT_EQ(CompareFolded("\xC9ta", "Eta"), 0);
    EXPECT_LT(CompareFolded("Eta", "Eta "), 0);
    EXPECT_GT(CompareFolded("abc", "ABC"), 0); // case is kept
    EXPECT_EQ(CompareFolded("", ""), 0);
}

TEST(NameSearchTest, CriteriaIgnoreAccentsAndCase) {
    const std::string criterion = MakeSearchKey("m*ller");
    EXPECT_EQ(criterion, "M*LLER");
    EXPECT_TRUE(NameMatches("M\xFCller", criterion));
    EXPECT_TRUE(NameMatches("Moller", criterion));
    EXPECT_FALSE(NameMatches("Mueller Jr", criterion));
    EXPECT_TRUE(NameMatches("Stra\xDF"
                            "er",
                            MakeSearchKey("STRASS?R")));
    EXPECT_TRUE(NameMatches("anything", MakeSearchKey("")));
    EXPECT_EQ(MakeSearchKey(std::string(300, 'a')).size(), 127u);
}

TEST(WholeFileTest, WritesRawBytesAndCreatesFoldersWhenAsked) {
    test::TempDir folder;
    const std::string bytes("a\nb\r\n\0z", 7);
    const std::string path = folder.Path() + "\\sub\\deeper/file.bin";
    EXPECT_FALSE(WriteWholeFile(path, bytes.data(), bytes.size(), false));
    ASSERT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size(), true));
    EXPECT_EQ(test::ReadFile(folder / "sub/deeper/file.bin"), bytes);
    // An existing file is replaced whole.
    ASSERT_TRUE(WriteWholeFile(path, "x", 1, false));
    EXPECT_EQ(test::ReadFile(folder / "sub/deeper/file.bin"), "x");
    EXPECT_FALSE(WriteWholeFile("", "x", 1, true));
}

} // namespace
} // namespace tallo
