// The fast transfer, the players without a club and the player comparison on the small sample,
// on the offscreen platform: each opens, shows what its model holds, and one click path goes
// through to the world and the journal.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <memory>
#include <optional>

#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/assistants/dlg_fast_transfer.h"
#include "editors/assistants/dlg_player_compare.h"
#include "editors/assistants/dlg_player_without_club.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/interface_language.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class ChooserAnswering : public IRecordChoosers {
public:
    std::optional<uint32_t> answer;
    std::optional<uint32_t> ChooseClub(int, uint32_t) override { return answer; }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }
};

class TransferDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        harness_ = new test::EditorHarness();
        session_ = &harness_->OpenGame();
    }
    static void TearDownTestSuite() {
        delete harness_;
        harness_ = nullptr;
        session_ = nullptr;
    }
    void SetUp() override { test::EnsureFrameworkApplication(); }

    static CWorld& World() { return session_->World(); }
    static ChangeJournal& Journal() { return session_->Journal(); }

    // The country with the most ordinary clubs.
    static int BusiestCountry() {
        int best = 1;
        size_t most = 0;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            if (World().GetCountry(number)->GetOrdinaryClubCount() > most) {
                most = World().GetCountry(number)->GetOrdinaryClubCount();
                best = number;
            }
        }
        return best;
    }

    InterfaceLanguageScope russian_{InterfaceLanguage::Russian};
    static test::EditorHarness* harness_;
    static DatabaseSession* session_;
};

test::EditorHarness* TransferDialogsTest::harness_ = nullptr;
DatabaseSession* TransferDialogsTest::session_ = nullptr;

TEST_F(TransferDialogsTest, FastTransferMovesTheClickedPlayerToTheClickedClub) {
    const int country = BusiestCountry();
    CDlgFastTransfer dialog(nullptr, World(), World().Language(), country,
                            WorldChanges::Journal(Journal()));
    EXPECT_EQ(dialog.SourceCountries().count(), CWorld::kCountryCount);
    EXPECT_EQ(dialog.SourceCountries().currentData().toInt(), country);
    ASSERT_GT(dialog.Players().count(), 0);
    EXPECT_TRUE(dialog.CurrentNumber().text().isEmpty());

    dialog.Players().setCurrentRow(0);
    const uint32_t playerId = dialog.Players().item(0)->data(Qt::UserRole).toUInt();
    CPlayer* player = World().FindPlayer(playerId);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(dialog.CurrentNumber().text(), QString::number(player->ShirtNumber()));

    // The target country is the source country: its clubs are listed, none chosen.
    EXPECT_EQ(dialog.TargetCountries().currentItem()->data(Qt::UserRole).toInt(), country);
    ASSERT_GE(dialog.Clubs().count(), 2);
    EXPECT_EQ(dialog.Numbers().count(), 0);
    // The last club of the list: not the player's, whose club comes first.
    const int lastClub = dialog.Clubs().count() - 1;
    dialog.Clubs().setCurrentRow(lastClub);
    const uint32_t target = dialog.Clubs().item(lastClub)->data(Qt::UserRole).toUInt();
    ASSERT_FALSE(World().FindClub(target)->HasPlayer(playerId));
    ASSERT_GT(dialog.Numbers().count(), 0);
    EXPECT_EQ(dialog.Numbers().currentRow(), 0);
    dialog.Numbers().setCurrentRow(dialog.Numbers().count() - 1);
    const int number = dialog.Numbers().currentItem()->text().toInt();

    const size_t entries = Journal().Size();
    dialog.TransferButton().click();
    EXPECT_TRUE(World().FindClub(target)->HasPlayer(playerId));
    EXPECT_EQ(player->ShirtNumber(), number);
    EXPECT_EQ(Journal().Size(), entries + 1);
    EXPECT_TRUE(dialog.CurrentNumber().text().isEmpty());
    EXPECT_EQ(dialog.Numbers().currentRow(), 0);
    for (int row = 0; row < dialog.Numbers().count(); ++row) {
        EXPECT_NE(dialog.Numbers().item(row)->text().toInt(), number);
    }
    ASSERT_TRUE(Journal().Undo());
    EXPECT_FALSE(World().FindClub(target)->HasPlayer(playerId));
}

