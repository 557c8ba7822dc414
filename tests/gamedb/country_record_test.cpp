#include "gamedb/country_record.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gamedb/record_console_looks.h"
#include "gamedb/record_test_leagues.h"
#include "gamedb/record_test_support.h"
#include "platform/code_page.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player_pool_entry.h"
#include "world/referee.h"
#include "world/stadium.h"
#include "world/staff_member.h"

namespace tallo::test {
namespace {

constexpr int kLand = 21;

// Sets the code page of the record files for the life of the object.
class ScopedCodePage {
public:
    explicit ScopedCodePage(CodePage page) : previous_(ActiveCodePage()) {
        SetActiveCodePage(page);
    }
    ~ScopedCodePage() { SetActiveCodePage(previous_); }

private:
    CodePage previous_;
};

Stadium NationalArena() {
    Stadium s;
    s.SetName("National Arena");
    s.SetCity("Capital");
    s.model = 9;
    s.sizeClass = 3;
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        s.seats[stand] = stand + 1;
    }
    s.vip[Stadium::kSouthEastCorner] = 50;
    s.seasonTicketStands = 1u << Stadium::kSouthEastCorner; // editor bit 7
    s.awayStands = 1u << Stadium::kSouthStand;              // editor bit 3
    return s;
}

// The national arena in game stand order (editor stands 0, 4, 2, 6, 1, 7, 3, 5).
ExpectedBytes NationalArenaRecord(uint8_t model) {
    ExpectedBytes e;
    // clang-format off
    e.U8(3)                                                            // size class
        .Str("National Arena").Str("Capital")
        .U8(model)
        .U32(1).U32(5).U32(3).U32(7).U32(2).U32(8).U32(4).U32(6)       // seats
        .U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0)       // terraces
        .U32(0).U32(0).U32(0).U32(0).U32(0).U32(50).U32(0).U32(0)      // VIP: SE corner is game 5
        .U8(0x20)                                                      // season tickets: game 5
        .U8(0x40);                                                     // away: south stand is game 6
    // clang-format on
    return e;
}

