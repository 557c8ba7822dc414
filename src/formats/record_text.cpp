#include "formats/record_text.h"

#include "formats/string_table.h"

namespace tallo {

namespace {

bool IsAscii(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string RecordText(int id) {
    return RecordText(id, ActiveCodePage());
}

std::string RecordText(int id, CodePage page) {
    const std::string& text = LoadString(id);
    // Both code pages are ASCII below 0x80; default names of persons are made by the hundred
    // thousand while a database loads, so they skip the conversion.
    if (IsAscii(text)) {
        return text;
    }
    bool lossless = false;
    std::string bytes = FromUtf8(text, page, &lossless);
    if (lossless) {
        return bytes;
    }
    return FromUtf8(LoadString(id, InterfaceLanguage::English), page);
}

} // namespace tallo
