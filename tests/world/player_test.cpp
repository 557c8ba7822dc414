#include "world/player.h"

#include "formats/kl_file.h"
#include "support/fake_player_registry.h"
#include "support/record_text.h"
#include "support/temp_dir.h"
#include "world/file_version.h"
#include "world/player_looks.h"
#include "world/player_world.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace tallo {
namespace {

constexpr uint32_t Club(uint32_t country, uint32_t number) {
    return (country << 16) | number;
}
constexpr uint32_t kSecondTeam = 0x01000000u;

// A world of a few clubs and players, with the renumbering a save would use.
class FakeWorld : public test::FakePlayerRegistry {
public:
    // Every new player gets a free ID, registered or not.
    CPlayer* CreatePlayer(uint32_t id, bool /*registerId*/) override { return AddPlayer(id, true); }
    int CountryFirstLanguage(uint32_t country) const override {
        auto found = firstLanguages.find(country);
        return found != firstLanguages.end() ? found->second : -1;
    }
    bool ClubExists(uint32_t reference) const override {
        return clubs.count(reference & ~kSecondTeam) > 0;
    }
    uint32_t TranslateClubReference(uint32_t reference) const override {
        if ((reference & 0xFFFFu) == 0xFFFFu) {
            return reference;
        }
        auto found = renumbering.find(reference & ~kSecondTeam);
        if (found == renumbering.end()) {
            return 0;
        }
        return found->second | (reference & kSecondTeam);
    }
    bool IsSpecialFace(uint16_t face) const override { return faces.count(face) > 0; }
    uint16_t FindSpecialFace(std::string_view name) const override {
        for (const auto& [face, faceName] : faceNames) {
            if (faceName.size() == name.size() &&
                std::equal(name.begin(), name.end(), faceName.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) ==
                           std::tolower(static_cast<unsigned char>(b));
                })) {
                return face;
            }
        }
        return 0;
    }
    std::optional<uint32_t> LookUpMappedId(const CPlayer& player) const override {
        if (!mappingLoaded) {
            return std::nullopt;
        }
        auto found = mappedIds.find(std::string(player.Surname()));
        return found != mappedIds.end() ? found->second : 0;
    }
    int RandomBelow(int bound) override { return bound > 0 ? randomValue % bound : 0; }

    std::map<uint32_t, int> firstLanguages;
    std::set<uint32_t> clubs;
    std::map<uint32_t, uint32_t> renumbering;
    std::set<uint16_t> faces;
    std::map<uint16_t, std::string> faceNames;
    bool mappingLoaded = false;
    std::map<std::string, uint32_t> mappedIds;
    int randomValue = 0;
};

// Keeps the loaded version of the thread as the tests found it.
class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedVersion_ = FileVersion::Loaded();
        FileVersion::SetLoaded(FileVersion::kCurrent);
        world.firstLanguages = {{42, 5}, {7, 9}, {9, 11}, {150, 30}};
        world.clubs = {Club(42, 3), Club(7, 0xFFFF), Club(9, 4), Club(42, 8)};
        world.renumbering = {
            {Club(42, 3), Club(42, 1)}, {Club(9, 4), Club(9, 2)}, {Club(42, 8), Club(42, 3)}};
        world.faces = {1234, 77};
    }
    void TearDown() override { FileVersion::SetLoaded(savedVersion_); }

    std::string SaveText(const CPlayer& player) {
        return test::TextWrittenBy([&](CKLFile& file) { return player.Save(file); });
    }

    // Loads the first PLAYER section of `text` into a new player of the fake world.
    CPlayer LoadText(const std::string& text, bool* found = nullptr) {
        CKLFile file;
        EXPECT_TRUE(file.OpenFromMemory(text));
        CPlayer player(&world, 0, 1);
        bool result = player.Load(file);
        if (found != nullptr) {
            *found = result;
        }
        return player;
    }

    // The player of tests/fixtures/player/player.sav (before club renumbering).
    CPlayer GoldenPlayer() {
        CPlayer p(&world, 0, 42);
        p.SetFirstName("Jan");
        p.SetSurname("Novak");
        p.SetNickname("Honza");
        p.SetReserve(1);
        p.SetSecondNationality(7);
        p.SetForeignExemption(1);
        p.SetBirthDate(GameDate::FromDate(1985, 3, 14));
        p.SetTalent(3);
        p.SetStaffLevel(2);
        p.SetMainPosition(CPlayer::kCF);
        p.SetOtherPosition(0, CPlayer::kST);
        const uint8_t ratings[4] = {0, 1, 4, 6};
        for (int i = 0; i < 4; ++i) {
            p.SetPositionRating(i, ratings[i]);
        }
        const uint8_t abilities[16] = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6};
        for (int i = 0; i < 16; ++i) {
            p.SetAbility(i, abilities[i]);
        }
        const uint8_t traits[9] = {0, 1, 2, 3, 2, 1, 0, 3, 1};
        for (int i = 0; i < 9; ++i) {
            p.SetTrait(i, traits[i]);
        }
        p.SetHairColour(3);
        p.SetFaceType(20);
        p.SetHairStyle(9);
        p.SetBeard(4);
        p.SetHeight(188);
        p.SetWeight(82);
        p.SetPreferredFoot(2);
        p.SetLeagueExperience(6);
        p.SetInternationalExperience(4);
        p.SetShirtNumber(200);
        p.SetMappedId(123456);
        p.SetFirstClub(Club(42, 3));
        p.SetPreviousClub(Club(7, 0xFFFF));
        p.SetYearJoined(2001);
        p.SetContractEnd(2006);
        p.SetInternationalCaps(12);
        p.SetInternationalGoals(3);
        const uint8_t bonus[4] = {0, 15, 7, 1};
        for (int i = 0; i < 4; ++i) {
            p.SetBonus(i, bonus[i]);
        }
        p.SetLanguageByte(0, 5);
        p.SetLanguageByte(1, 12);
        p.SetFavouriteClub(Club(42, 3));
        p.SetRelatedPlayer(77);
        p.SetValueA(5);
        p.SetPhoto("novak.tga");
        p.SetTacticalEducation(8);
        p.SetNationalTeamFlags(CPlayer::kInNationalTeam | CPlayer::kNationalStartMask);
        p.SetLoanClub(Club(9, 4) | kSecondTeam);
        p.SetContractStartDate(GameDate::FromDate(2003, 7, 1));
        p.SetContractEndDate(GameDate::FromDate(2006, 6, 30));
        p.SetFavouriteCountry(150);
        p.SetSpecialFace(1234);
        p.SetShoeType(5);
        p.SetKitFlags(CPlayer::kLongSleeves);
        p.SetNotes("Line one\r\nLine two");
        return p;
    }

    FakeWorld world;
    test::TempDir dir;

