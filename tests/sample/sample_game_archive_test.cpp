// The sample's data archive is a real BIG archive: it opens, and every entry reads.

#include <gtest/gtest.h>

#include "assets/vantor_big.h"
#include "sample_test_support.h"

namespace tallo {
namespace {

TEST(SampleGameArchive, OpensAndEveryEntryReads) {
    const test::SharedSample& sample = test::SharedSmallSample();
    CVantorBig archive;
    ASSERT_TRUE(archive.Open(sample.folder + "/data/zdata_06.big", true));
    ASSERT_EQ(static_cast<size_t>(archive.GetCount()), sample.files.gameArchiveEntries);
    ASSERT_GE(archive.GetCount(), 4);
    int packed = 0;
    for (int i = 0; i < archive.GetCount(); ++i) {
        const BigEntry& entry = archive.GetEntry(i);
        std::vector<uint8_t> data;
        ASSERT_TRUE(archive.ReadEntry(i, data, true)) << entry.name;
        EXPECT_FALSE(data.empty()) << entry.name;
        if (entry.unpackedSize > 0) {
            EXPECT_EQ(data.size(), entry.unpackedSize) << entry.name;
            EXPECT_LT(entry.size, entry.unpackedSize) << entry.name;
            ++packed;
        }
    }
    EXPECT_GT(packed, 0);

    std::vector<uint8_t> version;
    ASSERT_TRUE(archive.ReadEntryByName("data\\version.txt", version, true));
    const std::string text(version.begin(), version.end());
    EXPECT_NE(text.find("Seed: 11\r\n"), std::string::npos) << text;
}

} // namespace
} // namespace tallo
