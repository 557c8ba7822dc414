#include "world/rules_and_misc.h"

#include "formats/kl_file.h"
#include "support/temp_dir.h"
#include "world/file_version.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// The object the golden file tests/fixtures/rules/Rules.sav holds.
RulesAndMisc GoldenRules() {
    RulesAndMisc rules;
    const char* longNames[4][5] = {
        {"Champions Cup", "Coupe des Clubs Champions", "Landesmeister-Pokal", "Copa de Campeones",
         "Coppa dei Campioni"},
        {"European Cup", "Coupe d'Europe", "Europapokal", "Copa de Europa", "Coppa Europa"},
        {"South American Cup", "Coupe d'Amerique du Sud", "Suedamerika-Pokal", "Copa Sudamericana",
         "Coppa Sudamericana"},
        {"IT Cup", "", "IT-Pokal", "", "Coppa IT"}};
    const char* shortNames[4][5] = {
        {"Champions", "C. Champions", "Landesmeister", "Campeones", "Campioni"},
        {"Europe", "C. Europe", "Europapokal", "Europa", "Europa"},
        {"South America", "Amerique du Sud", "Suedamerika", "Sudamericana", "Sudamericana"},
        {"IT", "", "IT", "", "IT"}};
    for (int g = 0; g < 4; ++g) {
        for (int l = 0; l < 5; ++l) {
            EXPECT_TRUE(rules.SetLongName(g, l, longNames[g][l]));
            EXPECT_TRUE(rules.SetShortName(g, l, shortNames[g][l]));
        }
    }
    rules.SetClubReference(0, 0x00050003);
    rules.SetClubReference(1, 0x01050007); // a second team
    rules.SetStadiumReference(0, 0x00070002);
    rules.SetStadiumReference(1, 2);
    rules.SetFurtherClubReference(0, 0x00010001);
    rules.SetPointsRule(0, 1);
    rules.SetPointsRule(2, 1);
    rules.SetPointsRule(4, 3);
    rules.SetFriendlySubstitutions(5);
    return rules;
}

// A Rules.sav whose section holds a VERSION section with `version` (none when empty), then
// the lines of `body`, given separated by '|'.
std::string RulesFile(const std::string& version, const std::string& body) {
    std::string text = "%INDEX%RULES_AND_MISC\r\n";
    if (!version.empty())
        text += "%INDEX%VERSION\r\n" + version + "\r\n%INDEXEND%VERSION\r\n";
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line, '|');)
        text += line + "\r\n";
    return text + "%INDEXEND%RULES_AND_MISC\r\n";
}

RulesAndMisc LoadFrom(const std::string& text, RulesAndMisc rules = {}) {
    TempDir folder;
    WriteFile(folder / "Rules.sav", text);
    EXPECT_TRUE(rules.LoadRules(folder.Path()));
    return rules;
}

// Club references 0-2, stadium references 0-2, further club references 0-1, points rules 0-4
// and friendly substitutions, in file order.
std::vector<int64_t> Numbers(const RulesAndMisc& rules) {
    std::vector<int64_t> numbers;
    for (int i = 0; i < 3; ++i)
        numbers.push_back(rules.ClubReference(i));
    for (int i = 0; i < 3; ++i)
        numbers.push_back(rules.StadiumReference(i));
    for (int i = 0; i < 2; ++i)
        numbers.push_back(rules.FurtherClubReference(i));
    for (int i = 0; i < 5; ++i)
        numbers.push_back(rules.PointsRule(i));
    numbers.push_back(rules.FriendlySubstitutions());
    return numbers;
}

const std::string kCurrent = "537133064";   // 0x20040008
const std::string kVersion6 = "537133062";  // 0x20040006
const std::string kVersion3 = "537133059";  // 0x20040003
const std::string kMajor2003 = "537067522"; // 0x20030002

TEST(RulesAndMiscTest, NewObjectIsEmptyWithSixFriendlySubstitutions) {
    RulesAndMisc rules;
    for (int g = 0; g < RulesAndMisc::kCompetitions; ++g) {
        for (int l = 0; l < RulesAndMisc::kLanguages; ++l) {
            EXPECT_EQ(rules.LongName(g, l), "");
            EXPECT_EQ(rules.ShortName(g, l), "");
        }
    }
    EXPECT_EQ(Numbers(rules), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6}));
}

