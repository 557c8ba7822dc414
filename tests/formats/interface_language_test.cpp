#include "formats/interface_language.h"
#include "formats/string_table.h"
#include "platform/environment.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

InterfaceLanguage From(std::map<std::string, std::string> values) {
    return InterfaceLanguageFromEnvironment(MapEnvironment(std::move(values)));
}

TEST(InterfaceLanguageTest, TheUsersLocaleDecidesUnlessTheVariableOverridesIt) {
    EXPECT_EQ(From({}), InterfaceLanguage::English);
    EXPECT_EQ(From({{"LANG", "C"}}), InterfaceLanguage::English);
    EXPECT_EQ(From({{"LANG", "en_GB.UTF-8"}}), InterfaceLanguage::English);
    EXPECT_EQ(From({{"LANG", "ru_RU.UTF-8"}}), InterfaceLanguage::Russian);
    EXPECT_EQ(From({{"LANG", "ru"}}), InterfaceLanguage::Russian);
    // Other languages that merely start with the letters.
    EXPECT_EQ(From({{"LANG", "rw_RW"}}), InterfaceLanguage::English);
    EXPECT_EQ(From({{"LANG", "rus"}}), InterfaceLanguage::English);

    // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
    EXPECT_EQ(From({{"LC_ALL", "C"}, {"LANG", "ru_RU.UTF-8"}}), InterfaceLanguage::English);
    EXPECT_EQ(From({{"LC_ALL", ""}, {"LC_MESSAGES", "ru_UA"}, {"LANG", "de_DE"}}),
              InterfaceLanguage::Russian);

    // TALLO_UI_LANGUAGE wins both ways; any other word in it is ignored.
    EXPECT_EQ(From({{"TALLO_UI_LANGUAGE", "en"}, {"LANG", "ru_RU.UTF-8"}}),
              InterfaceLanguage::English);
    EXPECT_EQ(From({{"TALLO_UI_LANGUAGE", "ru"}, {"LC_ALL", "C"}}), InterfaceLanguage::Russian);
    EXPECT_EQ(From({{"TALLO_UI_LANGUAGE", "de"}, {"LANG", "ru_RU.UTF-8"}}),
              InterfaceLanguage::Russian);
}

TEST(InterfaceLanguageTest, CodesGoBothWays) {
    for (InterfaceLanguage language : {InterfaceLanguage::Russian, InterfaceLanguage::English}) {
        InterfaceLanguage back = language == InterfaceLanguage::Russian
                                     ? InterfaceLanguage::English
                                     : InterfaceLanguage::Russian;
        ASSERT_TRUE(InterfaceLanguageFromCode(InterfaceLanguageCode(language), back));
        EXPECT_EQ(back, language);
    }
    InterfaceLanguage untouched = InterfaceLanguage::English;
    EXPECT_FALSE(InterfaceLanguageFromCode("RU", untouched));
    EXPECT_FALSE(InterfaceLanguageFromCode("", untouched));
    EXPECT_EQ(untouched, InterfaceLanguage::English);
}

// The test programs run in Russian (tests/support/test_main.cpp); a switch at run time changes
// what every later look-up gives, and the scope puts the language back.
TEST(InterfaceLanguageTest, SwitchingAtRunTimeChangesTheTexts) {
    ASSERT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Russian);
    const std::string& russian = LoadString(509);
    EXPECT_EQ(russian, "Европа");
    {
        InterfaceLanguageScope english(InterfaceLanguage::English);
        EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::English);
        EXPECT_EQ(LoadString(509), "Europe");
        EXPECT_EQ(FormatString(814, "Mods"), "Do you really want to delete the database \"Mods\"?");
        // A reference taken before the switch still holds its own language's text.
        EXPECT_EQ(russian, "Европа");
    }
    EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Russian);
    EXPECT_EQ(FormatString(814, "Mods"), "Вы действительно хотите удалить Базу Данных \"Mods\"?");
}

} // namespace
} // namespace tallo
