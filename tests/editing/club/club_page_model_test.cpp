// The club page's model on clubs of the small sample: what it fills and stores, and the limits
// of each of its values.

#include "editing/club/club_page_model.h"

#include <gtest/gtest.h>

#include <string>

#include "editing/club/club_articles.h"
#include "editing/club/club_edit_context.h"
#include "editing/club/club_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "formats/dialog_text.h"
#include "world/player.h"

namespace tallo {
namespace {

using test::SavedBytes;

class ClubPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        context_.world = &session_->World();
        context_.country = test::ClubRichCountry(session_->World());
        club_ = test::BusiestClub(*session_->World().GetCountry(context_.country));
        ASSERT_NE(club_, nullptr);
        copy_ = *club_;
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    ClubEditContext context_;
    CClub* club_ = nullptr;
    CClub copy_;
};

TEST_F(ClubPageModelTest, FillThenStoreOfEveryClubChangesNoByteOfTheDatabase) {
    const auto before = SavedBytes(session_->World());
    for (int slot : {0, 2}) {
        context_.languageSlot = slot;
        for (const auto& [id, club] : session_->World().GetCountry(context_.country)->Clubs()) {
            ClubPageModel model(context_);
            model.Fill(*club);
            EXPECT_TRUE(model.Store(*club).empty());
        }
    }
    EXPECT_TRUE(SavedBytes(session_->World()) == before);
}

TEST_F(ClubPageModelTest, ShowsPlayerCountsAndRatingsOfFirstTeamAndReserves) {
    ClubPageModel model(context_);
    model.Fill(*club_);
    int players = 0;
    for (uint32_t i = 0; i < club_->PlayerCount(); ++i) {
        const CPlayer* person = session_->World().FindPlayer(club_->PlayerId(i));
        players += person != nullptr && person->IsPlayerRole() ? 1 : 0;
    }
    EXPECT_GT(model.playerCounts[0], 0);
    EXPECT_EQ(model.playerCounts[0] + model.playerCounts[1], players);
    EXPECT_GT(model.averageRatings[0], 0.0);
}

TEST_F(ClubPageModelTest, NamesAreStoredInTheEditorsSlotWithinTheirLimits) {
    context_.languageSlot = 1;
    ClubPageModel model(context_);
    model.Fill(copy_);
    EXPECT_EQ(model.EditLength(ClubPageModel::kName), 20u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kShortName), 10u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kAbbreviation), 4u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kAddress), 48u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kMascot), 19u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kFanName), 19u);
    EXPECT_EQ(model.EditLength(ClubPageModel::kNewspaper), 28u);

    const std::string slot0(copy_.Name(0));
    model.texts[ClubPageModel::kName] = "Neuer Name";
    model.texts[ClubPageModel::kAbbreviation] = "ABCDEFG";
    model.texts[ClubPageModel::kMascot] = std::string(40, 'm');
    EXPECT_TRUE(model.Store(copy_).empty());
    EXPECT_EQ(copy_.Name(1), "Neuer Name");
    EXPECT_EQ(copy_.Name(0), slot0);
    EXPECT_EQ(copy_.Abbreviation(1), "ABCD");
    EXPECT_EQ(copy_.Mascot(), std::string(19, 'm'));
}

TEST_F(ClubPageModelTest, AnUntouchedLongNameIsNotCutAndARefusedTextKeepsTheOldOne) {
    ASSERT_TRUE(copy_.SetName(0, std::string(27, 'N')));
    ClubPageModel model(context_);
    model.Fill(copy_);
    EXPECT_EQ(model.EditLength(ClubPageModel::kName), 27u);

    const std::string city(copy_.City(0));
    model.texts[ClubPageModel::kCity] = "Bad \"quote\"";
    model.texts[ClubPageModel::kFanSites] = "one\ntwo";
    const auto refused = model.Store(copy_);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find(DialogText("club.label.city")), std::string::npos);
    EXPECT_EQ(copy_.City(0), city);
    EXPECT_EQ(copy_.Name(0), std::string(27, 'N'));
    EXPECT_EQ(copy_.FanSites(), "one\r\ntwo");
}

TEST_F(ClubPageModelTest, AttendanceTakesAtMostSixDigits) {
    ClubPageModel model(context_);
    model.Fill(copy_);
    model.attendance[0] = "999999";
    model.attendance[1] = "";
    model.attendance[2] = "1000000";
    auto refused = model.Store(copy_);
    EXPECT_EQ(copy_.AttendanceValue(CClub::kMidSeasonAttendance), 999999);
    EXPECT_EQ(copy_.AttendanceValue(CClub::kImportantMatchAttendance), 0);
    EXPECT_EQ(refused.size(), 1u);
    EXPECT_EQ(copy_.AttendanceValue(CClub::kSeasonTickets),
              club_->AttendanceValue(CClub::kSeasonTickets));
    model.attendance[2] = "12a";
    EXPECT_EQ(model.Store(copy_).size(), 1u);
}