private:
    uint32_t savedVersion_ = 0;
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> DateLines(int day, int month, int year) {
    return {"%INDEX%DATE", std::to_string(day), std::to_string(month), std::to_string(year),
            "%INDEXEND%DATE"};
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// The values of a PLAYER section up to and including the languages. `looks` are hair colour,
// look value D, face type, hair style and beard; `abilities` the 16 abilities; with
// `oldestLayout` the extra 16-bit value of the files without a version follows the goals.
std::vector<std::string> HeadLines(const std::vector<int>& looks, const std::vector<int>& abilities,
                                   bool oldestLayout) {
    std::vector<std::string> lines = {
        "%INDEX%PLAYER", "Jan", "Novak", "", "", "0", "0", "42", "0", "0"};
    Append(lines, DateLines(14, 3, 1985));
    Append(lines, {"2", "16", "0", "0", "0", "1", "4", "6"});
    for (int ability : abilities) {
        lines.push_back(std::to_string(ability));
    }
    for (int i = 0; i < 9; ++i) {
        lines.push_back("1");
    }
    for (int look : looks) {
        lines.push_back(std::to_string(look));
    }
    Append(lines, {"180", "75", "1", "3", "2", "9", "555"});
    Append(lines, {"0", "0", "0", "0", "1999", "2004", "0", "0"});
    if (oldestLayout) {
        lines.push_back("1234");
    }
    Append(lines, {"0", "0", "0", "0", "3", "0", "0", "0"});
    Append(lines, {"0", "0", "0", "0", "0", "19", "2", ""});
    return lines;
}

// The values after the photo, as files of major 0x2003 and later hold them.
std::vector<std::string> TailLines(int specialFace) {
    std::vector<std::string> lines = {"4", "0", "0", "0"};
    Append(lines, DateLines(1, 7, 2003));
    Append(lines, DateLines(30, 6, 2004));
    Append(lines, {"0", "0", "0", "0", "0", "0", std::to_string(specialFace), "4", "0"});
    return lines;
}

const std::vector<int> kPlainAbilities(16, 5);

// Writing and reading -------------------------------------------------------------------------

TEST_F(PlayerTest, NewPlayerHasTheDefaultsOfANewRecord) {
    world.CreatePlayer(0, true);
    world.CreatePlayer(0, true);
    CPlayer p(&world, CPlayer::kRoleManager, 42);
    EXPECT_EQ(p.FirstName(), "First 3");
    EXPECT_EQ(p.Surname(), "Last 3");
    EXPECT_EQ(p.Role(), CPlayer::kRoleManager);
    EXPECT_EQ(p.Nationality(), 42);
    EXPECT_EQ(p.Language(0), 5);
    EXPECT_EQ(p.BirthDate(), GameDate::FromDate(1980, 1, 1));
    EXPECT_EQ(p.ContractStartDate(), GameDate::FromDate(2003, 7, 1));
    EXPECT_EQ(p.ContractEndDate(), GameDate::FromDate(2004, 6, 30));
    EXPECT_EQ(p.YearJoined(), CurrentGameDate().Year() - 1);
    EXPECT_EQ(p.ContractEnd(), CurrentGameDate().Year());
    EXPECT_EQ(p.Talent(), 2);
    EXPECT_EQ(p.HairStyle(), 5);
    EXPECT_EQ(p.ValueB(), 2);
    EXPECT_EQ(p.TacticalEducation(), 3);
    // 16 abilities of 4, every trait normal.
    EXPECT_EQ(p.GetDetailValue(), 16);
    CPlayer lonely;
    EXPECT_EQ(lonely.FirstName(), "First 1");
    EXPECT_EQ(lonely.Language(0), 0);
}

TEST_F(PlayerTest, SectionMatchesTheGoldenBytes) {
    const std::string golden = test::ReadFile(test::FixturePath("player/player.sav"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(SaveText(GoldenPlayer()), golden);
}

TEST_F(PlayerTest, GoldenSectionReadsBackAsWritten) {
    const std::string golden = test::ReadFile(test::FixturePath("player/player.sav"));
    bool found = false;
    CPlayer loaded = LoadText(golden, &found);
    ASSERT_TRUE(found);
    // The file holds the renumbered clubs: club 3 of country 42 was saved as number 1.
    CPlayer expected = GoldenPlayer();
    expected.SetFirstClub(Club(42, 1));
    expected.SetFavouriteClub(Club(42, 1));
    expected.SetLoanClub(Club(9, 2) | kSecondTeam);
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(loaded.Talent(), 3);
    EXPECT_EQ(loaded.StaffLevel(), 2);
    EXPECT_EQ(loaded.ShirtNumber(), 200);
    EXPECT_EQ(loaded.Notes(), "Line one\r\nLine two");
}

TEST_F(PlayerTest, RoundTripKeepsValuesAtTheEndsOfTheirRanges) {
    world.renumbering.clear();
    for (uint32_t club : world.clubs) {
        world.renumbering[club] = club;
    }
    for (bool high : {false, true}) {
        CPlayer p(&world, high ? 255 : 0, high ? 206 : 1);
        p.SetReserve(high ? 1 : 0);
        p.SetSecondNationality(high ? 206 : 0);
        p.SetFirstName(high ? "Abcdefghijklmno" : "");
        p.SetSurname(high ? "Abcdefghijklmnopqrs" : "");
        p.SetNickname(high ? ";Starts like a note" : "");
        p.SetPseudonym(high ? "%Starts like marks" : "");
        p.SetBirthDate(GameDate::FromDate(high ? 2100 : 1700, high ? 12 : 1, high ? 31 : 1));
        p.SetTalent(high ? 4 : 0);
        p.SetStaffLevel(high ? 4 : 0);
        p.SetMainPosition(high ? 17 : 1);
        for (int i = 0; i < 2; ++i) {
            p.SetOtherPosition(i, high ? 17 : 0);
        }
        for (int i = 0; i < 4; ++i) {
            p.SetPositionRating(i, high ? 6 : 0);
            p.SetBonus(i, high ? 15 : 0);
            p.SetLanguageByte(i, high ? 58 : 0);
        }
        for (int i = 0; i < 16; ++i) {
            p.SetAbility(i, high ? 10 : 1);
        }
        for (int i = 0; i < 9; ++i) {
            p.SetTrait(i, high ? CPlayer::TraitMaximum(i) : 0);
        }
        // Bytes without a range of their own take every value.
        const uint8_t v = high ? 255 : 0;
        p.SetHairColour(v);
        p.SetLookValueD(v);
        p.SetFaceType(v);
        p.SetBeard(v);
        p.SetHeight(v);
        p.SetWeight(v);
        p.SetShirtNumber(v);
        p.SetInternationalCaps(v);
        p.SetInternationalGoals(v);
        p.SetValueA(v);
        p.SetValueB(v);
        p.SetNationalTeamFlags(v);
        p.SetKitFlags(v);
        p.SetHairStyle(high ? 254 : 1);
        p.SetPreferredFoot(high ? 2 : 0);
        p.SetLeagueExperience(high ? 6 : 0);
        p.SetInternationalExperience(high ? 4 : 0);
        p.SetMappedId(high ? 0xFFFFFFFFu : 0);
        p.SetFirstClub(high ? Club(42, 8) : 0);
        p.SetPreviousClub(high ? Club(7, 0xFFFF) : 0);
        p.SetFavouriteClub(high ? Club(9, 4) | kSecondTeam : 0);
        p.SetClubReferenceE(high ? Club(42, 3) : 0);
        p.SetLoanClub(high ? Club(42, 3) : 0);
        p.SetNeverJoinClub(high ? Club(7, 0xFFFF) : 0);
        p.SetYearJoined(high ? CurrentGameDate().Year() : 1980);
        p.SetContractEnd(high ? 2015 : CurrentGameDate().Year());
        p.SetRelatedPlayer(high ? 59999 : 0);
        p.SetPhoto(high ? "photos/a b.tga" : "");
        p.SetTacticalEducation(high ? 8 : 0);
        p.SetContractStartDate(GameDate::FromDate(high ? 2015 : 1980, 1, 1));
        p.SetContractEndDate(GameDate());
        p.SetFavouriteCountry(high ? 206 : 0);
        p.SetSpecialFace(high ? 65535 : 0);
        p.SetShoeType(high ? 5 : 0);
        p.SetNotes(high ? "First line\r\n\r\nThird; line %\r\n" : "");

        CPlayer loaded = LoadText(SaveText(p));
        EXPECT_EQ(loaded, p) << (high ? "high ends" : "low ends");
        EXPECT_EQ(loaded.Nickname(), p.Nickname());
        EXPECT_EQ(loaded.Notes(), p.Notes());
    }
}

TEST_F(PlayerTest, SaveTranslatesClubReferencesAndDropsVanishedClubs) {
    CPlayer p(&world, 0, 42);
    p.SetFirstClub(Club(42, 99)); // not in the renumbering: the club is gone
    p.SetPreviousClub(Club(7, 0xFFFF));
    p.SetNeverJoinClub(Club(42, 8) | kSecondTeam);
    CPlayer loaded = LoadText(SaveText(p));
    EXPECT_EQ(loaded.FirstClub(), 0u);
    EXPECT_EQ(loaded.PreviousClub(), Club(7, 0xFFFF));
    EXPECT_EQ(loaded.NeverJoinClub(), Club(42, 3) | kSecondTeam);
}

TEST_F(PlayerTest, TalentAndStaffLevelShareOneByte) {
    CPlayer p(&world, 4, 42);
    p.SetTalent(3);
    p.SetStaffLevel(2);
    const std::string text = SaveText(p);
    EXPECT_NE(text.find("%INDEXEND%DATE\r\n19\r\n"), std::string::npos);
    CPlayer loaded = LoadText(text);
    EXPECT_EQ(loaded.Talent(), 3);
    EXPECT_EQ(loaded.StaffLevel(), 2);
}

TEST_F(PlayerTest, NotesWithLineBreaksFillOneLineAndComeBack) {
    CPlayer p(&world, 0, 42);
    p.SetNotes("Strong header.\r\nInjured in May.\nBare line feed");
    const std::string text = SaveText(p);
    EXPECT_NE(text.find("Strong header.\tInjured in May.\tBare line feed\r\n%INDEXEND%PLAYER"),
              std::string::npos);
    EXPECT_EQ(LoadText(text).Notes(), "Strong header.\r\nInjured in May.\r\nBare line feed");
}

// Reading untrusted sections --------------------------------------------------------------------

TEST_F(PlayerTest, MissingSectionLeavesTheRecordAsConstructed) {
    bool found = true;
    CPlayer loaded = LoadText(Lines({"%INDEX%CLUB1", "%INDEXEND%CLUB1"}), &found);
    EXPECT_FALSE(found);
    EXPECT_EQ(loaded, CPlayer(&world, 0, 1));
}

TEST_F(PlayerTest, TruncatedSectionKeepsTheFollowingSectionReadable) {
    std::vector<std::string> lines = {"%INDEX%PLAYER", "Cut", "Short", "%INDEXEND%PLAYER"};
    const std::string full = SaveText(GoldenPlayer());
    const std::string text = Lines(lines) + full;
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    CPlayer cut(&world, 0, 1);
    ASSERT_TRUE(cut.Load(file));
    EXPECT_EQ(cut.FirstName(), "Cut");
    EXPECT_EQ(cut.Surname(), "Short");
    // Values the section did not hold read as 0; the post-load check raises them into range.
    EXPECT_EQ(cut.Nationality(), 0);
    EXPECT_EQ(cut.MainPosition(), 0);
    EXPECT_EQ(cut.Ability(CPlayer::kPace), 0);
    cut.PostLoadCheck();
    EXPECT_EQ(cut.MainPosition(), 1);
    EXPECT_EQ(cut.Ability(CPlayer::kPace), 1);
    CPlayer next(&world, 0, 1);
    ASSERT_TRUE(next.Load(file));
    EXPECT_EQ(next.Surname(), "Novak");
    EXPECT_EQ(next.Photo(), "novak.tga");
}

TEST_F(PlayerTest, SectionCutOffAtTheEndOfTheDataFailsCleanly) {
    const std::string full = SaveText(GoldenPlayer());
    for (size_t cut : {size_t{16}, full.size() / 3, full.size() / 2, full.size() - 30}) {
        bool found = false;
        CPlayer loaded = LoadText(full.substr(0, cut), &found);
        EXPECT_TRUE(found);
        EXPECT_LE(loaded.Nationality(), 206);
        loaded.PostLoadCheck();
        EXPECT_GE(loaded.Ability(CPlayer::kThrowIns), 1);
        EXPECT_LE(loaded.Ability(CPlayer::kThrowIns), 10);
    }
}

// The flags stand twice in the section; a file that ends between the copies keeps the first.
TEST_F(PlayerTest, FileEndingBeforeTheSecondFlagsKeepsTheFirst) {
    const CPlayer golden = GoldenPlayer();
    ASSERT_NE(golden.NationalTeamFlags(), 0);
    const std::string full = SaveText(golden);
    // The contract end date is the last DATE section before the second copy.
    const std::string end = "%INDEXEND%DATE\r\n";
    const size_t cut = full.rfind(end) + end.size();
    bool found = false;
    CPlayer loaded = LoadText(full.substr(0, cut), &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(loaded.NationalTeamFlags(), golden.NationalTeamFlags());
}

TEST_F(PlayerTest, NonNumericLinesReadAsZeroOrTheirLeadingNumber) {
    std::vector<int> abilities(16, 5);
    std::vector<std::string> lines = HeadLines({2, 0, 1, 5, 1}, abilities, false);
    // Abilities start after the name lines, five person values, the date and 8 more values.
    const size_t firstAbility = 1 + 4 + 5 + 5 + 8;
    lines[firstAbility] = "abc";
    lines[firstAbility + 1] = "12xyz";
    lines[firstAbility + 2] = "  7 apples";
    lines[firstAbility + 3] = "-3";
    Append(lines, TailLines(0));
    lines.push_back("");
    lines.push_back("%INDEXEND%PLAYER");
    CPlayer loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.Ability(0), 0);
    EXPECT_EQ(loaded.Ability(1), 12);
    EXPECT_EQ(loaded.Ability(2), 7);
    EXPECT_EQ(loaded.Ability(3), 253); // -3 cut to a byte
    EXPECT_EQ(loaded.Ability(4), 5);
    loaded.PostLoadCheck();
    EXPECT_EQ(loaded.Ability(0), 1);
    EXPECT_EQ(loaded.Ability(1), 10);
    EXPECT_EQ(loaded.Ability(2), 7);
    EXPECT_EQ(loaded.Ability(3), 10);
}

TEST_F(PlayerTest, OverlongNamesAreCutToTheirFields) {
    std::vector<std::string> lines = HeadLines({2, 0, 1, 5, 1}, kPlainAbilities, false);
    lines[1] = std::string(40, 'F');
    lines[2] = "  Van   der " + std::string(40, 'S');
    lines[3] = std::string(5000, 'N');
    lines[4] = "\tPseudo\t";
    Append(lines, TailLines(0));
    lines.push_back("");
    lines.push_back("%INDEXEND%PLAYER");
    CPlayer loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.FirstName(), std::string(15, 'F'));
    EXPECT_EQ(loaded.Surname(), "Van der " + std::string(11, 'S'));
    EXPECT_EQ(loaded.Nickname(), std::string(19, 'N'));
    EXPECT_EQ(loaded.Pseudonym(), "Pseudo");
    EXPECT_EQ(loaded.Photo(), "");
}

TEST_F(PlayerTest, LoadLimitsCountriesLanguagesAndBonusValues) {
    CPlayer p(&world, 0, 42);
    p.SetNationality(250);
    p.SetSecondNationality(207);
    p.SetFavouriteCountry(255);
    p.SetLanguageByte(1, 200);
    p.SetBonus(2, 40);
    p.SetFavouriteClub(Club(230, 5));
    p.SetLoanClub(Club(0, 5));
    world.renumbering[Club(230, 5)] = Club(230, 5);
    world.renumbering[Club(0, 5)] = Club(0, 5);
    CPlayer loaded = LoadText(SaveText(p));
    EXPECT_EQ(loaded.Nationality(), 0);
    EXPECT_EQ(loaded.SecondNationality(), 0);
    EXPECT_EQ(loaded.FavouriteCountry(), 0);
    EXPECT_EQ(loaded.Language(1), 0);
    EXPECT_EQ(loaded.Bonus(2), 15);
    EXPECT_EQ(loaded.FavouriteClub(), 0u);
    EXPECT_EQ(loaded.LoanClub(), 0u);
}

// Files of older versions ---------------------------------------------------------------------

TEST_F(PlayerTest, Major2003FileConvertsLooksAbilitiesShoesAndLanguage) {
    std::vector<int> abilities = {0, 1, 2, 3, 4, 42, 43, 10, 5, 5, 5, 5, 5, 5, 5, 5};
    // hair colour 5, look value D 9, face type 25, hair style 29, beard 7
    std::vector<std::string> lines = HeadLines({5, 9, 25, 29, 7}, abilities, false);
    Append(lines, TailLines(1234));
    lines.push_back("notes are not read from this version");
    lines.push_back("%INDEXEND%PLAYER");
    world.faceNames = {{77, "jan NOVAK"}};
    world.mappingLoaded = true;
    world.mappedIds = {{"Novak", 4711}};
    FileVersion::SetLoaded(0x2003FFFFu);

    CPlayer loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.HairColour(), 3);
    EXPECT_EQ(loaded.LookValueD(), 9);
    EXPECT_EQ(loaded.FaceType(), 6);
    EXPECT_EQ(loaded.HairStyle(), 9);
    EXPECT_EQ(loaded.Beard(), 1);
    const uint8_t expected[8] = {1, 4, 7, 10, 4, 42, 0, 10}; // 43 has no row
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(loaded.Ability(i), expected[i]) << "ability " << i;
    }
    EXPECT_EQ(loaded.ShoeType(), 2);
    EXPECT_EQ(loaded.Language(0), 5); // first language of country 42
    EXPECT_EQ(loaded.MappedId(), 4711u);
    EXPECT_EQ(loaded.SpecialFace(), 77); // found by name, not the stored 1234
    EXPECT_EQ(loaded.TacticalEducation(), 4);
    EXPECT_EQ(loaded.Notes(), "");
}

