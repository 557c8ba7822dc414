#include "app/longtime_estimate.h"
#include "app/longtime_export_world.h"
#include "app/longtime_import_world.h"
#include "app/longtime_operation.h"
#include "app/longtime_write_db.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <thread>

#include "formats/string_table.h"
#include "platform/path_resolver.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

using Kind = ProgressCall::Kind;
using namespace std::chrono_literals;

TEST(LongtimeOperation, WorkRunsOnAWorkerThreadAndItsProgressArrives) {
    std::thread::id workThread;
    CLongtimeWriteDB operation(1, 0, false, [&](CLongtimeWriteDB& op) {
        workThread = std::this_thread::get_id();
        op.SetRange(0, 10);
        op.SetTitle(CLongtimeWriteDB::kTitleEntry);
        for (int32_t position = 1; position <= 10; ++position) {
            op.SetPosition(position);
            op.SetStatus(CLongtimeWriteDB::kPhaseStatusEntry, 1, "Germany");
        }
        return true;
    });
    RecordingProgress display;
    EXPECT_EQ(operation.Start(display), LongtimeResult::Completed);

    EXPECT_NE(workThread, std::thread::id());
    EXPECT_NE(workThread, std::this_thread::get_id());
    EXPECT_TRUE(operation.IsFinished());
    EXPECT_EQ(display.CountOf(Kind::Position), 11u); // the stored 0, then 1 to 10
    const auto last = display.Last(Kind::Position);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->first, 10);
    EXPECT_EQ(last->thread, workThread);
    EXPECT_EQ(display.Last(Kind::Status)->text, "Phase 1: Exporting Germany...");
    EXPECT_EQ(display.Last(Kind::Title)->text, LoadString(833));
    // The end of the work enables cancelling so that a window may close.
    EXPECT_EQ(display.Calls().back().kind, Kind::EnableCancel);
    EXPECT_TRUE(display.Calls().back().flag);
    EXPECT_EQ(operation.RangeHigh(), 10);
    EXPECT_EQ(operation.Position(), 10);
}

TEST(LongtimeOperation, TextsSetBeforeTheRunAreShownWhenTheDisplayIsAttached) {
    CLongtimeExportWorld exportOp("/tmp/out/world.tdb", [](CLongtimeExportWorld&) { return true; });
    RecordingProgress display;
    EXPECT_EQ(exportOp.RunWithProgress(display), LongtimeResult::Completed);
    const std::vector<ProgressCall> calls = display.Calls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, Kind::Range);
    EXPECT_EQ(calls[0].second, 100);
    EXPECT_EQ(calls[2].text, LoadString(829));
    EXPECT_EQ(calls[3].text, FormatString(830, "/tmp/out/world.tdb"));
    EXPECT_EQ(calls[4].text, "Initializing exportmodule...");
    EXPECT_EQ(calls[5].kind, Kind::EnableCancel);
    EXPECT_FALSE(calls[5].flag);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(calls[i].thread, std::this_thread::get_id());
    }

    ScriptedPrompt prompt;
    CLongtimeImportWorld importOp("/home/anna/Spiele/müller é.tdb", false, prompt, "Caption",
                                  [](CLongtimeImportWorld&) { return true; });
    EXPECT_EQ(importOp.Title(), LoadString(825));
    EXPECT_EQ(importOp.Description(), FormatString(826, "\\HOME\\ANNA\\SPIELE\\MÜLLER É.TDB"));
    EXPECT_EQ(importOp.Status(), "Initializing importmodule...");
}

TEST(LongtimeOperation, ImportDisplayPathUpperCasesLatinLettersOnly) {
    EXPECT_EQ(ImportDisplayPath("a/b\\c.tdb"), "A\\B\\C.TDB");
    // ÿ has no capital in the same block, ÷ is no letter, Cyrillic stays as it is.
    EXPECT_EQ(ImportDisplayPath("äöüÿ÷ж"), "ÄÖÜÿ÷ж");
    // A lone lead byte at the end is kept, not read past.
    EXPECT_EQ(ImportDisplayPath(std::string("x\xC3")), std::string("X\xC3"));
}

TEST(LongtimeOperation, CancelAtTheDisplayStopsTheExportAndRemovesTheArchive) {
    test::TempDir dir;
    const std::string target = dir / "world.tdb";
    int32_t lastStep = 0;
    CLongtimeExportWorld operation(target, [&](CLongtimeExportWorld& op) {
        test::WriteFile(target, "FORM");
        op.EnableCancel(true);
        for (int32_t step = 1; step <= 1000 && !op.IsCancelRequested(); ++step) {
            op.SetPosition(step);
            lastStep = step;
        }
        return true;
    });
    RecordingProgress display;
    display.CancelAtPosition(5);
    EXPECT_EQ(operation.RunWithProgress(display), LongtimeResult::Cancelled);
    EXPECT_EQ(lastStep, 5);
    EXPECT_FALSE(FileExists(target));
    EXPECT_TRUE(operation.IsCancelRequested());
}

