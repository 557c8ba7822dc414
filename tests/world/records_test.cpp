#include "world/national_coach.h"
#include "world/player_pool_entry.h"
#include "world/referee.h"
#include "world/result_record.h"
#include "world/sponsor.h"
#include "world/stadium.h"
#include "world/staff_member.h"

#include "formats/kl_file.h"
#include "support/temp_dir.h"
#include "world/record_test_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tallo {
namespace {

using test::KLLines;
using test::ReadFrom;
using test::RoundTrip;
using test::WrittenBy;

// Staff members ------------------------------------------------------------------------------

TEST(StaffMemberTest, WritesItsValuesInOrderAndReadsThemBack) {
    StaffMember staff;
    staff.name.SetFirstName("Anna");
    staff.name.SetSurname("Miller");
    staff.occupation = StaffMember::kFanRepresentative;
    staff.level = 4;
    EXPECT_EQ(WrittenBy(staff),
              KLLines({"%INDEX%STAFF", "Anna", "Miller", "15", "4", "%INDEXEND%STAFF"}));

    StaffMember back = RoundTrip(staff);
    EXPECT_EQ(back.name.FirstName(), "Anna");
    EXPECT_EQ(back.name.Surname(), "Miller");
    EXPECT_EQ(back.occupation, 15);
    EXPECT_EQ(back.level, 4);
}

TEST(StaffMemberTest, LongNamesAreCutToTheirFieldsAndLevelToAByte) {
    StaffMember staff;
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%STAFF", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "-7", "258", "%INDEXEND%STAFF"}),
                         staff));
    EXPECT_EQ(staff.name.FirstName(), "ABCDEFGHIJKLMNO");   // 15 characters
    EXPECT_EQ(staff.name.Surname(), "ABCDEFGHIJKLMNOPQRS"); // 19 characters
    EXPECT_EQ(staff.occupation, -7);
    EXPECT_EQ(staff.level, 2); // 258 cut to 8 bits
}

TEST(StaffMemberTest, MissingSectionKeepsTheDefaultsAndThePosition) {
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(KLLines({"%INDEX%REFEREE", "%INDEXEND%REFEREE"})));
    StaffMember staff;
    staff.occupation = 3;
    EXPECT_FALSE(staff.Read(file));
    EXPECT_EQ(staff.occupation, 3);
    EXPECT_TRUE(file.FindSection("REFEREE"));
}

// Referees -----------------------------------------------------------------------------------

TEST(RefereeTest, TraitIsWrittenSignedAndReadUnsigned) {
    Referee referee;
    referee.name.SetSurname("Collina");
    referee.trait = Referee::kNoTrait;
    referee.spare = 9; // not saved
    EXPECT_EQ(WrittenBy(referee),
              KLLines({"%INDEX%REFEREE", "", "Collina", "6", "%INDEXEND%REFEREE"}));
    Referee back = RoundTrip(referee);
    EXPECT_EQ(back.name.FirstName(), "");
    EXPECT_EQ(back.name.Surname(), "Collina");
    EXPECT_EQ(back.trait, 6);
    EXPECT_EQ(back.spare, 0);

    referee.trait = 200; // beyond the signed range: written as -56, read as 200
    EXPECT_NE(WrittenBy(referee).find("\r\n-56\r\n"), std::string::npos);
    EXPECT_EQ(RoundTrip(referee).trait, 200);
}

TEST(RefereeTest, TruncatedSectionReadsTheMissingValuesAsZero) {
    Referee referee;
    referee.trait = 5;
    ASSERT_TRUE(
        ReadFrom(KLLines({"%INDEX%REFEREE", "Pierluigi", "%INDEXEND%REFEREE", "77"}), referee));
    EXPECT_EQ(referee.name.FirstName(), "Pierluigi");
    EXPECT_EQ(referee.name.Surname(), ""); // untouched default
    EXPECT_EQ(referee.trait, 0);
}

// Sponsors -----------------------------------------------------------------------------------

TEST(SponsorTest, NewSponsorHasValueOneAndRoundTrips) {
    Sponsor sponsor;
    EXPECT_EQ(sponsor.value, 1);
    sponsor.SetName("Brewery");
    sponsor.value = -2147483647 - 1;
    sponsor.SetText2("second");
    sponsor.SetText3("third");
    EXPECT_EQ(WrittenBy(sponsor), KLLines({"%INDEX%SPONSOR", "Brewery", "-2147483648", "second",
                                           "third", "%INDEXEND%SPONSOR"}));
    Sponsor back = RoundTrip(sponsor);
    EXPECT_EQ(back.Name(), "Brewery");
    EXPECT_EQ(back.value, -2147483647 - 1);
    EXPECT_EQ(back.Text2(), "second");
    EXPECT_EQ(back.Text3(), "third");
}

