#include "gamedb/club_export_numbering.h"

#include <gtest/gtest.h>

#include "gamedb/master_build_context.h"
#include "world/club.h"
#include "world/country.h"
#include "world/stadium.h"
#include "world/world.h"

namespace tallo {
namespace {

class ClubExportNumberingTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_.LoadCountryList("/nonexistent/countries.sav");
        CCountry& country = *world_.GetCountry(9);
        for (int i = 1; i <= 5; ++i) {
            country.CreateClub("Club");
        }
        country.RemoveClub(ClubId::Make(9, 2));
        numbering_.Build(world_);
    }

    CWorld world_;
    ClubExportNumbering numbering_;
};

TEST_F(ClubExportNumberingTest, ClubsAreNumberedInIdOrderWithoutGaps) {
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 1)), 1);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 2)), 0);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 3)), 2);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 5)), 4);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 5) | ClubId::kSecondTeamBit), 4);
    // The national team gets no index.
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 0xFFFF)), 0);
    // Numbers past the highest club, and references with bits above the second-team bit,
    // name no club.
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 6)), 0);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 0xFFFE)), 0);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 5) | 0x02000000u), 0);
    EXPECT_EQ(numbering_.Index(ClubId::Make(9, 5) | 0x80000000u), 0);
}

TEST_F(ClubExportNumberingTest, GameReferencesKeepTheSecondTeamAndDropWhatIsGone) {
    EXPECT_EQ(numbering_.GameReference(ClubId::Make(9, 4)), (9u << 16) | 3u);
    EXPECT_EQ(numbering_.GameReference(ClubId::Make(9, 4) | ClubId::kSecondTeamBit),
              (9u << 16) | 3u | ClubId::kSecondTeamBit);
    // A removed club, a club of an empty country, no club at all.
    EXPECT_EQ(numbering_.GameReference(ClubId::Make(9, 2)), 0u);
    EXPECT_EQ(numbering_.GameReference(ClubId::Make(10, 1)), 0u);
    EXPECT_EQ(numbering_.GameReference(0), 0u);
    // Low bits 0xFFFF are written as they are, whatever the country byte says.
    EXPECT_EQ(numbering_.GameReference(ClubId::Make(9, 0xFFFF)), ClubId::Make(9, 0xFFFF));
    EXPECT_EQ(numbering_.GameReference(0x00FFFFFFu), 0x00FFFFFFu);
    // Country bytes outside 1-206 lead nowhere.
    EXPECT_EQ(numbering_.GameReference((207u << 16) | 1u), 0u);
    EXPECT_EQ(numbering_.GameReference(0xFF0001u), 0u);
}

TEST_F(ClubExportNumberingTest, StadiumReferencesMustLeadToAStadiumCountOfTheirCountry) {
    CCountry& country = *world_.GetCountry(9);
    country.stadiums.Add(Stadium{});
    country.stadiums.Add(Stadium{});
    NameStore names;
    ConsoleTextSink text;
    BuildRandom random;
    MasterBuildServices services;
    MasterBuildContext context{world_, 0, 0, names, text, numbering_, random, services};
    EXPECT_EQ(context.GameStadiumReference((9u << 16) | 2u), (9u << 16) | 2u);
    EXPECT_EQ(context.GameStadiumReference((9u << 16) | 3u), 0u);
    EXPECT_EQ(context.GameStadiumReference((10u << 16) | 1u), 0u);
    EXPECT_EQ(context.GameStadiumReference((0u << 16) | 1u), 0u);
    EXPECT_EQ(context.GameStadiumReference((207u << 16) | 1u), 0u);
}

} // namespace
} // namespace tallo
