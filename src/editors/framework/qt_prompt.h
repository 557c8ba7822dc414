#pragma once

#include "platform/prompt.h"

class QWidget;

namespace tallo {

// The prompt interface as message boxes and file dialogs of the window system.
class QtPrompt : public IPrompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}

    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowErrorWindow(const std::string& headline, const std::string& message) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                const std::string& defaultExtension) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& proposedName) override;

private:
    QWidget* parent_;
};

}  // namespace tallo
