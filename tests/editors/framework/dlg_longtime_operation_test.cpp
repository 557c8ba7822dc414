#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "app/app_state.h"
#include "app/database_folders.h"
#include "app/load_preparation.h"
#include "app/world_export.h"
#include "editors/framework/dlg_longtime_operation.h"
#include "editors/framework/longtime_task.h"
#include "formats/string_table.h"
#include "framework_test_support.h"
#include "platform/environment.h"
#include "platform/scripted_prompt.h"
#include "sample_installation.h"
#include "support/temp_dir.h"
#include "world/world.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;

// Waits on the worker thread until `condition` holds (at most a few seconds, so that a fault
// fails the test instead of hanging it).
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000 && !condition(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// Passes everything on to the window, and holds the work at its first club until the user has
// pressed cancel in the window: the test then knows the export was cut short halfway.
class HoldAtFirstClub : public IProgress {
public:
    explicit HoldAtFirstClub(CDlgLongtimeOperation& window) : window_(window) {}

    void SetRange(int32_t low, int32_t high) override { window_.SetRange(low, high); }
    void SetPosition(int32_t position) override {
        window_.SetPosition(position);
        if (position >= 1 && !held_.exchange(true)) {
            cancelSeen_ = WaitFor([this] { return window_.IsCancelled(); });
        }
        if (position > highest_) {
            highest_ = position;
        }
    }
    void SetTitle(const std::string& text) override { window_.SetTitle(text); }
    void SetDescription(const std::string& text) override { window_.SetDescription(text); }
    void SetStatus(const std::string& text) override { window_.SetStatus(text); }
    void EnableCancel(bool enabled) override { window_.EnableCancel(enabled); }
    bool IsCancelled() const override { return window_.IsCancelled(); }

    std::atomic<bool> cancelSeen_{false};
    std::atomic<int32_t> highest_{0};

private:
    CDlgLongtimeOperation& window_;
    std::atomic<bool> held_{false};
};

TEST(CDlgLongtimeOperation, CancelStopsAnExportAndLeavesTheOldArchive) {
    test::EnsureFrameworkApplication();
    InterfaceLanguageScope russian(InterfaceLanguage::Russian);
    test::TempDir dir;
    const std::string install = dir / "install";
    sample::SampleOptions options;
    sample::SampleSummary summary;
    std::string error;
    ASSERT_TRUE(sample::WriteSampleInstallation(install, options, summary, error)) << error;
    ASSERT_GT(summary.clubs, 1u);
    CWorld world;
    PrepareForLoad(world, install);
    ASSERT_TRUE(world.LoadAll(install + "/database"));

    MapEnvironment env;
    env.Set("TALLO_DOCUMENTS_DIR", dir / "documents");
    DatabaseFolders folders(env);
    WorldExportSetup setup;
    setup.folders = &folders;
    setup.badgesFolder = install + "/badges";
    setup.pictureFolder = install + "/picture";

    const std::string target = dir / "world.tdb";
    test::WriteFile(target, "the archive of last week");

    CDlgLongtimeOperation window;
    HoldAtFirstClub display(window);
    bool sawRunning = false;
    bool clicked = false;
    QObject::connect(&window, &CDlgLongtimeOperation::updated, &window, [&] {
        sawRunning = sawRunning || window.isVisible();
        if (!clicked && window.BarValue() >= 1 && window.CancelButton().isEnabled()) {
            clicked = true;
            window.CancelButton().click();
        }
    });
    ScriptedPrompt prompt;
    WorldExportReport report;
    const LongtimeResult result = ExportWorld(world, target, setup, display, prompt,
                                              LoadString(899), window.ModalLoop(), &report);

    EXPECT_TRUE(sawRunning);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(display.cancelSeen_.load());
    EXPECT_EQ(result, LongtimeResult::Cancelled);
    EXPECT_TRUE(report.cancelled);
    EXPECT_FALSE(report.written);
    // Stopped at the next check: far from every club.
    EXPECT_LT(display.highest_.load(), static_cast<int32_t>(summary.clubs));
    EXPECT_EQ(test::ReadFile(target), "the archive of last week");
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tdb-"), std::string::npos)
            << entry.path();
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.TitleText().toStdString(), LoadString(829));
    EXPECT_EQ(prompt.Calls().size(), 0u); // a cancel is not an error
}

