#include "gamedb/master_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <set>
#include <sstream>
#include <string>

#include "competitions/tree_test_support.h"
#include "gamedb/master_buffer.h"
#include "gamedb/name_store.h"
#include "master_reader.h"
#include "formats/string_table.h"
#include "platform/progress.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/stadium.h"
#include "world/world.h"

namespace tallo {
namespace {

// A stand-in for the country record, so that the builder is tested on its own: behind a
// length prefix the country's number, its club count and each club's name index (pool 1,
// surnames); the country's name goes into every console list once per pass.
void StandInCountryRecord(MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
    const MasterBuffer::LengthMark mark = buffer.BeginLength();
    buffer.U8(static_cast<uint8_t>(country.Number()));
    buffer.U32(static_cast<uint32_t>(country.GetOrdinaryClubCount()));
    for (const auto& [id, club] : country.Clubs()) {
        if (!ClubId::IsNationalTeam(id)) {
            buffer.U16(context.Name(1, kSurname, club->Name(0)));
        }
    }
    buffer.EndLength(mark);
    if (country.GetOrdinaryClubCount() > 0) {
        const std::string line = std::string(country.Name(0)) + "\n";
        for (ConsoleTextFile file : {ConsoleTextFile::Badges, ConsoleTextFile::Kits,
                                     ConsoleTextFile::Stadiums, ConsoleTextFile::Log}) {
            context.text.Emit(file, line);
        }
    }
}

class MasterBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_.Path() + "/database/countries.sav");
        test::WriteFile(dir_.Path() + "/database/Surnames.txt",
                        "Club 1\r\nZeta\r\n%2\r\nOther\r\n");
        world_.LoadCountryList(dir_.Path() + "/database/countries.sav");
    }

    MasterBuildRequest Request(uint32_t optionBits = 0, int language = 0) const {
        MasterBuildRequest request;
        request.language = language;
        request.optionBits = optionBits;
        request.rootFolder = dir_.Path();
        request.databaseFolder = dir_.Path() + "/database";
        return request;
    }

    MasterBuildResult Build(const MasterBuildRequest& request,
                            CountryRecordWriter writer = StandInCountryRecord,
                            IPrompt* prompt = nullptr) {
        MasterBuilder builder(world_, request);
        builder.SetCountryRecordWriter(std::move(writer));
        out_.str("");
        err_.str("");
        return builder.Build(nullptr, prompt, &out_, &err_);
    }

    std::string MasterPath() const { return dir_.Path() + "/database/Master.dat"; }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(MasterBuilderTest, WritesSizeHeadersNameTablesRulesAndCountryRecords) {
    test::BuildFullCountry(world_, 3);
    const MasterBuildResult result = Build(Request());
    ASSERT_TRUE(result.Written()) << result.message;
    EXPECT_EQ(result.completeCountries, std::vector<int>{3});
    EXPECT_EQ(result.path, MasterPath());

    const std::string bytes = test::ReadFile(MasterPath());
    EXPECT_EQ(result.size, bytes.size());
    test::MasterFile file;
    std::string error;
    ASSERT_TRUE(test::ReadMasterFile(bytes, false, file, error)) << error;
    EXPECT_EQ(file.sizeField, bytes.size());

    ASSERT_EQ(file.headers.size(), 206u);
    for (int number = 1; number <= 206; ++number) {
        const test::MasterFile::Header& header = file.headers[static_cast<size_t>(number - 1)];
        EXPECT_EQ(header.leagues, number == 3 ? 2 : 0) << number;
        ASSERT_EQ(header.names.size(), 5u);
        EXPECT_EQ(header.names[4], "Land" + std::to_string(number));
    }

    // The surname list of pool 1: the file's names first, then the clubs' names as counted.
    const test::MasterFile::NameTable& surnames = file.Table(1, kSurname);
    EXPECT_EQ(surnames.fileCount, 3u);
    ASSERT_EQ(surnames.count, surnames.names.size());
    ASSERT_EQ(surnames.count, 3u + 11u); // " ", the file's two names, "Club 2" to "Club 12"
    EXPECT_EQ(surnames.names[0].name, " ");
    EXPECT_EQ(surnames.names[0].weight, 1u);
    EXPECT_EQ(surnames.names[1].name, "Club 1");
    EXPECT_EQ(surnames.names[3].name, "Club 2");
    for (size_t i = 0; i < surnames.names.size(); ++i) {
        EXPECT_EQ(surnames.names[i].index, i);
    }
    // Every list that holds names has weights that sum to a thousand.
    for (int pool = 0; pool < 64; ++pool) {
        for (int kind = 0; kind < 5; ++kind) {
            const test::MasterFile::NameTable& table = file.Table(pool, kind);
            uint32_t sum = 0;
            for (size_t i = 1; i < table.names.size(); ++i) {
                sum += table.names[i].weight;
            }
            EXPECT_EQ(sum, table.names.size() > 1 ? 1000u : 0u) << pool << "/" << kind;
            EXPECT_EQ(table.reserved, 0u);
        }
    }
    // "Club 1" counts twice (file and club), the 12 others once: 2/14 and 1/14 of a thousand
    // (142 and 71), and the six thousandths lost to truncation go to the first six names.
    EXPECT_EQ(surnames.names[1].weight, 143u);
    EXPECT_EQ(surnames.names[2].weight, 72u);
    EXPECT_EQ(surnames.names[6].weight, 72u);
    EXPECT_EQ(surnames.names[7].weight, 71u);

    // The country records: one per country, each behind its length, up to the end.
    size_t at = file.countriesOffset;
    for (int number = 1; number <= 206; ++number) {
        ASSERT_LE(at + 5, bytes.size());
        const uint32_t length = test::MasterU32(bytes, at);
        EXPECT_EQ(static_cast<uint8_t>(bytes[at + 4]), number);
        at += 4 + length;
    }
    EXPECT_EQ(at, bytes.size());
}

