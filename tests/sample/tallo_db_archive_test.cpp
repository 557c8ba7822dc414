// The built tallo-db program on archives: tdb export, import and list of the small sample and of
// hostile archives, big list and extract, pack and unpack.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/world_archive_format.h"
#include "assets/big_writer.h"
#include "platform/path_resolver.h"
#include "sample_test_support.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::ProcessResult;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class TalloDbArchives : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = test::BuiltProgram("tools/tallo-db");
        ASSERT_FALSE(program_.empty()) << "tools/tallo-db is not built";
    }

    ProcessResult Run(const std::vector<std::string>& arguments) {
        return test::RunProcess(program_, arguments,
                                {{"TALLO_INSTALL_DIR", ""},
                                 {"XDG_CONFIG_HOME", dir_ / "config"},
                                 {"TALLO_DOCUMENTS_DIR", dir_ / "documents"}});
    }

    // An archive written chunk by chunk; each payload is packed by the writer.
    void WriteArchive(const std::string& path,
                      const std::vector<std::pair<std::string, std::string>>& chunks) {
        WorldArchiveWriter writer;
        ASSERT_TRUE(writer.Create(path));
        for (const auto& [tag, payload] : chunks) {
            ASSERT_TRUE(writer.AddChunk(tag, reinterpret_cast<const uint8_t*>(payload.data()),
                                        payload.size()));
        }
        ASSERT_TRUE(writer.Commit());
    }

    // No regular file below the test folder holds `text`, archives aside.
    void ExpectNowhere(const std::string& text) {
        for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_regular_file() && extension != ".tdb" && extension != ".big") {
                EXPECT_EQ(ReadFile(entry.path().string()).find(text), std::string::npos)
                    << entry.path();
            }
        }
    }

    static std::string Named(const std::string& name, const std::string& bytes) {
        return name + std::string(1, '\0') + bytes;
    }

    std::string program_;
    TempDir dir_;
};

TEST_F(TalloDbArchives, ExportThenImportIntoAFreshDatabaseGivesTheSameFiles) {
    const std::string game = dir_ / "game";
    ASSERT_EQ(Run({"sample", game, "--scale", "small", "--seed", "7"}).exitCode, 0);
    ProcessResult exported =
        Run({"tdb", "export", game + "/database", dir_ / "world.tdb", "--install", game});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find("206 countries"), std::string::npos) << exported.out;
    // The scratch database did not go into the documents folder.
    EXPECT_FALSE(fs::exists(dir_ / "documents/Database/tempExport"));

    ProcessResult listed = Run({"tdb", "list", dir_ / "world.tdb"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find(" COUN 206"), std::string::npos) << listed.out;

    const std::string fresh = dir_ / "fresh";
    fs::create_directories(fresh + "/database");
    fs::copy_file(game + "/database/countries.sav", fresh + "/database/countries.sav");
    ProcessResult imported = Run({"tdb", "import", dir_ / "world.tdb", "--install", fresh});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;

    // Every country file comes back as it was; the rules and the players without a club are
    // not part of a world archive.
    const auto original = test::ReadFolderFiles(game + "/database");
    const auto copied = test::ReadFolderFiles(fresh + "/database");
    size_t countries = 0;
    for (const auto& [name, bytes] : original) {
        if (name.rfind("Country", 0) == 0) {
            ++countries;
            ASSERT_EQ(copied.count(name), 1u) << name;
            EXPECT_TRUE(copied.at(name) == bytes) << name;
        }
    }
    EXPECT_EQ(countries, 206u);
    EXPECT_EQ(copied.size(), 207u); // and countries.sav
    EXPECT_EQ(copied.count("Rules.sav"), 0u);

    // The badges the clubs use come back with the same bytes.
    size_t badges = 0;
    if (fs::exists(fresh + "/badges")) {
        for (const auto& entry : fs::recursive_directory_iterator(fresh + "/badges")) {
            if (entry.is_regular_file()) {
                ++badges;
                const std::string relative = fs::relative(entry.path(), fresh + "/badges").string();
                EXPECT_EQ(ReadFile(entry.path().string()),
                          ReadFile(ResolvePath(game + "/badges/" + relative)))
                    << relative;
            }
        }
    }
    EXPECT_NE(imported.out.find(std::to_string(badges) + " badges"), std::string::npos)
        << imported.out;
}

