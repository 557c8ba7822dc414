#include "world/file_version.h"

#include "formats/kl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace tallo {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// Reads the VERSION section at the start of `text`, then the value after it.
int32_t ReadVersionThenValue(const std::string& text) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(text));
    ReadVersion(file);
    int32_t next = -1;
    EXPECT_TRUE(file.ReadInt(next));
    return next;
}

TEST(FileVersionTest, WritesTheCurrentVersionAsItsOwnSection) {
    test::TempDir folder;
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(folder / "version.sav"));
    ASSERT_TRUE(WriteVersion(file));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(test::ReadFile(folder / "version.sav"),
              Lines({"%INDEX%VERSION", "537133064", "%INDEXEND%VERSION"}));
}

TEST(FileVersionTest, ReadsTheVersionAndMovesPastItsSection) {
    FileVersion::SetLoaded(0);
    EXPECT_EQ(
        ReadVersionThenValue(Lines({"%INDEX%VERSION", "537133064", "%INDEXEND%VERSION", "42"})),
        42);
    EXPECT_EQ(FileVersion::Loaded(), 0x20040008u);
    EXPECT_EQ(FileVersion::LoadedMajor(), 0x2004u);
    EXPECT_EQ(FileVersion::LoadedMinor(), 8u);
    EXPECT_TRUE(FileVersion::AtLeastCurrentMajor());
    EXPECT_TRUE(FileVersion::CurrentMajorWithMinor(8));
    EXPECT_FALSE(FileVersion::CurrentMajorWithMinor(9));
}

TEST(FileVersionTest, MissingSectionCountsAsVersionOneAndKeepsThePosition) {
    FileVersion::SetLoaded(0x20040008u);
    EXPECT_EQ(ReadVersionThenValue(Lines({"17", "%INDEXEND%OUTER"})), 17);
    EXPECT_EQ(FileVersion::Loaded(), 1u);
    EXPECT_EQ(FileVersion::LoadedMajor(), 0u);
    EXPECT_FALSE(FileVersion::AtLeastCurrentMajor());
    EXPECT_FALSE(FileVersion::CurrentMajorWithMinor(1));
}

TEST(FileVersionTest, OlderMajorPassesEveryMinorTest) {
    // 0x20030002
    ReadVersionThenValue(Lines({"%INDEX%VERSION", "537067522", "%INDEXEND%VERSION", "0"}));
    EXPECT_EQ(FileVersion::Loaded(), 0x2003FFFFu);
    EXPECT_EQ(FileVersion::LoadedMinor(), 0xFFFFu);
    EXPECT_FALSE(FileVersion::AtLeastCurrentMajor());
    // The minor tests are made together with the major test, which an older major fails.
    EXPECT_FALSE(FileVersion::CurrentMajorWithMinor(4));

    // An older minor of the current major keeps its minor.
    ReadVersionThenValue(Lines({"%INDEX%VERSION", "537133062", "%INDEXEND%VERSION", "0"}));
    EXPECT_EQ(FileVersion::Loaded(), 0x20040006u);
    EXPECT_TRUE(FileVersion::CurrentMajorWithMinor(4));
    EXPECT_FALSE(FileVersion::CurrentMajorWithMinor(7));
}

TEST(FileVersionTest, EmptyVersionSectionReadsAsAnOlderMajor) {
    EXPECT_EQ(ReadVersionThenValue(Lines({"%INDEX%VERSION", "%INDEXEND%VERSION", "5"})), 5);
    EXPECT_EQ(FileVersion::Loaded(), 0x0000FFFFu);
}

TEST(FileVersionTest, LoadedVersionBelongsToEachThread) {
    FileVersion::SetLoaded(0x20040007u);
    uint32_t seenByWorker = 0xDEADu;
    std::thread worker([&] {
        seenByWorker = FileVersion::Loaded();
        FileVersion::SetLoaded(1);
    });
    worker.join();
    EXPECT_EQ(seenByWorker, 0u);
    EXPECT_EQ(FileVersion::Loaded(), 0x20040007u);
}

} // namespace
} // namespace tallo
