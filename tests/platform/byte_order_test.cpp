#include "platform/byte_order.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tallo {
namespace {

TEST(ByteOrderTest, ReadsEachOrderFromTheSameBytes) {
    const uint8_t bytes[4] = {0x01, 0x82, 0xC3, 0xF4};
    EXPECT_EQ(GetLittle16(bytes), 0x8201u);
    EXPECT_EQ(GetLittle32(bytes), 0xF4C38201u);
    EXPECT_EQ(GetBig32(bytes), 0x0182C3F4u);
    // High bits of every byte survive: no sign is carried from a byte of 0x80 or above.
    const uint8_t high[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(GetLittle16(high), 0xFFFFu);
    EXPECT_EQ(GetLittle32(high), 0xFFFFFFFFu);
    EXPECT_EQ(GetBig32(high), 0xFFFFFFFFu);
}

TEST(ByteOrderTest, WritesOnlyItsOwnBytesAndReadsThemBack) {
    uint8_t bytes[6] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    PutLittle32(bytes + 1, 0x12345678u);
    EXPECT_EQ(bytes[0], 0xAA);
    EXPECT_EQ(bytes[1], 0x78);
    EXPECT_EQ(bytes[4], 0x12);
    EXPECT_EQ(bytes[5], 0xAA);
    EXPECT_EQ(GetLittle32(bytes + 1), 0x12345678u);

    PutBig32(bytes + 1, 0x12345678u);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[4], 0x78);
    EXPECT_EQ(bytes[5], 0xAA);
    EXPECT_EQ(GetBig32(bytes + 1), 0x12345678u);

    PutLittle16(bytes + 4, 0xBEEFu);
    EXPECT_EQ(bytes[4], 0xEF);
    EXPECT_EQ(bytes[5], 0xBE);
    EXPECT_EQ(GetLittle16(bytes + 4), 0xBEEFu);
}

TEST(ByteOrderTest, AppendsLowestByteFirst) {
    std::string out = "x";
    AppendLittle32(out, 0x00FF0102u);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out, std::string("x\x02\x01\xFF\x00", 5));
}

static_assert(GetBig32(std::array<uint8_t, 4>{0, 0, 1, 2}.data()) == 0x0102u);

} // namespace
} // namespace tallo
