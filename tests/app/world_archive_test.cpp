// World archives: the file layout (golden bytes, damaged and hostile archives), the export of a
// hand-made world and its import, cancelling, failures and the safety copy.

#include "app/world_archive_format.h"
#include "app/world_export.h"
#include "app/world_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/database_folders.h"
#include "assets/packed_block.h"
#include "formats/string_table.h"
#include "platform/environment.h"
#include "platform/path_resolver.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Little32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string Packed(const std::string& payload) {
    std::vector<uint8_t> block =
        PackBlock(reinterpret_cast<const uint8_t*>(payload.data()), payload.size());
    return std::string(block.begin(), block.end());
}

std::string Chunk(const std::string& tag, const std::string& packed) {
    return tag + Little32(static_cast<uint32_t>(packed.size())) + packed;
}

std::string Named(const std::string& name, const std::string& bytes) {
    return name + std::string(1, '\0') + bytes;
}

std::string CountryPayload(uint32_t number, const std::string& bytes) {
    return Little32(number) + bytes;
}

// "FORM", the length of the whole file, then the chunks as given.
std::string Archive(const std::string& chunks) {
    return "FORM" + Little32(static_cast<uint32_t>(8 + chunks.size())) + chunks;
}

std::vector<ArchiveChunk> ReadAll(const std::string& path, WorldArchiveReader::Status& last) {
    std::vector<ArchiveChunk> chunks;
    WorldArchiveReader reader;
    if (!reader.Open(path)) {
        last = WorldArchiveReader::Status::Damaged;
        return chunks;
    }
    ArchiveChunk chunk;
    while ((last = reader.Next(chunk)) == WorldArchiveReader::Status::Chunk) {
        chunks.push_back(chunk);
    }
    return chunks;
}

std::string PayloadText(const ArchiveChunk& chunk) {
    return std::string(chunk.payload.begin(), chunk.payload.end());
}

// Format ---------------------------------------------------------------------------------------

TEST(WorldArchiveFormat, WriterGivesTheHandWrittenBytes) {
    TempDir dir;
    WorldArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "out.tdb"));
    const std::string payload = Named("a", "b");
    ASSERT_TRUE(writer.AddChunk(kBadgeTag, reinterpret_cast<const uint8_t*>(payload.data()),
                                payload.size()));
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFile(dir / "out.tdb"), ReadFile(test::FixturePath("tdb/one_badge.tdb")));
    // Only the archive is left: no temporary file beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(WorldArchiveFormat, ReaderTakesTheHandWrittenArchive) {
    WorldArchiveReader::Status last;
    const auto chunks = ReadAll(test::FixturePath("tdb/one_badge.tdb"), last);
    EXPECT_EQ(last, WorldArchiveReader::Status::End);
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].tag, "BADG");
    EXPECT_EQ(chunks[0].kind, ArchiveChunkKind::Badge);
    EXPECT_EQ(chunks[0].offset, 8u);
    std::string name;
    size_t offset = 0;
    ASSERT_TRUE(ParseNamedPayload(chunks[0].payload, name, offset));
    EXPECT_EQ(name, "a");
    EXPECT_EQ(PayloadText(chunks[0]).substr(offset), "b");
}

TEST(WorldArchiveFormat, TagsHaveTheirKinds) {
    EXPECT_EQ(ChunkKindOf("COUN"), ArchiveChunkKind::Country);
    EXPECT_EQ(ChunkKindOf("CLUB"), ArchiveChunkKind::Club);
    EXPECT_EQ(ChunkKindOf("PLAY"), ArchiveChunkKind::Player);
    EXPECT_EQ(ChunkKindOf("KIT "), ArchiveChunkKind::Kit);
    EXPECT_EQ(ChunkKindOf("PLIM"), ArchiveChunkKind::Picture);
    EXPECT_EQ(ChunkKindOf("KIT"), ArchiveChunkKind::Other);
    EXPECT_EQ(ChunkKindOf("coun"), ArchiveChunkKind::Other);
}