TEST(SponsorTest, ReadingKeepsAtMost28And31Characters) {
    const std::string longText(40, 'x');
    Sponsor sponsor;
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%SPONSOR", longText.c_str(), "5", longText.c_str(),
                                  longText.c_str(), "%INDEXEND%SPONSOR"}),
                         sponsor));
    EXPECT_EQ(sponsor.Name(), std::string(28, 'x'));
    EXPECT_EQ(sponsor.Text2(), std::string(31, 'x'));
    EXPECT_EQ(sponsor.Text3(), std::string(31, 'x'));

    // The setters cut the same way, so what is edited is what comes back.
    Sponsor edited;
    edited.SetName(longText);
    edited.SetText2(longText);
    Sponsor back = RoundTrip(edited);
    EXPECT_EQ(back.Name(), edited.Name());
    EXPECT_EQ(back.Text2(), edited.Text2());
}

// Result records -----------------------------------------------------------------------------

TEST(ResultRecordTest, RoundTripKeepsNegativeGoalsAndLargeSeasons) {
    ResultRecord record;
    record.goalsA = -1;
    record.goalsB = 127;
    record.attendance = 81000;
    record.opponent = "FC Example";
    record.season = 65535;
    EXPECT_EQ(WrittenBy(record), KLLines({"%INDEX%RECORD", "-1", "127", "81000", "FC Example", "-1",
                                          "%INDEXEND%RECORD"}));
    ResultRecord back = RoundTrip(record);
    EXPECT_EQ(back.goalsA, -1);
    EXPECT_EQ(back.goalsB, 127);
    EXPECT_EQ(back.attendance, 81000);
    EXPECT_EQ(back.opponent, "FC Example");
    EXPECT_EQ(back.season, 65535);
}

TEST(ResultRecordTest, NonNumericLinesReadAsTheirLeadingNumberOrZero) {
    ResultRecord record;
    ASSERT_TRUE(ReadFrom(
        KLLines({"%INDEX%RECORD", "abc", "3 goals", "  +12x", "", "1998", "%INDEXEND%RECORD"}),
        record));
    EXPECT_EQ(record.goalsA, 0);
    EXPECT_EQ(record.goalsB, 3);
    EXPECT_EQ(record.attendance, 12);
    EXPECT_EQ(record.opponent, "");
    EXPECT_EQ(record.season, 1998);
}

TEST(ResultRecordTest, DisplayCells) {
    ResultRecord empty;
    empty.opponent = "Nobody";
    empty.season = 2001;
    EXPECT_EQ(empty.ResultCells(), (std::array<std::string, 3>{}));
    EXPECT_EQ(empty.AttendanceCells(), (std::array<std::string, 3>{}));

    ResultRecord win = empty;
    win.goalsA = 1;
    win.goalsB = 7;
    EXPECT_EQ(win.Cells(ResultRecord::kHomeWin),
              (std::array<std::string, 3>{"1:7", "Nobody", "2001"}));
    // The typed order is kept for display; the game database wants it ordered.
    EXPECT_EQ(win.OrderedGoals(true), (std::pair<int8_t, int8_t>{7, 1}));
    EXPECT_EQ(win.OrderedGoals(false), (std::pair<int8_t, int8_t>{1, 7}));

    ResultRecord crowd = empty;
    crowd.attendance = 54321;
    EXPECT_EQ(crowd.Cells(ResultRecord::kAttendance),
              (std::array<std::string, 3>{"54321", "Nobody", "2001"}));
}

// Player pool entries ------------------------------------------------------------------------

TEST(PlayerPoolEntryTest, RoundTripAndUse) {
    PlayerPoolEntry entry;
    EXPECT_FALSE(entry.InUse());
    entry.name.SetFirstName("Jan");
    entry.name.SetSurname("Kowalski");
    entry.SetFurtherName("Janek");
    entry.nationality = 206;
    entry.specialSkill = 15;
    entry.position = PlayerPoolEntry::kForward;
    entry.favouriteClub = 0x000A0003;
    EXPECT_TRUE(entry.InUse());
    EXPECT_EQ(WrittenBy(entry), KLLines({"%INDEX%PL_POOL", "Jan", "Kowalski", "Janek", "206", "15",
                                         "655363", "4", "%INDEXEND%PL_POOL"}));
    PlayerPoolEntry back = RoundTrip(entry);
    EXPECT_EQ(back.name.Surname(), "Kowalski");
    EXPECT_EQ(back.FurtherName(), "Janek");
    EXPECT_EQ(back.nationality, 206);
    EXPECT_EQ(back.specialSkill, 15);
    EXPECT_EQ(back.favouriteClub, 0x000A0003);
    EXPECT_EQ(back.position, 4);
}