TEST_F(PlayerTest, FileWithoutVersionHasTheOldestLayout) {
    std::vector<int> abilities(16, 2);
    std::vector<std::string> lines = HeadLines({0, 0, 5, 1, 6}, abilities, true);
    lines[lines.size() - 3] = "21"; // player value A
    lines.push_back("%INDEXEND%PLAYER");
    FileVersion::SetLoaded(1); // no VERSION section: major 0, minor 1
    world.randomValue = 3;

    CPlayer loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.HairColour(), 3); // row (0,5,3) taken straight to the current value
    EXPECT_EQ(loaded.FaceType(), 6);
    EXPECT_EQ(loaded.HairStyle(), 5);
    EXPECT_EQ(loaded.Beard(), 1);
    EXPECT_EQ(loaded.Ability(0), 7);
    EXPECT_EQ(loaded.Bonus(0), 0); // the extra value was dropped, the bonus lines follow it
    EXPECT_EQ(loaded.Language(0), 5);
    EXPECT_EQ(loaded.ValueA(), 0);
    // Born 1985: 18 years old; 18 / 9 + 3 + talent 2 - 2 = 5.
    EXPECT_EQ(loaded.TacticalEducation(), 5);
    EXPECT_EQ(loaded.ShoeType(), 2);
    world.randomValue = 0;
    FileVersion::SetLoaded(1);
    EXPECT_EQ(LoadText(Lines(lines)).TacticalEducation(), 2);
}

