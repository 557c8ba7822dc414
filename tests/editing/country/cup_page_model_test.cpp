// The cup and discipline page's model on the small sample: what an untouched page leaves, the
// bits each control owns, cup format changes and the journal around an edit.

#include "editing/country/cup_page_model.h"

#include <gtest/gtest.h>

#include "competitions/competition_keywords.h"
#include "editing/country/country_page_test_support.h"
#include "editing/country/youth_looks_page_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"

namespace tallo {
namespace {

using test::SavedBytes;
using Cup = CupPageModel::Cup;

class CupPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        const int number = test::LeagueRichCountry(session_->World());
        ASSERT_NE(number, 0);
        country_ = session_->World().GetCountry(number);
    }

    // The entry of a format list holding `value`.
    static int ItemOf(Cup cup, uint32_t value) {
        const auto& items = CupPageModel::ModeItems(cup);
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].value == value) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CCountry* country_ = nullptr;
};

TEST_F(CupPageModelTest, UntouchedPagesChangeNoSavedByteOfAnyCountry) {
    CWorld& world = session_->World();
    const auto before = SavedBytes(world);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry& country = *world.GetCountry(number);
        CupPageModel cups;
        cups.Fill(country);
        EXPECT_TRUE(cups.Store(country).empty()) << number;
        YouthLooksPageModel looks;
        looks.Fill(country);
        looks.Store(country);
    }
    EXPECT_TRUE(SavedBytes(world) == before);
}

TEST_F(CupPageModelTest, IndoorTournamentsNeedAWinterBreak) {
    country_->winterBreak = 1;
    country_->indoorTournaments = 1;
    CupPageModel model;
    model.Fill(*country_);
    EXPECT_TRUE(model.IndoorEnabled());
    EXPECT_TRUE(model.indoorTournaments);

    model.winterBreak = false;
    EXPECT_FALSE(model.IndoorEnabled());
    model.Store(*country_);
    EXPECT_EQ(country_->winterBreak, 0);
    EXPECT_EQ(country_->indoorTournaments, 0);

    // Without a winter break the box shows unticked, and ticking it stores nothing.
    model.Fill(*country_);
    EXPECT_FALSE(model.IndoorEnabled());
    EXPECT_FALSE(model.indoorTournaments);
    model.indoorTournaments = true;
    model.Store(*country_);
    EXPECT_EQ(country_->indoorTournaments, 0);
}

TEST_F(CupPageModelTest, AllLeaguesLeagueCupOnlyWithOneLeaguePerLevel) {
    CCompetitionTree* tree = CompetitionTreeOf(*country_);
    ASSERT_NE(tree, nullptr);
    country_->leagueCupMode = 7 | CupPageModel::kAllLeaguesFlag;
    const bool onePerLevel = CupPageModel::OneLeaguePerLevel(*country_);

    CupPageModel model;
    model.Fill(*country_);
    if (!onePerLevel) {
        EXPECT_EQ(model.cups[Cup::kLeagueCup].mode, ItemOf(Cup::kLeagueCup, 7));
        EXPECT_FALSE(model.ItemSelectable(Cup::kLeagueCup, CupPageModel::kAllLeaguesItem));
        // Left alone, the stored mode keeps its flag; choosing the entry anyway stores nothing.
        model.Store(*country_);
        EXPECT_EQ(country_->leagueCupMode, 7 | CupPageModel::kAllLeaguesFlag);
        model.cups[Cup::kLeagueCup].mode = ItemOf(Cup::kLeagueCup, 6);
        model.Store(*country_);
        EXPECT_EQ(country_->leagueCupMode, 6u);
    }

    // Five levels of one league each, at league numbers 0 to 4.
    const int empty = test::LeaguelessCountry(session_->World());
    ASSERT_NE(empty, 0);
    CCountry& flat = *session_->World().GetCountry(empty);
    CCompetitionTree* flatTree = CompetitionTreeOf(flat);
    for (int level = 0; level < 5; ++level) {
        ASSERT_NE(flatTree->CreateLeague(static_cast<uint32_t>(level)), nullptr);
        flat.firstLeagueIndex[level] = static_cast<uint8_t>(level);
        flat.endLeagueIndex[level] = static_cast<uint8_t>(level + 1);
    }
    flat.leagueCount = 5;
    flat.leagueCupMode = 7 | CupPageModel::kAllLeaguesFlag;
    model.Fill(flat);
    EXPECT_TRUE(model.ItemSelectable(Cup::kLeagueCup, CupPageModel::kAllLeaguesItem));
    EXPECT_EQ(model.cups[Cup::kLeagueCup].mode, CupPageModel::kAllLeaguesItem);

    // Two leagues on the second level: the flag in the file no longer selects the entry.
    flat.endLeagueIndex[1] = 3;
    flat.firstLeagueIndex[2] = 3;
    model.Fill(flat);
    EXPECT_FALSE(model.ItemSelectable(Cup::kLeagueCup, CupPageModel::kAllLeaguesItem));
    EXPECT_EQ(model.cups[Cup::kLeagueCup].mode, ItemOf(Cup::kLeagueCup, 7));
}