TEST(WorldArchiveFormat, PayloadsWithoutNameOrNumberAreRefused) {
    std::string name;
    size_t offset = 0;
    EXPECT_FALSE(ParseNamedPayload({}, name, offset));
    EXPECT_FALSE(ParseNamedPayload({'a', 'b'}, name, offset)); // no zero byte
    EXPECT_FALSE(ParseNamedPayload({0, 'a'}, name, offset));   // empty name
    std::vector<uint8_t> longName(kMaxChunkNameLength + 1, 'x');
    longName.push_back(0);
    EXPECT_FALSE(ParseNamedPayload(longName, name, offset)); // zero byte past the name limit
    longName.erase(longName.begin());
    EXPECT_TRUE(ParseNamedPayload(longName, name, offset));
    EXPECT_EQ(name.size(), kMaxChunkNameLength);
    uint32_t number = 0;
    EXPECT_FALSE(ParseCountryPayload({1, 0, 0}, number, offset));
    EXPECT_TRUE(ParseCountryPayload({206, 0, 0, 0}, number, offset));
    EXPECT_EQ(number, 206u);
    EXPECT_EQ(offset, 4u);
}

TEST(WorldArchiveFormat, UnsoundHeadersAreRefusedAtOpen) {
    TempDir dir;
    const std::map<std::string, std::string> cases = {
        {"short", "FORM\x08"},
        {"magic", "FORX" + Little32(8)},
        {"longer", "FORM" + Little32(9)},
        {"shorter", Archive(Chunk("COUN", Packed(CountryPayload(1, "x")))).substr(0, 20)},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : cases) {
        WriteFile(dir / name, bytes);
        WorldArchiveReader reader;
        EXPECT_FALSE(reader.Open(dir / name)) << name;
        EXPECT_FALSE(reader.Error().empty()) << name;
    }
    WorldArchiveReader reader;
    EXPECT_FALSE(reader.Open(dir / "missing"));
    EXPECT_FALSE(reader.Open(dir.Path())); // a folder
}

TEST(WorldArchiveFormat, ReadingStopsAtTheFirstDamageAndSaysWhere) {
    TempDir dir;
    const std::string good = Chunk("COUN", Packed(CountryPayload(3, "three")));
    std::string corrupt = Packed("some payload bytes");
    corrupt[2] = 0x40; // announces far more than the stream gives
    const std::map<std::string, std::string> damage = {
        {"zero length", "COUN" + Little32(0)},
        {"past the end", "COUN" + Little32(1000) + "xx"},
        {"half header", "COU"},
        {"not packed", Chunk("COUN", "plain bytes")},
        {"wrong size", Chunk("COUN", corrupt)},
        {"huge length", "COUN" + Little32(0xFFFFFFFFu) + "x"},
    };
    for (const auto& [name, bytes] : damage) {
        const std::string path = dir / "archive.tdb";
        WriteFile(path, Archive(good + bytes + good));
        WorldArchiveReader reader;
        ASSERT_TRUE(reader.Open(path)) << name;
        ArchiveChunk chunk;
        ASSERT_EQ(reader.Next(chunk), WorldArchiveReader::Status::Chunk) << name;
        EXPECT_EQ(reader.Next(chunk), WorldArchiveReader::Status::Damaged) << name;
        EXPECT_EQ(reader.DamageOffset(), 8 + good.size()) << name;
        EXPECT_NE(reader.Error().find(std::to_string(8 + good.size())), std::string::npos)
            << reader.Error();
        // It stays stopped.
        EXPECT_EQ(reader.Next(chunk), WorldArchiveReader::Status::Damaged) << name;
    }
}

