#include "platform/plugin_library.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tallo {
namespace {

TEST(PluginLibraryTest, MissingOrBrokenFileFailsWithAReason) {
    test::TempDir dir;
    PluginLibrary library;
    EXPECT_FALSE(library.Open(dir / "Renderer.so"));
    EXPECT_FALSE(library.IsOpen());
    EXPECT_FALSE(library.LastError().empty());
    test::WriteFile(dir / "Broken.so", "not a library");
    EXPECT_FALSE(library.Open(dir / "Broken.so"));
    EXPECT_FALSE(library.LastError().empty());
    EXPECT_EQ(library.Symbol("GetPlugin"), nullptr);
}

TEST(PluginLibraryTest, FindsSymbolsAndMovesOwnership) {
    PluginLibrary library;
    ASSERT_TRUE(library.Open("libc.so.6")) << library.LastError();
    using StrLen = size_t (*)(const char*);
    auto strLen = reinterpret_cast<StrLen>(library.Symbol("strlen"));
    ASSERT_NE(strLen, nullptr);
    EXPECT_EQ(strLen("Master.dat"), 10u);
    EXPECT_EQ(library.Symbol("NoSuchSymbolAnywhere"), nullptr);
    EXPECT_FALSE(library.LastError().empty());

    PluginLibrary moved(std::move(library));
    EXPECT_FALSE(library.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    EXPECT_NE(moved.Symbol("strlen"), nullptr);
    PluginLibrary assigned;
    assigned = std::move(moved);
    EXPECT_TRUE(assigned.IsOpen());
    EXPECT_FALSE(moved.IsOpen());
    assigned.Close();
    EXPECT_FALSE(assigned.IsOpen());
    EXPECT_EQ(assigned.Symbol("strlen"), nullptr);
}

} // namespace
} // namespace tallo