TEST_F(PlayerTest, Minor6FileRenumbersFacesBeardsAndHairStyles) {
    std::vector<std::string> lines = HeadLines({2, 0, 14, 3, 3}, kPlainAbilities, false);
    Append(lines, TailLines(1234));
    lines.push_back("%INDEXEND%PLAYER");
    FileVersion::SetLoaded(0x20040006u);
    CPlayer loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.FaceType(), 20);
    EXPECT_EQ(loaded.Beard(), 5);
    EXPECT_EQ(loaded.HairStyle(), 2);
    EXPECT_EQ(loaded.SpecialFace(), 0); // looked up again by name; no face has that name
    EXPECT_EQ(loaded.Language(0), 3);   // only files up to minor 1 take the country's language

    lines = HeadLines({2, 0, 21, 0, 7}, kPlainAbilities, false);
    Append(lines, TailLines(0));
    lines.push_back("%INDEXEND%PLAYER");
    FileVersion::SetLoaded(0x20040006u);
    loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.FaceType(), 15);
    EXPECT_EQ(loaded.Beard(), 0);
    EXPECT_EQ(loaded.HairStyle(), 5);

    FileVersion::SetLoaded(0x20040007u);
    loaded = LoadText(Lines(lines));
    EXPECT_EQ(loaded.FaceType(), 21);
    EXPECT_EQ(loaded.Beard(), 7);
    EXPECT_EQ(loaded.HairStyle(), 1); // style 0 of minor 7 files is style 1
}

