#include "platform/console_prompt.h"

#include <iostream>

namespace tallo {

namespace {

std::string WithCaption(const std::string& caption, const std::string& text) {
    return caption.empty() ? text : caption + ": " + text;
}

} // namespace

ConsolePrompt::ConsolePrompt() : ConsolePrompt(std::cerr) {}

ConsolePrompt::ConsolePrompt(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

void ConsolePrompt::Print(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << text << '\n';
    out_.flush();
}

bool ConsolePrompt::AskYesNo(const std::string& text, const std::string& caption) {
    Print(WithCaption(caption, text) + " [answered " + (answer_ ? "yes" : "no") + "]");
    return answer_;
}

void ConsolePrompt::ShowMessage(const std::string& text, const std::string& caption) {
    Print(WithCaption(caption, text));
}

void ConsolePrompt::ShowErrorWindow(const std::string& headline, const std::string& message) {
    Print(headline.empty() ? message : headline + "\n" + message);
}

std::optional<std::string> ConsolePrompt::ChooseFileToOpen(const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::string> ConsolePrompt::ChooseFileToSave(const std::string&, const std::string&,
                                                           const std::string&) {
    return std::nullopt;
}

} // namespace tallo
