#include "assets/badge_names.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

TEST(BadgeNamesTest, SizesReplaceTheFirstBadge180InAnyCase) {
    EXPECT_EQ(BadgeNameForSize("Ger\\Badge180\\club.tga", 74), "Ger\\Badge74\\club.tga");
    EXPECT_EQ(BadgeNameForSize("GER\\BADGE180\\BADGE180.TGA", 14), "GER\\Badge14\\BADGE180.TGA");
    EXPECT_EQ(BadgeNameForSize("ger\\other\\club.tga", 48), "ger\\other\\club.tga");
    EXPECT_TRUE(HasBadge180("x\\bAdGe180\\y.tga"));
    EXPECT_FALSE(HasBadge180("x\\Badge18\\y.tga"));
}

// The archive names a badge check makes in one buffer are those of the sized names, and the
// search finds the first occurrence in any case, also after near misses and at the very end.
TEST(BadgeNamesTest, SizedArchiveNamesAndTheSearchAgreeWithThePlainForms) {
    std::string out = "left over from an earlier name";
    for (const char* name :
         {"Ger\\Badge180\\club.tga", "GER/BADGE180/BADGE180.TGA", "a/Badge18/Badge180/x/y.tga",
          "Badge180", "bbbadge180", "x/BaDgE180"}) {
        const size_t at = BadgeTextFind(name, kBadge180);
        ASSERT_NE(at, std::string_view::npos) << name;
        EXPECT_TRUE(
            BadgeTextEquals(std::string_view(name).substr(at, kBadge180.size()), kBadge180));
        for (int size : kBadgeSizes) {
            SizedBadgeArchiveName(name, at, size, out);
            EXPECT_EQ(out, BadgeArchiveName(BadgeNameForSize(name, size))) << name << " " << size;
        }
    }
    EXPECT_EQ(BadgeTextFind("bbbadge180", "BADGE180"), 2u);
    EXPECT_EQ(BadgeTextFind("Badge18Badge180", "badge180"), 7u);
    EXPECT_EQ(BadgeTextFind("Badge18", "badge180"), std::string_view::npos);
    EXPECT_EQ(BadgeTextFind("abc", ""), 0u);
}

// Only A-Z and a-z are the same letter in two cases: every pair of bytes, in the words compared
// eight at a time and in the bytes after them.
TEST(BadgeNamesTest, EqualityFoldsNothingButAsciiLetters) {
    auto fold = [](int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    for (size_t at : {size_t{0}, size_t{7}, size_t{9}}) {
        std::string a(10, 'k');
        std::string b(10, 'K');
        for (int x = 0; x < 256; ++x) {
            for (int y = 0; y < 256; ++y) {
                a[at] = static_cast<char>(x);
                b[at] = static_cast<char>(y);
                ASSERT_EQ(BadgeTextEquals(a, b), fold(x) == fold(y)) << at << " " << x << " " << y;
            }
        }
    }
}

TEST(BadgeNamesTest, PatternsTakeTheSizeAsTextNeverAsAFormat) {
    EXPECT_EQ(FormatBadgePattern("GER/Badge%d/CLUB.TGA", 180), "GER/Badge180/CLUB.TGA");
    // Conversions a stored name may hold stay as they are; only the first "%d" is filled.
    EXPECT_EQ(FormatBadgePattern("%S%N%X/Badge%d/%d%s.TGA", 48), "%S%N%X/Badge48/%d%s.TGA");
    EXPECT_EQ(FormatBadgePattern("%s%n%p", 14), "%s%n%p");
    EXPECT_EQ(FormatBadgePattern("", 14), "");
}

TEST(BadgeNamesTest, DiskAndArchiveNames) {
    EXPECT_EQ(BadgeDiskPath("/inst/badges", "Ger\\Badge180\\a.tga"),
              "/inst/badges/Ger/Badge180/a.tga");
    EXPECT_EQ(BadgeArchiveName("Ger/Badge74\\a.tga"), "Badges\\Ger\\Badge74\\a.tga");
    // Names leading out of the badge folder are not looked for.
    for (const char* name :
         {"", "..\\..\\etc\\passwd", "Ger\\..\\..\\x.tga", "\\abs.tga", "/abs.tga", "C:\\x.tga"}) {
        EXPECT_EQ(BadgeDiskPath("/inst/badges", name), "") << name;
    }
    std::string relative;
    EXPECT_TRUE(StripBadgeArchivePrefix("BADGES\\X\\BADGE180\\Y.TGA", relative));
    EXPECT_EQ(relative, "X\\BADGE180\\Y.TGA");
    EXPECT_FALSE(StripBadgeArchivePrefix("Kits\\X\\Badge180\\Y.tga", relative));
    EXPECT_FALSE(StripBadgeArchivePrefix("Badges", relative));
}

TEST(BadgeNamesTest, DisplayNamesAndEndings) {
    EXPECT_EQ(BadgeDisplayName("X\\BADGE180\\Y.TGA"), "Y");
    EXPECT_EQ(BadgeDisplayName("a/b/club.v2.tga"), "club.v2");
    EXPECT_EQ(BadgeDisplayName("plain"), "plain");
    EXPECT_TRUE(HasTgaEnding(".TGA"));
    EXPECT_TRUE(HasTgaEnding("a.Tga"));
    EXPECT_FALSE(HasTgaEnding("tga"));
    EXPECT_FALSE(HasTgaEnding("a.tga.bak"));
}

} // namespace
} // namespace tallo
