// The national coach page's model: the birth day kept within its month, the limits of every
// value, the language boxes, the nationality list and an untouched page that changes nothing.

#include "editing/country/national_coach_page_model.h"

#include <gtest/gtest.h>

#include "editing/country/country_edit_context.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "formats/string_table.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Model = NationalCoachPageModel;

class NationalCoachPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        context_.country = 7;
    }

    NationalCoach& Coach() { return world_->GetCountry(context_.country)->nationalCoach; }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    CountryEditContext context_;
};

TEST_F(NationalCoachPageModelTest, TheThirtyFirstOfJanuaryBecomesTheLastDayOfFebruary) {
    for (const auto& [year, last] :
         {std::pair{1988, 29}, std::pair{1987, 28}, std::pair{1900, 28}}) {
        Coach().birthDate = GameDate::FromDate(year, 1, 31);
        Model model(context_);
        EXPECT_EQ(model.Day(), 31);
        EXPECT_EQ(model.DayLimit(), 31);
        model.SetMonth(2);
        EXPECT_EQ(model.Day(), last) << year;
        EXPECT_EQ(model.DayLimit(), last) << year;
        model.Store();
        EXPECT_EQ(Coach().birthDate, GameDate::FromDate(year, 2, last)) << year;
    }
}

TEST_F(NationalCoachPageModelTest, ALeapDayGoesWhenTheYearIsNoLongerLeap) {
    Coach().birthDate = GameDate::FromDate(1984, 2, 29);
    Model model(context_);
    model.SetYear(1985);
    EXPECT_EQ(model.Day(), 28);
    model.SetDay(31);
    EXPECT_EQ(model.Day(), 28);
    model.SetMonth(3);
    model.SetDay(31);
    EXPECT_EQ(model.Day(), 31);
}

TEST_F(NationalCoachPageModelTest, ValuesStayWithinTheirRanges) {
    Model model(context_);
    model.SetYear(1899);
    EXPECT_EQ(model.Year(), 1900);
    model.SetYear(1991);
    EXPECT_EQ(model.Year(), 1990);
    model.SetMonth(0);
    EXPECT_EQ(model.Month(), 1);
    model.SetMonth(13);
    EXPECT_EQ(model.Month(), 12);
    model.SetDay(0);
    EXPECT_EQ(model.Day(), 1);
    model.SetSkill(0, -1);
    model.SetSkill(3, 16);
    EXPECT_EQ(model.Skill(0), 0);
    EXPECT_EQ(model.Skill(3), 15);
    model.SetNationalExperience(7);
    model.SetInternationalExperience(5);
    EXPECT_EQ(model.NationalExperience(), 6);
    EXPECT_EQ(model.InternationalExperience(), 4);
    model.SetNationalExperience(-1);
    EXPECT_EQ(model.NationalExperience(), 0);

    model.Store();
    EXPECT_EQ(Coach().birthDate, GameDate::FromDate(1990, 12, 1));
    EXPECT_EQ(Coach().skills[0], 0);
    EXPECT_EQ(Coach().skills[3], 15);
    EXPECT_EQ(Coach().nationalExperience, 0);
    EXPECT_EQ(Coach().internationalExperience, 4);
}

TEST_F(NationalCoachPageModelTest, NamesAreTypedWithNineteenCharactersAndStoredInTheirFields) {
    Model model(context_);
    model.SetName(Model::kFirstName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    model.SetName(Model::kSurname, "abcdefghijklmnopqrstuvwxyz");
    model.SetName(Model::kNickname, "Nick");
    EXPECT_EQ(model.NameText(Model::kFirstName), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(model.NameText(Model::kSurname), "abcdefghijklmnopqrs");
    model.Store();
    EXPECT_EQ(Coach().name.FirstName(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Coach().name.Surname(), "abcdefghijklmnopqrs");
    EXPECT_EQ(Coach().Nickname(), "Nick");
}

TEST_F(NationalCoachPageModelTest, ALanguageBoxWithoutSelectionKeepsTheStoredLanguage) {
    Coach().languages[0] = 5;
    Coach().languages[1] = 200; // not in the list: no selection
    Coach().languages[2] = 0;
    Model model(context_);
    ASSERT_EQ(model.Languages().size(), 63u);
    EXPECT_EQ(model.Languages().back().language, 62);
    EXPECT_EQ(model.Language(0), 5);
    EXPECT_EQ(model.Language(1), -1);
    EXPECT_EQ(model.Language(2), 0);
    model.SetLanguage(2, 63); // refused
    EXPECT_EQ(model.Language(2), 0);
    model.SetLanguage(2, 62);
    model.SetLanguage(0, -1);
    model.Store();
    EXPECT_EQ(Coach().languages[0], 5);
    EXPECT_EQ(Coach().languages[1], 200);
    EXPECT_EQ(Coach().languages[2], 62);
}

TEST_F(NationalCoachPageModelTest, EveryCountryUpToTheLastCanBeTheNationality) {
    Model model(context_);
    const int last = model.nationality.IndexOf(CWorld::kCountryCount);
    ASSERT_GE(last, 0) << "country 206 must be offered";
    EXPECT_EQ(model.nationality.entries[0].value, 0u); // none
    model.nationality.Select(last);
    model.Store();
    EXPECT_EQ(Coach().nationality, CWorld::kCountryCount);
    model.nationality.Select(0);
    model.Store();
    EXPECT_EQ(Coach().nationality, 0);
}

TEST_F(NationalCoachPageModelTest, ExperienceTextsAreTheLeagueAndInternationalLists) {
    EXPECT_EQ(Model::NationalExperienceText(0), LoadString(141));
    EXPECT_EQ(Model::NationalExperienceText(6), LoadString(147));
    EXPECT_EQ(Model::InternationalExperienceText(0), LoadString(136));
    EXPECT_EQ(Model::InternationalExperienceText(4), LoadString(140));
}

TEST_F(NationalCoachPageModelTest, AgeIsCountedAtTheGameDate) {
    const GameDate today = CurrentGameDate();
    Coach().birthDate = GameDate::FromDate(1960, today.Month(), today.Day());
    Model model(context_);
    EXPECT_EQ(model.Age(), today.Year() - 1960);
    model.SetYear(1961);
    EXPECT_EQ(model.Age(), today.Year() - 1961);
}

} // namespace
} // namespace tallo
