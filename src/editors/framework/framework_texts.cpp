#include "editors/framework/framework_texts.h"

#include "formats/dialog_text.h"

namespace tallo {

namespace {

constexpr std::string_view kPrefix = "framework.";

} // namespace

// The framework's texts are entries "framework.*" of the dialog text table.
std::string FrameworkText(std::string_view key, InterfaceLanguage language) {
    const std::string* text = FindDialogText(key, language);
    return text != nullptr ? *text : std::string(key);
}

std::string FrameworkText(std::string_view key) {
    return FrameworkText(key, CurrentInterfaceLanguage());
}

bool HasFrameworkText(std::string_view key) {
    return key.starts_with(kPrefix) && FindDialogText(key, CurrentInterfaceLanguage()) != nullptr;
}

std::vector<std::string_view> FrameworkTextKeys() {
    std::vector<std::string_view> keys;
    for (std::string_view key : DialogTextKeys()) {
        if (key.starts_with(kPrefix)) {
            keys.push_back(key);
        }
    }
    return keys;
}

} // namespace tallo
