#include "editors/qt_prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

namespace tallo {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The original's filters look like "Archives (*.tdb)|*.tdb||"; Qt wants
// "Archives (*.tdb);;All (*)". Pairs of description and pattern become Qt entries.
QString ToQtFilter(const std::string& filter) {
    QStringList parts = FromUtf8(filter).split('|', Qt::SkipEmptyParts);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (description.contains('(')) {
            entries << description;
        } else {
            entries << description + " (" + patterns + ")";
        }
    }
    if (entries.isEmpty() && !parts.isEmpty()) {
        entries << parts.first();
    }
    return entries.join(";;");
}

std::optional<std::string> ToResult(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QByteArray bytes = path.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

bool QtPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    return QMessageBox::question(parent_, FromUtf8(caption), FromUtf8(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompt::ShowMessage(const std::string& text, const std::string& caption) {
    QMessageBox::information(parent_, FromUtf8(caption), FromUtf8(text));
}

void QtPrompt::ShowErrorWindow(const std::string& headline, const std::string& message) {
    QMessageBox box(QMessageBox::Warning, FromUtf8(headline), FromUtf8(headline),
                    QMessageBox::Ok, parent_);
    box.setInformativeText(FromUtf8(message));
    box.exec();
}

std::optional<std::string> QtPrompt::ChooseFileToOpen(const std::string& filter,
                                                      const std::string& defaultExtension) {
    (void)defaultExtension;
    return ToResult(QFileDialog::getOpenFileName(parent_, QString(), QString(),
                                                 ToQtFilter(filter)));
}

std::optional<std::string> QtPrompt::ChooseFileToSave(const std::string& filter,
                                                      const std::string& defaultExtension,
                                                      const std::string& proposedName) {
    QFileDialog dialog(parent_, QString(), QString(), ToQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FromUtf8(defaultExtension));
    dialog.selectFile(FromUtf8(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToResult(dialog.selectedFiles().first());
}

}  // namespace tallo
