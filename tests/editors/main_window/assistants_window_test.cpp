// The assistants opened from the main window (1763, 1805, 1807, 1808, 1809) and from the
// squad list: what they change is one entry of the journal (from the window) or part of the
// squad list's change (from the squad list), and undo gives the saved bytes back.

#include <gtest/gtest.h>

#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <QPushButton>

#include "editing/assistants/search_result_model.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/player/squad_list_model.h"
#include "editors/assistants/dlg_fast_transfer.h"
#include "editors/assistants/dlg_player_compare.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/dlg_player_search.h"
#include "editors/assistants/dlg_player_without_club.h"
#include "editors/assistants/dlg_search_result.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/when_shown.h"
#include "editors/main_window/main_window_fixture.h"
#include "editors/player/dlg_playerlist_club.h"
#include "formats/interface_language.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

namespace tallo {
namespace {

using test::WhenShown;

// Runs `then` from the result window's own event loop once its search has ended and shows at
// least `rows` rows (or after five seconds, for the test's checks to fail): a waiting loop
// inside the handler that WhenShown calls would hold back the rows the window is to show.
void WhenFound(CDlgSearchResult& result, int rows, std::function<void()> then) {
    auto* timer = new QTimer(&result);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, &result, [&result, timer, tries, rows, then] {
        if ((result.Model().Running() || result.List().rowCount() < rows) && ++*tries < 250) {
            return;
        }
        timer->stop();
        then();
    });
    timer->start(20);
}

class AssistantsWindowTest : public test::MainWindowFixture {
protected:
    // The clubs of a country that list players, national team aside, in ID order.
    std::vector<const CClub*> ClubsOf(int number) {
        std::vector<const CClub*> clubs;
        if (const CCountry* country = session_->World().GetCountry(number)) {
            for (const auto& [id, club] : country->Clubs()) {
                if (club->ClubNumber() != CClub::kNationalTeamNumber && club->PlayerCount() > 0) {
                    clubs.push_back(club.get());
                }
            }
        }
        return clubs;
    }

    // Selects a country with at least two clubs of players.
    int CountryWithClubs() {
        return SelectCountry([this](int number) { return ClubsOf(number).size() >= 2; });
    }

    // Selects a club of the selected country in the window's club list.
    bool SelectClub(uint32_t id) {
        QTreeWidget& clubs = window_->ClubList();
        for (int row = 0; row < clubs.topLevelItemCount(); ++row) {
            clubs.setCurrentItem(clubs.topLevelItem(row));
            if (window_->Model().SelectedClub() == id) {
                return true;
            }
        }
        return false;
    }

