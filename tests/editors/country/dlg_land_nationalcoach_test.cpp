// The national coach page on the offscreen platform: a new month lowers a day the month has
// not got, the age follows the date, and the page stores what was changed.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>

#include "editing/country/country_edit_context.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_land_nationalcoach.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "formats/string_table.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class NationalCoachPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        context_.country = 3;
    }

    NationalCoach& Coach() { return world_->GetCountry(context_.country)->nationalCoach; }

    static void Type(CSpinEditCtrl& spin, int value) {
        spin.Edit().setText(QString::number(value));
        emit spin.Edit().editingFinished();
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    CountryEditContext context_;
};

TEST_F(NationalCoachPageTest, FebruaryLowersTheThirtyFirstAndTheAgeFollows) {
    Coach().birthDate = GameDate::FromDate(1987, 1, 31);
    CDlgLandNationalcoach page(nullptr, context_);
    page.show();
    EXPECT_EQ(page.DaySpin().IntegerValue(), 31);
    Type(page.MonthSpin(), 2);
    EXPECT_EQ(page.DaySpin().IntegerValue(), 28);
    Type(page.DaySpin(), 30); // beyond February: the last day
    EXPECT_EQ(page.DaySpin().IntegerValue(), 28);
    Type(page.YearSpin(), 1988);
    Type(page.DaySpin(), 29);
    EXPECT_EQ(page.DaySpin().IntegerValue(), 29);
    const int age = AgeAt(GameDate::FromDate(1988, 2, 29));
    EXPECT_EQ(page.AgeText().text(), QString::number(age));
    Type(page.YearSpin(), 1989); // not a leap year
    EXPECT_EQ(page.DaySpin().IntegerValue(), 28);

    page.StoreCountry();
    EXPECT_EQ(Coach().birthDate, GameDate::FromDate(1989, 2, 28));
}

TEST_F(NationalCoachPageTest, TheControlsStoreIntoTheCoach) {
    Coach().languages[1] = 0;
    CDlgLandNationalcoach page(nullptr, context_);
    page.NameEdit(NationalCoachPageModel::kSurname).setText("Kowalski");
    emit page.NameEdit(NationalCoachPageModel::kSurname).textEdited("Kowalski");
    page.SkillSpin(2).setValue(13);
    page.LanguageBox(1).setCurrentIndex(page.LanguageBox(1).findData(9));
    page.NationalBar().setValue(6);
    EXPECT_EQ(page.NationalText().text().toStdString(), LoadString(147));
    page.InternationalBar().setValue(2);
    EXPECT_EQ(page.InternationalText().text().toStdString(), LoadString(138));
    page.NationalityBox().setCurrentIndex(page.NationalityBox().findData(CWorld::kCountryCount));
    page.StoreCountry();
    EXPECT_EQ(Coach().name.Surname(), "Kowalski");
    EXPECT_EQ(Coach().skills[2], 13);
    EXPECT_EQ(Coach().languages[1], 9);
    EXPECT_EQ(Coach().nationalExperience, 6);
    EXPECT_EQ(Coach().internationalExperience, 2);
    EXPECT_EQ(Coach().nationality, CWorld::kCountryCount);
    EXPECT_EQ(page.NameEdit(NationalCoachPageModel::kFirstName).maxLength(), 19);
}

} // namespace
} // namespace tallo