TEST(PlayerPoolEntryTest, OlderFilesHaveNoPositionAndSkipWhatFollows) {
    const std::string text = KLLines(
        {"%INDEX%PL_POOL", "Jan", "Kowalski", "", "3", "2", "77", "4", "%INDEXEND%PL_POOL", "99"});
    PlayerPoolEntry entry;
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    FileVersion::SetLoaded(0x20030001u);
    ASSERT_TRUE(entry.Read(file));
    EXPECT_EQ(entry.favouriteClub, 77);
    EXPECT_EQ(entry.position, 0);
    int32_t next = 0;
    EXPECT_TRUE(file.ReadInt(next)); // the line after the section
    EXPECT_EQ(next, 99);
}

// National coach -----------------------------------------------------------------------------

NationalCoach SampleCoach() {
    NationalCoach coach;
    coach.name.SetFirstName("Otto");
    coach.name.SetSurname("Rehberg");
    coach.SetNickname("King Otto");
    coach.nationality = 42;
    coach.birthDate = GameDate::FromDate(1938, 8, 9);
    const uint8_t skills[4] = {15, 0, 7, 12};
    const uint8_t languages[4] = {3, 62, 0, 255};
    std::memcpy(coach.skills, skills, 4);
    std::memcpy(coach.languages, languages, 4);
    coach.nationalExperience = 6;
    coach.internationalExperience = 4;
    return coach;
}

TEST(NationalCoachTest, WritesTheGoldenBytes) {
    EXPECT_EQ(WrittenBy(SampleCoach()),
              test::ReadFile(test::FixturePath("records/national_coach.sav")));
}

TEST(NationalCoachTest, ReadsTheGoldenFileThroughATempFolder) {
    test::TempDir folder;
    {
        CKLFile out;
        ASSERT_TRUE(out.OpenForWrite(folder / "coach.sav"));
        ASSERT_TRUE(SampleCoach().Write(out));
        ASSERT_TRUE(out.Close());
    }
    CKLFile in;
    ASSERT_TRUE(in.OpenForRead(folder / "coach.sav"));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    NationalCoach back;
    ASSERT_TRUE(back.Read(in));
    EXPECT_EQ(back.name.FirstName(), "Otto");
    EXPECT_EQ(back.Nickname(), "King Otto");
    EXPECT_EQ(back.nationality, 42);
    EXPECT_EQ(back.birthDate, GameDate::FromDate(1938, 8, 9));
    EXPECT_EQ(std::memcmp(back.skills, SampleCoach().skills, 4), 0);
    EXPECT_EQ(std::memcmp(back.languages, SampleCoach().languages, 4), 0);
    EXPECT_EQ(back.nationalExperience, 6);
    EXPECT_EQ(back.internationalExperience, 4);
}

TEST(NationalCoachTest, MissingBirthDateLeavesTheDateAndReadsTheRest) {
    NationalCoach coach;
    coach.birthDate = GameDate::FromDate(1950, 1, 2);
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%MANAGER", "A", "B", "C", "7", "1", "2", "3", "4", "5",
                                  "6", "7", "8", "2", "3", "%INDEXEND%MANAGER"}),
                         coach));
    EXPECT_EQ(coach.birthDate, GameDate::FromDate(1950, 1, 2));
    EXPECT_EQ(coach.skills[0], 1);
    EXPECT_EQ(coach.languages[3], 8);
    EXPECT_EQ(coach.internationalExperience, 3);
}

TEST(NationalCoachTest, NoBirthDateSurvivesASaveAndALoad) {
    NationalCoach coach;
    EXPECT_FALSE(coach.birthDate.IsSet());
    EXPECT_FALSE(RoundTrip(coach).birthDate.IsSet());
}

// Record containers --------------------------------------------------------------------------

