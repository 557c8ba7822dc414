// The abilities page of officials: the experience group by role, the language boxes, and what
// Store writes for which role.

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/session/database_session.h"
#include "editing/staff/manager_abilities_page_model.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Group = ManagerAbilitiesPageModel::ExperienceGroup;

class ManagerAbilitiesPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
    }

    CPlayer& NewPerson(uint8_t role) {
        CPlayer* person = world_->CreatePlayer(0, true);
        EXPECT_NE(person, nullptr);
        person->SetRole(role);
        person->SetLeagueExperience(2);
        person->SetInternationalExperience(1);
        return *person;
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    PersonEditContext context_;
};

TEST_F(ManagerAbilitiesPageModelTest, ThePresidentHasNoExperienceGroupAndTheChairmanHasOne) {
    ManagerAbilitiesPageModel model(context_);
    EXPECT_EQ(model.ExperienceVisibility(), Group::kUnchanged); // no person
    model.SetPerson(&NewPerson(CPlayer::kRolePresident));
    EXPECT_EQ(model.ExperienceVisibility(), Group::kHide);
    model.SetPerson(&NewPerson(CPlayer::kRoleChairman));
    EXPECT_EQ(model.ExperienceVisibility(), Group::kShow);
    model.SetPerson(&NewPerson(CPlayer::kRoleManager));
    EXPECT_EQ(model.ExperienceVisibility(), Group::kShow);
    model.SetPerson(&NewPerson(7));
    EXPECT_EQ(model.ExperienceVisibility(), Group::kUnchanged);
}

TEST_F(ManagerAbilitiesPageModelTest, OnlyTheForeignLanguageBoxesOfferNoLanguage) {
    ManagerAbilitiesPageModel model(context_);
    auto hasNone = [](const std::vector<LanguageEntry>& list) {
        return std::any_of(list.begin(), list.end(),
                           [](const LanguageEntry& e) { return e.language == 0; });
    };
    EXPECT_FALSE(hasNone(model.NativeLanguages()));
    EXPECT_TRUE(hasNone(model.ForeignLanguages()));
    EXPECT_EQ(model.ForeignLanguages().size(), model.NativeLanguages().size() + 1);
    EXPECT_EQ(model.ForeignLanguages().back().language, CPlayer::kMaxLanguage);

    CPlayer& manager = NewPerson(CPlayer::kRoleManager);
    model.SetPerson(&manager);
    model.SetLanguage(0, 0); // refused: the native box has no empty entry
    model.SetLanguage(0, 5);
    model.SetLanguage(1, 0);
    model.SetLanguage(2, CPlayer::kMaxLanguage + 1); // refused: not offered
    EXPECT_EQ(model.Language(0), 5);
    EXPECT_EQ(model.Language(1), 0);
}

TEST_F(ManagerAbilitiesPageModelTest, ExperiencesAreStoredForManagersAndChairmenOnly) {
    for (int role : {1, 2, 3, 9}) {
        CPlayer& person = NewPerson(static_cast<uint8_t>(role));
        ManagerAbilitiesPageModel model(context_);
        model.SetPerson(&person);
        model.SetNationalExperience(9); // bounded to 6
        model.SetInternationalExperience(3);
        model.SetSkill(2, 20); // bounded to 15
        model.Store();
        const bool stores = role == CPlayer::kRoleManager || role == CPlayer::kRoleChairman;
        EXPECT_EQ(person.LeagueExperience(), stores ? 6 : 2) << role;
        EXPECT_EQ(person.InternationalExperience(), stores ? 3 : 1) << role;
        EXPECT_EQ(person.Bonus(2), 15) << role;
    }
}

TEST_F(ManagerAbilitiesPageModelTest, ABoxWithoutSelectionStoresNoLanguage) {
    CPlayer& manager = NewPerson(CPlayer::kRoleManager);
    manager.SetLanguageByte(0, 3);
    manager.SetLanguageByte(1, 7);
    manager.SetLanguageByte(2, 9);
    ManagerAbilitiesPageModel model(context_);
    model.SetPerson(&manager);
    EXPECT_EQ(model.Language(1), 7);
    model.SetLanguage(1, -1);
    model.SetLanguage(3, 11);
    model.Store();
    EXPECT_EQ(manager.Language(0), 3);
    EXPECT_EQ(manager.Language(1), 0);
    EXPECT_EQ(manager.Language(2), 9);
    EXPECT_EQ(manager.Language(3), 11);
}

TEST_F(ManagerAbilitiesPageModelTest, TheExperienceTextsAreThoseOfTheStringTable) {
    EXPECT_EQ(ManagerAbilitiesPageModel::NationalExperienceText(0), "Нет");
    EXPECT_EQ(ManagerAbilitiesPageModel::NationalExperienceText(6), "Сделал всё");
    EXPECT_EQ(ManagerAbilitiesPageModel::InternationalExperienceText(1), "Мало");
    EXPECT_EQ(ManagerAbilitiesPageModel::InternationalExperienceText(4), "Сделал всё");
}

TEST_F(ManagerAbilitiesPageModelTest, AnUntouchedPageChangesNoByteOfTheSamplesPersons) {
    const auto before = test::SavedBytes(*world_);
    ManagerAbilitiesPageModel model(context_);
    int officials = 0;
    for (const auto& [id, person] : world_->Players()) {
        model.SetPerson(person.get());
        model.Store();
        officials += person->Role() != CPlayer::kRolePlayer;
    }
    EXPECT_GT(officials, 0);
    EXPECT_EQ(test::SavedBytes(*world_), before);
}

} // namespace
} // namespace tallo
