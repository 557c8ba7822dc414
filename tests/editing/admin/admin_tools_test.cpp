// The admin tools on the small sample: what each changes, its question and report, "no" and
// a missing admin flag, and undo and redo of each through the journal.

#include "editing/admin/admin_tool_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editing/admin/admin_menu.h"
#include "editing/admin/admin_tool.h"
#include "editing/admin/stadium_tools.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/command_table.h"
#include "editing/session/database_session.h"
#include "mapping/name_lists.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::EditorHarness;
using test::SavedBytes;

// The country of the sample with the most clubs.
int RichestCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(best)->GetClubCount()) {
            best = number;
        }
    }
    return best;
}

// An ordinary club of the country (not the national team).
CClub& OrdinaryClub(CCountry& country) {
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam() && club->PlayerCount() > 0) {
            return *club;
        }
    }
    throw std::logic_error("no ordinary club");
}

std::vector<CPlayer*> Listed(CWorld& world, const CClub& club) {
    std::vector<CPlayer*> persons;
    for (uint32_t index = 0; index < club.PlayerCount(); ++index) {
        persons.push_back(world.FindPlayer(club.PlayerId(index)));
    }
    return persons;
}

class AdminToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppState::Instance().SetAdminMode(true);
        session_ = &harness_.OpenGame();
        country_ = RichestCountry(World());
        club_ = OrdinaryClub(Country()).Id();
        names_.LoadText(CNameLists::kMaleNames, "%0\nAnton\nBernd\n%1\nAlbert\nBarry\n");
        names_.LoadText(CNameLists::kSurnames, "%0\nMeier\nSchulz\n%1\nSmith\nJones\n");
    }
    void TearDown() override { AppState::Instance().SetAdminMode(false); }

    CWorld& World() { return session_->World(); }
    CCountry& Country() { return *World().GetCountry(country_); }
    CClub& Club() { return *Country().FindClub(club_); }

    AdminRunResult Run(int command) {
        // A fixed sequence: always the second name of a pool.
        AdminToolRunner runner(*session_, harness_.prompt, "Tallo", &names_,
                               [](int n) { return n > 1 ? 1 : 0; });
        return runner.Run(command, country_, club_);
    }
    // The text of the last message shown.
    std::string LastMessage() const {
        std::string text;
        for (const PromptCall& call : harness_.prompt.Calls()) {
            if (call.kind == PromptCall::Kind::Message) {
                text = call.text;
            }
        }
        return text;
    }

    // Gives every tool something to change in the selected country, club and database.
    void PrepareWork() {
        CClub& club = Club();
        std::vector<CPlayer*> persons = Listed(World(), club);
        persons[0]->SetShoeType(5);
        persons[0]->SetTacticalEducation(0);
        persons[0]->SetBirthDate(GameDate::FromDate(1920, 1, 1));
        persons[1]->SetRole(CPlayer::kRoleFirstStaff);
        ResultRecord record;
        record.goalsA = 7;
        record.opponent = "Somebody";
        record.season = 1999;
        club.SetRecord(ResultRecord::kHomeWin, record);
        club.SetLeagueStatistic(CClub::kPoints, 1234);
        Stadium spare;
        spare.SetName("Stadion am Park");
        spare.SetCity("Bonn");
        Country().stadiums.Add(spare);
    }

    EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int country_ = 0;
    uint32_t club_ = 0;
    CNameLists names_;
};

TEST(AdminStadiumNameTest, InitialsOrMarkedName) {
    EXPECT_EQ(InitialsStadiumName("!!Name", "Bonn"), "Name");
    EXPECT_EQ(InitialsStadiumName("Stadion am Park", "Bonn"), "S. a. P. Bonn");
    // Characters below "A" are never initials; an accented letter (negative) neither, even
    // after a blank; the first letter counts wherever it stands.
    EXPECT_EQ(InitialsStadiumName("1. FC \xC9lan Arena", "K\xF6ln"), "F. A. K\xF6ln");
    EXPECT_EQ(InitialsStadiumName("x-Park", "Ulm"), "x. Ulm");
    // Nine initials at most, and 29 characters in all.
    EXPECT_EQ(InitialsStadiumName("a b c d e f g h i j k", "Berlin"),
              "a. b. c. d. e. f. g. h. i. Be");
    EXPECT_EQ(InitialsStadiumName("", "Bonn"), "Bonn");
}

