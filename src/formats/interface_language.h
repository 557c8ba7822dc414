#pragma once

#include <string_view>

namespace tallo {

class Environment;

// The language every visible text of the program is shown in: the numbered string table and
// the keyed dialog texts both exist in these two.
enum class InterfaceLanguage { Russian, English };

// The interface language of the process. Until SetInterfaceLanguage is called it is taken once
// from the environment (InterfaceLanguageFromEnvironment). Safe across threads.
InterfaceLanguage CurrentInterfaceLanguage();
// Switches the language at run time (the settings menu); texts fetched later follow it.
void SetInterfaceLanguage(InterfaceLanguage language);

// TALLO_UI_LANGUAGE "ru" or "en" decides; otherwise Russian when the user's locale is Russian
// (the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty), else English, so that
// an English or a C locale gives English.
InterfaceLanguage InterfaceLanguageFromEnvironment(const Environment& environment);

// "ru" or "en"; and the language of such a code (false for any other word).
std::string_view InterfaceLanguageCode(InterfaceLanguage language);
bool InterfaceLanguageFromCode(std::string_view code, InterfaceLanguage& language);

// Sets a language for the life of a scope and puts the previous one back (tests, previews).
class InterfaceLanguageScope {
public:
    explicit InterfaceLanguageScope(InterfaceLanguage language)
        : previous_(CurrentInterfaceLanguage()) {
        SetInterfaceLanguage(language);
    }
    ~InterfaceLanguageScope() { SetInterfaceLanguage(previous_); }
    InterfaceLanguageScope(const InterfaceLanguageScope&) = delete;
    InterfaceLanguageScope& operator=(const InterfaceLanguageScope&) = delete;

private:
    InterfaceLanguage previous_;
};

} // namespace tallo
