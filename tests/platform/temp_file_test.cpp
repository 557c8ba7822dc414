#include "platform/temp_file.h"

#include "platform/path_resolver.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using Vars = std::map<std::string, std::string>;

TEST(TempFileTest, CreatesDistinctEmptyFilesInTheFolder) {
    TempDir dir;
    ASSERT_TRUE(CreateFolders(dir / "Database"));
    std::optional<std::string> first = CreateTempFile(dir / "database", "tmp");
    std::optional<std::string> second = CreateTempFile(dir / "database", "tmp");
    ASSERT_TRUE(first.has_value());
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(*first, *second);
    EXPECT_EQ(first->rfind(dir / "Database/tmp", 0), 0u);
    EXPECT_EQ(first->size(), (dir / "Database/tmp").size() + 6);
    EXPECT_TRUE(FileExists(*first));
    EXPECT_EQ(ReadFile(*first), "");
    EXPECT_EQ(CreateTempFile(dir / "missing", "tmp"), std::nullopt);
    EXPECT_EQ(CreateTempFile(dir.Path(), "../escape"), std::nullopt);
}

TEST(TempFileTest, CreatesFoldersUnderTheTemporaryFolder) {
    TempDir dir;
    MapEnvironment env(Vars{{"TMPDIR", dir.Path()}});
    std::optional<std::string> folder = CreateTempFolder("tallo-export-", env);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->rfind(dir / "tallo-export-", 0), 0u);
    EXPECT_TRUE(FolderExists(*folder));
    struct stat info;
    ASSERT_EQ(stat(folder->c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u); // private to the user
    EXPECT_NE(CreateTempFolder("tallo-export-", env), folder);
    EXPECT_EQ(CreateTempFolder("a/b", env), std::nullopt);
    EXPECT_EQ(CreateTempFolder("x", MapEnvironment(Vars{{"TMPDIR", dir / "none"}})), std::nullopt);
}

} // namespace
} // namespace tallo