TEST(LongtimeOperation, CancelledExportKeepsAnArchiveThatWasThereBefore) {
    test::TempDir dir;
    const std::string target = dir / "world.tdb";
    test::WriteFile(target, "the user's old archive");
    CLongtimeExportWorld operation(target, [&](CLongtimeExportWorld& op) {
        op.EnableCancel(true);
        for (int32_t step = 1; step <= 1000 && !op.IsCancelRequested(); ++step) {
            op.SetPosition(step);
        }
        return true;
    });
    RecordingProgress display;
    display.CancelAtPosition(5);
    EXPECT_EQ(operation.RunWithProgress(display), LongtimeResult::Cancelled);
    EXPECT_EQ(test::ReadFile(target), "the user's old archive");
}

TEST(LongtimeOperation, CancelFromAnotherThreadReachesTheWorker) {
    CLongtimeWriteDB operation(0, 0, false, [](CLongtimeWriteDB& op) {
        op.EnableCancel(true);
        // Bounded, so that a cancel that never arrives fails the test instead of hanging it.
        for (int32_t step = 1; step <= 5000; ++step) {
            if (op.IsCancelRequested()) {
                return true;
            }
            op.SetPosition(step);
            std::this_thread::sleep_for(1ms);
        }
        return true;
    });
    RecordingProgress display;
    std::thread canceller([&] {
        ASSERT_TRUE(display.WaitForPosition(3, 10s));
        EXPECT_TRUE(operation.RequestCancel());
    });
    EXPECT_EQ(operation.Start(display), LongtimeResult::Cancelled);
    canceller.join();
    EXPECT_LT(display.Last(Kind::Position)->first, 5000);
}

TEST(LongtimeOperation, CancelIsIgnoredWhileDisabled) {
    ScriptedPrompt prompt;
    int32_t steps = 0;
    CLongtimeImportWorld operation("a.tdb", false, prompt, "", [&](CLongtimeImportWorld& op) {
        EXPECT_FALSE(op.RequestCancel());
        for (int32_t step = 1; step <= 20 && !op.IsCancelRequested(); ++step) {
            op.SetPosition(step);
            steps = step;
        }
        return true;
    });
    RecordingProgress display;
    display.CancelAtPosition(3);
    EXPECT_EQ(operation.RunWithProgress(display), LongtimeResult::Completed);
    EXPECT_EQ(steps, 20);
    EXPECT_TRUE(display.IsCancelled()); // the display did ask
}

TEST(LongtimeOperation, ImportAsksOnTheCallingThreadAndDoesNothingWithoutYes) {
    ScriptedPrompt prompt;
    prompt.QueueAnswer(false);
    prompt.QueueAnswer(true);
    int runs = 0;
    CLongtimeImportWorld operation("a.tdb", true, prompt, "Message", [&](CLongtimeImportWorld&) {
        ++runs;
        return true;
    });
    RecordingProgress declined;
    EXPECT_EQ(operation.RunWithProgress(declined), LongtimeResult::Declined);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(declined.Calls().empty());
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_EQ(prompt.Calls()[0].text, LoadString(882));
    EXPECT_EQ(prompt.Calls()[0].caption, "Message");

    RecordingProgress accepted;
    EXPECT_EQ(operation.RunWithProgress(accepted), LongtimeResult::Completed);
    EXPECT_EQ(runs, 1);
}

TEST(LongtimeOperation, FailuresOfTheWorkAreReportedAsFailures) {
    RecordingProgress display;
    CLongtimeWriteDB refused(0, 0, false, [](CLongtimeWriteDB&) { return false; });
    EXPECT_EQ(refused.Start(display), LongtimeResult::Failed);
    EXPECT_EQ(refused.FailureText(), "");

    CLongtimeWriteDB throwing(0, 0, false, [](CLongtimeWriteDB& op) -> bool {
        op.SetPosition(7);
        throw std::runtime_error("disk full");
    });
    RecordingProgress thrown;
    EXPECT_EQ(throwing.Start(thrown), LongtimeResult::Failed);
    EXPECT_EQ(throwing.FailureText(), "disk full");
    EXPECT_TRUE(throwing.IsFinished());
    EXPECT_TRUE(thrown.Last(Kind::EnableCancel)->flag);

    // A failure wins over a cancel that happened on the way: the work did not end in order.
    CLongtimeWriteDB cancelledThenThrown(0, 0, true, [](CLongtimeWriteDB& op) -> bool {
        op.EnableCancel(true);
        op.RequestCancel();
        throw 42;
    });
    EXPECT_EQ(cancelledThenThrown.Start(display), LongtimeResult::Failed);
    EXPECT_FALSE(cancelledThenThrown.FailureText().empty());

    CLongtimeExportWorld missing("x.tdb", {});
    EXPECT_EQ(missing.RunWithProgress(display), LongtimeResult::Failed);
    EXPECT_FALSE(missing.FailureText().empty());
}

