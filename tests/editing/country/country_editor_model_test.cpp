// The country settings editor as one change of the database: OK records it once (or not at all
// when nothing differs), cancel puts back every country it touched, and undo and redo give the
// saved bytes of before and after.

#include "editing/country/country_editor_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/league_formats.h"
#include "editing/country/league_system.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using test::SavedBytes;

// The first country of the sample with a league.
int CountryWithLeague(CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCompetitionTree* tree = CompetitionTreeOf(*world.GetCountry(number));
        if (tree != nullptr && !tree->Leagues().empty()) {
            return number;
        }
    }
    return 0;
}

class CountryEditorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        country_ = CountryWithLeague(session_->World());
        ASSERT_NE(country_, 0);
        before_ = SavedBytes(session_->World());
    }

    // Renames the country's first league and turns its winter break over.
    static void EditCountry(CCountry& country) {
        CCompetitionTree* tree = CompetitionTreeOf(country);
        tree->Leagues().front()->SetName("Renamed league");
        country.winterBreak = country.winterBreak != 0 ? 0 : 1;
        country.indoorTournaments = 0;
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int country_ = 0;
    Files before_;
};

TEST_F(CountryEditorModelTest, ConfirmWithoutAChangeOrOnNoCountryRecordsNothing) {
    const size_t entries = session_->Journal().Size();
    CountryEditorModel model(*session_, country_, CountryEditContext());
    ASSERT_TRUE(model.IsValid());
    EXPECT_NE(model.Context().change, nullptr);
    EXPECT_EQ(model.Context().country, country_);
    EXPECT_FALSE(model.Confirm());
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(session_->Journal().Size(), entries);
    EXPECT_FALSE(session_->Journal().IsModified());
    EXPECT_EQ(SavedBytes(session_->World()), before_);

    for (int number : {0, CWorld::kCountryCount + 1}) {
        CountryEditorModel model(*session_, number, CountryEditContext());
        EXPECT_FALSE(model.IsValid());
        EXPECT_FALSE(model.IsOpen());
        EXPECT_FALSE(model.Confirm());
    }
    EXPECT_FALSE(session_->Journal().CanUndo());
}

// One harness for the whole story, as loading the sample is what costs: cancel first (with a
// second country touched), then OK, undo and redo.
TEST_F(CountryEditorModelTest, CancelPutsEverythingBackAndConfirmIsOneUndoableChange) {
    const int other = country_ == 1 ? 2 : 1;
    const size_t entries = session_->Journal().Size();
    {
        CountryEditorModel model(*session_, country_, CountryEditContext());
        EditCountry(*model.Country());
        model.Context().change->IncludeCountry(other);
        session_->World().GetCountry(other)->climate ^= 1;
        model.Abandon();
        EXPECT_FALSE(model.IsOpen());
        EXPECT_FALSE(model.Changed());
    }
    EXPECT_EQ(SavedBytes(session_->World()), before_);
    EXPECT_EQ(session_->Journal().Size(), entries);

    Files after;
    {
        CountryEditorModel model(*session_, country_, CountryEditContext());
        EditCountry(*model.Country());
        EXPECT_TRUE(model.Confirm());
        after = SavedBytes(session_->World());
    }
    ASSERT_NE(after, before_);
    EXPECT_EQ(session_->Journal().Size(), entries + 1);
    EXPECT_TRUE(session_->Journal().IsModified());
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(session_->World()), before_);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(SavedBytes(session_->World()), after);

    // Only another country changed: still a change of the editor.
    ASSERT_TRUE(session_->Journal().Undo());
    CountryEditorModel model(*session_, country_, CountryEditContext());
    model.Context().change->IncludeCountry(other);
    session_->World().GetCountry(other)->climate ^= 1;
    EXPECT_TRUE(model.Confirm());
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(session_->World()), before_);
}

// A new league format inside the editor: one change that undo takes back and redo makes again,
// byte for byte.
TEST_F(CountryEditorModelTest, AFormatChangeIsUndoneAndRedoneToTheSavedBytes) {
    Files after;
    {
        CountryEditorModel model(*session_, country_, CountryEditContext());
        CCountry& country = *model.Country();
        const int format = LeagueFormatOf(country);
        const int other = format == 9 ? 7 : 9; // 1-1-4 or 1-1-2
        ASSERT_TRUE(ApplyLeagueFormat(country, other, ShownRules(country, other)));
        ASSERT_EQ(LeagueFormatOf(country), other);
        EXPECT_TRUE(model.Confirm());
        after = SavedBytes(session_->World());
    }
    ASSERT_NE(after, before_);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(session_->World()), before_);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(SavedBytes(session_->World()), after);
}

} // namespace
} // namespace tallo
