// The stadium list page's model: the rows, the limit of 500 stadiums, a deletion that clears
// every reference to the stadium (clubs, national stadium, final venues) instead of leaving it
// to lead to another stadium after a save, and new and delete through the country editor's
// open change, undone and redone.

#include "editing/records/stadium_list_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/country/country_edit_context.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::SavedBytes;

Stadium Named(const char* name, int32_t seats) {
    Stadium stadium;
    stadium.SetName(name);
    stadium.SetCity("Town");
    stadium.seats[Stadium::kMainStand] = seats;
    return stadium;
}

class StadiumListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        context_.world = &world_;
        context_.country = kCountry;
        country_.SetName(0, "Land");
    }

    static constexpr int kCountry = 12;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    CountryEditContext context_;
};

TEST_F(StadiumListModelTest, RowsShowNameCityAndTheTotalWithDots) {
    country_.stadiums.Add(Named("Arena", 22500));
    country_.stadiums.Add(Named("", 950));
    StadiumListModel model(context_);
    ASSERT_EQ(model.Rows().size(), 2u);
    EXPECT_EQ(model.Rows()[0].key, 1u);
    EXPECT_EQ(model.Rows()[0].name, "Arena");
    EXPECT_EQ(model.Rows()[0].city, "Town");
    EXPECT_EQ(model.Rows()[0].capacity, "22.500");
    EXPECT_FALSE(model.Rows()[1].name.empty()); // a stadium without a name is still shown
    EXPECT_EQ(model.Rows()[1].capacity, "950");

    ASSERT_TRUE(model.Replace(2, Named("Park", 1000)));
    EXPECT_EQ(model.Rows()[1].name, "Park");
    EXPECT_FALSE(model.Replace(3, Named("Nowhere", 1)));
}

TEST_F(StadiumListModelTest, TheCountryHoldsAtMost500Stadiums) {
    StadiumListModel model(context_);
    for (size_t i = 0; i < kMaxStadiums - 1; ++i) {
        country_.stadiums.Add(Named("S", 1));
    }
    EXPECT_TRUE(model.CanAdd());
    EXPECT_EQ(model.Add(Named("Last", 1)), kMaxStadiums);
    EXPECT_FALSE(model.CanAdd());
    EXPECT_EQ(model.Add(Named("One too many", 1)), 0u);
    EXPECT_EQ(model.Count(), kMaxStadiums);
    ASSERT_EQ(model.Rows().size(), kMaxStadiums);
    // A deletion makes room, and the next stadium takes the freed key.
    ASSERT_TRUE(model.Delete(7));
    EXPECT_TRUE(model.CanAdd());
    EXPECT_EQ(model.Add(Named("Again", 1)), 7u);
}

TEST_F(StadiumListModelTest, DeleteClearsEveryReferenceToTheStadiumAndNoOther) {
    const uint32_t kept = country_.stadiums.Add(Named("Kept", 100));
    const uint32_t gone = country_.stadiums.Add(Named("Gone", 100));
    CClub* home = country_.CreateClub("Home");
    CClub* guest = country_.CreateClub("Guest");
    CClub* other = country_.CreateClub("Other");
    ASSERT_NE(home, nullptr);
    ASSERT_NE(guest, nullptr);
    ASSERT_NE(other, nullptr);
    home->SetMainStadium(gone);
    guest->SetMainStadium(kept);
    guest->SetAlternativeStadium(gone);
    other->SetMainStadium(kept);
    country_.nationalStadium = gone;
    const uint32_t here = (static_cast<uint32_t>(kCountry) << 16) | gone;
    const uint32_t abroad = (static_cast<uint32_t>(kCountry + 1) << 16) | gone;
    world_.Rules().SetStadiumReference(0, here);
    world_.Rules().SetStadiumReference(1, abroad);

    StadiumListModel model(context_);
    EXPECT_FALSE(model.DeleteQuestion(kept).empty()); // two clubs play there
    const StadiumListModel::References references = model.ReferencesTo(gone);
    EXPECT_EQ(references.clubs, 2);
    EXPECT_TRUE(references.national);
    EXPECT_EQ(references.finals, 1);
    const std::string question = model.DeleteQuestion(gone);
    EXPECT_NE(question.find("Gone"), std::string::npos) << question;
    EXPECT_NE(question.find(": 2."), std::string::npos) << question;

    ASSERT_TRUE(model.Delete(gone));
    EXPECT_FALSE(country_.stadiums.Contains(gone));
    EXPECT_EQ(home->MainStadium(), 0u);
    EXPECT_EQ(guest->MainStadium(), kept);
    EXPECT_EQ(guest->AlternativeStadium(), 0u);
    EXPECT_EQ(other->MainStadium(), kept);
    EXPECT_EQ(country_.nationalStadium, 0u);
    EXPECT_EQ(world_.Rules().StadiumReference(0), 0u);
    EXPECT_EQ(world_.Rules().StadiumReference(1), abroad); // another country's stadium
    EXPECT_FALSE(model.Delete(gone));
    EXPECT_TRUE(StadiumListModel(context_).DeleteQuestion(99).empty());
}

class StadiumListJournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        CWorld& world = session_->World();
        // The country with the most stadiums and a club playing in one that is not the first
        // (a reference left to a deleted first stadium would read back as none by chance).
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            CCountry& country = *world.GetCountry(number);
            if (country.stadiums.Count() > (country_ ? country_->stadiums.Count() : 2u)) {
                country_ = &country;
            }
        }
        ASSERT_NE(country_, nullptr);
        for (const auto& [id, club] : country_->Clubs()) {
            if (club->MainStadium() > 1 && club->MainStadium() != country_->nationalStadium &&
                !ClubId::IsNationalTeam(id)) {
                homeClub_ = id;
                break;
            }
        }
        ASSERT_NE(homeClub_, 0u);
        context_.world = &world;
        context_.country = static_cast<int>(country_->Number());
        context_.prompt = &harness_.prompt;
    }

    // The names of the main stadiums of the country's clubs in club order ("" for none).
    static std::vector<std::string> HomeNames(const CCountry& country) {
        std::vector<std::string> names;
        for (const auto& [id, club] : country.Clubs()) {
            const Stadium* stadium = country.stadiums.Find(club->MainStadium());
            names.push_back(stadium != nullptr ? std::string(stadium->Name()) : std::string());
        }
        return names;
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CCountry* country_ = nullptr;
    uint32_t homeClub_ = 0;
    CountryEditContext context_;
};

TEST_F(StadiumListJournalTest, NewAndDeleteAreUndoneAndRedoneToTheSavedBytes) {
    CWorld& world = session_->World();
    const auto before = SavedBytes(world);
    const uint32_t doomed = country_->FindClub(homeClub_)->MainStadium();
    world.Rules().SetStadiumReference(2, (static_cast<uint32_t>(context_.country) << 16) | doomed);
    const auto withVenue = SavedBytes(world);

    auto change = session_->Journal().Begin("country.change");
    change->IncludeCountry(context_.country);
    context_.change = change.get();
    StadiumListModel model(context_);
    const uint32_t added = model.Add(Named("Brand new", 5000));
    ASSERT_NE(added, 0u);
    ASSERT_TRUE(model.Delete(doomed));
    change->Commit();
    EXPECT_EQ(world.Rules().StadiumReference(2), 0u);
    const auto after = SavedBytes(world);
    EXPECT_FALSE(after == withVenue);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(world) == withVenue);
    EXPECT_NE(world.Rules().StadiumReference(2), 0u);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(world) == after);
    EXPECT_FALSE(before == after);

    // Saved and read again, the club of the deleted stadium has none, and every other club
    // plays where it played (stadium keys are saved as places in the list).
    // (A reference left to the deleted stadium would lead to the one before it.)
    const std::vector<std::string> homes = HomeNames(*world.GetCountry(context_.country));
    EXPECT_EQ(world.GetCountry(context_.country)->FindClub(homeClub_)->MainStadium(), 0u);
    test::TempDir saved;
    const std::string folder = world.DatabaseFolder();
    world.SetDatabaseFolder(saved.Path());
    ASSERT_TRUE(world.SaveAll(nullptr));
    world.SetDatabaseFolder(folder);
    const auto reread = test::LoadDatabase(harness_.install, saved.Path());
    EXPECT_EQ(HomeNames(*reread->GetCountry(context_.country)), homes);
    EXPECT_EQ(reread->Rules().StadiumReference(2), 0u);
}

} // namespace
} // namespace tallo