TEST_F(AdminToolsTest, RenameStadiumsAsksWithTheCountryAndReports) {
    Stadium marked;
    marked.SetName("!!Weserstadion");
    marked.SetCity("Bremen");
    const uint32_t markedKey = Country().stadiums.Add(marked);
    Stadium park;
    park.SetName("Stadion am Park");
    park.SetCity("Bonn");
    const uint32_t parkKey = Country().stadiums.Add(park);

    const AdminRunResult result = Run(Command::kAdminRenameStadiums);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(Country().stadiums.Find(markedKey)->Name(), "Weserstadion");
    EXPECT_EQ(Country().stadiums.Find(parkKey)->Name(), "S. a. P. Bonn");
    const std::vector<PromptCall> calls = harness_.prompt.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "Do you really want to rename all stadiums in " +
                                 ToUtf8(Country().Name(World().Language()), ActiveCodePage()) +
                                 "?");
    EXPECT_EQ(calls[0].caption, "Tallo");
    EXPECT_EQ(calls[1].text, "Finished renaming stadiums");
}

TEST_F(AdminToolsTest, RemoveUnusedStadiumsKeepsOnlyTheOneAllClubsPlayIn) {
    CCountry& country = Country();
    Stadium extra;
    extra.SetName("Spare");
    country.stadiums.Add(extra);
    country.stadiums.Add(extra);
    const uint32_t home = country.stadiums.begin()->first;
    for (const auto& [id, club] : country.Clubs()) {
        club->SetMainStadium(home);
        club->SetAlternativeStadium(0);
    }
    country.nationalStadium = 0;
    const size_t before = country.stadiums.Count();
    ASSERT_GT(before, 2u);

    const AdminRunResult result = Run(Command::kAdminRemoveUnusedStadiums);
    EXPECT_EQ(result.count, static_cast<int>(before) - 1);
    EXPECT_EQ(country.stadiums.Count(), 1u);
    EXPECT_TRUE(country.stadiums.Contains(home));
    EXPECT_EQ(LastMessage(),
              std::to_string(before - 1) + " unused stadiums were removed from the list");
}

TEST_F(AdminToolsTest, RemoveUnusedStadiumsKeepsEveryStadiumSomethingStillNames) {
    CCountry& country = Country();
    const uint32_t home = country.stadiums.Add(Stadium());
    const uint32_t alternative = country.stadiums.Add(Stadium());
    const uint32_t national = country.stadiums.Add(Stadium());
    const uint32_t final = country.stadiums.Add(Stadium());
    const uint32_t unused = country.stadiums.Add(Stadium());
    for (const auto& [id, club] : country.Clubs()) {
        club->SetMainStadium(home);
        club->SetAlternativeStadium(0);
    }
    Club().SetAlternativeStadium(alternative);
    country.nationalStadium = national;
    World().Rules().SetStadiumReference(1, (static_cast<uint32_t>(country_) << 16) | final);

    Run(Command::kAdminRemoveUnusedStadiums);
    for (uint32_t key : {home, alternative, national, final}) {
        EXPECT_TRUE(country.stadiums.Contains(key)) << key;
    }
    EXPECT_FALSE(country.stadiums.Contains(unused));
    EXPECT_EQ(country.stadiums.Count(), 4u);
}

TEST_F(AdminToolsTest, BirthDatesAreFixedOnceAndReportZeroTheSecondTime) {
    std::vector<CPlayer*> persons = Listed(World(), Club());
    persons[0]->SetBirthDate(GameDate::FromDate(1900, 1, 1));
    persons[1]->SetBirthDate(GameDate::FromDate(1920, 1, 1));
    persons[2]->SetBirthDate(GameDate::FromDate(1920, 1, 2));
    int already = 0;
    for (const auto& [id, person] : World().Players()) {
        const GameDate born = person->BirthDate();
        already +=
            (born == GameDate::FromDate(1900, 1, 1) || born == GameDate::FromDate(1920, 1, 1)) ? 1
                                                                                               : 0;
    }

    const AdminRunResult first = Run(Command::kAdminBirthDates);
    EXPECT_GE(first.count, 2);
    EXPECT_LE(first.count, already);
    EXPECT_EQ(persons[0]->BirthDate(), GameDate::FromDate(1980, 1, 1));
    EXPECT_EQ(persons[1]->BirthDate(), GameDate::FromDate(1980, 1, 1));
    EXPECT_EQ(persons[2]->BirthDate(), GameDate::FromDate(1920, 1, 2));
    EXPECT_EQ(LastMessage(), "Changed the birthday of " + std::to_string(first.count) + " players");

    const AdminRunResult second = Run(Command::kAdminBirthDates);
    EXPECT_EQ(second.count, 0);
    EXPECT_FALSE(second.changed);
    EXPECT_EQ(LastMessage(), "Changed the birthday of 0 players");
    EXPECT_EQ(session_->Journal().Size(), 1u);
}

