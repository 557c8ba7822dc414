#include <gtest/gtest.h>

#include <string>

#include "formats/kl_file.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"
#include "world/world_test_support.h"

namespace tallo {
namespace {

// A hand-checked country file: one club with one player, the national team, one record of each
// list (a stadium removed before the save, so that the stadium references are positions), an
// additional manager, a pool entry, every setting away from its default and notes of two lines.
// The country has no competition tree.
class CountryGoldenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteCountryList(dir_ / "countries.sav");
        world_.LoadCountryList(dir_ / "countries.sav");
        golden_ = test::ReadFile(test::FixturePath("world/Country3.sav"));
        ASSERT_FALSE(golden_.empty());
    }

    test::TempDir dir_;
    CWorld world_;
    std::string golden_;
};

TEST_F(CountryGoldenTest, GoldenFileReadsIntoTheCountryItDescribes) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(test::FixturePath("world/Country3.sav")));
    CCountry& country = *world_.GetCountry(3);
    ASSERT_TRUE(country.Load(file));

    ASSERT_EQ(country.GetClubCount(), 2u);
    const CClub* club = country.FindClub(ClubId::Make(3, 1));
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->Name(2), "Rovers");
    EXPECT_EQ(club->MainStadium(), 1u);
    EXPECT_EQ(club->FriendlyClub(), 0x3FFFFu);
    ASSERT_EQ(club->PlayerCount(), 1u);
    EXPECT_EQ(world_.FindPlayer(club->PlayerId(0))->Surname(), "Miller");
    EXPECT_EQ(country.NationalTeam()->Name(1), "Pays3");

    EXPECT_EQ(country.referees.Find(1)->name.Surname(), "Pfeife");
    EXPECT_EQ(country.sponsors.Find(1)->value, 7);
    EXPECT_EQ(country.staff.Find(1)->level, 2);
    ASSERT_EQ(country.stadiums.Count(), 1u);
    EXPECT_EQ(country.stadiums.Find(1)->Name(), "New Arena");
    EXPECT_EQ(country.nationalStadium, 1u);
    ASSERT_EQ(country.AdditionalManagers().size(), 1u);
    EXPECT_EQ(world_.FindPlayer(*country.AdditionalManagers().begin())->Surname(), "Candidate");
    EXPECT_EQ(country.PlayerPool()[0].favouriteClub, static_cast<int32_t>(ClubId::Make(3, 1)));
    EXPECT_EQ(country.PlayerPool().size(), 2u * CCountry::kPoolEntriesPerClub);

    EXPECT_EQ(country.AssociationName(), "FA3");
    EXPECT_EQ(country.languageShares[0], 80);
    EXPECT_EQ(country.leagueCardRule, 0x81);
    EXPECT_EQ(country.endLeagueIndex[1], 3);
    EXPECT_EQ(country.foreignPlayerRules[0], 2);
    EXPECT_EQ(country.relegationRules[0], 3);
    EXPECT_EQ(country.leagueCupMode, 0x10007u);
    EXPECT_EQ(country.valuesM[5], 65535);
    EXPECT_EQ(country.nationalCoach.birthDate, GameDate::FromDate(1955, 5, 17));
    EXPECT_EQ(country.allowedFaceTypes, 0x3FFFFFFu);
    EXPECT_EQ(country.worldTitles, 1);
    EXPECT_EQ(country.continentalRunnerUps, 3);
    EXPECT_EQ(country.notes, "Founded long ago.\r\nSecond line.");
    // Not stored in the country file: these stay as countries.sav gave them.
    EXPECT_EQ(country.Name(0), "Land3");
    EXPECT_EQ(country.continent, 3u);
}

TEST_F(CountryGoldenTest, GoldenFileIsWrittenBackByteForByte) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(test::FixturePath("world/Country3.sav")));
    CCountry& country = *world_.GetCountry(3);
    ASSERT_TRUE(country.Load(file));
    file.Close();

    world_.BuildClubRenumbering();
    CKLFile out;
    ASSERT_TRUE(out.OpenForWrite(dir_ / "Country3.sav"));
    ASSERT_TRUE(country.Save(out));
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(test::ReadFile(dir_ / "Country3.sav"), golden_);
}

} // namespace
} // namespace tallo
