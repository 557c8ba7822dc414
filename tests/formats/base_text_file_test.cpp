#include "formats/base_text_file.h"
#include "formats/team_colour_text_file.h"

#include "platform/code_page.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tallo {
namespace {

using test::FixturePath;
using test::TempDir;
using test::WriteFile;

TextTableLayout NumberFirst(int32_t capacity, uint16_t placeholder = 0) {
    return TextTableLayout{capacity, true, true, true, placeholder, 0};
}

// Restores the process's code page when a test changed it.
class CodePageScope {
public:
    explicit CodePageScope(CodePage page) : old_(ActiveCodePage()) { SetActiveCodePage(page); }
    ~CodePageScope() { SetActiveCodePage(old_); }

private:
    CodePage old_;
};

TEST(BaseTextFileTest, LoadsNumberFirstRowsWithCrLfLineEnds) {
    CBaseTextFile table(NumberFirst(5));
    ASSERT_TRUE(table.Load(FixturePath("text_tables/DE/shoe.txt")));
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Number(0), 0);
    EXPECT_EQ(table.Text(0), "Standard");
    EXPECT_EQ(table.Number(1), 2);
    EXPECT_EQ(table.Text(1), "Schraubstollen");
    EXPECT_EQ(table.Number(2), 4);
    EXPECT_EQ(table.Text(2), "Nocken");
    EXPECT_TRUE(table.HasNumber(4));
    EXPECT_FALSE(table.HasNumber(3));
    // Rows beyond the count, and negative rows, give nothing.
    EXPECT_EQ(table.Number(3), 0);
    EXPECT_EQ(table.Text(3), "");
    EXPECT_EQ(table.Number(-1), 0);
    EXPECT_EQ(table.Text(-1), "");
}

TEST(BaseTextFileTest, PlaceholderRowComesBeforeTheFileRowsInTheActiveCodePage) {
    CodePageScope scope(CodePage::Windows1251);
    CBaseTextFile table(TextTableLayout{1000, true, true, false, 789, 0});
    ASSERT_TRUE(table.Load(FixturePath("text_tables/DE/faceIDs.txt")));
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Number(0), 0);
    // " не доступно " in Windows-1251.
    EXPECT_EQ(table.Text(0), "\x20\xED\xE5\x20\xE4\xEE\xF1\xF2\xF3\xEF\xED\xEE\x20");
    // Text line first, number line second.
    EXPECT_EQ(table.Text(1), "Kahn");
    EXPECT_EQ(table.Number(1), 17);
    EXPECT_EQ(table.Text(2), "Ballack");
    EXPECT_EQ(table.Number(2), 23);
}

TEST(BaseTextFileTest, CountLineOfZeroGivesEmptyTableOrThePlaceholderAlone) {
    TempDir dir;
    WriteFile(dir / "t.txt", "0\r\n1\r\nNever read\r\n");
    CBaseTextFile plain(NumberFirst(5));
    ASSERT_TRUE(plain.Load(dir / "t.txt"));
    EXPECT_EQ(plain.Count(), 0);
    EXPECT_TRUE(plain.HasNumber(0)); // 0 counts as present even in an empty table
    EXPECT_FALSE(plain.HasNumber(1));

    CBaseTextFile withPlaceholder(NumberFirst(5, 789));
    ASSERT_TRUE(withPlaceholder.Load(dir / "t.txt"));
    EXPECT_EQ(withPlaceholder.Count(), 1);
    EXPECT_FALSE(withPlaceholder.Text(0).empty());
    EXPECT_FALSE(withPlaceholder.HasNumber(1));
}

TEST(BaseTextFileTest, MissingFileGivesCapacityRowsNumberedInOrder) {
    TempDir dir;
    for (uint16_t placeholder : {uint16_t{0}, uint16_t{789}}) {
        CBaseTextFile table(NumberFirst(500, placeholder));
        EXPECT_FALSE(table.Load(dir / "absent.txt"));
        ASSERT_EQ(table.Count(), 500);
        for (int32_t row = 0; row < 500; ++row) {
            ASSERT_EQ(table.Number(row), row);
            ASSERT_EQ(table.Text(row), "");
        }
        EXPECT_TRUE(table.HasNumber(499));
        EXPECT_FALSE(table.HasNumber(500));
    }
    // A folder in the file's place is no table either.
    CBaseTextFile table(NumberFirst(3));
    EXPECT_FALSE(table.Load(dir.Path()));
    EXPECT_EQ(table.Count(), 3);
}

TEST(BaseTextFileTest, MissingFileUsesTheMissingFileString) {
    CodePageScope scope(CodePage::Windows1251);
    TempDir dir;
    CBaseTextFile table(TextTableLayout{2, true, true, true, 0, 789});
    EXPECT_FALSE(table.Load(dir / "absent.txt"));
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Text(1), "\x20\xED\xE5\x20\xE4\xEE\xF1\xF2\xF3\xEF\xED\xEE\x20");
}

