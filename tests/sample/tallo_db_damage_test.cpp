// The built tallo-db program on damaged databases: what the load finds is said, a damaged
// database is not saved without --accept-damage, a file that could not be read is never written
// over, and a save that fails half-way changes no file.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "sample_test_support.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::ProcessResult;
using test::TempDir;

using Files = std::map<std::string, std::string>;

class TalloDbDamage : public test::TalloDbSampleTest {
protected:
    Files DatabaseFiles() const { return test::ReadFolderFiles(database_); }

    std::string Country(int number) const {
        return database_ + "/Country" + std::to_string(number) + ".sav";
    }

    // Five thousand bytes that are no record file.
    static std::string Noise() {
        std::mt19937 random(60);
        std::string bytes(5000, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random() & 0xFF);
        }
        return bytes;
    }
};

TEST_F(TalloDbDamage, AFileThatCannotBeReadIsReportedAndNeverWrittenOver) {
    // As the superuser permissions bind nothing: a FIFO stands for a file that exists but
    // cannot be read. Otherwise the file's permissions are taken away.
    const std::string path = Country(1);
    const bool root = geteuid() == 0;
    if (root) {
        fs::remove(path);
        ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    } else {
        ASSERT_EQ(chmod(path.c_str(), 0), 0);
    }
    const Files before = DatabaseFiles();

    ProcessResult refused = Run({"resave", database_, database_});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("damaged: " + path + ": cannot be read: "), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("nothing was saved"), std::string::npos) << refused.err;
    EXPECT_EQ(DatabaseFiles(), before);

    // A mapping names the file too and saves nothing.
    ProcessResult map = Run({"map", "clubs", game_, dir_ / "report.txt"});
    EXPECT_EQ(map.exitCode, 1);
    EXPECT_NE(map.err.find(path), std::string::npos) << map.err;
    EXPECT_FALSE(fs::exists(dir_ / "report.txt"));
    EXPECT_EQ(DatabaseFiles(), before);

    // Accepted, the rest is saved and the unreadable file stays what it was.
    ProcessResult accepted = Run({"resave", database_, database_, "--accept-damage"});
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_NE(accepted.err.find("left as it was (it could not be read): " + path),
              std::string::npos)
        << accepted.err;
    struct stat info;
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_EQ(root ? S_ISFIFO(info.st_mode) : (info.st_mode & 07777) == 0, true);
}

TEST_F(TalloDbDamage, AFileCutShortIsReportedWithItsLineAndNotSaved) {
    const std::string path = Country(1);
    std::string text = test::ReadFile(path);
    ASSERT_GT(text.size(), 100000u);
    test::WriteFile(path, text.substr(0, 100000));
    const Files before = DatabaseFiles();

    ProcessResult info = Run({"info", database_});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_NE(info.out.find("Persons:"), std::string::npos); // the counts are still shown
    EXPECT_NE(info.err.find("damaged: " + path + ":"), std::string::npos) << info.err;
    EXPECT_NE(info.err.find(": the file ends before the end of section COUNTRY"), std::string::npos)
        << info.err;
    EXPECT_NE(info.err.find("section CLUBS promises 30 clubs; the file holds "), std::string::npos)
        << info.err;

    ProcessResult resave = Run({"resave", database_, database_});
    EXPECT_EQ(resave.exitCode, 1);
    EXPECT_EQ(DatabaseFiles(), before);
}

TEST_F(TalloDbDamage, AcceptedDamageSavesEveryOtherFileAsAnUndamagedResaveDoes) {
    // The reference: the undamaged database saved elsewhere.
    ASSERT_EQ(Run({"resave", database_, dir_ / "clean", "--install", game_}).exitCode, 0);
    Files clean = test::ReadFolderFiles(dir_ / "clean");

    // Noise in place of a country that has clubs (other countries' players refer to them).
    const std::string noise = Noise();
    test::WriteFile(Country(60), noise);
    const Files before = DatabaseFiles();
    ProcessResult refused = Run({"resave", database_, database_});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find(Country(60) + ": holds no COUNTRY section"), std::string::npos)
        << refused.err;
    EXPECT_EQ(DatabaseFiles(), before);

    ProcessResult accepted = Run({"resave", database_, database_, "--accept-damage"});
    ASSERT_EQ(accepted.exitCode, 0) << accepted.err;
    Files after = DatabaseFiles();
    EXPECT_EQ(after.at("Country60.sav"), noise);
    clean.erase("Country60.sav");
    for (const auto& [name, bytes] : clean) {
        EXPECT_TRUE(after.at(name) == bytes) << name;
    }
}