    // Makes the first player of the second club of `country` a double of the first player of
    // its first club (same names and birth date), before the test's "before" bytes are taken.
    // The double's ID.
    uint32_t MakeDouble(int country) {
        CWorld& world = session_->World();
        const std::vector<const CClub*> clubs = ClubsOf(country);
        if (clubs.size() < 2) {
            return 0;
        }
        const CPlayer& original = *world.FindPlayer(clubs[0]->PlayerId(0));
        CPlayer& twin = *world.FindPlayer(clubs[1]->PlayerId(0));
        twin.SetFirstName("Zebedeus");
        twin.SetSurname("Zwilling");
        twin.SetBirthDate(original.BirthDate());
        world.FindPlayer(original.Id())->SetFirstName("Zebedeus");
        world.FindPlayer(original.Id())->SetSurname("Zwilling");
        return twin.Id();
    }
};

TEST_F(AssistantsWindowTest, EveryAssistantIsEnabledAndTheComparisonChangesNothing) {
    for (int command : {Command::kFastTransfer, Command::kPlayerSearch, Command::kPlayerDoubles,
                        Command::kFreeAgents, Command::kPlayerComparison}) {
        EXPECT_TRUE(window_->Model().Command(command, InterfaceLanguage::Russian).enabled)
            << command;
    }
    ASSERT_NE(CountryWithClubs(), 0);
    const auto before = test::SavedBytes(session_->World());
    bool ran = false;
    WhenShown<CDlgPlayerCompare>([](CDlgPlayerCompare& dialog) { dialog.reject(); }, &ran);
    window_->RunCommand(Command::kPlayerComparison);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

TEST_F(AssistantsWindowTest, AFastTransferIsOneEntryThatUndoTakesBack) {
    const int country = CountryWithClubs();
    ASSERT_NE(country, 0);
    const auto before = test::SavedBytes(session_->World());
    uint32_t moved = 0;
    uint32_t target = 0;
    bool ran = false;
    WhenShown<CDlgFastTransfer>(
        [&](CDlgFastTransfer& dialog) {
            ASSERT_GT(dialog.Players().count(), 0);
            dialog.Players().setCurrentRow(0);
            moved = dialog.Model().ChosenPlayer();
            const uint32_t from = session_->World().FindPlayer(moved) != nullptr
                                      ? dialog.Model().Players().front().data
                                      : 0;
            ASSERT_EQ(from, moved);
            // The last club of the target country's list: not the first club's player's own.
            ASSERT_GT(dialog.Clubs().count(), 1);
            dialog.Clubs().setCurrentRow(dialog.Clubs().count() - 1);
            target = dialog.Model().TargetClub();
            ASSERT_FALSE(dialog.Model().Numbers().empty());
            dialog.TransferButton().click();
            dialog.reject();
        },
        &ran);
    window_->RunCommand(Command::kFastTransfer);
    ASSERT_TRUE(ran);
    ASSERT_NE(moved, 0u);
    const CClub* club = session_->World().FindClub(target);
    ASSERT_NE(club, nullptr);
    bool listed = false;
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        listed = listed || club->PlayerId(i) == moved;
    }
    EXPECT_TRUE(listed);
    ASSERT_TRUE(session_->Journal().CanUndo());

    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(AssistantsWindowTest, ADoubleDeletedFromTheWindowLeavesTheSaveAndComesBackWithUndo) {
    const int country = CountryWithClubs();
    ASSERT_NE(country, 0);
    const uint32_t twin = MakeDouble(country);
    ASSERT_NE(twin, 0u);
    const auto before = test::SavedBytes(session_->World());
    bool ran = false;
    WhenShown<CPlayerDouble>(
        [&](CPlayerDouble& dialog) {
            ASSERT_GE(dialog.List().rowCount(), 1);
            for (int row = 0; row < dialog.List().rowCount(); ++row) {
                if (dialog.List().item(row, 0)->text().startsWith("Zwilling")) {
                    dialog.List().selectRow(row);
                }
            }
            dialog.DeleteSelected(2);
            dialog.reject();
        },
        &ran);
    window_->RunCommand(Command::kPlayerDoubles);
    ASSERT_TRUE(ran);
    ASSERT_TRUE(session_->Journal().CanUndo());
    EXPECT_NE(test::SavedBytes(session_->World()), before);

    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

TEST_F(AssistantsWindowTest, ADoubleDeletedFromTheSquadListJoinsItsChange) {
    const int country = CountryWithClubs();
    ASSERT_NE(country, 0);
    // The squad list of the first club, made valid so that OK can record; the twin plays for
    // the second club.
    const uint32_t firstClub = ClubsOf(country).front()->Id();
    test::MakeSquadValid(session_->World(), *session_->World().FindClub(firstClub), 15);
    const uint32_t twin = MakeDouble(country);
    ASSERT_NE(twin, 0u);
    const auto before = test::SavedBytes(session_->World());
    auto deleteTwinThen = [&](bool confirm) {
        bool ran = false;
        bool squadRan = false;
        WhenShown<CDlgPlayerlistClub>(
            [&](CDlgPlayerlistClub& squad) {
                WhenShown<CPlayerDouble>(
                    [&](CPlayerDouble& doubles) {
                        for (int row = 0; row < doubles.List().rowCount(); ++row) {
                            if (doubles.List().item(row, 0)->text().startsWith("Zwilling")) {
                                doubles.List().selectRow(row);
                            }
                        }
                        doubles.DeleteSelected(2);
                        doubles.reject();
                    },
                    &ran);
                squad.DoublesButton().click();
                squad.SetFaultQuestion([](const std::vector<int>&) {
                    return CDlgPlayerlistClub::FaultAnswer::NeverMind;
                });
                if (confirm) {
                    squad.accept();
                } else {
                    squad.reject();
                }
            },
            &squadRan);
        EXPECT_TRUE(SelectClub(firstClub));
        window_->RunCommand(Command::kSquadList);
        return squadRan && ran;
    };

    // Cancel of the squad list puts the deleted double back.
    ASSERT_TRUE(deleteTwinThen(false));
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(test::SavedBytes(session_->World()), before);

    // OK records the squad list's change with the delete in it, although its own club is as
    // it was; one undo takes it back.
    ASSERT_TRUE(deleteTwinThen(true));
    ASSERT_TRUE(session_->Journal().CanUndo());
    EXPECT_NE(test::SavedBytes(session_->World()), before);
    window_->RunCommand(Command::kUndo);
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

TEST_F(AssistantsWindowTest, APlayerTakenByTheSquadListsSearchIsPartOfItsChange) {
    const int country = CountryWithClubs();
    ASSERT_NE(country, 0);
    const uint32_t firstClub = ClubsOf(country).front()->Id();
    test::MakeSquadValid(session_->World(), *session_->World().FindClub(firstClub), 15);
    const uint32_t twin = MakeDouble(country);
    ASSERT_NE(twin, 0u);
    const auto before = test::SavedBytes(session_->World());

    bool squadRan = false;
    bool searchRan = false;
    bool resultRan = false;
    bool againRan = false;
    WhenShown<CDlgPlayerlistClub>(
        [&](CDlgPlayerlistClub& squad) {
            WhenShown<CDlgPlayerSearch>(
                [&](CDlgPlayerSearch& search) {
                    search.FirstNameEdit().clear();
                    search.NicknameEdit().clear();
                    search.SurnameEdit().setText("zwill*");
                    WhenShown<CDlgSearchResult>(
                        [&](CDlgSearchResult& result) {
                            WhenFound(result, 2, [&] {
                                // Both Zwillings are found; the one of the other club is taken.
                                EXPECT_EQ(result.List().rowCount(), 2);
                                for (int row = 0; row < result.List().rowCount(); ++row) {
                                    const int entry = result.List().RowData(row);
                                    if (result.Model()
                                            .Entries()
                                            .at(static_cast<size_t>(entry))
                                            .player == twin) {
                                        result.List().selectRow(row);
                                    }
                                }
                                result.Take();
                                // OK closes the list without a club: the loop asks for new
                                // criteria, and cancelling that ends it.
                                WhenShown<CDlgPlayerSearch>(
                                    [](CDlgPlayerSearch& again) { again.reject(); }, &againRan);
                                result.accept();
                            });
                        },
                        &resultRan);
                    search.accept();
                },
                &searchRan);
            squad.SearchButton().click();
            squad.accept();
        },
        &squadRan);
    ASSERT_TRUE(SelectClub(firstClub));
    window_->RunCommand(Command::kSquadList);
    ASSERT_TRUE(squadRan);
    ASSERT_TRUE(searchRan);
    ASSERT_TRUE(resultRan);
    ASSERT_TRUE(againRan);

    const CClub* club = session_->World().FindClub(firstClub);
    ASSERT_NE(club, nullptr);
    bool listed = false;
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        listed = listed || club->PlayerId(i) == twin;
    }
    EXPECT_TRUE(listed);
    // One entry, the squad list's; undo gives the twin back to his club.
    ASSERT_TRUE(session_->Journal().CanUndo());
    window_->RunCommand(Command::kUndo);
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

TEST_F(AssistantsWindowTest, AClubChosenFromTheWindowsSearchOpensItsSquadList) {
    const int country = CountryWithClubs();
    ASSERT_NE(country, 0);
    const uint32_t twin = MakeDouble(country);
    ASSERT_NE(twin, 0u);
    const uint32_t twinClub = ClubsOf(country).at(1)->Id();
    bool searchRan = false;
    bool resultRan = false;
    bool squadRan = false;
    uint32_t opened = 0;
    WhenShown<CDlgPlayerSearch>(
        [&](CDlgPlayerSearch& search) {
            search.FirstNameEdit().setText("Zebedeus");
            search.SurnameEdit().clear();
            search.NicknameEdit().clear();
            WhenShown<CDlgSearchResult>(
                [&](CDlgSearchResult& result) {
                    // The two Zebedeus are shown once the search has ended.
                    WhenFound(result, 2, [&] {
                        for (int row = 0; row < result.List().rowCount(); ++row) {
                            const int entry = result.List().RowData(row);
                            if (result.Model().Entries().at(static_cast<size_t>(entry)).player ==
                                twin) {
                                result.List().selectRow(row);
                            }
                        }
                        WhenShown<CDlgPlayerlistClub>(
                            [&](CDlgPlayerlistClub& squad) {
                                opened = squad.Model().ClubId();
                                squad.reject();
                            },
                            &squadRan);
                        EXPECT_GE(result.List().CurrentData(), 0);
                        result.ShowClub();
                        if (result.isVisible()) {
                            result.reject(); // nothing chosen: the test fails, the loop ends
                        }
                    });
                },
                &resultRan);
            search.accept();
        },
        &searchRan);
    window_->RunCommand(Command::kPlayerSearch);
    ASSERT_TRUE(searchRan);
    ASSERT_TRUE(resultRan);
    ASSERT_TRUE(squadRan);
    EXPECT_EQ(opened, twinClub);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

} // namespace
} // namespace tallo
