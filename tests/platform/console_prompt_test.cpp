#include "platform/console_prompt.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tallo {
namespace {

TEST(ConsolePromptTest, PrintsEveryMessageAndAnswersAsConfigured) {
    std::ostringstream out;
    ConsolePrompt prompt(out);
    EXPECT_FALSE(prompt.AskYesNo("Overwrite?", "Editor"));
    prompt.ShowMessage("Saved.", "Editor");
    prompt.ShowErrorWindow("Errors", "line 1\nline 2");
    prompt.ShowMessage("No caption", "");
    EXPECT_EQ(out.str(), "Editor: Overwrite? [answered no]\nEditor: Saved.\nErrors\nline 1\n"
                         "line 2\nNo caption\n");
    EXPECT_EQ(prompt.ChooseFileToOpen("*.tdb", "tdb"), std::nullopt);
    EXPECT_EQ(prompt.ChooseFileToSave("*.tdb", "tdb", "world.tdb"), std::nullopt);

    std::ostringstream yesOut;
    ConsolePrompt yes(yesOut, true);
    EXPECT_TRUE(yes.AskYesNo("Continue?", "Editor"));
    EXPECT_EQ(yesOut.str(), "Editor: Continue? [answered yes]\n");
}

} // namespace
} // namespace tallo
