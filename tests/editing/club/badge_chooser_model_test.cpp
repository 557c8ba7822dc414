// The badge chooser's rules: the groups and badges of the badge folder and archive, the
// preselection of the club's badge, the picture of the selection and the name handed back.

#include "editing/club/badge_chooser_model.h"

#include <gtest/gtest.h>

#include "assets/badge_test_support.h"
#include "assets/dib_image.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;

// Blue, green, red of the picture's only pixel.
std::array<uint8_t, 3> OnlyPixel(const DibImage& image) {
    const size_t at = image.PixelOffset(0, 0);
    return {image.bytes[at], image.bytes[at + 1], image.bytes[at + 2]};
}

class BadgeChooserModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Group "GER" on disk and in the archive, group "XX" only in the archive in capitals.
        badges_.AddDiskFile("GER\\Badge180\\Bayern.tga", TinyTga(1, 2, 3));
        badges_.AddDiskFile("GER\\Badge180\\Koeln.tga", TinyTga(4, 5, 6));
        badges_.AddArchiveEntry("Badges\\GER\\Badge180\\Bayern.tga", TinyTga(90, 90, 90));
        badges_.AddArchiveEntry("Badges\\GER\\Badge180\\Bremen.tga", TinyTga(7, 8, 9), true);
        badges_.AddArchiveEntry("BADGES\\XX\\BADGE180\\Y.TGA", TinyTga(10, 20, 30));
        badges_.OpenArchive(archive_);
    }

    BadgeChooserModel Model(size_t buffer = CClub::kBadgeFileSize) {
        return BadgeChooserModel(CBadgeSources(badges_.Folder(), &archive_), buffer, &prompt_);
    }

    BadgeInstallation badges_;
    CVantorBig archive_;
    ScriptedPrompt prompt_;
};

TEST_F(BadgeChooserModelTest, OpensOnTheClubsBadgeRegardlessOfCase) {
    BadgeChooserModel model = Model();
    model.Open("xx/badge180/y.tga");
    ASSERT_EQ(model.GroupNames(), (std::vector<std::string>{"GER", "XX"}));
    EXPECT_EQ(model.SelectedGroup(), 1);
    EXPECT_EQ(model.SelectedItem(), 0);
    EXPECT_EQ(model.SelectedName(), "XX\\BADGE180\\Y.TGA");

    model.Open("ger\\BADGE180\\BREMEN.TGA");
    EXPECT_EQ(model.SelectedGroup(), 0);
    ASSERT_GE(model.SelectedItem(), 0);
    EXPECT_EQ(model.ItemNames()[static_cast<size_t>(model.SelectedItem())], "Bremen");
}

TEST_F(BadgeChooserModelTest, AnUnknownOrEmptyBadgeOpensOnTheFirstEntry) {
    for (const char* current : {"", "FRA\\Badge180\\none.tga", "Bayern.tga"}) {
        BadgeChooserModel model = Model();
        model.Open(current);
        EXPECT_EQ(model.SelectedGroup(), 0) << current;
        EXPECT_EQ(model.SelectedItem(), 0) << current;
        EXPECT_FALSE(model.SelectedName().empty()) << current;
    }
}

TEST_F(BadgeChooserModelTest, ABadgeOnlyInTheArchiveInCapitalsShowsWithoutExtension) {
    BadgeChooserModel model = Model();
    model.Open("");
    model.SelectGroup(1);
    EXPECT_EQ(model.ItemNames(), (std::vector<std::string>{"Y"}));
    // A group appears once although its badges come from both places.
    model.SelectGroup(0);
    EXPECT_EQ(model.ItemNames().size(), 3u);
}

