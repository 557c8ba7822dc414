// The player doubles model on small worlds made in memory: which neighbours make a pair, the
// scopes, the birth-date box, the order of the rows, the texts and a delete through the journal.

#include "editing/assistants/player_doubles_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/assistants/doubles_test_world.h"
#include "editing/assistants/world_changes.h"
#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "formats/interface_language.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using DoublesWorld = test::DoublesTestWorld;

class DoublesModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetInterfaceLanguage(InterfaceLanguage::Russian);
        SetActiveCodePage(CodePage::Windows1252);
    }

    DoublesWorld world_;
};

TEST_F(DoublesModelTest, ThreePlayersOfOneNameGiveTwoRowsOfNeighbours) {
    CClub& north = world_.Club(3, "Nordland", "North");
    CClub& south = world_.Club(5, "Suedland", "South");
    world_.Player(north, "Jan", "Berg", 1980, 1);
    world_.Player(south, "Jan", "Berg", 1981, 12);
    world_.Player(north, "Jan", "Berg", 1982, 17);
    world_.Player(south, "Piet", "Berg"); // another first name: no pair
    world_.Player(north, "Ola", "Dahl");

    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    EXPECT_EQ(model.Scope(), DoublesScope::All);
    EXPECT_EQ(model.Candidates().size(), 5u);
    ASSERT_EQ(model.Pairs().size(), 2u);
    // First with second and second with third: the middle player is in both rows.
    EXPECT_EQ(model.Pairs()[0].second.player, model.Pairs()[1].first.player);

    const std::vector<std::vector<std::string>> rows = model.Rows();
    ASSERT_EQ(rows.size(), 2u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(row[0], "Berg, Jan");
    }
    // The walk sorted: both North players first, so the first row pairs them and the second
    // pairs the later North player with the South one. Clubs as "club (country)".
    const std::vector<std::string> cells = model.RowCells(0);
    EXPECT_EQ(cells[1], "North (Nordland)");
    EXPECT_EQ(cells[2], "North (Nordland)");
    const std::vector<std::string> mixed = model.RowCells(1);
    EXPECT_EQ(mixed[1], "North (Nordland)");
    EXPECT_EQ(mixed[2], "South (Suedland)");
    EXPECT_EQ(cells[5], "GK");
    EXPECT_EQ(cells[6], "ST");
    EXPECT_EQ(mixed[5], "ST");
    EXPECT_FALSE(cells[3].empty());
    EXPECT_NE(cells[3], cells[4]);
}

TEST_F(DoublesModelTest, LetterCaseSeparatesNamesAndClubsThatDoNotCountTakeNoPart) {
    CClub& club = world_.Club(3, "Nordland", "North");
    world_.Player(club, "Jan", "Berg");
    world_.Player(club, "JAN", "BERG");
    world_.Player(club, "ola", "dahl");
    world_.Player(club, "Ola", "Dahl");
    // A national team and the players without a club are not looked at.
    CClub& national = *world_.World().GetCountry(3)->EnsureNationalTeam();
    world_.Player(national, "Kim", "Holm");
    CPlayer& free = world_.Player(club, "Kim", "Holm");
    club.RemovePlayer(free.Id());
    world_.World().PlayersWithoutClub().push_back(free.Id());
    CClub& other = world_.Club(4, "Ostland", "East");
    world_.Player(other, "Kim", "Holm");

    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    EXPECT_EQ(model.Candidates().size(), 5u);
    EXPECT_TRUE(model.Pairs().empty());
    EXPECT_TRUE(model.Rows().empty());
}

TEST_F(DoublesModelTest, TheBirthDateBoxHidesPairsBornOnDifferentDays) {
    CClub& club = world_.Club(3, "Nordland", "North");
    world_.Player(club, "Jan", "Berg", 1980);
    world_.Player(club, "Jan", "Berg", 1980);
    world_.Player(club, "Ola", "Dahl", 1980);
    world_.Player(club, "Ola", "Dahl", 1990);

    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    EXPECT_EQ(model.Pairs().size(), 2u);
    model.SetSameBirthDate(true);
    ASSERT_EQ(model.Pairs().size(), 1u);
    EXPECT_EQ(model.Rows()[0][0], "Berg, Jan");
    model.SetSameBirthDate(false);
    EXPECT_EQ(model.Pairs().size(), 2u);
}

