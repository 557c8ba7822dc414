#include "formats/dialog_text.h"

#include <gtest/gtest.h>

#include <set>

namespace tallo {
namespace {

TEST(DialogTextTest, KeysGiveTheTextOfTheInterfaceLanguage) {
    ASSERT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Russian);
    EXPECT_EQ(DialogText("main.menu.file"), "Файл");
    EXPECT_EQ(DialogText("main.menu.file", InterfaceLanguage::English), "File");
    {
        InterfaceLanguageScope english(InterfaceLanguage::English);
        EXPECT_EQ(DialogText("main.settings.language"), "Language");
        EXPECT_EQ(FormatDialogText("main.edit.undo_named", "Delete club"), "Undo: Delete club");
    }
    EXPECT_EQ(FormatDialogText("main.edit.undo_named", "Удалить клуб"), "Отменить: Удалить клуб");
    // The quoted message of the renderer stands exactly as the original has it, in both.
    EXPECT_EQ(FormatDialogText("render.load_failed.text", "Renderer.so", "bad ELF"),
              "Could not load the DLL \"Renderer.so\".\r\nError Message \"bad ELF\"");
    EXPECT_EQ(DialogText("render.load_failed.caption"), "Error Loading DLL");
}

TEST(DialogTextTest, KeysMadeAtRunTimeAreLookedUp) {
    const std::string* text = FindDialogText("main.menu.edit", InterfaceLanguage::English);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, "Edit");
    EXPECT_EQ(FindDialogText("main.menu.nothing", InterfaceLanguage::Russian), nullptr);
    EXPECT_EQ(FindDialogText("", InterfaceLanguage::English), nullptr);

    const std::vector<std::string_view> keys = DialogTextKeys();
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(std::set<std::string_view>(keys.begin(), keys.end()).size(), keys.size());
    for (std::string_view key : keys) {
        for (InterfaceLanguage language :
             {InterfaceLanguage::Russian, InterfaceLanguage::English}) {
            const std::string* found = FindDialogText(key, language);
            ASSERT_NE(found, nullptr) << key;
            EXPECT_FALSE(found->empty()) << key;
        }
    }
}

} // namespace
} // namespace tallo
