#pragma once

#include "platform/prompt.h"

#include <iosfwd>
#include <mutex>

namespace tallo {

// The prompt of unattended runs (build mode, the command-line tool): every message is printed
// as text, every question gets the answer fixed at construction, and no file is ever chosen.
// Safe to call from several threads; each message comes out whole.
class ConsolePrompt : public IPrompt {
public:
    // Writes to standard error and answers "no".
    ConsolePrompt();
    explicit ConsolePrompt(std::ostream& out, bool answer = false);

    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowErrorWindow(const std::string& headline, const std::string& message) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                const std::string& defaultExtension) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& proposedName) override;

private:
    void Print(const std::string& text);

    std::ostream& out_;
    bool answer_;
    std::mutex mutex_;
};

} // namespace tallo