TEST_F(DoublesModelTest, CountryAndClubScopesKeepPairsWithOneOfTheirPlayers) {
    CClub& north = world_.Club(3, "Nordland", "North");
    CClub& harbour = world_.Club(3, "Nordland", "Harbour");
    CClub& south = world_.Club(5, "Suedland", "South");
    // South has the same club number in its own country as North: only the key tells them apart.
    ASSERT_EQ(ClubId::NumberOf(north.Id()), ClubId::NumberOf(south.Id()));
    world_.Player(north, "Jan", "Berg");
    world_.Player(harbour, "Jan", "Berg");
    world_.Player(harbour, "Ola", "Dahl");
    world_.Player(south, "Ola", "Dahl");
    world_.Player(south, "Kim", "Holm");
    world_.Player(south, "Kim", "Holm");

    PlayerDoublesModel all(world_.World(), 0, 0, 0);
    EXPECT_EQ(all.Pairs().size(), 3u);
    EXPECT_FALSE(all.ScopeEnabled(DoublesScope::Country));
    EXPECT_FALSE(all.ScopeEnabled(DoublesScope::Club));
    EXPECT_FALSE(all.SetScope(DoublesScope::Club));
    EXPECT_EQ(all.ScopeName(DoublesScope::Club), "");

    PlayerDoublesModel country(world_.World(), 0, 3, 0);
    EXPECT_EQ(country.Scope(), DoublesScope::Country);
    EXPECT_EQ(country.ScopeName(DoublesScope::Country), "Nordland");
    EXPECT_EQ(country.Pairs().size(), 2u); // Berg (both in 3) and Dahl (one in 3)

    PlayerDoublesModel club(world_.World(), 0, 3, north.Id());
    EXPECT_EQ(club.Scope(), DoublesScope::Club);
    EXPECT_EQ(club.ScopeName(DoublesScope::Club), "North");
    ASSERT_EQ(club.Pairs().size(), 1u);
    EXPECT_EQ(club.Rows()[0][0], "Berg, Jan");
    // Back to the wider scopes.
    EXPECT_TRUE(club.SetScope(DoublesScope::Country));
    EXPECT_EQ(club.Pairs().size(), 2u);
    EXPECT_TRUE(club.SetScope(DoublesScope::All));
    EXPECT_EQ(club.Pairs().size(), 3u);

    // A national team is no club to narrow to.
    CClub& national = *world_.World().GetCountry(3)->EnsureNationalTeam();
    PlayerDoublesModel nationalTeam(world_.World(), 0, 3, national.Id());
    EXPECT_EQ(nationalTeam.Scope(), DoublesScope::Country);
    EXPECT_FALSE(nationalTeam.ScopeEnabled(DoublesScope::Club));
}

TEST_F(DoublesModelTest, HeadingClicksSortByTheColumnAndTurnOnTheSecondClick) {
    CClub& alpha = world_.Club(3, "Nordland", "Alpha");
    CClub& zulu = world_.Club(3, "Nordland", "Zulu");
    world_.Player(zulu, "Jan", "Adler", 1990, 5);
    world_.Player(alpha, "Jan", "Adler", 1990, 5);
    world_.Player(alpha, "Ola", "Zink", 1970, 9);
    world_.Player(alpha, "Ola", "Zink", 1970, 9);

    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    ASSERT_EQ(model.Rows().size(), 2u);
    EXPECT_EQ(model.Sort().column, 0);
    EXPECT_EQ(model.Rows()[0][0], "Adler, Jan");

    model.ClickHeading(0); // the same column: the other way round
    EXPECT_FALSE(model.Sort().ascending);
    EXPECT_EQ(model.Rows()[0][0], "Zink, Ola");

    model.ClickHeading(3); // birth date of player 1, oldest first
    EXPECT_TRUE(model.Sort().ascending);
    EXPECT_EQ(model.Rows()[0][0], "Zink, Ola");

    model.ClickHeading(2); // club of player 2: Alpha (the Zink pair) before Zulu
    EXPECT_EQ(model.Rows()[0][2], "Alpha (Nordland)");
    model.ClickHeading(2);
    EXPECT_EQ(model.Rows()[0][2], "Zulu (Nordland)");
    model.ClickHeading(9); // no such column: nothing changes
    EXPECT_EQ(model.Sort().column, 2);
}