TEST(RulesAndMiscTest, NamesAreCutToTheirFieldsAndUnsafeTextIsRefused) {
    RulesAndMisc rules;
    const std::string longText(40, 'L');
    EXPECT_TRUE(rules.SetLongName(3, 4, longText));
    EXPECT_EQ(rules.LongName(3, 4), std::string(29, 'L'));
    EXPECT_TRUE(rules.SetShortName(3, 4, longText));
    EXPECT_EQ(rules.ShortName(3, 4), std::string(16, 'L'));

    EXPECT_TRUE(rules.SetLongName(0, 0, "Cup"));
    EXPECT_FALSE(rules.SetLongName(0, 0, "The \"Big\" Cup"));
    EXPECT_FALSE(rules.SetLongName(0, 0, "Two\r\nlines"));
    EXPECT_FALSE(rules.SetShortName(0, 0, std::string("A\0B", 3)));
    EXPECT_EQ(rules.LongName(0, 0), "Cup");
    EXPECT_EQ(rules.ShortName(0, 0), "");
}

TEST(RulesAndMiscTest, IndexesOutOfRangeNeitherReadNorWrite) {
    RulesAndMisc rules = GoldenRules();
    const RulesAndMisc before = rules;
    for (int bad : {-1, 4, 1000}) {
        EXPECT_EQ(rules.LongName(bad, 0), "");
        EXPECT_EQ(rules.ShortName(bad, 0), "");
        EXPECT_FALSE(rules.SetLongName(bad, 0, "x"));
        EXPECT_FALSE(rules.SetShortName(bad, 0, "x"));
    }
    for (int bad : {-1, 5, 1000}) {
        EXPECT_EQ(rules.LongName(0, bad), "");
        EXPECT_EQ(rules.ShortName(0, bad), "");
        EXPECT_FALSE(rules.SetLongName(0, bad, "x"));
        EXPECT_FALSE(rules.SetShortName(0, bad, "x"));
    }
    for (int bad : {-1, 3}) {
        EXPECT_EQ(rules.ClubReference(bad), 0u);
        EXPECT_EQ(rules.StadiumReference(bad), 0u);
        EXPECT_FALSE(rules.SetClubReference(bad, 7));
        EXPECT_FALSE(rules.SetStadiumReference(bad, 7));
    }
    EXPECT_EQ(rules.FurtherClubReference(2), 0u);
    EXPECT_FALSE(rules.SetFurtherClubReference(2, 7));
    EXPECT_EQ(rules.PointsRule(5), 0);
    EXPECT_FALSE(rules.SetPointsRule(-1, 7));
    EXPECT_FALSE(rules.SetPointsRule(5, 7));
    EXPECT_EQ(rules, before);
}

TEST(RulesAndMiscTest, WritesTheGoldenBytes) {
    TempDir folder;
    ASSERT_TRUE(GoldenRules().SaveRules(folder.Path()));
    EXPECT_EQ(ReadFile(folder / "Rules.sav"), ReadFile(test::FixturePath("rules/Rules.sav")));
}

TEST(RulesAndMiscTest, ReadsBackWhatItWrote) {
    TempDir folder;
    const RulesAndMisc golden = GoldenRules();
    ASSERT_TRUE(golden.SaveRules(folder.Path()));
    RulesAndMisc loaded;
    ASSERT_TRUE(loaded.LoadRules(folder.Path()));
    EXPECT_EQ(loaded, golden);
    EXPECT_EQ(FileVersion::Loaded(), FileVersion::kCurrent);

    RulesAndMisc fromFixture;
    ASSERT_TRUE(fromFixture.LoadRules(test::FixturePath("rules")));
    EXPECT_EQ(fromFixture, golden);
}

TEST(RulesAndMiscTest, SaveFailsWhenTheFileCannotBeCreated) {
    TempDir folder;
    WriteFile(folder / "plain-file", "x");
    EXPECT_FALSE(GoldenRules().SaveRules(folder / "plain-file"));
}

