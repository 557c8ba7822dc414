#include "editors/framework/frame_keys.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace tallo {

void InstallFrameKeys(QDialog& frame, QPushButton& ok, std::function<void()> confirm,
                      std::function<void()> cancel) {
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, &frame);
        QObject::connect(shortcut, &QShortcut::activated, &frame, [&frame, &ok, confirm] {
            QWidget* focus = frame.focusWidget();
            if (auto* text = qobject_cast<QPlainTextEdit*>(focus);
                text != nullptr && !text->isReadOnly()) {
                text->insertPlainText(QStringLiteral("\n")); // a new line of a notes field
            } else if (auto* button = qobject_cast<QAbstractButton*>(focus);
                       button != nullptr && button != &ok) {
                button->click();
            } else {
                confirm();
            }
        });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &frame);
    QObject::connect(escape, &QShortcut::activated, &frame, std::move(cancel));
}

} // namespace tallo