TEST_F(CupPageModelTest, EachControlWritesOnlyItsOwnBits) {
    country_->redCardBanRule = 0x23;
    country_->leagueCardRule = 0x81;
    country_->cupCardRule = 0x02;
    country_->banScopeFlags = 0xF8 | 0x02;
    country_->cupEntryLevels = 0xE0 | 0x05;
    country_->cupFlags = 0xFC;
    CupPageModel model;
    model.Fill(*country_);
    EXPECT_FALSE(model.variableRedCardBan);
    EXPECT_EQ(model.leagueCards, 1);
    EXPECT_TRUE(model.leagueYellowAfterRed);
    EXPECT_EQ(model.cupCards, 2);
    EXPECT_FALSE(model.cupYellowAfterRed);

    model.variableRedCardBan = true;
    model.leagueCards = 5;
    model.leagueYellowAfterRed = false;
    model.cupYellowAfterRed = true;
    model.banInAllCompetitions = {true, false, true};
    model.cupEntryLevels = {false, true, false, false, true};
    model.lowerLeagueAtHome = true;
    model.oneClubPerCompetition = true;
    model.Store(*country_);
    EXPECT_EQ(country_->redCardBanRule, 0x33);
    EXPECT_EQ(country_->leagueCardRule, 0x05);
    EXPECT_EQ(country_->cupCardRule, 0x82);
    EXPECT_EQ(country_->banScopeFlags, 0xF8 | 0x05);
    EXPECT_EQ(country_->cupEntryLevels, 0xE0 | 0x12);
    EXPECT_EQ(country_->cupFlags, 0xFF);

    model.variableRedCardBan = false;
    model.Store(*country_);
    EXPECT_EQ(country_->redCardBanRule, 0x23);

    // A schedule no entry stands for is kept with the combo left empty.
    country_->cupCardRule = 0x09;
    model.Fill(*country_);
    EXPECT_EQ(model.cupCards, -1);
    model.Store(*country_);
    EXPECT_EQ(country_->cupCardRule, 0x09);
}

TEST_F(CupPageModelTest, ANewFormatReplacesTheCupAndKeepsItsBonuses) {
    CDBCup* before = CupPageModel::FindCup(*country_, Cup::kNationalCup);
    ASSERT_NE(before, nullptr);
    before->SetRoundValue(0, 7, 5000);
    before->SetRoundValue(2, 3, 77);
    int32_t kept[CDBCup::kRoundSlots * CDBCup::kRoundValues];
    before->GetExtraValues(kept);
    const uint32_t oldScheme = before->Scheme();

    CupPageModel model;
    model.Fill(*country_);
    EXPECT_EQ(model.cups[Cup::kNationalCup].bonuses[7], "5000");
    const std::string name = model.cups[Cup::kNationalCup].name;
    const uint32_t newScheme = oldScheme == 2 ? 3 : 2;
    model.cups[Cup::kNationalCup].mode = ItemOf(Cup::kNationalCup, newScheme);
    ASSERT_TRUE(model.Store(*country_).empty());

    EXPECT_EQ(country_->nationalCupMode, newScheme);
    CDBCup* after = CupPageModel::FindCup(*country_, Cup::kNationalCup);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Scheme(), newScheme);
    EXPECT_EQ(after->Name(), name);
    int32_t carried[CDBCup::kRoundSlots * CDBCup::kRoundValues];
    after->GetExtraValues(carried);
    EXPECT_TRUE(std::equal(std::begin(kept), std::end(kept), std::begin(carried)));

    // No cup: the node goes; a format again makes a new one under the competition's own name.
    model.Fill(*country_);
    model.cups[Cup::kNationalCup].mode = ItemOf(Cup::kNationalCup, 0);
    model.Store(*country_);
    EXPECT_EQ(country_->nationalCupMode, 0u);
    EXPECT_EQ(CupPageModel::FindCup(*country_, Cup::kNationalCup), nullptr);
    model.Fill(*country_);
    EXPECT_FALSE(model.CupEditable(Cup::kNationalCup));
    model.cups[Cup::kNationalCup].mode = ItemOf(Cup::kNationalCup, 1);
    EXPECT_TRUE(model.CupEditable(Cup::kNationalCup));
    model.Store(*country_);
    const CDBCup* made = CupPageModel::FindCup(*country_, Cup::kNationalCup);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Scheme(), 1u);
    EXPECT_FALSE(made->Name().empty());
}

