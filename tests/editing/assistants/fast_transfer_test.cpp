// The fast transfer: what its lists offer, the numbers a first team leaves free, the transfer
// with its number, previous club and years, and the transfer undone and redone through the
// journal of an open database.

#include "editing/assistants/fast_transfer_model.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "editing/assistants/world_changes.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "transfer_test_world.h"
#include "world/game_date.h"

namespace tallo {
namespace {

class FastTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample_.Country(3, "Source");
        sample_.Country(4, "Target");
        sample_.Country(5, "OnlyNational");
        sample_.World().GetCountry(5)->EnsureNationalTeam();
        home_ = &sample_.Club(3, "Home");
        away_ = &sample_.Club(4, "Away");
        sample_.World().GetCountry(3)->EnsureNationalTeam();
        sample_.World().GetCountry(4)->EnsureNationalTeam();
        keeper_ = &sample_.Player(home_, "Ivan", "Petrov", 7);
        keeper_->SetYearJoined(1999);
        keeper_->SetContractEnd(2010);
        sample_.Player(away_, "Oleg", "Sidorov", 1);
        sample_.Player(away_, "Yuri", "Orlov", 2);
        sample_.Player(away_, "Reserve", "Man", 3, true);
    }

    test::TransferTestWorld sample_;
    CClub* home_ = nullptr;
    CClub* away_ = nullptr;
    CPlayer* keeper_ = nullptr;
};

TEST_F(FastTransferTest, ListsCountriesPlayersClubsAndTheFreeNumbersOfTheFirstTeam) {
    CPlayer& manager = sample_.Player(home_, "Boss", "Manager", 0);
    manager.SetRole(1);
    sample_.Player(sample_.World().GetCountry(3)->NationalTeam(), "Only", "National", 9);

    FastTransferModel model(sample_.World(), 0, 3);
    EXPECT_EQ(model.SourceCountries().size(), 206u);
    EXPECT_EQ(model.SourceCountry(), 3);
    EXPECT_EQ(model.TargetCountry(), 3);
    // Country 5 has only its national team: one club, so no target; 4 has a club besides.
    bool offersFive = false;
    bool offersFour = false;
    for (const auto& item : model.TargetCountries()) {
        offersFive = offersFive || item.data == 5;
        offersFour = offersFour || (item.data == 4 && item.text == "Target");
    }
    EXPECT_FALSE(offersFive);
    EXPECT_TRUE(offersFour);

    // Players of the counted clubs only, persons of other roles left out.
    ASSERT_EQ(model.Players().size(), 1u);
    EXPECT_EQ(model.Players()[0].text, "Ivan Petrov (Home)\tGK");
    EXPECT_EQ(model.Players()[0].data, keeper_->Id());
    EXPECT_EQ(model.CurrentNumberText(), "");
    model.ChoosePlayer(keeper_->Id());
    EXPECT_EQ(model.CurrentNumberText(), "7");
    model.ChoosePlayer(999999);
    EXPECT_EQ(model.CurrentNumberText(), "");

    // A target country lists its clubs; no club is chosen, so no number is offered yet.
    model.SetTargetCountry(4);
    ASSERT_EQ(model.Clubs().size(), 1u);
    EXPECT_EQ(model.Clubs()[0].text, "Away");
    EXPECT_EQ(model.TargetClub(), 0u);
    EXPECT_TRUE(model.Numbers().empty());
    // 1 and 2 are worn in the first team; the reserve's 3 is free.
    model.ChooseTargetClub(away_->Id());
    ASSERT_EQ(model.Numbers().size(), 97u);
    EXPECT_EQ(model.Numbers().front(), 3);
    EXPECT_EQ(model.Numbers().back(), 99);
    EXPECT_EQ(model.ChosenNumber(), 3);
    // A key that names no club offers nothing.
    model.ChooseTargetClub(ClubId::Make(4, 77));
    EXPECT_TRUE(model.Numbers().empty());
    EXPECT_EQ(model.ChosenNumber(), 0);
}

TEST_F(FastTransferTest, AFirstTeamWearingOneToNinetyNineOffersNoNumberAndNothingMoves) {
    for (int number = 3; number <= 99; ++number) {
        sample_.Player(away_, "Filler", std::to_string(number), static_cast<uint8_t>(number));
    }
    FastTransferModel model(sample_.World(), 0, 3);
    model.SetTargetCountry(4);
    model.ChooseTargetClub(away_->Id());
    EXPECT_TRUE(model.Numbers().empty());
    model.ChoosePlayer(keeper_->Id());
    EXPECT_FALSE(model.CanTransfer());

    const uint32_t awayCount = away_->PlayerCount();
    EXPECT_FALSE(model.Transfer(WorldChanges::Journal(sample_.Journal())));
    EXPECT_TRUE(home_->HasPlayer(keeper_->Id()));
    EXPECT_EQ(away_->PlayerCount(), awayCount);
    EXPECT_EQ(keeper_->ShirtNumber(), 7);
    EXPECT_FALSE(sample_.Journal().CanUndo());
}

