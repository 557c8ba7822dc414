// The player doubles window on a small world, on the offscreen platform: the scope radios and
// their labels, the columns, the box and the headings refilling the list, the right click and
// the delete buttons going through the journal, and the list saved in its three forms.

#include "editors/assistants/dlg_player_double.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "editing/assistants/doubles_test_world.h"
#include "editing/assistants/world_changes.h"
#include "editors/assistants/list_save.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/framework_test_support.h"
#include "formats/interface_language.h"
#include "platform/code_page.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

class DoublesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        SetInterfaceLanguage(InterfaceLanguage::Russian);
        SetActiveCodePage(CodePage::Windows1252);
        north_ = &world_.Club(3, "Nordland", "North");
        south_ = &world_.Club(5, "Suedland", "South");
        world_.Player(*north_, "Jan", "Berg", 1980);
        world_.Player(*south_, "Jan", "Berg", 1981);
        world_.Player(*south_, "Ola", "Dahl", 1975);
        world_.Player(*south_, "Ola", "Dahl", 1975);
    }

    WorldChanges Changes() { return WorldChanges::Journal(world_.Journal()); }

    test::DoublesTestWorld world_;
    CClub* north_ = nullptr;
    CClub* south_ = nullptr;
};

TEST_F(DoublesDialogTest, OpensOnTheGivenClubWithItsLabelsAndSevenColumns) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 3, north_->Id(), Changes());
    EXPECT_TRUE(dialog.ScopeRadio(DoublesScope::Club).isChecked());
    EXPECT_EQ(dialog.ScopeRadio(DoublesScope::Country).text(), "Только из Nordland");
    EXPECT_EQ(dialog.ScopeRadio(DoublesScope::Club).text(), "Только из North");
    EXPECT_EQ(dialog.List().rowCount(), 1);

    const QStringList headings = dialog.List().Headings();
    EXPECT_EQ(headings, (QStringList{"Имя", "Клуб 1", "Клуб 2", "Дата рождения 1",
                                     "Дата рождения 2", "Поз. 1", "Поз. 2"}));
    // The given widths at least; wider where a heading or a cell needs more.
    EXPECT_GE(dialog.List().columnWidth(0), 150);
    EXPECT_GE(dialog.List().columnWidth(2), 180);
    EXPECT_GE(dialog.List().columnWidth(4), 75);
    EXPECT_GE(dialog.List().columnWidth(6), 45);
    EXPECT_GE(dialog.List().columnWidth(3), dialog.List().horizontalHeader()->sectionSizeHint(3));
    EXPECT_TRUE(dialog.List().horizontalHeaderItem(3)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(dialog.List().horizontalHeaderItem(5)->textAlignment() & Qt::AlignHCenter);

    // The other scopes and the birth-date box fill the list again.
    dialog.ScopeRadio(DoublesScope::All).click();
    EXPECT_EQ(dialog.Model().Scope(), DoublesScope::All);
    EXPECT_EQ(dialog.List().rowCount(), 2);
    EXPECT_EQ(dialog.CountLabel().text(), "Пар: 2");
    dialog.SameBirthDateBox().setChecked(true);
    ASSERT_EQ(dialog.List().rowCount(), 1);
    EXPECT_EQ(dialog.List().item(0, 0)->text(), "Dahl, Ola");
}

TEST_F(DoublesDialogTest, WithoutCountryOrClubOnlyTheWholeDatabaseCanBeChosen) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 0, 0, Changes());
    EXPECT_TRUE(dialog.ScopeRadio(DoublesScope::All).isChecked());
    EXPECT_FALSE(dialog.ScopeRadio(DoublesScope::Country).isEnabled());
    EXPECT_FALSE(dialog.ScopeRadio(DoublesScope::Club).isEnabled());
    EXPECT_EQ(dialog.List().rowCount(), 2);
    // A heading click sorts the rows: the same column twice turns the order round.
    EXPECT_EQ(dialog.List().item(0, 0)->text(), "Berg, Jan");
    emit dialog.List().headingClicked(0);
    EXPECT_EQ(dialog.List().item(0, 0)->text(), "Dahl, Ola");
    // No row selected: the delete buttons do nothing.
    EXPECT_FALSE(dialog.DeleteButton(1).isEnabled());
    dialog.DeleteSelected(1);
    EXPECT_EQ(world_.Journal().Size(), 0u);
}

TEST_F(DoublesDialogTest, TheRightClickSelectsTheRowAndItsEntryDeletesThatPlayer) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 0, 0, Changes());
    dialog.resize(900, 400);
    dialog.show();
    CReportList& list = dialog.List();
    ASSERT_TRUE(test::ProcessEventsUntil([&list] { return list.viewport()->isVisible(); }));
    const QRect secondRow = list.visualItemRect(list.item(1, 0));
    dialog.ShowMenu(secondRow.center());
    ASSERT_NE(dialog.Menu(), nullptr);
    EXPECT_EQ(list.currentRow(), 1);
    const QList<QAction*> entries = dialog.Menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    const int pair = list.CurrentData();
    EXPECT_EQ(entries[0]->text(), QString::fromStdString(dialog.Model().DeleteEntryText(pair, 1)));
    EXPECT_TRUE(entries[1]->text().startsWith("Удалить игрока " + list.item(1, 0)->text() + " ("));
    dialog.Menu()->hide();

    const uint32_t second = dialog.Model().Pairs()[static_cast<size_t>(pair)].second.player;
    entries[1]->trigger();
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_FALSE(south_->HasPlayer(second));
    EXPECT_EQ(world_.Journal().Size(), 1u);

    // The button deletes player 1 of the selected row.
    list.SelectData(list.RowData(0));
    ASSERT_TRUE(dialog.DeleteButton(1).isEnabled());
    dialog.DeleteButton(1).click();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(world_.Journal().Size(), 2u);
    EXPECT_EQ(dialog.CountLabel().text(), "Пар: 0");
}

TEST_F(DoublesDialogTest, TheListIsSavedInTheFormOfTheChosenFilter) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 0, 0, Changes());
    const QStringList filters = ListExportFilters();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0], "Tab separated (*.txt)");
    EXPECT_EQ(filters[2], "XML Style (*.xml)");
    EXPECT_EQ(ListExportFormOf(filters[1]), ListExportForm::Aligned);
    EXPECT_EQ(ListExportFormOf("Anything"), std::nullopt);

    // What the window shows is what the model lists under the title 866.
    test::TempDir dir;
    const ListExport table = dialog.Model().ExportTable(CodePage::Windows1252);
    for (const ListExportForm form :
         {ListExportForm::TabSeparated, ListExportForm::Aligned, ListExportForm::Xml}) {
        const QString path = QString::fromStdString(dir / "doubles.out");
        ASSERT_TRUE(WriteReportList(dialog.List(), CPlayerDouble::ListTitle(), path, form));
        EXPECT_EQ(test::ReadFile(dir / "doubles.out"), table.Render(form, CodePage::Windows1252));
    }
    EXPECT_NE(test::ReadFile(dir / "doubles.out").find("<col>Berg, Jan</col>"), std::string::npos);
    // A file that cannot be made is reported, not taken for written.
    EXPECT_FALSE(WriteReportList(dialog.List(), CPlayerDouble::ListTitle(),
                                 QString::fromStdString(dir / "no/such/folder.txt"),
                                 ListExportForm::TabSeparated));
}

} // namespace
} // namespace tallo
