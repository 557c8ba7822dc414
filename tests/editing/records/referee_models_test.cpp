// The referee list and editor models: the editor's radio buttons and name fields, and the
// list's commands on the country's referees up to their limit.

#include "editing/records/referee_editor_model.h"
#include "editing/records/referee_list_model.h"

#include <gtest/gtest.h>

#include <string>

#include "editing/country/country_edit_context.h"
#include "formats/dialog_text.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

Referee MakeReferee(const char* firstName, const char* surname, uint8_t trait) {
    Referee referee;
    referee.name.SetFirstName(firstName);
    referee.name.SetSurname(surname);
    referee.trait = trait;
    return referee;
}

TEST(RefereeEditorModel, TheStoredTraitChecksItsButtonAndABadOneChecksNone) {
    const RefereeEditorModel coward(MakeReferee("Anna", "Miller", Referee::kCoward));
    EXPECT_EQ(coward.CheckedTrait(), 5); // the sixth button
    EXPECT_EQ(RefereeEditorModel::TraitText(coward.CheckedTrait()), "Трус");
    EXPECT_EQ(RefereeEditorModel(MakeReferee("", "", 0)).CheckedTrait(), 0);

    Referee odd = MakeReferee("Odd", "Trait", 200);
    RefereeEditorModel model(odd);
    EXPECT_EQ(model.CheckedTrait(), Referee::kNoTrait);
    model.CheckTrait(7); // no such button: nothing changes
    model.CheckTrait(-1);
    EXPECT_EQ(model.CheckedTrait(), Referee::kNoTrait);
    model.Store(odd);
    EXPECT_EQ(odd.trait, Referee::kNoTrait);
}

TEST(RefereeEditorModel, NamesAreCutToTheirFieldsAndToTheRecordOnStore) {
    Referee referee = MakeReferee("Old", "Name", Referee::kWorldClass);
    referee.spare = 9;
    RefereeEditorModel model(referee);
    model.SetFirstName("ABCDEFGHIJKLMNOPQRSTUVWXYZ"); // 26 typed
    model.SetSurname("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(model.FirstName(), "ABCDEFGHIJKLMNOPQRS"); // the field holds 19
    EXPECT_EQ(model.Surname(), "abcdefghijklmnopqrs");
    model.CheckTrait(Referee::kBoldDecisions);
    // Nothing reaches the referee before Store.
    EXPECT_EQ(referee.name.FirstName(), "Old");
    model.Store(referee);
    EXPECT_EQ(referee.name.FirstName(), "ABCDEFGHIJKLMNO"); // the record keeps 15
    EXPECT_EQ(referee.name.Surname(), "abcdefghijklmnopqrs");
    EXPECT_EQ(referee.trait, Referee::kBoldDecisions);
    EXPECT_EQ(referee.spare, 9);
}

class RefereeListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        context_.world = &world_;
        context_.country = kCountry;
    }

    static constexpr int kCountry = 12;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    CountryEditContext context_;
};

TEST_F(RefereeListModelTest, NewChangeAndDeleteActOnTheCountryAtOnce) {
    country_.referees.Add(MakeReferee("Anna", "Miller", Referee::kCoward));
    country_.referees.Add(MakeReferee("", "Solo", Referee::kNoTrait));
    RefereeListModel model(context_);
    ASSERT_EQ(model.Rows().size(), 2u);
    EXPECT_EQ(model.Rows()[0].name, "Miller, A.");
    EXPECT_EQ(model.Rows()[0].trait, "Трус");
    EXPECT_EQ(model.Rows()[1].name, "Solo");

    EXPECT_TRUE(model.Delete(1));
    EXPECT_FALSE(model.Delete(1));
    EXPECT_EQ(country_.referees.Count(), 1u);
    // A new referee takes the freed smallest ID and is listed in ID order.
    const uint32_t id = model.Add(MakeReferee("Bo", "Berg", Referee::kPrincipled));
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(model.RowOf(id), 0);
    EXPECT_EQ(model.Rows()[0].name, "Berg, B.");

    Referee changed = *model.Find(2);
    changed.trait = Referee::kBoldDecisions;
    EXPECT_TRUE(model.Replace(2, changed));
    EXPECT_EQ(country_.referees.Find(2)->trait, Referee::kBoldDecisions);
    EXPECT_FALSE(model.Replace(7, changed));
    EXPECT_EQ(model.Count(), 2u);
}

TEST_F(RefereeListModelTest, TheLimitRefusesANewRefereeWithAMessageNamingIt) {
    for (size_t i = 0; i + 1 < kMaxReferees; ++i) {
        country_.referees.Add(Referee());
    }
    RefereeListModel model(context_);
    EXPECT_TRUE(model.CanAdd());
    EXPECT_EQ(model.Add(Referee()), kMaxReferees);
    EXPECT_FALSE(model.CanAdd());
    EXPECT_EQ(model.Add(Referee()), 0u);
    EXPECT_EQ(country_.referees.Count(), kMaxReferees);
    EXPECT_NE(RefereeListModel::FullMessage().find("256"), std::string::npos);
    // After a delete there is room again.
    EXPECT_TRUE(model.Delete(100));
    EXPECT_TRUE(model.CanAdd());
    EXPECT_EQ(model.Add(Referee()), 100u);
}

TEST_F(RefereeListModelTest, AContextWithoutACountryListsNothingAndChangesNothing) {
    context_.country = 0;
    RefereeListModel model(context_);
    EXPECT_TRUE(model.Rows().empty());
    EXPECT_FALSE(model.CanAdd());
    EXPECT_EQ(model.Add(Referee()), 0u);
    EXPECT_FALSE(model.Delete(1));
}

} // namespace
} // namespace tallo
