#include "editors/assistants/list_save.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "editors/assistants/report_list.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"

namespace tallo {

QStringList ListExportFilters() {
    // "Tab separated|*.txt|Formatted with spaces|*.txt|XML Style|*.xml||": description and
    // pattern by turns.
    const QStringList parts =
        NumberedText(ListExport::kFilterString).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    return filters;
}

std::optional<ListExportForm> ListExportFormOf(const QString& filter) {
    const qsizetype index = ListExportFilters().indexOf(filter);
    return index < 0 ? std::nullopt : ListExport::FormFromFilter(static_cast<int>(index) + 1);
}

ListExport ReportListTable(const CReportList& list, const QString& title) {
    std::vector<std::string> headings;
    for (const QString& heading : list.Headings()) {
        headings.push_back(QStringToRecord(heading));
    }
    std::vector<std::vector<std::string>> rows;
    for (const QStringList& cells : list.Cells()) {
        std::vector<std::string> row;
        row.reserve(static_cast<size_t>(cells.size()));
        for (const QString& cell : cells) {
            row.push_back(QStringToRecord(cell));
        }
        rows.push_back(std::move(row));
    }
    return ListExport(std::move(headings), std::move(rows), QStringToRecord(title));
}

bool WriteReportList(const CReportList& list, const QString& title, const QString& path,
                     ListExportForm form) {
    return ReportListTable(list, title).Write(QFile::encodeName(path).toStdString(), form);
}

bool ExportList(QWidget* owner, const CReportList& list, const QString& title) {
    const QStringList filters = ListExportFilters();
    QFileDialog dialog(owner, UiText("listexport.save.title"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(ListExportFormOf(f) == ListExportForm::Xml ? QStringLiteral("xml")
                                                                           : QStringLiteral("txt"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const QString path = dialog.selectedFiles().first();
    const ListExportForm form =
        ListExportFormOf(dialog.selectedNameFilter()).value_or(ListExportForm::TabSeparated);
    if (WriteReportList(list, title, path, form)) {
        return true;
    }
    const std::string shown = FromQString(QDir::toNativeSeparators(path));
    QMessageBox box(QMessageBox::Warning, UiText("listexport.save.title"),
                    ToQString(FormatDialogText("listexport.save.failed", shown.c_str())),
                    QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setText(UiText("framework.button.ok"));
    box.exec();
    return false;
}

} // namespace tallo