TEST_F(BadgeChooserModelTest, SelectingAGroupClearsTheSelectionAndThePicture) {
    BadgeChooserModel model = Model();
    model.Open("XX\\Badge180\\Y.tga");
    model.SelectGroup(0);
    EXPECT_EQ(model.SelectedItem(), -1);
    EXPECT_FALSE(model.HasSelection());
    EXPECT_EQ(model.SelectedName(), "");
    DibImage image;
    EXPECT_FALSE(model.LoadSelectedPicture(image));
    EXPECT_TRUE(image.Empty());
    std::string chosen = "unchanged";
    EXPECT_FALSE(model.Accept(chosen));
    EXPECT_EQ(chosen, "unchanged");
    // Out of range selects nothing rather than something else.
    model.SelectItem(17);
    EXPECT_FALSE(model.HasSelection());
    model.SelectGroup(5);
    EXPECT_EQ(model.SelectedGroup(), -1);
    EXPECT_TRUE(model.ItemNames().empty());
}

TEST_F(BadgeChooserModelTest, ThePictureComesFromDiskBeforeTheArchive) {
    BadgeChooserModel model = Model();
    model.Open("GER\\Badge180\\Bayern.tga");
    DibImage image;
    ASSERT_TRUE(model.LoadSelectedPicture(image));
    EXPECT_EQ(image.width, 1u);
    EXPECT_EQ(OnlyPixel(image), (std::array<uint8_t, 3>{1, 2, 3}));

    model.Open("GER\\Badge180\\Bremen.tga"); // packed, archive only
    ASSERT_TRUE(model.LoadSelectedPicture(image));
    EXPECT_EQ(OnlyPixel(image), (std::array<uint8_t, 3>{7, 8, 9}));
}

TEST_F(BadgeChooserModelTest, AcceptHandsBackTheNameOrRefusesOneTooLong) {
    BadgeChooserModel model = Model();
    model.Open("XX\\Badge180\\Y.tga");
    std::string chosen;
    ASSERT_TRUE(model.Accept(chosen));
    EXPECT_EQ(chosen, "XX\\BADGE180\\Y.TGA");
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 0u);

    // "XX\BADGE180\Y.TGA" is 17 characters: a field of 17 bytes cannot keep it with its zero.
    BadgeChooserModel narrow = Model(17);
    narrow.Open("XX\\Badge180\\Y.tga");
    chosen = "before";
    EXPECT_FALSE(narrow.Accept(chosen));
    EXPECT_EQ(chosen, "before");
    ASSERT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_NE(prompt_.Calls().back().text.find("XX\\BADGE180\\Y.TGA"), std::string::npos);
    EXPECT_NE(prompt_.Calls().back().text.find("16"), std::string::npos);
    BadgeChooserModel exact = Model(18);
    exact.Open("XX\\Badge180\\Y.tga");
    EXPECT_TRUE(exact.Accept(chosen));
}

TEST_F(BadgeChooserModelTest, LongNamesFromTheArchiveAreListedButRefused) {
    BadgeInstallation badges;
    const std::string name = "LONGGROUP\\Badge180\\a_badge_name_far_too_long.tga";
    ASSERT_GT(name.size(), CClub::kBadgeFileSize - 1);
    badges.AddArchiveEntry("Badges\\" + name, TinyTga(1, 1, 1));
    CVantorBig archive;
    badges.OpenArchive(archive);
    BadgeChooserModel model(CBadgeSources(badges.Folder(), &archive), CClub::kBadgeFileSize,
                            &prompt_);
    model.Open(name);
    ASSERT_TRUE(model.HasSelection());
    std::string chosen;
    EXPECT_FALSE(model.Accept(chosen));
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 1u);
}

TEST(BadgeChooserModel, WithoutAnArchiveTheListStaysEmpty) {
    BadgeInstallation badges;
    badges.AddDiskFile("GER\\Badge180\\Bayern.tga", TinyTga(1, 2, 3));
    CVantorBig closed;
    for (CVantorBig* archive : {static_cast<CVantorBig*>(nullptr), &closed}) {
        BadgeChooserModel model(CBadgeSources(badges.Folder(), archive), CClub::kBadgeFileSize,
                                nullptr);
        model.Open("GER\\Badge180\\Bayern.tga");
        EXPECT_TRUE(model.GroupNames().empty());
        EXPECT_EQ(model.SelectedGroup(), -1);
        std::string chosen;
        EXPECT_FALSE(model.Accept(chosen));
    }
}

} // namespace
} // namespace tallo
