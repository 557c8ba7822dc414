// The cup page and the league composition editor through their widgets, on the small sample:
// what the controls enable and store, a club dropped onto a league, the remove buttons, the
// marks and the cancel of the editor.

#include "editors/country/dlg_land_cup.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTimer>

#include "editing/country/country_page_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_land_youthplayer.h"
#include "editors/country/dlg_league_composition.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/spin_edit_ctrl.h"

namespace tallo {
namespace {

using Cup = CupPageModel::Cup;

class CountryCupViewsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        context_.world = &session_->World();
        context_.country = test::LeagueRichCountry(session_->World());
        context_.prompt = &harness_.prompt;
        ASSERT_NE(context_.country, 0);
        country_ = session_->World().GetCountry(context_.country);
    }

    // Drops a club onto the team list as a drag from the club list would.
    static void DropOnTeams(CDlgLeagueComposition& dialog, uint32_t reference) {
        std::unique_ptr<QMimeData> data = dialog.ClubMimeData(reference);
        QWidget* target = dialog.TeamList().viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CountryEditContext context_;
    CCountry* country_ = nullptr;
};

TEST_F(CountryCupViewsTest, CupPageEnablesAndStoresThroughItsControls) {
    country_->winterBreak = 0;
    country_->redCardBanRule = 0x41;
    country_->leagueCupMode = 7 | CupPageModel::kAllLeaguesFlag;
    CDlgLandCup page(nullptr, context_);
    page.FillCountry();

    EXPECT_FALSE(page.IndoorBox().isEnabled());
    page.WinterBreakBox().setChecked(true);
    EXPECT_TRUE(page.IndoorBox().isEnabled());
    page.IndoorBox().setChecked(true);
    EXPECT_TRUE(page.FixedBanButton().isChecked());
    page.VariableBanButton().setChecked(true);

    const bool onePerLevel = CupPageModel::OneLeaguePerLevel(*country_);
    auto* items = qobject_cast<QStandardItemModel*>(page.ModeCombo(Cup::kLeagueCup).model());
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->item(CupPageModel::kAllLeaguesItem)->isEnabled(), onePerLevel);

    // No super cup: its names cannot be typed and its bonuses are not shown.
    page.ModeCombo(Cup::kSuperCup).setCurrentIndex(2);
    EXPECT_FALSE(page.NameEdit(Cup::kSuperCup).isEnabled());
    page.BonusCupCombo().setCurrentIndex(Cup::kSuperCup);
    for (int round = 0; round < CupPageModel::kBonusRounds; ++round) {
        EXPECT_FALSE(page.BonusEdit(round).isEnabled()) << round;
    }
    page.BonusCupCombo().setCurrentIndex(Cup::kNationalCup);
    EXPECT_TRUE(page.BonusEdit(7).isEnabled());
    page.BonusEdit(7).setText("4321");
    page.NameEdit(Cup::kNationalCup).setText("Pokal");

    page.StoreCountry();
    EXPECT_TRUE(page.LastRefusals().empty());
    EXPECT_EQ(country_->winterBreak, 1);
    EXPECT_EQ(country_->indoorTournaments, 1);
    EXPECT_EQ(country_->redCardBanRule, 0x51);
    EXPECT_EQ(country_->superCupMode, 0u);
    EXPECT_EQ(CupPageModel::FindCup(*country_, Cup::kSuperCup), nullptr);
    const CDBCup* cup = CupPageModel::FindCup(*country_, Cup::kNationalCup);
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(cup->GetRoundValue(0, 7), 4321);
    EXPECT_EQ(cup->Name(), "Pokal");

    // A bonus that is no number is refused with a message; the cup keeps its value.
    page.BonusEdit(7).setText("many");
    const size_t messages = harness_.prompt.CountOf(PromptCall::Kind::Message);
    page.StoreCountry();
    EXPECT_EQ(page.LastRefusals().size(), 1u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), messages + 1);
    EXPECT_EQ(cup->GetRoundValue(0, 7), 4321);
    EXPECT_EQ(page.BonusEdit(7).text(), "4321");
}

TEST_F(CountryCupViewsTest, YouthPageStoresTheMarkedEntries) {
    country_->allowedHairColours = 0;
    country_->averageHeight = 180;
    CDlgLandYouthplayer page(nullptr, context_);
    page.FillCountry();
    EXPECT_EQ(page.HeightImperial().text(), "5'10");
    QListWidget& colours = page.List(YouthLooksPageModel::kHairColours);
    EXPECT_TRUE(colours.selectedItems().isEmpty());
    colours.item(0)->setSelected(true);
    colours.item(2)->setSelected(true);
    page.HeightSpin().SetValue(183);
    EXPECT_EQ(page.HeightImperial().text(), "6'0");
    page.StoreCountry();
    EXPECT_EQ(country_->allowedHairColours, (1u << 1) | (1u << 3));
    EXPECT_EQ(country_->averageHeight, 183);
}

TEST_F(CountryCupViewsTest, AClubDroppedOnTheTeamListJoinsTheLeague) {
    const uint32_t club = country_->CreateClub("Dropped FC")->Id();
    CDlgLeagueComposition dialog(nullptr, context_);
    dialog.show();
    CDBLeagueBase* league = dialog.Model().League();
    ASSERT_NE(league, nullptr);
    const QPixmap picture = dialog.ClubDragPixmap(club);
    EXPECT_EQ(picture.size(), QSize(200, 20));

    league->SetSize(league->TeamCount() + 1);
    const int rows = dialog.TeamList().count();
    DropOnTeams(dialog, club);
    EXPECT_GE(league->TeamIndex(club), 0);
    ASSERT_EQ(dialog.TeamList().count(), rows + 1);
    EXPECT_TRUE(dialog.TeamList().item(rows)->text().startsWith("Dropped FC"));

    // Full now: a second team is refused with a message.
    const size_t messages = harness_.prompt.CountOf(PromptCall::Kind::Message);
    DropOnTeams(dialog, club | ClubId::kSecondTeamBit);
    EXPECT_LT(league->TeamIndex(club | ClubId::kSecondTeamBit), 0);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), messages + 1);

    // A mark through the context menu's command, then the team leaves with the button.
    dialog.TeamList().item(rows)->setSelected(true);
    dialog.MarkSelectedTeams(LeagueCompositionModel::Mark::CupWinner);
    EXPECT_TRUE(country_->FindClub(club)->HasSeasonFlag(CClub::kCupWinner, false));
    EXPECT_TRUE(dialog.TeamList().item(rows)->text().endsWith("Обладатель кубка"));
    dialog.TeamList().item(rows)->setSelected(true);
    ASSERT_TRUE(dialog.RemoveButton().isEnabled());
    dialog.RemoveButton().click();
    EXPECT_LT(league->TeamIndex(club), 0);
    EXPECT_EQ(dialog.TeamList().count(), rows);
}

TEST_F(CountryCupViewsTest, CancelPutsTheLeaguesBack) {
    const auto before = test::SavedBytes(session_->World());
    auto* timer = new QTimer();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto* dialog = dynamic_cast<CDlgLeagueComposition*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        dialog->TeamList().item(0)->setSelected(true);
        dialog->RemoveAllButton().click();
        dialog->reject();
    });
    timer->start();
    EXPECT_FALSE(RunLeagueComposition(nullptr, context_));
    EXPECT_TRUE(test::SavedBytes(session_->World()) == before);
}

} // namespace
} // namespace tallo
