#pragma once

#include <optional>
#include <string>

namespace tallo {

// Stands in for the platform's message boxes and file dialogs, so that every layer can ask
// the user something without knowing whether a window, a console or a test answers.
// All texts are UTF-8; 8-bit record text is converted before it gets here.
class IPrompt {
public:
    virtual ~IPrompt() = default;

    // A yes/no question; true only on yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // A message with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // The error window: a headline and a message of one or more lines.
    virtual void ShowErrorWindow(const std::string& headline, const std::string& message) = 0;
    // File choosers; an empty result means the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                        const std::string& defaultExtension) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                        const std::string& defaultExtension,
                                                        const std::string& proposedName) = 0;
};

} // namespace tallo