TEST_F(TalloDbDamage, ACountThatTheFileDoesNotHoldMakesNoClub) {
    const std::string path = Country(1);
    std::string text = test::ReadFile(path);
    const std::string clubs = "%INDEX%CLUBS\r\n30\r\n";
    const size_t at = text.find(clubs);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, clubs.size(), "%INDEX%CLUBS\r\n2000000000\r\n");
    test::WriteFile(path, text);

    ProcessResult info = Run({"info", database_});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_NE(info.out.find("Clubs:                      73\n"), std::string::npos) << info.out;
    EXPECT_NE(info.err.find("section CLUBS promises 2000000000 clubs; the file holds 30"),
              std::string::npos)
        << info.err;

    ProcessResult accepted = Run({"resave", database_, dir_ / "out", "--accept-damage"});
    ASSERT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_NE(test::ReadFile(dir_ / "out/Country1.sav").find(clubs), std::string::npos);
}

TEST_F(TalloDbDamage, ADamagedCountryListIsRefusedBeforeAnythingIsSaved) {
    test::WriteFile(database_ + "/countries.sav", Noise());
    const Files before = DatabaseFiles();
    ProcessResult map = Run({"map", "clubs", game_, dir_ / "report.txt"});
    EXPECT_EQ(map.exitCode, 1);
    EXPECT_NE(map.err.find("countries.sav"), std::string::npos) << map.err;
    EXPECT_EQ(DatabaseFiles(), before);
    EXPECT_FALSE(fs::exists(dir_ / "report.txt"));

    ProcessResult validate = Run({"validate", database_});
    EXPECT_EQ(validate.exitCode, 1);
    EXPECT_EQ(validate.out, "");
}

TEST_F(TalloDbDamage, ValidatePrintsNamesWithoutRawControlBytes) {
    // Country 120's name line of the country list gets a terminal escape sequence.
    std::string list = test::ReadFile(database_ + "/countries.sav");
    size_t line = 0;
    for (int skipped = 0; skipped < 119 * 6; ++skipped) {
        line = list.find('\n', line) + 1;
    }
    list.insert(line, "\x1b[31m");
    test::WriteFile(database_ + "/countries.sav", list);

    ProcessResult validate = Run({"validate", database_, "--country", "120"});
    EXPECT_EQ(validate.exitCode, 0) << validate.err;
    EXPECT_EQ(validate.out.find('\x1b'), std::string::npos);
    EXPECT_NE(validate.out.find("\\x1B[31m"), std::string::npos) << validate.out;
}

TEST_F(TalloDbDamage, ASaveOnAFullDiskChangesNoFileAndSaysWhy) {
    const Files before = DatabaseFiles();
    // Room for the small country files, not for the largest one (some 300 KB).
    const std::vector<std::string> resave = {"resave", database_, database_};
    ProcessResult full = RunWithFileLimit(200 * 1024, resave);
    EXPECT_EQ(full.exitCode, 1) << full.err;
    EXPECT_NE(full.err.find("no file was changed"), std::string::npos) << full.err;
    EXPECT_NE(full.err.find(Country(1) + ": File too large"), std::string::npos) << full.err;
    EXPECT_EQ(full.err.find("writable"), std::string::npos) << full.err;
    EXPECT_EQ(DatabaseFiles(), before);

    ProcessResult map = RunWithFileLimit(200 * 1024, {"map", "clubs", game_, dir_ / "report.txt"});
    EXPECT_EQ(map.exitCode, 1) << map.err;
    EXPECT_NE(map.err.find(Country(1) + ": File too large"), std::string::npos) << map.err;
    EXPECT_EQ(DatabaseFiles(), before);
}

} // namespace
} // namespace tallo
