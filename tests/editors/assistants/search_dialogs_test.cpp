// The player search's windows offscreen: the search dialog on the kept criteria, the result
// list filled from a real search (headings, sorting by a heading click, a double click that
// chooses the club), its context menu, closing it while the search runs, and the openers' loop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "editing/assistants/search_criteria.h"
#include "editing/assistants/search_result_model.h"
#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "editors/assistants/dlg_player_search.h"
#include "editors/assistants/dlg_search_result.h"
#include "editors/assistants/player_search_loop.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/framework_test_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class NoChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int, uint32_t) override { return std::nullopt; }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }
};

// A small world in memory with a journal of its own: two clubs of country 3 and a player
// without a club.
class SearchDialogsTest : public ::testing::Test, public JournalTarget {
protected:
    SearchDialogsTest() : journal_(*this) {}

    void SetUp() override {
        test::EnsureFrameworkApplication();
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            world_.GetCountry(3)->SetName(slot, "Alpha");
        }
        home_ = world_.GetCountry(3)->CreateClub("Home")->Id();
        away_ = world_.GetCountry(3)->CreateClub("Away")->Id();
        boris_ = Player(home_, "Boris", "Zorin");
        anton_ = Player(away_, "Anton", "Zorin");
        free_ = Player(0, "Carl", "Zorin");
    }

    CWorld& World() override { return world_; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}

    uint32_t Player(uint32_t club, const std::string& first, const std::string& surname) {
        CPlayer& player = *world_.CreatePlayer(0, true);
        player.SetFirstName(first);
        player.SetSurname(surname);
        if (club != 0) {
            world_.FindClub(club)->AddPlayer(player.Id());
        } else {
            world_.PlayersWithoutClub().push_back(player.Id());
        }
        return player.Id();
    }

    std::unique_ptr<SearchResultModel> Model(const std::string& surname,
                                             const SearchResultSettings& settings) {
        SearchCriteria criteria;
        criteria.surname = surname;
        return std::make_unique<SearchResultModel>(world_, 0, SearchKeys::From(criteria), settings,
                                                   WorldChanges::Journal(journal_), &choosers_);
    }

    // Waits until the search has ended and its rows are shown.
    static bool Filled(const SearchResultModel& model, const CReportList& list, int rows) {
        return test::ProcessEventsUntil(
            [&] { return !model.Running() && list.rowCount() == rows; });
    }

    // The player of a row of the list.
    static uint32_t PlayerAt(const SearchResultModel& model, const CReportList& list, int row) {
        return model.Entries()[static_cast<size_t>(list.RowData(row))].player;
    }

    static void DoubleClick(CReportList& list, int row) {
        QWidget* viewport = list.viewport();
        const QPoint pos = list.visualRect(list.model()->index(row, 1)).center();
        const QPointF global = viewport->mapToGlobal(pos);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons buttons =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, pos, global, Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    }

    CWorld world_;
    ChangeJournal journal_;
    NoChoosers choosers_;
    uint32_t home_ = 0;
    uint32_t away_ = 0;
    uint32_t boris_ = 0;
    uint32_t anton_ = 0;
    uint32_t free_ = 0;
};