// Country 21 "Testland": every setting set, two clubs and its national team, two referees, a
// staff member, three pool entries (one without surname), two stadiums, the second of which is
// its national stadium.
void MakeTestland(CWorld& world, int clubs = 2) {
    CCountry& c = *world.GetCountry(kLand);
    c.SetName(0, "Testland");
    c.SetName(1, "Testlandia");
    const char* abbreviations[] = {"TST", "TS1", "", "", "T4"};
    for (int slot = 0; slot < 5; ++slot) {
        c.SetAbbreviation(slot, abbreviations[slot]);
    }
    c.continent = 3;
    c.worldValueG = 7;
    c.SetAssociationName("TFA");
    const uint8_t languages[] = {12, 4, 0, 0};
    const uint8_t shares[] = {80, 20, 0, 0};
    for (int i = 0; i < 4; ++i) {
        c.languages[i] = languages[i];
        c.languageShares[i] = shares[i];
    }
    c.firstReserveLevel = 2;
    c.settingB = 1;
    c.teamMovement = 3;
    c.climate = 4;
    SetFixedText(c.presidentFirstName, "Ivan");
    SetFixedText(c.presidentSurname, "Petrov");
    c.presidentBirthDate = GameDate(2451545);
    c.leagueCardRule = 0x81;
    c.cupCardRule = 2;
    c.redCardBanRule = 0x10;
    c.banStart = 1;
    c.banScopeFlags = 5;
    c.cupEntryLevels = 0x1F;
    const uint8_t tie[] = {0, 1, 0, 1, 0};
    const uint8_t foreign[] = {1, 2, 3, 4, 0};
    const uint8_t relegation[] = {5, 6, 7, 8, 9};
    for (int k = 0; k < 5; ++k) {
        c.tieBreakRules[k] = tie[k];
        c.foreignPlayerRules[k] = foreign[k];
        c.relegationRules[k] = relegation[k];
    }
    c.nationalCupMode = 2;
    c.cupFlags = 3;
    c.superCupMode = 15;
    c.leagueCupMode = 0x10007;
    c.indoorTournaments = 1;
    c.winterBreak = 1;
    c.settingD = 9;
    c.generateNames = true;
    c.generatedPlayerRating = 20;
    c.allowedSkinColours = 0x101;
    c.allowedHairColours = 0x1F;
    c.allowedHairStyles = 0x3;
    c.allowedFacialHair = 0x7;
    c.allowedFaceTypes = 0x80001001;
    c.averageHeight = 181;
    c.averageWeight = 76;
    c.continentalTitles = 2;
    c.worldTitles = 1;
    c.continentalRunnerUps = 3;
    c.worldRunnerUps = 4;
    const uint16_t m[] = {1, 2, 3, 4, 5, 0xFFFF};
    for (int i = 0; i < 6; ++i) {
        c.valuesM[i] = m[i];
    }
    c.transferAbroadProbability = 40;
    c.transferPeriod1 = 1;
    c.transferPeriod2 = 2;

    for (int n = 1; n <= clubs; ++n) {
        c.CreateClub("Club " + std::to_string(n));
    }

    Referee one;
    one.name.SetFirstName("Ref");
    one.name.SetSurname("One");
    one.trait = 3;
    Referee two = one;
    two.name.SetSurname("Two");
    two.trait = 6;
    c.referees.Add(one);
    c.referees.Add(two);

    StaffMember staff;
    staff.name.SetFirstName("Sam");
    staff.name.SetSurname("One");
    staff.occupation = 0x10A; // only the low byte is written
    staff.level = 3;
    c.staff.Add(staff);

    c.PlayerPool().clear();
    c.ReservePlayerPool(3);
    PlayerPoolEntry& first = c.PlayerPool()[0];
    first.name.SetFirstName("Ana");
    first.name.SetSurname("Bel");
    first.SetFurtherName("Ab");
    first.nationality = kLand;
    first.specialSkill = 7;
    first.favouriteClub = 0x00150001;           // not written
    first.position = 3;                         // not written
    c.PlayerPool()[1].name.SetFirstName("Cid"); // no surname: not in use
    PlayerPoolEntry& third = c.PlayerPool()[2];
    third.name.SetSurname("Dov");
    third.nationality = 230; // no country: written as 0
    third.specialSkill = 15;

    Stadium ground;
    ground.SetName("Old Ground");
    ground.seats[0] = 500;
    c.stadiums.Add(ground);
    c.stadiums.Add(NationalArena());
    c.nationalStadium = 2;
}

std::string WriteCountry(RecordBuild& build, int number = kLand) {
    return build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WriteCountryRecord(buffer, context, *build.world.GetCountry(number));
    });
}

// Skips `count` length-prefixed club records from `at`, checking that each begins with the
// expected name; returns the position after them.
size_t SkipClubRecords(const std::string& bytes, size_t at, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        uint32_t length = ReadU32(bytes, at);
        EXPECT_EQ(bytes.compare(at + 4, name.size() + 1, name.c_str(), name.size() + 1), 0)
            << "club record " << name;
        at += 4 + length;
    }
    return at;
}

