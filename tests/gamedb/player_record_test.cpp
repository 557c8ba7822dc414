#include "gamedb/player_record.h"

#include <string>

#include <gtest/gtest.h>

#include "gamedb/record_test_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

namespace tallo::test {
namespace {

constexpr int32_t kFirstJanuary2000 = 2451545; // day number 0x00256859

// Country 3 with the clubs numbered 1, 2 and 5 (export indices 1, 2, 3) and first language 7;
// country 4 with club 1.
void MakeClubs(CWorld& world) {
    CCountry& three = *world.GetCountry(3);
    three.languages[0] = 7;
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(three.CreateClub("Club"), nullptr);
    }
    three.RemoveClub(ClubId::Make(3, 3));
    three.RemoveClub(ClubId::Make(3, 4));
    ASSERT_NE(world.GetCountry(4)->CreateClub("Gamma"), nullptr);
}

// A player with every value set to something distinct.
CPlayer& MakePlayer(CWorld& world) {
    CPlayer& p = *world.CreatePlayer(500, false);
    p.SetLanguageByte(0, 5);
    p.SetLanguageByte(1, 9);
    p.SetLanguageByte(2, 0);
    p.SetLanguageByte(3, 11); // the fourth slot is not written
    p.SetFirstName("Jan");
    p.SetSurname("Novak");
    p.SetNickname("");
    p.SetPseudonym("Jano");
    p.SetRole(CPlayer::kRolePlayer);
    p.SetReserve(1);
    p.SetMappedId(123456);
    p.SetNationality(3);
    p.SetBirthDate(GameDate(kFirstJanuary2000));
    p.SetSecondNationality(4);
    p.SetForeignExemption(1);
    p.SetTalent(3);
    p.SetMainPosition(CPlayer::kCF);
    p.SetOtherPosition(0, CPlayer::kST);
    p.SetOtherPosition(1, 0);
    const uint8_t ratings[] = {0, 1, 3, 6};
    for (int i = 0; i < 4; ++i) {
        p.SetPositionRating(i, ratings[i]);
    }
    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        p.SetAbility(i, static_cast<uint8_t>(i % 10 + 1)); // 1..10, 1..6
    }
    const uint8_t traits[] = {0, 1, 2, 3, 0, 1, 2, 3, 1};
    for (int i = 0; i < CPlayer::kTraitCount; ++i) {
        p.SetTrait(i, traits[i]);
    }
    p.SetHairColour(3);
    p.SetLookValueD(0);
    p.SetFaceType(8);
    p.SetHairStyle(6);
    p.SetBeard(5);
    p.SetHeight(182);
    p.SetWeight(77);
    p.SetSpecialFace(300);
    p.SetShoeType(4);
    p.SetKitFlags(CPlayer::kLongSleeves);
    p.SetStaffLevel(2);
    p.SetPreferredFoot(2);
    p.SetLeagueExperience(5);
    p.SetInternationalExperience(3);
    p.SetShirtNumber(9);
    p.SetFirstClub(ClubId::Make(3, 2) | ClubId::kSecondTeamBit);
    p.SetPreviousClub(ClubId::Make(3, 5));
    p.SetYearJoined(2001);
    p.SetContractEnd(2006);
    p.SetInternationalCaps(12);
    p.SetInternationalGoals(4);
    p.SetTacticalEducation(6);
    p.SetNationalTeamFlags((1 << CPlayer::kNationalStartShift) | CPlayer::kInNationalTeam);
    p.SetContractStartDate(GameDate(kFirstJanuary2000 + 10));
    p.SetContractEndDate(GameDate(kFirstJanuary2000 + 400));
    p.SetLoanClub(ClubId::Make(4, 1));
    p.SetFavouriteClub(ClubId::Make(3, 4)); // removed: written as 0
    p.SetNeverJoinClub(ClubId::Make(3, 0xFFFF));
    p.SetFavouriteCountry(4);
    p.SetPhoto("p/jan.tga");
    p.SetValueA(7);
    p.SetValueB(8);
    for (int i = 0; i < 4; ++i) {
        p.SetBonus(i, static_cast<uint8_t>(12 + i));
    }
    p.SetClubReferenceE(ClubId::Make(4, 1));
    p.SetRelatedPlayer(4242);
    return p;
}

