#include "platform/install_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using Vars = std::map<std::string, std::string>;
using test::WriteFile;

TEST(InstallFolderTest, SettingsFileFollowsTheConfigFolder) {
    MapEnvironment env(Vars{{"HOME", "/home/u"}});
    EXPECT_EQ(SettingsFilePath("Tallo 2004", env), "/home/u/.config/vantor-sports/Tallo 2004.conf");
    env.Set("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(SettingsFilePath("a/b", env), "/cfg/vantor-sports/a_b.conf");
    env.Set("XDG_CONFIG_HOME", "relative"); // not usable: back to HOME
    EXPECT_EQ(SettingsFilePath("p", env), "/home/u/.config/vantor-sports/p.conf");
    EXPECT_EQ(SettingsFilePath("p", MapEnvironment()), "");
}

TEST(InstallFolderTest, EnvironmentVariableWinsOverTheSettingsFile) {
    TempDir dir;
    MapEnvironment env(Vars{{"XDG_CONFIG_HOME", dir.Path()}});
    WriteFile(dir / "vantor-sports/Game.conf", "INSTALL DIR=/from/file\n");
    EXPECT_EQ(LookUpInstallDir("Game", env), "/from/file");
    env.Set("TALLO_INSTALL_DIR", "/from/env");
    EXPECT_EQ(LookUpInstallDir("Game", env), "/from/env");
    env.Set("TALLO_INSTALL_DIR", ""); // empty counts as unset
    EXPECT_EQ(LookUpInstallDir("Game", env), "/from/file");
    EXPECT_EQ(LookUpInstallDir("Other", env), std::nullopt);
}

TEST(InstallFolderTest, ReadsTheInstallLineAmongOthers) {
    TempDir dir;
    MapEnvironment env(Vars{{"HOME", dir.Path()}});
    const std::string file = dir / ".config/vantor-sports/Game.conf";
    WriteFile(file, "# comment\r\nLANGUAGE=eng\r\nINSTALL DIR=/opt/my game\r\n");
    EXPECT_EQ(LookUpInstallDir("Game", env), "/opt/my game");
    WriteFile(file, "install dir=/lower\nINSTALL DIR=\nINSTALL DIR =/spaced");
    EXPECT_EQ(LookUpInstallDir("Game", env), std::nullopt);
}

TEST(InstallFolderTest, WritingKeepsOtherLinesAndReadsBack) {
    TempDir dir;
    MapEnvironment env(Vars{{"XDG_CONFIG_HOME", dir / "new/config"}});
    ASSERT_TRUE(WriteInstallDirSetting("Game", "/first", env));
    EXPECT_EQ(LookUpInstallDir("Game", env), "/first");
    const std::string file = dir / "new/config/vantor-sports/Game.conf";
    WriteFile(file, "A=1\r\nINSTALL DIR=/old\r\nB=2\r\nINSTALL DIR=/older\r\n");
    ASSERT_TRUE(WriteInstallDirSetting("Game", "/second", env));
    EXPECT_EQ(ReadFile(file), "A=1\nINSTALL DIR=/second\nB=2\n");
    EXPECT_FALSE(WriteInstallDirSetting("Game", "/evil\nINSTALL DIR=/x", env));
    EXPECT_FALSE(WriteInstallDirSetting("Game", "", env));
    EXPECT_EQ(LookUpInstallDir("Game", env), "/second");
}

TEST(InstallFolderTest, OtherSettingsLiveBesideTheInstallLine) {
    TempDir dir;
    MapEnvironment env(Vars{{"XDG_CONFIG_HOME", dir.Path()}});
    ASSERT_TRUE(WriteInstallDirSetting("Game", "/game", env));
    EXPECT_EQ(ReadSetting("Game", "LANGUAGE", env), std::nullopt);
    ASSERT_TRUE(WriteSetting("Game", "LANGUAGE", "en", env));
    ASSERT_TRUE(WriteSetting("Game", "LANGUAGE", "ru", env));
    EXPECT_EQ(ReadSetting("Game", "LANGUAGE", env), "ru");
    EXPECT_EQ(LookUpInstallDir("Game", env), "/game");
    // A key that would read back as another line, or as part of another key, is refused.
    EXPECT_FALSE(WriteSetting("Game", "A=B", "x", env));
    EXPECT_FALSE(WriteSetting("Game", "LANGUAGE", "en\nINSTALL DIR=/x", env));
    EXPECT_EQ(ReadFile(dir / "vantor-sports/Game.conf"), "INSTALL DIR=/game\nLANGUAGE=ru\n");
}

} // namespace
} // namespace tallo
