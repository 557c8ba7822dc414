#include "assets/badge_wrong_report.h"

#include "assets/badge_sources.h"
#include "badge_test_support.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;

constexpr int kWrongBadgeString = 890;

class BadgeWrongReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_.LoadCountryList(install_.Folder() + "/no-countries.sav");
        for (int size : {180, 74, 48, 14}) {
            install_.AddDiskFile("Ger\\Badge" + std::to_string(size) + "\\good.tga",
                                 TinyTga(1, 1, 1));
        }
    }

    CClub* AddClub(int country, const std::string& name, const std::string& badge) {
        CClub* club = world_.GetCountry(country)->CreateClub(name);
        EXPECT_NE(club, nullptr);
        EXPECT_TRUE(club->SetBadgeFile(badge));
        return club;
    }

    std::string Expected(const std::string& name, const std::string& badge) {
        return FormatString(kWrongBadgeString, name.c_str(), badge.c_str()) + "\r\n\r\n";
    }

    BadgeInstallation install_;
    CWorld world_;
};

TEST_F(BadgeWrongReportTest, EveryBadgePresentShowsNothing) {
    AddClub(1, "Alpha", "Ger\\Badge180\\good.tga");
    AddClub(206, "Omega", "GER\\BADGE180\\GOOD.TGA");
    AddClub(5, "No badge", "");
    AddClub(7, "Old style", "Ger\\missing.tga"); // without Badge180: never checked
    const CBadgeSources sources(install_.Folder(), nullptr);
    const std::vector<std::string> texts = CheckWrongBadges(world_, sources);
    EXPECT_TRUE(texts.empty());
    ScriptedPrompt prompt;
    EXPECT_FALSE(ShowWrongBadges(texts, prompt));
    EXPECT_TRUE(prompt.Calls().empty());
}

TEST_F(BadgeWrongReportTest, WrongBadgesInCountryAndClubOrder) {
    AddClub(206, "Last", "Ger\\Badge180\\gone.tga");
    AddClub(2, "Second", "Ger\\Badge180\\good.tga");
    CClub* first = AddClub(1, "First", "Ger\\Badge180\\none.tga");
    AddClub(1, "Also first", "Ger\\Badge180\\%s%n.tga"); // a name that looks like a format
    ASSERT_TRUE(first->SetName(1, "Erster"));
    world_.SetLanguage(1);

    const std::vector<std::string> texts =
        CheckWrongBadges(world_, CBadgeSources(install_.Folder(), nullptr));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], Expected("Erster", "Ger\\Badge180\\none.tga"));
    EXPECT_EQ(texts[1], Expected("Also first", "Ger\\Badge180\\%s%n.tga"));
    EXPECT_EQ(texts[2], Expected("Last", "Ger\\Badge180\\gone.tga"));
    EXPECT_NE(texts[0].find("Erster"), std::string::npos);

    ScriptedPrompt prompt;
    EXPECT_TRUE(ShowWrongBadges(texts, prompt));
    ASSERT_EQ(prompt.Calls().size(), 1u);
    EXPECT_EQ(prompt.Calls()[0].kind, PromptCall::Kind::ErrorWindow);
    EXPECT_EQ(prompt.Calls()[0].text, texts[0] + texts[1] + texts[2]);
}

TEST_F(BadgeWrongReportTest, ClubTextsAreShownInTheActiveCodePage) {
    AddClub(3, "Z\xfcrich", "Ger\\Badge180\\none.tga"); // u umlaut in Windows-1252
    const std::vector<std::string> texts =
        CheckWrongBadges(world_, CBadgeSources(install_.Folder(), nullptr));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], Expected("Z\xc3\xbcrich", "Ger\\Badge180\\none.tga"));
}

} // namespace
} // namespace tallo