TEST(WorldArchiveFormat, EveryCutAndSpoiledByteEndsCleanly) {
    TempDir dir;
    const std::string whole =
        Archive(Chunk("COUN", Packed(CountryPayload(1, std::string(300, 'c') + "end"))) +
                Chunk("BADG", Packed(Named("a/b.tga", "badge bytes badge bytes"))) +
                Chunk("PLIM", Packed(Named("p.jpg", ""))));
    const std::string path = dir / "archive.tdb";
    auto readToTheEnd = [&](const std::string& bytes) {
        WriteFile(path, bytes);
        WorldArchiveReader reader;
        if (!reader.Open(path)) {
            return 0;
        }
        ArchiveChunk chunk;
        int chunks = 0;
        WorldArchiveReader::Status status;
        while ((status = reader.Next(chunk)) == WorldArchiveReader::Status::Chunk) {
            ++chunks;
            EXPECT_LE(reader.Position(), bytes.size());
        }
        return status == WorldArchiveReader::Status::End ? chunks : -1;
    };
    ASSERT_EQ(readToTheEnd(whole), 3);
    for (size_t cut = 8; cut < whole.size(); ++cut) {
        // A cut file whose header was made to agree with it: whole chunks before the cut
        // are read, then the reader stops at the damage.
        std::string bytes = whole.substr(0, cut);
        bytes.replace(4, 4, Little32(static_cast<uint32_t>(cut)));
        EXPECT_LE(readToTheEnd(bytes), 2) << cut;
    }
    for (size_t at = 8; at < whole.size(); ++at) {
        std::string bytes = whole;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
        readToTheEnd(bytes); // must end, and never read or write past a buffer
    }
}

TEST(WorldArchiveFormat, DiscardedArchiveLeavesNothingAndKeepsTheOldFile) {
    TempDir dir;
    const std::string target = dir / "old.tdb";
    WriteFile(target, "old archive");
    {
        WorldArchiveWriter writer;
        ASSERT_TRUE(writer.Create(target));
        ASSERT_TRUE(writer.AddChunk("COUN", std::vector<uint8_t>{1, 0, 0, 0}));
        // Not committed: going away discards it.
    }
    EXPECT_EQ(ReadFile(target), "old archive");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

    WorldArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "new.tdb"));
    EXPECT_FALSE(writer.AddChunk("TOOLONG", std::vector<uint8_t>{1}));
    writer.Discard();
    EXPECT_FALSE(writer.Commit());
    EXPECT_FALSE(fs::exists(dir / "new.tdb"));
    EXPECT_FALSE(writer.Create(dir / "no such folder/x.tdb"));
}

// Export and import ------------------------------------------------------------------------------

// An installation in a temporary folder with a small hand-made world: country 1 with two clubs
// (one with a badge in four sizes, one player with a picture), every other country empty.
class WorldArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.Set("TALLO_DOCUMENTS_DIR", dir_ / "documents");
        folders_ = std::make_unique<DatabaseFolders>(env_);
        fs::create_directories(dir_ / "install/database");
        fs::create_directories(dir_ / "own");

        world_.LoadCountryList(dir_ / "no countries.sav");
        world_.SetDatabaseFolder(dir_ / "own");
        CCountry* country = world_.GetCountry(1);
        country->SetName(0, "Atlantis");
        CClub* first = country->CreateClub("First Club");
        first->SetBadgeFile("ATL\\BADGE180\\FIRST.TGA");
        CClub* second = country->CreateClub("Second Club");
        CPlayer* player = world_.CreatePlayer(0, true);
        player->SetPhoto("faces\\p1.jpg");
        second->AddPlayer(player->Id());
        CPlayer* other = world_.CreatePlayer(0, true);
        other->SetPhoto("faces\\p1.jpg"); // the same picture again: exported once
        second->AddPlayer(other->Id());

        for (int size : {180, 74, 48, 14}) {
            const std::string folder = dir_ / ("badges/ATL/Badge" + std::to_string(size));
            fs::create_directories(folder);
            WriteFile(folder + "/FIRST.TGA", "badge " + std::to_string(size));
        }
        fs::create_directories(dir_ / "pictures/faces");
        WriteFile(dir_ / "pictures/faces/p1.jpg", "picture one");

        exportSetup_.folders = folders_.get();
        exportSetup_.badgesFolder = dir_ / "badges";
        exportSetup_.pictureFolder = dir_ / "pictures";
    }

    WorldImportSetup ImportSetup(const std::string& prefix) {
        WorldImportSetup setup;
        setup.installFolder = dir_ / (prefix + "install");
        setup.badgesFolder = dir_ / (prefix + "badges");
        setup.pictureFolder = dir_ / (prefix + "pictures");
        setup.reload = [this](CWorld& world, const std::string& folder) {
            reloadedFrom_.push_back(folder);
            world.LoadCountryList(dir_ / "no countries.sav");
            return world.LoadAll(folder);
        };
        return setup;
    }

    TempDir dir_;
    MapEnvironment env_;
    std::unique_ptr<DatabaseFolders> folders_;
    CWorld world_;
    WorldExportSetup exportSetup_;
    std::vector<std::string> reloadedFrom_;
    RecordingProgress progress_;
};