TEST_F(AdminToolsTest, DeleteStaffKeepsPlayersManagersChairmenAndPresidents) {
    std::vector<CPlayer*> persons = Listed(World(), Club());
    ASSERT_GE(persons.size(), 6u);
    for (uint8_t role = 0; role < 6; ++role) {
        persons[role]->SetRole(role);
    }
    const uint32_t staffId = persons[4]->Id();
    const uint32_t physioId = persons[5]->Id();
    // A staff member without a club goes too.
    CPlayer* loose = World().CreatePlayer(0, true);
    loose->SetRole(CPlayer::kRoleFirstMedical);
    const uint32_t looseId = loose->Id();
    World().PlayersWithoutClub().push_back(looseId);

    int staff = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : World().GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam()) {
                for (CPlayer* person : Listed(World(), *club)) {
                    staff += person->Role() > 3 ? 1 : 0;
                }
            }
        }
    }
    for (uint32_t id : World().PlayersWithoutClub()) {
        staff += World().FindPlayer(id)->Role() > 3 ? 1 : 0;
    }

    const AdminRunResult result = Run(Command::kAdminDeleteStaff);
    EXPECT_EQ(result.count, staff);
    EXPECT_EQ(LastMessage(), "Deleted " + std::to_string(staff) + " staffs");
    for (uint8_t role = 0; role < 4; ++role) {
        EXPECT_TRUE(Club().HasPlayer(persons[role]->Id())) << int(role);
    }
    EXPECT_FALSE(Club().HasPlayer(staffId));
    EXPECT_FALSE(Club().HasPlayer(physioId));
    EXPECT_EQ(World().FindPlayer(staffId), nullptr);
    EXPECT_EQ(World().FindPlayer(looseId), nullptr);
    for (uint32_t id : World().PlayersWithoutClub()) {
        EXPECT_NE(id, looseId);
    }
}

TEST_F(AdminToolsTest, ClubShoesChangeANationalTeamAndTheDatabaseToolCountsEveryClub) {
    CClub& national = *Country().NationalTeam();
    if (national.PlayerCount() == 0) {
        national.AddPlayer(Club().PlayerId(0));
    }
    World().FindPlayer(national.PlayerId(0))->SetShoeType(5);
    AdminToolRunner runner(*session_, harness_.prompt, "Tallo", &names_);
    const AdminRunResult club = runner.Run(Command::kAdminClubShoes, country_, national.Id());
    EXPECT_EQ(club.count, 1);
    EXPECT_EQ(World().FindPlayer(national.PlayerId(0))->ShoeType(), 2);
    EXPECT_EQ(harness_.prompt.Calls()[0].text,
              "This option changes all yellow shoes of " +
                  ToUtf8(national.Name(World().Language()), ActiveCodePage()) +
                  " to black. Do you really want to do this?");

    // Yellow shoes in two countries; a person listed by a club and by its national team is
    // counted where he is changed, once.
    int expected = 0;
    std::set<uint32_t> yellow;
    for (int number : {country_, country_ == 1 ? 2 : 1}) {
        for (const auto& [id, each] : World().GetCountry(number)->Clubs()) {
            if (each->PlayerCount() > 1) {
                World().FindPlayer(each->PlayerId(1))->SetShoeType(5);
            }
        }
    }
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, each] : World().GetCountry(number)->Clubs()) {
            for (CPlayer* person : Listed(World(), *each)) {
                if (person->ShoeType() >= 5 && yellow.insert(person->Id()).second) {
                    ++expected;
                }
            }
        }
    }
    ASSERT_GT(expected, 2);
    const AdminRunResult all = runner.Run(Command::kAdminDatabaseShoes, country_, club_);
    EXPECT_EQ(all.count, expected);
    EXPECT_EQ(LastMessage(), "Changed " + std::to_string(expected) + " shoes to black");
    EXPECT_EQ(harness_.prompt.Calls()[2].text, "This option changes all yellow shoes of the "
                                               "database to black. Do you really want to do this?");
}

TEST_F(AdminToolsTest, RenameStaffDrawsFromTheNationalityPoolAndLeavesPlayers) {
    std::vector<CPlayer*> persons = Listed(World(), Club());
    CPlayer& player = *persons[0];
    CPlayer& coach = *persons[1];
    player.SetRole(CPlayer::kRolePlayer);
    coach.SetRole(CPlayer::kRoleManager);
    coach.SetNickname("Boss");
    coach.SetPseudonym("B.");
    const std::string playerName(player.Surname());
    const int pool = World().CountryFirstLanguage(coach.Nationality());

    const AdminRunResult result = Run(Command::kAdminRenameStaff);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(player.Surname(), playerName);
    // The second name of the pool (pool 1 has its own names; any other falls back to pool 0).
    EXPECT_EQ(coach.FirstName(), pool == 1 ? "Barry" : "Bernd");
    EXPECT_EQ(coach.Surname(), pool == 1 ? "Jones" : "Schulz");
    EXPECT_EQ(coach.Nickname(), "");
    EXPECT_EQ(coach.Pseudonym(), "");
    for (uint32_t id : Country().AdditionalManagers()) {
        EXPECT_TRUE(World().FindPlayer(id)->Surname() == "Schulz" ||
                    World().FindPlayer(id)->Surname() == "Jones");
    }
    EXPECT_EQ(LastMessage(), "Renamed all staff in the country");
}

