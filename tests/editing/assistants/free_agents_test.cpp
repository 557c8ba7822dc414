// The players without a club: the rows and their sorting, the move to a club (first team or
// reserves by the chosen key, only what the club accepts) and the delete, with the selection
// placed afterwards and both changes undone through the journal.

#include "editing/assistants/free_agents_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "transfer_test_world.h"

namespace tallo {
namespace {

// A club chooser answering with a set key (or cancelling) and noting what it was asked.
class FakeChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> answer;
    int askedCountry = -1;
    int asked = 0;

    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t) override {
        ++asked;
        askedCountry = presetCountry;
        return answer;
    }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }
};

std::vector<std::string> Column(const FreeAgentsModel& model, size_t column) {
    std::vector<std::string> cells;
    for (const auto& row : model.Rows()) {
        cells.push_back(row.cells[column]);
    }
    return cells;
}

class FreeAgentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample_.Country(2, "beta");
        sample_.Country(3, "Gamma");
        sample_.Country(4, "Alpha");
        club_ = &sample_.Club(3, "Club");
        for (const char* surname : {"Dmitriev", "Abramov", "Chernov", "Borisov"}) {
            sample_.Player(nullptr, "A", surname, 0, false, 3);
        }
    }

    test::TransferTestWorld sample_;
    CClub* club_ = nullptr;
    FakeChoosers choosers_;
};

TEST_F(FreeAgentsTest, RowsAreSortedByTheClickedColumnAndOthersThanPlayersShowNoCountryOrLevel) {
    sample_.Player(nullptr, "B", "Zaitsev", 0, false, 2).SetMainPosition(16);
    sample_.Player(nullptr, "C", "Yakovlev", 0, false, 4).SetRole(1);

    FreeAgentsModel model(sample_.World(), 0);
    ASSERT_EQ(model.Rows().size(), 6u);
    EXPECT_EQ(Column(model, 0),
              (std::vector<std::string>{"A Abramov", "A Borisov", "A Chernov", "A Dmitriev",
                                        "B Zaitsev", "C Yakovlev"}));
    EXPECT_EQ(model.Rows()[5].cells[1], "");
    EXPECT_EQ(model.Rows()[5].cells[3], "");
    EXPECT_EQ(model.Rows()[0].cells[1], "Gamma");
    EXPECT_FALSE(model.Rows()[0].cells[3].empty());

    model.SortBy(0); // the same column again: descending
    EXPECT_EQ(model.Rows().front().cells[0], "C Yakovlev");
    // Nationality byte for byte: upper case before lower case, the empty cell first; equal
    // names keep the list order.
    model.SortBy(1);
    EXPECT_EQ(Column(model, 1),
              (std::vector<std::string>{"", "Gamma", "Gamma", "Gamma", "Gamma", "beta"}));
    EXPECT_EQ(model.Rows()[1].cells[0], "A Dmitriev");
    model.SortBy(2);
    EXPECT_EQ(model.Rows().back().cells[0], "B Zaitsev"); // CF after the goalkeepers
}

TEST_F(FreeAgentsTest, DeletingTheLastRowPutsTheSelectionOnTheNewLastRowAndIsUndone) {
    FreeAgentsModel model(sample_.World(), 0);
    const WorldChanges changes = WorldChanges::Journal(sample_.Journal());
    const uint32_t last = model.Rows()[3].player;
    const size_t people = sample_.World().Players().size();

    EXPECT_EQ(model.Delete({3}, 3, changes), 2);
    EXPECT_EQ(model.Rows().size(), 3u);
    EXPECT_EQ(sample_.World().FindPlayer(last), nullptr);
    EXPECT_EQ(sample_.World().Players().size(), people - 1);
    EXPECT_EQ(sample_.World().PlayersWithoutClub().size(), 3u);

    // Two rows above the current one go: it moves up by two. Deleting row 0 keeps row 0.
    EXPECT_EQ(model.Delete({0, 1}, 2, changes), 0);
    EXPECT_EQ(model.Rows().size(), 1u);
    EXPECT_EQ(model.Delete({0}, 0, changes), -1);
    EXPECT_TRUE(model.Rows().empty());

    ASSERT_TRUE(sample_.Journal().Undo());
    ASSERT_TRUE(sample_.Journal().Undo());
    ASSERT_TRUE(sample_.Journal().Undo());
    EXPECT_EQ(sample_.World().PlayersWithoutClub().size(), 4u);
    EXPECT_NE(sample_.World().FindPlayer(last), nullptr);
    model.Fill();
    EXPECT_EQ(model.Rows()[3].cells[0], "A Dmitriev");
}

