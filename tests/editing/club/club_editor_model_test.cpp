// The club editor's working copy and its commit through the change journal, and the club
// chooser's lists, on the small sample.

#include "editing/club/club_editor_model.h"

#include <gtest/gtest.h>

#include "editing/club/club_chooser_model.h"
#include "editing/club/club_history_page_model.h"
#include "editing/club/club_page_model.h"
#include "editing/club/club_stadium_page_model.h"
#include "editing/club/club_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/record_name_order.h"
#include "editing/session/database_session.h"

namespace tallo {
namespace {

using test::SavedBytes;

class ClubEditorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        context_.country = test::ClubRichCountry(session_->World());
        club_ = test::BusiestClub(*session_->World().GetCountry(context_.country));
        ASSERT_NE(club_, nullptr);
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    ClubEditContext context_;
    CClub* club_ = nullptr;
};

TEST_F(ClubEditorModelTest, AnUntouchedCopyCommitsNothing) {
    ClubEditorModel model(*session_, club_->Id(), context_);
    ASSERT_TRUE(model.IsValid());
    EXPECT_FALSE(model.HasChanges());
    EXPECT_EQ(model.Commit(), ChangeJournal::Outcome::Unchanged);
    EXPECT_EQ(session_->Journal().Size(), 0u);
    EXPECT_FALSE(session_->IsModified());
    EXPECT_FALSE(ClubEditorModel(*session_, 0x00CE7777, context_).IsValid());
}

TEST_F(ClubEditorModelTest, ChangesOfThePagesAreCommittedAndUndoneToTheSavedBytes) {
    const auto before = SavedBytes(session_->World());
    ClubEditorModel model(*session_, club_->Id(), context_);
    const ClubEditContext& context = model.Context();
    EXPECT_EQ(context.world, &session_->World());

    ClubPageModel clubPage(context);
    clubPage.Fill(model.Working());
    clubPage.texts[ClubPageModel::kName] = "Edited Club";
    ASSERT_TRUE(clubPage.Store(model.Working()).empty());
    ClubStadiumPageModel stadiumPage(context);
    stadiumPage.Fill(model.Working());
    stadiumPage.facilities[CClub::kTrainingGrounds] =
        club_->FacilityLevel(CClub::kTrainingGrounds) == 5 ? 0 : 5;
    ASSERT_TRUE(stadiumPage.Store(model.Working()).empty());
    ClubHistoryPageModel historyPage;
    historyPage.Fill(model.Working());
    historyPage.records[ResultRecord::kAwayWin] = {"9:1", "Far Away", "1999"};
    ASSERT_TRUE(historyPage.Store(model.Working()).empty());

    // Nothing reaches the database before the commit.
    EXPECT_NE(club_->Name(0), "Edited Club");
    EXPECT_TRUE(model.HasChanges());
    EXPECT_EQ(model.Commit(), ChangeJournal::Outcome::Changed);
    EXPECT_TRUE(session_->IsModified());
    const CClub* edited = session_->World().FindClub(model.ClubId());
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(edited->Name(0), "Edited Club");
    EXPECT_EQ(edited->Record(ResultRecord::kAwayWin).goalsA, 9);
    const auto after = SavedBytes(session_->World());
    EXPECT_FALSE(after == before);
    EXPECT_EQ(session_->Journal().UndoName(InterfaceLanguage::Russian), "Изменение клуба");

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(session_->World()) == before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(session_->World()) == after);
}

TEST_F(ClubEditorModelTest, ChooserListsCountriesAndTheClubsOfTheChosenOneByName) {
    const CWorld& world = session_->World();
    ClubChooserModel chooser(world, 0);
    ASSERT_FALSE(chooser.Countries().empty());
    for (size_t i = 1; i < chooser.Countries().size(); ++i) {
        EXPECT_LE(CompareRecordNames(chooser.Countries()[i - 1].text, chooser.Countries()[i].text),
                  0);
    }

    chooser.Preset(1, club_->Id());
    EXPECT_EQ(chooser.CountryNumber(), context_.country);
    ASSERT_TRUE(chooser.Chosen().has_value());
    EXPECT_EQ(*chooser.Chosen(), club_->Id());
    const auto& clubs = chooser.Clubs();
    ASSERT_GE(clubs.size(), 3u);
    EXPECT_EQ(clubs[0].value & 0xFFFFu, CClub::kNationalTeamNumber);
    EXPECT_EQ(clubs.size(), world.GetCountry(context_.country)->GetClubCount());
    for (size_t i = 2; i < clubs.size(); ++i) {
        EXPECT_LE(CompareRecordNames(clubs[i - 1].text, clubs[i].text), 0);
    }

    // Another country: its clubs, none chosen yet.
    chooser.SelectCountry(chooser.CountryIndex() == 0 ? 1 : 0);
    EXPECT_FALSE(chooser.Chosen().has_value());
    chooser.SelectClub(0);
    ASSERT_TRUE(chooser.Chosen().has_value());
    EXPECT_EQ(static_cast<int>(*chooser.Chosen() >> 16), chooser.CountryNumber());

    // Preset to a country only; second teams offered when asked for.
    ClubChooserModel withReserves(world, 0, {false, true});
    withReserves.Preset(context_.country, 0);
    EXPECT_EQ(withReserves.CountryNumber(), context_.country);
    EXPECT_FALSE(withReserves.Chosen().has_value());
    ASSERT_GE(withReserves.Clubs().size(), 2u);
    EXPECT_EQ(withReserves.Clubs()[1].value, withReserves.Clubs()[0].value | CClub::kSecondTeamBit);
    withReserves.Preset(0, club_->Id() | CClub::kSecondTeamBit);
    EXPECT_EQ(*withReserves.Chosen(), club_->Id() | CClub::kSecondTeamBit);
}

} // namespace
} // namespace tallo