TEST_F(CupPageModelTest, NamesAndBonusesGoToTheCupsOwnNodes) {
    // The super cup's node is the SUPERCUP competition, the one its format makes.
    CupPageModel model;
    model.Fill(*country_);
    model.cups[Cup::kSuperCup].mode = ItemOf(Cup::kSuperCup, 16);
    model.cups[Cup::kSuperCup].name = "A super cup name longer than twenty-eight";
    model.cups[Cup::kSuperCup].consoleName = "Super cup console name";
    ASSERT_TRUE(model.Store(*country_).empty());
    CCompetitionTree* tree = CompetitionTreeOf(*country_);
    const CDBCompetition* super = tree->FindOwn(CompetitionKind::kSuperCup, 0);
    ASSERT_NE(super, nullptr);
    EXPECT_EQ(super->Name(),
              std::string("A super cup name longer than twenty-eight").substr(0, 28));
    EXPECT_EQ(super->ShortName(), "Super cup consol");

    model.Fill(*country_);
    const CDBCup* cup = CupPageModel::FindCup(*country_, Cup::kNationalCup);
    ASSERT_NE(cup, nullptr);
    const int rounds = static_cast<int>(cup->SchemeRounds().size());
    ASSERT_GT(rounds, 0);
    EXPECT_TRUE(model.BonusRoundUsed(Cup::kNationalCup, 7));
    EXPECT_EQ(model.BonusRoundUsed(Cup::kNationalCup, 0), rounds == 8);
    EXPECT_EQ(model.BonusRoundUsed(Cup::kNationalCup, 8 - rounds - 1), false);
    const int32_t old = cup->GetRoundValue(0, 6);
    model.cups[Cup::kNationalCup].bonuses[7] = " 123456 ";
    model.cups[Cup::kNationalCup].bonuses[6] = "12x";
    const std::vector<std::string> refused = model.Store(*country_);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], CupPageModel::BonusLabel(6));
    EXPECT_EQ(cup->GetRoundValue(0, 7), 123456);
    EXPECT_EQ(cup->GetRoundValue(0, 6), old);
}

TEST_F(CupPageModelTest, AnEditIsUndoneAndRedoneThroughTheJournal) {
    CWorld& world = session_->World();
    const auto before = SavedBytes(world);
    auto change = session_->Journal().Begin("country.change");
    change->IncludeCountry(static_cast<int>(country_->Number()));

    CupPageModel model;
    model.Fill(*country_);
    model.cups[Cup::kNationalCup].name = "Edited cup";
    model.cups[Cup::kLeagueCup].mode =
        ItemOf(Cup::kLeagueCup, country_->leagueCupMode == 8 ? 6 : 8);
    model.winterBreak = !model.winterBreak;
    model.banStart = model.banStart == 1 ? 0 : 1;
    model.Store(*country_);
    change->Commit();
    const auto after = SavedBytes(world);
    EXPECT_FALSE(after == before);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(world) == before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(world) == after);
    EXPECT_EQ(CupPageModel::FindCup(*world.GetCountry(static_cast<int>(country_->Number())),
                                    Cup::kNationalCup)
                  ->Name(),
              "Edited cup");
}

} // namespace
} // namespace tallo