TEST(CountryRecord, RefereeStaffAndPoolEntryRecords) {
    RecordBuild build;
    Referee referee;
    referee.name.SetFirstName("Ref");
    referee.name.SetSurname("One");
    referee.trait = 4;
    StaffMember staff;
    staff.name.SetFirstName("Sam");
    staff.name.SetSurname("One");
    staff.occupation = 0x10A;
    staff.level = 2;
    PlayerPoolEntry entry;
    entry.name.SetFirstName("Ana");
    entry.name.SetSurname("Bel");
    entry.SetFurtherName("Ab");
    entry.nationality = 21;
    entry.specialSkill = 9;
    entry.favouriteClub = 0x00150003;

    std::string bytes = build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WriteRefereeRecord(buffer, context, referee);
        WriteStaffRecord(buffer, context, staff);
        WritePoolEntryRecord(buffer, context, entry, 12);
        WritePoolEntryRecord(buffer, context, entry, 99); // a language without a pool
    });
    // clang-format off
    EXPECT_EQ(bytes, ExpectedBytes()
        .U8(0).U16(1).U16(1).U8(4)       // referee: pool 0, "Ref", "One", trait
        .U8(0).U16(2).U16(1).U8(0x0A).U8(2) // staff: pool 0, "Sam", "One" again, occupation, level
        .U8(12).U16(1).U16(1).U16(1)     // pool entry: pool 12, "Ana", "Bel", "Ab"
        .U8(21).U8(9).U32(0)             //   nationality, special skill, reserved
        .U8(0).U16(3).U16(2).U16(1)      // pool 99 becomes pool 0: "Ana" 3rd, "Bel" 2nd, "Ab" 1st
        .U8(21).U8(9).U32(0)
        .Bytes());
    // clang-format on
}

TEST(CountryRecord, StadiumRecordPutsTheStandsInGameOrder) {
    RecordBuild build;
    std::string bytes = build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
        WriteStadiumRecord(buffer, context, NationalArena());
    });
    EXPECT_EQ(bytes, NationalArenaRecord(9).Bytes());

    // A main stand of season tickets and a north-west away block give masks 0x01 and 0x02.
    EXPECT_EQ(GameStandMask(1u << Stadium::kMainStand), 0x01);
    EXPECT_EQ(GameStandMask(1u << Stadium::kNorthWestCorner), 0x02);
    EXPECT_EQ(GameStandMask(0xFF), 0xFF);
}

TEST(CountryRecord, ConsoleStadiumModels) {
    RecordBuild build(MasterOption::kConsole);
    Stadium stadium;
    const uint8_t editor[] = {0, 1, 5, 7, 9, 20, 21, 28, 29, 255};
    const uint8_t game[] = {0, 0, 17, 28, 1, 8, 0, 0, 0, 0};
    for (size_t i = 0; i < std::size(editor); ++i) {
        stadium.model = editor[i];
        EXPECT_EQ(GameStadiumModel(build.context, stadium), game[i]) << int(editor[i]);
    }
    RecordBuild normal;
    stadium.model = 29;
    EXPECT_EQ(GameStadiumModel(normal.context, stadium), 29);
}

