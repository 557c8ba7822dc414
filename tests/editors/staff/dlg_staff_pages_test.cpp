// The staff pages on the offscreen platform: the experience group by role, the language boxes,
// the bars and buttons that store at once, and the empty, disabled pages without a person.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/session/database_session.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_group_box.h"
#include "editors/staff/dlg_chairman.h"
#include "editors/staff/dlg_manager_abilities.h"
#include "editors/staff/dlg_manager_all_right.h"
#include "editors/staff/dlg_staff_at_club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class StaffPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
    }

    CPlayer* NewPerson(uint8_t role) {
        CPlayer* person = world_->CreatePlayer(0, true);
        person->SetRole(role);
        return person;
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    PersonEditContext context_;
};

TEST_F(StaffPagesTest, APresidentHasNoExperienceControlsAndAChairmanHasThem) {
    CDlgManagerAbilities page(nullptr, context_);
    page.show();
    page.SetPerson(NewPerson(CPlayer::kRolePresident));
    EXPECT_FALSE(page.ExperienceGroup().isVisible());
    page.SetPerson(NewPerson(8)); // a staff role leaves the group as it was
    EXPECT_FALSE(page.ExperienceGroup().isVisible());
    CPlayer* chairman = NewPerson(CPlayer::kRoleChairman);
    page.SetPerson(chairman);
    EXPECT_TRUE(page.ExperienceGroup().isVisible());

    page.NationalBar().setValue(5);
    EXPECT_EQ(page.NationalText().text(), QString::fromUtf8("Видел всё"));
    page.SkillSpin(3).setValue(11);
    page.StorePerson();
    EXPECT_EQ(chairman->LeagueExperience(), 5);
    EXPECT_EQ(chairman->Bonus(3), 11);
}

TEST_F(StaffPagesTest, OnlyTheForeignLanguageBoxesOfferTheEmptyLanguage) {
    CDlgManagerAbilities page(nullptr, context_);
    EXPECT_EQ(page.LanguageBox(0).findData(0), -1);
    for (int box = 1; box < ManagerAbilitiesPageModel::kLanguageBoxes; ++box) {
        EXPECT_EQ(page.LanguageBox(box).findData(0), 0) << box;
    }
    CPlayer* manager = NewPerson(CPlayer::kRoleManager);
    manager->SetLanguageByte(0, 4);
    manager->SetLanguageByte(1, 0);
    page.SetPerson(manager);
    EXPECT_EQ(page.LanguageBox(0).currentData().toInt(), 4);
    page.LanguageBox(1).setCurrentIndex(page.LanguageBox(1).findData(12));
    page.StorePerson();
    EXPECT_EQ(manager->Language(1), 12);
}

TEST_F(StaffPagesTest, BarsAndButtonsStoreAtOnce) {
    CPlayer* chairman = NewPerson(CPlayer::kRoleChairman);
    CDlgChairman chairmanPage(nullptr, context_);
    chairmanPage.SetPerson(chairman);
    EXPECT_EQ(chairmanPage.StabilityBar().value(), 2);
    chairmanPage.StabilityBar().setValue(4);
    EXPECT_EQ(chairman->ValueB(), 4);
    EXPECT_EQ(chairmanPage.StabilityText().text(), QString::fromUtf8("Долгосрочное планирование"));

    CPlayer* scout = NewPerson(8);
    CDlgStaffAtClub levelPage(nullptr, context_);
    levelPage.SetPerson(scout);
    EXPECT_TRUE(levelPage.LevelButton(0).isChecked());
    levelPage.LevelButton(3).click();
    EXPECT_EQ(scout->StaffLevel(), 3);
    EXPECT_FALSE(levelPage.LevelButton(0).isChecked());

    CPlayer* manager = NewPerson(CPlayer::kRoleManager);
    CDlgManagerAllRight preferences(nullptr, context_);
    preferences.SetPerson(manager);
    preferences.FormationBox().setCurrentIndex(preferences.FormationBox().findData(9));
    EXPECT_EQ(manager->ValueA(), 9);
}

TEST_F(StaffPagesTest, WithoutAPersonThePagesAreEmptyAndDisabled) {
    CPlayer* manager = NewPerson(CPlayer::kRoleManager);
    manager->SetStaffLevel(2);

    CDlgManagerAbilities abilities(nullptr, context_);
    abilities.SetPerson(manager);
    abilities.SetPerson(nullptr);
    EXPECT_FALSE(abilities.isEnabled());
    EXPECT_TRUE(abilities.NationalText().text().isEmpty());
    EXPECT_EQ(abilities.LanguageBox(0).currentIndex(), -1);

    CDlgManagerAllRight preferences(nullptr, context_);
    preferences.SetPerson(nullptr);
    EXPECT_FALSE(preferences.isEnabled());
    EXPECT_TRUE(preferences.FavouriteClubLabel().text().isEmpty());
    EXPECT_EQ(preferences.FormationBox().currentIndex(), -1);

    CDlgChairman chairman(nullptr, context_);
    chairman.SetPerson(nullptr);
    EXPECT_FALSE(chairman.isEnabled());
    EXPECT_TRUE(chairman.StabilityText().text().isEmpty());

    CDlgStaffAtClub level(nullptr, context_);
    level.SetPerson(manager);
    EXPECT_TRUE(level.LevelButton(2).isChecked());
    level.SetPerson(nullptr);
    EXPECT_FALSE(level.isEnabled());
    for (int i = 0; i < StaffLevelPageModel::kLevels; ++i) {
        EXPECT_FALSE(level.LevelButton(i).isChecked()) << i;
    }
}

} // namespace
} // namespace tallo
