#include "app/archive_chunk_packer.h"

#include "app/world_archive_format.h"
#include "support/small_random.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tallo {
namespace {

using test::ReadFile;
using test::TempDir;

// Chunks of many sizes, from empty to large enough to be packed in segments, with text that
// repeats enough to be packed.
std::vector<std::pair<std::string, std::vector<uint8_t>>> MixedChunks() {
    test::SmallRandom random(7);
    const char* const tags[] = {"COUN", "BADG", "PLIM"};
    const size_t sizes[] = {0, 1, 17, 600, 4096, 70000, 300000, 5, 128 * 1024, 2000};
    std::vector<std::pair<std::string, std::vector<uint8_t>>> chunks;
    for (size_t i = 0; i < 30; ++i) {
        std::vector<uint8_t> payload(sizes[i % std::size(sizes)]);
        for (uint8_t& byte : payload) {
            byte = static_cast<uint8_t>("aaab\r\n0123"[random(10)]);
        }
        chunks.emplace_back(tags[i % 3], std::move(payload));
    }
    return chunks;
}

std::string WriteOneByOne(const std::string& path) {
    WorldArchiveWriter writer;
    EXPECT_TRUE(writer.Create(path));
    for (const auto& [tag, payload] : MixedChunks()) {
        EXPECT_TRUE(writer.AddChunk(tag, payload));
    }
    EXPECT_TRUE(writer.Commit());
    return ReadFile(path);
}

// Whatever the number of packers and however little may wait, the archive is the one written
// chunk by chunk.
TEST(ArchiveChunkPackerTest, WritesTheArchiveOfOneChunkAfterAnother) {
    TempDir dir;
    const std::string expected = WriteOneByOne(dir / "plain.tdb");
    struct Setup {
        unsigned threads;
        size_t pendingLimit;
    };
    for (const Setup setup :
         {Setup{1, 1 << 20}, Setup{2, 0}, Setup{2, 1}, Setup{2, 64 << 20}, Setup{4, 5000}}) {
        const std::string path = dir / ("packed" + std::to_string(setup.threads) + ".tdb");
        WorldArchiveWriter writer;
        ASSERT_TRUE(writer.Create(path));
        {
            ArchiveChunkPacker packer(writer, setup.threads, setup.pendingLimit);
            EXPECT_EQ(packer.Threads(), setup.threads > 1 ? setup.threads : 0u);
            for (auto& [tag, payload] : MixedChunks()) {
                ASSERT_TRUE(packer.Add(tag, std::move(payload)));
            }
            ASSERT_TRUE(packer.Finish());
        }
        EXPECT_EQ(writer.ChunkCount(), MixedChunks().size());
        ASSERT_TRUE(writer.Commit());
        EXPECT_EQ(ReadFile(path), expected) << setup.threads << " threads";
    }
}

// A chunk the writer refuses fails the packer: that call or a later one, and Finish.
TEST(ArchiveChunkPackerTest, AFailedWriteFailsEveryLaterCallAndFinish) {
    WorldArchiveWriter closed; // never created: every chunk is refused
    // Nothing may wait: each Add writes its chunk, so the first one already fails.
    ArchiveChunkPacker packer(closed, 2, 0);
    EXPECT_FALSE(packer.Add("BADG", std::vector<uint8_t>{'x', 0, 1}));
    EXPECT_FALSE(packer.Add("COUN", std::vector<uint8_t>{1, 0, 0, 0}));
    EXPECT_FALSE(packer.Finish());

    // With room to wait, the failure shows at the latest in Finish.
    ArchiveChunkPacker roomy(closed, 2);
    for (auto& [tag, payload] : MixedChunks()) {
        roomy.Add(tag, std::move(payload));
    }
    EXPECT_FALSE(roomy.Finish());

    TempDir dir;
    WorldArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "x.tdb"));
    ArchiveChunkPacker tags(writer, 2);
    EXPECT_FALSE(tags.Add("TOOLONG", std::vector<uint8_t>{1}));
    EXPECT_TRUE(tags.Finish()); // a refused tag is not written and fails nothing
}

// A packer that goes away before Finish drops what it still holds and nothing else: the
// archive then holds the chunks written so far, in order, as written one by one.
TEST(ArchiveChunkPackerTest, GoingAwayEarlyKeepsTheChunksWrittenInOrder) {
    TempDir dir;
    WorldArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "cut.tdb"));
    {
        ArchiveChunkPacker packer(writer, 2, 200000);
        for (auto& [tag, payload] : MixedChunks()) {
            ASSERT_TRUE(packer.Add(tag, std::move(payload)));
        }
    }
    const size_t written = writer.ChunkCount();
    ASSERT_TRUE(writer.Commit());

    WorldArchiveWriter plain;
    ASSERT_TRUE(plain.Create(dir / "plain.tdb"));
    const auto chunks = MixedChunks();
    for (size_t i = 0; i < written; ++i) {
        ASSERT_TRUE(plain.AddChunk(chunks[i].first, chunks[i].second));
    }
    ASSERT_TRUE(plain.Commit());
    EXPECT_EQ(ReadFile(dir / "cut.tdb"), ReadFile(dir / "plain.tdb")) << written << " chunks";
    // Unpacked bytes beyond the limit had to be written before the last Add returned.
    EXPECT_GT(written, 0u);
}

// A packer that goes away before Finish drops what it holds; the writer discards the rest.
TEST(ArchiveChunkPackerTest, GoingAwayEarlyLeavesNoArchive) {
    TempDir dir;
    {
        WorldArchiveWriter writer;
        ASSERT_TRUE(writer.Create(dir / "cancelled.tdb"));
        ArchiveChunkPacker packer(writer, 2, 1);
        for (auto& [tag, payload] : MixedChunks()) {
            ASSERT_TRUE(packer.Add(tag, std::move(payload)));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "cancelled.tdb"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

} // namespace
} // namespace tallo