// A clock the test moves by hand.
struct HandClock {
    std::atomic<int64_t> now{0};
    CDlgLongtimeOperation::Clock Function() {
        return [this] { return now.load(); };
    }
};

TEST(CDlgLongtimeOperation, StaysOpenWhileTheWorkRunsAndShowsTheEstimateAfterFiveSeconds) {
    test::EnsureFrameworkApplication();
    InterfaceLanguageScope russian(InterfaceLanguage::Russian);
    HandClock clock;
    CDlgLongtimeOperation window(nullptr, clock.Function());

    std::atomic<int> step{0};
    std::atomic<int> answered{0};
    CLongtimeTask task("Title", "Description", [&](CLongtimeTask& work) {
        work.SetRange(0, 100);
        work.SetPosition(25); // the clock starts here, at 0
        WaitFor([&] { return answered.load() >= 1; });
        clock.now = 4999;
        work.SetPosition(25);
        WaitFor([&] { return answered.load() >= 2; });
        clock.now = 10000;
        work.SetStatus("Exporting");
        WaitFor([&] { return answered.load() >= 3; });
        return true;
    });

    std::vector<QString> estimates;
    bool triedToClose = false;
    bool closedWhileRunning = false;
    QObject::connect(&window, &CDlgLongtimeOperation::updated, &window, [&] {
        if (window.BarValue() != 25) {
            return;
        }
        const int seen = step.fetch_add(1);
        estimates.push_back(window.EstimateText());
        if (seen == 0) {
            // Once the window is up: neither closing nor Escape nor Enter ends it while
            // cancelling is off.
            QTimer::singleShot(0, &window, [&] {
                triedToClose = window.isVisible();
                window.close();
                window.reject();
                window.accept();
                closedWhileRunning = !window.isVisible();
            });
        }
        answered = seen + 1;
    });
    EXPECT_EQ(task.RunWithProgress(window, window.ModalLoop()), LongtimeResult::Completed);

    EXPECT_TRUE(triedToClose);
    EXPECT_FALSE(closedWhileRunning);
    ASSERT_GE(estimates.size(), 3u);
    EXPECT_TRUE(estimates[0].isEmpty());
    EXPECT_TRUE(estimates[1].isEmpty()); // 4.999 seconds: not yet
    EXPECT_EQ(estimates.back().toStdString(), FormatString(824, 0, 10, 0, 40));
    EXPECT_EQ(window.StatusText(), QStringLiteral("Exporting"));
    EXPECT_EQ(window.DescriptionText(), QStringLiteral("Description"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.IsRunning());
}

TEST(CDlgLongtimeOperation, ValuesSetBeforeTheWindowRunsAreShownWhenItStarts) {
    test::EnsureFrameworkApplication();
    CDlgLongtimeOperation window;
    window.SetRange(0, 40);
    window.SetPosition(30);
    window.SetDescription("Before");
    // Nothing is shown before the run, and nothing waits in the queue for it.
    EXPECT_NE(window.DescriptionText(), QStringLiteral("Before"));

    bool shownAtStart = false;
    window.RunModal([&] {
        shownAtStart = window.DescriptionText() == QStringLiteral("Before") &&
                       window.BarMaximum() == 40 && window.BarValue() == 30;
        return true;
    });
    EXPECT_TRUE(shownAtStart);
    EXPECT_FALSE(window.RequestCancel()); // the run is over
}

TEST(CDlgLongtimeOperation, AWindowNotShownStillRunsTheWorkToItsEnd) {
    test::EnsureFrameworkApplication();
    CDlgLongtimeOperation window;
    window.SetShownWhileRunning(false);
    bool everShown = false;
    QObject::connect(&window, &CDlgLongtimeOperation::updated, &window,
                     [&] { everShown = everShown || window.isVisible(); });
    std::atomic<int32_t> reached{0};
    CLongtimeTask task("Hidden", "", [&](CLongtimeTask& work) {
        for (int32_t i = 1; i <= 20; ++i) {
            work.SetPosition(i);
            reached = i;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    });
    EXPECT_EQ(task.RunWithProgress(window, window.ModalLoop()), LongtimeResult::Completed);
    EXPECT_EQ(reached.load(), 20);
    EXPECT_FALSE(everShown);
    EXPECT_EQ(window.BarValue(), 20);
}

} // namespace
} // namespace tallo
