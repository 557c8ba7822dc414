#include "editors/framework/qt_text.h"

#include "editors/framework/framework_texts.h"
#include "formats/string_table.h"
#include "platform/code_page.h"

namespace tallo {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString RecordToQString(const std::string& bytes) {
    return ToQString(ToUtf8(bytes, ActiveCodePage()));
}

std::string QStringToRecord(const QString& text) {
    return FromUtf8(FromQString(text), ActiveCodePage());
}

bool CanStoreAsRecordText(const QString& text) {
    return CanEncode(FromQString(text), ActiveCodePage());
}

QString UiText(std::string_view key) {
    return ToQString(FrameworkText(key));
}

QString NumberedText(int id) {
    return ToQString(LoadString(id));
}

} // namespace tallo
