#include "mapping/zelo_player_mapping.h"

#include "mapping_test_support.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::AddClub;
using test::AddPlayer;
using test::MappingFixture;
using test::MappingFixturePath;

TEST(ZeloPlayerMappingLoad, ReadsRecordsUntilTheIdsDisagree) {
    CZeloPlayerMapping mapping;
    const std::string path = MappingFixturePath("ZELO_PlayerIDs.txt");
    ASSERT_TRUE(mapping.Load(path));
    EXPECT_EQ(mapping.Path(), path);
    // The record whose second ID differs is kept; nothing after it is read.
    ASSERT_EQ(mapping.Records().size(), 9u);
    EXPECT_EQ(mapping.Records().back().name, "Last Record");
    EXPECT_EQ(mapping.Records().back().zeloId, 108);
    // Names and nicknames are cleaned of extra blanks.
    EXPECT_EQ(mapping.Records()[1].name, "Fernando Morientes");
    EXPECT_EQ(mapping.Records()[6].nickname, "Tarzan");

    const auto doubleNames = mapping.DoubleNames();
    ASSERT_EQ(doubleNames.size(), 1u);
    EXPECT_EQ(doubleNames[0]->zeloId, 103); // the first of the two in file order
    const auto doubleNicks = mapping.DoubleNicks();
    ASSERT_EQ(doubleNicks.size(), 1u); // empty nicknames are never doubles
    EXPECT_EQ(doubleNicks[0]->zeloId, 105);
}

TEST(ZeloPlayerMappingLoad, BadIdsEndTheFileAndLongLinesAreCut) {
    CZeloPlayerMapping mapping;
    // A first ID below 1 ends the file without keeping that record.
    mapping.LoadText("One\n1\n\n1\nTwo\n0\nTwo\n0\nThree\n3\n\n3\n", "ids.txt");
    ASSERT_EQ(mapping.Records().size(), 1u);
    EXPECT_EQ(mapping.Records()[0].name, "One");

    // Over-long names and nicknames are cut to their limits; the ID lines after them are
    // still read as IDs.
    const std::string longName(200, 'n');
    const std::string longNick(200, 'k');
    mapping.LoadText(longName + "\r\n5\r\n" + longNick + "\r\n5\r\nNext\r\n6\r\n\r\n6\r\n",
                     "ids.txt");
    ASSERT_EQ(mapping.Records().size(), 2u);
    EXPECT_EQ(mapping.Records()[0].name, longName.substr(0, CZeloPlayerMapping::kNameLength));
    EXPECT_EQ(mapping.Records()[0].nickname,
              longNick.substr(0, CZeloPlayerMapping::kNicknameLength));
    EXPECT_EQ(mapping.Records()[1].zeloId, 6);

    // A file that stops inside a record keeps it when its first ID was read.
    mapping.LoadText("Cut Short\n7\n", "ids.txt");
    ASSERT_EQ(mapping.Records().size(), 1u);
    EXPECT_EQ(mapping.Records()[0].zeloId, 7);
    EXPECT_EQ(mapping.Records()[0].nickname, "");
    mapping.LoadText("No Id\n", "ids.txt");
    EXPECT_TRUE(mapping.Empty());

    EXPECT_FALSE(mapping.Load("/nonexistent/ZELO_PlayerIDs.txt"));
    EXPECT_TRUE(mapping.Empty());
}

class PlayerMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mapping_.Load(MappingFixturePath("ZELO_PlayerIDs.txt")));
        CClub* club = AddClub(*world_, 1, "Real");
        raul_ = AddPlayer(*world_, *club, "Raul", "Gonzalez");
        AddPlayer(*world_, *club, "Fernando", "Morientes");
        ronaldo_ = AddPlayer(*world_, *club, "", "Ronaldo");
        valeron_ = AddPlayer(*world_, *club, "Juan  Carlos", "Valeron");
        byNick_ = AddPlayer(*world_, *club, "Mister", "Nobody", "Xavi");
        byPseudonym_ = AddPlayer(*world_, *club, "Some", "One", "", "Moro");
        CClub* other = AddClub(*world_, 205, "Other");
        upper_ = AddPlayer(*world_, *other, "RAUL", "GONZALEZ");
        unknown_ = AddPlayer(*world_, *other, "Unknown", "Guy", "Nobody Knows");
        unknown_->SetMappedId(555);
        jose_ = AddPlayer(*world_, *other, "Jos\xe9", "Mari");
        joseUpper_ = AddPlayer(*world_, *other, "JOS\xc9", "MARI");
        // Players of national teams are not mapped.
        national_ = AddPlayer(*world_, *world_->GetCountry(3)->NationalTeam(), "Not", "Visited");
        national_->SetMappedId(77);
    }

    std::unique_ptr<CWorld> world_ = test::MakeWorld();
    CZeloPlayerMapping mapping_;
    test::TempDir dir_;
    CPlayer* raul_ = nullptr;
    CPlayer* ronaldo_ = nullptr;
    CPlayer* valeron_ = nullptr;
    CPlayer* byNick_ = nullptr;
    CPlayer* byPseudonym_ = nullptr;
    CPlayer* upper_ = nullptr;
    CPlayer* unknown_ = nullptr;
    CPlayer* jose_ = nullptr;
    CPlayer* joseUpper_ = nullptr;
    CPlayer* national_ = nullptr;
};