TEST_F(AdminToolsTest, ClearingHistoryEmptiesRecordsAndStatisticsOfTheCountryOnly) {
    PrepareWork();
    Run(Command::kAdminClearMatchRecords);
    Run(Command::kAdminClearLeagueStatistics);
    for (const auto& [id, club] : Country().Clubs()) {
        for (int kind = 0; kind < ResultRecord::kKindCount; ++kind) {
            const ResultRecord& record = club->Record(static_cast<ResultRecord::Kind>(kind));
            EXPECT_EQ(record.goalsA, 0);
            EXPECT_EQ(record.opponent, "");
            EXPECT_EQ(record.season, 0);
        }
        for (int statistic = 0; statistic < CClub::kStatisticCount; ++statistic) {
            EXPECT_EQ(club->LeagueStatistic(static_cast<CClub::Statistic>(statistic)), 0);
        }
    }
    EXPECT_EQ(LastMessage(), "Cleared all club 1st league history in the the country");
}

TEST_F(AdminToolsTest, WithoutTheAdminWordOrASelectionNothingHappens) {
    PrepareWork();
    const std::map<std::string, std::string> before = SavedBytes(World());
    AppState::Instance().SetAdminMode(false);
    int count = 0;
    for (const AdminToolCall* call = AdminToolCalls(count); count > 0; ++call, --count) {
        EXPECT_FALSE(Run(call->command).ran);
    }
    AppState::Instance().SetAdminMode(true);
    AdminToolRunner runner(*session_, harness_.prompt, "Tallo", &names_);
    EXPECT_FALSE(runner.Run(Command::kAdminClubShoes, country_, 0).ran);
    EXPECT_FALSE(runner.Run(Command::kAdminRenameStadiums, 0, club_).ran);
    EXPECT_FALSE(runner.Run(Command::kAdminRenameStadiums, 207, club_).ran);
    EXPECT_TRUE(harness_.prompt.Calls().empty());
    EXPECT_EQ(SavedBytes(World()), before);
}

// Every tool, once with "no" and once with yes, undo and redo.
class AdminToolEachTest : public AdminToolsTest, public ::testing::WithParamInterface<int> {};

TEST_P(AdminToolEachTest, NoChangesNothingYesIsUndoneAndRedone) {
    PrepareWork();
    const std::map<std::string, std::string> before = SavedBytes(World());

    harness_.prompt.QueueAnswer(false);
    const AdminRunResult declined = Run(GetParam());
    EXPECT_FALSE(declined.ran);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), 0u);
    EXPECT_EQ(SavedBytes(World()), before);
    EXPECT_FALSE(session_->Journal().CanUndo());

    const AdminRunResult done = Run(GetParam());
    ASSERT_TRUE(done.changed);
    EXPECT_EQ(session_->Journal().Size(), 1u);
    EXPECT_TRUE(session_->IsModified());
    const std::map<std::string, std::string> after = SavedBytes(World());
    EXPECT_NE(after, before);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(World()), before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(SavedBytes(World()), after);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTool, AdminToolEachTest,
    ::testing::Values(Command::kAdminClubShoes, Command::kAdminRenameStaff,
                      Command::kAdminRenameStadiums, Command::kAdminRemoveUnusedStadiums,
                      Command::kAdminClearMatchRecords, Command::kAdminClearLeagueStatistics,
                      Command::kAdminCountryShoes, Command::kAdminTacticalEducation,
                      Command::kAdminBirthDates, Command::kAdminDeleteStaff,
                      Command::kAdminDatabaseShoes),
    [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST(AdminMenuTest, SectionLabelsStandBeforeTheirToolsInMenuOrder) {
    std::vector<std::string> menu;
    for (const CommandInfo& info : MainWindowCommands()) {
        if (info.place != CommandPlace::AdminMenu) {
            continue;
        }
        if (const char* label = AdminSectionBefore(info.id)) {
            menu.push_back(label);
        }
        menu.push_back(std::to_string(info.id));
    }
    const std::vector<std::string> expected = {
        "--- Club ---", "32904", "--- Country ---", "32842", "32848",
        "32853",        "32887", "32888",           "32905", "--- Database ---",
        "32845",        "32846", "32863",           "32866", "32880",
        "32892",        "32894", "32899",           "32906", "--- Misc ---",
        "32855",        "32857"};
    EXPECT_EQ(menu, expected);
}

} // namespace
} // namespace tallo
