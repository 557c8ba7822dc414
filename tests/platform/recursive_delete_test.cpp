#include "platform/recursive_delete.h"

#include "platform/path_resolver.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

TEST(RecursiveDeleteTest, RemovesANestedTree) {
    TempDir dir;
    WriteFile(dir / "Export/a.sav", "a");
    WriteFile(dir / "Export/sub/deeper/b.sav", "b");
    ASSERT_TRUE(CreateFolders(dir / "Export/empty"));
    ASSERT_EQ(chmod((dir / "Export/sub/deeper/b.sav").c_str(), 0), 0); // no rights needed
    EXPECT_TRUE(DeleteFolderTree(dir / "export"));                     // resolved like every path
    EXPECT_FALSE(Exists(dir / "Export"));
    EXPECT_TRUE(DeleteFolderTree(dir / "Export")); // nothing there: nothing to do
}

TEST(RecursiveDeleteTest, NeverFollowsLinksOutOfTheTree) {
    TempDir dir;
    WriteFile(dir / "outside/precious.sav", "keep");
    WriteFile(dir / "tree/file", "x");
    ASSERT_EQ(symlink((dir / "outside").c_str(), (dir / "tree/link").c_str()), 0);
    ASSERT_EQ(symlink((dir / "outside/precious.sav").c_str(), (dir / "tree/filelink").c_str()), 0);
    ASSERT_EQ(symlink((dir / "gone").c_str(), (dir / "tree/dangling").c_str()), 0);
    EXPECT_TRUE(DeleteFolderTree(dir / "tree"));
    EXPECT_FALSE(Exists(dir / "tree"));
    EXPECT_EQ(ReadFile(dir / "outside/precious.sav"), "keep");

    // A link given as the folder itself goes alone.
    ASSERT_EQ(symlink((dir / "outside").c_str(), (dir / "alias").c_str()), 0);
    EXPECT_TRUE(DeleteFolderTree(dir / "alias"));
    EXPECT_FALSE(Exists(dir / "alias"));
    EXPECT_EQ(ReadFile(dir / "outside/precious.sav"), "keep");
}

TEST(RecursiveDeleteTest, RefusesFilesAndTheRoot) {
    TempDir dir;
    WriteFile(dir / "file", "x");
    EXPECT_FALSE(DeleteFolderTree(dir / "file"));
    EXPECT_EQ(ReadFile(dir / "file"), "x");
    EXPECT_FALSE(DeleteFolderTree("/"));
    EXPECT_FALSE(DeleteFolderTree("//"));
    EXPECT_FALSE(DeleteFolderTree(""));
}

} // namespace
} // namespace tallo