std::string Write(RecordBuild& build, const CPlayer& player) {
    return build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WritePlayerRecord(buffer, context, player);
    });
}

// The start every record shares: pool, names, role.
ExpectedBytes Head(uint8_t pool, uint16_t first, uint16_t surname, uint16_t nickname,
                   uint16_t pseudonym, uint8_t role) {
    ExpectedBytes e;
    e.U8(pool).U16(first).U16(surname).U16(nickname).U16(pseudonym).U8(role);
    return e;
}

TEST(PlayerRecord, PlayerOfTheNormalDatabaseByteForByte) {
    RecordBuild build;
    MakeClubs(build.world);
    CPlayer& player = MakePlayer(build.world);

    ExpectedBytes e;
    // clang-format off
    e.U8(5)                                   // name pool: the first language
        .U16(1)                               // "Jan": first new name of pool 5, kind 1
        .U16(1)                               // "Novak": kind 4
        .U16(0)                               // empty nickname
        .U16(1)                               // "Jano": kind 2
        .U8(0)                                // role: player
        .U8(1)                                // reserve
        .U32(123456)                          // mapped ID
        .U8(3)                                // nationality
        .U32(0x00256859)                      // birth date: day number of 1.1.2000
        .U8(4)                                // second nationality
        .U8(1)                                // foreign-player exemption
        .U8(3)                                // talent
        .U8(16)                               // main position CF
        .U8(17).U8(0)                         // second, third position
        .U8(0).U8(1).U8(3).U8(6)              // position ratings
        .Raw("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x01\x02\x03\x04\x05\x06") // abilities
        .Raw(std::string("\x00\x01\x02\x03\x00\x01\x02\x03\x01", 9))             // character
        .U8(3).U8(0).U8(8).U8(6).U8(5)        // hair colour, D, face type, style, beard
        .U8(182).U8(77)                       // height, weight
        .U16(300)                             // special face
        .U8(0x84)                             // shoe 4 with the kit-flags bit
        .U8(2)                                // staff level
        .U8(2).U8(5).U8(3).U8(9)              // foot, league exp., int. exp., shirt
        .U32(0x01030002)                      // first club: club 2 of country 3, reserves
        .U32(0x00030003)                      // previous club: club 5 has export index 3
        .U16(2001).U16(2006)                  // year joined, contract end
        .U8(12).U8(4)                         // caps, goals
        .U8(6)                                // tactical education
        .U8(0x05)                             // national team flags: state 1, in team
        .U32(0x00256863)                      // state 1: contract start (1.1.2000 + 10)
        .U32(0x002569E9)                      //          contract end date (+ 400)
        .U32(0)                               // favourite club: removed club
        .U32(0x0003FFFF)                      // never-join club: national team unchanged
        .U8(4)                                // favourite country
        .U8(5).U8(9).U8(0)                    // first three languages
        .U32(10).Str("p/jan.tga");            // photo as a block with its zero byte
    // clang-format on

    EXPECT_EQ(Write(build, player), e.Bytes());
}