TEST(BaseTextFileTest, CountAboveCapacityIsHeldToTheRoomMade) {
    TempDir dir;
    std::string rows;
    for (int i = 0; i < 8; ++i) {
        rows += std::to_string(10 + i) + "\nrow" + std::to_string(i) + "\n";
    }
    for (const char* count : {"8", "1000000", "99999999999999999999"}) {
        WriteFile(dir / "t.txt", std::string(count) + "\n" + rows);
        CBaseTextFile table(NumberFirst(5));
        ASSERT_TRUE(table.Load(dir / "t.txt"));
        ASSERT_EQ(table.Count(), 5) << count;
        EXPECT_EQ(table.Number(4), 14);
        EXPECT_EQ(table.Text(4), "row4");
        EXPECT_FALSE(table.HasNumber(15));

        // The placeholder row takes one row of the room.
        CBaseTextFile withPlaceholder(NumberFirst(5, 789));
        ASSERT_TRUE(withPlaceholder.Load(dir / "t.txt"));
        ASSERT_EQ(withPlaceholder.Count(), 5) << count;
        EXPECT_EQ(withPlaceholder.Number(4), 13);
        EXPECT_EQ(withPlaceholder.Text(4), "row3");
    }
    WriteFile(dir / "t.txt", "-3\n" + rows);
    CBaseTextFile negative(NumberFirst(5));
    ASSERT_TRUE(negative.Load(dir / "t.txt"));
    EXPECT_EQ(negative.Count(), 0);
}

TEST(BaseTextFileTest, OverLongLinesAreCutAndTheirRestSkipped) {
    TempDir dir;
    const std::string longText(300, 'x');
    // The count line carries 1500 trailing blanks, beyond its 999 characters.
    WriteFile(dir / "t.txt", "2" + std::string(1500, ' ') + "\n7\n" + longText + "\n8\nshort\n");
    CBaseTextFile table(NumberFirst(5));
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Text(0), std::string(128, 'x'));
    EXPECT_EQ(table.Number(1), 8);
    EXPECT_EQ(table.Text(1), "short");
}

TEST(BaseTextFileTest, TruncatedFileGivesTheRowsItHoldsInFull) {
    TempDir dir;
    // Three rows promised; the second row lost its text line.
    WriteFile(dir / "t.txt", "3\r\n1\r\nEins\r\n2");
    CBaseTextFile table(NumberFirst(5));
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Text(0), "Eins");
    EXPECT_FALSE(table.HasNumber(2));

    // A last line without its line end is still read; it loses one final control character.
    WriteFile(dir / "t.txt", "2\n1\nEins\n2\nZwei\t");
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Text(1), "Zwei");

    // An empty file has no count line.
    WriteFile(dir / "t.txt", "");
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    EXPECT_EQ(table.Count(), 0);

    // The end-of-file byte ends the data.
    WriteFile(dir / "t.txt", "2\r\n1\r\nEins\r\n\x1A"
                             "2\r\nZwei\r\n");
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    EXPECT_EQ(table.Count(), 1);
}

TEST(BaseTextFileTest, LoadingAgainReplacesEveryRow) {
    TempDir dir;
    WriteFile(dir / "a.txt", "2\n1\nEins\n2\nZwei\n");
    WriteFile(dir / "b.txt", "1\n9\nNeun\n");
    CBaseTextFile table(NumberFirst(5));
    ASSERT_TRUE(table.Load(dir / "a.txt"));
    ASSERT_TRUE(table.Load(dir / "b.txt"));
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Text(0), "Neun");
    EXPECT_FALSE(table.HasNumber(2));
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Text(0), "");
}

TEST(BaseTextFileTest, OneLineRowsAreNumberedByTheirIndex) {
    TempDir dir;
    WriteFile(dir / "t.txt", "Erste\r\nZweite\r\nDritte\r\n");
    CBaseTextFile table(TextTableLayout{2, false, false, true, 0, 0});
    ASSERT_TRUE(table.Load(dir / "t.txt"));
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Number(1), 1);
    EXPECT_EQ(table.Text(1), "Zweite");
}

TEST(BaseTextFileTest, SettersIgnoreRowsOutsideTheRoom) {
    CBaseTextFile table(NumberFirst(2));
    table.Allocate(2);
    table.SetNumber(2, 5);
    table.SetText(-1, "x");
    table.SetMissingText(7);
    table.SetPlaceholderText(2);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_FALSE(table.HasNumber(5));
}

TEST(TeamColourTextFileTest, SplitsTextAndSecondNumberAtTheFirstComma) {
    CTeamColourTextFile table(NumberFirst(30));
    ASSERT_TRUE(table.Load(FixturePath("text_tables/DE/teamcolour.txt")));
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Number(0), 1);
    EXPECT_EQ(table.Text(0), "Rot");
    EXPECT_EQ(table.SecondNumber(0), 12);
    EXPECT_EQ(table.Text(1), "Blau");
    EXPECT_EQ(table.SecondNumber(1), 7);
    // No comma: the whole text, second number 0.
    EXPECT_EQ(table.Number(2), 5);
    EXPECT_EQ(table.Text(2), "Wei\xdf");
    EXPECT_EQ(table.SecondNumber(2), 0);
    EXPECT_EQ(table.SecondNumber(3), 0);

    // Only the first comma splits.
    TempDir dir;
    WriteFile(dir / "c.txt", "1\n4\nGelb,Schwarz,3\n");
    ASSERT_TRUE(table.Load(dir / "c.txt"));
    EXPECT_EQ(table.Text(0), "Gelb");
    EXPECT_EQ(table.SecondNumber(0), 0);
}

TEST(TeamColourTextFileTest, MissingFileClearsTheSecondNumbers) {
    TempDir dir;
    WriteFile(dir / "c.txt", "1\n4\nGelb,3\n");
    CTeamColourTextFile table(NumberFirst(30));
    ASSERT_TRUE(table.Load(dir / "c.txt"));
    ASSERT_EQ(table.SecondNumber(0), 3);
    EXPECT_FALSE(table.Load(dir / "absent.txt"));
    ASSERT_EQ(table.Count(), 30);
    EXPECT_EQ(table.Text(0), "");
    EXPECT_EQ(table.SecondNumber(0), 0);
    EXPECT_EQ(table.Number(29), 29);
}

} // namespace
} // namespace tallo
