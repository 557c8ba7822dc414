#include "editing/main_window/record_name_order.h"

#include <cstring>
#include <vector>

#include "platform/code_page.h"

namespace tallo {

std::string RecordNameKey(std::string_view name) {
    const std::string text = ToUtf8(name, ActiveCodePage());
    // strxfrm tells the size it needs when the buffer is too small.
    std::vector<char> key(text.size() * 4 + 16);
    size_t needed = std::strxfrm(key.data(), text.c_str(), key.size());
    if (needed >= key.size()) {
        key.resize(needed + 1);
        needed = std::strxfrm(key.data(), text.c_str(), key.size());
    }
    return std::string(key.data(), needed);
}

int CompareRecordNames(std::string_view left, std::string_view right) {
    const std::string a = ToUtf8(left, ActiveCodePage());
    const std::string b = ToUtf8(right, ActiveCodePage());
    return std::strcoll(a.c_str(), b.c_str());
}

} // namespace tallo
