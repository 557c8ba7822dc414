// The general data page's model: language shares and languages, the limits of the numbers and
// texts, the notes' line ends, the national stadium and the rating's text.

#include "editing/country/country_general_page_model.h"

#include <gtest/gtest.h>

#include "editing/country/country_edit_context.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Model = CountryGeneralPageModel;

class CountryGeneralPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        context_.world = &world_;
        context_.country = 12;
    }

    CWorld world_;
    CCountry& country_ = *world_.GetCountry(12);
    CountryEditContext context_;
};

TEST_F(CountryGeneralPageModelTest, SharesCanBeRaisedOnlyUntilTheTotalIsAHundred) {
    Model model(context_);
    model.SetShare(0, 60);
    model.SetShare(1, 30);
    model.SetShare(2, 20);
    EXPECT_EQ(model.Share(2), 10);
    EXPECT_EQ(model.ShareTotal(), 100);
    model.SetShare(3, 5);
    EXPECT_EQ(model.Share(3), 0);
    model.SetShare(0, 150); // raising the first share: only what the others leave
    EXPECT_EQ(model.Share(0), 60);
    model.SetShare(1, -5);
    EXPECT_EQ(model.Share(1), 0);
    model.SetShare(0, 90);
    EXPECT_EQ(model.Share(0), 90);
    model.Store();
    EXPECT_EQ(country_.languageShares[0], 90);
    EXPECT_EQ(country_.languageShares[1], 0);
    EXPECT_EQ(country_.languageShares[2], 10);
}

TEST_F(CountryGeneralPageModelTest, SharesOverAHundredFromAFileAreKeptUntilChanged) {
    country_.languageShares[0] = 80;
    country_.languageShares[1] = 70;
    Model model(context_);
    EXPECT_EQ(model.ShareTotal(), 150);
    model.Store();
    EXPECT_EQ(country_.languageShares[0], 80);
    EXPECT_EQ(country_.languageShares[1], 70);
    model.SetShare(1, 75); // the other share leaves 20
    EXPECT_EQ(model.Share(1), 20);
}

TEST_F(CountryGeneralPageModelTest, ALanguageChosenTwiceIsKeptInItsFirstBox) {
    country_.languages[0] = 3;
    country_.languages[1] = 7;
    Model model(context_);
    model.SetLanguage(2, 3);
    model.SetLanguage(3, 7);
    model.Store();
    EXPECT_EQ(country_.languages[0], 3);
    EXPECT_EQ(country_.languages[1], 7);
    EXPECT_EQ(country_.languages[2], 0);
    EXPECT_EQ(country_.languages[3], 0);
    EXPECT_EQ(model.Language(2), 0);
}

TEST_F(CountryGeneralPageModelTest, LanguagesOfTheListOnlyAndAStoredOneOutsideItKept) {
    country_.languages[0] = 61; // beyond what a person record keeps: no selection
    Model model(context_);
    EXPECT_EQ(model.Languages().front().language, 0);
    EXPECT_EQ(model.Languages().back().language, Model::kLastLanguage);
    EXPECT_EQ(model.Language(0), -1);
    model.SetLanguage(1, Model::kLastLanguage + 1);
    EXPECT_EQ(model.Language(1), 0);
    model.SetLanguage(1, 12);
    model.Store();
    EXPECT_EQ(country_.languages[0], 61);
    EXPECT_EQ(country_.languages[1], 12);
}

