// The young-player pool page and dialog on the offscreen platform: the rows, delete, and the
// dialog's OK that needs a surname and writes the entry only when pressed.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editing/country/country_edit_context.h"
#include "editors/country/dlg_playerpool.h"
#include "editors/country/dlg_playerpool_change.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class PlayerPoolPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        context_.world = &world_;
        context_.country = kCountry;
        country_.ReservePlayerPool(3);
        country_.PlayerPool()[0].name.SetSurname("First");
        country_.PlayerPool()[2].name.SetSurname("Third");
    }

    static constexpr int kCountry = 4;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    CountryEditContext context_;
};

TEST_F(PlayerPoolPageTest, DeleteTakesThePlayerOutOfTheList) {
    CDlgPlayerpool page(nullptr, context_);
    ASSERT_EQ(page.List().count(), 2);
    EXPECT_FALSE(page.DeleteButton().isEnabled());
    page.List().setCurrentRow(0);
    EXPECT_TRUE(page.ChangeButton().isEnabled());
    page.DeleteButton().click();
    EXPECT_FALSE(country_.PlayerPool()[0].InUse());
    EXPECT_TRUE(country_.PlayerPool()[2].InUse());
    ASSERT_EQ(page.List().count(), 1);
    EXPECT_TRUE(page.List().item(0)->text().startsWith("Third"));
    EXPECT_EQ(page.List().currentRow(), 0);
}

TEST_F(PlayerPoolPageTest, TheDialogNeedsASurnameAndWritesOnOkOnly) {
    {
        CDlgPlayerpoolChange dialog(nullptr, context_, 1);
        EXPECT_FALSE(dialog.OkButton().isEnabled());
        dialog.SurnameEdit().setText("Second");
        emit dialog.SurnameEdit().textEdited("Second");
        EXPECT_TRUE(dialog.OkButton().isEnabled());
        dialog.PositionBox().setCurrentIndex(3);
        dialog.reject();
    }
    EXPECT_FALSE(country_.PlayerPool()[1].InUse());
    {
        CDlgPlayerpoolChange dialog(nullptr, context_, 1);
        dialog.SurnameEdit().setText("Second");
        emit dialog.SurnameEdit().textEdited("Second");
        dialog.PositionBox().setCurrentIndex(3);
        dialog.SkillBox().setCurrentIndex(7);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const PlayerPoolEntry& entry = country_.PlayerPool()[1];
    EXPECT_EQ(entry.name.Surname(), "Second");
    EXPECT_EQ(entry.position, 3);
    EXPECT_EQ(entry.specialSkill, 7);
    CDlgPlayerpool page(nullptr, context_);
    EXPECT_EQ(page.List().count(), 3);
}

} // namespace
} // namespace tallo
