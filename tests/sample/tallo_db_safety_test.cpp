// The built tallo-db program where a modder's data is at stake: outputs that are devices, pipes,
// folders or files of the database itself; two writers on one database; which installation a
// command takes; commands whose work did not happen; imports that cannot write everything.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "app/world_archive_format.h"
#include "platform/database_lock.h"
#include "sample_test_support.h"
#include "support/fifo_reader.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;
using test::ProcessResult;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

mode_t TypeOf(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// The lines of a text that start with `prefix`.
std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

class TalloDbSafety : public test::TalloDbSampleTest {};

// Row 1: an output that is a FIFO or a device is written into, never replaced by a file.
TEST_F(TalloDbSafety, OutputsThatAreFifosOrDevicesAreWrittenIntoNotReplaced) {
    WriteFile(dir_ / "plain.txt", std::string(5000, 'a') + "some text to pack");
    struct Case {
        std::string name;
        std::vector<std::string> toFile;    // the command writing into dir_/"regular"
        std::vector<std::string> toSpecial; // the same command writing into dir_/"special"
        bool sameBytes;                     // false: a mapping saves, so its second report differs
    };
    const std::string regular = dir_ / "regular";
    const std::string special = dir_ / "special";
    const std::vector<Case> cases = {
        {"pack",
         {"pack", dir_ / "plain.txt", regular},
         {"pack", dir_ / "plain.txt", special},
         true},
        {"build", {"build", game_, "--out", regular}, {"build", game_, "--out", special}, true},
        {"tdb export",
         {"tdb", "export", database_, regular},
         {"tdb", "export", database_, special},
         true},
        {"map", {"map", "clubs", game_, regular}, {"map", "clubs", game_, special}, false},
    };
    for (const Case& command : cases) {
        SCOPED_TRACE(command.name);
        fs::remove(regular);
        ProcessResult file = Run(command.toFile);
        ASSERT_EQ(file.exitCode, 0) << file.err;
        const std::string expected = ReadFile(regular);
        ASSERT_FALSE(expected.empty());

        test::FifoReader fifo(special);
        ASSERT_TRUE(fifo.Ready());
        ProcessResult piped = Run(command.toSpecial);
        const std::string received = fifo.Finish();
        EXPECT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_EQ(TypeOf(special), static_cast<mode_t>(S_IFIFO));
        if (command.sameBytes) {
            EXPECT_EQ(received, expected);
        } else {
            EXPECT_FALSE(received.empty());
        }
        fs::remove(special);
    }

    // A device node: the null device, made in the test's folder.
    const std::string node = dir_ / "null";
    if (mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    }
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"pack", dir_ / "plain.txt", node},
          {"build", game_, "--out", node},
          {"tdb", "export", database_, node}}) {
        ProcessResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments[0] << ": " << result.err;
        EXPECT_EQ(TypeOf(node), static_cast<mode_t>(S_IFCHR)) << arguments[0];
    }
}

