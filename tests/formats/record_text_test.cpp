#include "formats/record_text.h"
#include "formats/string_table.h"
#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

// Default names written into records: the interface language where the records' code page can
// spell it, English where it cannot, and never question marks.
TEST(RecordTextTest, RussianNamesFallBackToEnglishWhereTheCodePageCannotSpellThem) {
    ASSERT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Russian);
    // "Соревнование" and "1. Дивизион" in Windows-1251.
    EXPECT_EQ(RecordText(3040, CodePage::Windows1251),
              "\xD1\xEE\xF0\xE5\xE2\xED\xEE\xE2\xE0\xED\xE8\xE5");
    EXPECT_EQ(RecordText(517, CodePage::Windows1251), "1. \xC4\xE8\xE2\xE8\xE7\xE8\xEE\xED");
    EXPECT_EQ(RecordText(3040, CodePage::Windows1252), "Competition");
    EXPECT_EQ(RecordText(3041, CodePage::Windows1252), "Relegation play-off");
    EXPECT_EQ(RecordText(518, CodePage::Windows1252), "National Cup");
    EXPECT_EQ(RecordText(789, CodePage::Windows1252), " not available ");
    // ASCII texts stay as they are in both.
    EXPECT_EQ(RecordText(791, CodePage::Windows1252), "First %d");

    InterfaceLanguageScope english(InterfaceLanguage::English);
    EXPECT_EQ(RecordText(3040, CodePage::Windows1251), "Competition");
    EXPECT_EQ(RecordText(517, CodePage::Windows1252), "1. Division");
}

TEST(RecordTextTest, NoTextOfEitherLanguageBecomesQuestionMarks) {
    for (InterfaceLanguage language : {InterfaceLanguage::Russian, InterfaceLanguage::English}) {
        InterfaceLanguageScope scope(language);
        for (CodePage page : {CodePage::Windows1252, CodePage::Windows1251}) {
            for (int id = 0; id < 4000; ++id) {
                if (!HasString(id)) {
                    continue;
                }
                // Read back, the record holds one of the two texts exactly: a character
                // turned into "?" would match neither.
                const std::string back = ToUtf8(RecordText(id, page), page);
                EXPECT_TRUE(back == LoadString(id, language) ||
                            back == LoadString(id, InterfaceLanguage::English))
                    << id;
            }
        }
    }
}

} // namespace
} // namespace tallo