TEST_F(TransferDialogsTest, FreeAgentsDeleteAndMoveThroughTheButtonsAndTheMenu) {
    std::vector<uint32_t>& list = World().PlayersWithoutClub();
    while (list.size() < 4) {
        CPlayer* added = World().CreatePlayer(0, true);
        added->SetSurname("Freeman");
        list.push_back(added->Id());
    }
    uint32_t clubKey = 0;
    for (const auto& [key, club] : World().GetCountry(BusiestCountry())->Clubs()) {
        if (!club->IsNationalTeam() && club->PlayerCount() + 4 < CClub::kMaxPlayers) {
            clubKey = key;
            break;
        }
    }
    ASSERT_NE(clubKey, 0u);
    ChooserAnswering choosers;
    choosers.answer = clubKey | CClub::kSecondTeamBit;
    CDlgPlayerWithoutClub dialog(nullptr, World(), World().Language(), &choosers,
                                 WorldChanges::Journal(Journal()));
    CReportList& rows = dialog.List();
    EXPECT_EQ(rows.Headings(), (QStringList{"Имя", "Национальность", "Позиция", "Уровень"}));
    const int count = rows.rowCount();
    ASSERT_EQ(count, static_cast<int>(list.size()));
    EXPECT_EQ(dialog.MoveButton().text(), "&Переместить в клуб");
    EXPECT_EQ(dialog.DeleteButton().text(), "&Удалить");

    // Delete the last row: the selection goes to the new last row.
    rows.SelectData(count - 1);
    const uint32_t last = dialog.Model().Rows()[static_cast<size_t>(count - 1)].player;
    dialog.DeleteButton().click();
    EXPECT_EQ(rows.rowCount(), count - 1);
    EXPECT_EQ(World().FindPlayer(last), nullptr);
    EXPECT_EQ(rows.currentRow(), count - 2);
    EXPECT_EQ(rows.SelectedData(), std::vector<int>{count - 2});

    // The context menu on the first row offers both commands; moving goes to the reserves.
    rows.SelectData(0);
    const uint32_t first = dialog.Model().Rows()[0].player;
    dialog.ShowMenu(rows.visualItemRect(rows.item(0, 0)).center());
    ASSERT_NE(dialog.Menu(), nullptr);
    ASSERT_EQ(dialog.Menu()->actions().size(), 2);
    EXPECT_EQ(dialog.Menu()->actions()[0]->text(), "&Переместить в клуб");
    dialog.Menu()->close();
    dialog.Menu()->actions()[0]->trigger();
    EXPECT_TRUE(World().FindClub(clubKey)->HasPlayer(first));
    EXPECT_TRUE(World().FindPlayer(first)->IsReserve());
    EXPECT_EQ(rows.rowCount(), count - 2);
    EXPECT_EQ(rows.currentRow(), 0);

    ASSERT_TRUE(Journal().Undo());
    ASSERT_TRUE(Journal().Undo());
    EXPECT_EQ(World().PlayersWithoutClub().size(), static_cast<size_t>(count));
}

TEST_F(TransferDialogsTest, ComparisonShowsTheClickedPlayersAbilitiesReadOnly) {
    const int country = BusiestCountry();
    CDlgPlayerCompare dialog(nullptr, World(), World().Language(), country);
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(dialog.Countries(side).currentData().toInt(), country);
        EXPECT_GT(dialog.Clubs(side).count(), 0);
        EXPECT_EQ(dialog.Players(side).Headings(), (QStringList{"Имя", "Позиция", "Уровень"}));
        EXPECT_FALSE(dialog.Ability(side, 0).isEnabled());
    }

    // A club on the right, then a player there.
    dialog.Clubs(1).setCurrentIndex(dialog.Clubs(1).count() - 1);
    ASSERT_GT(dialog.Players(1).rowCount(), 0);
    dialog.Players(1).SelectData(0);
    const CPlayer* player = World().FindPlayer(dialog.Model().Player(1));
    ASSERT_NE(player, nullptr);
    for (int index = 0; index < CPlayer::kAbilityCount; ++index) {
        CSpinEditCtrl& field = dialog.Ability(1, index);
        EXPECT_TRUE(field.isEnabled());
        EXPECT_EQ(field.IntegerValue(), player->Ability(index));
        EXPECT_TRUE(field.Edit().isReadOnly());
        EXPECT_FALSE(field.Spin().isEnabled());
    }
    EXPECT_FALSE(dialog.Ability(0, 0).isEnabled());

    // Sorting keeps the player chosen; typing into a field changes no record.
    const auto abilities = player->Abilities();
    const size_t entries = Journal().Size();
    dialog.Players(1).headingClicked(2);
    EXPECT_EQ(dialog.Players(1).CurrentData(), dialog.Model().ChosenRow(1));
    dialog.Ability(1, 0).SetValue(abilities[0] == 10 ? 1 : 10);
    emit dialog.Ability(1, 0).valueChanged();
    EXPECT_EQ(player->Abilities(), abilities);
    EXPECT_EQ(Journal().Size(), entries);
}

} // namespace
} // namespace tallo