// Row 7, and outputs that are folders: refused with a message, every file as it was.
TEST_F(TalloDbSafety, OutputsThatAreFilesOfTheDatabaseOrFoldersAreRefused) {
    const Files before = test::ReadFolderFiles(database_);
    WriteFile(dir_ / "plain.txt", "to pack");
    fs::create_directories(dir_ / "folder");
    WriteFile(dir_ / "folder/keep", "kept");
    struct Case {
        std::vector<std::string> arguments;
        std::string named; // the path the message names
        std::string words;
    };
    const std::vector<Case> cases = {
        {{"build", game_, "--out", database_ + "/Country1.sav"}, "Country1.sav", "being read"},
        {{"build", game_, "--out", database_ + "/countries.sav"}, "countries.sav", "being read"},
        {{"map", "clubs", game_, database_ + "/Country2.sav"}, "Country2.sav", "being read"},
        {{"tdb", "export", database_, database_ + "/Rules.sav"}, "Rules.sav", "being read"},
        {{"pack", dir_ / "plain.txt", dir_ / "plain.txt"}, "plain.txt", "being read"},
        {{"unpack", dir_ / "plain.txt", dir_ / "plain.txt"}, "plain.txt", "being read"},
        {{"pack", dir_ / "plain.txt", dir_ / "folder"}, dir_ / "folder", "is a folder"},
        {{"build", game_, "--out", dir_ / "folder"}, dir_ / "folder", "is a folder"},
        {{"tdb", "export", database_, dir_ / "folder"}, dir_ / "folder", "is a folder"},
        {{"map", "clubs", game_, dir_ / "folder"}, dir_ / "folder", "is a folder"},
    };
    for (const Case& command : cases) {
        ProcessResult result = Run(command.arguments);
        EXPECT_NE(result.exitCode, 0) << command.arguments[0] << " " << command.named;
        EXPECT_NE(result.err.find(command.named), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(command.words), std::string::npos) << result.err;
    }
    EXPECT_TRUE(test::ReadFolderFiles(database_) == before);
    EXPECT_EQ(ReadFile(dir_ / "plain.txt"), "to pack");
    EXPECT_EQ(test::ReadTreeFiles(dir_ / "folder"), (Files{{"keep", "kept"}}));
}

