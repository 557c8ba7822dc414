#include "platform/scripted_prompt.h"

#include <algorithm>

namespace tallo {

void ScriptedPrompt::QueueAnswer(bool yes) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.push_back(yes);
}

void ScriptedPrompt::QueueFileChoice(std::optional<std::string> path) {
    std::lock_guard<std::mutex> lock(mutex_);
    fileChoices_.push_back(std::move(path));
}

void ScriptedPrompt::SetDefaultAnswer(bool yes) {
    std::lock_guard<std::mutex> lock(mutex_);
    defaultAnswer_ = yes;
}

void ScriptedPrompt::SetDefaultFileChoice(std::optional<std::string> path) {
    std::lock_guard<std::mutex> lock(mutex_);
    defaultFileChoice_ = std::move(path);
}

std::vector<PromptCall> ScriptedPrompt::Calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

size_t ScriptedPrompt::CountOf(PromptCall::Kind kind) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<size_t>(std::count_if(
        calls_.begin(), calls_.end(), [kind](const PromptCall& c) { return c.kind == kind; }));
}

size_t ScriptedPrompt::PendingAnswers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return answers_.size();
}

size_t ScriptedPrompt::PendingFileChoices() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fileChoices_.size();
}

void ScriptedPrompt::ClearCalls() {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

bool ScriptedPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({PromptCall::Kind::YesNo, caption, text, ""});
    if (answers_.empty()) {
        return defaultAnswer_;
    }
    bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPrompt::ShowMessage(const std::string& text, const std::string& caption) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({PromptCall::Kind::Message, caption, text, ""});
}

void ScriptedPrompt::ShowErrorWindow(const std::string& headline, const std::string& message) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({PromptCall::Kind::ErrorWindow, headline, message, ""});
}

std::optional<std::string> ScriptedPrompt::NextFileChoice() {
    if (fileChoices_.empty()) {
        return defaultFileChoice_;
    }
    std::optional<std::string> choice = std::move(fileChoices_.front());
    fileChoices_.pop_front();
    return choice;
}

std::optional<std::string> ScriptedPrompt::ChooseFileToOpen(const std::string& filter,
                                                            const std::string& defaultExtension) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({PromptCall::Kind::OpenFile, filter, "", defaultExtension});
    return NextFileChoice();
}

std::optional<std::string> ScriptedPrompt::ChooseFileToSave(const std::string& filter,
                                                            const std::string& defaultExtension,
                                                            const std::string& proposedName) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({PromptCall::Kind::SaveFile, filter, proposedName, defaultExtension});
    return NextFileChoice();
}

} // namespace tallo