TEST(RulesAndMiscTest, MinorSixFileHasNoShortNameLines) {
    const RulesAndMisc rules = LoadFrom(RulesFile(
        kVersion6, "\"Champions Cup of the Whole World\",\"Coupe\",\"\",\"\",\"\"|"
                   "\"European Cup\"|\"South American Cup\"|\"IT Cup\",\"\",\"\",\"\",\"It\"|"
                   "11|12|13|21|22|23|31|32|1|2|1|0|4|3"));
    EXPECT_EQ(rules.LongName(0, 0), "Champions Cup of the Whole Wo");
    EXPECT_EQ(rules.LongName(0, 1), "Coupe");
    EXPECT_EQ(rules.LongName(3, 4), "It");
    EXPECT_EQ(rules.ShortName(0, 0), "Champions Cup of");
    EXPECT_EQ(rules.ShortName(1, 0), "European Cup");
    EXPECT_EQ(rules.ShortName(2, 0), "South American C");
    EXPECT_EQ(rules.ShortName(3, 4), "It");
    EXPECT_EQ(Numbers(rules),
              (std::vector<int64_t>{11, 12, 13, 21, 22, 23, 31, 32, 1, 2, 1, 0, 4, 3}));
}

TEST(RulesAndMiscTest, MinorThreeFileHasNoFourthCompetition) {
    RulesAndMisc kept;
    kept.SetLongName(3, 0, "Kept IT Cup");
    const RulesAndMisc rules =
        LoadFrom(RulesFile(kVersion3, "\"A\"|\"B\"|C|11|12|13|21|22|23|31|32|1|2|1|0|4|3"), kept);
    // A line without quotes gives its whole text to every language.
    EXPECT_EQ(rules.LongName(2, 0), "C");
    EXPECT_EQ(rules.LongName(2, 4), "C");
    EXPECT_EQ(rules.LongName(3, 0), "Kept IT Cup");
    EXPECT_EQ(rules.ShortName(3, 0), "Kept IT Cup");
    EXPECT_EQ(Numbers(rules),
              (std::vector<int64_t>{11, 12, 13, 21, 22, 23, 31, 32, 1, 2, 1, 0, 4, 3}));
}

TEST(RulesAndMiscTest, UnversionedAndOlderMajorFilesHoldTwoOfEachReference) {
    const std::string body = "\"Champions Cup\"|\"European Cup\"|11|12|21|22|31|32|1|2|1|0|4|5";
    for (const std::string& version : {std::string(), kMajor2003}) {
        const RulesAndMisc rules = LoadFrom(RulesFile(version, body));
        EXPECT_EQ(rules.LongName(0, 0), "Champions Cup");
        EXPECT_EQ(rules.LongName(1, 0), "European Cup");
        EXPECT_EQ(rules.LongName(2, 0), "");
        EXPECT_EQ(rules.ShortName(1, 0), "European Cup");
        EXPECT_EQ(Numbers(rules),
                  (std::vector<int64_t>{11, 12, 0, 21, 22, 0, 31, 32, 1, 2, 1, 0, 4, 5}));
    }
}

TEST(RulesAndMiscTest, MissingValuesAtTheEndReadAsZero) {
    // The file ends after the first points rule: every later value read fails and gives 0.
    std::string text = ReadFile(test::FixturePath("rules/Rules.sav"));
    const std::string cut = "65537\r\n0\r\n1\r\n";
    const size_t at = text.find(cut);
    ASSERT_NE(at, std::string::npos);
    text = text.substr(0, at + cut.size()) + "%INDEXEND%RULES_AND_MISC\r\n";

    RulesAndMisc rules;
    rules.SetPointsRule(4, 9);
    TempDir folder;
    WriteFile(folder / "Rules.sav", text);
    ASSERT_TRUE(rules.LoadRules(folder.Path()));
    const RulesAndMisc golden = GoldenRules();
    EXPECT_EQ(rules.LongName(0, 1), golden.LongName(0, 1));
    EXPECT_EQ(rules.ShortName(3, 4), golden.ShortName(3, 4));
    EXPECT_EQ(rules.ClubReference(1), golden.ClubReference(1));
    EXPECT_EQ(rules.FurtherClubReference(0), golden.FurtherClubReference(0));
    EXPECT_EQ(rules.PointsRule(0), 1);
    EXPECT_EQ(rules.PointsRule(2), 0);
    EXPECT_EQ(rules.PointsRule(4), 0);
    EXPECT_EQ(rules.FriendlySubstitutions(), 0);
}

