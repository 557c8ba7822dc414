#include "platform/atomic_write_batch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

size_t FilesIn(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

TEST(AtomicWriteBatchTest, TargetsChangeOnlyAtCommit) {
    test::TempDir dir;
    test::WriteFile(dir / "a.sav", "old a");
    {
        AtomicWriteBatch batch;
        EXPECT_EQ(AtomicWriteBatch::Current(), &batch);
        ASSERT_TRUE(WriteFileAtomically(dir / "a.sav", "new a"));
        ASSERT_TRUE(WriteFileAtomically(dir / "b.sav", "new b"));
        EXPECT_EQ(test::ReadFile(dir / "a.sav"), "old a");
        EXPECT_FALSE(std::filesystem::exists(dir / "b.sav"));
        EXPECT_TRUE(batch.Commit());
        EXPECT_EQ(AtomicWriteBatch::Current(), nullptr);
    }
    EXPECT_EQ(test::ReadFile(dir / "a.sav"), "new a");
    EXPECT_EQ(test::ReadFile(dir / "b.sav"), "new b");
    EXPECT_EQ(FilesIn(dir.Path()), 2u); // no temporary file left
}

TEST(AtomicWriteBatchTest, ABatchNotCommittedLeavesEveryFileAsItWas) {
    test::TempDir dir;
    test::WriteFile(dir / "a.sav", "old a");
    {
        AtomicWriteBatch batch;
        ASSERT_TRUE(WriteFileAtomically(dir / "a.sav", "new a"));
    }
    EXPECT_EQ(test::ReadFile(dir / "a.sav"), "old a");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
    // Outside a batch, writes go straight through again.
    ASSERT_TRUE(WriteFileAtomically(dir / "a.sav", "direct"));
    EXPECT_EQ(test::ReadFile(dir / "a.sav"), "direct");
}

TEST(AtomicWriteBatchTest, AFileThatCannotBePutInPlaceStopsEveryRename) {
    test::TempDir dir;
    test::WriteFile(dir / "good.sav", "old good");
    AtomicWriteBatch batch;
    ASSERT_TRUE(WriteFileAtomically(dir / "good.sav", "good"));
    ASSERT_TRUE(WriteFileAtomically(dir / "blocked.sav", "blocked"));
    // A folder takes the target's name before the commit: that rename would fail, so none
    // happens.
    std::filesystem::create_directory(dir / "blocked.sav");
    test::WriteFile(dir / "blocked.sav/inside", "x");
    EXPECT_FALSE(batch.Commit());
    ASSERT_EQ(batch.Failures().size(), 1u);
    EXPECT_EQ(batch.Failures()[0].target, dir / "blocked.sav");
    EXPECT_EQ(batch.Failures()[0].reason, "Is a directory");
    EXPECT_EQ(test::ReadFile(dir / "good.sav"), "old good");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "blocked.sav"));
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST(AtomicWriteBatchTest, AWriteThatFailsKeepsEveryOtherFileOfTheBatchOld) {
    test::TempDir dir;
    test::WriteFile(dir / "a.sav", "old a");
    AtomicWriteBatch batch;
    ASSERT_TRUE(WriteFileAtomically(dir / "a.sav", "new a"));
    EXPECT_FALSE(WriteFileAtomically(dir / "no such folder/b.sav", "new b"));
    EXPECT_FALSE(batch.Commit());
    ASSERT_EQ(batch.Failures().size(), 1u);
    EXPECT_EQ(batch.Failures()[0].target, dir / "no such folder/b.sav");
    EXPECT_EQ(batch.Failures()[0].reason, "No such file or directory");
    EXPECT_EQ(test::ReadFile(dir / "a.sav"), "old a");
    EXPECT_EQ(FilesIn(dir.Path()), 1u); // the temporary file of a.sav is gone
}

} // namespace
} // namespace tallo

namespace tallo {
namespace {

TEST(AtomicWriteBatchTest, WriteOfResolvedPathsSpreadOverFoldersAllOrNothing) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "one");
    std::filesystem::create_directories(dir / "two/blocked");
    test::WriteFile(dir / "one/a.tga", "old a");
    {
        AtomicWriteBatch batch;
        ASSERT_TRUE(batch.Write(dir / "one/a.tga", "new a"));
        ASSERT_TRUE(batch.Write(dir / "two/b.tga", "new b"));
        EXPECT_EQ(test::ReadFile(dir / "one/a.tga"), "old a");
        // A folder in a file's place fails at once and keeps every other file old.
        EXPECT_FALSE(batch.Write(dir / "two/blocked", "x"));
        EXPECT_FALSE(batch.Commit());
        ASSERT_EQ(batch.Failures().size(), 1u);
        EXPECT_EQ(batch.Failures()[0].target, dir / "two/blocked");
    }
    EXPECT_EQ(test::ReadFile(dir / "one/a.tga"), "old a");
    EXPECT_EQ(FilesIn(dir / "one"), 1u);
    EXPECT_EQ(FilesIn(dir / "two"), 1u); // the folder only: no temporary file is left

    AtomicWriteBatch batch;
    ASSERT_TRUE(batch.Write(dir / "one/a.tga", "new a"));
    ASSERT_TRUE(batch.Write(dir / "two/b.tga", "new b"));
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(test::ReadFile(dir / "one/a.tga"), "new a");
    EXPECT_EQ(test::ReadFile(dir / "two/b.tga"), "new b");
    EXPECT_FALSE(batch.Write(dir / "one/c.tga", "after the commit"));
    EXPECT_FALSE(std::filesystem::exists(dir / "one/c.tga"));
}

} // namespace
} // namespace tallo
