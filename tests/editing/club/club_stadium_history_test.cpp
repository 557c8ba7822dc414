// The stadium-and-facilities page's and the history page's models on clubs of the small
// sample: untouched pages store nothing new, and each value keeps to its range.

#include <gtest/gtest.h>

#include <string>

#include "editing/club/club_edit_context.h"
#include "editing/club/club_field_text.h"
#include "editing/club/club_history_page_model.h"
#include "editing/club/club_stadium_page_model.h"
#include "editing/club/club_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "formats/dialog_text.h"

namespace tallo {
namespace {

using test::SavedBytes;
using Coordinate = ClubStadiumPageModel::Coordinate;

class ClubPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        context_.world = &session_->World();
        context_.country = test::ClubRichCountry(session_->World());
        context_.prompt = &harness_.prompt;
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

TEST_F(ClubPagesTest, FillThenStoreOfEveryClubChangesNoByteOfTheDatabase) {
    const auto before = SavedBytes(session_->World());
    for (const auto& [id, club] : session_->World().GetCountry(context_.country)->Clubs()) {
        ClubStadiumPageModel stadium(context_);
        stadium.Fill(*club);
        EXPECT_TRUE(stadium.Store(*club).empty());
        ClubHistoryPageModel history;
        history.Fill(*club);
        EXPECT_TRUE(history.Store(*club).empty());
    }
    EXPECT_TRUE(SavedBytes(session_->World()) == before);
}

TEST_F(ClubPagesTest, LatitudeKeepsDegreesAndMinutesInRangeAndNegatesTheSouth) {
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "0", "0"}), 0);
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "45", "59"}), (45 << 16) | 59);
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({true, "51", "30"}), -((51 << 16) | 30));
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "12", "60"}), (12 << 16) | 59);
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({true, "90", "30"}), -(90 << 16));
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "999", "0"}), 90 << 16);
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "4a", "0"}), std::nullopt);
    EXPECT_EQ(ClubStadiumPageModel::PackedLatitude({false, "1000", "0"}), std::nullopt);

    EXPECT_EQ(ClubStadiumPageModel::PackedLongitude({false, "180", "0"}), 180 << 16);
    EXPECT_EQ(ClubStadiumPageModel::PackedLongitude({false, "180", "20"}), 180 << 16);
    EXPECT_EQ(ClubStadiumPageModel::PackedLongitude({true, "180", "0"}), -(179 << 16));
    EXPECT_EQ(ClubStadiumPageModel::PackedLongitude({true, "13", "24"}), -((13 << 16) | 24));
    EXPECT_EQ(ClubStadiumPageModel::PackedLongitude({false, "1234", "0"}), 180 << 16);

    const Coordinate south = ClubStadiumPageModel::Unpacked(-((51 << 16) | 30));
    EXPECT_TRUE(south.secondHemisphere);
    EXPECT_EQ(south.degrees, "51");
    EXPECT_EQ(south.minutes, "30");
}

TEST_F(ClubPagesTest, StadiumPageStoresChoicesLevelsAndLocation) {
    ClubStadiumPageModel model(context_);
    model.Fill(copy_);
    ASSERT_GE(model.mainStadium.Count(), 2);
    const uint32_t stadium = model.mainStadium.entries[1].value;
    model.mainStadium.Select(1);
    model.alternativeStadium.Select(0);
    model.facilities[CClub::kMedicalDepartment] = 5;
    model.facilities[CClub::kClubCentre] = 0;
    model.facilities[CClub::kResearchDepartment] = 9;
    const int transfer = model.transferCountries[1].IndexOf(1);
    ASSERT_GE(transfer, 0);
    model.transferCountries[1].Select(transfer);
    model.youthCountry.Select(0);
    model.latitude = {true, "33", "15"};
    model.longitude = {false, "x", "1"};
    const auto refused = model.Store(copy_);
    EXPECT_EQ(copy_.MainStadium(), stadium);
    EXPECT_EQ(copy_.AlternativeStadium(), 0u);
    EXPECT_EQ(copy_.FacilityLevel(CClub::kMedicalDepartment), 5);
    EXPECT_EQ(copy_.FacilityLevel(CClub::kClubCentre), 0);
    EXPECT_EQ(copy_.FacilityLevel(CClub::kResearchDepartment), CClub::kMaxFacilityLevel);
    EXPECT_EQ(copy_.TransferCountry(1), 1);
    EXPECT_EQ(copy_.YouthCountry(), 0);
    EXPECT_EQ(copy_.Latitude(), -((33 << 16) | 15));
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(copy_.Longitude(), club_->Longitude());
}

