#include "formats/placeholder_check.h"
#include "formats/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace tallo {
namespace {

struct Entry {
    int id;
    const char* text;
};

// The same list the library compiles, read here a second time so that the tests can walk it.
constexpr Entry kEntries[] = {
#include "../../resources/string_table_entries.inc"
};

// The printf conversions of a text, one letter each ('s' for %s, 'i' for %i and %.2i, ...).
// "%%" counts as no conversion. An unknown or unfinished conversion gives "?".
std::string Conversions(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            continue;
        }
        ++i;
        if (i < text.size() && text[i] == '%') {
            continue;
        }
        while (i < text.size() &&
               (text[i] == '.' || std::isdigit(static_cast<unsigned char>(text[i])))) {
            ++i;
        }
        if (i >= text.size() || std::string("sdi").find(text[i]) == std::string::npos) {
            return "?";
        }
        result += text[i];
    }
    return result;
}

TEST(StringTable, EntriesAreSortedUniqueAndAllFound) {
    ASSERT_GT(std::size(kEntries), 300u);
    for (size_t i = 0; i < std::size(kEntries); ++i) {
        if (i > 0) {
            EXPECT_LT(kEntries[i - 1].id, kEntries[i].id) << "at entry " << kEntries[i].id;
        }
        EXPECT_TRUE(HasString(kEntries[i].id));
        EXPECT_EQ(LoadString(kEntries[i].id), kEntries[i].text);
        EXPECT_FALSE(std::string(kEntries[i].text).empty()) << kEntries[i].id;
    }
}

TEST(StringTable, QuotedTextsStandExactly) {
    EXPECT_EQ(LoadString(798), "Как минимум одна ошибка произошла в процессе сохранения. "
                               "Удостоверьтесь, что Вы имеете права на запись в этой директории.");
    EXPECT_EQ(LoadString(517), "1. Дивизион");
    EXPECT_EQ(LoadString(518), "Национальный Кубок");
    EXPECT_EQ(LoadString(575), "Нет файла");
    EXPECT_EQ(LoadString(589), "1-ая команда");
    EXPECT_EQ(LoadString(789), " не доступно ");
    EXPECT_EQ(LoadString(799), "eng");
    EXPECT_EQ(LoadString(888), "The current folder or the \"My Documents\" folder has unicode "
                               "characters which are not supported by the editor.");
    EXPECT_EQ(LoadString(898), "Tallo Editor");
    EXPECT_EQ(LoadString(899), "Редактор");
    EXPECT_EQ(LoadString(341), "%s\tMA");
    EXPECT_EQ(LoadString(865), "Tab separated|*.txt|Formatted with spaces|*.txt|XML Style|*.xml||");
}

