// The five-year ranking window and its change editor on the offscreen platform: the list and
// its header, a change that includes the country in the open change and ranks anew, and a
// cancelled change that touches nothing.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "editing/editing_test_support.h"
#include "editing/records/five_year_ranking.h"
#include "editing/session/database_session.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/when_shown.h"
#include "editors/records/dlg_five_year_ranking.h"
#include "editors/records/dlg_five_year_ranking_change.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class FiveYearRankingDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        change_ = session_->Journal().Begin("ranking.change.journal");
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
};

TEST_F(FiveYearRankingDialogsTest, AChangeIncludesTheCountryAndRanksItAnew) {
    CDlgFiveYearRanking dialog(nullptr, World(), 0, *change_);
    const std::vector<RankingLine> lines = FiveYearRanking(World(), 0);
    ASSERT_GE(lines.size(), 2u);
    ASSERT_EQ(dialog.List().count(), static_cast<int>(lines.size()));
    EXPECT_EQ(dialog.List().item(0)->text(), QString::fromStdString(RankingLineText(lines[0])));
    EXPECT_EQ(dialog.List().item(0)->text().split('\t').size(), 8);

    // The last country goes to the top with 5.00 points more than the leader.
    const int last = lines.back().country;
    CCountry& country = *World().GetCountry(last);
    const uint16_t lastYear = country.valuesM[0];
    dialog.List().setCurrentRow(dialog.List().count() - 1);
    ASSERT_EQ(dialog.SelectedCountry(), last);
    const int target = lines.front().points - lines.back().points + country.valuesM[1] + 500;
    ASSERT_LE(target, 65535);
    const QString typed =
        QString::number(target / 100) + "," + QString::number(target % 100).rightJustified(2, '0');
    bool ran = false;
    test::WhenShown<CDlgFiveYearRankingChange>(
        [&typed](CDlgFiveYearRankingChange& change) {
            CSpinEditCtrl& field = change.YearField(1);
            field.Edit().setText(typed);
            emit field.valueChanged();
            EXPECT_EQ(change.PointsText().text().toStdString(),
                      change.Model().FirstSeasonPointsText());
            change.OkButton().click();
        },
        &ran);
    dialog.ChangeButton().click();
    ASSERT_TRUE(ran);
    EXPECT_TRUE(change_->Includes(last));
    EXPECT_EQ(country.valuesM[1], target);
    EXPECT_EQ(country.valuesM[0], lastYear);
    EXPECT_EQ(dialog.Lines().front().country, last);
    EXPECT_EQ(dialog.List().currentRow(), 0); // the changed country stays selected
    EXPECT_TRUE(dialog.List().item(0)->text().startsWith("1. "));
}

TEST_F(FiveYearRankingDialogsTest, CancelAndAnUnchangedOkLeaveTheCountryOutOfTheChange) {
    const int country = FiveYearRanking(World(), 0).front().country;
    CCountry& record = *World().GetCountry(country);
    const uint16_t before = record.valuesM[2];
    {
        CDlgFiveYearRankingChange change(nullptr, record, 0, *change_);
        change.YearField(2).Edit().setText("600");
        emit change.YearField(2).valueChanged();
        change.reject();
    }
    {
        CDlgFiveYearRankingChange change(nullptr, record, 0, *change_);
        // A text that is no number leaves the value and shows it again when the field is left.
        change.YearField(2).Edit().setText("abc");
        emit change.YearField(2).Edit().editingFinished();
        EXPECT_EQ(change.YearField(2).Edit().text().toStdString(), change.Model().ValueText(2));
        change.accept();
    }
    EXPECT_EQ(record.valuesM[2], before);
    EXPECT_FALSE(change_->Includes(country));
}

} // namespace
} // namespace tallo
