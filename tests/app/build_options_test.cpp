#include "app/build_options.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

TEST(ParseCommandLine, NoArgumentsGiveTheDefaults) {
    BuildOptions options = ParseCommandLine({});
    EXPECT_FALSE(options.buildRequested);
    EXPECT_EQ(options.language, kGerman);
    EXPECT_EQ(options.optionBits, 0u);
    EXPECT_TRUE(options.folder.empty());
    EXPECT_FALSE(options.admin);
}

TEST(ParseCommandLine, MasterEnglishWithBadgeList) {
    BuildOptions options = ParseCommandLine({"-master", "eng", "OutputBadge"});
    EXPECT_TRUE(options.buildRequested);
    EXPECT_EQ(options.language, kEnglish);
    EXPECT_EQ(options.optionBits, BuildOption::kOutputBadge);
}

TEST(ParseCommandLine, WordsAreCaseSensitiveExceptTheConsoleLog) {
    BuildOptions options = ParseCommandLine({"-MASTER", "Eng", "Killdata", "LOGps2", "PS2"});
    EXPECT_FALSE(options.buildRequested);
    EXPECT_EQ(options.language, kGerman);
    EXPECT_EQ(options.optionBits, BuildOption::kLogConsole);
}

TEST(ParseCommandLine, EveryOptionWordSetsItsBit) {
    BuildOptions options = ParseCommandLine(
        {"ps2", "OutputBadge", "OutputKits", "OutputStadium", "killdata", "logPS2"});
    EXPECT_EQ(options.optionBits, 0x01u | 0x04u | 0x08u | 0x10u | 0x20u | 0x40u);
}

TEST(ParseCommandLine, LaterLanguageWordsOverrideEarlierOnes) {
    EXPECT_EQ(ParseCommandLine({"fra", "spa"}).language, kSpanish);
    EXPECT_EQ(ParseCommandLine({"spa", "ger"}).language, kGerman);
    EXPECT_EQ(ParseCommandLine({"eng", "fra"}).language, kFrench);
}

TEST(ParseCommandLine, PathIsAPrefixWithoutSeparator) {
    EXPECT_EQ(ParseCommandLine({"pathmods/world"}).folder, "mods/world");
    EXPECT_EQ(ParseCommandLine({"path"}).folder, "");
    EXPECT_EQ(ParseCommandLine({"pathA", "pathB"}).folder, "B");
    // "path" is tested before the option words, so a word that starts with it is a folder.
    EXPECT_EQ(ParseCommandLine({"pathOutputBadge"}).optionBits, 0u);
    EXPECT_EQ(ParseCommandLine({"Path/x"}).folder, "");
}

TEST(ParseCommandLine, OverlongPathIsRefusedAndKeepsTheEarlierFolder) {
    std::string longest(259, 'a');
    EXPECT_EQ(ParseCommandLine({"path" + longest}).folder, longest);

    BuildOptions options = ParseCommandLine({"pathok", "path" + std::string(260, 'b')});
    EXPECT_EQ(options.folder, "ok");
    EXPECT_TRUE(options.folderRefused);
}

TEST(ParseCommandLine, AdminWordAndUnknownWords) {
    BuildOptions options = ParseCommandLine({"wolkenkratzern_ost", "--verbose", "", "x"});
    EXPECT_TRUE(options.admin);
    EXPECT_FALSE(options.buildRequested);
    EXPECT_FALSE(ParseCommandLine({"wolkenkratzern_OST"}).admin);
}

} // namespace
} // namespace tallo
