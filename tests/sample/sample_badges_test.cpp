// The sample's badges: the wrong-badge list names exactly the clubs the sample left
// incomplete; every other badge loads in all four sizes from the badge folder, the archive
// or both; the archive opens and every entry reads; a new sample leaves no picture of an
// earlier one behind.

#include <gtest/gtest.h>

#include <set>

#include "assets/badge_names.h"
#include "assets/badge_wrong_report.h"
#include "assets/tga_to_bmp.h"
#include "assets/vantor_big.h"
#include "mapping/global_tools.h"
#include "platform/code_page.h"
#include "sample_badges.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::LoadSampleWorld;
using test::SharedSmallSample;

// Every club of the world with a badge name that has a size folder.
std::vector<const CClub*> ClubsWithSizedBadges(const CWorld& world) {
    std::vector<const CClub*> clubs;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (HasBadge180(club->BadgeFile())) {
                clubs.push_back(club.get());
            }
        }
    }
    return clubs;
}

std::vector<std::string> WrongBadges(const std::string& install, const CWorld& world) {
    CGlobalTools tools;
    EXPECT_TRUE(tools.Start(install));
    EXPECT_TRUE(tools.BadgeArchive().IsOpen());
    return CheckWrongBadges(world, tools.BadgeSources());
}

TEST(SampleBadges, WrongBadgeListNamesExactlyTheClubsLeftIncomplete) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    const std::vector<uint32_t>& incomplete = sample.files.incompleteBadges;
    ASSERT_EQ(incomplete.size(), 4u);

    const std::vector<std::string> texts = WrongBadges(sample.folder, *world);
    ASSERT_EQ(texts.size(), incomplete.size());
    // The list runs in club order, as the incomplete clubs are listed.
    for (size_t i = 0; i < incomplete.size(); ++i) {
        const CClub* club = world->FindClub(incomplete[i]);
        ASSERT_NE(club, nullptr);
        EXPECT_NE(texts[i].find(ToUtf8(club->Name(world->Language()), ActiveCodePage())),
                  std::string::npos)
            << texts[i];
        EXPECT_NE(texts[i].find(std::string(club->BadgeFile())), std::string::npos) << texts[i];
    }
    // Every other club with a badge has it complete; most clubs have one.
    const std::vector<const CClub*> badged = ClubsWithSizedBadges(*world);
    EXPECT_EQ(badged.size(), sample.files.completeBadges + incomplete.size());
    size_t clubs = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t ordinary = world->GetCountry(number)->GetOrdinaryClubCount();
        clubs += ordinary + (ordinary > 0 ? 1 : 0); // and the national team
    }
    EXPECT_GE(badged.size() * 100, clubs * 85);
}

TEST(SampleBadges, EveryCompleteBadgeLoadsInAllFourSizes) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    CGlobalTools tools;
    tools.Start(sample.folder);
    const CBadgeSources sources = tools.BadgeSources();
    const std::set<uint32_t> incomplete(sample.files.incompleteBadges.begin(),
                                        sample.files.incompleteBadges.end());

    int onDiskOnly = 0;
    int inArchiveOnly = 0;
    int split = 0;
    int checked = 0;
    for (const CClub* club : ClubsWithSizedBadges(*world)) {
        const std::string name(club->BadgeFile());
        if (incomplete.count(club->Id()) != 0) {
            EXPECT_FALSE(sources.CheckBadge(name)) << name;
            continue;
        }
        EXPECT_TRUE(sources.CheckBadge(name)) << name;
        int disk = 0;
        int archive = 0;
        for (int size : kBadgeSizes) {
            const std::string sized = BadgeNameForSize(name, size);
            disk += sources.ExistsOnDisk(sized) ? 1 : 0;
            archive += sources.ExistsInArchive(sized) ? 1 : 0;
            DibImage image;
            ASSERT_TRUE(sources.LoadBadgeImage(sized, image)) << sized;
            EXPECT_EQ(image.width, static_cast<uint32_t>(size)) << sized;
            EXPECT_EQ(image.height, static_cast<uint32_t>(size)) << sized;
            // The dark ground in the corner, the shield in the middle.
            const size_t corner = image.PixelOffset(0, 0);
            EXPECT_EQ(image.bytes[corner], 24) << sized;
            EXPECT_EQ(image.bytes[corner + 2], 16) << sized;
            const size_t middle =
                image.PixelOffset(static_cast<uint32_t>(size / 4), static_cast<uint32_t>(size / 3));
            EXPECT_FALSE(image.bytes[middle] == 24 && image.bytes[middle + 1] == 16 &&
                         image.bytes[middle + 2] == 16)
                << sized;
        }
        onDiskOnly += disk == 4 && archive == 0 ? 1 : 0;
        inArchiveOnly += archive == 4 && disk == 0 ? 1 : 0;
        split += disk > 0 && disk < 4 && archive > 0 ? 1 : 0;
        ++checked;
    }
    EXPECT_EQ(static_cast<size_t>(checked), sample.files.completeBadges);
    EXPECT_GT(onDiskOnly, 0);
    EXPECT_GT(inArchiveOnly, 0);
    EXPECT_GT(split, 0);
}