TEST_F(FastTransferTest, TransferSetsNumberPreviousClubAndYearsAndNeverMovesToTheSameClub) {
    FastTransferModel model(sample_.World(), 0, 3);
    const WorldChanges changes = WorldChanges::Journal(sample_.Journal());

    // To his own club: nothing happens, the choices stay.
    model.ChooseTargetClub(home_->Id());
    model.ChoosePlayer(keeper_->Id());
    ASSERT_TRUE(model.CanTransfer());
    EXPECT_FALSE(model.Transfer(changes));
    EXPECT_EQ(keeper_->PreviousClub(), 0u);
    EXPECT_FALSE(sample_.Journal().CanUndo());

    model.SetTargetCountry(4);
    model.ChooseTargetClub(away_->Id());
    model.ChooseNumber(42);
    ASSERT_TRUE(model.Transfer(changes));
    const int year = CurrentGameDate().Year();
    EXPECT_FALSE(home_->HasPlayer(keeper_->Id()));
    EXPECT_TRUE(away_->HasPlayer(keeper_->Id()));
    EXPECT_EQ(keeper_->ShirtNumber(), 42);
    EXPECT_EQ(keeper_->PreviousClub(), home_->Id());
    EXPECT_EQ(keeper_->YearJoined(), year);
    EXPECT_EQ(keeper_->ContractEnd(), year);
    EXPECT_TRUE(sample_.Journal().CanUndo());

    // The choices are forgotten and the lists made again: 42 is taken now, Home has nobody.
    EXPECT_EQ(model.ChosenPlayer(), 0u);
    EXPECT_EQ(model.CurrentNumberText(), "");
    EXPECT_TRUE(model.Players().empty());
    EXPECT_EQ(model.ChosenNumber(), 3);
    EXPECT_EQ(std::count(model.Numbers().begin(), model.Numbers().end(), 42), 0);
    EXPECT_FALSE(model.CanTransfer());

    // A player that no club of the source country lists stays where he is.
    model.ChoosePlayer(keeper_->Id());
    EXPECT_FALSE(model.Transfer(changes));
    EXPECT_TRUE(away_->HasPlayer(keeper_->Id()));
}

TEST(FastTransferJournal, ATransferIsUndoneAndRedoneToTheSavedBytes) {
    test::EditorHarness harness;
    DatabaseSession& session = harness.OpenGame();
    CWorld& world = session.World();

    // A player of one club and another club of a different country.
    int source = 0;
    uint32_t playerId = 0;
    uint32_t sourceClub = 0;
    uint32_t targetClub = 0;
    for (int number = 1; number <= CWorld::kCountryCount && targetClub == 0; ++number) {
        for (const auto& [key, club] : world.GetCountry(number)->Clubs()) {
            if (club->IsNationalTeam()) {
                continue;
            }
            if (playerId == 0 && club->PlayerCount() > 0 &&
                world.FindPlayer(club->PlayerId(0))->IsPlayerRole()) {
                source = number;
                playerId = club->PlayerId(0);
                sourceClub = key;
                break;
            }
            if (playerId != 0 && number != source && club->PlayerCount() < CClub::kMaxPlayers) {
                targetClub = key;
                break;
            }
        }
    }
    ASSERT_NE(targetClub, 0u);

    const std::map<std::string, std::string> before = test::SavedBytes(world);
    FastTransferModel model(world, world.Language(), source);
    model.SetTargetCountry(static_cast<int>(ClubId::CountryOf(targetClub)));
    model.ChooseTargetClub(targetClub);
    model.ChoosePlayer(playerId);
    const int number = model.ChosenNumber();
    ASSERT_GT(number, 0);
    ASSERT_TRUE(model.Transfer(WorldChanges::Journal(session.Journal())));
    EXPECT_TRUE(world.FindClub(targetClub)->HasPlayer(playerId));
    EXPECT_EQ(world.FindPlayer(playerId)->ShirtNumber(), number);
    EXPECT_EQ(world.FindPlayer(playerId)->PreviousClub(), sourceClub);
    const std::map<std::string, std::string> after = test::SavedBytes(world);
    EXPECT_NE(after, before);
    EXPECT_EQ(session.Journal().UndoName(InterfaceLanguage::Russian), "Быстрый трансфер игрока");

    ASSERT_TRUE(session.Journal().Undo());
    EXPECT_TRUE(world.FindClub(sourceClub)->HasPlayer(playerId));
    EXPECT_EQ(test::SavedBytes(world), before);
    ASSERT_TRUE(session.Journal().Redo());
    EXPECT_EQ(test::SavedBytes(world), after);
}

} // namespace
} // namespace tallo
