#include "app/big_extraction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "assets/big_writer.h"
#include "assets/vantor_big.h"
#include "platform/progress.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;

// An archive of a few badges in two size folders, one of them packed, and opens it.
void OpenArchive(const test::TempDir& dir, CVantorBig& big, const std::string& extra = "") {
    BigWriter writer;
    writer.AddEntry("Badges\\Small\\a.tga", "small a");
    writer.AddEntry("Badges\\Small\\b.tga", std::string(3000, 'b'), true);
    if (!extra.empty()) {
        writer.AddEntry(extra, "extra");
    }
    writer.AddEntry("Badges\\Large\\a.tga", "large a");
    writer.AddEntry("badges\\small\\A.TGA", "a repeated name");
    ASSERT_TRUE(writer.Write(dir / "badges.big"));
    ASSERT_TRUE(big.Open(dir / "badges.big", true));
}

TEST(BigExtractionTest, ExtractsEveryEntryUnpackedWithTheFirstOfEachName) {
    test::TempDir dir;
    CVantorBig big;
    OpenArchive(dir, big);
    SilentProgress progress;
    BigExtractReport report;
    EXPECT_TRUE(ExtractBigEntries(big, dir / "out", {}, progress, report));
    EXPECT_EQ(report.extracted, 3u);
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_NE(report.notes[0].find("repeats an earlier name"), std::string::npos);
    const std::map<std::string, std::string> expected = {
        {"Badges/Small/a.tga", "small a"},
        {"Badges/Small/b.tga", std::string(3000, 'b')},
        {"Badges/Large/a.tga", "large a"}};
    EXPECT_EQ(test::ReadTreeFiles(dir / "out"), expected); // no temporary file is left
}

TEST(BigExtractionTest, FindsFoldersAndFilesOfAnotherCaseAndKeepsPackedBytesWhenRaw) {
    test::TempDir dir;
    CVantorBig big;
    OpenArchive(dir, big);
    fs::create_directories(dir / "out/BADGES/small");
    test::WriteFile(dir / "out/BADGES/small/A.tga", "old");
    SilentProgress progress;
    BigExtractReport report;
    BigExtractOptions options;
    options.raw = true;
    options.names = {"badges/small/a.tga", "BADGES\\SMALL\\B.TGA", "missing.tga"};
    EXPECT_FALSE(ExtractBigEntries(big, dir / "out", options, progress, report));
    EXPECT_EQ(report.extracted, 2u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "no entry \"missing.tga\"");
    const auto files = test::ReadTreeFiles(dir / "out");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files.at("BADGES/small/A.tga"), "small a");
    const std::string packed = files.at("BADGES/small/b.tga");
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(static_cast<uint8_t>(packed[0]), 0x10);
    EXPECT_EQ(static_cast<uint8_t>(packed[1]), 0xFB);
}

TEST(BigExtractionTest, AFailingWriteInTheMiddleLeavesEveryOldFileAsItWas) {
    test::TempDir dir;
    CVantorBig big;
    // The third entry's target is a folder: its write fails after two files were written.
    OpenArchive(dir, big, "Badges\\Blocked");
    fs::create_directories(dir / "out/Badges/Blocked/inside");
    fs::create_directories(dir / "out/Badges/Small");
    test::WriteFile(dir / "out/Badges/Small/a.tga", "old a");
    SilentProgress progress;
    BigExtractReport report;
    EXPECT_FALSE(ExtractBigEntries(big, dir / "out", {}, progress, report));
    EXPECT_EQ(report.extracted, 0u);
    ASSERT_EQ(report.failedFiles.size(), 1u);
    EXPECT_NE(report.failedFiles[0].find("Badges/Blocked"), std::string::npos);
    EXPECT_NE(report.failedFiles[0].find("is a folder"), std::string::npos);
    const std::map<std::string, std::string> unchanged = {{"Badges/Small/a.tga", "old a"}};
    EXPECT_EQ(test::ReadTreeFiles(dir / "out"), unchanged);
}

TEST(BigExtractionTest, RefusesNamesLeavingTheFolderAlsoThroughALink) {
    test::TempDir dir;
    test::TempDir outside;
    CVantorBig big;
    OpenArchive(dir, big, "Escape\\x.tga");
    fs::create_directories(dir / "out");
    fs::create_directory_symlink(outside.Path(), dir / "out/Escape");
    SilentProgress progress;
    BigExtractReport report;
    EXPECT_FALSE(ExtractBigEntries(big, dir / "out", {}, progress, report));
    EXPECT_EQ(report.extracted, 3u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("Escape\\x.tga"), std::string::npos);
    EXPECT_TRUE(test::ReadTreeFiles(outside.Path()).empty());
    EXPECT_EQ(test::ReadFile(dir / "out/Badges/Large/a.tga"), "large a");
}

TEST(BigExtractionTest, NeverWritesOverTheArchiveItReads) {
    test::TempDir dir;
    CVantorBig big;
    OpenArchive(dir, big, "badges.big");
    BigExtractOptions options;
    options.inputs = {dir / "badges.big"};
    options.names = {"badges.big"};
    SilentProgress progress;
    BigExtractReport report;
    const std::string before = test::ReadFile(dir / "badges.big");
    EXPECT_FALSE(ExtractBigEntries(big, dir.Path(), options, progress, report));
    ASSERT_EQ(report.failedFiles.size(), 1u);
    EXPECT_NE(report.failedFiles[0].find("being read"), std::string::npos);
    EXPECT_EQ(test::ReadFile(dir / "badges.big"), before);
}

} // namespace
} // namespace tallo
