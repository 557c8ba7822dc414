// The continental and global settings as changes of a loaded database: OK is one undoable
// change that undo and redo turn back to the saved bytes, nothing is recorded when nothing
// changed, and cancel leaves every byte, also after the ranking changed a country. With them
// the stadium chooser's preset and the global settings' limits.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editing/editing_test_support.h"
#include "editing/records/continental_settings_edit.h"
#include "editing/records/global_settings_model.h"
#include "editing/records/stadium_chooser_model.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using test::SavedBytes;

// The first ordinary club of the world other than `except`.
uint32_t SomeClub(const CWorld& world, uint32_t except = 0) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (!ClubId::IsNationalTeam(id) && id != except) {
                return id;
            }
        }
    }
    return 0;
}

// The first country with at least `count` stadiums.
int CountryWithStadiums(const CWorld& world, size_t count) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->stadiums.Count() >= count) {
            return number;
        }
    }
    return 0;
}

class ContinentalSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        before_ = SavedBytes(session_->World());
        entries_ = session_->Journal().Size();
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    Files before_;
    size_t entries_ = 0;
};

TEST_F(ContinentalSettingsTest, OkIsOneUndoableChangeAndNothingIsRecordedWithoutOne) {
    const int slot = World().Language();
    {
        ContinentalSettingsEdit edit(*session_, slot, nullptr);
        EXPECT_FALSE(edit.HasRanking());
        EXPECT_FALSE(edit.Confirm());
        EXPECT_FALSE(edit.IsOpen());
    }
    EXPECT_EQ(session_->Journal().Size(), entries_);
    EXPECT_FALSE(session_->Journal().IsModified());

    const uint32_t club = SomeClub(World());
    ASSERT_NE(club, 0u);
    Files after;
    {
        ContinentalSettingsEdit edit(*session_, slot, nullptr);
        edit.Model().SetName(InterCompModel::kEuropeanCup, "Renamed cup");
        ASSERT_TRUE(edit.Model().SetClub(InterCompModel::kSouthAmericanHolder, club));
        EXPECT_TRUE(edit.Confirm());
        after = SavedBytes(World());
    }
    EXPECT_EQ(World().Rules().LongName(InterCompModel::kEuropeanCup, slot), "Renamed cup");
    EXPECT_EQ(World().Rules().ClubReference(InterCompModel::kSouthAmericanHolder), club);
    ASSERT_NE(after, before_);
    EXPECT_EQ(session_->Journal().Size(), entries_ + 1);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(World()), before_);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(SavedBytes(World()), after);
}

TEST_F(ContinentalSettingsTest, CancelPutsBackTheRulesAndWhatTheRankingChanged) {
    const int slot = World().Language();
    const int country = 1;
    const uint16_t points = World().GetCountry(country)->valuesM[0];
    int rankingRuns = 0;
    auto ranking = [&](ChangeJournal::OpenChange& change) {
        ++rankingRuns;
        change.IncludeCountry(country);
        World().GetCountry(country)->valuesM[0] = static_cast<uint16_t>(points + 250);
    };
    {
        ContinentalSettingsEdit edit(*session_, slot, ranking);
        ASSERT_TRUE(edit.HasRanking());
        edit.Model().SetName(InterCompModel::kChampionsCup, "Gone again");
        edit.OpenRanking();
        EXPECT_EQ(World().GetCountry(country)->valuesM[0], points + 250);
        edit.Abandon();
        EXPECT_FALSE(edit.Changed());
    }
    EXPECT_EQ(rankingRuns, 1);
    EXPECT_EQ(World().GetCountry(country)->valuesM[0], points);
    EXPECT_EQ(SavedBytes(World()), before_);
    EXPECT_EQ(session_->Journal().Size(), entries_);

    // Leaving the dialog without OK or cancel (its model destroyed) is a cancel too.
    { ContinentalSettingsEdit(*session_, slot, ranking).OpenRanking(); }
    EXPECT_EQ(SavedBytes(World()), before_);

    // Only the ranking changed: OK still records it, and undo takes it back.
    {
        ContinentalSettingsEdit edit(*session_, slot, ranking);
        edit.OpenRanking();
        EXPECT_TRUE(edit.Confirm());
    }
    EXPECT_EQ(session_->Journal().Size(), entries_ + 1);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(World()), before_);
}

TEST_F(ContinentalSettingsTest, OkWaitsWhileANameCannotBeStored) {
    ContinentalSettingsEdit edit(*session_, World().Language(), nullptr);
    edit.Model().SetShortName(InterCompModel::kItCup, "IT \"Cup\"");
    EXPECT_EQ(edit.Problems().size(), 1u);
    EXPECT_FALSE(edit.Confirm());
    EXPECT_TRUE(edit.IsOpen()); // the user can still mend it
    edit.Model().SetShortName(InterCompModel::kItCup, "IT Cup");
    EXPECT_TRUE(edit.Confirm());
    EXPECT_EQ(World().Rules().ShortName(InterCompModel::kItCup, World().Language()), "IT Cup");
}