TEST(PlayerRecord, ConsoleDatabaseConvertsLooksAndLeavesOutLanguages) {
    RecordBuild build(MasterOption::kConsole | MasterOption::kConsoleLog);
    build.services.consoleFace = [](const CPlayer& p) -> uint16_t {
        return p.Surname() == "Novak" ? 77 : 0;
    };
    MakeClubs(build.world);
    CPlayer& player = MakePlayer(build.world);

    std::string bytes = Write(build, player);

    ExpectedBytes e;
    // clang-format off
    e.Raw(Head(5, 1, 1, 0, 1, 0).Bytes())
        .U8(1).U32(123456).U8(3).U32(0x00256859).U8(4).U8(1).U8(3).U8(16).U8(17).U8(0)
        .U8(0).U8(1).U8(3).U8(6)
        .Raw("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x01\x02\x03\x04\x05\x06")
        .Raw(std::string("\x00\x01\x02\x03\x00\x01\x02\x03\x01", 9))
        .U8(2)           // hair colour 3 -> 2
        .U8(5)           // skin of face type 8 -> 5
        .U8(49)          // face of face type 8: one of 49, 50, 51 (checked below)
        .U8(13)          // hair style 6 -> 13
        .U8(4)           // beard 5 -> 4
        .U8(182).U8(77)  // height, weight unchanged
        .U16(77)         // console face
        .U8(0x84).U8(2).U8(2).U8(5).U8(3).U8(9)
        .U32(0x01030002).U32(0x00030003).U16(2001).U16(2006).U8(12).U8(4).U8(6).U8(0x05)
        .U32(0x00256863) // state 1: only the contract start in the console database
        .U32(0).U32(0x0003FFFF).U8(4)
        .U32(10).Str("p/jan.tga"); // no languages
    // clang-format on
    ASSERT_EQ(bytes.size(), e.Size());
    const size_t face = 10 + 1 + 4 + 1 + 4 + 2 + 1 + 1 + 2 + 4 + 16 + 9 + 2;
    uint8_t drawnFace = static_cast<uint8_t>(bytes[face]);
    EXPECT_TRUE(drawnFace == 49 || drawnFace == 50 || drawnFace == 51);
    std::string expected = e.Bytes();
    expected[face] = static_cast<char>(drawnFace);
    EXPECT_EQ(bytes, expected);

    // The log line carries the values the file holds, once.
    std::string line = "    Jan" + std::string(13, ' ') + " Novak" + std::string(15, ' ') +
                       " ZELOID 123456 HairC 02 SkinCol 05 FaceStyle " + std::to_string(drawnFace) +
                       " HairStyle 13 Facial 04 Star 0077\n";
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Log), line);
}

TEST(PlayerRecord, RowOfSeveralConsoleValuesDrawsTheSameInBothPassesAndInTheLog) {
    RecordBuild build(MasterOption::kConsole | MasterOption::kConsoleLog);
    CPlayer& player = *build.world.CreatePlayer(1, false);
    player.SetFirstName("A");
    player.SetSurname("B");
    player.SetNationality(1);
    player.SetFaceType(19);  // face row 19 lists 38 twice
    player.SetHairStyle(3);  // one of eight
    player.SetBeard(255);    // a row without console values: the default, no division by zero
    player.SetHairColour(9); // no row: the default 0

    std::string bytes = Write(build, player); // Run checks that both passes agree
    const size_t looks = 10 + 1 + 4 + 1 + 4 + 2 + 1 + 1 + 2 + 4 + 16 + 9;
    EXPECT_EQ(static_cast<uint8_t>(bytes[looks]), 0);      // hair colour without a row
    EXPECT_EQ(static_cast<uint8_t>(bytes[looks + 1]), 6);  // skin of face type 19
    EXPECT_EQ(static_cast<uint8_t>(bytes[looks + 2]), 38); // face of face type 19
    uint8_t style = static_cast<uint8_t>(bytes[looks + 3]);
    EXPECT_NE(std::string("\x0F\x12\x13\x15\x17\x18\x1F\x22").find(static_cast<char>(style)),
              std::string::npos);
    EXPECT_EQ(static_cast<uint8_t>(bytes[looks + 4]), 0); // beard 255

    char expected[16];
    std::snprintf(expected, sizeof(expected), "HairStyle %02d ", style);
    EXPECT_NE(build.text.Text(ConsoleTextFile::Log).find(expected), std::string::npos);
}

TEST(PlayerRecord, NamePoolFallsBackToTheNationalityAndIsClamped) {
    RecordBuild build;
    MakeClubs(build.world);
    CPlayer& player = *build.world.CreatePlayer(1, false);
    player.SetRole(5);
    player.SetFirstName("Ola");
    player.SetSurname("Berg");

    // No first language: the nationality country's (country 3: 7).
    player.SetLanguageByte(0, 0);
    player.SetNationality(3);
    EXPECT_EQ(Write(build, player), Head(7, 1, 1, 0, 0, 5).Bytes());
    EXPECT_EQ(build.names.List(7, kSurname).Find("Berg"), 1);

    // A language without a pool (64 or more) takes pool 0, byte and indices alike.
    player.SetLanguageByte(0, 200);
    EXPECT_EQ(Write(build, player), Head(0, 1, 1, 0, 0, 5).Bytes());
    EXPECT_EQ(build.names.List(0, kMaleFirstName).Find("Ola"), 1);

    // A nationality outside 1-206 has no country to ask: pool 0.
    player.SetLanguageByte(0, 0);
    player.SetNationality(250);
    EXPECT_EQ(Write(build, player), Head(0, 1, 1, 0, 0, 5).Bytes());
    EXPECT_EQ(PlayerNamePool(build.context, player), 0);
}