TEST(StringTable, InputBoxEntryHasCaptionPromptAndProposedName) {
    const std::string& text = LoadString(858);
    size_t first = text.find('\t');
    ASSERT_NE(first, std::string::npos);
    size_t second = text.find('\t', first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_GT(first, 0u);
    EXPECT_GT(second, first + 1);
    EXPECT_EQ(text.substr(second + 1), "NewDatabase");
}

TEST(StringTable, FormatStringFillsArguments) {
    EXPECT_EQ(FormatString(824, 1, 5, 2, 30), "Elapsed: 1:05 / Estimated: 2:30");
    EXPECT_EQ(FormatString(835, 2, "Spain"), "Phase 2: Exporting Spain...");
    EXPECT_EQ(FormatString(340, "Club"), "Club (A)");
    EXPECT_EQ(FormatString(791, 12), "First 12");
    EXPECT_EQ(FormatString(874, "a.tga"), "Файл a.tga не найден в BIG файле");
    EXPECT_EQ(FormatString(890, "Club", "x\\Badge180\\c.tga"),
              "Клуб Club использует неверную эмблему, имя файла - x\\Badge180\\c.tga.");
    EXPECT_EQ(FormatString(575), "Нет файла");
}

TEST(StringTable, UnknownNumbersGiveEmptyText) {
    for (int id : {0, -1, 128, 448, 658, 999, 100000}) {
        EXPECT_FALSE(HasString(id)) << id;
        EXPECT_TRUE(LoadString(id).empty()) << id;
    }
    EXPECT_EQ(&LoadString(0), &LoadString(-5));
    EXPECT_TRUE(FormatString(100000, 1, "x").empty());
}

// A text handed to printf with arguments must ask for exactly the arguments its callers give,
// and a text shown as it is must not ask for any.
TEST(StringTable, PlaceholdersMatchTheArgumentsCallersGive) {
    const std::map<int, std::string> formatted = {
        {340, "s"},  {341, "s"}, {342, "s"}, {343, "s"},    {749, "s"}, {750, "s"}, {751, "s"},
        {752, "s"},  {753, "s"}, {754, "s"}, {755, "s"},    {756, "s"}, {757, "s"}, {758, "s"},
        {759, "s"},  {760, "s"}, {761, "s"}, {762, "s"},    {763, "s"}, {764, "s"}, {765, "s"},
        {791, "d"},  {792, "d"}, {814, "s"}, {824, "iiii"}, {826, "s"}, {830, "s"}, {832, "s"},
        {835, "is"}, {853, "s"}, {859, "s"}, {863, "s"},    {869, "s"}, {871, "s"}, {874, "s"},
        {890, "ss"}, {3050, "s"}};
    for (const Entry& entry : kEntries) {
        if (entry.id >= 3010 && entry.id <= 3012) {
            continue; // positional date patterns (%1 to %4), filled by substitution
        }
        auto expected = formatted.find(entry.id);
        EXPECT_EQ(Conversions(entry.text), expected == formatted.end() ? "" : expected->second)
            << "entry " << entry.id;
    }
}

TEST(StringTable, DatePatternsUseOnlyPositionalFields) {
    for (int id : {3010, 3011, 3012}) {
        const std::string& text = LoadString(id);
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '%') {
                ASSERT_LT(i + 1, text.size()) << id;
                EXPECT_GE(text[i + 1], '1') << id;
                EXPECT_LE(text[i + 1], '4') << id;
            }
        }
    }
    EXPECT_EQ(LoadString(3010), "%4 %1.%2.%3");
}

constexpr Entry kEnglishEntries[] = {
#include "../../resources/string_table_entries_en.inc"
};

// The build refuses a table whose languages differ in numbers or placeholders; these are what it
// cannot see: texts that name files or settings and so must not change with the language, and
// English texts that every record code page can spell (they stand in for Russian ones there).
TEST(StringTable, EnglishTableKeepsLanguageFreeTextsAndStaysAscii) {
    ASSERT_EQ(std::size(kEnglishEntries), std::size(kEntries));
    for (int id : {799, 888, 898, 865, 824, 3050}) {
        EXPECT_EQ(LoadString(id, InterfaceLanguage::English),
                  LoadString(id, InterfaceLanguage::Russian))
            << id;
    }
    for (const Entry& entry : kEnglishEntries) {
        for (const char* c = entry.text; *c != '\0'; ++c) {
            ASSERT_LT(static_cast<unsigned char>(*c), 0x80) << "entry " << entry.id;
        }
        EXPECT_EQ(LoadString(entry.id, InterfaceLanguage::English), entry.text);
    }
    // The input box entry splits into the same three parts in English.
    const std::string& box = LoadString(858, InterfaceLanguage::English);
    EXPECT_EQ(box.substr(box.rfind('\t') + 1), "NewDatabase");
    EXPECT_EQ(std::count(box.begin(), box.end(), '\t'), 2);
}

TEST(StringTable, PlaceholderCheckCatchesDifferentArguments) {
    using placeholder_check::SamePlaceholders;
    EXPECT_TRUE(SamePlaceholders("Клуб %s, файл %s.", "Club %s, file %s."));
    EXPECT_TRUE(SamePlaceholders("%i:%.2i", "%i:%.2i"));
    EXPECT_TRUE(SamePlaceholders("%4 %1.%2.%3", "%1/%2/%3 %4"));
    EXPECT_TRUE(SamePlaceholders("100%% %s", "%s 100%%"));
    EXPECT_FALSE(SamePlaceholders("%s", ""));
    EXPECT_FALSE(SamePlaceholders("%i %s", "%s %i"));
    EXPECT_FALSE(SamePlaceholders("%.2i", "%i"));
    EXPECT_FALSE(SamePlaceholders("%1.%2", "%1.%1"));
    EXPECT_FALSE(SamePlaceholders("50% off", "50% off"));
}

} // namespace
} // namespace tallo
