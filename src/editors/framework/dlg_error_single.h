#pragma once

#include <QString>

#include "editors/framework/dialog_b.h"

class QLabel;

namespace tallo {

// The single-message window: a headline and one message on a small dialog with OK only. Both
// texts are empty until set; the message can be selected and copied.
class CDlgErrorSingle : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgErrorSingle(QWidget* parent = nullptr);

    void SetHeadline(const QString& headline);
    void SetMessage(const QString& message);
    QString Headline() const;
    QString Message() const;

    QLabel& HeadlineLabel() const { return *headline_; }
    QLabel& MessageLabel() const { return *message_; }

private:
    QLabel* headline_;
    QLabel* message_;
};

} // namespace tallo