TEST_F(PlayerTest, Minor1FileTakesTheFirstLanguageOfTheNationality) {
    std::vector<std::string> lines = HeadLines({2, 0, 1, 5, 1}, kPlainAbilities, false);
    Append(lines, TailLines(1234));
    lines.push_back("%INDEXEND%PLAYER");
    FileVersion::SetLoaded(0x20040001u);
    EXPECT_EQ(LoadText(Lines(lines)).Language(0), 5);
    FileVersion::SetLoaded(0x20040002u);
    EXPECT_EQ(LoadText(Lines(lines)).Language(0), 3);
}

TEST_F(PlayerTest, ConversionTablesFollowTheirRows) {
    using namespace PlayerLooks;
    EXPECT_EQ(ConvertHairStyle(29, kMajor2003, kCurrent), 9);
    EXPECT_EQ(ConvertHairStyle(30, kMajor2003, kCurrent), 0); // no row
    EXPECT_EQ(ConvertFaceType(24, kMajor2003, kCurrent), 12); // first matching row
    EXPECT_EQ(ConvertAbility(255, kMajor2003, kCurrent), 0);  // the end row stops the search
    EXPECT_EQ(ConvertValueA(17, kMajor0, kMajor2003), 17);
    EXPECT_EQ(ConvertValueA(18, kMajor0, kMajor2003), 0);
    EXPECT_EQ(FaceTypeFromMinor6(13), 13);
    EXPECT_EQ(FaceTypeFromMinor6(19), 25);
    EXPECT_EQ(FaceTypeFromMinor6(23), 17);
    EXPECT_EQ(BeardFromMinor6(7), 0);
    EXPECT_EQ(BeardFromMinor6(40), 40);
}

