// The sample installation: the files it writes, the same bytes for the same seed, and the
// round trip of the whole world model (load and save again gives the same bytes).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/load_preparation.h"
#include "sample_installation.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {
namespace {

using sample::SampleScale;
using test::ReadFile;
using test::ReadFolderFiles;
using test::ReadTreeFiles;
using test::TempDir;
using test::WriteSample;

// Loads a database folder as the editor does and saves it into another folder.
void Resave(const std::string& install, const std::string& from, const std::string& to) {
    auto world = std::make_unique<CWorld>();
    ASSERT_TRUE(PrepareForLoad(*world, install).countryListRead);
    ASSERT_TRUE(world->LoadAll(from));
    EXPECT_TRUE(world->LoadTranslation().empty()) << "player IDs were renumbered while loading";
    std::filesystem::create_directories(to);
    world->SetDatabaseFolder(to);
    ASSERT_TRUE(world->SaveAll(nullptr));
}

// Names the files of two folders that differ, and for the first difference the line.
std::string Differences(const std::map<std::string, std::string>& a,
                        const std::map<std::string, std::string>& b) {
    std::string report;
    for (const auto& [name, bytes] : a) {
        auto other = b.find(name);
        if (other == b.end()) {
            report += name + " missing; ";
            continue;
        }
        if (other->second == bytes) {
            continue;
        }
        size_t at = 0;
        while (at < bytes.size() && at < other->second.size() && bytes[at] == other->second[at]) {
            ++at;
        }
        const size_t line =
            static_cast<size_t>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
        report += name + " differs at line " + std::to_string(line + 1) + "; ";
    }
    return report;
}

TEST(SampleInstallation, WritesTheFilesTheEditorNeeds) {
    TempDir dir;
    const sample::SampleSummary summary = WriteSample(dir.Path(), SampleScale::kSmall, 1);

    // The country list: six lines per country, CR LF line ends.
    const std::string list = ReadFile(dir / "database/countries.sav");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 206 * 6);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\r'), 206 * 6);
    // The data archive that makes the editor accept the folder, the badges, the name files,
    // the ID tables and the per-language tables.
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "data/zdata_06.big"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "badges.big"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "badges"));
    for (const char* name :
         {"database/MaleNames.txt", "database/FemaleNames.txt", "database/Surnames.txt",
          "database/ZELO_ClubIDs.txt", "database/ZELO_PlayerIDs.txt",
          "database/ZELO2003_StarHeads.txt", "database/eng/shoe.txt", "database/eng/faceIDs.txt",
          "database/eng/clubSpeechIDs.txt", "database/eng/TeamColour.txt"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(dir / name)) << name;
    }
    // The stadium models of the language folder read back as the editor reads them.
    StadiumList models;
    ASSERT_TRUE(models.LoadFile(dir / "database/eng/StadiumList.txt"));
    EXPECT_GE(models.Count(), 2u);
    EXPECT_EQ(models.Entries()[2].name, "Trib\xFCnenstadion");

    const auto files = ReadFolderFiles(dir / "database");
    for (int number = 1; number <= 206; ++number) {
        EXPECT_EQ(files.count("Country" + std::to_string(number) + ".sav"), 1u) << number;
    }
    EXPECT_EQ(files.count("Rules.sav"), 1u);
    EXPECT_EQ(files.count("Without.sav"), 1u);
    EXPECT_EQ(summary.countriesWithClubs, 5u);
    EXPECT_EQ(summary.clubs, 73u);
    EXPECT_GE(summary.persons, 1000u);
    EXPECT_LE(summary.persons, 2000u);
    // The script folder: the cup schemes and the five international definition files.
    const auto script = ReadFolderFiles(dir / "script");
    for (const char* name : {"CupAlloc.txt", "EuropeanCup.txt", "SouthAmCup.txt", "QualiEC.txt",
                             "WC.txt", "InDoor.txt"}) {
        EXPECT_EQ(script.count(name), 1u) << name;
    }
}

TEST(SampleInstallation, TheSameSeedWritesTheSameBytes) {
    TempDir first;
    TempDir second;
    TempDir other;
    WriteSample(first.Path(), SampleScale::kSmall, 7);
    WriteSample(second.Path(), SampleScale::kSmall, 7);
    WriteSample(other.Path(), SampleScale::kSmall, 8);

    const auto a = ReadFolderFiles(first / "database");
    const auto b = ReadFolderFiles(second / "database");
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(Differences(a, b), "");
    EXPECT_EQ(ReadFile(first / "database/eng/StadiumList.txt"),
              ReadFile(second / "database/eng/StadiumList.txt"));
    EXPECT_EQ(Differences(ReadFolderFiles(first / "script"), ReadFolderFiles(second / "script")),
              "");
    EXPECT_EQ(Differences(ReadFolderFiles(first / "database/eng"),
                          ReadFolderFiles(second / "database/eng")),
              "");
    EXPECT_EQ(Differences(ReadTreeFiles(first / "badges"), ReadTreeFiles(second / "badges")), "");
    EXPECT_EQ(ReadTreeFiles(first / "badges").size(), ReadTreeFiles(second / "badges").size());
    EXPECT_EQ(ReadFile(first / "badges.big"), ReadFile(second / "badges.big"));
    EXPECT_EQ(ReadFile(first / "data/zdata_06.big"), ReadFile(second / "data/zdata_06.big"));

    // Another seed: another database, but the same fixed country list.
    const auto c = ReadFolderFiles(other / "database");
    EXPECT_EQ(a.at("countries.sav"), c.at("countries.sav"));
    EXPECT_NE(a.at("Country1.sav"), c.at("Country1.sav"));
    EXPECT_NE(a.at("Without.sav"), c.at("Without.sav"));
    EXPECT_NE(a.at("ZELO_PlayerIDs.txt"), c.at("ZELO_PlayerIDs.txt"));
    EXPECT_NE(ReadFile(first / "badges.big"), ReadFile(other / "badges.big"));
}

