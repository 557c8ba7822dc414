// The sample's per-language tables and name files load with the counts the sample wrote, and
// their rows fit the world they were made for.

#include <gtest/gtest.h>

#include <set>

#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/name_lists.h"
#include "sample_test_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::LoadSampleWorld;
using test::SharedSmallSample;

TEST(SampleLanguageTables, LoadWithTheCountsWritten) {
    const test::SharedSample& sample = SharedSmallSample();
    const auto world = LoadSampleWorld(sample.folder);
    PerLanguageTables tables;
    ASSERT_TRUE(tables.Load(sample.folder + "/database", LoadString(799)));

    EXPECT_EQ(tables.Shoes().Count(), 5);
    EXPECT_EQ(sample.files.shoeRows, 5);
    EXPECT_EQ(tables.Shoes().Text(4), "Yellow");
    EXPECT_EQ(tables.Shoes().Number(4), 5);

    // The face and club speech tables start with the placeholder row.
    EXPECT_EQ(tables.Faces().Count(), sample.files.faceRows + 1);
    EXPECT_EQ(tables.Faces().Number(0), 0);
    EXPECT_EQ(tables.Faces().Number(1), 1001);
    EXPECT_EQ(tables.ClubSpeech().Count(), sample.files.clubSpeechRows + 1);

    // A speech sample for every place with a club.
    std::set<std::string> places;
    std::map<std::string, const CClub*> clubsByName;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world->GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam()) {
                places.insert(std::string(club->ShortName(0)));
                clubsByName[std::string(club->Name(0))] = club.get();
            }
        }
    }
    EXPECT_EQ(static_cast<size_t>(sample.files.clubSpeechRows), places.size());
    for (int32_t row = 1; row < tables.ClubSpeech().Count(); ++row) {
        EXPECT_EQ(places.count(tables.ClubSpeech().Text(row)), 1u) << row;
        EXPECT_EQ(tables.ClubSpeech().Number(row), 100 + row);
    }

    // The colour table is full, held twice, and names clubs with their colour entries.
    EXPECT_EQ(sample.files.teamColourRows, 30);
    for (int copy = 0; copy < PerLanguageTables::kTeamColourCopies; ++copy) {
        const CTeamColourTextFile& colours = tables.TeamColours(copy);
        ASSERT_EQ(colours.Count(), 30);
        for (int32_t row = 0; row < colours.Count(); ++row) {
            const auto club = clubsByName.find(colours.Text(row));
            ASSERT_NE(club, clubsByName.end()) << colours.Text(row);
            EXPECT_EQ(colours.Number(row), club->second->ColourEntry());
            EXPECT_EQ(colours.SecondNumber(row), club->second->Kit().styles[0][0]);
        }
    }
}

TEST(SampleNameFiles, EveryLanguageHasAPoolOfNamesThatFit) {
    const test::SharedSample& sample = SharedSmallSample();
    CNameLists lists;
    const std::string database = sample.folder + "/database/";
    ASSERT_TRUE(lists.Load(database + "MaleNames.txt", database + "FemaleNames.txt",
                           database + "Surnames.txt"));
    EXPECT_EQ(lists.Count(CNameLists::kMaleNames), sample.files.maleNames);
    EXPECT_EQ(lists.Count(CNameLists::kFemaleNames), sample.files.femaleNames);
    EXPECT_EQ(lists.Count(CNameLists::kSurnames), sample.files.surnames);
    EXPECT_EQ(sample.files.namePools, 59);
    for (int list = 0; list < CNameLists::kListCount; ++list) {
        for (int pool = 0; pool < CNameLists::kPools; ++pool) {
            const std::vector<std::string>& names = lists.Names(list, pool);
            // Pools 0 (the fallback) and the 58 languages.
            EXPECT_EQ(names.empty(), pool >= sample.files.namePools) << list << "/" << pool;
            const std::set<std::string> distinct(names.begin(), names.end());
            EXPECT_EQ(distinct.size(), names.size()) << list << "/" << pool;
            for (const std::string& name : names) {
                EXPECT_LE(name.size(), CNameLists::kMaxNameLength);
                EXPECT_FALSE(name.empty());
            }
        }
    }
    // Men's and women's first names differ.
    EXPECT_NE(lists.Names(CNameLists::kMaleNames, 1), lists.Names(CNameLists::kFemaleNames, 1));
}

} // namespace
} // namespace tallo
