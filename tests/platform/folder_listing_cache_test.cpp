#include "platform/folder_listing_cache.h"

#include "platform/path_resolver.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallo {
namespace {

using test::TempDir;
using test::WriteFile;

// With a cache in charge, every path resolves and exists exactly as without one: exact
// spellings, other spellings, the smallest of several, umlauts, missing files and folders.
TEST(FolderListingCacheTest, ResolvesEveryPathAsWithoutTheCache) {
    TempDir dir;
    WriteFile(dir / "Badges/ARC/Badge14/national.tga", "n");
    WriteFile(dir / "Badges/ARC/Badge14/Club_5.tga", "c");
    WriteFile(dir / "Badges/ARC/Badge14/cC.tga", "1");
    WriteFile(dir / "Badges/ARC/Badge14/Cc.tga", "2");
    WriteFile(dir / "Badges/ARC/Badge14/M\xC3\x9CNCHEN.tga", "m");
    WriteFile(dir / "Badges/ARC/Badge48/x.tga", "x");
    const std::vector<std::string> paths = {
        dir / "Badges/ARC/Badge14/national.tga",
        dir / "Badges/ARC/Badge14/NATIONAL.TGA",
        dir / "Badges/ARC/Badge14/club_5.tga",
        dir / "Badges/ARC/Badge14/club_6.tga",
        dir / "Badges/ARC/Badge14/cC.tga",
        dir / "Badges/ARC/Badge14/cc.tga",
        dir / "Badges/ARC/Badge14/CC.TGA",
        dir / "Badges/ARC/Badge14/m\xC3\xBCnchen.tga",
        dir / "badges/arc/badge48/X.TGA",
        dir / "Badges/ARC/Badge74/x.tga",
        dir / "Badges/NOPE/Badge14/x.tga",
        dir / "Badges/ARC/Badge14",
        dir / "Badges/ARC/Badge14/national.tga/x",
        dir / "badges/arc/BADGE48",
        dir / "Badges/ARC/Badge99",
    };
    std::vector<std::string> plain;
    std::vector<bool> plainExists;
    std::vector<bool> plainFolders;
    for (const std::string& path : paths) {
        plain.push_back(ResolvePath(path));
        plainExists.push_back(FileExists(path));
        plainFolders.push_back(FolderExists(path));
    }
    const FolderListingCache cache;
    for (int round = 0; round < 2; ++round) { // the second round answers from the listings
        for (size_t i = 0; i < paths.size(); ++i) {
            EXPECT_EQ(ResolvePath(paths[i]), plain[i]) << paths[i];
            EXPECT_EQ(FileExists(paths[i]), plainExists[i]) << paths[i];
            EXPECT_EQ(FolderExists(paths[i]), plainFolders[i]) << paths[i];
        }
    }
    EXPECT_EQ(ResolvePath(dir / "Badges/ARC/Badge14/cc.tga"), dir / "Badges/ARC/Badge14/Cc.tga");
}

TEST(FolderListingCacheTest, ListsEachFolderOnceAndAnswersForItsMissingNames) {
    TempDir dir;
    WriteFile(dir / "Badges/ARC/Badge14/national.tga", "n");
    const FolderListingCache cache;
    for (int club = 0; club < 50; ++club) {
        const std::string name = "club_" + std::to_string(club) + ".tga";
        EXPECT_FALSE(FileExists(dir / ("Badges/ARC/Badge14/" + name)));
        EXPECT_EQ(ResolvePath(dir / ("Badges/ARC/Badge14/" + name)),
                  dir / ("Badges/ARC/Badge14/" + name));
    }
    EXPECT_EQ(cache.ListedFolders(), 1u);
    bool listed = true;
    EXPECT_FALSE(
        FolderListingCache::Current()->FindSpelling(dir / "Badges/NOPE", "x.tga", &listed));
    EXPECT_FALSE(listed);
}

TEST(FolderListingCacheTest, TheOutermostCacheStaysInCharge) {
    EXPECT_EQ(FolderListingCache::Current(), nullptr);
    {
        const FolderListingCache outer;
        {
            const FolderListingCache inner;
            EXPECT_EQ(FolderListingCache::Current(), &outer);
        }
        EXPECT_EQ(FolderListingCache::Current(), &outer);
    }
    EXPECT_EQ(FolderListingCache::Current(), nullptr);
}

} // namespace
} // namespace tallo
