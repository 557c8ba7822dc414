// The league system page and the league data editor as widgets, on the sample.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_formats.h"
#include "editing/country/league_system.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_land_league_system.h"
#include "editors/country/dlg_league_data.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/qt_text.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class LeagueSystemWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        world_ = &harness_.OpenGame().World();
        for (int number = 1; number <= CWorld::kCountryCount && context_.country == 0; ++number) {
            const LeagueCounts counts = LeagueCountsOf(*world_->GetCountry(number));
            context_.country = counts[0] == 1 && counts[1] == 1 ? number : 0;
        }
        ASSERT_NE(context_.country, 0);
        context_.world = world_;
        context_.prompt = &harness_.prompt;
    }

    CCountry& Country() { return *world_->GetCountry(context_.country); }
    CDBLeagueBase& League(uint32_t number) { return *CompetitionTreeOf(Country())->League(number); }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    CountryEditContext context_;
};

TEST_F(LeagueSystemWidgets, ChoosingAFormatShowsItsLeaguesInTheGrid) {
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 7, {}));
    CDlgLandLeagueSystem page(nullptr, context_);
    page.FillCountry();
    EXPECT_EQ(page.FormatList().count(), kLeagueFormatCount);
    EXPECT_EQ(page.FormatList().currentIndex(), 7);
    EXPECT_EQ(page.FormatList().currentText(), QString("1-1-2"));
    EXPECT_FALSE(page.Cell(2, 1).isHidden());
    EXPECT_TRUE(page.Cell(2, 2).isHidden());

    int changed = 0;
    QObject::connect(&page, &CDlgLandLeagueSystem::LeagueSystemChanged, [&] { ++changed; });
    League(3).SetName("Lower East");
    page.FormatList().setCurrentIndex(9); // 1-1-4
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(LeagueFormatOf(Country()), 9);
    for (int index = 0; index < 4; ++index) {
        EXPECT_FALSE(page.Cell(2, index).isHidden()) << index;
        EXPECT_EQ(page.Cell(2, index).text(),
                  RecordToQString(std::string(League(2 + static_cast<uint32_t>(index)).Name())));
    }
    EXPECT_EQ(page.Cell(2, 1).text(), QString("Lower East"));
    EXPECT_TRUE(page.Cell(2, 4).isHidden());
    EXPECT_TRUE(page.Cell(3, 0).isHidden());
    EXPECT_EQ(page.ClubCount().text(), QString::fromStdString(page.Model().ClubCountText()));
    EXPECT_TRUE(page.FixturesButton().isEnabled());

    // The three buttons only signal.
    int fixtures = 0;
    int calendar = 0;
    int composition = 0;
    QObject::connect(&page, &CDlgLandLeagueSystem::FixturesRequested, [&] { ++fixtures; });
    QObject::connect(&page, &CDlgLandLeagueSystem::CalendarRequested, [&] { ++calendar; });
    QObject::connect(&page, &CDlgLandLeagueSystem::CompositionRequested, [&] { ++composition; });
    page.FixturesButton().click();
    page.CalendarButton().click();
    page.CompositionButton().click();
    EXPECT_EQ(fixtures, 1);
    EXPECT_EQ(calendar, 1);
    EXPECT_EQ(composition, 1);
    EXPECT_EQ(LeagueFormatOf(Country()), 9);
}

TEST_F(LeagueSystemWidgets, LeagueDataOkStoresAndCancelLeavesTheLeague) {
    League(0).SetSize(18);
    League(0).SetRounds(2);
    {
        CDlgLeagueData dialog(context_, 0);
        ASSERT_TRUE(dialog.Filled());
        dialog.NameEdit().setText("Premier");
        dialog.SizeList().setCurrentIndex(dialog.SizeList().findData(14));
        dialog.RoundsList().setCurrentIndex(dialog.RoundsList().findData(3));
        dialog.reject();
    }
    EXPECT_EQ(League(0).Size(), 18);
    EXPECT_NE(std::string(League(0).Name()), "Premier");

    Country().firstReserveLevel = 0;
    CDlgLeagueData dialog(context_, 0);
    EXPECT_TRUE(dialog.ReserveTeams().isChecked());
    dialog.NameEdit().setText("Premier");
    dialog.SizeList().setCurrentIndex(dialog.SizeList().findData(14));
    dialog.RoundsList().setCurrentIndex(dialog.RoundsList().findData(4)); // 52 matchdays
    dialog.AttendanceEdit().setText("0,75");
    dialog.MoneyEdit(0).setText("");
    dialog.ReserveTeams().setChecked(false);
    dialog.accept();
    EXPECT_EQ(std::string(League(0).Name()), "Premier");
    EXPECT_EQ(League(0).Size(), 14);
    EXPECT_EQ(League(0).Rounds(), 2);
    EXPECT_EQ(League(0).AttendanceMultiplier(), 75);
    EXPECT_EQ(Country().firstReserveLevel, 1);
    // The empty television bonus was refused and told.
    ASSERT_EQ(dialog.LastMessages().size(), 1u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), 1u);
}

} // namespace
} // namespace tallo