// Post-load check ------------------------------------------------------------------------------

TEST_F(PlayerTest, PostLoadCheckRepairsRangesAndDanglingReferences) {
    world.CreatePlayer(12, true);
    CPlayer p(&world, 0, 42);
    p.SetAbility(0, 0);
    p.SetAbility(1, 11);
    p.SetTrait(CPlayer::kConsistency, 3);
    p.SetTrait(CPlayer::kLeadership, 9);
    p.SetYearJoined(1975);
    p.SetContractEnd(2020);
    p.SetRelatedPlayer(60000);
    p.SetHairStyle(255);
    p.SetSpecialFace(999);
    p.SetFirstClub(Club(42, 99));
    p.SetPreviousClub(Club(42, 3));
    p.SetFavouriteClub(Club(9, 4) | kSecondTeam);
    p.SetClubReferenceE(Club(9, 5));
    p.SetLoanClub(Club(9, 77));
    p.PostLoadCheck();
    EXPECT_EQ(p.Ability(0), 1);
    EXPECT_EQ(p.Ability(1), 10);
    EXPECT_EQ(p.Trait(CPlayer::kConsistency), 2);
    EXPECT_EQ(p.Trait(CPlayer::kLeadership), 3);
    EXPECT_EQ(p.YearJoined(), 1980);
    EXPECT_EQ(p.ContractEnd(), 2015);
    EXPECT_EQ(p.RelatedPlayer(), 0u);
    EXPECT_EQ(p.HairStyle(), 5);
    EXPECT_EQ(p.SpecialFace(), 0);
    EXPECT_EQ(p.FirstClub(), 0u);
    EXPECT_EQ(p.PreviousClub(), Club(42, 3));
    EXPECT_EQ(p.FavouriteClub(), Club(9, 4) | kSecondTeam);
    EXPECT_EQ(p.ClubReferenceE(), 0u);
    EXPECT_EQ(p.LoanClub(), 0u);

    p.SetRelatedPlayer(12);
    p.SetYearJoined(static_cast<int16_t>(CurrentGameDate().Year() + 1));
    p.SetContractEnd(1990);
    p.PostLoadCheck();
    EXPECT_EQ(p.RelatedPlayer(), 12u);
    EXPECT_EQ(p.YearJoined(), 1980);
    EXPECT_EQ(p.ContractEnd(), CurrentGameDate().Year());
    p.SetRelatedPlayer(13);
    p.PostLoadCheck();
    EXPECT_EQ(p.RelatedPlayer(), 0u);
}