TEST_F(MasterBuilderTest, RulesRecordCarriesNamesGameReferencesPointsAndSubstitutions) {
    test::BuildFullCountry(world_, 3);
    CCountry& country = *world_.GetCountry(3);
    // Clubs 13 and 14; without 13, club 14 is the thirteenth club of the game.
    country.CreateClub("Thirteen");
    country.CreateClub("Fourteen");
    country.RemoveClub(ClubId::Make(3, 13));
    Stadium stadium{};
    country.stadiums.Add(stadium);
    country.stadiums.Add(stadium);

    RulesAndMisc& rules = world_.Rules();
    for (int language = 0; language < 5; ++language) {
        for (int competition = 0; competition < 4; ++competition) {
            rules.SetLongName(competition, language,
                              "C" + std::to_string(competition) + "L" + std::to_string(language));
        }
    }
    rules.SetClubReference(0, ClubId::Make(3, 14));
    rules.SetClubReference(1, ClubId::Make(3, 13)); // removed
    rules.SetClubReference(2, ClubId::Make(3, 0xFFFF));
    rules.SetStadiumReference(0, (3u << 16) | 2u);
    rules.SetStadiumReference(1, (3u << 16) | 3u);   // beyond the two stadiums
    rules.SetStadiumReference(2, (207u << 16) | 1u); // no such country
    rules.SetFurtherClubReference(0, ClubId::Make(3, 4) | ClubId::kSecondTeamBit);
    rules.SetFurtherClubReference(1, 0);
    for (int i = 0; i < 5; ++i) {
        rules.SetPointsRule(i, i + 1);
    }
    rules.SetFriendlySubstitutions(5);

    ASSERT_TRUE(Build(Request()).Written());
    const std::string bytes = test::ReadFile(MasterPath());
    test::MasterFile file;
    std::string error;
    ASSERT_TRUE(test::ReadMasterFile(bytes, false, file, error)) << error;

    std::string expected;
    for (int language = 0; language < 5; ++language) {
        for (int competition = 0; competition < 3; ++competition) {
            expected += "C" + std::to_string(competition) + "L" + std::to_string(language);
            expected.push_back('\0');
        }
    }
    expected += std::string("\x0D\x00\x03\x00" // club 14 as the thirteenth club
                            "\x00\x00\x00\x00" // the removed club
                            "\xFF\xFF\x03\x00" // the national team, unchanged
                            "\x02\x00\x03\x00" // stadium 2 of country 3
                            "\x00\x00\x00\x00" // stadium 3 does not exist
                            "\x00\x00\x00\x00" // country 207 does not exist
                            "\x04\x00\x03\x01" // club 4's second team
                            "\x00\x00\x00\x00" // none
                            "\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00"
                            "\x04\x00\x00\x00\x05\x00\x00\x00"
                            "\x05\x00\x00\x00",
                            4 * 8 + 20 + 4);
    EXPECT_EQ(bytes.substr(file.rulesOffset, expected.size()), expected);
    EXPECT_EQ(file.countriesOffset, file.rulesOffset + expected.size());
}