TEST_F(DoublesModelTest, TheMenuEntriesNameEachPlayerWithClubCountryAndBirthDate) {
    CClub& north = world_.Club(3, "Nordland", "North");
    CClub& south = world_.Club(5, "Suedland", "South");
    world_.Player(north, "Jan", "Berg", 1980);
    world_.Player(south, "Jan", "Berg", 1985);
    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    ASSERT_EQ(model.Pairs().size(), 1u);
    const bool northFirst = model.Pairs()[0].first.club == north.Id();
    const std::string first = model.DeleteEntryText(0, 1);
    const std::string second = model.DeleteEntryText(0, 2);
    const std::string northText =
        "Удалить игрока Berg, Jan (North) - Nordland | " + model.RowCells(0)[northFirst ? 3 : 4];
    EXPECT_EQ(northFirst ? first : second, northText);
    EXPECT_NE(first, second);
    EXPECT_EQ(model.DeleteEntryText(0, 3), "Удалить игрока ");
    EXPECT_TRUE(model.PlayerDescription(5, 1).empty());
}

TEST_F(DoublesModelTest, ADeleteLeavesEveryListIsOneJournalEntryAndComesBack) {
    CClub& north = world_.Club(3, "Nordland", "North");
    CClub& south = world_.Club(5, "Suedland", "South");
    const uint32_t northId = world_.Player(north, "Jan", "Berg").Id();
    const uint32_t southId = world_.Player(south, "Jan", "Berg").Id();
    // The ID also stands in the list of players without a club: it leaves that list too.
    world_.World().PlayersWithoutClub().push_back(southId);

    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    ASSERT_EQ(model.Pairs().size(), 1u);
    const int which = model.Pairs()[0].first.player == southId ? 1 : 2;
    const WorldChanges changes = WorldChanges::Journal(world_.Journal());
    ASSERT_TRUE(model.DeletePlayer(0, which, changes));

    EXPECT_FALSE(south.HasPlayer(southId));
    EXPECT_TRUE(north.HasPlayer(northId));
    EXPECT_TRUE(world_.World().PlayersWithoutClub().empty());
    EXPECT_TRUE(model.Pairs().empty());
    EXPECT_EQ(model.Candidates().size(), 1u);
    EXPECT_EQ(world_.Journal().Size(), 1u);
    EXPECT_EQ(world_.Journal().UndoName(InterfaceLanguage::Russian), "Удаление игрока-двойника");

    // Undo puts back copies of the countries: the club is found again by its ID.
    const uint32_t southClub = south.Id();
    ASSERT_TRUE(world_.Journal().Undo());
    CClub* restored = world_.World().FindClub(southClub);
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->HasPlayer(southId));
    EXPECT_EQ(world_.World().PlayersWithoutClub(), std::vector<uint32_t>{southId});
    model.Rebuild();
    EXPECT_EQ(model.Pairs().size(), 1u);

    // A row that is gone deletes nothing and records nothing.
    EXPECT_FALSE(model.DeletePlayer(4, 1, changes));
    EXPECT_FALSE(model.DeletePlayer(0, 0, changes));
    EXPECT_TRUE(world_.Journal().CanRedo());
}

TEST_F(DoublesModelTest, TheExportTableIsTheRowsShownUnderTheTitle) {
    CClub& club = world_.Club(3, "Nordland", "North");
    world_.Player(club, "Jan", "Berg", 1980, 1);
    world_.Player(club, "Jan", "Berg", 1980, 1);
    PlayerDoublesModel model(world_.World(), 0, 0, 0);
    SetActiveCodePage(CodePage::Windows1251);
    const ListExport table = model.ExportTable(CodePage::Windows1251);
    SetActiveCodePage(CodePage::Windows1252);
    EXPECT_EQ(table.ColumnCount(), 7u);
    const std::vector<std::string> cells = model.RowCells(0);
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) {
        row += (i > 0 ? "\t" : "") + cells[i];
    }
    EXPECT_EQ(table.Render(ListExportForm::TabSeparated, CodePage::Windows1251),
              PlayerDoublesModel::Title(CodePage::Windows1251) + "\r\n" + row + "\r\n");
    // "Игроки-двойники в Базе Данных" in the Cyrillic code page.
    EXPECT_EQ(PlayerDoublesModel::Title(CodePage::Windows1251),
              "\xC8\xE3\xF0\xEE\xEA\xE8-\xE4\xE2\xEE\xE9\xED\xE8\xEA\xE8 \xE2 \xC1\xE0\xE7\xE5 "
              "\xC4\xE0\xED\xED\xFB\xF5");
    const std::vector<DoublesColumn> columns = PlayerDoublesModel::Columns();
    EXPECT_EQ(columns[1].heading, "Клуб 1");
    EXPECT_EQ(columns[4].heading, "Дата рождения 2");
    EXPECT_EQ(columns[6].width, 45);
    EXPECT_EQ(columns[3].alignment, DoublesAlignment::Right);
}

} // namespace
} // namespace tallo