TEST_F(SearchDialogsTest, TheSearchDialogShowsAndKeepsTheCriteria) {
    SearchCriteria kept;
    kept.surname = "M\xFC*";
    {
        CDlgPlayerSearch dialog(kept);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Поиск игрока"));
        EXPECT_EQ(dialog.SurnameEdit().text(), QString::fromUtf8("Mü*"));
        dialog.FirstNameEdit().setText("Iv?n");
        dialog.NicknameEdit().setText("Kaka");
        dialog.reject();
    }
    // Cancelled: nothing kept.
    EXPECT_TRUE(kept.firstName.empty());
    {
        CDlgPlayerSearch dialog(kept);
        dialog.FirstNameEdit().setText("Iv?n");
        dialog.SurnameEdit().setText(QString::fromUtf8("Mü*ller"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(kept.firstName, "Iv?n");
    EXPECT_EQ(kept.surname, "M\xFC*ller");
    EXPECT_EQ(kept.nickname, "");
}

TEST_F(SearchDialogsTest, TheResultFillsFromASearchSortsByHeadingAndADoubleClickChoosesTheClub) {
    auto model = Model("ZORIN", {true, true, 0});
    CDlgSearchResult dialog(*model);
    CReportList& list = dialog.List();
    const QStringList headings = list.Headings();
    ASSERT_EQ(headings.size(), 7);
    EXPECT_EQ(headings[0], QString::fromUtf8("Имя"));
    EXPECT_EQ(headings[3], QString::fromUtf8("Поз."));
    EXPECT_EQ(headings[6], QString::fromUtf8("Страна"));
    // At least the width given, wider where the font needs it.
    EXPECT_GE(list.columnWidth(4), 70);
    EXPECT_GE(list.columnWidth(0), 120);
    dialog.show();
    ASSERT_TRUE(Filled(*model, list, 3));
    // Surname, then first name.
    EXPECT_EQ(PlayerAt(*model, list, 0), anton_);
    EXPECT_EQ(PlayerAt(*model, list, 2), free_);
    EXPECT_EQ(list.item(0, 5)->text(), "Away");
    EXPECT_EQ(list.item(0, 6)->text(), "Alpha");
    EXPECT_EQ(list.item(2, 5)->text(), "");

    // The first name heading twice: descending by first name.
    list.horizontalHeader()->sectionClicked(0);
    list.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(PlayerAt(*model, list, 0), free_);
    EXPECT_EQ(PlayerAt(*model, list, 1), boris_);
    EXPECT_EQ(list.item(0, 0)->text(), "Carl");

    // The player without a club has no club to show.
    DoubleClick(list, 0);
    EXPECT_TRUE(dialog.isVisible());
    DoubleClick(list, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model->ChosenClub(), home_);
}

TEST_F(SearchDialogsTest, TheContextMenuGreysWhatTheOpenerDoesNotAllowAndTakesAPlayer) {
    {
        auto closed = Model("ZORIN", {false, false, 0});
        CDlgSearchResult dialog(*closed);
        ASSERT_TRUE(Filled(*closed, dialog.List(), 3));
        EXPECT_EQ(dialog.BuildContextMenu(), nullptr);
        EXPECT_EQ(dialog.ShowClubButton(), nullptr);
    }
    auto model = Model("ZORIN", {true, false, home_});
    CDlgSearchResult dialog(*model);
    CReportList& list = dialog.List();
    ASSERT_TRUE(Filled(*model, list, 3));
    std::unique_ptr<QMenu> menu = dialog.BuildContextMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QString::fromUtf8("Показать клуб"));
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_EQ(actions[1]->text(), QString::fromUtf8("Трансфер игрока"));
    EXPECT_EQ(actions[2]->text(), QString::fromUtf8("Взять игрока"));
    EXPECT_TRUE(actions[2]->isEnabled());
    EXPECT_EQ(actions[3]->text(), QString::fromUtf8("Удалить игрока"));

    // Take the player without a club into the target club; the list shows him there.
    list.SelectData(list.RowData(2));
    ASSERT_EQ(PlayerAt(*model, list, 2), free_);
    actions[2]->trigger();
    EXPECT_TRUE(world_.FindClub(home_)->HasPlayer(free_));
    EXPECT_TRUE(world_.PlayersWithoutClub().empty());
    EXPECT_TRUE(model->Changed());
    ASSERT_TRUE(Filled(*model, list, 3));
    EXPECT_EQ(list.item(2, 5)->text(), "Home");
    EXPECT_TRUE(journal_.CanUndo());
}

TEST_F(SearchDialogsTest, ClosingWhileTheSearchRunsEndsTheWorker) {
    for (int i = 0; i < 300; ++i) {
        world_.GetCountry(4)->CreateClub("Club " + std::to_string(i));
    }
    auto model = Model("*", {true, true, 0});
    std::atomic<int> clubs = 0;
    model->SetClubHook([&clubs] {
        ++clubs;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    auto dialog = std::make_unique<CDlgSearchResult>(*model);
    dialog->show();
    ASSERT_TRUE(test::ProcessEventsUntil([&clubs] { return clubs.load() >= 3; }));
    EXPECT_TRUE(model->Running());
    ASSERT_NE(dialog->ShowClubButton(), nullptr);
    EXPECT_FALSE(dialog->ShowClubButton()->isEnabled());
    dialog->reject();
    // The worker ended with the window's closing, before the window is gone.
    EXPECT_FALSE(model->Running());
    const int walked = clubs.load();
    dialog.reset();
    QApplication::processEvents();
    EXPECT_EQ(clubs.load(), walked);
    EXPECT_LT(walked, 300);
}

TEST_F(SearchDialogsTest, TheLoopSearchesAgainUntilAClubIsChosen) {
    SearchCriteria kept;
    // Plays the user through the modal windows as they come up: search "ZORIN", leave the list
    // with OK without a club, search again with first name "BOR*" and show the one club.
    int step = 0;
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* search = qobject_cast<CDlgPlayerSearch*>(modal);
        auto* result = qobject_cast<CDlgSearchResult*>(modal);
        if (step == 0 && search != nullptr) {
            search->SurnameEdit().setText("ZORIN");
            step = 1;
            search->accept();
        } else if (step == 1 && result != nullptr && result->List().rowCount() == 3) {
            step = 2;
            result->accept();
        } else if (step == 2 && search != nullptr) {
            EXPECT_EQ(search->SurnameEdit().text(), "ZORIN");
            search->FirstNameEdit().setText("BOR*");
            step = 3;
            search->accept();
        } else if (step == 3 && result != nullptr && result->List().rowCount() == 1 &&
                   result->ShowClubButton()->isEnabled()) {
            result->List().SelectData(result->List().RowData(0));
            step = 4;
            result->ShowClub();
        } else if (clock.elapsed() > 5000 && modal != nullptr) {
            modal->close(); // gone wrong: end the loop rather than hang
        }
    });
    driver.start(5);
    bool changed = false;
    const uint32_t club = RunPlayerSearch(nullptr, world_, 0, kept, {true, true, 0},
                                          WorldChanges::Journal(journal_), &choosers_, &changed);
    driver.stop();
    EXPECT_EQ(step, 4);
    EXPECT_EQ(club, home_);
    EXPECT_FALSE(changed);
    EXPECT_EQ(kept.firstName, "BOR*");
}

} // namespace
} // namespace tallo
