#include "app/folder_table.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

std::string Normalised(std::string path) {
    NormalisePath(path);
    return path;
}

TEST(NormalisePath, BackslashesBecomeSlashesAndLettersSmall) {
    EXPECT_EQ(Normalised("C:\\Games\\Tallo 2002\\Database"), "c:/games/tallo 2002/database");
    EXPECT_EQ(Normalised("/Home/User/GAME"), "/home/user/game");
}

TEST(NormalisePath, CapitalUmlautsBecomeSmall) {
    // UTF-8 Ä Ö Ü and their 8-bit forms.
    EXPECT_EQ(Normalised("/M\xC3\x84N/\xC3\x96L/\xC3\x9C"), "/m\xC3\xA4n/\xC3\xB6l/\xC3\xBC");
    EXPECT_EQ(Normalised("\xC4\\\xD6\\\xDC"), "\xE4/\xF6/\xFC");
    // Other letters outside ASCII stay as they are.
    EXPECT_EQ(Normalised("/\xC3\x89t\xC3\xA9/\xD0\x96"), "/\xC3\x89t\xC3\xA9/\xD0\x96");
}

TEST(NormalisePath, DriveRootLosesItsSlash) {
    EXPECT_EQ(Normalised("D:\\"), "d:");
    EXPECT_EQ(Normalised("d:/"), "d:");
    EXPECT_EQ(Normalised("d:/x"), "d:/x");
    EXPECT_EQ(Normalised("/"), "/");
    EXPECT_EQ(Normalised("1:/"), "1:/");
}

TEST(SetUpFolders, FillsEveryEntryFromTheRoot) {
    FolderTable table;
    ASSERT_TRUE(SetUpFoldersAt(table, "/Opt/Game", "database"));
    EXPECT_EQ(table.root, "/opt/game");
    EXPECT_EQ(table.database, "database");
    EXPECT_EQ(table.languageCode, "eng");
    EXPECT_EQ(table.dataOrg, "/opt/game/database/dataOrg");
    EXPECT_EQ(table.script, "/opt/game/script");
    EXPECT_EQ(table.badges, "/opt/game/badges");
    EXPECT_EQ(table.sponsors, "/opt/game/sponsors");
    EXPECT_EQ(table.picture, "/opt/game/picture");
    EXPECT_EQ(table.city, "/opt/game/city");
}

TEST(SetUpFolders, DriveRootGivesLetterAndColon) {
    FolderTable table;
    ASSERT_TRUE(SetUpFoldersAt(table, "E:\\", "E:\\Database"));
    EXPECT_EQ(table.root, "e:");
    EXPECT_EQ(table.script, "e:/script");
    EXPECT_EQ(table.database, "E:\\Database"); // kept as handed in
}

TEST(SetUpFolders, RefusesARootThatDoesNotFitTheBuffers) {
    FolderTable table;
    ASSERT_TRUE(SetUpFoldersAt(table, "/first", "database"));
    // "/database/dataOrg" is the longest suffix: 17 characters.
    std::string root = "/" + std::string(241, 'r');
    EXPECT_TRUE(SetUpFoldersAt(table, root.substr(0, 242), "database"));
    EXPECT_FALSE(SetUpFoldersAt(table, root + "x", "database"));
    EXPECT_EQ(table.root, "/" + std::string(241, 'r')); // the earlier table stays
}

TEST(SetUpFolders, UsesTheCurrentFolder) {
    FolderTable table;
    ASSERT_TRUE(SetUpFolders(table, "database"));
    EXPECT_FALSE(table.root.empty());
    EXPECT_EQ(table.script, table.root + "/script");
}

} // namespace
} // namespace tallo