TEST_F(MasterBuilderTest, TheSameWorldGivesTheSameBytes) {
    test::BuildFullCountry(world_, 3);
    ASSERT_TRUE(Build(Request()).Written());
    const std::string first = test::ReadFile(MasterPath());
    ASSERT_TRUE(Build(Request()).Written());
    EXPECT_EQ(test::ReadFile(MasterPath()), first);
}

TEST_F(MasterBuilderTest, EachBadgeIsCheckedOncePerBuildSoThatBothPassesAgree) {
    test::BuildFullCountry(world_, 3);
    // A check that passes only when first asked, as when a badge file goes away during the
    // build: asked again in the write pass, it would write less than the count pass counted.
    int calls = 0;
    std::set<const CClub*> asked;
    MasterBuildServices services;
    services.badgeUsable = [&calls, &asked](const CClub& club) {
        asked.insert(&club);
        return calls++ == 0;
    };
    MasterBuilder builder(world_, Request());
    builder.SetServices(services);
    builder.SetCountryRecordWriter(
        [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
            for (const auto& [id, club] : country.Clubs()) {
                if (context.services.badgeUsable(*club)) {
                    buffer.U32(id);
                }
            }
        });
    const MasterBuildResult result = builder.Build(nullptr, nullptr, &out_, &err_);
    EXPECT_TRUE(result.Written()) << err_.str();
    EXPECT_GT(asked.size(), 1u);
    EXPECT_EQ(calls, static_cast<int>(asked.size()));
}

TEST_F(MasterBuilderTest, WithoutACompleteCountryNothingIsWritten) {
    const MasterBuildResult result = Build(Request());
    EXPECT_EQ(result.status, MasterBuildStatus::NoCompleteCountry);
    EXPECT_EQ(out_.str(), "No completed countries\n");
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));

    // Interactive builds say it in the error window.
    ScriptedPrompt prompt;
    MasterBuildRequest request = Request();
    request.unattended = false;
    EXPECT_EQ(Build(request, StandInCountryRecord, &prompt).status,
              MasterBuildStatus::NoCompleteCountry);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));
}

TEST_F(MasterBuilderTest, TheConsoleDatabaseTakesOnlyTheConsoleCountries) {
    test::BuildFullCountry(world_, 3);
    EXPECT_EQ(Build(Request(MasterOption::kConsole, 1)).status,
              MasterBuildStatus::NoCompleteCountry);
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/database/Master1.dat"));
}

