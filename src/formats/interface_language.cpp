#include "formats/interface_language.h"

#include "platform/environment.h"

#include <atomic>
#include <optional>
#include <string>

namespace tallo {

namespace {

constexpr int kUnset = -1;

// The chosen language as its enum value, or kUnset until the first use or a Set.
std::atomic<int> chosenLanguage{kUnset};

// "ru", "ru_RU.UTF-8", "ru@..." and the like; "rus" or "run" are other languages.
bool IsRussianLocale(std::string_view locale) {
    if (locale.size() < 2 || locale.substr(0, 2) != "ru") {
        return false;
    }
    if (locale.size() == 2) {
        return true;
    }
    const char next = locale[2];
    return next == '_' || next == '.' || next == '@' || next == '-';
}

std::optional<std::string> NonEmpty(const Environment& environment, const char* name) {
    std::optional<std::string> value = environment.Get(name);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string_view InterfaceLanguageCode(InterfaceLanguage language) {
    return language == InterfaceLanguage::Russian ? "ru" : "en";
}

bool InterfaceLanguageFromCode(std::string_view code, InterfaceLanguage& language) {
    if (code == "ru") {
        language = InterfaceLanguage::Russian;
        return true;
    }
    if (code == "en") {
        language = InterfaceLanguage::English;
        return true;
    }
    return false;
}

InterfaceLanguage InterfaceLanguageFromEnvironment(const Environment& environment) {
    InterfaceLanguage language = InterfaceLanguage::English;
    if (std::optional<std::string> chosen = environment.Get("TALLO_UI_LANGUAGE");
        chosen && InterfaceLanguageFromCode(*chosen, language)) {
        return language;
    }
    // The order in which the C library looks for the language of its messages.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::optional<std::string> locale = NonEmpty(environment, name)) {
            return IsRussianLocale(*locale) ? InterfaceLanguage::Russian
                                            : InterfaceLanguage::English;
        }
    }
    return InterfaceLanguage::English;
}

InterfaceLanguage CurrentInterfaceLanguage() {
    int value = chosenLanguage.load(std::memory_order_acquire);
    if (value == kUnset) {
        const int fromEnvironment =
            static_cast<int>(InterfaceLanguageFromEnvironment(SystemEnvironment::Instance()));
        // A Set that came first wins over the environment.
        if (chosenLanguage.compare_exchange_strong(value, fromEnvironment,
                                                   std::memory_order_acq_rel)) {
            value = fromEnvironment;
        }
    }
    return static_cast<InterfaceLanguage>(value);
}

void SetInterfaceLanguage(InterfaceLanguage language) {
    chosenLanguage.store(static_cast<int>(language), std::memory_order_release);
}

} // namespace tallo
