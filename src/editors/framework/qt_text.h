#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tallo {

// UTF-8 text of the core to and from the widgets.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// Record text (8-bit, in the database's code page) to and from the widgets. A character the
// code page cannot spell becomes "?" on the way back; CanStoreAsRecordText tells first.
QString RecordToQString(const std::string& bytes);
std::string QStringToRecord(const QString& text);
bool CanStoreAsRecordText(const QString& text);

// A text of the framework's own table, in the interface language.
QString UiText(std::string_view key);
// A numbered entry of the string table.
QString NumberedText(int id);

} // namespace tallo