TEST_F(ClubPageModelTest, CapitalIsTheSpinPositionLess200TimesOneHundredThousand) {
    EXPECT_EQ(ClubPageModel::CapitalOfPosition(200), 0);
    EXPECT_EQ(ClubPageModel::CapitalOfPosition(201), 100000);
    EXPECT_EQ(ClubPageModel::CapitalOfPosition(0), -20000000);
    EXPECT_EQ(ClubPageModel::CapitalOfPosition(1200), 100000000);
    EXPECT_EQ(ClubPageModel::PositionOfCapital(-20000000), 0);
    EXPECT_EQ(ClubPageModel::PositionOfCapital(-90000000), 0);
    EXPECT_EQ(ClubPageModel::PositionOfCapital(1500000), 215);
    EXPECT_EQ(ClubPageModel::CapitalMillions(215), "1,5 млн");
    EXPECT_EQ(ClubPageModel::CapitalMillions(190), "-1 млн");

    // A capital between two positions stays as it is until the spin is moved.
    copy_.SetStartingCapital(1234567);
    ClubPageModel model(context_);
    model.Fill(copy_);
    EXPECT_TRUE(model.Store(copy_).empty());
    EXPECT_EQ(copy_.StartingCapital(), 1234567);
    model.capitalPosition += 1;
    model.Store(copy_);
    EXPECT_EQ(copy_.StartingCapital(), 1300000);
}

TEST_F(ClubPageModelTest, FoundationYearPrestigeAndPenaltyStayInTheirRanges) {
    ClubPageModel model(context_);
    model.Fill(copy_);
    model.foundationYear = 1799;
    model.prestige = 25;
    model.penaltyIndex = 2;
    model.stockCompany = true;
    model.Store(copy_);
    EXPECT_EQ(copy_.FoundationYear(), 1800);
    EXPECT_EQ(copy_.Prestige(), CClub::kMaxPrestige);
    EXPECT_EQ(copy_.PenaltyPoints(), 6);
    EXPECT_EQ(copy_.StockCompany(), 1);
    model.foundationYear = 2101;
    model.prestige = 0;
    model.penaltyIndex = 1;
    model.Store(copy_);
    EXPECT_EQ(copy_.FoundationYear(), 2100);
    EXPECT_EQ(copy_.Prestige(), 0);
    EXPECT_EQ(copy_.PenaltyPoints(), 3);
}

TEST_F(ClubPageModelTest, ArticleButtonsWrapAtTheLanguagesNumberOfArticles) {
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        context_.languageSlot = slot;
        for (int text = 0; text < CClub::kArticleTextCount; ++text) {
            copy_.SetArticle(static_cast<CClub::ArticleText>(text), slot, 0);
        }
        copy_.SetAbbreviationArticle(slot, 0);
        ClubPageModel model(context_);
        model.Fill(copy_);
        for (int press = 1; press <= ArticleCount(slot); ++press) {
            model.CycleArticle(ClubPageModel::kFanNameArticle);
            EXPECT_EQ(model.articles[ClubPageModel::kFanNameArticle],
                      press == ArticleCount(slot) ? 0 : press)
                << "slot " << slot << " press " << press;
        }
        model.CycleArticle(ClubPageModel::kAbbreviationArticle);
        model.Store(copy_);
        EXPECT_EQ(copy_.AbbreviationArticle(slot), ArticleCount(slot) > 1 ? 1 : 0);
        EXPECT_EQ(copy_.Article(CClub::kArticleFanName, slot), 0);
    }
    EXPECT_EQ(ArticleCount(0), 3);
    // An index read from a file beyond the list starts again at 0.
    EXPECT_EQ(NextArticle(0, 9), 0);
    EXPECT_EQ(ArticleLabel(0, 9), "9");
}

TEST_F(ClubPageModelTest, FriendlyClubAndRivalsComeFromTheCountrysClubs) {
    ClubPageModel model(context_);
    copy_.SetRival(1, 0x00FF0042); // not a club of the list
    model.Fill(copy_);
    ASSERT_GE(model.friendlyClub.Count(), 3);
    EXPECT_EQ(model.friendlyClub.entries[0].value, 0u);
    EXPECT_EQ(model.friendlyClub.IndexOf(copy_.Id()), -1); // not the club itself
    EXPECT_EQ(model.rivals[1].selected, -1);

    const uint32_t chosen = model.rivals[0].entries[2].value;
    model.rivals[0].Select(2);
    model.friendlyClub.Select(0);
    model.Store(copy_);
    EXPECT_EQ(copy_.Rival(0), chosen);
    EXPECT_EQ(copy_.FriendlyClub(), 0u);
    EXPECT_EQ(copy_.Rival(1), 0x00FF0042u); // untouched
    model.rivals[1].Select(0);
    model.Store(copy_);
    EXPECT_EQ(copy_.Rival(1), 0u);
}

} // namespace
} // namespace tallo
