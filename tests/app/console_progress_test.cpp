#include "app/console_progress.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/longtime_write_db.h"
#include "formats/string_table.h"

namespace tallo {
namespace {

// A clock the test moves by hand.
struct FakeClock {
    int64_t now = 1000;
    ConsoleProgress::Clock Get() {
        return [this] { return now; };
    }
};

TEST(ConsoleProgress, WithoutATerminalOnlyTheFinalLineIsWritten) {
    std::ostringstream out;
    FakeClock clock;
    {
        ConsoleProgress progress(out, false, clock.Get());
        progress.SetTitle("Export");
        progress.SetDescription("this is not shown");
        progress.SetRange(0, 200);
        for (int32_t position = 1; position <= 100; ++position) {
            progress.SetPosition(position);
            clock.now += 100;
        }
        progress.SetStatus("Exporting Arsenal...");
        EXPECT_EQ(out.str(), "");
        progress.Finish();
        EXPECT_EQ(out.str(), "Export - 50% - Exporting Arsenal... - "
                             "Elapsed: 0:09 / Estimated: 0:19\n");
        progress.Finish();
    }
    // Neither a second Finish nor the destructor writes the line again.
    EXPECT_EQ(out.str().find('\n'), out.str().size() - 1);
}

TEST(ConsoleProgress, NothingReportedWritesNothing) {
    std::ostringstream out;
    { ConsoleProgress progress(out, false); }
    { ConsoleProgress progress(out, true); }
    EXPECT_EQ(out.str(), "");
}

TEST(ConsoleProgress, OnATerminalTheLineIsRedrawnAtMostEveryInterval) {
    std::ostringstream out;
    FakeClock clock;
    ConsoleProgress progress(out, true, clock.Get());
    progress.SetTitle("Build");
    EXPECT_EQ(out.str(), "\rBuild - 0%");
    progress.SetRange(0, 4);
    progress.SetPosition(1);
    progress.SetStatus("a long status text");
    EXPECT_EQ(out.str(), "\rBuild - 0%"); // within the interval: stored, not drawn
    clock.now += ConsoleProgress::kRedrawIntervalMs;
    progress.SetStatus("short");
    EXPECT_EQ(out.str(), "\rBuild - 0%\rBuild - 25% - short");
    clock.now += ConsoleProgress::kRedrawIntervalMs;
    progress.SetStatus("");
    // The shorter line blanks out the rest of the previous one.
    EXPECT_EQ(out.str(), "\rBuild - 0%\rBuild - 25% - short\rBuild - 25%        ");
    progress.SetPosition(4);
    progress.Finish();
    EXPECT_EQ(out.str(), "\rBuild - 0%\rBuild - 25% - short\rBuild - 25%        \rBuild - 100%\n");
    progress.SetPosition(3); // after the end nothing is drawn any more
    EXPECT_EQ(out.str().back(), '\n');
}

TEST(ConsoleProgress, LongLinesAreCutWholeCharactersAndControlsBlanked) {
    std::ostringstream out;
    ConsoleProgress progress(out, true);
    // Cyrillic: two bytes per character.
    progress.SetTitle(LoadString(833) + LoadString(834));
    const std::string drawn = out.str().substr(1);
    size_t characters = 0;
    for (unsigned char c : drawn) {
        characters += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    EXPECT_EQ(characters, ConsoleProgress::kMaxLineWidth);
    EXPECT_EQ(drawn, (LoadString(833) + LoadString(834)).substr(0, drawn.size()));
    EXPECT_NE(static_cast<unsigned char>(drawn.back()) & 0xC0, 0xC0) << "cut inside a character";

    std::ostringstream plain;
    ConsoleProgress file(plain, false);
    file.SetTitle("Two\nlines\r\x1bx");
    file.Finish();
    EXPECT_EQ(plain.str(), "Two lines  x - 0%\n");
}

TEST(ConsoleProgress, EmptyRangeShowsNoPercentageAndCancelIsScripted) {
    std::ostringstream out;
    ConsoleProgress progress(out, false);
    progress.SetRange(0, 0);
    progress.SetPosition(5);
    progress.SetStatus("done");
    EXPECT_EQ(progress.Line(), "done");
    EXPECT_FALSE(progress.IsCancelled());
    progress.RequestCancel();
    EXPECT_TRUE(progress.IsCancelled());
}

TEST(ConsoleProgress, ShowsTheBuildOfBuildMode) {
    std::ostringstream out;
    {
        ConsoleProgress progress(out, false);
        CLongtimeWriteDB operation(1, 0, true, [](CLongtimeWriteDB& op) {
            op.SetRange(0, 3);
            op.SetTitle(CLongtimeWriteDB::kTitleEntry);
            op.SetDescription(CLongtimeWriteDB::kDescriptionEntry);
            for (int32_t position = 1; position <= 3; ++position) {
                op.SetPosition(position);
                op.SetStatus(CLongtimeWriteDB::kPhaseStatusEntry, position, "Wales");
            }
            return true;
        });
        EXPECT_EQ(operation.Start(progress), LongtimeResult::Completed);
    }
    EXPECT_EQ(out.str(), LoadString(833) + " - 100% - Phase 3: Exporting Wales...\n");
}

} // namespace
} // namespace tallo
