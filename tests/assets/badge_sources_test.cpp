#include "assets/badge_sources.h"

#include "assets/vantor_big.h"
#include "badge_test_support.h"
#include "platform/scripted_prompt.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;

constexpr const char* kBadge = "Ger\\Badge180\\club.tga";

class BadgeSourcesTest : public ::testing::Test {
protected:
    ScriptedPrompt prompt_;
    CVantorBig archive_{&prompt_};
    BadgeInstallation install_;
};

TEST_F(BadgeSourcesTest, SizesSplitBetweenDiskAndArchivePass) {
    install_.AddDiskFile("Ger\\Badge180\\club.tga", TinyTga(1, 1, 1));
    install_.AddDiskFile("Ger\\Badge74\\club.tga", TinyTga(1, 1, 1));
    install_.AddDiskFile("Ger\\Badge48\\club.tga", TinyTga(1, 1, 1));
    install_.AddArchiveEntry("BADGES\\GER\\BADGE14\\CLUB.TGA", TinyTga(1, 1, 1));
    install_.OpenArchive(archive_);
    const CBadgeSources sources(install_.Folder(), &archive_);
    EXPECT_TRUE(sources.CheckBadge(kBadge));
    // The stored name's case does not matter on either side.
    EXPECT_TRUE(sources.CheckBadge("GER\\BADGE180\\CLUB.TGA"));
    EXPECT_TRUE(sources.ExistsOnDisk("Ger\\Badge48\\club.tga"));
    EXPECT_FALSE(sources.ExistsInArchive("Ger\\Badge48\\club.tga"));
    EXPECT_TRUE(sources.ExistsInArchive("Ger/Badge14/club.tga"));

    // Without the archive the smallest size is missing.
    const CBadgeSources diskOnly(install_.Folder(), nullptr);
    EXPECT_FALSE(diskOnly.CheckBadge(kBadge));
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgeSourcesTest, OneMissingSizeFailsTheCheck) {
    install_.AddDiskFile("Ger\\Badge180\\club.tga", TinyTga(1, 1, 1));
    install_.AddDiskFile("Ger\\Badge74\\club.tga", TinyTga(1, 1, 1));
    install_.AddArchiveEntry("Badges\\Ger\\Badge14\\club.tga", TinyTga(1, 1, 1));
    install_.OpenArchive(archive_);
    EXPECT_FALSE(CBadgeSources(install_.Folder(), &archive_).CheckBadge(kBadge));
}

TEST_F(BadgeSourcesTest, NamesWithoutBadge180AreNotChecked) {
    const CBadgeSources sources(install_.Folder(), nullptr);
    EXPECT_TRUE(sources.CheckBadge("Ger\\club.tga"));
    EXPECT_TRUE(sources.CheckBadge(""));
    EXPECT_FALSE(sources.CheckBadge(kBadge));
}

TEST_F(BadgeSourcesTest, ClosedArchiveIsAskedNothing) {
    // Checking every club must not report the missing archive once per club.
    const CBadgeSources sources(install_.Folder(), &archive_);
    EXPECT_FALSE(sources.CheckBadge(kBadge));
    EXPECT_FALSE(sources.ExistsInArchive(kBadge));
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgeSourcesTest, NamesLeadingOutOfTheFolderAreNotFound) {
    install_.AddDiskFile("secret.tga", TinyTga(1, 1, 1));
    const CBadgeSources sources(install_.Folder() + "/Ger", nullptr);
    EXPECT_FALSE(sources.ExistsOnDisk("..\\secret.tga"));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(sources.ReadBadge("..\\secret.tga", bytes));
    EXPECT_TRUE(CBadgeSources(install_.Folder(), nullptr).ExistsOnDisk("secret.tga"));
}

TEST_F(BadgeSourcesTest, LoadingPrefersTheDiskCopy) {
    install_.AddDiskFile(kBadge, TinyTga(10, 20, 30));
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\club.tga", TinyTga(90, 90, 90));
    install_.AddArchiveEntry("Badges\\Ger\\Badge74\\club.tga", TinyTga(40, 50, 60), true);
    install_.OpenArchive(archive_);
    const CBadgeSources sources(install_.Folder(), &archive_);

    DibImage image;
    ASSERT_TRUE(sources.LoadBadgeImage(kBadge, image));
    ASSERT_EQ(image.bytes.size(), 58u);
    EXPECT_EQ(image.bytes[54], 10);
    EXPECT_EQ(image.bytes[56], 30);

    // Only in the archive, stored packed: unpacked before decoding.
    ASSERT_TRUE(sources.LoadBadgeImage("Ger\\Badge74\\club.tga", image));
    EXPECT_EQ(image.bytes[54], 40);
    EXPECT_EQ(image.bytes[56], 60);
    EXPECT_TRUE(prompt_.Calls().empty());
}

TEST_F(BadgeSourcesTest, MissingBadgeGivesNoPictureAndTheArchiveMessage) {
    install_.AddArchiveEntry("Badges\\Ger\\Badge180\\other.tga", TinyTga(1, 1, 1));
    install_.OpenArchive(archive_);
    const CBadgeSources sources(install_.Folder(), &archive_);
    DibImage image;
    EXPECT_FALSE(sources.LoadBadgeImage("Ger\\Badge180\\none.tga", image));
    EXPECT_TRUE(image.Empty());
    ASSERT_EQ(prompt_.Calls().size(), 1u);
    EXPECT_NE(prompt_.Calls()[0].text.find("Badges\\Ger\\Badge180\\none.tga"), std::string::npos);

    // An empty name asks nobody.
    EXPECT_FALSE(sources.LoadBadgeImage("", image));
    EXPECT_EQ(prompt_.Calls().size(), 1u);
}

TEST_F(BadgeSourcesTest, WholeFileReadIsBounded) {
    install_.AddDiskFile("empty.tga", "");
    std::vector<uint8_t> bytes{1};
    EXPECT_TRUE(CBadgeSources::ReadWholeFile(install_.Folder() + "/empty.tga", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(CBadgeSources::ReadWholeFile(install_.Folder() + "/none.tga", bytes));
    EXPECT_FALSE(CBadgeSources::ReadWholeFile(install_.Folder(), bytes)); // a folder
}

} // namespace
} // namespace tallo