TEST_F(TalloDbArchives, HostileArchiveWritesNothingOutsideItsFolders) {
    const std::string archive = dir_ / "hostile.tdb";
    WriteArchive(archive, {
                              {"BADG", Named("..\\..\\escaped.tga", "evil badge")},
                              {"BADG", Named("/tmp/absolute.tga", "evil badge")},
                              {"PLIM", Named("C:\\pictures\\x.jpg", "evil picture")},
                              {"COUN", std::string("\x2C\x01\x00\x00", 4) + "evil country"},
                              {"BADG", Named("ger\\Badge180\\good.tga", "good badge")},
                          });
    // Listed whole, but an archive the import would refuse in part fails the check.
    ProcessResult listed = Run({"tdb", "list", archive});
    EXPECT_NE(listed.exitCode, 0);
    EXPECT_NE(listed.err.find("4 chunks would be refused by the import"), std::string::npos)
        << listed.err;
    EXPECT_NE(listed.out.find("country 300 (outside 1-206"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("leads outside its folder"), std::string::npos);

    ProcessResult imported =
        Run({"tdb", "import", archive, "--database", dir_ / "out/database", "--badges",
             dir_ / "out/badges", "--pictures", dir_ / "out/pictures"});
    EXPECT_NE(imported.exitCode, 0);
    EXPECT_NE(imported.err.find("..\\..\\escaped.tga"), std::string::npos) << imported.err;
    EXPECT_NE(imported.out.find("1 badges"), std::string::npos) << imported.out;
    EXPECT_EQ(ReadFile(dir_ / "out/badges/ger/Badge180/good.tga"), "good badge");
    ExpectNowhere("evil");
    EXPECT_FALSE(fs::exists("/tmp/absolute.tga") &&
                 ReadFile("/tmp/absolute.tga").find("evil badge") != std::string::npos);
}

TEST_F(TalloDbArchives, DamagedArchiveIsImportedUpToTheDamage) {
    const std::string archive = dir_ / "damaged.tdb";
    WriteArchive(archive, {{"COUN", std::string("\x05\x00\x00\x00", 4) + "five"},
                           {"COUN", std::string("\x06\x00\x00\x00", 4) + "six"}});
    // Spoil the second chunk's packed data (its announced size no longer matches), keeping
    // the file's length right.
    std::string bytes = ReadFile(archive);
    const size_t second = bytes.rfind("COUN");
    ASSERT_NE(second, std::string::npos);
    bytes[second + 8 + 4] = 0x7F;
    WriteFile(archive, bytes);

    ProcessResult listed = Run({"tdb", "list", archive});
    EXPECT_NE(listed.exitCode, 0);
    EXPECT_NE(listed.err.find("damaged"), std::string::npos) << listed.err;

    ProcessResult imported = Run({"tdb", "import", archive, "--database", dir_ / "db", "--badges",
                                  dir_ / "b", "--pictures", dir_ / "p"});
    EXPECT_NE(imported.exitCode, 0);
    EXPECT_NE(imported.err.find("stopped at offset " + std::to_string(second)), std::string::npos)
        << imported.err;
    EXPECT_EQ(ReadFile(dir_ / "db/Country5.sav"), "five");
    EXPECT_FALSE(fs::exists(dir_ / "db/Country6.sav"));

    // A file that is not an archive at all imports nothing.
    WriteFile(dir_ / "plain.tdb", "FORM but not really");
    ProcessResult plain = Run({"tdb", "import", dir_ / "plain.tdb", "--database", dir_ / "db2",
                               "--badges", dir_ / "b", "--pictures", dir_ / "p"});
    EXPECT_NE(plain.exitCode, 0);
    EXPECT_NE(plain.err.find("not a valid world archive"), std::string::npos) << plain.err;
    EXPECT_FALSE(fs::exists(dir_ / "db2"));
}

TEST_F(TalloDbArchives, BigExtractSkipsNamesThatLeaveTheFolder) {
    BigWriter writer;
    ASSERT_TRUE(writer.AddEntry("Badges\\GER\\Badge180\\one.tga", std::string(300, 'a'), true));
    ASSERT_TRUE(writer.AddEntry("..\\escaped.txt", "evil entry"));
    ASSERT_TRUE(writer.AddEntry("Badges\\GER\\Badge180\\ONE.TGA", "a second copy"));
    ASSERT_TRUE(writer.AddEntry("Badges\\GER\\Badge14\\one.tga", "small"));
    ASSERT_TRUE(writer.Write(dir_ / "badges.big"));

    ProcessResult listed = Run({"big", "list", dir_ / "badges.big"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("Entries: 4"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\t300\tBadges\\GER\\Badge180\\one.tga"), std::string::npos)
        << listed.out;

    ProcessResult extracted = Run({"big", "extract", dir_ / "badges.big", dir_ / "x/out"});
    EXPECT_NE(extracted.exitCode, 0);
    EXPECT_NE(extracted.err.find("..\\escaped.txt"), std::string::npos) << extracted.err;
    // Unpacked, and the first of two entries of one name wins.
    EXPECT_EQ(ReadFile(dir_ / "x/out/Badges/GER/Badge180/one.tga"), std::string(300, 'a'));
    EXPECT_EQ(ReadFile(dir_ / "x/out/Badges/GER/Badge14/one.tga"), "small");
    ExpectNowhere("evil entry");

    ProcessResult one =
        Run({"big", "extract", dir_ / "badges.big", dir_ / "y", "badges\\ger\\badge14\\ONE.tga"});
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(ReadFile(dir_ / "y/Badges/GER/Badge14/one.tga"), "small");
    EXPECT_FALSE(fs::exists(dir_ / "y/Badges/GER/Badge180"));

    WriteFile(dir_ / "not.big", "BIGF too short");
    EXPECT_NE(Run({"big", "list", dir_ / "not.big"}).exitCode, 0);
}

TEST_F(TalloDbArchives, PackAndUnpackRoundTripAndRefuseDamage) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "PLAYER line " + std::to_string(i % 7) + "\r\n";
    }
    WriteFile(dir_ / "plain.txt", text);
    ProcessResult packed = Run({"pack", dir_ / "plain.txt", dir_ / "plain.pk"});
    ASSERT_EQ(packed.exitCode, 0) << packed.err;
    const std::string block = ReadFile(dir_ / "plain.pk");
    EXPECT_LT(block.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(block[0]), 0x10);
    EXPECT_EQ(static_cast<unsigned char>(block[1]), 0xFB);
    ProcessResult unpacked = Run({"unpack", dir_ / "plain.pk", dir_ / "back.txt"});
    ASSERT_EQ(unpacked.exitCode, 0) << unpacked.err;
    EXPECT_EQ(ReadFile(dir_ / "back.txt"), text);
    // No progress line when standard error is not a terminal.
    EXPECT_EQ(unpacked.err, "");

    WriteFile(dir_ / "cut.pk", block.substr(0, block.size() / 2));
    ProcessResult cut = Run({"unpack", dir_ / "cut.pk", dir_ / "cut.txt"});
    EXPECT_NE(cut.exitCode, 0);
    EXPECT_FALSE(fs::exists(dir_ / "cut.txt"));
    EXPECT_NE(Run({"unpack", dir_ / "missing.pk", dir_ / "m.txt"}).exitCode, 0);
}

} // namespace
} // namespace tallo