TEST(CountryRecord, CountryOfTheNormalDatabaseByteForByte) {
    RecordBuild build;
    MakeTestland(build.world);
    std::string bytes = WriteCountry(build);

    ExpectedBytes head;
    // clang-format off
    head.U32(static_cast<uint32_t>(bytes.size() - 4))         // body length
        .Str("TST").Str("TS1").Str("").Str("").Str("T4")    // abbreviations
        .U8(3)                                              // continent
        .U8(7)                                              // world value G
        .Str("TFA")                                         // association name
        .U8(12).U8(4).U8(0).U8(0)                           // languages
        .U8(80).U8(20).U8(0).U8(0)                          // language shares
        .U8(2).U8(1).U8(3).U8(4)                            // reserve level, B, movement, climate
        .U8(12)                                             // first language: president's pool
        .U16(1).U16(1)                                      // "Ivan", "Petrov" in pool 12
        .U32(2451545)                                       // president birth date
        .U8(0x81).U8(2).U8(0x10).U8(1).U8(5).U8(0x1F)       // card and ban rules, cup levels
        .U8(0).U8(1).U8(0).U8(1).U8(0)                      // tie-break rules
        .U8(1).U8(2).U8(3).U8(4).U8(0)                      // foreign-player rules
        .U8(5).U8(6).U8(7).U8(8).U8(9)                      // relegation rules
        .U32(2)                                             // national cup mode
        .U8(3)                                              // cup flags
        .U32(15).U32(0x10007)                               // super cup, league cup mode
        .U8(1).U8(1).U8(9)                                  // indoor, winter break, D
        .U8(1)                                              // generate names
        .U8(20)                                             // generated player rating
        .U32(0x101).U32(0x1F).U32(0x3).U32(0x7).U32(0x80001001) // allowed looks as stored
        .U8(181).U8(76)                                     // average height, weight
        .U16(2).U16(1).U16(3).U16(4)                        // continental/world titles, runner-ups
        .U16(1).U16(2).U16(3).U16(4).U16(5).U16(0xFFFF)     // values M1 to M6
        .U8(40)                                             // transfer-abroad probability
        .U32(1).U32(2)                                      // transfer periods
        .U32(2)                                             // club count without national team
        .U32(0x3F800000).U32(0x3F000000);                   // no league part: factors 1.0, 0.5
    // clang-format on
    ASSERT_GT(bytes.size(), head.Size());
    EXPECT_EQ(bytes.substr(0, head.Size()), head.Bytes());

    // The two clubs, then the national team (its names are the country's: none in slot 0).
    size_t at = SkipClubRecords(bytes, head.Size(), {"Club 1", "Club 2", ""});

    ExpectedBytes tail;
    // clang-format off
    tail.U32(6).U32(0).U16(0)                               // competition part: terminator only
        .U32(2)                                             // referees
        .U8(0).U16(1).U16(1).U8(3)                          //   "Ref" "One", trait 3
        .U8(0).U16(1).U16(2).U8(6)                          //   "Ref" "Two", trait 6
        .U32(1)                                             // staff
        .U8(0).U16(2).U16(1).U8(0x0A).U8(3)                 //   "Sam" "One", occupation, level
        .U32(0)                                             // reserved
        .U32(2)                                             // pool entries in use
        .U8(12).U16(2).U16(2).U16(1).U8(21).U8(7).U32(0)    //   "Ana" "Bel" "Ab"
        .U8(12).U16(0).U16(3).U16(0).U8(0).U8(15).U32(0)    //   "Dov", nationality 230 -> 0
        .Raw(NationalArenaRecord(9).Bytes());               // national stadium
    // clang-format on
    EXPECT_EQ(bytes.substr(at), tail.Bytes());
}

TEST(CountryRecord, ConsoleDatabaseLeavesOutAndConvertsItsFields) {
    RecordBuild build(MasterOption::kConsole, 1);
    MakeTestland(build.world, 2);
    std::string bytes = WriteCountry(build);

    ExpectedBytes head;
    // clang-format off
    head.Str("TS1")                                         // no body length; slot 1 only
        .U8(3).U8(7).Str("TFA")
        .U8(12).U8(4).U8(0).U8(0)                           // languages, no shares
        .U8(2).U8(1).U8(3).U8(4)
        .U8(12).U16(1).U16(1).U32(2451545)
        .U8(0x81).U8(2).U8(0x10).U8(1).U8(5).U8(0x1F)
        .U8(0).U8(1).U8(0).U8(1).U8(0).U8(1).U8(2).U8(3).U8(4).U8(0).U8(5).U8(6).U8(7).U8(8).U8(9)
        .U32(2).U8(3).U32(15).U32(0x10007).U8(1).U8(1).U8(9).U8(1).U8(20)
        .U32(0x5)        // skin rows 0 (face 1: 0) and 8 (face 9: 2)
        .U32(0x1F)       // hair colour rows 0-4: 2, 3, 1, 4, 0
        .U32(0x43)       // hair style rows 0 (0, 6) and 1 (1)
        .U32(0x13)       // beard rows 0-2: 0, 1, 4
        .U32(0x100034C0) // face rows 0 (7, 10, 12, 13, 28) and 12 (38 -> bit 6); bit 31 no row
        .U8(181).U8(76)
        .U8(2).U8(1)                                        // titles as bytes, no runner-ups
        .U16(1).U16(2).U16(3).U16(4).U16(5).U16(0xFFFF)
        .U8(40).U32(1).U32(2)
        .U32(2);                                            // club count; no factors
    // clang-format on
    ASSERT_GT(bytes.size(), head.Size());
    EXPECT_EQ(bytes.substr(0, head.Size()), head.Bytes());

    // The national team is not written in the console database.
    size_t at = SkipClubRecords(bytes, head.Size(), {"Club 1", "Club 2"});
    ExpectedBytes tail;
    // clang-format off
    tail.U32(6).U32(0).U16(0)                               // competition part
        .U32(2).U8(0).U16(1).U16(1).U8(3).U8(0).U16(1).U16(2).U8(6) // referees
        .U32(1).U8(0).U16(2).U16(1).U8(0x0A).U8(3)          // staff
        .U32(0)                                             // reserved
        .U32(2)                                             // pool entries in use
        .U8(12).U16(2).U16(2).U16(1).U8(21).U8(7).U32(0)
        .U8(12).U16(0).U16(3).U16(0).U8(0).U8(15).U32(0)
        .Raw(NationalArenaRecord(1).Bytes());               // console model of model 9
    // clang-format on
    EXPECT_EQ(bytes.substr(at), tail.Bytes());
}