// The current year that new players and the range limits use follows every change of the game
// date, on the thread that made the change and on any other.
TEST_F(PlayerTest, NewPlayersAndRangeLimitsFollowAChangeOfTheGameDate) {
    const GameDate before = CurrentGameDate();
    struct Restore {
        GameDate date;
        ~Restore() { SetCurrentGameDate(date); }
    } restore{before};
    auto check = [this](int year) {
        CPlayer made(&world, 0, 1);
        EXPECT_EQ(made.ContractEnd(), year);
        EXPECT_EQ(made.YearJoined(), year - 1);
        made.SetContractEnd(1990);
        made.SetYearJoined(static_cast<int16_t>(year));
        made.ClampRanges();
        EXPECT_EQ(made.ContractEnd(), year);
        EXPECT_EQ(made.YearJoined(), year);
        made.SetYearJoined(static_cast<int16_t>(year + 1));
        made.ClampRanges();
        EXPECT_EQ(made.YearJoined(), 1980);
    };
    // Dates whose years differ, also two days of one year and the last day of a year.
    for (const auto& [year, month, day] :
         {std::tuple{2005, 3, 1}, std::tuple{2005, 11, 30}, std::tuple{2008, 12, 31},
          std::tuple{2009, 1, 1}, std::tuple{2004, 6, 15}}) {
        SetCurrentGameDate(GameDate::FromDate(year, month, day));
        check(year);
        std::thread other([&check, year = year] { check(year); });
        other.join();
    }
}

// Derived values -------------------------------------------------------------------------------

TEST_F(PlayerTest, DetailValueCountsAbilitiesAndTraitsAwayFromTheirDefaults) {
    CPlayer p(&world, 0, 42);
    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        p.SetAbility(i, 1);
    }
    EXPECT_EQ(p.GetDetailValue(), 0);
    p.SetAbility(CPlayer::kPace, 9);
    p.SetTrait(CPlayer::kImage, 0);
    p.SetTrait(CPlayer::kClubAttitude, 3);
    EXPECT_EQ(p.GetDetailValue(), 3);
}

TEST_F(PlayerTest, LanguagesAreStoredOnceAndWithoutGaps) {
    CPlayer p(&world, 0, 42);
    p.SetLanguage(1, 5); // already in slot 0
    p.SetLanguage(2, -1);
    p.SetLanguage(3, 9); // only slots 0 to 2 are set this way
    EXPECT_EQ(p.Language(1), 0);
    EXPECT_EQ(p.Language(3), 0);
    p.SetLanguage(2, 9);
    p.SetLanguageByte(3, 9);
    p.TidyLanguages();
    EXPECT_EQ(p.Language(0), 5);
    EXPECT_EQ(p.Language(1), 9);
    EXPECT_EQ(p.Language(2), 0);
    EXPECT_EQ(p.Language(3), 0);
}

