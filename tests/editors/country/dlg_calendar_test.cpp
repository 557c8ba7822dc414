// The calendar and fixture list editors on the offscreen platform: a click on a calendar cell
// toggles the matchday, the month buttons scroll, the problem window's texts and buttons, and
// the fixture list editor's keyboard and clicks; cancel puts everything back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>

#include "editing/country/calendar_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_calendar.h"
#include "editors/country/dlg_fixture_list.h"
#include "editors/framework/dlg_error_message.h"
#include "editors/framework/framework_test_support.h"

namespace tallo {
namespace {

using test::SavedBytes;

// A left click in the middle of a rectangle of a widget.
void ClickAt(QWidget& widget, const QRect& rect) {
    const QPointF pos = rect.center();
    const QPointF global = widget.mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

void ClickCell(QTableView& table, int row, int column) {
    table.scrollTo(table.model()->index(row, column));
    ClickAt(*table.viewport(), table.visualRect(table.model()->index(row, column)));
}

class CountryDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        context_.world = &session_->World();
        context_.languageSlot = session_->World().Language();
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CountryEditContext context_;
};

TEST_F(CountryDialogsTest, ClickOnACalendarCellTogglesTheMatchday) {
    context_.country = test::CountryWithCalendar(session_->World());
    const auto before = SavedBytes(session_->World());
    CDlgCalendar dialog(context_);
    dialog.show();
    QTableView& table = dialog.Table();
    ASSERT_EQ(table.model()->rowCount(), 360);
    const int column = 2;
    CDBCompetition& league = *dialog.Model().NodeOf(column);
    EXPECT_EQ(table.columnWidth(column),
              table.horizontalHeader()->fontMetrics().horizontalAdvance(
                  table.model()->headerData(column, Qt::Horizontal).toString()) +
                  15);
    int day = 1;
    while (day < 360 && league.MatchdayOn(day) != 1) {
        ++day;
    }
    ASSERT_LT(day, 360);
    const int32_t matchdays = league.MatchdayDays();

    ClickCell(table, day, column);
    EXPECT_EQ(league.MatchdayOn(day), 0);
    EXPECT_EQ(league.MatchdayDays(), matchdays - 1);
    EXPECT_EQ(table.model()->index(day, column).data().toString(), QString());
    ClickCell(table, day, column);
    EXPECT_EQ(league.MatchdayOn(day), 1);
    EXPECT_EQ(table.model()->index(day, column).data().toString(), QStringLiteral("1"));
    // The date column is not a competition.
    ClickCell(table, day, 0);
    EXPECT_EQ(league.MatchdayOn(day), 1);

    // A month button brings the month's first day to the top.
    dialog.MonthButton(1).click();
    EXPECT_EQ(table.rowAt(0), dialog.Model().RowOfMonth(1));

    ClickCell(table, day, column);
    ASSERT_EQ(league.MatchdayOn(day), 0);
    dialog.reject();
    EXPECT_EQ(league.MatchdayOn(day), 1);
    EXPECT_TRUE(SavedBytes(session_->World()) == before);
}

TEST_F(CountryDialogsTest, TheCompareBoxAddsAColumnThatClicksDoNotChange) {
    context_.country = test::CountryWithCalendar(session_->World());
    CDlgCalendar dialog(context_);
    dialog.show();
    ASSERT_GT(dialog.CompareBox().count(), 1);
    const int columns = dialog.Table().model()->columnCount();
    dialog.CompareBox().setCurrentIndex(1);
    emit dialog.CompareBox().activated(1);
    ASSERT_EQ(dialog.Table().model()->columnCount(), columns + 1);
    EXPECT_EQ(dialog.CompareBox().currentIndex(), 0);
    const CDBCompetition& compared = *dialog.Model().NodeOf(columns);
    const CDBCompetition::Calendar calendar = compared.GetCalendar();
    for (int day = 20; day < 30; ++day) {
        ClickCell(dialog.Table(), day, columns);
    }
    EXPECT_EQ(compared.GetCalendar(), calendar);
}

TEST_F(CountryDialogsTest, TheProblemWindowShowsTheLinesWithOkAndNeverMind) {
    CalendarModel::Report report;
    EXPECT_EQ(CDlgCalendar::MakeProblemWindow(report, nullptr), nullptr);
    report.lines = {"League", "    Дни встреч не заполнены!",
                    "    Не достаточно команд в этой лиге!"};
    report.calendarProblems = 2;
    report.withHeading = true;
    std::unique_ptr<CDlgErrorMessage> window = CDlgCalendar::MakeProblemWindow(report, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Headline(), QStringLiteral("Следующие ошибки произошли!"));
    EXPECT_TRUE(window->MessageView().toPlainText().contains(
        QStringLiteral("Не достаточно команд в этой лиге!")));
    auto* buttons = window->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Не важно"));

    report.withHeading = false;
    EXPECT_TRUE(CDlgCalendar::MakeProblemWindow(report, nullptr)->Headline().isEmpty());
}

TEST_F(CountryDialogsTest, FixtureListEditorTakesEnterAndClicksAndCancelPutsTheListsBack) {
    context_.country = test::EmptyCountry(session_->World());
    CCompetitionTree& tree = *test::TreeOf(session_->World(), context_.country);
    const std::vector<uint32_t> clubs = test::SampleClubReferences(session_->World());
    CDBLeagueBase* league = test::MakeLeague(tree, 0, 8, 2, 0, clubs);
    ASSERT_EQ(league->TeamCount(), 8);
    const auto before = SavedBytes(session_->World());

    CDlgFixtureList dialog(context_);
    dialog.show();
    ASSERT_EQ(dialog.ClubList().count(), 8);
    EXPECT_EQ(dialog.PairingTable().rowCount(), 4);
    EXPECT_EQ(dialog.MatchdayLabel().text(), QStringLiteral("1"));
    dialog.MatchdayBar().setValue(3);
    EXPECT_EQ(dialog.MatchdayLabel().text(), QStringLiteral("4"));

    dialog.ClubList().setCurrentRow(5);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog.ClubList(), &enter);
    EXPECT_EQ(league->Fixtures().GetPairing(3, 0), (CDBFixturelist::Pairing{6, 0}));
    EXPECT_EQ(dialog.PairingTable().item(0, 0)->text(), dialog.ClubList().item(5)->text());
    EXPECT_TRUE(dialog.isVisible()); // Enter on the list does not close the editor

    ClickAt(*dialog.PairingTable().viewport(),
            dialog.PairingTable().visualItemRect(dialog.PairingTable().item(0, 0)));
    EXPECT_EQ(league->Fixtures().GetPairing(3, 0), (CDBFixturelist::Pairing{0, 0}));
    EXPECT_TRUE(dialog.PairingTable().item(0, 0)->text().isEmpty());

    dialog.GenerateButton().click();
    EXPECT_TRUE(league->Fixtures().IsComplete());
    EXPECT_FALSE(dialog.PairingTable().item(0, 2)->text().isEmpty());
    dialog.reject();
    EXPECT_TRUE(SavedBytes(session_->World()) == before);
}

} // namespace
} // namespace tallo
