// The country's staff container on the offscreen platform: the country list's menu greys
// "take" and creates a manager candidate, and the right-hand pages store their person before
// the right tab or the selection changes.

#include "editors/country/dlg_manag_all.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editing/staff/person_list_model.h"
#include "editing/staff/role_table.h"
#include "editors/country/dlg_land_manager_abilities.h"
#include "editors/country/dlg_land_manager_list.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_tab_ctrl.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// The sample country with the most additional managers.
int CountryWithManagers(CWorld& world) {
    int best = 0;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t count = world.GetCountry(number)->AdditionalManagers().size();
        if (count > most) {
            most = count;
            best = number;
        }
    }
    return best;
}

QAction* ActionOf(QMenu& menu, int command) {
    for (QAction* action : menu.findChildren<QAction*>()) {
        if (action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

class DlgManagAllTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        country_ = CountryWithManagers(World());
        ASSERT_NE(country_, 0);
        ASSERT_GE(World().GetCountry(country_)->AdditionalManagers().size(), 2u);
        change_ = session_->Journal().Begin("country.change");
        change_->IncludeCountry(country_);
        context_.world = &World();
        context_.country = country_;
        context_.change = change_.get();
        page_ = std::make_unique<CDlgManagAll>(nullptr, context_);
        page_->show();
        page_->FillCountry();
    }

    CWorld& World() { return session_->World(); }
    CDlgLandManagerAbilities& Abilities() {
        return static_cast<CDlgLandManagerAbilities&>(
            page_->RightPageWidget(CDlgManagAll::kAbilities));
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int country_ = 0;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    CountryEditContext context_;
    std::unique_ptr<CDlgManagAll> page_;
};

TEST_F(DlgManagAllTest, TheCountryListGreysTakeAndCreatesAManagerCandidate) {
    CDlgLandManagerList& list = page_->ListPage();
    const auto& managers = World().GetCountry(country_)->AdditionalManagers();
    const size_t before = managers.size();
    EXPECT_EQ(list.List().count(), static_cast<int>(before));
    // The first candidate is shown at the start.
    ASSERT_NE(page_->ShownPerson(), 0u);
    EXPECT_EQ(page_->ShownPerson(), list.List().item(0)->data(Qt::UserRole).toULongLong());
    EXPECT_TRUE(page_->DoublesButton().isEnabled());
    EXPECT_TRUE(page_->SearchButton().isEnabled());

    std::unique_ptr<QMenu> menu = list.BuildContextMenu();
    QAction* take = ActionOf(*menu, kCommandTakePerson);
    ASSERT_NE(take, nullptr);
    EXPECT_FALSE(take->isEnabled());
    QAction* create = ActionOf(*menu, 32780);
    ASSERT_NE(create, nullptr);
    ASSERT_TRUE(create->isEnabled());
    create->trigger();

    ASSERT_EQ(managers.size(), before + 1);
    const uint32_t created = page_->ShownPerson();
    ASSERT_NE(created, 0u);
    EXPECT_EQ(managers.count(created), 1u);
    const CPlayer* person = World().FindPlayer(created);
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->Role(), CPlayer::kRoleManager);
    EXPECT_EQ(list.List().count(), static_cast<int>(before + 1));

    // The editor's cancel takes the candidate away again.
    page_.reset();
    change_->Abandon();
    EXPECT_EQ(World().GetCountry(country_)->AdditionalManagers().size(), before);
}

TEST_F(DlgManagAllTest, TheRightPageStoresItsPersonBeforeTheTabOrTheSelectionChanges) {
    CMyTabCtrl& right = page_->RightTabs();
    right.setCurrentIndex(CDlgManagAll::kAbilities);
    const uint32_t first = page_->ShownPerson();
    ASSERT_NE(first, 0u);
    CPlayer& person = *World().FindPlayer(first);
    EXPECT_EQ(Abilities().SkillSpin(0).value(), person.Bonus(0));
    const int changed = (person.Bonus(0) + 1) % 16;
    Abilities().SkillSpin(0).setValue(changed);

    right.setCurrentIndex(CDlgManagAll::kPreferences);
    EXPECT_EQ(person.Bonus(0), changed);

    // Back on the abilities page, a new selection stores the old person first and shows the
    // new one there.
    right.setCurrentIndex(CDlgManagAll::kAbilities);
    EXPECT_EQ(Abilities().SkillSpin(0).value(), changed);
    const int again = (changed + 1) % 16;
    Abilities().SkillSpin(0).setValue(again);
    CMyListBox& list = page_->ListPage().List();
    const int other = list.currentRow() == 0 ? 1 : 0;
    list.setCurrentRow(other);
    EXPECT_EQ(person.Bonus(0), again);
    const uint32_t second = page_->ShownPerson();
    EXPECT_NE(second, first);
    EXPECT_EQ(second, list.item(other)->data(Qt::UserRole).toULongLong());
    EXPECT_EQ(Abilities().SkillSpin(0).value(), World().FindPlayer(second)->Bonus(0));
}

} // namespace
} // namespace tallo
