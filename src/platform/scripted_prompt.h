#pragma once

#include "platform/prompt.h"

#include <deque>
#include <mutex>
#include <vector>

namespace tallo {

// One call made to a ScriptedPrompt.
struct PromptCall {
    enum class Kind { YesNo, Message, ErrorWindow, OpenFile, SaveFile };
    Kind kind;
    // Questions and messages: caption and text. Error window: headline and message.
    // File choosers: the filter and the proposed name ("" when opening).
    std::string caption;
    std::string text;
    std::string extension; // file choosers only: the default extension
};

// A prompt that answers from prepared queues and records every call, for tests. When a queue
// runs empty, questions get the default answer and file choosers the default choice
// (nothing, unless set). Safe to call from a worker thread.
class ScriptedPrompt : public IPrompt {
public:
    explicit ScriptedPrompt(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

    void QueueAnswer(bool yes);
    // The next chosen file, open or save alike; nullopt stands for a cancelled dialog.
    void QueueFileChoice(std::optional<std::string> path);
    void SetDefaultAnswer(bool yes);
    void SetDefaultFileChoice(std::optional<std::string> path);

    std::vector<PromptCall> Calls() const;
    size_t CountOf(PromptCall::Kind kind) const;
    // Answers and file choices queued but not asked for yet.
    size_t PendingAnswers() const;
    size_t PendingFileChoices() const;
    void ClearCalls();

    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowErrorWindow(const std::string& headline, const std::string& message) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                const std::string& defaultExtension) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& proposedName) override;

private:
    std::optional<std::string> NextFileChoice();

    mutable std::mutex mutex_;
    bool defaultAnswer_;
    std::optional<std::string> defaultFileChoice_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> fileChoices_;
    std::vector<PromptCall> calls_;
};

} // namespace tallo
