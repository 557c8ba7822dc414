#include "editors/framework/qt_prompt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QThread>

#include <type_traits>

#include "editors/framework/dlg_error_message.h"
#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

std::optional<std::string> ToResult(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return FromQString(path);
}

} // namespace

QString ToQtFileFilter(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('('))) {
            entries << description;
        } else {
            entries << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
    }
    if (entries.isEmpty() && !parts.isEmpty()) {
        entries << parts.first();
    }
    entries << UiText("framework.file.all") + QStringLiteral(" (*)");
    return entries.join(QStringLiteral(";;"));
}

namespace {

// Windows belong to the interface's thread. A long-time operation may ask from its worker
// thread (the game database build asks before it writes): the question is then put to the
// interface's thread, which runs the progress window's loop, and the worker waits for it.
template <class Work> auto OnInterfaceThread(Work work) -> decltype(work()) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() == application->thread()) {
        return work();
    }
    if constexpr (std::is_void_v<decltype(work())>) {
        QMetaObject::invokeMethod(application, work, Qt::BlockingQueuedConnection);
    } else {
        decltype(work()) result{};
        QMetaObject::invokeMethod(
            application, [&result, &work] { result = work(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

} // namespace

QWidget* QtPrompt::Owner() const {
    if (parent_) {
        return parent_;
    }
    return QApplication::activeWindow();
}

bool QtPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    return OnInterfaceThread([&]() {
        QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(text),
                        QMessageBox::Yes | QMessageBox::No, Owner());
        box.button(QMessageBox::Yes)->setText(UiText("framework.button.yes"));
        box.button(QMessageBox::No)->setText(UiText("framework.button.no"));
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    });
}

void QtPrompt::ShowMessage(const std::string& text, const std::string& caption) {
    return OnInterfaceThread([&]() {
        QMessageBox box(QMessageBox::Information, ToQString(caption), ToQString(text),
                        QMessageBox::Ok, Owner());
        box.button(QMessageBox::Ok)->setText(UiText("framework.button.ok"));
        box.exec();
    });
}

void QtPrompt::ShowErrorWindow(const std::string& headline, const std::string& message) {
    return OnInterfaceThread([&]() {
        CDlgErrorMessage window(Owner());
        window.SetHeadline(ToQString(headline));
        window.AddText(ToQString(message));
        window.exec();
    });
}

std::optional<std::string> QtPrompt::ChooseFileToOpen(const std::string& filter,
                                                      const std::string& /*defaultExtension*/) {
    return OnInterfaceThread([&]() -> std::optional<std::string> {
        return ToResult(QFileDialog::getOpenFileName(Owner(), UiText("framework.file.open"),
                                                     QString(), ToQtFileFilter(filter)));
    });
}

std::optional<std::string> QtPrompt::ChooseFileToSave(const std::string& filter,
                                                      const std::string& defaultExtension,
                                                      const std::string& proposedName) {
    return OnInterfaceThread([&]() -> std::optional<std::string> {
        QFileDialog dialog(Owner(), UiText("framework.file.save"), QString(),
                           ToQtFileFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(ToQString(defaultExtension));
        dialog.selectFile(ToQString(proposedName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return ToResult(dialog.selectedFiles().first());
    });
}

} // namespace tallo