TEST_F(WorldArchiveTest, ExportWritesEveryCountryAndEachFileOnce) {
    WorldExportReport report;
    ASSERT_TRUE(ExportWorldArchive(world_, dir_ / "world.tdb", exportSetup_, progress_, report))
        << report.failure;
    EXPECT_TRUE(report.written);
    EXPECT_EQ(report.countries, 206u);
    EXPECT_EQ(report.badges, 4u);
    EXPECT_EQ(report.pictures, 1u);

    WorldArchiveReader::Status last;
    const auto chunks = ReadAll(dir_ / "world.tdb", last);
    EXPECT_EQ(last, WorldArchiveReader::Status::End);
    std::map<std::string, int> tags;
    for (const ArchiveChunk& chunk : chunks) {
        ++tags[chunk.tag];
    }
    EXPECT_EQ(tags["COUN"], 206);
    EXPECT_EQ(tags["BADG"], 4);
    EXPECT_EQ(tags["PLIM"], 1);
    // Country 1 comes first and holds the file the editor writes.
    uint32_t number = 0;
    size_t offset = 0;
    ASSERT_TRUE(ParseCountryPayload(chunks[0].payload, number, offset));
    EXPECT_EQ(number, 1u);
    EXPECT_NE(PayloadText(chunks[0]).find("Atlantis"), std::string::npos);

    // Range: every club of every country (206 national teams and the two clubs).
    const auto range = progress_.Last(ProgressCall::Kind::Range);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->second, 208);
    EXPECT_EQ(progress_.Last(ProgressCall::Kind::Position)->first, 208);
    // The world is back in its own folder and the scratch database is gone.
    EXPECT_EQ(world_.DatabaseFolder(), dir_ / "own");
    EXPECT_FALSE(fs::exists(dir_ / "documents/Database/tempExport"));
    EXPECT_FALSE(fs::exists(dir_ / "own/Country1.sav")); // nothing saved into its own folder
}

