#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/prompt.h"

namespace tallo {

// The original's file filters look like "Archives (*.tdb)|*.tdb||"; Qt wants
// "Archives (*.tdb)". Pairs of description and pattern become Qt entries.
QString ToQtFileFilter(const std::string& filter);

// The prompt interface as the editor's windows: yes/no questions and messages as message boxes
// in the interface language, the error window for errors, the file dialogs of Qt.
class QtPrompt : public IPrompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}

    // The window that owns the boxes (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowErrorWindow(const std::string& headline, const std::string& message) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter,
                                                const std::string& defaultExtension) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& proposedName) override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> parent_;
};

} // namespace tallo