// Row 10: while another program changes a database, a second writer waits a moment, then stops
// and saves nothing. Readers are not held up.
TEST_F(TalloDbSafety, SecondWriterWaitsThenStopsAndSavesNothing) {
    ASSERT_EQ(Run({"tdb", "export", database_, dir_ / "world.tdb"}).exitCode, 0);
    const Files before = test::ReadFolderFiles(database_);
    DatabaseLock other;
    std::string error;
    ASSERT_TRUE(other.Acquire(database_, error)) << error;

    const std::string busy = "the database " + database_ + " is being changed by another program";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"map", "clubs", game_, dir_ / "clubs.txt"},
          {"map", "players", game_, dir_ / "players.txt", "--database", database_},
          {"resave", database_, database_},
          {"tdb", "import", dir_ / "world.tdb", "--install", game_}}) {
        const auto start = std::chrono::steady_clock::now();
        ProcessResult result = Run(arguments);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_NE(result.exitCode, 0) << arguments[0];
        EXPECT_NE(result.err.find(busy), std::string::npos) << result.err;
        EXPECT_EQ(result.out.find("Saved"), std::string::npos) << result.out;
        EXPECT_GE(waited, std::chrono::milliseconds(1900)) << arguments[0];
    }
    EXPECT_FALSE(fs::exists(dir_ / "clubs.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "players.txt"));
    // Nothing was changed, nor added to the folder for the lock.
    EXPECT_TRUE(test::ReadFolderFiles(database_) == before);

    ProcessResult reader = Run({"info", database_});
    EXPECT_EQ(reader.exitCode, 0) << reader.err;

    other.Release();
    ProcessResult mapped = Run({"map", "clubs", game_, dir_ / "clubs.txt"});
    EXPECT_EQ(mapped.exitCode, 0) << mapped.err;
    EXPECT_NE(mapped.out.find("Saved"), std::string::npos);
}

// Row 12: a database folder inside an installation takes that installation, before the
// settings file and the environment, and every command says which one it took.
TEST_F(TalloDbSafety, DatabaseInsideAnInstallationTakesThatInstallation) {
    const std::string other = dir_ / "other";
    ASSERT_EQ(Run({"sample", other, "--seed", "4", "--register"}).exitCode, 0);
    fs::remove_all(other + "/badges");
    fs::create_directories(other + "/badges");

    ProcessResult given = Run({"tdb", "export", database_, dir_ / "given.tdb", "--install", game_});
    ASSERT_EQ(given.exitCode, 0) << given.err;
    std::smatch badges;
    ASSERT_TRUE(std::regex_search(given.out, badges, std::regex("(\\d+) badges")));
    ASSERT_NE(badges[1].str(), "0");
    EXPECT_NE(given.err.find("using the installation " + game_ + " (from --install)"),
              std::string::npos)
        << given.err;

    for (const std::map<std::string, std::string>& environment :
         {std::map<std::string, std::string>{}, {{"TALLO_INSTALL_DIR", other}}}) {
        ProcessResult found = Run({"tdb", "export", database_, dir_ / "found.tdb"}, environment);
        ASSERT_EQ(found.exitCode, 0) << found.err;
        EXPECT_NE(found.out.find(badges[0].str()), std::string::npos) << found.out;
        EXPECT_EQ(ReadFile(dir_ / "found.tdb"), ReadFile(dir_ / "given.tdb"));
        EXPECT_EQ(LinesStartingWith(found.err, "tallo-db: using the installation"),
                  std::vector<std::string>{"tallo-db: using the installation " + game_ +
                                           " (from the folder above the database folder)"});
    }

    // A copy of the database outside any installation: the settings file, and it says so.
    ASSERT_EQ(Run({"resave", database_, dir_ / "copy", "--install", game_}).exitCode, 0);
    ProcessResult copy = Run({"info", dir_ / "copy"});
    ASSERT_EQ(copy.exitCode, 0) << copy.err;
    EXPECT_NE(copy.err.find("using the installation " + other + " (from the settings file)"),
              std::string::npos)
        << copy.err;
}

// Row 11 and the words of failures: a command whose work did not happen ends with a non-zero
// status and says why, naming the path.
TEST_F(TalloDbSafety, CommandsWhoseWorkDidNotHappenFailAndSayWhy) {
    ProcessResult noBadges =
        Run({"tdb", "export", database_, dir_ / "x.tdb", "--badges", dir_ / "nonexistent"});
    EXPECT_NE(noBadges.exitCode, 0);
    EXPECT_NE(noBadges.err.find("the badge folder " + dir_ / "nonexistent" + " does not exist"),
              std::string::npos)
        << noBadges.err;
    EXPECT_FALSE(fs::exists(dir_ / "x.tdb"));

    // An archive with a chunk that the import would refuse.
    WorldArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir_ / "refused.tdb"));
    const std::string payload = std::string("../outside.tga") + '\0' + "bytes";
    ASSERT_TRUE(
        writer.AddChunk("BADG", reinterpret_cast<const uint8_t*>(payload.data()), payload.size()));
    ASSERT_TRUE(writer.Commit());
    ProcessResult list = Run({"tdb", "list", dir_ / "refused.tdb"});
    EXPECT_NE(list.exitCode, 0);
    EXPECT_NE(list.err.find("1 chunk would be refused by the import"), std::string::npos)
        << list.err;

    // A missing or mistyped subcommand names the words that exist.
    ProcessResult badges = Run({"badges"});
    EXPECT_NE(badges.exitCode, 0);
    EXPECT_NE(badges.err.find("tallo-db badges: a subcommand is needed; the subcommands are: "
                              "check"),
              std::string::npos)
        << badges.err;
    ProcessResult mistyped = Run({"tdb", "exprt"});
    EXPECT_NE(mistyped.exitCode, 0);
    EXPECT_NE(mistyped.err.find("no subcommand 'exprt'; the subcommands are: export, import, "
                                "list"),
              std::string::npos)
        << mistyped.err;
    ProcessResult unknown = Run({"infp", database_});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.err.find("no subcommand 'infp'"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("info, resave, validate"), std::string::npos) << unknown.err;

    // Seeds outside 0 to 2^64-1 are refused, not wrapped.
    for (const char* seed : {"-1", "18446744073709551616", "1.5", "x"}) {
        ProcessResult sample = Run({"sample", dir_ / "s", "--seed", seed});
        EXPECT_NE(sample.exitCode, 0) << seed;
        EXPECT_NE(sample.err.find(std::string("the seed '") + seed + "'"), std::string::npos)
            << sample.err;
        EXPECT_FALSE(fs::exists(dir_ / "s")) << seed;
    }
    ProcessResult largest = Run({"sample", dir_ / "s", "--seed", "18446744073709551615"});
    EXPECT_EQ(largest.exitCode, 0) << largest.err;

    // "Does not exist" only when nothing is there; a file where a folder is expected and the
    // reverse are said as such.
    WriteFile(dir_ / "a-file", "x");
    ProcessResult file = Run({"info", dir_ / "a-file", "--install", game_});
    EXPECT_NE(file.exitCode, 0);
    EXPECT_NE(file.err.find(dir_ / "a-file" + " is a file, not a folder"), std::string::npos)
        << file.err;
    ProcessResult folder = Run({"pack", game_, dir_ / "out"});
    EXPECT_NE(folder.exitCode, 0);
    EXPECT_NE(folder.err.find(game_ + " is a folder, not a file"), std::string::npos) << folder.err;
    ProcessResult missing = Run({"big", "list", dir_ / "none.big"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find(dir_ / "none.big" + " does not exist"), std::string::npos)
        << missing.err;
    ProcessResult extract = Run({"big", "extract", game_ + "/badges.big", dir_ / "a-file"});
    EXPECT_NE(extract.exitCode, 0);
    EXPECT_NE(extract.err.find(dir_ / "a-file" + " is a file, not a folder"), std::string::npos)
        << extract.err;
}

