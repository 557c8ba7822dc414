// The referee editor and the referee page on the offscreen platform: the stored trait's
// button, OK and cancel, and the page's new, change (Enter too), delete and limit.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/when_shown.h"
#include "editors/records/dlg_referee.h"
#include "editors/records/dlg_referee_list.h"
#include "platform/scripted_prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

Referee Named(const char* firstName, const char* surname, uint8_t trait) {
    Referee referee;
    referee.name.SetFirstName(firstName);
    referee.name.SetSurname(surname);
    referee.trait = trait;
    return referee;
}

class RefereeDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        context_.world = &world_;
        context_.country = kCountry;
        context_.prompt = &prompt_;
    }

    static constexpr int kCountry = 21;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    ScriptedPrompt prompt_{true};
    CountryEditContext context_;
};

TEST_F(RefereeDialogsTest, TheCowardChecksTheSixthButtonAndOkWritesTheReferee) {
    Referee referee = Named("Anna", "Miller", Referee::kCoward);
    {
        CDlgReferee dialog(nullptr, referee);
        EXPECT_TRUE(dialog.TraitButton(5).isChecked());
        EXPECT_EQ(dialog.TraitButton(5).text(), "Трус");
        EXPECT_FALSE(dialog.TraitButton(0).isChecked());
        EXPECT_EQ(dialog.FirstNameEdit().maxLength(), 19);
        EXPECT_EQ(dialog.SurnameEdit().maxLength(), 19);
    }
    bool ran = false;
    test::WhenShown<CDlgReferee>(
        [](CDlgReferee& dialog) {
            dialog.FirstNameEdit().setText("Bartholomew-Johann"); // 18: cut to 15 on OK
            dialog.TraitButton(1).click();
            dialog.reject();
        },
        &ran);
    EXPECT_FALSE(RunRefereeEditor(nullptr, referee));
    ASSERT_TRUE(ran);
    EXPECT_EQ(referee.name.FirstName(), "Anna");
    EXPECT_EQ(referee.trait, Referee::kCoward);

    ran = false;
    test::WhenShown<CDlgReferee>(
        [](CDlgReferee& dialog) {
            dialog.FirstNameEdit().setText("Bartholomew-Johann");
            dialog.TraitButton(1).click();
            dialog.OkButton().click();
        },
        &ran);
    EXPECT_TRUE(RunRefereeEditor(nullptr, referee));
    ASSERT_TRUE(ran);
    EXPECT_EQ(referee.name.FirstName(), "Bartholomew-Joh");
    EXPECT_EQ(referee.name.Surname(), "Miller");
    EXPECT_EQ(referee.trait, Referee::kPrincipled);
}

TEST_F(RefereeDialogsTest, NewAddsOnOkOnlyAndEnterChangesTheSelectedReferee) {
    country_.referees.Add(Named("Anna", "Miller", Referee::kWorldClass));
    CDlgRefereeList page(nullptr, context_);
    ASSERT_EQ(page.List().count(), 1);

    bool ran = false;
    test::WhenShown<CDlgReferee>([](CDlgReferee& dialog) { dialog.reject(); }, &ran);
    page.NewButton().click();
    ASSERT_TRUE(ran);
    EXPECT_EQ(country_.referees.Count(), 1u);

    ran = false;
    test::WhenShown<CDlgReferee>(
        [](CDlgReferee& dialog) {
            EXPECT_TRUE(dialog.TraitButton(0).isChecked()); // a new referee is all zero
            dialog.SurnameEdit().setText("Berg");
            dialog.accept();
        },
        &ran);
    page.NewButton().click();
    ASSERT_TRUE(ran);
    ASSERT_EQ(country_.referees.Count(), 2u);
    EXPECT_EQ(country_.referees.Find(2)->name.Surname(), "Berg");
    ASSERT_EQ(page.List().count(), 2);
    EXPECT_EQ(page.List().currentRow(), 1); // the new referee is selected
    EXPECT_TRUE(page.List().item(1)->text().startsWith("Berg\t"));

    // Enter on the list opens the selected referee; the frame around the page does not get it.
    page.List().setCurrentRow(0);
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_Return, Qt::NoModifier);
    shortcut.ignore();
    QApplication::sendEvent(&page.List(), &shortcut);
    EXPECT_TRUE(shortcut.isAccepted());
    ran = false;
    test::WhenShown<CDlgReferee>(
        [](CDlgReferee& dialog) {
            EXPECT_EQ(dialog.SurnameEdit().text(), "Miller");
            dialog.TraitButton(4).click();
            dialog.accept();
        },
        &ran);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&page.List(), &enter);
    ASSERT_TRUE(ran);
    EXPECT_EQ(country_.referees.Find(1)->trait, Referee::kBoldDecisions);
    EXPECT_EQ(page.List().currentRow(), 0);

    page.DeleteButton().click();
    EXPECT_EQ(country_.referees.Count(), 1u);
    EXPECT_FALSE(country_.referees.Contains(1));
    EXPECT_EQ(page.List().count(), 1);
    EXPECT_EQ(page.List().currentRow(), 0);
}

TEST_F(RefereeDialogsTest, AtTheLimitNewIsRefusedWithAMessageAndNoEditor) {
    for (size_t i = 0; i < kMaxReferees; ++i) {
        country_.referees.Add(Referee());
    }
    CDlgRefereeList page(nullptr, context_);
    // An editor that came up anyway would be closed (and noted) from its own event loop.
    auto fired = std::make_shared<bool>(false);
    auto opened = std::make_shared<bool>(false);
    QTimer::singleShot(0, [fired, opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *opened = true;
            modal->close();
        }
        *fired = true;
    });
    page.NewButton().click();
    ASSERT_TRUE(test::ProcessEventsUntil([fired] { return *fired; }));
    EXPECT_FALSE(*opened);
    ASSERT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_NE(prompt_.Calls().front().text.find("256"), std::string::npos);
    EXPECT_EQ(country_.referees.Count(), kMaxReferees);
}

} // namespace
} // namespace tallo