TEST(LongtimeOperation, ModalLoopRunsOnTheCallingThreadUntilTheWorkHasFinished) {
    std::atomic<bool> release{false};
    CLongtimeWriteDB operation(0, 0, false, [&](CLongtimeWriteDB&) {
        while (!release.load()) {
            std::this_thread::sleep_for(1ms);
        }
        return true;
    });
    RecordingProgress display;
    std::thread::id loopThread;
    bool finishedBeforeRelease = true;
    bool finishedAtExit = false;
    const auto result = operation.Start(display, [&](const std::function<bool()>& finished) {
        loopThread = std::this_thread::get_id();
        finishedBeforeRelease = finished();
        release.store(true);
        while (!finished()) {
            std::this_thread::sleep_for(1ms);
        }
        finishedAtExit = finished();
    });
    EXPECT_EQ(result, LongtimeResult::Completed);
    EXPECT_EQ(loopThread, std::this_thread::get_id());
    EXPECT_FALSE(finishedBeforeRelease);
    EXPECT_TRUE(finishedAtExit);

    // A loop that gives up early still leaves no worker behind.
    release.store(false);
    std::thread releaser([&] {
        std::this_thread::sleep_for(20ms);
        release.store(true);
    });
    EXPECT_EQ(operation.Start(display, [](const std::function<bool()>&) { throw 1; }),
              LongtimeResult::Completed);
    EXPECT_TRUE(operation.IsFinished());
    releaser.join();
}

TEST(LongtimeOperation, BuildModeRunsTheBuilderOnTheCallingThread) {
    std::thread::id builderThread;
    CLongtimeWriteDB operation(2, 0x41, true, [&](CLongtimeWriteDB& op) {
        builderThread = std::this_thread::get_id();
        return op.Language() == 2 && op.OptionBits() == 0x41 && op.CommandLine();
    });
    RecordingProgress display;
    EXPECT_EQ(operation.Start(display), LongtimeResult::Completed);
    EXPECT_EQ(builderThread, std::this_thread::get_id());
}

TEST(LongtimeEstimate, TotalIsTheRangeScaledByThePartDone) {
    EXPECT_EQ(EstimateTotalMilliseconds(0, 100, 25, 10000), 40000);
    EXPECT_EQ(FormatTimeEstimate(10000, 40000), "Elapsed: 0:10 / Estimated: 0:40");
    EXPECT_EQ(EstimateTotalMilliseconds(10, 110, 35, 10000), 40000);
    EXPECT_EQ(EstimateTotalMilliseconds(0, 100, 0, 10000), std::nullopt);
    EXPECT_EQ(EstimateTotalMilliseconds(50, 100, 40, 10000), std::nullopt);
    EXPECT_EQ(EstimateTotalMilliseconds(100, 0, 150, 10000), 0); // inverted range
    EXPECT_EQ(FormatTimeEstimate(3'725'999, 0), "Elapsed: 62:05 / Estimated: 0:00");
}

TEST(LongtimeEstimate, LargeRangesDoNotOverflow) {
    // range × elapsed is far beyond 32 bits in each of these.
    EXPECT_EQ(EstimateTotalMilliseconds(0, 3'000'000, 1'500'000, 3'600'000), 7'200'000);
    EXPECT_EQ(EstimateTotalMilliseconds(0, 2'000'000'000, 1, 3'600'000),
              int64_t{7'200'000'000'000'000});
    EXPECT_EQ(EstimateTotalMilliseconds(INT32_MIN, INT32_MAX, 0, 1'000'000),
              int64_t{1'999'999}); // (2^32 - 1) × 10^6 / 2^31, truncated
    // Beyond 64 bits the estimate saturates instead of wrapping to something small.
    const int64_t huge = std::numeric_limits<int64_t>::max() / 2;
    EXPECT_EQ(EstimateTotalMilliseconds(INT32_MIN, INT32_MAX, INT32_MIN + 1, huge),
              std::numeric_limits<int64_t>::max());
    const std::string text = FormatTimeEstimate(0, std::numeric_limits<int64_t>::max());
    EXPECT_EQ(text.rfind("Elapsed: 0:00 / Estimated: 2147483647:", 0), 0u) << text;
}

TEST(LongtimeEstimate, TextAppearsAfterFiveSecondsFromTheFirstPosition) {
    LongtimeEstimate estimate;
    EXPECT_FALSE(estimate.Update(0, 100, 0, 1000)); // position 0 does not start the clock
    EXPECT_FALSE(estimate.Started());
    EXPECT_FALSE(estimate.Update(0, 100, 5, 2000)); // the start
    EXPECT_TRUE(estimate.Started());
    EXPECT_FALSE(estimate.Update(0, 100, 20, 6999)); // 4.999 s: nothing yet
    EXPECT_EQ(estimate.Text(), "");
    EXPECT_TRUE(estimate.Update(0, 100, 25, 12000));
    EXPECT_EQ(estimate.Text(), "Elapsed: 0:10 / Estimated: 0:40");
    EXPECT_FALSE(estimate.Update(0, 100, 25, 12000)); // nothing new
    EXPECT_FALSE(estimate.Update(0, 100, 25, 1000));  // a clock going back changes nothing
    EXPECT_EQ(estimate.Text(), "Elapsed: 0:10 / Estimated: 0:40");
    estimate.Reset();
    EXPECT_FALSE(estimate.Started());
    EXPECT_EQ(estimate.Text(), "");
}

} // namespace
} // namespace tallo