// Row 13: an import checks its folders before it writes anything, and one that cannot write
// every file stops at the first, with one message, and leaves every file as it was.
TEST_F(TalloDbSafety, ImportThatCannotWriteEverythingChangesNothing) {
    ASSERT_EQ(Run({"tdb", "export", database_, dir_ / "world.tdb"}).exitCode, 0);
    // The folders hold another database and its badges.
    const std::string older = dir_ / "older";
    ASSERT_EQ(Run({"sample", older, "--seed", "5"}).exitCode, 0);
    const Files databaseBefore = test::ReadFolderFiles(older + "/database");
    const Files badgesBefore = test::ReadTreeFiles(older + "/badges");

    WriteFile(dir_ / "a-file", "not a folder");
    ProcessResult onFile = Run(
        {"tdb", "import", dir_ / "world.tdb", "--install", older, "--database", dir_ / "a-file"});
    EXPECT_NE(onFile.exitCode, 0);
    EXPECT_EQ(LinesStartingWith(onFile.err, "tallo-db tdb import:"),
              std::vector<std::string>{"tallo-db tdb import: the database folder " +
                                       dir_ / "a-file" +
                                       " is a file, not a folder; nothing was imported"});
    EXPECT_EQ(ReadFile(dir_ / "a-file"), "not a folder");
    EXPECT_TRUE(test::ReadTreeFiles(older + "/badges") == badgesBefore);

    // The largest country file is over the limit; many others are under it.
    ProcessResult full =
        RunWithFileLimit(100 * 1024, {"tdb", "import", dir_ / "world.tdb", "--install", older});
    EXPECT_NE(full.exitCode, 0);
    EXPECT_TRUE(test::ReadFolderFiles(older + "/database") == databaseBefore);
    EXPECT_TRUE(test::ReadTreeFiles(older + "/badges") == badgesBefore);
    const std::vector<std::string> lines = LinesStartingWith(full.err, "tallo-db tdb import:");
    ASSERT_EQ(lines.size(), 1u) << full.err;
    EXPECT_NE(lines[0].find(older + "/database/Country"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(std::strerror(EFBIG)), std::string::npos) << lines[0];

    // Without the limit the same import goes through.
    ProcessResult imported = Run({"tdb", "import", dir_ / "world.tdb", "--install", older});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(ReadFile(older + "/database/Country1.sav"), ReadFile(database_ + "/Country1.sav"));
}

} // namespace
} // namespace tallo