TEST_F(WorldArchiveTest, ImportOfAnExportGivesTheSameFiles) {
    WorldExportReport exported;
    ASSERT_TRUE(ExportWorldArchive(world_, dir_ / "world.tdb", exportSetup_, progress_, exported));
    // The files the export saved, for comparison.
    world_.SetDatabaseFolder(dir_ / "saved");
    fs::create_directories(dir_ / "saved");
    ASSERT_TRUE(world_.SaveAll(nullptr));

    CWorld fresh;
    fresh.LoadCountryList(dir_ / "no countries.sav");
    fresh.SetLanguage(3);
    fresh.selectedCountry = 99;
    fresh.continent = 4;
    WorldImportReport report;
    ASSERT_TRUE(
        ImportWorldArchive(fresh, dir_ / "world.tdb", ImportSetup("new-"), progress_, report))
        << report.ProblemLines().front();
    EXPECT_EQ(report.countries, 206u);
    EXPECT_EQ(report.badges, 4u);
    EXPECT_EQ(report.pictures, 1u);
    for (int number = 1; number <= 206; ++number) {
        const std::string name = "/Country" + std::to_string(number) + ".sav";
        ASSERT_EQ(ReadFile(dir_ / ("new-install/database" + name)),
                  ReadFile(dir_ / ("saved" + name)))
            << name;
    }
    for (int size : {180, 74, 48, 14}) {
        EXPECT_EQ(ReadFile(ResolvePath(
                      dir_ / ("new-badges/ATL/Badge" + std::to_string(size) + "/FIRST.TGA"))),
                  "badge " + std::to_string(size));
    }
    EXPECT_EQ(ReadFile(dir_ / "new-pictures/faces/p1.jpg"), "picture one");

    // The world was loaded again from the game's database folder, with its settings reset.
    ASSERT_EQ(reloadedFrom_.size(), 1u);
    EXPECT_EQ(reloadedFrom_[0], dir_ / "new-install/database");
    EXPECT_TRUE(report.reloaded);
    EXPECT_EQ(fresh.DatabaseFolder(), dir_ / "new-install/database");
    EXPECT_EQ(fresh.Language(), 1);
    EXPECT_EQ(fresh.selectedCountry, 14);
    EXPECT_EQ(fresh.continent, 0);
    EXPECT_EQ(fresh.GetCountry(1)->GetOrdinaryClubCount(), 2u);
    EXPECT_EQ(fresh.GetCountry(1)->GetClubByPosition(0)->Name(0), "First Club");
}

TEST_F(WorldArchiveTest, CancelledExportWritesNoArchiveAndKeepsTheOldOne) {
    WriteFile(dir_ / "world.tdb", "an older archive");
    WorldExportReport report;
    CLongtimeExportWorld operation(dir_ / "world.tdb",
                                   MakeExportWork(world_, exportSetup_, report));
    progress_.CancelAtPosition(1);
    EXPECT_EQ(operation.RunWithProgress(progress_), LongtimeResult::Cancelled);
    EXPECT_TRUE(report.cancelled);
    EXPECT_FALSE(report.written);
    // The archive the user had under that name is not lost by cancelling.
    EXPECT_EQ(ReadFile(dir_ / "world.tdb"), "an older archive");
    // No temporary file either, the scratch database is gone and the world is back.
    for (const auto& entry : fs::directory_iterator(dir_.Path())) {
        EXPECT_EQ(entry.path().filename().string().rfind(".tdb-", 0), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir_ / "documents/Database/tempExport"));
    EXPECT_EQ(world_.DatabaseFolder(), dir_ / "own");
}

TEST_F(WorldArchiveTest, ExportStopsWhenTheScratchDatabaseCannotBeMade) {
    WriteFile(dir_ / "documents", "a file where the documents folder should be");
    ScriptedPrompt prompt;
    WorldExportReport report;
    EXPECT_EQ(ExportWorld(world_, dir_ / "world.tdb", exportSetup_, progress_, prompt, "Editor", {},
                          &report),
              LongtimeResult::Failed);
    EXPECT_FALSE(fs::exists(dir_ / "world.tdb"));
    EXPECT_NE(report.failure.find("tempExport"), std::string::npos);
    // Nothing was saved anywhere, least of all into the database's own folder.
    EXPECT_FALSE(fs::exists(dir_ / "own/Country1.sav"));
    EXPECT_EQ(world_.DatabaseFolder(), dir_ / "own");
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_EQ(prompt.Calls()[0].text, LoadString(798));
}

TEST_F(WorldArchiveTest, ExportThatCannotCreateTheArchiveReportsAndCleansUp) {
    ScriptedPrompt prompt;
    WorldExportReport report;
    EXPECT_EQ(ExportWorld(world_, dir_ / "missing/world.tdb", exportSetup_, progress_, prompt,
                          "Editor", {}, &report),
              LongtimeResult::Failed);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_FALSE(fs::exists(dir_ / "documents/Database/tempExport"));
    EXPECT_EQ(world_.DatabaseFolder(), dir_ / "own");
}

