#include "app/tallo2002_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/app_state.h"
#include "formats/string_table.h"
#include "platform/environment.h"
#include "platform/path_resolver.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

// Runs the application object in this process against temporary folders and puts the
// current folder back afterwards.
class AppStartUp : public ::testing::Test {
protected:
    void SetUp() override {
        startFolder_ = CurrentFolder();
        test::WriteFile(install_ / "data/zdata_06.big", "");
        environment_.Set("TALLO_INSTALL_DIR", install_.Path());
        environment_.Set("TALLO_DOCUMENTS_DIR", home_ / "Documents");
        environment_.Set("XDG_RUNTIME_DIR", home_.Path());
        environment_.Set("XDG_CONFIG_HOME", home_ / "config");
        environment_.Set("HOME", home_.Path());
    }
    void TearDown() override {
        ChangeFolder(startFolder_);
        AppState::Instance().SetAdminMode(false);
    }

    AppServices Services() {
        AppServices services;
        services.prompt = &prompt_;
        services.environment = &environment_;
        services.out = &out_;
        services.runMasterBuild = [this](int32_t language, uint32_t bits) {
            builds_.push_back({language, bits});
            buildFolder_ = CurrentFolder();
        };
        services.runMainWindow = [this]() { ++windows_; };
        return services;
    }

    std::string startFolder_;
    test::TempDir install_;
    test::TempDir home_;
    MapEnvironment environment_;
    ScriptedPrompt prompt_;
    std::ostringstream out_;
    std::vector<std::pair<int32_t, uint32_t>> builds_;
    std::string buildFolder_;
    int windows_ = 0;
};

TEST_F(AppStartUp, BuildModeRunsTheBuildInTheInstallationFolder) {
    CTallo2002App app(Services());
    EXPECT_FALSE(app.InitInstance({"-master", "fra", "ps2", "logps2"}));
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::Built);
    ASSERT_EQ(builds_.size(), 1u);
    EXPECT_EQ(builds_[0].first, kFrench);
    EXPECT_EQ(builds_[0].second, 0x41u);
    EXPECT_EQ(buildFolder_, install_.Path());
    EXPECT_EQ(out_.str(), "Build Master.dat : Language 2\nPath is \nReady\n");
    EXPECT_EQ(windows_, 0);
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_EQ(app.MessageCaption(), LoadString(899));
}

TEST_F(AppStartUp, PathWordChangesIntoAFolderBelowTheInstallation) {
    test::WriteFile(install_ / "Mods/World/keep", "");
    CTallo2002App app(Services());
    app.InitInstance({"pathMods/World", "-master"});
    EXPECT_EQ(buildFolder_, install_ / "Mods/World");
    EXPECT_EQ(out_.str(), "Build Master.dat : Language 0\nPath is Mods/World\nReady\n");
}

TEST_F(AppStartUp, OverlongPathFolderIsRefusedWithAMessageAndNoBuild) {
    CTallo2002App app(Services());
    app.InitInstance({"-master", "path" + std::string(300, 'x')});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::FolderTooLong);
    EXPECT_TRUE(builds_.empty());
    ASSERT_EQ(prompt_.Calls().size(), 1u);
    EXPECT_EQ(prompt_.Calls()[0].text, LoadString(902));
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST_F(AppStartUp, MissingPathFolderLeavesTheInstallationFolder) {
    CTallo2002App app(Services());
    app.InitInstance({"-master", "pathnowhere"});
    EXPECT_EQ(buildFolder_, install_.Path());
    EXPECT_EQ(builds_.size(), 1u);
}

TEST_F(AppStartUp, EditorModeRunsTheMainWindowAndKeepsTheAdminWord) {
    CTallo2002App app(Services());
    app.InitInstance({"wolkenkratzern_ost", "-Master"});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::EditorClosed);
    EXPECT_EQ(windows_, 1);
    EXPECT_TRUE(builds_.empty());
    EXPECT_TRUE(IsAdminMode());
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST_F(AppStartUp, SecondInstanceEndsWithoutAnyMessage) {
    CTallo2002App first(Services());
    CTallo2002App second(Services());
    // The first holds the lock while its main window runs.
    AppServices services = Services();
    services.runMainWindow = [&]() {
        EXPECT_FALSE(second.InitInstance({"-master"}));
        EXPECT_EQ(second.LastOutcome(), CTallo2002App::Outcome::AlreadyRunning);
    };
    CTallo2002App holder(services);
    holder.InitInstance({});
    EXPECT_TRUE(prompt_.Calls().empty());
    EXPECT_TRUE(builds_.empty());
    EXPECT_EQ(second.ExitInstance(), 1);
    EXPECT_EQ(holder.ExitInstance(), 1);

    // Once the holder has ended, the next one runs.
    first.InitInstance({"-master"});
    EXPECT_EQ(first.LastOutcome(), CTallo2002App::Outcome::Built);
}

TEST_F(AppStartUp, MissingInstallationShowsMessage900) {
    MapEnvironment bare({{"XDG_RUNTIME_DIR", home_.Path()}, {"HOME", home_.Path()}});
    AppServices services = Services();
    services.environment = &bare;
    CTallo2002App app(services);
    app.InitInstance({"-master"});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::NotInstalled);
    ASSERT_EQ(prompt_.Calls().size(), 1u);
    EXPECT_EQ(prompt_.Calls()[0].text, LoadString(900));
    EXPECT_EQ(prompt_.Calls()[0].caption, LoadString(899));
    EXPECT_TRUE(builds_.empty());
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST_F(AppStartUp, MissingGameArchiveShowsMessage896) {
    std::remove((install_ / "data/zdata_06.big").c_str());
    CTallo2002App app(Services());
    app.InitInstance({"-master"});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::Incomplete);
    ASSERT_EQ(prompt_.Calls().size(), 1u);
    EXPECT_EQ(prompt_.Calls()[0].text, LoadString(896));
    EXPECT_TRUE(builds_.empty());
}

TEST_F(AppStartUp, GameArchiveIsFoundWhateverItsCase) {
    std::filesystem::remove_all(install_ / "data");
    test::WriteFile(install_ / "Data/ZDATA_06.BIG", "");
    CTallo2002App app(Services());
    app.InitInstance({"-master"});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::Built);
}

TEST_F(AppStartUp, DocumentsFolderTheCodePageCannotSpellShowsMessage888) {
    environment_.Set("TALLO_DOCUMENTS_DIR", home_ / "\xE6\x96\x87\xE6\x9B\xB8"); // Japanese
    CTallo2002App app(Services());
    app.InitInstance({"-master"});
    EXPECT_EQ(app.LastOutcome(), CTallo2002App::Outcome::UnsupportedFolder);
    ASSERT_EQ(prompt_.Calls().size(), 1u);
    EXPECT_EQ(prompt_.Calls()[0].text, LoadString(888));
}

} // namespace
} // namespace tallo