// The key round trip of the world model: every value the sample writes is read back into the
// same member and written again into the same line, for every record type.
TEST(SampleInstallation, LoadingAndSavingAgainGivesTheSameBytes) {
    TempDir dir;
    WriteSample(dir.Path(), SampleScale::kSmall, 3);
    Resave(dir.Path(), dir / "database", dir / "second");
    Resave(dir.Path(), dir / "second", dir / "third");

    // The installation's country list, name files and ID tables are not part of a save.
    auto written = ReadFolderFiles(dir / "database");
    written.erase("countries.sav");
    std::erase_if(written, [](const auto& file) { return !file.first.ends_with(".sav"); });
    const auto second = ReadFolderFiles(dir / "second");
    const auto third = ReadFolderFiles(dir / "third");
    EXPECT_EQ(written.size(), second.size());
    EXPECT_EQ(second.size(), 206u + 2u);
    EXPECT_EQ(Differences(written, second), "");
    EXPECT_EQ(Differences(second, third), "");
}

// A fault that reads a value into the wrong member and writes it back from there keeps the
// bytes; comparing the loaded records with the generated ones catches it.
TEST(SampleInstallation, LoadedRecordsEqualTheGeneratedOnes) {
    TempDir dir;
    WriteSample(dir.Path(), SampleScale::kSmall, 5);

    auto generated = std::make_unique<CWorld>();
    ASSERT_TRUE(PrepareForLoad(*generated, dir.Path()).countryListRead);
    sample::SampleOptions options;
    options.seed = 5;
    sample::PopulateSampleWorld(*generated, sample::MakeSampleCountryList(), GlobalStadiumList(),
                                options);
    auto loaded = std::make_unique<CWorld>();
    ASSERT_TRUE(PrepareForLoad(*loaded, dir.Path()).countryListRead);
    ASSERT_TRUE(loaded->LoadAll(dir / "database"));

    ASSERT_EQ(loaded->PlayerCount(), generated->PlayerCount());
    size_t compared = 0;
    for (const auto& [id, player] : generated->Players()) {
        const CPlayer* back = loaded->FindPlayer(id);
        ASSERT_NE(back, nullptr) << id;
        CPlayer copy = *back;
        copy.SetWorld(generated.get());
        EXPECT_TRUE(copy == *player) << "person " << id << " (" << player->Surname() << ")";
        ++compared;
    }
    EXPECT_GT(compared, 300u);
    EXPECT_EQ(loaded->PlayersWithoutClub(), generated->PlayersWithoutClub());

    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& want = *generated->GetCountry(number);
        const CCountry& got = *loaded->GetCountry(number);
        ASSERT_EQ(got.GetClubCount(), want.GetClubCount()) << number;
        for (const auto& [id, club] : want.Clubs()) {
            const CClub* back = got.FindClub(id);
            ASSERT_NE(back, nullptr) << std::hex << id;
            CClub copy = *back;
            copy.SetWorld(generated.get());
            EXPECT_TRUE(copy == *club) << "club " << std::hex << id;
        }
        EXPECT_EQ(got.AdditionalManagers(), want.AdditionalManagers()) << number;
        EXPECT_EQ(got.referees.Count(), want.referees.Count()) << number;
        EXPECT_EQ(got.stadiums.Count(), want.stadiums.Count()) << number;
        EXPECT_EQ(got.PlayerPoolInUse(), want.PlayerPoolInUse()) << number;
        EXPECT_EQ(got.nationalStadium, want.nationalStadium) << number;
        EXPECT_EQ(got.notes, want.notes) << number;
        EXPECT_EQ(got.magazine, want.magazine) << number;
        EXPECT_EQ(got.leagueCardRule, want.leagueCardRule) << number;
        EXPECT_EQ(got.allowedFaceTypes, want.allowedFaceTypes) << number;
        EXPECT_EQ(got.nationalCoach.Nickname(), want.nationalCoach.Nickname()) << number;
        EXPECT_EQ(got.nationalCoach.birthDate, want.nationalCoach.birthDate) << number;
    }
}

} // namespace
} // namespace tallo
