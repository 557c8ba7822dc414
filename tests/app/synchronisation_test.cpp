// The synchronisation of two open databases: what a drop of one item onto another does, the
// remembered part masks, and the masked country copy.

#include "app/synchronisation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/country_parts_copy.h"
#include "app/database_list.h"
#include "formats/string_table.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Kind = SyncOutcome::Kind;

constexpr uint16_t kEurope = 0;
constexpr uint16_t kSouthAmerica = 1;

Referee NamedReferee(const char* surname) {
    Referee referee;
    referee.name.SetSurname(surname);
    return referee;
}

// Two open databases, 0 the source and 1 the target; countries 1, 2 and 206 lie in Europe,
// every other country in South America.
class SynchronisationTest : public ::testing::Test {
protected:
    void SetUp() override {
        DatabaseList::Hooks hooks;
        hooks.clear = [](CWorld& world) { world.LoadCountryList("/nonexistent/countries.sav"); };
        list_ = std::make_unique<DatabaseList>(hooks);
        source_ = list_->AddDatabase();
        target_ = list_->AddDatabase();
        for (CWorld* world : {source_, target_}) {
            for (int number = 1; number <= CWorld::kCountryCount; ++number) {
                const bool europe = number == 1 || number == 2 || number == 206;
                world->GetCountry(number)->continent = europe ? kEurope : kSouthAmerica;
            }
        }
        sync_ = std::make_unique<Synchronisation>(
            *list_, prompt_, "Editor",
            [this](uint32_t mask) {
                countryMasksShown_.push_back(mask);
                return countryAnswer_;
            },
            [this](uint32_t mask) {
                clubMasksShown_.push_back(mask);
                return clubAnswer_;
            });
    }

    // A club with one player in a country of a world.
    CClub* AddClub(CWorld* world, int country, const char* name, int32_t capital) {
        CClub* club = world->GetCountry(country)->CreateClub(name);
        club->SetStartingCapital(capital);
        CPlayer* player = world->CreatePlayer(0, true);
        club->AddPlayer(player->Id());
        return club;
    }

    SyncItem CountryItem(uint32_t database, uint16_t country) const {
        const CWorld* world = database == 0 ? source_ : target_;
        return SyncItem::Country(
            database, static_cast<uint16_t>(world->GetCountry(country)->continent), country);
    }
    SyncItem ClubItem(uint32_t database, const CClub* club) const {
        SyncItem item = CountryItem(database, club->CountryNumber());
        item.club = club->Id();
        return item;
    }

    ScriptedPrompt prompt_;
    std::unique_ptr<DatabaseList> list_;
    CWorld* source_ = nullptr;
    CWorld* target_ = nullptr;
    std::unique_ptr<Synchronisation> sync_;
    std::optional<uint32_t> countryAnswer_ = kCountryCopyAll;
    std::optional<uint32_t> clubAnswer_ = CClub::kCopyAll;
    std::vector<uint32_t> countryMasksShown_;
    std::vector<uint32_t> clubMasksShown_;
};

TEST_F(SynchronisationTest, ItemLevels) {
    EXPECT_EQ(SyncItem().Level(), 0);
    EXPECT_EQ(SyncItem::Continent(0, 3).Level(), 1);
    EXPECT_EQ(SyncItem::Country(0, 3, 14).Level(), 2);
    EXPECT_EQ(SyncItem::Club(0, 3, 14, 0x000E0001).Level(), 3);
}

TEST_F(SynchronisationTest, UnlikeItemsAndOtherContinentsAreRefusedWithTheirMessages) {
    CClub* club = AddClub(source_, 3, "Club", 1);
    struct Case {
        SyncItem source;
        SyncItem target;
        int message;
    };
    const std::vector<Case> cases = {
        {CountryItem(0, 3), ClubItem(1, club), 846},                     // country onto club
        {ClubItem(0, club), SyncItem::Continent(1, kSouthAmerica), 846}, // club onto continent
        {SyncItem::Continent(0, kEurope), CountryItem(1, 1), 846},       // continent onto country
        {SyncItem::Continent(0, kEurope), SyncItem::Continent(1, kSouthAmerica), 847},
    };
    for (const Case& c : cases) {
        const SyncOutcome outcome = sync_->Drop(c.source, c.target);
        EXPECT_EQ(outcome.kind, Kind::Refused);
        EXPECT_EQ(outcome.messageId, c.message);
        EXPECT_EQ(prompt_.Calls().back().text, LoadString(c.message));
        EXPECT_EQ(prompt_.Calls().back().caption, "Editor");
    }
    EXPECT_TRUE(countryMasksShown_.empty());
    // An item onto itself does nothing and says nothing.
    EXPECT_EQ(sync_->Drop(CountryItem(0, 3), CountryItem(0, 3)).kind, Kind::Nothing);
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::Message), cases.size());
}