TEST_F(ClubPagesTest, CityPhotoKeepsTheChosenFilesNameOnly) {
    ClubStadiumPageModel model(context_);
    model.Fill(copy_);
    harness_.prompt.QueueFileChoice(std::nullopt);
    EXPECT_FALSE(model.ChooseCityPhoto());
    harness_.prompt.QueueFileChoice(std::string("/somewhere/city/Harbour.jpg"));
    ASSERT_TRUE(model.ChooseCityPhoto());
    EXPECT_EQ(model.cityPhoto, "Harbour.jpg");
    model.Store(copy_);
    EXPECT_EQ(copy_.CityPhoto(), "Harbour.jpg");
}

TEST_F(ClubPagesTest, StatisticsTakeAtMostFiveDigits) {
    ClubHistoryPageModel model;
    model.Fill(copy_);
    model.statistics[CClub::kPoints] = "99999";
    model.statistics[CClub::kMatches] = "100000";
    model.statistics[CClub::kSeasonsLed] = "";
    const auto refused = model.Store(copy_);
    EXPECT_EQ(copy_.LeagueStatistic(CClub::kPoints), 99999);
    EXPECT_EQ(copy_.LeagueStatistic(CClub::kMatches), club_->LeagueStatistic(CClub::kMatches));
    EXPECT_EQ(copy_.LeagueStatistic(CClub::kSeasonsLed), 0);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find(DialogText("club.stat.matches")), std::string::npos);
}

TEST_F(ClubPagesTest, TitlesMustBeListsOfYears) {
    EXPECT_EQ(ReadYearList(" 1950 , 1951,2003 "), "1950,1951,2003");
    EXPECT_EQ(ReadYearList(""), "");
    EXPECT_EQ(ReadYearList("1950,,1951"), std::nullopt);
    EXPECT_EQ(ReadYearList("1950,"), std::nullopt);
    EXPECT_EQ(ReadYearList("19a0"), std::nullopt);
    EXPECT_EQ(ReadYearList("19500"), std::nullopt);

    ClubHistoryPageModel model;
    model.Fill(copy_);
    const std::string cups = copy_.Titles(CClub::kCupWins);
    model.titles[CClub::kChampionships] = "1950, 1951";
    model.titles[CClub::kCupWins] = "last year";
    model.titles[CClub::kWorldChampionships] = "";
    const auto refused = model.Store(copy_);
    EXPECT_EQ(copy_.Titles(CClub::kChampionships), "1950,1951");
    EXPECT_EQ(copy_.Titles(CClub::kCupWins), cups);
    EXPECT_EQ(copy_.Titles(CClub::kWorldChampionships), "");
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("1950,1951"), std::string::npos); // the hint
}

TEST_F(ClubPagesTest, RecordResultsAreReadFromResultOpponentAndSeason) {
    ClubHistoryPageModel model;
    model.Fill(copy_);
    const int32_t homeWinAttendance = copy_.Record(ResultRecord::kHomeWin).attendance;
    model.records[ResultRecord::kHomeWin] = {"7:0", "Opponents FC", "1987"};
    model.records[ResultRecord::kAttendance] = {"65000", "Rivals", "2001"};
    model.records[ResultRecord::kAwayDefeat] = {"", "", ""};
    model.records[ResultRecord::kHomeDefeat] = {"seven", "X", "1990"};
    model.records[ResultRecord::kAwayWin] = {"3:1", "X", "19900"};
    const ResultRecord homeDefeat = copy_.Record(ResultRecord::kHomeDefeat);
    const auto refused = model.Store(copy_);
    EXPECT_EQ(refused.size(), 2u);

    const ResultRecord& homeWin = copy_.Record(ResultRecord::kHomeWin);
    EXPECT_EQ(homeWin.goalsA, 7);
    EXPECT_EQ(homeWin.goalsB, 0);
    EXPECT_EQ(homeWin.opponent, "Opponents FC");
    EXPECT_EQ(homeWin.season, 1987);
    EXPECT_EQ(homeWin.attendance, homeWinAttendance);
    EXPECT_EQ(copy_.Record(ResultRecord::kAttendance).attendance, 65000);
    EXPECT_EQ(copy_.Record(ResultRecord::kAwayDefeat).goalsA, 0);
    EXPECT_EQ(copy_.Record(ResultRecord::kAwayDefeat).season, 0);
    EXPECT_EQ(copy_.Record(ResultRecord::kHomeDefeat).opponent, homeDefeat.opponent);
    EXPECT_EQ(ReadMatchResult("12-3"), (std::pair{12, 3}));
    EXPECT_EQ(ReadMatchResult("100:1"), std::nullopt);
    EXPECT_EQ(ReadMatchResult(":1"), std::nullopt);
}

} // namespace
} // namespace tallo
