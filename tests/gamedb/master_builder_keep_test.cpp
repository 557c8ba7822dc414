#include "gamedb/master_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>

#include "competitions/tree_test_support.h"
#include "gamedb/master_build_context.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// The builder keeps the country records of its own writer from the count pass instead of
// running the writer again; the file must be the one two full runs of the writer give.
class KeptCountryRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_.Path() + "/database/countries.sav");
        test::WriteFile(dir_.Path() + "/database/Surnames.txt", "Berg\r\nZeta\r\n%2\r\nOther\r\n");
        test::WriteFile(dir_.Path() + "/database/MaleNames.txt", "Jan\r\nOle\r\n");
        world_.LoadCountryList(dir_.Path() + "/database/countries.sav");
        test::BuildFullCountry(world_, 3);
        test::BuildFullCountry(world_, 4);
        // Players with names the name files lack and looks the console build converts with
        // random numbers, so that the name indices and the random sequence must agree too.
        uint32_t id = 5000;
        for (int country : {3, 4}) {
            for (const auto& [clubId, club] : world_.GetCountry(country)->Clubs()) {
                for (int i = 0; i < 3; ++i, ++id) {
                    CPlayer& player = *world_.CreatePlayer(id, false);
                    player.SetFirstName(i == 0 ? "Jan" : "Mads" + std::to_string(id % 7));
                    player.SetSurname("Surname" + std::to_string(id % 11));
                    player.SetNationality(static_cast<uint8_t>(country));
                    player.SetHairColour(static_cast<uint8_t>(id % 5));
                    player.SetFaceType(static_cast<uint8_t>(id % 9));
                    player.SetHairStyle(static_cast<uint8_t>(1 + id % 6));
                    player.SetBeard(static_cast<uint8_t>(id % 3));
                    club->AddPlayer(id);
                }
            }
        }
    }

    std::string Build(uint32_t bits, int language, bool runWriterTwice, int threads = 0,
                      const MasterBuildServices& services = {}) {
        MasterBuildRequest request;
        request.language = language;
        request.optionBits = bits;
        request.threads = threads;
        request.rootFolder = dir_.Path();
        request.databaseFolder = dir_.Path() + "/database";
        request.outputPath = dir_.Path() + "/out.dat";
        MasterBuilder builder(world_, request);
        builder.SetServices(services);
        if (runWriterTwice) {
            builder.SetCountryRecordWriter(DefaultCountryRecordWriter());
        }
        std::ostringstream out;
        std::ostringstream err;
        const MasterBuildResult result = builder.Build(nullptr, nullptr, &out, &err);
        EXPECT_TRUE(result.Written()) << result.message << err.str();
        return test::ReadFile(request.outputPath);
    }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
};

TEST_F(KeptCountryRecordsTest, KeptRecordsGiveTheFileOfTwoFullRuns) {
    if (!DefaultCountryRecordWriter()) {
        GTEST_SKIP() << "no country record writer in this build";
    }
    for (const auto& [bits, language] :
         {std::pair<uint32_t, int>{0, 0}, {0, 2}, {MasterOption::kConsole, 1}}) {
        const std::string twice = Build(bits, language, true);
        const std::string kept = Build(bits, language, false);
        EXPECT_GT(twice.size(), 1000u) << bits;
        EXPECT_TRUE(kept == twice) << "options " << bits << ", language " << language << ": sizes "
                                   << kept.size() << " and " << twice.size();
    }
}

TEST_F(KeptCountryRecordsTest, RecordsWrittenSideBySideGiveTheFileOfOneThread) {
    if (!DefaultCountryRecordWriter()) {
        GTEST_SKIP() << "no country record writer in this build";
    }
    // More countries whose players share names with the others, new names met first in a
    // later country, and badges of which the service refuses some (from any thread).
    uint32_t id = 9000;
    for (int country : {5, 9, 17, 40}) {
        test::BuildFullCountry(world_, country);
        for (const auto& [clubId, club] : world_.GetCountry(country)->Clubs()) {
            club->SetBadgeFile(clubId % 3 == 0 ? "" : "BADGE180/b" + std::to_string(clubId % 5));
            for (int i = 0; i < 4; ++i, ++id) {
                CPlayer& player = *world_.CreatePlayer(id, false);
                player.SetFirstName(i == 0 ? "Ole" : "Per" + std::to_string(id % (country + 3)));
                player.SetSurname(i == 1 ? "Berg" : "Surname" + std::to_string(id % 13));
                player.SetNationality(static_cast<uint8_t>(country));
                club->AddPlayer(id);
            }
        }
    }
    std::atomic<int> asked{0};
    MasterBuildServices services;
    services.badgeUsable = [&asked](const CClub& club) {
        ++asked;
        return club.BadgeFile().back() != '2';
    };
    services.threadSafe = true;
    for (int language : {0, 3}) {
        asked = 0;
        const std::string one = Build(0, language, false, 1, services);
        const int askedByOne = asked.exchange(0);
        const std::string three = Build(0, language, false, 3, services);
        EXPECT_EQ(asked.exchange(0), askedByOne) << "each club's badge is checked once";
        EXPECT_GT(askedByOne, 20);
        EXPECT_GT(one.size(), 5000u);
        EXPECT_TRUE(three == one) << "language " << language << ": sizes " << three.size()
                                  << " and " << one.size();
        EXPECT_TRUE(Build(0, language, true, 1, services) == one);
    }
}

} // namespace
} // namespace tallo
