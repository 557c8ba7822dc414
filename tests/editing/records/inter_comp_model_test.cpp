// The international competitions on a copy of the rules: names in one language only and never
// lost silently, one title per club (on opening and on every choice), and the texts of club and
// stadium references.

#include "editing/records/inter_comp_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editing/common/record_choosers.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Model = InterCompModel;

// Answers the club chooser with a fixed club (or a cancel) and remembers the preset.
class ScriptedChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override {
        askedCountry = presetCountry;
        askedClub = presetClub;
        return answer;
    }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }

    std::optional<uint32_t> answer;
    int askedCountry = 0;
    uint32_t askedClub = 0;
};

class InterCompModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        CCountry& spain = *world_.GetCountry(kSpain);
        spain.SetName(kSlot, "Espana");
        spain.EnsureNationalTeam();
        alpha_ = spain.CreateClub("Alpha")->Id();
        beta_ = spain.CreateClub("Beta")->Id();
        CCountry& brazil = *world_.GetCountry(kBrazil);
        brazil.SetName(kSlot, "Brasil");
        brazil.EnsureNationalTeam();
        gamma_ = brazil.CreateClub("Gamma")->Id();
        Stadium stadium;
        stadium.SetName("Arena");
        stadium.SetCity("Madrid");
        arena_ = (static_cast<uint32_t>(kSpain) << 16) | spain.stadiums.Add(stadium);
        for (int cup = 0; cup < Model::kCups; ++cup) {
            for (int language = 0; language < RulesAndMisc::kLanguages; ++language) {
                const std::string name =
                    "Cup " + std::to_string(cup) + "/" + std::to_string(language);
                rules_.SetLongName(cup, language, name);
                rules_.SetShortName(cup, language, name);
            }
        }
    }

    static constexpr int kSpain = 45;
    static constexpr int kBrazil = 50;
    static constexpr int kSlot = 2;
    CWorld world_;
    RulesAndMisc rules_;
    uint32_t alpha_ = 0;
    uint32_t beta_ = 0;
    uint32_t gamma_ = 0;
    uint32_t arena_ = 0;
};

TEST_F(InterCompModelTest, NamesAreStoredInTheEditedLanguageOnlyAndCut) {
    Model model(world_, kSlot);
    model.Fill(rules_);
    EXPECT_EQ(model.Name(Model::kItCup), "Cup 3/2");
    model.SetName(Model::kChampionsCup, std::string(40, 'x'));
    model.SetShortName(Model::kSouthAmericanCup, "A rather long console name");
    EXPECT_EQ(model.Name(Model::kChampionsCup), std::string(29, 'x'));
    EXPECT_TRUE(model.Problems().empty());

    RulesAndMisc stored = rules_;
    EXPECT_TRUE(model.Store(stored).empty());
    EXPECT_EQ(stored.LongName(Model::kChampionsCup, kSlot), std::string(29, 'x'));
    EXPECT_EQ(stored.ShortName(Model::kSouthAmericanCup, kSlot), "A rather long co");
    for (int language = 0; language < RulesAndMisc::kLanguages; ++language) {
        if (language == kSlot) {
            continue;
        }
        EXPECT_EQ(stored.LongName(Model::kChampionsCup, language), rules_.LongName(0, language));
        EXPECT_EQ(stored.ShortName(Model::kSouthAmericanCup, language),
                  rules_.ShortName(2, language));
    }
    EXPECT_EQ(stored.LongName(Model::kEuropeanCup, kSlot), "Cup 1/2");

    // Nothing typed: the rules come back as they were.
    Model untouched(world_, kSlot);
    untouched.Fill(rules_);
    RulesAndMisc again = rules_;
    untouched.Store(again);
    EXPECT_EQ(again, rules_);
}

TEST_F(InterCompModelTest, ANameTheFileCannotHoldIsRefusedWithAMessage) {
    Model model(world_, kSlot);
    model.Fill(rules_);
    model.SetName(Model::kEuropeanCup, "The \"Big\" Cup");
    model.SetShortName(Model::kItCup, "Line\tbreak");
    model.SetName(Model::kItCup, "\xE4\xB8\xAD Cup"); // a letter no 8-bit code page has
    model.SetName(Model::kChampionsCup, "Fine name");
    const auto problems = model.Problems();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("Big"), std::string::npos);

    RulesAndMisc stored = rules_;
    EXPECT_EQ(model.Store(stored), problems);
    EXPECT_EQ(stored.LongName(Model::kEuropeanCup, kSlot), "Cup 1/2");
    EXPECT_EQ(stored.ShortName(Model::kItCup, kSlot), "Cup 3/2");
    EXPECT_EQ(stored.LongName(Model::kItCup, kSlot), "Cup 3/2");
    EXPECT_EQ(stored.LongName(Model::kChampionsCup, kSlot), "Fine name");
}

