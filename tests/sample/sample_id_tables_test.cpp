// The sample's ID tables of the other game: each loads, and the mappings find exactly the
// clubs and players the sample listed, with the IDs and faces it gave them, and miss every
// other club and player.

#include <gtest/gtest.h>

#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"
#include "mapping/world_walk.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::LoadSampleWorld;
using test::SharedSmallSample;

int32_t Expected(const std::map<uint32_t, int32_t>& expected, uint32_t id) {
    const auto found = expected.find(id);
    return found == expected.end() ? 0 : found->second;
}

TEST(SampleIdTables, ClubTableFindsTheListedClubsAndMissesTheOthers) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    CZeloClubMapping clubs;
    ASSERT_TRUE(clubs.Load(sample.folder + "/database/ZELO_ClubIDs.txt"));
    // Every line is kept but the one with column 1 = 400 and the first of the club listed
    // twice; the name ending in "S.A.D." is kept without it.
    EXPECT_EQ(clubs.Records().size() + 2, sample.files.clubIdLines);
    for (const auto& [name, record] : clubs.Records()) {
        EXPECT_FALSE(name.ends_with("S.A.D.")) << name;
        EXPECT_LE(record.description.size(), CZeloClubMapping::kDescriptionLength);
    }

    const ClubMappingResult result = clubs.MapClubIds(*world, std::string(), true);
    int clubCount = 0;
    ForEachClub(*world, true, [&](CClub& club) {
        const int32_t want = Expected(sample.files.clubZeloIds, club.Id());
        EXPECT_EQ(club.ColourEntry(), want) << club.Name(0);
        EXPECT_EQ(club.Kit().colourEntry, want) << club.Name(0);
        ++clubCount;
    });
    EXPECT_EQ(static_cast<size_t>(result.success), sample.files.clubZeloIds.size());
    EXPECT_EQ(result.failure, clubCount - result.success);
    EXPECT_GT(result.success, clubCount / 2);
    EXPECT_GT(result.failure, 0);

    // One record for no club; one found twice, by the short name two clubs share.
    int unused = 0;
    int usedTwice = 0;
    for (const auto& [name, record] : clubs.Records()) {
        unused += record.usageCount == 0 ? 1 : 0;
        usedTwice += record.usageCount == 2 ? 1 : 0;
        EXPECT_LE(record.usageCount, 2) << name;
    }
    EXPECT_EQ(unused, 1);
    EXPECT_EQ(usedTwice, 1);
}

TEST(SampleIdTables, PlayerTableFindsTheListedPlayersAndMissesTheOthers) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    CZeloPlayerMapping players;
    ASSERT_TRUE(players.Load(sample.folder + "/database/ZELO_PlayerIDs.txt"));
    EXPECT_EQ(players.Records().size(), sample.files.playerIdRecords);
    EXPECT_EQ(players.DoubleNames().size(), 1u);
    EXPECT_TRUE(players.DoubleNicks().empty());

    int foundByName = 0;
    int foundOtherwise = 0;
    int missed = 0;
    ForEachClubPlayer(*world, [&](CPlayer& player) {
        const int32_t want = Expected(sample.files.playerZeloIds, player.Id());
        EXPECT_EQ(players.FindZeloId(player), want)
            << player.FirstName() << " " << player.Surname();
        if (want == 0) {
            ++missed;
        } else if (players.FindRecordByName(player) != nullptr) {
            ++foundByName;
        } else {
            ++foundOtherwise;
        }
    });
    EXPECT_GT(foundByName, 100);
    EXPECT_EQ(foundOtherwise, 1); // by his pseudonym, under a name nobody has
    EXPECT_GT(missed, foundByName);
    // Besides one record for each player found: the second record of the name given twice
    // and three players the database does not hold.
    EXPECT_EQ(sample.files.playerZeloIds.size() + 1 + 3, players.Records().size());

    const PlayerMappingResult result = players.MapPlayerIds(*world, std::string(), true);
    EXPECT_EQ(static_cast<size_t>(result.success), sample.files.playerZeloIds.size());
}

TEST(SampleIdTables, StarHeadsGiveTheListedPlayersTheirConsoleFaces) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    const std::string text = test::ReadFile(sample.folder + "/database/ZELO2003_StarHeads.txt");
    CStarHeads heads;
    ASSERT_TRUE(heads.Load(sample.folder + "/database/ZELO2003_StarHeads.txt"));
    EXPECT_EQ(heads.Records().size(), sample.files.starHeadLines);
    EXPECT_EQ(sample.files.consoleFaces.size(), 30u);

    int keepers = 0;
    ForEachClubPlayer(*world, [&](CPlayer& player) {
        const int32_t want = Expected(sample.files.consoleFaces, player.Id());
        const StarHeadRecord* record = heads.Find(player);
        EXPECT_EQ(record == nullptr ? 0 : record->faceNumber, want) << player.Surname();
        if (want != 0 && player.MainPosition() == CPlayer::kGK) {
            // The file marks keepers; the mark is no part of the name.
            const std::string line =
                std::string(player.FirstName()) + " " + std::string(player.Surname()) + " (GK)\t";
            EXPECT_NE(text.find(line), std::string::npos) << line;
            ++keepers;
        }
    });
    EXPECT_GT(keepers, 0);
    const ConsoleFaceResult result = heads.MapConsoleFaces(*world, std::string());
    EXPECT_EQ(static_cast<size_t>(result.found), sample.files.consoleFaces.size());
}

TEST(SampleIdTables, FaceTableGivesTheNamedPlayersTheirSpecialFaces) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    PerLanguageTables tables;
    ASSERT_TRUE(tables.Load(sample.folder + "/database", LoadString(799)));
    CGlobalTools tools;
    const FaceMappingResult result = tools.MapFaces(*world, tables.Faces(), std::string(), true);
    int faces = 0;
    ForEachClubPlayer(*world, [&](CPlayer& player) {
        const int32_t want = Expected(sample.files.specialFaces, player.Id());
        EXPECT_EQ(player.SpecialFace(), want) << player.Surname();
        faces += want != 0 ? 1 : 0;
    });
    EXPECT_EQ(static_cast<size_t>(faces), sample.files.specialFaces.size());
    EXPECT_EQ(sample.files.specialFaces.size(), 24u);
    EXPECT_EQ(static_cast<size_t>(result.successful), sample.files.specialFaces.size());
    // The two faces of players the database does not hold.
    EXPECT_EQ(result.unmapped, 2);
    EXPECT_EQ(result.overmapped, 0);
}

} // namespace
} // namespace tallo