TEST_F(MasterBuilderTest, ConsoleBuildWritesMasterOfItsLanguageAndEachListLineOnce) {
    test::BuildFullCountry(world_, 3);
    test::BuildFullCountry(world_, 4);
    world_.GetCountry(4)->SetName(1, "Vierland");
    const uint32_t bits = MasterOption::kConsole | MasterOption::kBadgeList |
                          MasterOption::kKitList | MasterOption::kStadiumList |
                          MasterOption::kConsoleLog;
    const MasterBuildResult result = Build(Request(bits, 1));
    ASSERT_TRUE(result.Written()) << result.message;
    EXPECT_EQ(result.completeCountries, std::vector<int>{4});
    EXPECT_EQ(result.path, dir_.Path() + "/database/Master1.dat");
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));

    const std::string bytes = test::ReadFile(result.path);
    test::MasterFile file;
    std::string error;
    ASSERT_TRUE(test::ReadMasterFile(bytes, true, file, error)) << error;
    EXPECT_EQ(file.sizeField, bytes.size());
    EXPECT_EQ(file.headers[3].leagues, 2);
    EXPECT_EQ(file.headers[3].names, std::vector<std::string>{"Vierland"});
    EXPECT_EQ(file.headers[2].leagues, 0); // complete, but no console country
    EXPECT_EQ(file.rules.names.size(), 2u);

    // Each country with clubs once, in the write pass alone.
    for (const char* name : {"badges.txt", "kits.txt", "stadium.txt", "logPS2_Database.txt"}) {
        EXPECT_EQ(test::ReadFile(dir_.Path() + "/" + name), "Land3\r\nLand4\r\n") << name;
    }
    // The lists grow with every build.
    ASSERT_TRUE(Build(Request(bits, 1)).Written());
    EXPECT_EQ(test::ReadFile(dir_.Path() + "/kits.txt"), "Land3\r\nLand4\r\nLand3\r\nLand4\r\n");
}

TEST_F(MasterBuilderTest, ListsAreWrittenOnlyWhenTheirBitIsSet) {
    test::BuildFullCountry(world_, 3);
    ASSERT_TRUE(Build(Request(MasterOption::kKitList)).Written());
    EXPECT_TRUE(std::filesystem::exists(dir_.Path() + "/kits.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/badges.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/stadium.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/logPS2_Database.txt"));
}

TEST_F(MasterBuilderTest, PassesThatDisagreeAreReportedAndLeaveTheEarlierFile) {
    test::BuildFullCountry(world_, 3);
    test::WriteFile(MasterPath(), "earlier");
    auto growing = [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
        StandInCountryRecord(buffer, context, country);
        if (buffer.IsWritePass() && country.Number() == 3) {
            buffer.U8(0); // one byte the count pass did not count
        }
    };
    MasterBuildResult result = Build(Request(MasterOption::kBadgeList), growing);
    EXPECT_EQ(result.status, MasterBuildStatus::PassMismatch);
    EXPECT_NE(err_.str().find("Master.dat was not written"), std::string::npos);
    EXPECT_EQ(test::ReadFile(MasterPath()), "earlier");
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/badges.txt"));

    auto shrinking = [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
        if (!buffer.IsWritePass() || country.Number() != 200) {
            StandInCountryRecord(buffer, context, country);
        }
    };
    result = Build(Request(), shrinking);
    EXPECT_EQ(result.status, MasterBuildStatus::PassMismatch);
    EXPECT_EQ(test::ReadFile(MasterPath()), "earlier");

    // A name the count pass did not see would index past its table.
    auto lateName = [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
        StandInCountryRecord(buffer, context, country);
        buffer.U16(context.Name(1, kSurname, buffer.IsWritePass() ? "Late" : "Early"));
    };
    result = Build(Request(), lateName);
    EXPECT_EQ(result.status, MasterBuildStatus::PassMismatch);
    EXPECT_NE(result.message.find("Late"), std::string::npos);
    EXPECT_EQ(test::ReadFile(MasterPath()), "earlier");
}