TEST_F(InterCompModelTest, DuplicateTitlesAreClearedOnOpeningInTheirOrder) {
    rules_.SetClubReference(Model::kChampionsCupWinner, alpha_);
    rules_.SetClubReference(Model::kEuropeanCupWinner, alpha_ | ClubId::kSecondTeamBit);
    rules_.SetClubReference(Model::kSouthAmericanHolder, gamma_);
    Model model(world_, kSlot);
    model.Fill(rules_);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), alpha_);
    EXPECT_EQ(model.Club(Model::kEuropeanCupWinner), 0u);
    EXPECT_EQ(model.Club(Model::kSouthAmericanHolder), gamma_);

    // The holder wins over both European winners.
    rules_.SetClubReference(Model::kChampionsCupWinner, gamma_);
    rules_.SetClubReference(Model::kEuropeanCupWinner, beta_);
    model.Fill(rules_);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), 0u);
    EXPECT_EQ(model.Club(Model::kEuropeanCupWinner), beta_);
    rules_.SetClubReference(Model::kChampionsCupWinner, alpha_);
    rules_.SetClubReference(Model::kEuropeanCupWinner, gamma_);
    model.Fill(rules_);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), alpha_);
    EXPECT_EQ(model.Club(Model::kEuropeanCupWinner), 0u);
    EXPECT_EQ(model.Club(Model::kSouthAmericanHolder), gamma_);
}

TEST_F(InterCompModelTest, AChosenClubTakesItsTitleFromTheOtherOne) {
    Model model(world_, kSlot);
    model.Fill(rules_);
    ASSERT_TRUE(model.SetClub(Model::kChampionsCupWinner, alpha_));
    ASSERT_TRUE(model.SetClub(Model::kEuropeanCupWinner, beta_));
    ASSERT_TRUE(model.SetClub(Model::kEuropeanCupWinner, alpha_));
    EXPECT_EQ(model.Club(Model::kEuropeanCupWinner), alpha_);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), 0u);
    EXPECT_EQ(model.LastCleared(), std::vector<int>{Model::kChampionsCupWinner});

    // The holder too: what the next opening would clear is cleared now.
    ASSERT_TRUE(model.SetClub(Model::kSouthAmericanHolder, alpha_ | ClubId::kSecondTeamBit));
    EXPECT_EQ(model.Club(Model::kSouthAmericanHolder), alpha_); // the first team
    EXPECT_EQ(model.Club(Model::kEuropeanCupWinner), 0u);

    // Refused: a national team, a club that is not there; nothing changes.
    const uint32_t national = ClubId::Make(kSpain, ClubId::kNationalTeamNumber);
    ASSERT_NE(world_.FindClub(national), nullptr);
    EXPECT_FALSE(model.SetClub(Model::kChampionsCupWinner, national));
    EXPECT_FALSE(model.LastRefusal().empty());
    EXPECT_FALSE(model.SetClub(Model::kChampionsCupWinner, ClubId::Make(kSpain, 999)));
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), 0u);
    EXPECT_EQ(model.Club(Model::kSouthAmericanHolder), alpha_);

    RulesAndMisc stored = rules_;
    model.Store(stored);
    EXPECT_EQ(stored.ClubReference(Model::kSouthAmericanHolder), alpha_);
    EXPECT_EQ(stored.ClubReference(Model::kEuropeanCupWinner), 0u);
}

TEST_F(InterCompModelTest, TheChooserIsPresetAndACancelChangesNothing) {
    Model model(world_, kSlot);
    model.Fill(rules_);
    ScriptedChoosers choosers;
    EXPECT_EQ(model.ChooseClub(Model::kSouthAmericanHolder, choosers, kBrazil),
              Model::Choice::Cancelled);
    EXPECT_EQ(choosers.askedCountry, kBrazil);
    choosers.answer = beta_;
    EXPECT_EQ(model.ChooseClub(Model::kChampionsCupWinner, choosers, 1), Model::Choice::Chosen);
    choosers.answer = std::nullopt;
    model.ChooseClub(Model::kChampionsCupWinner, choosers, 1);
    EXPECT_EQ(choosers.askedCountry, kSpain);
    EXPECT_EQ(choosers.askedClub, beta_);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), beta_);
    choosers.answer = ClubId::Make(kBrazil, ClubId::kNationalTeamNumber);
    EXPECT_EQ(model.ChooseClub(Model::kChampionsCupWinner, choosers, 1), Model::Choice::Refused);
    EXPECT_EQ(model.Club(Model::kChampionsCupWinner), beta_);
}

TEST_F(InterCompModelTest, ReferencesAreShownWithTheirCountryAndNoneWhenTheyLeadNowhere) {
    rules_.SetClubReference(Model::kChampionsCupWinner, alpha_);
    rules_.SetClubReference(Model::kEuropeanCupWinner, ClubId::Make(kSpain, 777));
    rules_.SetStadiumReference(Model::kChampionsCupFinal, arena_);
    rules_.SetStadiumReference(Model::kEuropeanCupFinal, arena_ + 1);
    Model model(world_, kSlot);
    model.Fill(rules_);
    EXPECT_EQ(model.ClubText(Model::kChampionsCupWinner), "Alpha (Espana)");
    EXPECT_EQ(model.ClubText(Model::kEuropeanCupWinner), "");
    EXPECT_EQ(model.ClubText(Model::kSouthAmericanHolder), "");
    EXPECT_EQ(model.VenueText(Model::kChampionsCupFinal), "Arena, Madrid (Espana)");
    EXPECT_EQ(model.VenueText(Model::kEuropeanCupFinal), "");
    EXPECT_EQ(StadiumReferenceText(world_, 0xFF0001, kSlot), "");

    // A reference shown as none is still kept as it is (the load's check decides about it).
    RulesAndMisc stored = rules_;
    model.Store(stored);
    EXPECT_EQ(stored, rules_);
}

} // namespace
} // namespace tallo
