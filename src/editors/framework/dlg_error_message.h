#pragma once

#include <QString>

#include "editors/framework/dialog_b.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tallo {

// The error window: a warning with a headline and a message of many lines (a list of files
// that failed, say). The message scrolls and can be selected and copied; a button copies
// headline and message together. OK and cancel; exec() tells which.
//
// The caller gives the headline and the message as string-table entries (0 for none), or builds
// the message line by line before showing the window.
class CDlgErrorMessage : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgErrorMessage(QWidget* parent = nullptr, int headlineEntry = 0,
                              int messageEntry = 0);

    void SetHeadline(const QString& headline);
    void SetHeadlineEntry(int entry);
    // Appends an entry's text, or a text, followed by a line end.
    void AddLine(int entry);
    void AddLine(const QString& text);
    // Appends a text as it is, without a line end.
    void AddText(const QString& text);

    const QString& Headline() const { return headline_; }
    const QString& Message() const { return message_; }
    // Headline and message as the copy button puts them on the clipboard.
    QString FullText() const;

    QLabel& HeadlineLabel() const { return *headlineLabel_; }
    QPlainTextEdit& MessageView() const { return *messageView_; }
    QPushButton& CopyButton() const { return *copyButton_; }

    // Puts the texts into the window (done when it is shown).
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString headline_;
    QString message_;
    QLabel* headlineLabel_;
    QPlainTextEdit* messageView_;
    QPushButton* copyButton_;
};

} // namespace tallo