// The league and cup part that follows the club count (item 27), or the factors directly.
std::string AfterClubCount(const std::string& bytes, const std::string& clubCount, size_t from) {
    size_t at = bytes.find(clubCount, from);
    return at == std::string::npos ? std::string() : bytes.substr(at + clubCount.size());
}

TEST(CountryRecord, SevenClubsAreBelowTheLeaguePartOfTheNormalDatabase) {
    RecordBuild build;
    MakeTestland(build.world, 7);
    std::string bytes = WriteCountry(build);
    // Item 27 stands 50 bytes after the settings' start; look it up by the M values before it.
    std::string marker = ExpectedBytes().U16(0xFFFF).U8(40).U32(1).U32(2).Bytes();
    std::string rest = AfterClubCount(bytes, marker + ExpectedBytes().U32(7).Bytes(), 0);
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.substr(0, 8), ExpectedBytes().U32(0x3F800000).U32(0x3F000000).Bytes());
    size_t clubs = 8;
    for (int n = 0; n < 8; ++n) { // seven clubs and the national team
        clubs += 4 + ReadU32(rest, clubs);
    }
    EXPECT_EQ(rest.substr(clubs, 10), ExpectedBytes().U32(6).U32(0).U16(0).Bytes());
}

TEST(CountryRecord, SixClubsReachTheLeaguePartOnlyInTheConsoleDatabase) {
    ScopedCodePage scoped(CodePage::Windows1251);
    std::string marker = ExpectedBytes().U16(0xFFFF).U8(40).U32(1).U32(2).U32(6).Bytes();
    {
        RecordBuild build;
        MakeTestland(build.world, 6);
        std::string rest = AfterClubCount(WriteCountry(build), marker, 0);
        // Straight to the factors.
        EXPECT_EQ(rest.substr(0, 8), ExpectedBytes().U32(0x3F800000).U32(0x3F000000).Bytes());
    }
    RecordBuild build(MasterOption::kConsole);
    MakeTestland(build.world, 6);
    std::string rest = AfterClubCount(WriteCountry(build), marker, 0);
    // No first league: texts 517 and 518 in the code page of the records, then clubs 1 to 6.
    ExpectedBytes part;
    // clang-format off
    part.Raw("1. \xC4\xE8\xE2\xE8\xE7\xE8\xEE\xED")
        .U8(0)
        .Raw("\xCD\xE0\xF6\xE8\xEE\xED\xE0\xEB\xFC\xED\xFB\xE9 \xCA\xF3\xE1\xEE\xEA")
        .U8(0);
    for (uint32_t n = 1; n <= 6; ++n) {
        part.U32((kLand << 16) | n);
    }
    EXPECT_EQ(rest.substr(0, part.Size()), part.Bytes());
    // The console database has no factors: the first club record follows.
    EXPECT_EQ(rest.compare(part.Size() + 4, 7, "Club 1", 7), 0);
}