TEST_F(WorldArchiveTest, PictureNamesThatLeaveTheirFolderAreNotExported) {
    WriteFile(dir_ / "secret.txt", "not for the archive");
    CPlayer* player = world_.CreatePlayer(0, true);
    player->SetPhoto("..\\secret.txt");
    world_.GetCountry(1)->GetClubByPosition(0)->AddPlayer(player->Id());
    WorldExportReport report;
    ASSERT_TRUE(ExportWorldArchive(world_, dir_ / "world.tdb", exportSetup_, progress_, report));
    ASSERT_EQ(report.refusedNames.size(), 1u);
    EXPECT_EQ(report.refusedNames[0], "..\\secret.txt");
    EXPECT_EQ(ReadFile(dir_ / "world.tdb").find("not for the archive"), std::string::npos);
    EXPECT_EQ(report.pictures, 1u);
}

TEST_F(WorldArchiveTest, HostileNamesWriteNothingOutsideTheirFolders) {
    fs::create_directories(dir_ / "elsewhere");
    fs::create_directories(dir_ / "h-badges");
    fs::create_directory_symlink(dir_ / "elsewhere", dir_ / "h-badges/link");
    const std::vector<std::string> hostile = {
        "../escaped.tga",
        "..\\escaped.tga",
        "/abs/escaped.tga",
        "\\abs\\escaped.tga",
        "C:\\escaped.tga",
        "c:escaped.tga",
        "a\\..\\..\\esc.tga",
        "a/../../esc.tga",
        "link/escaped.tga",
        "ok/../../esc.tga",
        "dir/",
        ". ./escaped.tga",
    };
    std::string chunks;
    for (const std::string& name : hostile) {
        chunks += Chunk("BADG", Packed(Named(name, "evil")));
    }
    chunks += Chunk("PLIM", Packed(Named("../../escaped.jpg", "evil")));
    chunks += Chunk("COUN", Packed(CountryPayload(0, "evil")));
    chunks += Chunk("COUN", Packed(CountryPayload(207, "evil")));
    chunks += Chunk("COUN", Packed(std::string("\x01\x00", 2)));
    chunks += Chunk("BADG", Packed(std::string("no name")));
    chunks += Chunk("BADG", Packed(Named("good/fine.tga", "good")));
    chunks += Chunk("KIT ", Packed("kit data"));
    chunks += Chunk("CLUB", Packed("club data"));
    WriteFile(dir_ / "hostile.tdb", Archive(chunks));

    WorldImportReport report;
    EXPECT_FALSE(
        ImportWorldArchive(world_, dir_ / "hostile.tdb", ImportSetup("h-"), progress_, report));
    EXPECT_EQ(report.refused.size(), hostile.size() + 5);
    EXPECT_EQ(report.badges, 1u);
    EXPECT_EQ(report.otherChunks, 2u);
    EXPECT_EQ(ReadFile(dir_ / "h-badges/good/fine.tga"), "good");
    // Nothing anywhere but the one good badge.
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) {
        if (entry.is_regular_file() && entry.path().extension() != ".tdb") {
            EXPECT_EQ(ReadFile(entry.path().string()).find("evil"), std::string::npos)
                << entry.path();
        }
    }
    EXPECT_TRUE(fs::is_empty(dir_ / "elsewhere"));
    EXPECT_FALSE(fs::exists(dir_ / "h-install/database/Country0.sav"));
    // One badge was written, so the world was loaded again.
    EXPECT_EQ(reloadedFrom_.size(), 1u);
}