TEST_F(CountryGeneralPageModelTest, NumbersStayWithinTheirRanges) {
    Model model(context_);
    struct Case {
        Model::Number number;
        int low;
        int high;
    };
    for (const Case& c :
         {Case{Model::kClimate, 0, 4}, Case{Model::kTransferAbroadProbability, 0, 100},
          Case{Model::kTeamMovement, 0, 3}, Case{Model::kTransferPeriod1, 0, 2},
          Case{Model::kTransferPeriod2, 0, 2}, Case{Model::kGeneratedPlayerRating, 1, 26},
          Case{Model::kSettingD, 0, 255},
          Case{static_cast<Model::Number>(Model::kValueM1 + 5), 0, 65535},
          Case{static_cast<Model::Number>(Model::kValueP1 + 4), 0, 255},
          Case{static_cast<Model::Number>(Model::kValueQ1), 0, 255},
          Case{Model::kWorldRunnerUps, 0, 20}}) {
        model.SetValue(c.number, c.low - 1);
        EXPECT_EQ(model.Value(c.number), c.low) << c.number;
        model.SetValue(c.number, c.high + 1);
        EXPECT_EQ(model.Value(c.number), c.high) << c.number;
    }
    model.Store();
    EXPECT_EQ(country_.climate, 4);
    EXPECT_EQ(country_.transferAbroadProbability, 100);
    EXPECT_EQ(country_.transferPeriod2, 2u);
    EXPECT_EQ(country_.generatedPlayerRating, 26);
    EXPECT_EQ(country_.settingD, 255);
    EXPECT_EQ(country_.valuesM[5], 65535);
    EXPECT_EQ(country_.valuesM[0], 0);
    EXPECT_EQ(country_.leagueValuesP[4], 255);
    EXPECT_EQ(country_.leagueValuesQ[0], 255);
    EXPECT_EQ(country_.worldRunnerUps, 20);
    EXPECT_EQ(country_.worldTitles, 0);
}

TEST_F(CountryGeneralPageModelTest, TextsAreCutToTheirFields) {
    Model model(context_);
    model.SetText(Model::kAssociationName, "ABCDEFGHIJ");
    model.SetText(Model::kStudioReporterFirstName, std::string(20, 'f'));
    model.SetText(Model::kStudioReporterSurname, std::string(25, 's'));
    model.SetText(Model::kMagazine, std::string(40, 'm'));
    EXPECT_EQ(model.TextValue(Model::kAssociationName), "ABCDEFGH");
    model.Store();
    EXPECT_EQ(country_.AssociationName(), "ABCDEFGH");
    EXPECT_EQ(std::string(country_.studioReporterFirstName), std::string(15, 'f'));
    EXPECT_EQ(std::string(country_.studioReporterSurname), std::string(19, 's'));
    EXPECT_EQ(country_.magazine, std::string(30, 'm'));
}

TEST_F(CountryGeneralPageModelTest, NotesAreEditedWithLineFeedsAndStoredWithLineEnds) {
    country_.notes = "first\r\nsecond";
    Model model(context_);
    EXPECT_EQ(model.Notes(), "first\nsecond");
    model.SetNotes("one\ttwo\nthree\r\n");
    model.Store();
    EXPECT_EQ(country_.notes, "one two\r\nthree\r\n");
}

TEST_F(CountryGeneralPageModelTest, TheNationalStadiumIsOneOfTheCountrysStadiums) {
    Stadium arena;
    arena.SetName("Arena");
    const uint32_t first = country_.stadiums.Add(arena);
    const uint32_t second = country_.stadiums.Add(arena);
    country_.nationalStadium = first;
    Model model(context_);
    ASSERT_EQ(model.nationalStadium.Count(), 3);
    EXPECT_EQ(model.nationalStadium.selected, model.nationalStadium.IndexOf(first));
    model.nationalStadium.Select(model.nationalStadium.IndexOf(second));
    model.Store();
    EXPECT_EQ(country_.nationalStadium, second);
    model.nationalStadium.Select(0);
    model.Store();
    EXPECT_EQ(country_.nationalStadium, 0u);
}

TEST_F(CountryGeneralPageModelTest, FlagsAndThePresidentsBirthDate) {
    country_.settingB = 2; // set, though not as the page writes it
    Model model(context_);
    EXPECT_TRUE(model.FlagValue(Model::kSettingB));
    model.Store();
    EXPECT_EQ(country_.settingB, 2);
    model.SetFlag(Model::kSettingB, false);
    model.SetFlag(Model::kGenerateNames, true);
    model.presidentBirthDate.SetYear(1950);
    model.presidentBirthDate.SetMonth(2);
    model.presidentBirthDate.SetDay(30);
    model.Store();
    EXPECT_EQ(country_.settingB, 0);
    EXPECT_TRUE(country_.generateNames);
    EXPECT_EQ(country_.presidentBirthDate, GameDate::FromDate(1950, 2, 28));
}

TEST_F(CountryGeneralPageModelTest, TheRatingIsShownInPoints) {
    EXPECT_EQ(Model::RatingText(1), "0.5");
    EXPECT_EQ(Model::RatingText(15), "7.5");
    EXPECT_EQ(Model::RatingText(26), "13.0");
}

} // namespace
} // namespace tallo