TEST_F(PlayerTest, HeightAndWeightAreReadWithinTheirLimits) {
    CPlayer p(&world, 0, 42);
    p.SetHeight(140);
    p.SetWeight(200);
    EXPECT_EQ(p.GetHeight(), 150);
    EXPECT_EQ(p.GetWeight(), 150);
    p.SetHeight(230);
    p.SetWeight(40);
    EXPECT_EQ(p.GetHeight(), 220);
    EXPECT_EQ(p.GetWeight(), 50);
    EXPECT_EQ(p.Height(), 230);
}

TEST_F(PlayerTest, PositionRatingsAddExperienceAbilitiesAndFoot) {
    CPlayer p(&world, 0, 42); // every ability 4: no ability term
    const uint8_t ratings[4] = {0, 3, 6, 2};
    for (int i = 0; i < 4; ++i) {
        p.SetPositionRating(i, ratings[i]);
    }
    p.SetMainPosition(CPlayer::kCM);
    p.SetLeagueExperience(2);        // 0.0
    p.SetInternationalExperience(1); // 0.0
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kCM), 6.0f);
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kGK), 0.0f);
    EXPECT_FLOAT_EQ(p.GetRating(), 6.0f);

    p.SetLeagueExperience(6);                                  // 2.0
    p.SetInternationalExperience(4);                           // 1.5
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kCM), 9.5f);  // 2*6/6 + 1.5*6/6 + 6
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kCD), 4.75f); // 2*3/6 + 1.5*3/6 + 3

    p.SetLeagueExperience(0);            // -1.0
    p.SetInternationalExperience(0);     // -0.5
    p.SetAbility(CPlayer::kPace, 10);    // factor 2, weight 4 at RW: +2
    p.SetAbility(CPlayer::kCrossing, 1); // factor -1, weight 4 at RW: -1
    p.SetPreferredFoot(1);
    // 2 * (-1.0 - 0.5) / 6 + 2 + 2 - 1
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kRW), 2.5f);
    p.SetPreferredFoot(2); // wrong foot on the right: gains halved, losses doubled
    EXPECT_FLOAT_EQ(p.GetPositionRating(CPlayer::kRW), 0.5f);

    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        p.SetAbility(i, 1);
    }
    for (int i = 0; i < 4; ++i) {
        p.SetPositionRating(i, 0);
    }
    EXPECT_LT(p.GetPositionRating(CPlayer::kCM), 0.0f);
    EXPECT_FLOAT_EQ(p.GetRating(), 0.0f);
    EXPECT_FLOAT_EQ(p.GetMainPositionRating(), 0.0f);
}

TEST_F(PlayerTest, SpecialAbilityRulesAndTheirBonus) {
    CPlayer keeper(&world, 0, 42);
    keeper.SetPositionRating(CPlayer::kGoalkeeperGroup, 5);
    keeper.SetMainPosition(CPlayer::kGK);
    keeper.SetAbility(CPlayer::kReflexes, 8);
    keeper.SetAbility(CPlayer::kJumping, 7);
    EXPECT_EQ(keeper.GetSpecialAbility().code, 1);
    const float withBonus = keeper.GetMainPositionRating();
    keeper.SetMainPosition(CPlayer::kCD);
    EXPECT_FLOAT_EQ(withBonus - keeper.GetPositionRating(CPlayer::kGK), 0.5f);
    keeper.SetAbility(CPlayer::kReflexes, 2);
    keeper.SetAbility(CPlayer::kJumping, 2);
    EXPECT_EQ(keeper.GetSpecialAbility().code, 2);
    EXPECT_FLOAT_EQ(keeper.GetSpecialAbility().bonus, -0.5f);

    CPlayer striker(&world, 0, 42);
    striker.SetPositionRating(CPlayer::kAttackGroup, 5);
    striker.SetMainPosition(CPlayer::kST);
    striker.SetAbility(CPlayer::kHeading, 8);
    striker.SetAbility(CPlayer::kShotPower, 8);
    CPlayer::SpecialAbility ability = striker.GetSpecialAbility();
    EXPECT_EQ(ability.code, 8);
    EXPECT_FALSE(ability.strong);
    striker.SetAbility(CPlayer::kPace, 8);
    striker.SetAbility(CPlayer::kDribbling, 8);
    ability = striker.GetSpecialAbility();
    EXPECT_EQ(ability.code, 21);
    EXPECT_FLOAT_EQ(ability.bonus, 2.5f);
    EXPECT_TRUE(ability.strong);

    CPlayer playmaker(&world, 0, 42);
    playmaker.SetPositionRating(CPlayer::kMidfieldGroup, 5);
    playmaker.SetAbility(CPlayer::kPassing, 10);
    playmaker.SetAbility(CPlayer::kTechnique, 7);
    EXPECT_EQ(playmaker.GetSpecialAbility().code, 19);
    EXPECT_EQ(CPlayer::SpecialAbilityNameId(19), 406);
    EXPECT_EQ(CPlayer::SpecialAbilityNameId(3), 390);
    EXPECT_EQ(CPlayer::SpecialAbilityNameId(24), 0);
}

} // namespace
} // namespace tallo
