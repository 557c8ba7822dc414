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
