// The calendar editor's model on the small sample: toggling days of one league, of all leagues
// and of one level, the validation report and its heading, comparison columns, and a calendar
// edit undone and redone through the journal.

#include "editing/country/calendar_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editing/country/calendar_days.h"
#include "editing/country/calendar_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"

namespace tallo {
namespace {

using Mode = CalendarModel::EditMode;
using test::SavedBytes;

// The column of a competition, or -1.
int ColumnOf(const CalendarModel& model, uint32_t id) {
    for (int column = 0; column < model.ColumnCount(); ++column) {
        if (model.ColumnAt(column).competition == id) {
            return column;
        }
    }
    return -1;
}

class CalendarModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        context_.world = &World();
        context_.languageSlot = World().Language();
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CountryEditContext context_;
};

TEST_F(CalendarModelTest, ColumnsAreDateCodesLeaguesInLevelOrderThenCups) {
    context_.country = test::CountryWithCalendar(World());
    CCompetitionTree& tree = *test::TreeOf(World(), context_.country);
    CalendarModel model(context_);
    ASSERT_TRUE(model.IsValid());
    EXPECT_EQ(model.RowCount(), 360);
    EXPECT_EQ(model.ColumnAt(0).heading, DialogText("calendar.column.date"));
    EXPECT_EQ(model.ColumnAt(1).heading, "Int. Comp.");
    EXPECT_FALSE(model.IsEditable(0));
    EXPECT_FALSE(model.IsEditable(1));

    int32_t lastLevel = -1;
    int leagues = 0;
    int column = 2;
    for (; column < model.ColumnCount() &&
           model.ColumnAt(column).kind == CalendarModel::ColumnKind::League;
         ++column, ++leagues) {
        const CDBCompetition* node = model.NodeOf(column);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(model.ColumnAt(column).heading, ToUtf8(node->Name(), ActiveCodePage()));
        EXPECT_GE(node->Level(), lastLevel);
        lastLevel = node->Level();
        EXPECT_TRUE(model.IsEditable(column));
    }
    EXPECT_EQ(leagues, static_cast<int>(tree.Leagues().size()));
    for (; column < model.ColumnCount(); ++column) {
        EXPECT_EQ(model.ColumnAt(column).kind, CalendarModel::ColumnKind::Cup);
        EXPECT_EQ(model.NodeOf(column)->Number(), 0u);
    }
    // A matchday shows its number.
    const int league = 2;
    for (int day = 0; day < model.RowCount(); ++day) {
        const int32_t matchday = model.NodeOf(league)->MatchdayOn(day);
        EXPECT_EQ(model.CellText(league, day), matchday != 0 ? std::to_string(matchday) : "");
    }
}

TEST_F(CalendarModelTest, MonthButtonsFindTheFirstOfEachMonth) {
    context_.country = test::CountryWithCalendar(World());
    CalendarModel model(context_);
    EXPECT_EQ(model.RowOfMonth(7), 0);
    for (int month = 1; month <= 12; ++month) {
        const GameDate date = SeasonDays::DateOfDay(model.RowOfMonth(month));
        EXPECT_EQ(date.Month(), month);
        EXPECT_EQ(date.Day(), 1);
    }
    EXPECT_EQ(model.CellText(0, model.RowOfMonth(1)), SeasonDays::DayText(model.RowOfMonth(1)));
    EXPECT_NE(model.CellText(0, model.RowOfMonth(1)).find("1/1"), std::string::npos);
}

TEST_F(CalendarModelTest, ClickOnAMatchdayRemovesItAndRenumbersTheLaterOnes) {
    context_.country = test::CountryWithCalendar(World());
    CalendarModel model(context_);
    const int column = 2;
    CDBCompetition& league = *model.NodeOf(column);
    // The second matchday of the league.
    int day = -1;
    for (int d = 0; d < CalendarModel::kDays; ++d) {
        if (league.MatchdayOn(d) == 2) {
            day = d;
            break;
        }
    }
    ASSERT_GE(day, 0);
    const CDBCompetition::Calendar before = league.GetCalendar();

    EXPECT_TRUE(model.ToggleMatchday(column, day));
    EXPECT_EQ(league.MatchdayOn(day), 0);
    for (int d = 0; d < CDBCompetition::kSeasonDays; ++d) {
        const int32_t was = before[static_cast<size_t>(d)];
        if (d < day || was == 0) {
            EXPECT_EQ(league.MatchdayOn(d), d == day ? 0 : was) << "day " << d;
        } else if (d > day) {
            EXPECT_EQ(league.MatchdayOn(d), was - 1) << "day " << d;
        }
    }
    EXPECT_TRUE(model.Changed());

    // Clicking the same day again makes it matchday 2 once more.
    EXPECT_TRUE(model.ToggleMatchday(column, day));
    EXPECT_EQ(league.GetCalendar(), before);
}

TEST_F(CalendarModelTest, DaysAroundAMatchdayAreBusyAndAFreeDayGetsTheNextNumber) {
    context_.country = test::EmptyCountry(World());
    CCompetitionTree& tree = *test::TreeOf(World(), context_.country);
    CDBLeagueBase* league = test::MakeLeague(tree, 0, 18, 2, 0, {});
    CalendarModel model(context_);
    const int column = ColumnOf(model, league->Id());
    ASSERT_EQ(column, 2);

    EXPECT_TRUE(model.ToggleMatchday(column, 40));
    EXPECT_EQ(league->MatchdayOn(40), 1);
    EXPECT_EQ(model.CellText(column, 40), "1");
    const CDBCompetition::Calendar calendar = league->GetCalendar();
    EXPECT_FALSE(model.ToggleMatchday(column, 41));
    EXPECT_FALSE(model.ToggleMatchday(column, 39));
    EXPECT_EQ(league->GetCalendar(), calendar);

    // A day before the first matchday becomes matchday 1 and the other moves up.
    EXPECT_TRUE(model.ToggleMatchday(column, 30));
    EXPECT_EQ(league->MatchdayOn(30), 1);
    EXPECT_EQ(league->MatchdayOn(40), 2);
    // Day 0 is no day of the season; outside the rows nothing happens either.
    EXPECT_FALSE(model.ToggleMatchday(column, 0));
    EXPECT_FALSE(model.ToggleMatchday(column, 360));
    EXPECT_FALSE(model.ToggleMatchday(0, 50));
}

TEST_F(CalendarModelTest, AllLeaguesAndSameLevelModesActOnTheirLeaguesOnly) {
    context_.country = test::EmptyCountry(World());
    CCompetitionTree& tree = *test::TreeOf(World(), context_.country);
    CDBLeagueBase* top = test::MakeLeague(tree, 0, 18, 2, 0, {});
    CDBLeagueBase* northern = test::MakeLeague(tree, 1, 16, 2, 1, {});
    CDBLeagueBase* southern = test::MakeLeague(tree, 2, 16, 2, 1, {});
    CDBCup* cup = tree.ReplaceNationalCup(CompetitionKind::kFaCup, 1);
    ASSERT_NE(cup, nullptr);
    CalendarModel model(context_);
    const int topColumn = ColumnOf(model, top->Id());
    const int northernColumn = ColumnOf(model, northern->Id());
    const int cupColumn = ColumnOf(model, cup->Id());
    ASSERT_EQ(model.ColumnAt(cupColumn).kind, CalendarModel::ColumnKind::Cup);

    model.SetMode(Mode::SameLevel);
    EXPECT_TRUE(model.ToggleMatchday(northernColumn, 60));
    EXPECT_EQ(northern->MatchdayOn(60), 1);
    EXPECT_EQ(southern->MatchdayOn(60), 1);
    EXPECT_EQ(top->MatchdayOn(60), 0);

    // All leagues: the top league gets the day; a league busy around it is left alone.
    model.SetMode(Mode::AllLeagues);
    EXPECT_TRUE(model.ToggleMatchday(topColumn, 61));
    EXPECT_EQ(top->MatchdayOn(61), 1);
    EXPECT_EQ(northern->MatchdayOn(61), 0);
    EXPECT_EQ(southern->MatchdayOn(61), 0);
    EXPECT_TRUE(model.ToggleMatchday(topColumn, 90));
    EXPECT_EQ(top->MatchdayOn(90), 2);
    EXPECT_EQ(northern->MatchdayOn(90), 2);
    EXPECT_EQ(southern->MatchdayOn(90), 2);

    // The clicked league decides: it plays on day 61, so the day is taken from every league
    // that plays then and given to none.
    EXPECT_TRUE(model.ToggleMatchday(topColumn, 61));
    EXPECT_EQ(top->MatchdayOn(61), 0);
    EXPECT_EQ(top->MatchdayOn(90), 1);
    EXPECT_EQ(northern->MatchdayOn(61), 0);
    EXPECT_TRUE(model.ToggleMatchday(northernColumn, 90));
    EXPECT_EQ(top->MatchdayOn(90), 0);
    EXPECT_EQ(northern->MatchdayOn(90), 0);
    EXPECT_EQ(southern->MatchdayOn(90), 0);
    EXPECT_EQ(northern->MatchdayOn(60), 1);

    // A cup column is only the cup, whatever the mode.
    EXPECT_TRUE(model.ToggleMatchday(cupColumn, 120));
    EXPECT_NE(cup->MatchdayOn(120), 0);
    EXPECT_EQ(top->MatchdayOn(120), 0);
    EXPECT_EQ(model.TargetsOf(cupColumn).size(), 1u);
}

TEST_F(CalendarModelTest, ValidationNamesEachCompetitionWithItsProblemsAndTheHeadingRule) {
    context_.country = test::EmptyCountry(World());
    CCompetitionTree& tree = *test::TreeOf(World(), context_.country);
    const std::vector<uint32_t> clubs = test::SampleClubReferences(World());
    ASSERT_GE(clubs.size(), 8u);

    // Sound: 8 teams, 14 matchdays, the computer's fixture list.
    CDBLeagueBase* league = test::MakeLeague(tree, 0, 8, 2, 0, clubs);
    ASSERT_EQ(league->TeamCount(), 8);
    ASSERT_TRUE(league->FillFixturesFromTemplate());
    for (int matchday = 0; matchday < league->RequiredMatchdays(); ++matchday) {
        league->InsertMatchday(10 + 7 * matchday);
    }
    EXPECT_TRUE(CalendarModel(context_).Validate().Empty());

    // Only the fixture list: one line, no heading.
    league->Fixtures().ClearPairing(3, 1);
    CalendarModel::Report report = CalendarModel(context_).Validate();
    ASSERT_EQ(report.lines.size(), 2u);
    EXPECT_EQ(report.lines[0], "League 0");
    EXPECT_NE(report.lines[1].find("Список встреч не заполнен!"), std::string::npos);
    EXPECT_FALSE(report.withHeading);

    // The fixture list and one calendar problem: still no heading.
    league->RemoveMatchday(10);
    report = CalendarModel(context_).Validate();
    ASSERT_EQ(report.lines.size(), 3u);
    EXPECT_NE(report.lines[2].find("Дни встреч не заполнены!"), std::string::npos);
    EXPECT_EQ(report.calendarProblems, 1);
    EXPECT_FALSE(report.withHeading);

    // A second league, new and empty, adds matchdays and teams: heading.
    test::MakeLeague(tree, 1, 10, 2, 1, {});
    report = CalendarModel(context_).Validate();
    ASSERT_EQ(report.lines.size(), 7u);
    EXPECT_EQ(report.lines[3], "League 1");
    EXPECT_NE(report.lines[4].find("Список встреч не заполнен!"), std::string::npos);
    EXPECT_NE(report.lines[5].find("Дни встреч не заполнены!"), std::string::npos);
    EXPECT_NE(report.lines[6].find("Не достаточно команд в этой лиге!"), std::string::npos);
    EXPECT_EQ(report.calendarProblems, 3);
    EXPECT_TRUE(report.withHeading);
}

TEST_F(CalendarModelTest, ReserveTeamsAboveTheFirstReserveLevelAreReported) {
    context_.country = test::EmptyCountry(World());
    CCompetitionTree& tree = *test::TreeOf(World(), context_.country);
    std::vector<uint32_t> clubs = test::SampleClubReferences(World());
    ASSERT_GE(clubs.size(), 8u);
    clubs[0] |= ClubId::kSecondTeamBit;
    CDBLeagueBase* league = test::MakeLeague(tree, 0, 8, 2, 0, clubs);
    ASSERT_TRUE(league->FillFixturesFromTemplate());
    for (int matchday = 0; matchday < league->RequiredMatchdays(); ++matchday) {
        league->InsertMatchday(10 + 7 * matchday);
    }
    World().GetCountry(context_.country)->firstReserveLevel = 0;
    EXPECT_TRUE(CalendarModel(context_).Validate().Empty());
    World().GetCountry(context_.country)->firstReserveLevel = 1;
    const CalendarModel::Report report = CalendarModel(context_).Validate();
    ASSERT_EQ(report.lines.size(), 2u);
    EXPECT_NE(report.lines[1].find("Резервам запрещено играть в этой лиге!"), std::string::npos);
    EXPECT_FALSE(report.withHeading);
}

TEST_F(CalendarModelTest, ComparedLeaguesAreShownButNeverEdited) {
    context_.country = test::CountryWithCalendar(World());
    CalendarModel model(context_);
    const auto& countries = model.CompareCountries();
    ASSERT_FALSE(countries.empty());
    for (const CalendarModel::CompareCountry& entry : countries) {
        EXPECT_NE(entry.number, context_.country);
        EXPECT_GE(World().GetCountry(entry.number)->GetClubCount(), 10u);
    }
    const int other = countries.front().number;
    const CDBLeagueBase* top = test::TreeOf(World(), other)->League(0);
    const auto before = SavedBytes(World());
    const int columns = model.ColumnCount();

    ASSERT_TRUE(model.AddCompareColumn(other));
    EXPECT_FALSE(model.AddCompareColumn(other));
    EXPECT_FALSE(model.AddCompareColumn(context_.country));
    ASSERT_EQ(model.ColumnCount(), columns + 1);
    const int column = columns;
    EXPECT_EQ(model.ColumnAt(column).competition, top->Id());
    EXPECT_NE(model.ColumnAt(column).heading.find(std::string(top->Name())), std::string::npos);
    EXPECT_FALSE(model.IsEditable(column));
    for (int day = 1; day < 60; ++day) {
        EXPECT_FALSE(model.ToggleMatchday(column, day));
    }
    EXPECT_TRUE(SavedBytes(World()) == before);
}

TEST_F(CalendarModelTest, RestorePutsEveryCalendarBack) {
    context_.country = test::CountryWithCalendar(World());
    const auto before = SavedBytes(World());
    CalendarModel model(context_);
    model.SetMode(Mode::AllLeagues);
    int changes = 0;
    for (int day = 1; day < CalendarModel::kDays; day += 5) {
        changes += model.ToggleMatchday(2, day) ? 1 : 0;
    }
    ASSERT_GT(changes, 0);
    EXPECT_TRUE(model.Changed());
    model.Restore();
    EXPECT_FALSE(model.Changed());
    EXPECT_TRUE(SavedBytes(World()) == before);
}

TEST_F(CalendarModelTest, ACalendarEditIsUndoneAndRedoneThroughTheJournal) {
    context_.country = test::CountryWithCalendar(World());
    const auto before = SavedBytes(World());
    auto change = session_->Journal().Begin("calendar.journal");
    change->IncludeCountry(context_.country);
    context_.change = change.get();
    {
        CalendarModel model(context_);
        CDBCompetition& league = *model.NodeOf(2);
        int day = 1;
        while (day < CalendarModel::kDays && league.MatchdayOn(day) == 0) {
            ++day;
        }
        ASSERT_TRUE(model.ToggleMatchday(2, day));
    }
    change->Commit();
    const auto after = SavedBytes(World());
    ASSERT_FALSE(after == before);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(World()) == before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(World()) == after);
}

} // namespace
} // namespace tallo
