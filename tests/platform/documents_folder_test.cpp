#include "platform/documents_folder.h"

#include "platform/path_resolver.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::TempDir;
using Vars = std::map<std::string, std::string>;
using test::WriteFile;

TEST(DocumentsFolderTest, TakesTheFirstVariableSetAndCreatesTheFolder) {
    TempDir dir;
    MapEnvironment env(Vars{{"HOME", dir / "home"}});
    EXPECT_EQ(DocumentsFolder(env), dir / "home/Documents");
    EXPECT_TRUE(FolderExists(dir / "home/Documents"));
    env.Set("XDG_DOCUMENTS_DIR", dir / "xdg");
    EXPECT_EQ(DocumentsFolder(env), dir / "xdg");
    env.Set("TALLO_DOCUMENTS_DIR", dir / "tallo/docs");
    EXPECT_EQ(DocumentsFolder(env), dir / "tallo/docs");
    EXPECT_TRUE(FolderExists(dir / "tallo/docs"));
}

TEST(DocumentsFolderTest, FindsAnExistingFolderUnderAnotherCase) {
    TempDir dir;
    ASSERT_TRUE(CreateFolders(dir / "home/documents"));
    MapEnvironment env(Vars{{"HOME", dir / "home"}});
    EXPECT_EQ(DocumentsFolder(env), dir / "home/documents");
}

TEST(DocumentsFolderTest, NothingWhenNoFolderCanBeHad) {
    EXPECT_EQ(DocumentsFolder(MapEnvironment()), std::nullopt);
    TempDir dir;
    WriteFile(dir / "file", "");
    EXPECT_EQ(DocumentsFolder(MapEnvironment(Vars{{"TALLO_DOCUMENTS_DIR", dir / "file/docs"}})),
              std::nullopt);
}

} // namespace
} // namespace tallo