TEST(RulesAndMiscTest, MissingNameLinesGiveEmptyNames) {
    // Only the first long-name line is there; a missing list line must not copy the text of
    // an earlier line.
    const RulesAndMisc rules =
        LoadFrom(RulesFile(kCurrent, "\"A\",\"B\",\"C\",\"D\",\"E\""), GoldenRules());
    EXPECT_EQ(rules.LongName(0, 4), "E");
    EXPECT_EQ(rules.LongName(1, 0), "");
    EXPECT_EQ(rules.ShortName(0, 0), "");
    EXPECT_EQ(Numbers(rules), std::vector<int64_t>(14, 0));
}

TEST(RulesAndMiscTest, MissingFileOrSectionKeepsTheValues) {
    const RulesAndMisc golden = GoldenRules();
    TempDir folder;
    RulesAndMisc rules = golden;
    EXPECT_FALSE(rules.LoadRules(folder.Path()));
    EXPECT_EQ(rules, golden);

    WriteFile(folder / "Rules.sav", "%INDEX%OTHER\r\n1\r\n%INDEXEND%OTHER\r\n");
    EXPECT_FALSE(rules.LoadRules(folder.Path()));
    EXPECT_EQ(rules, golden);
}

TEST(RulesAndMiscTest, QuotedNamesAreCutToTheirFields) {
    const std::string name(40, 'x');
    const std::string list = "\"" + name + "\",\"" + name + "\",\"\",\"\",\"\"|";
    std::string lists;
    for (int i = 0; i < 8; ++i)
        lists += list;
    const RulesAndMisc rules = LoadFrom(RulesFile(kCurrent, lists));
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(rules.LongName(g, 1), std::string(29, 'x'));
        EXPECT_EQ(rules.ShortName(g, 0), std::string(16, 'x'));
        EXPECT_EQ(rules.ShortName(g, 2), "");
    }
}

TEST(RulesAndMiscTest, ValidationDropsDanglingReferencesAndClampsSubstitutions) {
    RulesAndMisc rules = GoldenRules();
    rules.SetClubReference(2, 0x00090009);
    rules.SetFurtherClubReference(1, 0x00090001);
    rules.SetStadiumReference(2, 0x00090009);
    rules.SetFriendlySubstitutions(9);
    std::vector<uint32_t> asked;
    rules.ValidateRules(
        [&](uint32_t reference) -> uint32_t {
            asked.push_back(reference);
            if ((reference >> 16 & 0xFF) == 9)
                return 0;            // leads nowhere
            return reference + 0x10; // renumbered since
        },
        [](uint32_t reference) { return reference != 0x00090009; });
    EXPECT_EQ(asked.size(), 5u); // references of 0 are not looked up
    EXPECT_EQ(rules.ClubReference(0), 0x00050013u);
    EXPECT_EQ(rules.ClubReference(1), 0x01050017u);
    EXPECT_EQ(rules.ClubReference(2), 0u);
    EXPECT_EQ(rules.FurtherClubReference(0), 0x00010011u);
    EXPECT_EQ(rules.FurtherClubReference(1), 0u);
    EXPECT_EQ(rules.StadiumReference(0), 0x00070002u);
    EXPECT_EQ(rules.StadiumReference(2), 0u);
    EXPECT_EQ(rules.FriendlySubstitutions(), 7);

    rules.SetFriendlySubstitutions(-1);
    rules.ValidateRules({}, {});
    EXPECT_EQ(rules.FriendlySubstitutions(), 0);
    EXPECT_EQ(rules.ClubReference(0), 0x00050013u); // no check, no change
}

TEST(RulesAndMiscTest, FriendlySubstitutionsOfNineLoadAsSeven) {
    std::string text = ReadFile(test::FixturePath("rules/Rules.sav"));
    const std::string tail = "3\r\n5\r\n%INDEXEND%RULES_AND_MISC\r\n";
    ASSERT_EQ(text.substr(text.size() - tail.size()), tail);
    text.replace(text.size() - tail.size(), tail.size(), "3\r\n9\r\n%INDEXEND%RULES_AND_MISC\r\n");
    RulesAndMisc rules = LoadFrom(text);
    EXPECT_EQ(rules.FriendlySubstitutions(), 9);
    rules.ValidateRules({}, {});
    EXPECT_EQ(rules.FriendlySubstitutions(), 7);
}

} // namespace
} // namespace tallo
