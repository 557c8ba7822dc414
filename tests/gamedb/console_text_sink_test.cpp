#include "gamedb/console_text_sink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace tallo {
namespace {

TEST(ConsoleTextSink, KeepsWhatArrivesWhileActiveForTheListsAskedFor) {
    ConsoleTextSink sink(0x04 | 0x40);
    EXPECT_TRUE(sink.Wants(ConsoleTextFile::Badges));
    EXPECT_FALSE(sink.Wants(ConsoleTextFile::Kits));
    sink.Emit(ConsoleTextFile::Badges, "counted\n"); // inactive: the count pass
    sink.SetActive(true);
    sink.Emit(ConsoleTextFile::Badges, "  Club");
    sink.Emit(ConsoleTextFile::Badges, " x\n");
    sink.Emit(ConsoleTextFile::Kits, "not asked\n");
    sink.Emit(ConsoleTextFile::Log, "log\n");
    EXPECT_EQ(sink.Text(ConsoleTextFile::Badges), "  Club x\n");
    EXPECT_EQ(sink.Text(ConsoleTextFile::Kits), "");
    EXPECT_EQ(sink.Text(ConsoleTextFile::Log), "log\n");
    EXPECT_FALSE(ConsoleTextSink(0x01 | 0x20).WantsAny());
}

TEST(ConsoleTextSink, AppendsCrLfLinesToTheFilesAndSkipsThoseThatCannotBeOpened) {
    test::TempDir dir;
    test::WriteFile(dir.Path() + "/badges.txt", "old\r\n");
    std::filesystem::create_directories(dir.Path() + "/stadium.txt"); // a folder: cannot open
    ConsoleTextSink sink(0x04 | 0x08 | 0x10);
    sink.SetActive(true);
    sink.Emit(ConsoleTextFile::Badges, "a\nb\n");
    sink.Emit(ConsoleTextFile::Stadiums, "s\n");
    EXPECT_FALSE(sink.AppendToFiles(dir.Path()));
    EXPECT_EQ(test::ReadFile(dir.Path() + "/badges.txt"), "old\r\na\r\nb\r\n");
    // A list that collected nothing is not created.
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/kits.txt"));
    sink.Clear();
    EXPECT_TRUE(sink.AppendToFiles(dir.Path()));
    EXPECT_EQ(test::ReadFile(dir.Path() + "/badges.txt"), "old\r\na\r\nb\r\n");
}

} // namespace
} // namespace tallo
