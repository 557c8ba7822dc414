// The language boxes' list: the table's numbering with its gaps, and the entries a box offers.

#include "editing/common/language_list.h"

#include <gtest/gtest.h>

#include "formats/string_table.h"
#include "world/player.h"

namespace tallo {
namespace {

TEST(LanguageListTest, NumbersSkipTheUnusedEntriesOfTheTable) {
    EXPECT_EQ(LanguageNameId(0), 148);
    EXPECT_EQ(LanguageNameId(1), 432);
    EXPECT_EQ(LanguageNameId(16), 447);
    EXPECT_EQ(LanguageNameId(17), 449);
    EXPECT_EQ(LanguageNameId(47), 479);
    EXPECT_EQ(LanguageNameId(48), 640);
    EXPECT_EQ(LanguageNameId(51), 657);
    EXPECT_EQ(LanguageNameId(52), 659);
    EXPECT_EQ(LanguageNameId(53), 661);
    EXPECT_EQ(LanguageNameId(60), 668);
    EXPECT_EQ(LanguageNameId(61), 670);
    EXPECT_EQ(LanguageNameId(62), 671);
    EXPECT_EQ(LanguageNameId(63), 0);
    for (int language = 0; language <= 62; ++language) {
        EXPECT_FALSE(LoadString(LanguageNameId(language)).empty()) << language;
    }
}

TEST(LanguageListTest, BoxesOfferWhatTheRecordKeeps) {
    const auto foreign = LanguageList(CPlayer::kMaxLanguage, true);
    ASSERT_EQ(foreign.size(), static_cast<size_t>(CPlayer::kMaxLanguage) + 1);
    EXPECT_EQ(foreign.front().language, 0);
    EXPECT_EQ(foreign.front().name, LoadString(148));
    EXPECT_EQ(foreign.back().language, CPlayer::kMaxLanguage);

    const auto native = LanguageList(CPlayer::kMaxLanguage, false);
    ASSERT_EQ(native.size(), static_cast<size_t>(CPlayer::kMaxLanguage));
    EXPECT_EQ(native.front().language, 1);
    EXPECT_EQ(LanguageList(99, true).size(), 63u);
}

} // namespace
} // namespace tallo