TEST_F(WorldArchiveTest, AFailingWriteInTheMiddleOfAnImportLeavesEveryOldFileAsItWas) {
    // Old files in place, and a folder where the second badge would go.
    fs::create_directories(dir_ / "f-install/database");
    WriteFile(dir_ / "f-install/database/Country1.sav", "old country");
    fs::create_directories(dir_ / "f-badges/Small/b.tga");
    WriteFile(dir_ / "f-badges/SMALL/a.tga", "old a");
    std::string chunks;
    chunks += Chunk("COUN", Packed(CountryPayload(1, "new country")));
    chunks += Chunk("BADG", Packed(Named("small\\A.TGA", "new a")));
    chunks += Chunk("BADG", Packed(Named("Small\\b.tga", "new b")));
    chunks += Chunk("BADG", Packed(Named("Small\\c.tga", "new c")));
    WriteFile(dir_ / "failing.tdb", Archive(chunks));

    WorldImportReport report;
    EXPECT_FALSE(
        ImportWorldArchive(world_, dir_ / "failing.tdb", ImportSetup("f-"), progress_, report));
    ASSERT_EQ(report.failedFiles.size(), 1u);
    EXPECT_NE(report.failedFiles[0].find("b.tga"), std::string::npos);
    EXPECT_EQ(report.FilesWritten(), 0u);
    EXPECT_TRUE(reloadedFrom_.empty());
    EXPECT_EQ(ReadFile(dir_ / "f-install/database/Country1.sav"), "old country");
    const std::map<std::string, std::string> badges = {{"SMALL/a.tga", "old a"}};
    EXPECT_EQ(test::ReadTreeFiles(dir_ / "f-badges"), badges); // no temporary file is left
}

TEST_F(WorldArchiveTest, ImportStoppedByDamageKeepsWhatCameBeforeAndSaysWhere) {
    const std::string first = Chunk("COUN", Packed(CountryPayload(5, "country five")));
    const std::string second = Chunk("BADG", Packed(Named("x/y.tga", "badge")));
    const std::string after = Chunk("COUN", Packed(CountryPayload(6, "country six")));
    WriteFile(dir_ / "damaged.tdb", Archive(first + second + "COUN" + Little32(0) + after));

    ScriptedPrompt prompt;
    WorldImportReport report;
    EXPECT_EQ(ImportWorld(world_, dir_ / "damaged.tdb", false, ImportSetup("d-"), progress_, prompt,
                          "Editor", {}, &report),
              LongtimeResult::Failed);
    EXPECT_TRUE(report.damaged);
    EXPECT_EQ(report.damageOffset, 8 + first.size() + second.size());
    EXPECT_EQ(ReadFile(dir_ / "d-install/database/Country5.sav"), "country five");
    EXPECT_EQ(ReadFile(dir_ / "d-badges/x/y.tga"), "badge");
    EXPECT_FALSE(fs::exists(dir_ / "d-install/database/Country6.sav"));
    EXPECT_TRUE(report.reloaded);
    // The user is told where it stopped.
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    EXPECT_NE(prompt.Calls()[0].text.find(std::to_string(report.damageOffset)), std::string::npos);
}

TEST_F(WorldArchiveTest, InvalidArchiveChangesNothing) {
    WriteFile(dir_ / "truncated.tdb",
              Archive(Chunk("COUN", Packed(CountryPayload(5, "five")))).substr(0, 21));
    world_.SetLanguage(3);
    world_.selectedCountry = 99;
    ScriptedPrompt prompt;
    WorldImportReport report;
    EXPECT_EQ(ImportWorld(world_, dir_ / "truncated.tdb", false, ImportSetup("i-"), progress_,
                          prompt, "Editor", {}, &report),
              LongtimeResult::Failed);
    EXPECT_FALSE(report.valid);
    EXPECT_TRUE(reloadedFrom_.empty());
    EXPECT_FALSE(fs::exists(dir_ / "i-install"));
    EXPECT_EQ(world_.DatabaseFolder(), dir_ / "own");
    EXPECT_EQ(world_.Language(), 3);
    EXPECT_EQ(world_.selectedCountry, 99);
    EXPECT_EQ(world_.GetCountry(1)->GetOrdinaryClubCount(), 2u);
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_NE(prompt.Calls()[0].text.find("not a valid world archive"), std::string::npos);

    // An archive with a sound header but no chunk imports nothing either, and says so.
    WriteFile(dir_ / "empty.tdb", Archive(""));
    prompt.ClearCalls();
    ImportWorld(world_, dir_ / "empty.tdb", false, ImportSetup("i-"), progress_, prompt, "Editor",
                {}, &report);
    EXPECT_TRUE(report.valid);
    EXPECT_TRUE(reloadedFrom_.empty());
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::Message), 1u);
}