TEST_F(SynchronisationTest, ClubOntoCountryCopiesIntoTheClubOfExactlyThatName) {
    CClub* source = AddClub(source_, 3, "Real Club", 500);
    CClub* namesake = AddClub(target_, 3, "Real Club", 1);
    const size_t clubs = target_->GetCountry(3)->GetClubCount();

    SyncOutcome outcome = sync_->Drop(ClubItem(0, source), CountryItem(1, 3));
    EXPECT_EQ(outcome.kind, Kind::CopiedClub);
    EXPECT_EQ(outcome.clubId, namesake->Id());
    EXPECT_EQ(target_->GetCountry(3)->GetClubCount(), clubs); // no second club of that name
    EXPECT_EQ(namesake->StartingCapital(), 500);
    EXPECT_EQ(clubMasksShown_.size(), 1u); // the club-onto-club rule asks for the parts

    // Another spelling is another club: a new one, with every part copied, no question.
    CClub* other = AddClub(source_, 3, "REAL CLUB", 700);
    outcome = sync_->Drop(ClubItem(0, other), CountryItem(1, 3));
    EXPECT_EQ(outcome.kind, Kind::AddedClub);
    EXPECT_EQ(target_->GetCountry(3)->GetClubCount(), clubs + 1);
    const CClub* added = target_->GetCountry(3)->FindClub(outcome.clubId);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Name(0), "REAL CLUB");
    EXPECT_EQ(added->StartingCapital(), 700);
    EXPECT_EQ(added->PlayerCount(), 1u);
    // Its player is a player of the target database.
    EXPECT_NE(target_->FindPlayer(added->PlayerId(0)), nullptr);
    EXPECT_EQ(clubMasksShown_.size(), 1u);
}

TEST_F(SynchronisationTest, ClubPartsAreChosenAndRemembered) {
    CClub* source = AddClub(source_, 4, "Source", 900);
    source->SetFoundationYear(1899);
    CClub* target = AddClub(target_, 4, "Target", 1);
    target->SetFoundationYear(1950);

    clubAnswer_ = CClub::kCopyFinances;
    SyncOutcome outcome = sync_->Drop(ClubItem(0, source), ClubItem(1, target));
    EXPECT_EQ(outcome.kind, Kind::CopiedClub);
    EXPECT_EQ(target->StartingCapital(), 900);
    EXPECT_EQ(target->FoundationYear(), 1950); // general part not chosen
    EXPECT_EQ(target->Name(0), "Target");
    EXPECT_EQ(sync_->ClubMask(), CClub::kCopyFinances);

    // The next dialog starts with the remembered mask; a cancel changes nothing.
    clubAnswer_ = std::nullopt;
    source->SetStartingCapital(1);
    EXPECT_EQ(sync_->Drop(ClubItem(0, source), ClubItem(1, target)).kind, Kind::Declined);
    EXPECT_EQ(clubMasksShown_, (std::vector<uint32_t>{CClub::kCopyAll, CClub::kCopyFinances}));
    EXPECT_EQ(target->StartingCapital(), 900);
    EXPECT_EQ(sync_->ClubMask(), CClub::kCopyFinances);
}

