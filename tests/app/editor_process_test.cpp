// Runs the editor program itself, as a user or a script would.

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/environment.h"
#include "platform/instance_lock.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

class EditorProcess : public ::testing::Test {
protected:
    void SetUp() override {
        editor_ = test::BuiltProgram("src/tallo-editor");
        if (editor_.empty()) {
            GTEST_SKIP() << "tallo-editor is not built in this configuration";
        }
        test::WriteFile(install_ / "data/zdata_06.big", "");
        environment_ = {
            {"TALLO_INSTALL_DIR", install_.Path()},
            {"TALLO_DOCUMENTS_DIR", home_ / "Documents"},
            {"XDG_RUNTIME_DIR", home_.Path()},
            {"XDG_CONFIG_HOME", home_ / "config"},
            {"HOME", home_.Path()},
            {"DISPLAY", ""},
            {"WAYLAND_DISPLAY", ""},
            {"QT_QPA_PLATFORM", ""},
        };
    }

    test::ProcessResult Run(const std::vector<std::string>& arguments) {
        return test::RunProcess(editor_, arguments, environment_);
    }

    std::string editor_;
    test::TempDir install_;
    test::TempDir home_;
    std::map<std::string, std::string> environment_;
};

TEST_F(EditorProcess, BuildModePrintsItsLinesAndEndsWithOne) {
    test::ProcessResult result = Run({"-master", "eng", "OutputBadge"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.rfind("Build Master.dat : Language 1\nPath is \n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("Ready\n"), std::string::npos);
}

TEST_F(EditorProcess, BuildModeWithoutLanguageBuildsInGermanInTheGivenFolder) {
    test::WriteFile(install_ / "mods/keep", "");
    test::ProcessResult result = Run({"-master", "pathmods"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.rfind("Build Master.dat : Language 0\nPath is mods\n", 0), 0u)
        << result.out;
}

TEST_F(EditorProcess, SecondInstanceEndsSilently) {
    MapEnvironment environment({{"XDG_RUNTIME_DIR", home_.Path()}});
    InstanceLock first("RVN EDITOR MUTEX", environment);
    ASSERT_TRUE(first.TryAcquire());

    test::ProcessResult result = Run({"-master", "eng"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");

    first.Release();
    EXPECT_NE(Run({"-master", "eng"}).out, "");
}

TEST_F(EditorProcess, MissingInstallationIsRefusedWithAMessage) {
    environment_["TALLO_INSTALL_DIR"] = "";
    test::ProcessResult result = Run({"-master"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
}

TEST_F(EditorProcess, IncompleteInstallationIsRefusedWithAMessage) {
    std::remove((install_ / "data/zdata_06.big").c_str());
    test::ProcessResult result = Run({"-master"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
}

} // namespace
} // namespace tallo