TEST_F(ContinentalSettingsTest, TheStadiumChooserIsPresetToTheVenue) {
    const int number = CountryWithStadiums(World(), 2);
    ASSERT_NE(number, 0);
    const CCountry& country = *World().GetCountry(number);
    const uint32_t secondKey = std::next(country.stadiums.begin())->first;
    StadiumChooserModel chooser(World(), World().Language());
    for (const ChoiceEntry& entry : chooser.Countries()) {
        EXPECT_FALSE(World().GetCountry(static_cast<int>(entry.value))->stadiums.Empty());
    }
    chooser.Preset(1, StadiumChooserModel::MakeReference(number, secondKey));
    EXPECT_EQ(chooser.CountryNumber(), number);
    ASSERT_EQ(chooser.StadiumIndex(), 1);
    EXPECT_EQ(chooser.Chosen(), StadiumChooserModel::MakeReference(number, secondKey));
    chooser.SelectCountry(chooser.CountryIndex());
    EXPECT_FALSE(chooser.Chosen().has_value());

    // A venue that leads nowhere: only the country asked for, no stadium.
    chooser.Preset(number, StadiumChooserModel::MakeReference(number, 0xFFF0));
    EXPECT_EQ(chooser.CountryNumber(), number);
    EXPECT_FALSE(chooser.Chosen().has_value());

    ContinentalSettingsEdit edit(*session_, World().Language(), nullptr);
    edit.Model().SetVenueStadium(InterCompModel::kEuropeanCupFinal,
                                 StadiumChooserModel::MakeReference(number, secondKey));
    EXPECT_FALSE(edit.Model().VenueText(InterCompModel::kEuropeanCupFinal).empty());
    EXPECT_TRUE(edit.Confirm());
    EXPECT_EQ(World().Rules().StadiumReference(InterCompModel::kEuropeanCupFinal),
              StadiumChooserModel::MakeReference(number, secondKey));
}

TEST_F(ContinentalSettingsTest, GlobalSettingsKeepTheirLimitsAndAreOneUndoableChange) {
    using Rules = GlobalSettingsModel;
    Rules model;
    model.Fill(World().Rules());
    EXPECT_FALSE(model.ApplyTo(*session_));
    EXPECT_EQ(session_->Journal().Size(), entries_);

    model.SetValue(Rules::kPointsForWin, 9);
    EXPECT_EQ(model.Value(Rules::kPointsForWin), 2);
    EXPECT_EQ(model.Points(Rules::kPointsForWin), 4);
    model.SetValue(Rules::kPointsForAwayWin, -3);
    EXPECT_EQ(model.Points(Rules::kPointsForAwayWin), 2);
    model.SetValue(Rules::kBonusAgainstChampion, 5);
    EXPECT_FALSE(model.BonusOn(Rules::kBonusAgainstChampion));
    model.SetBonusOn(Rules::kBonusForThreeGoals, true);
    EXPECT_EQ(model.Value(Rules::kBonusForThreeGoals), 0);
    model.SetFriendlySubstitutions(12);
    EXPECT_EQ(model.FriendlySubstitutions(), 7);
    model.SetFriendlySubstitutions(-1);
    EXPECT_EQ(model.FriendlySubstitutions(), 0);

    const int32_t spare = World().Rules().PointsRule(RulesAndMisc::kPointsRuleSpare);
    ASSERT_TRUE(model.ApplyTo(*session_));
    const RulesAndMisc& rules = World().Rules();
    EXPECT_EQ(rules.PointsRule(Rules::kPointsForWin), 2);
    EXPECT_EQ(rules.PointsRule(Rules::kPointsForAwayWin), 0);
    EXPECT_EQ(rules.PointsRule(Rules::kBonusAgainstChampion), 1);
    EXPECT_EQ(rules.PointsRule(Rules::kBonusForThreeGoals), 0);
    EXPECT_EQ(rules.PointsRule(RulesAndMisc::kPointsRuleSpare), spare);
    EXPECT_EQ(rules.FriendlySubstitutions(), 0);
    const Files after = SavedBytes(World());
    EXPECT_EQ(session_->Journal().Size(), entries_ + 1);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(World()), before_);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(SavedBytes(World()), after);
}

TEST(GlobalSettingsModelTest, ARuleOutsideItsRangeIsKeptUntilAnotherIsPicked) {
    RulesAndMisc rules;
    rules.SetPointsRule(GlobalSettingsModel::kPointsForWin, 7);
    rules.SetPointsRule(GlobalSettingsModel::kBonusForThreeGoals, -1);
    GlobalSettingsModel model;
    model.Fill(rules);
    EXPECT_FALSE(model.InRange(GlobalSettingsModel::kPointsForWin));
    EXPECT_EQ(model.Points(GlobalSettingsModel::kPointsForWin), 0);
    RulesAndMisc stored = rules;
    model.Store(stored);
    EXPECT_EQ(stored, rules);
    model.SetValue(GlobalSettingsModel::kPointsForWin, 1);
    model.Store(stored);
    EXPECT_EQ(stored.PointsRule(GlobalSettingsModel::kPointsForWin), 1);
    EXPECT_EQ(stored.PointsRule(GlobalSettingsModel::kBonusForThreeGoals), -1);
}

} // namespace
} // namespace tallo
