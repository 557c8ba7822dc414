#include "platform/scripted_prompt.h"

#include <gtest/gtest.h>

#include <thread>

namespace tallo {
namespace {

using Kind = PromptCall::Kind;

TEST(ScriptedPromptTest, AnswersFromQueuesThenDefaults) {
    ScriptedPrompt prompt;
    prompt.QueueAnswer(true);
    prompt.QueueAnswer(false);
    EXPECT_EQ(prompt.PendingAnswers(), 2u);
    EXPECT_TRUE(prompt.AskYesNo("1", "c"));
    EXPECT_FALSE(prompt.AskYesNo("2", "c"));
    EXPECT_FALSE(prompt.AskYesNo("3", "c"));
    prompt.SetDefaultAnswer(true);
    EXPECT_TRUE(prompt.AskYesNo("4", "c"));
    EXPECT_TRUE(ScriptedPrompt(true).AskYesNo("5", "c"));

    prompt.QueueFileChoice("/a.tdb");
    prompt.QueueFileChoice(std::nullopt); // a cancelled dialog
    EXPECT_EQ(prompt.ChooseFileToOpen("*.tdb", "tdb"), "/a.tdb");
    EXPECT_EQ(prompt.ChooseFileToSave("*.tdb", "tdb", "x.tdb"), std::nullopt);
    EXPECT_EQ(prompt.PendingFileChoices(), 0u);
    EXPECT_EQ(prompt.ChooseFileToOpen("*.clb", "clb"), std::nullopt);
    prompt.SetDefaultFileChoice("/default.clb");
    EXPECT_EQ(prompt.ChooseFileToOpen("*.clb", "clb"), "/default.clb");
}

TEST(ScriptedPromptTest, RecordsEveryCallInOrder) {
    ScriptedPrompt prompt;
    prompt.AskYesNo("Delete?", "Editor");
    prompt.ShowMessage("Done", "Editor");
    prompt.ShowErrorWindow("Head", "Body");
    prompt.ChooseFileToSave("*.txt", "txt", "list.txt");
    const std::vector<PromptCall> calls = prompt.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, Kind::YesNo);
    EXPECT_EQ(calls[0].caption, "Editor");
    EXPECT_EQ(calls[0].text, "Delete?");
    EXPECT_EQ(calls[1].kind, Kind::Message);
    EXPECT_EQ(calls[2].kind, Kind::ErrorWindow);
    EXPECT_EQ(calls[2].caption, "Head");
    EXPECT_EQ(calls[2].text, "Body");
    EXPECT_EQ(calls[3].kind, Kind::SaveFile);
    EXPECT_EQ(calls[3].text, "list.txt");
    EXPECT_EQ(calls[3].extension, "txt");
    EXPECT_EQ(prompt.CountOf(Kind::Message), 1u);
    EXPECT_EQ(prompt.CountOf(Kind::OpenFile), 0u);
    prompt.ClearCalls();
    EXPECT_TRUE(prompt.Calls().empty());
}

TEST(ScriptedPromptTest, TakesCallsFromSeveralThreads) {
    ScriptedPrompt prompt;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&prompt] {
            for (int i = 0; i < 250; ++i) {
                prompt.ShowMessage("m", "c");
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(prompt.CountOf(Kind::Message), 1000u);
}

} // namespace
} // namespace tallo
