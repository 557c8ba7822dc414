#include "formats/dialog_text.h"

#include <array>

namespace tallo {

namespace {

using dialog_text_detail::kCount;
using dialog_text_detail::kEntries;

using Texts = std::array<std::string, kCount>;

const Texts& TextsOf(InterfaceLanguage language) {
    static const Texts russian = [] {
        Texts texts;
        for (std::size_t i = 0; i < kCount; ++i) {
            texts[i] = kEntries[i].russian;
        }
        return texts;
    }();
    static const Texts english = [] {
        Texts texts;
        for (std::size_t i = 0; i < kCount; ++i) {
            texts[i] = kEntries[i].english;
        }
        return texts;
    }();
    return language == InterfaceLanguage::Russian ? russian : english;
}

} // namespace

const std::string& DialogText(DialogTextKey key) {
    return DialogText(key, CurrentInterfaceLanguage());
}

const std::string& DialogText(DialogTextKey key, InterfaceLanguage language) {
    return TextsOf(language)[key.Index()];
}

const std::string* FindDialogText(std::string_view key, InterfaceLanguage language) {
    const std::size_t index = dialog_text_detail::IndexOf(key);
    return index == kCount ? nullptr : &TextsOf(language)[index];
}

std::vector<std::string_view> DialogTextKeys() {
    std::vector<std::string_view> keys;
    keys.reserve(kCount);
    for (const dialog_text_detail::Entry& entry : kEntries) {
        keys.push_back(entry.key);
    }
    return keys;
}

} // namespace tallo
