#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "formats/list_export.h"

class QWidget;

namespace tallo {

class CReportList;

// Saving a report list to a file in one of the three forms of ListExport.

// The save dialog's filter entries of string 865, one per form, in the form's order
// ("Tab separated (*.txt)", "Formatted with spaces (*.txt)", "XML Style (*.xml)").
QStringList ListExportFilters();
// The form of a filter entry of ListExportFilters; none for another text.
std::optional<ListExportForm> ListExportFormOf(const QString& filter);

// The list as shown (headings, every row's cells) with a title, in record text.
ListExport ReportListTable(const CReportList& list, const QString& title);

// Writes the list to `path` in `form`, all or nothing; false when the file could not be
// written (its old contents, if any, stay).
bool WriteReportList(const CReportList& list, const QString& title, const QString& path,
                     ListExportForm form);

// Asks for a file with the three filters and writes the list in the form of the chosen filter.
// A file that could not be written is reported in a message naming it. True when the file was
// written; false when the user cancelled or the write failed.
bool ExportList(QWidget* owner, const CReportList& list, const QString& title);

} // namespace tallo
