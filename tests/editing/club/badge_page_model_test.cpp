// The club's badge page: what it says about the badge, its picture, the name the chooser hands
// over, and the round trip of both the badge and the kit page over a whole country.

#include "editing/club/badge_page_model.h"

#include <gtest/gtest.h>

#include "assets/badge_test_support.h"
#include "assets/dib_image.h"
#include "editing/club/club_edit_context.h"
#include "editing/club/kit_page_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "mapping/global_tools.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;

class BadgePageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        // "GER\...\full.tga" in all four sizes, split between disk and archive;
        // "GER\...\part.tga" without its smallest size; "old.tga" without a size folder.
        for (int size : {180, 74, 48}) {
            badges_.AddDiskFile("GER\\Badge" + std::to_string(size) + "\\full.tga",
                                TinyTga(1, 2, 3));
            badges_.AddDiskFile("GER\\Badge" + std::to_string(size) + "\\part.tga",
                                TinyTga(1, 2, 3));
        }
        badges_.AddArchiveEntry("Badges\\GER\\Badge14\\FULL.TGA", TinyTga(1, 2, 3));
        badges_.AddDiskFile("old.tga", TinyTga(4, 5, 6));
        badges_.OpenArchive(tools_.BadgeArchive());
        context_.badgesFolder = badges_.Folder();
        context_.tools = &tools_;
        context_.prompt = &prompt_;
    }

    ClubBadgePageModel::State StateOf(const std::string& badge) {
        CClub club;
        EXPECT_TRUE(club.SetBadgeFile(badge));
        ClubBadgePageModel model(context_);
        model.Fill(club);
        return model.BadgeState();
    }

    BadgeInstallation badges_;
    CGlobalTools tools_;
    ScriptedPrompt prompt_;
    ClubEditContext context_;
};

TEST_F(BadgePageModelTest, TellsWhetherTheBadgeIsThereInEverySize) {
    using State = ClubBadgePageModel::State;
    EXPECT_EQ(StateOf(""), State::None);
    EXPECT_EQ(StateOf("GER\\Badge180\\full.tga"), State::Complete);
    EXPECT_EQ(StateOf("ger\\badge180\\FULL.TGA"), State::Complete);
    EXPECT_EQ(StateOf("GER\\Badge180\\part.tga"), State::Incomplete);
    EXPECT_EQ(StateOf("GER\\Badge180\\gone.tga"), State::Missing);
    EXPECT_EQ(StateOf("old.tga"), State::Complete);
    EXPECT_EQ(StateOf("older.tga"), State::Missing);

    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("GER\\Badge180\\part.tga"));
    ClubBadgePageModel model(context_);
    model.Fill(club);
    EXPECT_TRUE(model.ShowsWarning());
    model.Clear();
    EXPECT_FALSE(model.ShowsWarning());
}

TEST_F(BadgePageModelTest, ThePictureOfTheBadgeOrNoneWithoutAskingTheArchiveInVain) {
    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("GER\\Badge180\\full.tga"));
    ClubBadgePageModel model(context_);
    model.Fill(club);
    DibImage image;
    ASSERT_TRUE(model.LoadPicture(image));
    EXPECT_EQ(image.width, 1u);
    EXPECT_EQ(image.height, 1u);

    // A badge found nowhere gives no picture, and the archive is not asked for it (its message
    // about a missing entry would come up every time the page is filled).
    tools_.BadgeArchive().SetPrompt(&prompt_);
    ASSERT_TRUE(model.SetBadgeName("GER\\Badge180\\gone.tga"));
    EXPECT_FALSE(model.LoadPicture(image));
    EXPECT_TRUE(image.Empty());
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgePageModelTest, StoresTheChosenOrClearedBadgeAndRefusesANameTooLong) {
    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("GER\\Badge180\\part.tga"));
    ClubBadgePageModel model(context_);
    model.Fill(club);

    const std::string longest(CClub::kBadgeFileSize - 1, 'a');
    ASSERT_TRUE(model.SetBadgeName(longest));
    ASSERT_TRUE(model.Store(club));
    EXPECT_EQ(club.BadgeFile(), longest);

    EXPECT_FALSE(model.SetBadgeName(longest + "b"));
    EXPECT_EQ(model.BadgeName(), longest);
    ASSERT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_NE(prompt_.Calls()[0].text.find("39"), std::string::npos);

    EXPECT_FALSE(model.SetBadgeName("GER\\Badge180\\two\nlines.tga"));
    EXPECT_EQ(model.BadgeName(), longest);
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 2u);

    model.Clear();
    ASSERT_TRUE(model.Store(club));
    EXPECT_EQ(club.BadgeFile(), "");
}

TEST(ClubBadgeAndKitPages, UntouchedPagesChangeNoByteOfTheSavedCountry) {
    test::EditorHarness harness;
    CWorld& world = harness.OpenGame().World();
    const auto before = test::SavedBytes(world);

    ClubEditContext context;
    context.world = &world;
    context.badgesFolder = harness.install + "/badges";
    context.prompt = &harness.prompt;
    size_t clubs = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            ClubBadgePageModel badge(context);
            KitPageModel kit;
            badge.Fill(*club);
            kit.Fill(*club);
            // Looking at the second kit changes nothing either.
            kit.SetShownKit(1);
            EXPECT_TRUE(badge.Store(*club));
            kit.Store(*club);
            ++clubs;
        }
    }
    ASSERT_GT(clubs, 10u);
    EXPECT_TRUE(test::SavedBytes(world) == before);
    EXPECT_TRUE(harness.prompt.Calls().empty());
}

} // namespace
} // namespace tallo
