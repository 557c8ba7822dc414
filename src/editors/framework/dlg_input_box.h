#pragma once

#include <QString>

#include <optional>

#include "editors/framework/dialog_b.h"

class QLabel;
class QLineEdit;

namespace tallo {

// The three parts of an input box's set-up text.
struct InputBoxTexts {
    QString caption;
    QString prompt;
    QString proposed;
};

// Splits a set-up text "caption<TAB>prompt<TAB>proposed text" at its first two tabs (further
// tabs belong to the proposed text); only the first 4095 characters count. Missing parts are
// empty.
InputBoxTexts SplitInputBoxText(const QString& setup);

// A small dialog asking for one text. Set up from a string-table entry (or a text) holding the
// caption, the prompt and the proposed text; an optional maximum length limits the field. On
// opening the whole proposed text is selected; OK gives the entered text.
class CDlgInputBox : public CDialogB {
    Q_OBJECT

public:
    CDlgInputBox(int entry, QWidget* parent = nullptr, int maxLength = 0);
    CDlgInputBox(const QString& setup, QWidget* parent = nullptr, int maxLength = 0);

    // Runs the dialog: the text on OK, nothing on cancel.
    std::optional<QString> Ask();

    QString Text() const;
    QLineEdit& Field() const { return *field_; }
    QLabel& Prompt() const { return *prompt_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build(const InputBoxTexts& texts, int maxLength);

    QLabel* prompt_ = nullptr;
    QLineEdit* field_ = nullptr;
};

} // namespace tallo