TEST(PlayerRecord, NationalityOutsideTheCountriesIsWrittenAsZero) {
    RecordBuild build;
    CPlayer& player = *build.world.CreatePlayer(1, false);
    player.SetNationality(207);
    std::string bytes = Write(build, player);
    EXPECT_EQ(static_cast<uint8_t>(bytes[15]), 0); // after head (10), reserve, mapped ID
    EXPECT_EQ(RecordCountryByte(206), 206);
    EXPECT_EQ(RecordCountryByte(0x103), 0);
}

TEST(PlayerRecord, ClubReferencesWithoutACountryAreWrittenAsZero) {
    RecordBuild build;
    MakeClubs(build.world);
    CPlayer& player = MakePlayer(build.world);
    player.SetFirstClub((250u << 16) | 1);  // country byte above 206
    player.SetPreviousClub((0u << 16) | 1); // country byte 0
    std::string bytes = Write(build, player);
    EXPECT_EQ(ReadU32(bytes, 70), 0u); // first club
    EXPECT_EQ(ReadU32(bytes, 74), 0u); // previous club
}

TEST(PlayerRecord, OfficialsWriteTheirOwnValuesAndStaffOnlyTheHead) {
    RecordBuild build;
    MakeClubs(build.world);
    CPlayer& player = MakePlayer(build.world);

    player.SetRole(CPlayer::kRoleManager);
    // clang-format off
    ExpectedBytes manager = Head(5, 1, 1, 0, 1, 1);
    manager.U8(12).U8(13).U8(14).U8(15)  // bonus values
        .U8(5).U8(9).U8(0).U8(11)        // all four languages
        .U32(0)                          // favourite club (removed)
        .U32(0x00040001)                 // club reference E: club 1 of country 4
        .U32(4242)                       // related player
        .U8(7).U8(8);                    // values A and B
    // clang-format on
    EXPECT_EQ(Write(build, player), manager.Bytes());

    player.SetRole(CPlayer::kRolePresident);
    EXPECT_EQ(Write(build, player), Head(5, 1, 1, 0, 1, 3).U8(8).Bytes());

    player.SetRole(5);
    EXPECT_EQ(Write(build, player), Head(5, 1, 1, 0, 1, 5).Bytes());
}

TEST(PlayerRecord, ContractBlockFollowsTheStartingState) {
    for (uint32_t options : {0u, MasterOption::kConsole}) {
        RecordBuild build(options);
        MakeClubs(build.world);
        CPlayer& player = MakePlayer(build.world);
        auto contractBytes = [&](int state) {
            player.SetNationalTeamFlags(static_cast<uint8_t>(state << 2));
            std::string bytes = Write(build, player);
            // Everything after the flags up to the favourite club (3 * 4 + 1 + 3 + block).
            size_t tail = 4 + 4 + 1 + (options == 0 ? 3 : 0) + 4 + 10;
            const size_t flags = 85; // the national team flags, at the same place in both
            return bytes.substr(flags + 1, bytes.size() - tail - flags - 1);
        };
        // State 4: loan club, contract start and end date in both variants.
        EXPECT_EQ(contractBytes(4),
                  ExpectedBytes().U32(0x00040001).U32(0x00256863).U32(0x002569E9).Bytes());
        // State 2: the contract start; the normal database adds the contract byte.
        EXPECT_EQ(contractBytes(2), options == 0 ? ExpectedBytes().U32(0x00256863).U8(0).Bytes()
                                                 : ExpectedBytes().U32(0x00256863).Bytes());
        EXPECT_EQ(contractBytes(3), ExpectedBytes().U32(0x00256863).Bytes());
        EXPECT_EQ(contractBytes(0), "");
        EXPECT_EQ(contractBytes(7), "");
    }
}

} // namespace
} // namespace tallo::test