TEST_F(FreeAgentsTest, AMoveByAReserveKeyLandsInTheReservesAndTheSelectionMovesUp) {
    FreeAgentsModel model(sample_.World(), 0);
    const WorldChanges changes = WorldChanges::Journal(sample_.Journal());
    const uint32_t borisov = model.Rows()[1].player;
    const uint32_t chernov = model.Rows()[2].player;

    choosers_.answer = club_->Id() | CClub::kSecondTeamBit;
    EXPECT_EQ(model.MoveToClub({1, 2}, 2, choosers_, changes), 0);
    EXPECT_EQ(choosers_.askedCountry, 3); // the current row's nationality
    EXPECT_TRUE(club_->HasPlayer(borisov));
    EXPECT_TRUE(club_->HasPlayer(chernov));
    EXPECT_TRUE(sample_.World().FindPlayer(borisov)->IsReserve());
    EXPECT_EQ(sample_.World().PlayersWithoutClub().size(), 2u);
    EXPECT_EQ(Column(model, 0), (std::vector<std::string>{"A Abramov", "A Dmitriev"}));

    // Without the bit: the first team. Undone, the player is without a club again.
    choosers_.answer = club_->Id();
    const uint32_t dmitriev = model.Rows()[1].player;
    EXPECT_EQ(model.MoveToClub({1}, 1, choosers_, changes), 0);
    EXPECT_TRUE(sample_.World().FindPlayer(dmitriev)->IsFirstTeam());
    // Undo puts back a copy of the country: the club is found again by its ID.
    const uint32_t clubId = club_->Id();
    ASSERT_TRUE(sample_.Journal().Undo());
    const CClub* restored = sample_.World().FindClub(clubId);
    ASSERT_NE(restored, nullptr);
    EXPECT_FALSE(restored->HasPlayer(dmitriev));
    EXPECT_EQ(sample_.World().PlayersWithoutClub().size(), 2u);
}

TEST_F(FreeAgentsTest, ACancelledChooserAnUnknownClubOrAFullClubMoveNobody) {
    FreeAgentsModel model(sample_.World(), 0);
    const WorldChanges changes = WorldChanges::Journal(sample_.Journal());

    EXPECT_EQ(model.MoveToClub({0}, 0, choosers_, changes), 0);
    choosers_.answer = ClubId::Make(3, 500);
    EXPECT_EQ(model.MoveToClub({0}, 0, choosers_, changes), 0);
    EXPECT_EQ(choosers_.asked, 2);

    // A club listing as many as it can hold accepts nobody: everyone stays without a club.
    for (uint32_t i = 0; club_->PlayerCount() < CClub::kMaxPlayers; ++i) {
        sample_.Player(club_, "Full", std::to_string(i));
    }
    choosers_.answer = club_->Id();
    EXPECT_EQ(model.MoveToClub({0, 1, 2, 3}, 3, choosers_, changes), 3);
    EXPECT_EQ(sample_.World().PlayersWithoutClub().size(), 4u);
    EXPECT_EQ(model.Rows().size(), 4u);
    EXPECT_FALSE(sample_.Journal().CanUndo());
}

} // namespace
} // namespace tallo
