#include "platform/install_folder.h"
#include "platform/plugin_library.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tallo {
namespace {

// The install rules put the programs into <prefix>/bin and the plug-in into <prefix>/lib/tallo.
TEST(InstalledPluginFolderTest, IsTheLibraryFolderBesideTheProgramFolder) {
    EXPECT_EQ(InstalledPluginFolder("/usr/bin"), "/usr/lib/tallo");
    EXPECT_EQ(InstalledPluginFolder("/usr/local/bin/"), "/usr/local/lib/tallo");
    EXPECT_EQ(InstalledPluginFolder("/opt/tallo/./bin"), "/opt/tallo/lib/tallo");
    EXPECT_EQ(InstalledPluginFolder("relative/bin"), "relative/lib/tallo");
    // No program folder, no guess.
    EXPECT_EQ(InstalledPluginFolder(""), "");
}

// Through the folder found from a program folder, a library laid out as installed is opened.
TEST(InstalledPluginFolderTest, FindsALibraryLaidOutAsInstalled) {
    test::TempDir prefix;
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "lib/tallo");
    test::WriteFile(prefix / "lib/tallo/libtallo-renderer.so", "no library");
    const std::string folder = InstalledPluginFolder(prefix / "bin");
    EXPECT_EQ(std::filesystem::path(folder), std::filesystem::path(prefix / "lib/tallo"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/libtallo-renderer.so"));
    // The file is found (the loader names it in its reason), though it is no library.
    PluginLibrary library;
    EXPECT_FALSE(library.Open(folder + "/libtallo-renderer.so"));
    EXPECT_NE(library.LastError().find("libtallo-renderer.so"), std::string::npos);
}

} // namespace
} // namespace tallo
