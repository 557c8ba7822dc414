// The club editor window on a club of the small sample, on the offscreen platform: the tabs and
// their order, the pages filled and stored as the tabs change, OK writing the edits into the
// database (saved and read back), Cancel and refused input leaving it alone; the club chooser.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/load_preparation.h"
#include "editing/club/club_edit_context.h"
#include "editing/club/club_chooser_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/club/club_page_view.h"
#include "editors/club/dlg_choose_club.h"
#include "editors/club/dlg_club.h"
#include "editors/club/dlg_club_hist.h"
#include "editors/club/dlg_club_parent.h"
#include "editors/club/dlg_club_stadium.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "formats/interface_language.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

// A page standing in for the badge and kits pages: it counts how it is filled and stored.
class CountingPage : public CDialogB, public ClubPageView {
public:
    void FillFrom(const CClub& club) override {
        ++fills;
        name = std::string(club.Name(0));
    }
    void StoreInto(CClub& /*club*/) override { ++stores; }
    int fills = 0;
    int stores = 0;
    std::string name;
};

int RichCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(best)->GetClubCount()) {
            best = number;
        }
    }
    return best;
}

class ClubEditorFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        context_.world = &session_->World();
        context_.country = RichCountry(session_->World());
        context_.prompt = &harness_.prompt;
        for (const auto& [id, club] : session_->World().GetCountry(context_.country)->Clubs()) {
            if (!club->IsNationalTeam() && club->PlayerCount() > 0) {
                clubId_ = id;
                break;
            }
        }
        ASSERT_NE(clubId_, 0u);
    }

    CClub& Club() { return *session_->World().FindClub(clubId_); }

    InterfaceLanguageScope russian_{InterfaceLanguage::Russian};
    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    ClubEditContext context_;
    uint32_t clubId_ = 0;
};

TEST_F(ClubEditorFrameTest, TabsComeInTheirOrderAndPagesAreFilledAndStoredAsTheyChange) {
    CDlgClubParent frame(*session_, clubId_, context_);
    CMyTabCtrl& tabs = frame.Tabs();
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(frame.ClubPage().TextEdit(ClubPageModel::kName).text(),
              RecordToQString(std::string(Club().Name(0))));

    auto* badge = new CountingPage;
    auto* kits = new CountingPage;
    frame.InsertPage(1, badge, badge, UiText("club.tab.badge"));
    frame.InsertPage(2, kits, kits, UiText("club.tab.kits"));
    const QStringList expected = {UiText("club.tab.club"), UiText("club.tab.badge"),
                                  UiText("club.tab.kits"), UiText("club.tab.stadium"),
                                  UiText("club.tab.history")};
    ASSERT_EQ(tabs.count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs.tabText(i), expected[i]);
    }
    EXPECT_EQ(tabs.currentWidget(), &frame.ClubPage());
    EXPECT_EQ(tabs.tabText(3), QString::fromUtf8("Стадион и инфраструктура"));

    // Leaving the club page stores it into the copy, which the next page is filled from.
    frame.ClubPage().TextEdit(ClubPageModel::kName).setText("Tab Club");
    tabs.setCurrentIndex(1);
    EXPECT_EQ(badge->fills, 1);
    EXPECT_EQ(badge->name, "Tab Club");
    EXPECT_EQ(frame.Model().Working().Name(0), "Tab Club");
    EXPECT_NE(Club().Name(0), "Tab Club");
    tabs.setCurrentIndex(2);
    EXPECT_EQ(badge->stores, 1);
    EXPECT_EQ(kits->fills, 1);

    // Cancel: the database keeps its club.
    frame.CancelButton().click();
    EXPECT_EQ(frame.result(), QDialog::Rejected);
    EXPECT_NE(Club().Name(0), "Tab Club");
    EXPECT_EQ(session_->Journal().Size(), 0u);
}