TEST(RecordMapTest, NewRecordsTakeTheSmallestFreeIdFromOne) {
    RefereeMap referees;
    EXPECT_EQ(referees.Add(Referee{}), 1u);
    EXPECT_EQ(referees.Add(Referee{}), 2u);
    EXPECT_EQ(referees.Add(Referee{}), 3u);
    EXPECT_TRUE(referees.Remove(2));
    EXPECT_FALSE(referees.Remove(2));
    EXPECT_EQ(referees.Add(Referee{}), 2u);
    EXPECT_EQ(referees.Add(Referee{}), 4u);
    EXPECT_TRUE(referees.Remove(1));
    EXPECT_EQ(referees.SmallestFreeId(), 1u);
    // Places for saved references: IDs 2, 3, 4 are the first, second and third record.
    EXPECT_EQ(referees.Position(3), 2u);
    EXPECT_EQ(referees.Position(0), 0u);
    EXPECT_EQ(referees.Position(100), 3u);
}

TEST(RecordMapTest, EachContainerRefusesTheRecordBeyondItsLimit) {
    SponsorMap sponsors;
    for (int i = 0; i < 40; ++i) {
        ASSERT_EQ(sponsors.Add(Sponsor{}), static_cast<uint32_t>(i + 1));
    }
    EXPECT_EQ(sponsors.Add(Sponsor{}), 0u);
    EXPECT_EQ(sponsors.Count(), 40u);
    EXPECT_EQ(RefereeMap::kLimit, 256u);
    EXPECT_EQ(StaffMap::kLimit, 500u);
    EXPECT_EQ(StadiumMap::kLimit, 500u);

    RefereeMap referees;
    for (int i = 0; i < 256; ++i) {
        referees.Add(Referee{});
    }
    EXPECT_TRUE(referees.Full());
    EXPECT_EQ(referees.Add(Referee{}), 0u);
}

TEST(RecordMapTest, ListSectionRoundTripRenumbersFromOne) {
    StaffMap staff;
    StaffMember member;
    for (int i = 0; i < 3; ++i) {
        member.occupation = i;
        staff.Add(member);
    }
    staff.Remove(1);
    CKLFile out;
    out.OpenForWrite("unused.sav");
    ASSERT_TRUE(staff.WriteList(out, "STAFFS"));

    CKLFile in;
    ASSERT_TRUE(in.OpenFromMemory(out.WrittenText() + KLLines({"5"})));
    StaffMap back;
    ASSERT_TRUE(back.ReadList(in, "STAFFS"));
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.Find(1)->occupation, 1);
    EXPECT_EQ(back.Find(2)->occupation, 2);
    int32_t next = 0;
    EXPECT_TRUE(in.ReadInt(next));
    EXPECT_EQ(next, 5);
}

TEST(RecordMapTest, ListCountsFromAFileAreBoundedByTheLimit) {
    // A count far beyond the records present makes no record up: the list holds what the file
    // holds, and the file notes what was promised.
    CKLFile sparse;
    ASSERT_TRUE(
        sparse.OpenFromMemory(KLLines({"%INDEX%SPONSORS", "2000000000", "%INDEX%SPONSOR", "A", "9",
                                       "", "", "%INDEXEND%SPONSOR", "%INDEXEND%SPONSORS"})));
    SponsorMap sponsors;
    ASSERT_TRUE(sponsors.ReadList(sparse, "SPONSORS"));
    EXPECT_EQ(sponsors.Count(), 1u);
    EXPECT_EQ(sponsors.Find(1)->Name(), "A");
    ASSERT_EQ(sparse.Findings().size(), 1u);
    EXPECT_EQ(sparse.Findings()[0].what,
              "section SPONSORS promises 2000000000 records; the file holds 1");
    EXPECT_EQ(sparse.Findings()[0].line, 9u);

    // Records beyond the limit are read and dropped.
    std::string text = "%INDEX%SPONSORS\r\n42\r\n";
    for (int i = 0; i < 42; ++i) {
        text += KLLines(
            {"%INDEX%SPONSOR", std::to_string(i).c_str(), "1", "", "", "%INDEXEND%SPONSOR"});
    }
    text += KLLines({"%INDEXEND%SPONSORS", "8"});
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    SponsorMap full;
    ASSERT_TRUE(full.ReadList(file, "SPONSORS"));
    EXPECT_EQ(full.Count(), 40u);
    EXPECT_EQ(full.Find(40)->Name(), "39");
    int32_t next = 0;
    EXPECT_TRUE(file.ReadInt(next));
    EXPECT_EQ(next, 8);
}

} // namespace
} // namespace tallo
