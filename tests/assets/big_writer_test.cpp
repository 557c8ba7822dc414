#include "assets/big_writer.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(BigWriterTest, WritesTheBytesOfTheHandWrittenArchive) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("Badges\\Ger\\Badge14\\Club.tga", "hello"));
    ASSERT_TRUE(writer.AddEntry("notes.txt", "abc", true));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(writer.Build(bytes));
    EXPECT_EQ(Text(bytes), ReadFile(FixturePath("big/two_entries.big")));

    TempDir dir;
    ASSERT_TRUE(writer.Write(dir / "out.big"));
    EXPECT_EQ(ReadFile(dir / "out.big"), Text(bytes));
}

TEST(BigWriterTest, WritesTheSizeFieldInTheChosenOrder) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("e", "x"));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(writer.Build(bytes));
    EXPECT_EQ(Text(bytes).substr(4, 4), std::string("\x1B\x00\x00\x00", 4));
    writer.SetSizeOrder(BigWriter::SizeOrder::BigEndian);
    ASSERT_TRUE(writer.Build(bytes));
    EXPECT_EQ(Text(bytes).substr(4, 4), std::string("\x00\x00\x00\x1B", 4));
}

TEST(BigWriterTest, RefusesNamesTheDirectoryCannotHold) {
    BigWriter writer;
    EXPECT_FALSE(writer.AddEntry("", "x"));
    EXPECT_FALSE(writer.AddEntry(std::string(259, 'n'), "x"));
    EXPECT_FALSE(writer.AddEntry(std::string("a\0b", 3), "x"));
    EXPECT_TRUE(writer.AddEntry(std::string(258, 'n'), "x"));
    EXPECT_EQ(writer.Count(), 1u);
}

TEST(BigWriterTest, RefusesToPackAWholeArchiveAboveTheShortHeader) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("big", std::string(0xFFFFFF, 'b')));
    TempDir dir;
    EXPECT_FALSE(writer.Write(dir / "whole.big", true));
    EXPECT_EQ(ReadFile(dir / "whole.big"), "");
    EXPECT_TRUE(writer.Write(dir / "plain.big"));
}

} // namespace
} // namespace tallo