TEST_F(SynchronisationTest, ContinentCopyTakesEveryCountryOfThatContinentAndNoOther) {
    for (int number : {1, 2, 206, 3}) {
        AddClub(source_, number, "Copied", number);
    }
    const SyncOutcome outcome =
        sync_->Drop(SyncItem::Continent(0, kEurope), SyncItem::Continent(1, kEurope));
    EXPECT_EQ(outcome.kind, Kind::CopiedContinent);
    EXPECT_EQ(outcome.count, 3);
    for (int number : {1, 2, 206}) {
        EXPECT_EQ(target_->GetCountry(number)->GetOrdinaryClubCount(), 1u) << number;
    }
    // Country 3 is in South America; slot 0 is no country.
    EXPECT_EQ(target_->GetCountry(3)->GetOrdinaryClubCount(), 0u);
    EXPECT_EQ(target_->GetCountry(0)->GetOrdinaryClubCount(), 0u);
    EXPECT_EQ(countryMasksShown_, (std::vector<uint32_t>{kCountryCopyAll}));

    // Cancelled: nothing copied.
    countryAnswer_ = std::nullopt;
    AddClub(source_, 1, "Later", 1);
    EXPECT_EQ(sync_->Drop(SyncItem::Continent(0, kEurope), SyncItem::Continent(1, kEurope)).kind,
              Kind::Declined);
    EXPECT_EQ(target_->GetCountry(1)->GetOrdinaryClubCount(), 1u);
}

TEST_F(SynchronisationTest, CountryCopyTakesOnlyTheChosenParts) {
    CCountry* source = source_->GetCountry(5);
    CCountry* target = target_->GetCountry(5);
    source->referees.Add(NamedReferee("Collina"));
    source->climate = 4;
    source->allowedSkinColours = 0x15;
    AddClub(source_, 5, "Not Copied", 1);
    target->climate = 1;
    target->referees.Add(NamedReferee("Old"));
    target->referees.Add(NamedReferee("Older"));

    countryAnswer_ = kCountryCopyReferees | kCountryCopyYoungPlayers;
    const SyncOutcome outcome = sync_->Drop(CountryItem(0, 5), CountryItem(1, 5));
    EXPECT_EQ(outcome.kind, Kind::CopiedCountry);
    ASSERT_EQ(target->referees.Count(), 1u);
    EXPECT_EQ(target->referees.Find(1)->name.Surname(), "Collina");
    EXPECT_EQ(target->allowedSkinColours, 0x15u);
    EXPECT_EQ(target->climate, 1);                 // general settings not chosen
    EXPECT_EQ(target->GetOrdinaryClubCount(), 0u); // clubs not chosen
    EXPECT_EQ(sync_->CountryMask(), kCountryCopyReferees | kCountryCopyYoungPlayers);
}

TEST(CountryPartsCopy, ClubsComeWithTheirPlayersAndReplaceTheOldOnes) {
    CWorld from;
    CWorld to;
    from.LoadCountryList("/nonexistent/countries.sav");
    to.LoadCountryList("/nonexistent/countries.sav");
    CClub* club = from.GetCountry(7)->CreateClub("New");
    CPlayer* player = from.CreatePlayer(0, true);
    player->SetPhoto("p.jpg");
    club->AddPlayer(player->Id());
    CClub* old = to.GetCountry(7)->CreateClub("Old");
    CPlayer* oldPlayer = to.CreatePlayer(0, true);
    old->AddPlayer(oldPlayer->Id());
    to.GetCountry(7)->continent = 3;
    from.GetCountry(7)->continent = 5;
    from.GetCountry(7)->climate = 2;

    CopyCountryParts(*to.GetCountry(7), *from.GetCountry(7), kCountryCopyClubs);
    CCountry* copied = to.GetCountry(7);
    ASSERT_EQ(copied->GetOrdinaryClubCount(), 1u);
    const CClub* newClub = copied->Clubs().begin()->second.get();
    EXPECT_EQ(newClub->Name(0), "New");
    ASSERT_EQ(newClub->PlayerCount(), 1u);
    EXPECT_EQ(to.FindPlayer(newClub->PlayerId(0))->Photo(), "p.jpg");
    EXPECT_EQ(to.PlayerCount(), 1u); // the old club's player left the world with it
    EXPECT_NE(copied->NationalTeam(), nullptr);
    EXPECT_EQ(copied->climate, 0);

    // Every part: the whole country, but never its place in the world.
    CopyCountryParts(*to.GetCountry(7), *from.GetCountry(7), kCountryCopyAll);
    EXPECT_EQ(copied->climate, 2);
    EXPECT_EQ(copied->continent, 3u);
    EXPECT_EQ(copied->GetOrdinaryClubCount(), 1u);
    EXPECT_EQ(to.PlayerCount(), 1u);
}

} // namespace
} // namespace tallo
