#include "assets/badge.h"

#include "badge_test_support.h"
#include "world/club.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::BadgeInstallation;
using test::TinyTga;
using Bytes = std::vector<uint8_t>;

Bytes Payload(const std::string& name, const std::string& file) {
    Bytes payload(name.begin(), name.end());
    payload.push_back(0);
    payload.insert(payload.end(), file.begin(), file.end());
    return payload;
}

TEST(BadgeTest, OneChunkPerSizeFoundInSizeOrder) {
    BadgeInstallation install;
    install.AddDiskFile("Ger\\Badge14\\CLUB.TGA", TinyTga(14, 0, 0));
    install.AddDiskFile("Ger\\Badge180\\club.tga", TinyTga(180, 0, 0)); // names match in any case
    install.AddDiskFile("Ger\\badge74\\Club.tga", TinyTga(74, 0, 0));

    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("Ger\\Badge180\\club.tga"));
    CBadge badge;
    ASSERT_TRUE(badge.SetFromClub(install.Folder(), club));
    EXPECT_EQ(badge.Pattern(), "GER/Badge%d/CLUB.TGA");

    const std::vector<BadgeChunk> chunks = badge.BuildChunks();
    ASSERT_EQ(chunks.size(), 3u); // size 48 is missing and skipped
    EXPECT_EQ(chunks[0].size, 180);
    EXPECT_EQ(chunks[1].size, 74);
    EXPECT_EQ(chunks[2].size, 14);
    EXPECT_EQ(chunks[0].name, "GER/Badge180/CLUB.TGA");
    EXPECT_EQ(chunks[0].payload, Payload("GER/Badge180/CLUB.TGA", TinyTga(180, 0, 0)));
    EXPECT_EQ(chunks[2].payload, Payload("GER/Badge14/CLUB.TGA", TinyTga(14, 0, 0)));

    std::vector<std::string> tags;
    std::vector<Bytes> payloads;
    bool ok = false;
    const size_t handed = badge.Export(
        [&](std::string_view tag, const Bytes& payload) {
            tags.emplace_back(tag);
            payloads.push_back(payload);
            return true;
        },
        &ok);
    EXPECT_EQ(handed, 3u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(tags, (std::vector<std::string>(3, "BADG")));
    EXPECT_EQ(payloads[1], chunks[1].payload);

    bool refused = true;
    badge.Export([](std::string_view, const Bytes&) { return false; }, &refused);
    EXPECT_FALSE(refused);
}

TEST(BadgeTest, PatternsFromFilesAreNeverFormats) {
    BadgeInstallation install;
    install.AddDiskFile("%s%n\\Badge48\\%x.tga", "pic");
    CBadge badge;
    ASSERT_TRUE(badge.Set(install.Folder(), "%s%n/Badge%d/%x.tga"));
    const std::vector<BadgeChunk> chunks = badge.BuildChunks();
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].name, "%s%n/Badge48/%x.tga");
}

TEST(BadgeTest, APatternWithoutSizeIsExportedOnce) {
    BadgeInstallation install;
    install.AddDiskFile("Ger\\club.tga", "pic");
    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("Ger\\club.tga"));
    CBadge badge;
    ASSERT_TRUE(badge.SetFromClub(install.Folder(), club));
    const std::vector<BadgeChunk> chunks = badge.BuildChunks();
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].payload, Payload("GER/CLUB.TGA", "pic"));
}

TEST(BadgeTest, NothingLeavesTheBadgeFolder) {
    BadgeInstallation install;
    install.AddDiskFile("secret.txt", "private");
    CBadge badge;
    ASSERT_TRUE(badge.Set(install.Folder() + "/Ger", "../secret.txt"));
    EXPECT_TRUE(badge.BuildChunks().empty());
    ASSERT_TRUE(badge.Set(install.Folder(), install.Folder() + "/secret.txt"));
    EXPECT_TRUE(badge.BuildChunks().empty());
}

TEST(BadgeTest, TextsMustFitTheirFields) {
    CBadge badge;
    EXPECT_TRUE(badge.Set(std::string(259, 'f'), std::string(259, 'p')));
    EXPECT_FALSE(badge.Set(std::string(260, 'f'), "p"));
    EXPECT_FALSE(badge.Set("f", std::string(260, 'p')));
    EXPECT_EQ(badge.Folder(), std::string(259, 'f'));

    CClub noBadge;
    EXPECT_FALSE(badge.SetFromClub("f", noBadge));
    CBadge empty;
    EXPECT_TRUE(empty.BuildChunks().empty());
}

} // namespace
} // namespace tallo