TEST(CountryRecord, FirstLeagueGivesNamesTeamsAndFactors) {
    RecordBuild build;
    MakeTestland(build.world, 9);
    RecordLeagues leagues(build.world);
    CDBLeague& top = leagues.Add(kLand, 0, 0);
    top.SetName("Premier");
    top.SetAttendanceMultiplier(10);
    top.SetTransferMultiplier(100);
    top.SetSize(10);
    leagues.AddCup(kLand, 3, 0, "Land Cup");
    // Only 5 of the first 8 team slots filled: the clubs numbered 1 to 8 stand in.
    for (uint32_t n : {9u, 8u, 7u, 6u, 5u}) {
        top.AddTeam(ClubId::Make(kLand, n));
    }
    std::string marker = ExpectedBytes().U16(0xFFFF).U8(40).U32(1).U32(2).U32(9).Bytes();

    ExpectedBytes part;
    part.Str("Premier").Str("Land Cup");
    for (uint32_t n = 1; n <= 8; ++n) {
        part.U32((kLand << 16) | n);
    }
    part.U32(0x3DCCCCCC).U32(0x3F800000); // 10 and 100 hundredths times 0.01
    std::string rest = AfterClubCount(WriteCountry(build), marker, 0);
    EXPECT_EQ(rest.substr(0, part.Size()), part.Bytes());

    // With 8 teams the league's own first 8 teams are written, in its order; club 3 has left
    // the country and is written as 0.
    for (uint32_t n : {4u, 3u, 2u}) {
        top.AddTeam(ClubId::Make(kLand, n));
    }
    build.world.GetCountry(kLand)->RemoveClub(ClubId::Make(kLand, 3));
    marker = ExpectedBytes().U16(0xFFFF).U8(40).U32(1).U32(2).U32(8).Bytes();
    ExpectedBytes teams;
    teams.Str("Premier").Str("Land Cup");
    // Export indices after the removal: clubs 1, 2, 4, ... 9 become 1, 2, 3, ... 8.
    for (uint32_t index : {8u, 7u, 6u, 5u, 4u, 3u, 0u, 2u}) {
        teams.U32(index == 0 ? 0 : (kLand << 16) | index);
    }
    rest = AfterClubCount(WriteCountry(build), marker, 0);
    EXPECT_EQ(rest.substr(0, teams.Size()), teams.Bytes());
}

TEST(CountryRecord, MultipliersAreTimesTheSinglePrecisionHundredth) {
    EXPECT_EQ(GameMultiplierBits(100), 0x3F800000u);
    EXPECT_EQ(GameMultiplierBits(50), 0x3F000000u);
    // One unit below the float nearest 0.1 (0x3DCCCCCD, which a division by 100 would give).
    EXPECT_EQ(GameMultiplierBits(10), 0x3DCCCCCCu);
    EXPECT_EQ(GameMultiplierBits(0), 0u);
}

TEST(CountryRecord, NationalStadiumFallsBackToTheBuiltInStadiumNamedAfterTheCountry) {
    RecordBuild build(0, 1);
    MakeTestland(build.world);
    CCountry& country = *build.world.GetCountry(kLand);
    // The small fallback stadium with the country's name in the build language as its city.
    ExpectedBytes fallback;
    // clang-format off
    fallback.U8(1).Str("Stadion").Str("Testlandia").U8(1)              // class, name, city, model
        .U32(1000).U32(0).U32(1000).U32(0).U32(1000).U32(0).U32(1000).U32(0) // seats
        .U32(500).U32(500).U32(500).U32(500).U32(500).U32(500).U32(500).U32(500) // terraces
        .U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0)       // VIP
        .U8(0x15)  // season tickets in stands 0, 1, 2: game bits 0, 4, 2
        .U8(0x08); // away block in stand 6 (south-west corner): game bit 3
    // clang-format on
    auto endsWithFallback = [&] {
        std::string bytes = WriteCountry(build);
        return bytes.size() >= fallback.Size() &&
               bytes.substr(bytes.size() - fallback.Size()) == fallback.Bytes();
    };
    country.nationalStadium = 0;
    EXPECT_TRUE(endsWithFallback());
    country.nationalStadium = 5; // no such stadium
    EXPECT_TRUE(endsWithFallback());
    country.nationalStadium = (22u << 16) | 2; // another country's stadium
    EXPECT_TRUE(endsWithFallback());
    country.nationalStadium = (kLand << 16) | 2; // this country's, as a reference
    EXPECT_FALSE(endsWithFallback());
}