TEST_F(ClubEditorFrameTest, OkWritesNameFacilityAndRecordIntoTheSavedDatabase) {
    const uint8_t facility = Club().FacilityLevel(CClub::kYouthDepartment) == 5 ? 1 : 5;
    {
        CDlgClubParent frame(*session_, clubId_, context_);
        frame.show();
        frame.ClubPage().TextEdit(ClubPageModel::kName).setText("Widget Club");
        frame.Tabs().setCurrentWidget(&frame.StadiumPage());
        frame.StadiumPage().FacilityBox(CClub::kYouthDepartment).setCurrentIndex(facility);
        frame.Tabs().setCurrentWidget(&frame.HistoryPage());
        frame.HistoryPage().RecordResultEdit(ResultRecord::kHomeWin).setText("8:2");
        frame.HistoryPage().RecordOpponentEdit(ResultRecord::kHomeWin).setText("Beaten FC");
        frame.HistoryPage().RecordSeasonEdit(ResultRecord::kHomeWin).setText("1996");
        frame.OkButton().click();
        EXPECT_EQ(frame.result(), QDialog::Accepted);
        EXPECT_EQ(frame.LastOutcome(), ChangeJournal::Outcome::Changed);
    }
    EXPECT_TRUE(session_->IsModified());
    ASSERT_TRUE(session_->World().SaveAll(nullptr));

    CWorld reloaded;
    PrepareForLoad(reloaded, harness_.install);
    ASSERT_TRUE(reloaded.LoadAll(session_->World().DatabaseFolder()));
    const CClub* club = reloaded.FindClub(clubId_);
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->Name(0), "Widget Club");
    EXPECT_EQ(club->FacilityLevel(CClub::kYouthDepartment), facility);
    const ResultRecord& record = club->Record(ResultRecord::kHomeWin);
    EXPECT_EQ(record.goalsA, 8);
    EXPECT_EQ(record.goalsB, 2);
    EXPECT_EQ(record.opponent, "Beaten FC");
    EXPECT_EQ(record.season, 1996);
}

TEST_F(ClubEditorFrameTest, RefusedInputKeepsThePageOpenAndTellsTheUser) {
    CDlgClubParent frame(*session_, clubId_, context_);
    frame.show();
    frame.Tabs().setCurrentWidget(&frame.HistoryPage());
    frame.HistoryPage().TitleEdit(CClub::kChampionships).setText("nineteen-fifty");
    harness_.prompt.ClearCalls();
    frame.Tabs().setCurrentIndex(0);
    EXPECT_EQ(frame.Tabs().currentWidget(), &frame.HistoryPage());
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    frame.OkButton().click();
    EXPECT_NE(frame.result(), QDialog::Accepted);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(session_->Journal().Size(), 0u);

    // Mended, the page lets go; an untouched OK changes nothing.
    frame.HistoryPage()
        .TitleEdit(CClub::kChampionships)
        .setText(RecordToQString(Club().Titles(CClub::kChampionships)));
    frame.OkButton().click();
    EXPECT_EQ(frame.result(), QDialog::Accepted);
    EXPECT_EQ(frame.LastOutcome(), ChangeJournal::Outcome::Unchanged);
    EXPECT_FALSE(session_->IsModified());
}

TEST_F(ClubEditorFrameTest, ClubPageWidgetsFollowTheModel) {
    CDlgClubParent frame(*session_, clubId_, context_);
    CDlgClub& page = frame.ClubPage();
    QPushButton& article = page.ArticleButton(ClubPageModel::kNameArticle);
    const QString before = article.text();
    article.click();
    EXPECT_NE(article.text(), before);
    const int position = page.Model().capitalPosition;
    page.CapitalSpin().Step(1);
    EXPECT_EQ(page.Model().capitalPosition, position + 1);
    EXPECT_EQ(page.CapitalLabel().text(), ToQString(ClubPageModel::CapitalMillions(position + 1)));
    EXPECT_EQ(page.FriendlyClubBox().itemText(0), UiText("club.choice.none"));
    EXPECT_FALSE(page.SquadLabel(0).text().isEmpty());
}

TEST_F(ClubEditorFrameTest, ChooserPresetsCountryAndClubAndGivesTheChosenClub) {
    ClubChooserModel model(session_->World(), 0);
    model.Preset(1, clubId_);
    CDlgChooseClub dialog(model);
    ASSERT_GE(dialog.ClubList().currentRow(), 0);
    EXPECT_EQ(dialog.ClubList().currentItem()->data(Qt::UserRole).toUInt(), clubId_);
    EXPECT_TRUE(dialog.OkButton().isEnabled());

    dialog.CountryList().setCurrentRow(dialog.CountryList().currentRow() == 0 ? 1 : 0);
    EXPECT_FALSE(dialog.OkButton().isEnabled());
    ASSERT_GT(dialog.ClubList().count(), 0);
    dialog.ClubList().setCurrentRow(0);
    dialog.OkButton().click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(model.Chosen().has_value());
    EXPECT_EQ(static_cast<int>(*model.Chosen() >> 16), model.CountryNumber());
}

} // namespace
} // namespace tallo