TEST_F(WorldArchiveTest, ImportAsksFirstAndTouchesNothingOnNo) {
    const std::string five = "%INDEX%COUNTRY\r\n%INDEXEND%COUNTRY\r\n";
    WriteFile(dir_ / "one.tdb", Archive(Chunk("COUN", Packed(CountryPayload(5, five)))));
    ScriptedPrompt prompt;
    prompt.QueueAnswer(false);
    EXPECT_EQ(
        ImportWorld(world_, dir_ / "one.tdb", true, ImportSetup("q-"), progress_, prompt, "Editor"),
        LongtimeResult::Declined);
    EXPECT_FALSE(fs::exists(dir_ / "q-install"));
    EXPECT_EQ(world_.GetCountry(1)->GetOrdinaryClubCount(), 2u);
    ASSERT_EQ(prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_EQ(prompt.Calls()[0].text, LoadString(882));

    prompt.QueueAnswer(true);
    EXPECT_EQ(
        ImportWorld(world_, dir_ / "one.tdb", true, ImportSetup("q-"), progress_, prompt, "Editor"),
        LongtimeResult::Completed);
    EXPECT_EQ(ReadFile(dir_ / "q-install/database/Country5.sav"), five);
}

TEST_F(WorldArchiveTest, SafetyCopyIsWrittenOnceAndRestoredAfterTheQuestion) {
    ScriptedPrompt prompt;
    WorldImportSetup setup = ImportSetup("");
    EXPECT_EQ(WriteSafetyCopyIfMissing(world_, setup.installFolder, exportSetup_, progress_, prompt,
                                       "Editor"),
              LongtimeResult::Completed);
    const std::string copy = SafetyCopyPath(setup.installFolder);
    ASSERT_TRUE(fs::exists(copy));
    const auto written = fs::last_write_time(copy);
    EXPECT_EQ(WriteSafetyCopyIfMissing(world_, setup.installFolder, exportSetup_, progress_, prompt,
                                       "Editor"),
              LongtimeResult::Declined);
    EXPECT_EQ(fs::last_write_time(copy), written);

    // The restore asks; no leaves the world alone.
    world_.GetCountry(1)->CreateClub("Added After The Copy");
    prompt.QueueAnswer(false);
    EXPECT_EQ(RestoreFromSafetyCopy(world_, setup, progress_, prompt, "Editor"),
              LongtimeResult::Declined);
    EXPECT_EQ(world_.GetCountry(1)->GetOrdinaryClubCount(), 3u);
    EXPECT_EQ(prompt.Calls().back().text, LoadString(897));

    // Yes clears the world before loading it: nothing stale or doubled is left.
    prompt.QueueAnswer(true);
    EXPECT_EQ(RestoreFromSafetyCopy(world_, setup, progress_, prompt, "Editor"),
              LongtimeResult::Completed);
    EXPECT_EQ(world_.GetCountry(1)->GetOrdinaryClubCount(), 2u);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::YesNo), 2u); // no second question

    // Without the safety copy nothing is asked.
    fs::remove(copy);
    EXPECT_EQ(RestoreFromSafetyCopy(world_, setup, progress_, prompt, "Editor"),
              LongtimeResult::Declined);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::YesNo), 2u);
}

} // namespace
} // namespace tallo