TEST_F(MasterBuilderTest, AFileThatCannotBeWrittenIsReportedAsAFailure) {
    test::BuildFullCountry(world_, 3);
    test::WriteFile(dir_.Path() + "/plain", "a file, not a folder");
    MasterBuildRequest request = Request(MasterOption::kBadgeList);
    request.outputPath = dir_.Path() + "/plain/Master.dat";
    const MasterBuildResult result = Build(request);
    EXPECT_EQ(result.status, MasterBuildStatus::WriteFailed);
    EXPECT_EQ(result.size, 0u);
    EXPECT_NE(err_.str().find("could not be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "/badges.txt"));

    // Interactive builds show the save error.
    ScriptedPrompt prompt(true);
    request.unattended = false;
    EXPECT_EQ(Build(request, StandInCountryRecord, &prompt).status, MasterBuildStatus::WriteFailed);
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    EXPECT_EQ(prompt.Calls().back().text, LoadString(798));
}

TEST_F(MasterBuilderTest, InteractiveBuildsAskForTheCountryListFirst) {
    test::BuildFullCountry(world_, 3);
    test::BuildFullCountry(world_, 5);
    MasterBuildRequest request = Request();
    request.unattended = false;
    request.databaseFolder = "unused";

    ScriptedPrompt no(false);
    EXPECT_EQ(Build(request, StandInCountryRecord, &no).status, MasterBuildStatus::Declined);
    ASSERT_EQ(no.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_NE(no.Calls()[0].text.find("Land3, Land5\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));

    ScriptedPrompt yes(true);
    ASSERT_TRUE(Build(request, StandInCountryRecord, &yes).Written());
    EXPECT_TRUE(std::filesystem::exists(MasterPath()));
    EXPECT_EQ(yes.CountOf(PromptCall::Kind::Message), 1u);
}

TEST_F(MasterBuilderTest, NoCountryWriterNoFile) {
    test::BuildFullCountry(world_, 3);
    const MasterBuildResult result = Build(Request(), CountryRecordWriter());
    EXPECT_EQ(result.status, MasterBuildStatus::NoRecordWriter);
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));
}

TEST_F(MasterBuilderTest, ANameListThatOverflowsStopsTheBuild) {
    test::BuildFullCountry(world_, 3);
    auto manyNames = [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
        StandInCountryRecord(buffer, context, country);
        if (country.Number() == 3) {
            for (int i = 0; i < 65536; ++i) {
                buffer.U16(context.Name(9, kThirdName, "n" + std::to_string(i)));
            }
        }
    };
    const MasterBuildResult result = Build(Request(), manyNames);
    EXPECT_EQ(result.status, MasterBuildStatus::NameOverflow);
    EXPECT_NE(result.message.find("pool 9"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(MasterPath()));
}

TEST_F(MasterBuilderTest, ProgressRunsThroughThreePhases) {
    test::BuildFullCountry(world_, 3);
    struct Recorder : IProgress {
        void SetRange(int32_t, int32_t high) override { range = high; }
        void SetPosition(int32_t p) override { last = p; }
        void SetTitle(const std::string& text) override { title = text; }
        void SetDescription(const std::string&) override {}
        void SetStatus(const std::string& text) override { status = text; }
        void EnableCancel(bool) override {}
        bool IsCancelled() const override { return false; }
        int32_t range = 0;
        int32_t last = 0;
        std::string title;
        std::string status;
    } progress;
    MasterBuilder builder(world_, Request());
    builder.SetCountryRecordWriter(StandInCountryRecord);
    ASSERT_TRUE(builder.Build(&progress, nullptr, nullptr, nullptr).Written());
    EXPECT_EQ(progress.range, 621);
    EXPECT_EQ(progress.last, 3 * 206);
    EXPECT_EQ(progress.title, LoadString(833));
    EXPECT_EQ(progress.status, FormatString(835, 3, "Land206"));
}

} // namespace
} // namespace tallo
