#include <gtest/gtest.h>

#include <QLineEdit>

#include <climits>

#include "editors/framework/my_spin.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/spin_range.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

TEST(SpinRange, EditTextIsReadAsTheCLibraryReadsIt) {
    EXPECT_EQ(ReadSpinInteger("150"), 150);
    EXPECT_EQ(ReadSpinInteger("  42abc"), 42);
    EXPECT_EQ(ReadSpinInteger("-7"), -7);
    EXPECT_EQ(ReadSpinInteger("+8"), 8);
    EXPECT_EQ(ReadSpinInteger("abc"), 0);
    EXPECT_EQ(ReadSpinInteger(""), 0);
    EXPECT_EQ(ReadSpinInteger("12.9"), 12);
    // Beyond 32 bits: the nearer end, never a wrapped number.
    EXPECT_EQ(ReadSpinInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadSpinInteger("-99999999999999999999"), INT_MIN);
    // Only the first 63 characters count.
    EXPECT_EQ(ReadSpinInteger(std::string(62, ' ') + "12"), 1);
}

TEST(SpinRange, AnEditOutsideItsSpinsRangeIsSetToTheNearerEnd) {
    test::EnsureFrameworkApplication();
    QLineEdit edit;
    CMySpin spin;
    spin.SetRange(100, 0); // high-to-low

    edit.setText(QStringLiteral("150"));
    EXPECT_TRUE(ClampToSpinRange(edit, spin));
    EXPECT_EQ(edit.text(), QStringLiteral("100"));

    edit.setText(QStringLiteral("-5"));
    EXPECT_TRUE(ClampToSpinRange(edit, spin));
    EXPECT_EQ(edit.text(), QStringLiteral("0"));

    // Inside the range the text stays exactly as typed.
    edit.setText(QStringLiteral(" 50 goals"));
    EXPECT_FALSE(ClampToSpinRange(edit, spin));
    EXPECT_EQ(edit.text(), QStringLiteral(" 50 goals"));

    spin.SetRange(1, 10);
    edit.setText(QStringLiteral("nothing"));
    EXPECT_TRUE(ClampToSpinRange(edit, spin));
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
}

TEST(SpinRange, ArrowsStepTheBuddyTowardsTheRangesEndsAndStopThere) {
    test::EnsureFrameworkApplication();
    QLineEdit edit;
    CMySpin spin;
    spin.SetBuddy(&edit);
    spin.SetRange(0, 3);
    edit.setText(QStringLiteral("2"));
    spin.Step(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("3"));
    spin.Step(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("3"));

    // Given high-to-low, up moves towards the second end.
    spin.SetRange(100, 0);
    edit.setText(QStringLiteral("50"));
    spin.Step(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("49"));
    spin.Step(-1);
    spin.Step(-1);
    EXPECT_EQ(edit.text(), QStringLiteral("51"));
}

TEST(CSpinEditCtrl, DecimalsStepAndClampWithTheirPlaces) {
    test::EnsureFrameworkApplication();
    CSpinEditCtrl field;
    field.SetDecimalRange(0.5, 3.0, 2, 0.25);
    field.SetValue(2.9);
    EXPECT_EQ(field.Edit().text(), QStringLiteral("2.90"));
    field.Spin().Step(+1);
    EXPECT_EQ(field.Edit().text(), QStringLiteral("3.00"));
    field.Spin().Step(-1);
    EXPECT_EQ(field.Edit().text(), QStringLiteral("2.75"));
    EXPECT_DOUBLE_EQ(field.DecimalValue(), 2.75);

    field.Edit().setText(QStringLiteral("7,5"));
    EXPECT_DOUBLE_EQ(field.DecimalValue(), 7.5);
    EXPECT_TRUE(ClampToSpinRange(field));
    EXPECT_EQ(field.Edit().text(), QStringLiteral("3.00"));

    // Whole numbers go through the same clamp as every spin.
    field.SetIntegerRange(100, 0);
    field.Edit().setText(QStringLiteral("150"));
    EXPECT_TRUE(field.ClampIntoRange());
    EXPECT_EQ(field.IntegerValue(), 100);
}

} // namespace
} // namespace tallo