TEST(CountryRecord, CountryLineGoesToTheBadgeKitAndLogListsOnce) {
    RecordBuild build(MasterOption::kBadgeList | MasterOption::kKitList |
                      MasterOption::kStadiumList | MasterOption::kConsoleLog);
    MakeTestland(build.world, 1);
    WriteCountry(build);
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Badges).rfind("Testland\n", 0), 0u);
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Kits).rfind("Testland\n", 0), 0u);
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Log).rfind("Testland\n", 0), 0u);
    // Once: the lines of the count pass are not kept.
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Log).find("Testland\n", 1), std::string::npos);
    // The stadium list has club lines only.
    EXPECT_EQ(build.text.Text(ConsoleTextFile::Stadiums).find("Testland\n"), std::string::npos);
}

TEST(CountryRecord, CompetitionRecordsInTheirOrder) {
    RecordBuild build;
    MakeTestland(build.world, 8);
    build.world.GetCountry(kLand)->leagueCount = 2;
    RecordLeagues nodes(build.world);
    CDBLeague& top = nodes.Add(kLand, 0, 0);
    CDBLeague& second = nodes.Add(kLand, 1, 1);
    nodes.Add(kLand, 2, 2); // beyond the country's league levels
    CDBCup& playOff = nodes.AddCup(kLand, 11, 0, "Play-off");
    second.AddSuccessor(playOff.Id(), false);
    top.AddSuccessor(CompetitionId::Make(kLand, 12, 0), false); // not registered
    nodes.AddCup(kLand, 7, 0, "Super");
    nodes.AddCup(kLand, 4, 0, "League Cup");
    nodes.AddCup(kLand, 3, 0, "Cup");
    nodes.AddCup(kLand, 5, 0, "Shield");

    std::vector<uint32_t> expected = {
        CompetitionId::Make(kLand, 1, 0),  CompetitionId::Make(kLand, 1, 1),
        CompetitionId::Make(kLand, 11, 0), CompetitionId::Make(kLand, 3, 0),
        CompetitionId::Make(kLand, 4, 0),  CompetitionId::Make(kLand, 5, 0),
        CompetitionId::Make(kLand, 7, 0)};
    EXPECT_EQ(CountryCompetitionRecordIds(build.context, *build.world.GetCountry(kLand)), expected);

    // Below the minimum of clubs there are none.
    build.world.GetCountry(kLand)->RemoveClub(ClubId::Make(kLand, 8));
    EXPECT_TRUE(CountryCompetitionRecordIds(build.context, *build.world.GetCountry(kLand)).empty());
}

TEST(CountryRecord, LookBitSetsConvertRowByRow) {
    using namespace ConsoleLooks;
    EXPECT_EQ(ConvertBitSet(Skin(), 0x101), 0x5u); // rows 0 and 8
    // Row 2 of the hair styles lists 17, 32, 37, 39 and 41: values of 32 and above wrap.
    EXPECT_EQ(ConvertBitSet(HairStyle(), 0x4), (1u << 17) | 1u | (1u << 5) | (1u << 7) | (1u << 9));
    // Row 5 of the beards (editor 255) lists nothing; bits beyond the rows add nothing.
    EXPECT_EQ(ConvertBitSet(Beard(), 0x20 | 0x80000000u), 0u);
    EXPECT_EQ(ConvertBitSet(Face(), 0), 0u);
}

} // namespace
} // namespace tallo::test