TEST(SampleBadges, BadgeArchiveOpensAndEveryEntryReads) {
    const test::SharedSample& sample = SharedSmallSample();
    CVantorBig archive;
    ASSERT_TRUE(archive.Open(sample.folder + "/badges.big", true));
    ASSERT_EQ(static_cast<size_t>(archive.GetCount()), sample.files.badgeEntries);
    ASSERT_GT(archive.GetCount(), 100);
    int packed = 0;
    int capitals = 0;
    for (int i = 0; i < archive.GetCount(); ++i) {
        const std::string name = archive.GetEntry(i).name;
        std::string relative;
        ASSERT_TRUE(StripBadgeArchivePrefix(name, relative)) << name;
        ASSERT_TRUE(HasTgaEnding(name)) << name;
        // The size from the folder name "Badge<size>".
        const size_t folder = BadgeTextFind(name, "\\Badge");
        ASSERT_NE(folder, std::string::npos) << name;
        const int size = std::atoi(name.c_str() + folder + 6);
        packed += archive.GetEntry(i).unpackedSize > 0 ? 1 : 0;
        capitals += name.find("BADGES\\") == 0 ? 1 : 0;
        EXPECT_EQ(archive.FindEntry(name), i) << name;

        std::vector<uint8_t> data;
        ASSERT_TRUE(archive.ReadEntry(i, data, true)) << name;
        DibImage image;
        ASSERT_TRUE(TgaToBmp(data.data(), data.size(), image)) << name;
        EXPECT_EQ(image.width, static_cast<uint32_t>(size)) << name;
    }
    EXPECT_GT(packed, 0);
    EXPECT_LT(packed, archive.GetCount());
    EXPECT_GT(capitals, 0);
}

TEST(SampleBadges, ANewSampleLeavesNoPictureOfAnEarlierOneBehind) {
    test::TempDir reused;
    test::TempDir fresh;
    test::WriteSampleFiles(reused.Path(), sample::SampleScale::kSmall, 2);
    const sample::SampleFileSummary files =
        test::WriteSampleFiles(reused.Path(), sample::SampleScale::kSmall, 3);
    test::WriteSampleFiles(fresh.Path(), sample::SampleScale::kSmall, 3);

    const auto reusedBadges = test::ReadTreeFiles(reused / "badges");
    const auto freshBadges = test::ReadTreeFiles(fresh / "badges");
    EXPECT_EQ(reusedBadges.size(), files.badgeFiles);
    EXPECT_TRUE(reusedBadges == freshBadges);
    const auto world = LoadSampleWorld(reused.Path());
    EXPECT_EQ(WrongBadges(reused.Path(), *world).size(), files.incompleteBadges.size());
}

} // namespace
} // namespace tallo
