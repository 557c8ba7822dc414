#include "platform/path_resolver.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tallo {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(PathResolverTest, FindsEveryComponentRegardlessOfCase) {
    TempDir dir;
    WriteFile(dir / "Database/Country1.sav", "x");
    EXPECT_EQ(ResolvePath(dir / "database/country1.sav"), dir / "Database/Country1.sav");
    EXPECT_EQ(ResolvePath(dir / "DATABASE/COUNTRY1.SAV"), dir / "Database/Country1.sav");
    EXPECT_TRUE(FileExists(dir / "database/COUNTRY1.sav"));
    EXPECT_TRUE(FolderExists(dir / "dataBASE"));
    EXPECT_FALSE(FolderExists(dir / "database/country1.sav"));
    EXPECT_FALSE(FileExists(dir / "database"));
}

TEST(PathResolverTest, MissingComponentsKeepTheirSpelling) {
    TempDir dir;
    WriteFile(dir / "Data/keep.txt", "x");
    EXPECT_EQ(ResolvePath(dir / "data/New/File.TXT"), dir / "Data/New/File.TXT");
    EXPECT_FALSE(FileExists(dir / "data/New/File.TXT"));
    // A missing file in a folder spelled as on disk, and at the root.
    EXPECT_EQ(ResolvePath(dir / "Data/Missing.TXT"), dir / "Data/Missing.TXT");
    EXPECT_EQ(ResolvePath(dir / "Data/KEEP.txt"), dir / "Data/keep.txt");
    EXPECT_EQ(ResolvePath("/no-such-entry-of-the-root"), "/no-such-entry-of-the-root");
}

TEST(PathResolverTest, ExactSpellingWinsThenSmallestInByteOrder) {
    TempDir dir;
    WriteFile(dir / "b/x", "");
    WriteFile(dir / "B/x", "");
    EXPECT_EQ(ResolvePath(dir / "b"), dir / "b");
    EXPECT_EQ(ResolvePath(dir / "B"), dir / "B");
    WriteFile(dir / "cC/x", "");
    WriteFile(dir / "Cc/x", "");
    // Neither spelling is given: "Cc" sorts before "cC".
    EXPECT_EQ(ResolvePath(dir / "cc"), dir / "Cc");
}

TEST(PathResolverTest, FoldsAsciiLettersAndTheCapitalUmlauts) {
    TempDir dir;
    WriteFile(dir / "\xC4rger/x", "");       // "Ärger" in Windows-1252
    WriteFile(dir / "M\xC3\x9CNCHEN/x", ""); // "MÜNCHEN" in UTF-8
    WriteFile(dir / "Straße/x", "");
    WriteFile(dir / "\xC3\x89cole/x", ""); // "École": É does not fold
    // The lower-cased forms that the editor's own paths use find the folders on disk.
    EXPECT_EQ(ResolvePath(dir / "\xE4rger"), dir / "\xC4rger");
    EXPECT_EQ(ResolvePath(dir / "m\xC3\xBCnchen"), dir / "M\xC3\x9CNCHEN");
    EXPECT_EQ(ResolvePath(dir / "STRAßE"), dir / "Straße");
    EXPECT_EQ(ResolvePath(dir / "\xC3\xA9cole"), dir / "\xC3\xA9cole");
}

TEST(PathResolverTest, FoldNameCaseLeavesOtherBytesAlone) {
    std::string name = "AB\xC4\xD6\xDC\xC3\x84\xC3\x89\xD0\x96z";
    FoldNameCase(name);
    EXPECT_EQ(name, "ab\xE4\xF6\xFC\xC3\xA4\xC3\x89\xD0\x96z");
}

TEST(PathResolverTest, TidiesDotsAndRepeatedSlashes) {
    TempDir dir;
    WriteFile(dir / "Script/cups.txt", "x");
    EXPECT_EQ(ResolvePath(dir.Path() + "//script/./CUPS.txt"), dir / "Script/cups.txt");
    EXPECT_EQ(ResolvePath(dir / "script/"), dir / "Script");
    // ".." after existing folders is left to the system; after missing ones it drops them.
    EXPECT_EQ(ResolvePath(dir / "script/../script/cups.txt"), dir / "Script/../Script/cups.txt");
    EXPECT_EQ(ResolvePath(dir / "new/deeper/../../script"), dir / "Script");
    EXPECT_EQ(ResolvePath("/"), "/");
    EXPECT_EQ(ResolvePath(""), "");
}

TEST(PathResolverTest, PathsThatExistAsSpelledComeBackTidyAndUnchanged) {
    TempDir dir;
    WriteFile(dir / "Script/cups.txt", "x");
    ASSERT_EQ(symlink((dir / "Script").c_str(), (dir / "link").c_str()), 0);
    // Existing as spelled: the same path, a folder reached through a link kept as it is.
    EXPECT_EQ(ResolvePath(dir / "Script/cups.txt"), dir / "Script/cups.txt");
    EXPECT_EQ(ResolvePath(dir / "link/cups.txt"), dir / "link/cups.txt");
    // Existing, but not written tidily: the tidy spelling.
    EXPECT_EQ(ResolvePath(dir / "Script/cups.txt/"), dir / "Script/cups.txt");
    EXPECT_EQ(ResolvePath(dir.Path() + "//Script/cups.txt"), dir / "Script/cups.txt");
    EXPECT_EQ(ResolvePath(dir / "Script/./cups.txt"), dir / "Script/cups.txt");
    // Through a link and "..": left to the system, as for any folder that exists.
    EXPECT_EQ(ResolvePath(dir / "link/../Script/cups.txt"), dir / "link/../Script/cups.txt");
}

TEST(PathResolverTest, ResolvesRelativePathsAgainstTheCurrentFolder) {
    TempDir dir;
    WriteFile(dir / "Inst/Data/zdata_06.big", "x");
    const std::string before = CurrentFolder();
    ASSERT_TRUE(ChangeFolder(dir / "inst"));
    EXPECT_EQ(ResolvePath("data/ZDATA_06.big"), "Data/zdata_06.big");
    EXPECT_EQ(ResolvePath("./data"), "Data");
    EXPECT_EQ(ResolvePath("."), ".");
    EXPECT_EQ(ResolvePath("missing/.."), ".");
    EXPECT_TRUE(FileExists("DATA/zdata_06.big"));
    char real[4096];
    ASSERT_NE(realpath((dir / "Inst").c_str(), real), nullptr);
    EXPECT_EQ(CurrentFolder(), real);
    ASSERT_TRUE(ChangeFolder(before));
    EXPECT_FALSE(ChangeFolder(dir / "nowhere"));
    EXPECT_EQ(CurrentFolder(), before);
}

TEST(PathResolverTest, CreateFoldersUsesExistingSpellingsAndCreatesTheRest) {
    TempDir dir;
    ASSERT_TRUE(CreateFolders(dir / "Documents"));
    ASSERT_TRUE(CreateFolders(dir / "documents/Database/My DB"));
    struct stat info;
    EXPECT_EQ(stat((dir / "Documents/Database/My DB").c_str(), &info), 0);
    EXPECT_NE(stat((dir / "documents").c_str(), &info), 0); // no second spelling made
    EXPECT_TRUE(CreateFolders(dir / "DOCUMENTS/database")); // all there already
    WriteFile(dir / "file", "");
    EXPECT_FALSE(CreateFolders(dir / "file/sub"));
    EXPECT_FALSE(CreateFolders(dir / "file"));
}

} // namespace
} // namespace tallo