TEST_F(PlayerMappingTest, GivesIdsAndWritesTheReport) {
    SetActiveCodePage(CodePage::Windows1252);
    const std::string reportPath = dir_ / "players.txt";
    const PlayerMappingResult result = mapping_.MapPlayerIds(*world_, reportPath, false);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.success, 8);
    EXPECT_EQ(result.failed, 2);
    ASSERT_TRUE(result.reportWritten);
    const std::string expected = test::Replace(MappingFixture("player_report.txt"), "@IDFILE@",
                                               MappingFixturePath("ZELO_PlayerIDs.txt"));
    test::ExpectSameReport(test::ReadFile(reportPath), expected);

    EXPECT_EQ(raul_->MappedId(), 101u);
    EXPECT_EQ(upper_->MappedId(), 101u);       // case does not matter
    EXPECT_EQ(valeron_->MappedId(), 110u);     // found once the blanks are cleaned
    EXPECT_EQ(byNick_->MappedId(), 106u);      // by nickname
    EXPECT_EQ(byPseudonym_->MappedId(), 102u); // by pseudonym, among the nicknames
    EXPECT_EQ(jose_->MappedId(), 107u);
    EXPECT_EQ(joseUpper_->MappedId(), 107u); // accented capitals of the code page
    EXPECT_EQ(unknown_->MappedId(), 555u);   // not found, kept without overwrite
    EXPECT_EQ(national_->MappedId(), 77u);
    // A player without a first name needs no clean-up; one with two blanks inside does.
    ASSERT_EQ(mapping_.Unnormalized().size(), 1u);
    EXPECT_EQ(mapping_.Unnormalized()[0].surname, "Valeron");
    EXPECT_EQ(ronaldo_->MappedId(), 0u);
}

TEST_F(PlayerMappingTest, OverwriteClearsPlayersNotFoundAndListsStartAfresh) {
    mapping_.MapPlayerIds(*world_, "", false);
    const PlayerMappingResult result = mapping_.MapPlayerIds(*world_, "", true);
    EXPECT_EQ(result.failed, 2);
    EXPECT_FALSE(result.reportWritten);
    EXPECT_EQ(unknown_->MappedId(), 0u);
    EXPECT_EQ(national_->MappedId(), 77u);
    EXPECT_EQ(mapping_.Unnormalized().size(), 1u);
}

TEST_F(PlayerMappingTest, NothingHappensWithoutRecords) {
    CZeloPlayerMapping empty;
    const std::string reportPath = dir_ / "players.txt";
    const PlayerMappingResult result = empty.MapPlayerIds(*world_, reportPath, true);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(unknown_->MappedId(), 555u);
    EXPECT_FALSE(FileExists(reportPath));
}

TEST_F(PlayerMappingTest, AReportThatCannotBeWrittenStillGivesTheIds) {
    const PlayerMappingResult result =
        mapping_.MapPlayerIds(*world_, dir_ / "missing/players.txt", false);
    EXPECT_FALSE(result.reportWritten);
    EXPECT_EQ(raul_->MappedId(), 101u);
}

TEST(PlayerMappingCodePage, CyrillicCapitalsMatchTheirSmallLetters) {
    SetActiveCodePage(CodePage::Windows1251);
    CZeloPlayerMapping mapping;
    // "Яков Семёнов" in small letters in the table, in capitals in the world.
    mapping.LoadText("\xff\xea\xee\xe2 \xf1\xe5\xec\xb8\xed\xee\xe2\n9\n\n9\n", "ids.txt");
    auto world = test::MakeWorld();
    CClub* club = AddClub(*world, 1, "Club");
    CPlayer* player = AddPlayer(*world, *club, "\xdf\xca\xce\xc2", "\xd1\xc5\xcc\xa8\xcd\xce\xc2");
    EXPECT_EQ(mapping.FindZeloId(*player), 9);
    SetActiveCodePage(CodePage::Windows1252);
    // In Windows-1252 some of the same bytes are letters that do not pair up.
    EXPECT_EQ(mapping.FindZeloId(*player), 0);
}

} // namespace
} // namespace tallo
