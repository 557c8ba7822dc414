#include "gamedb/master_buffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tallo {
namespace {

// Runs `write` in the count pass, then in the write pass, and gives the image.
std::string TwoPasses(MasterBuffer& buffer, const std::function<void(MasterBuffer&)>& write) {
    buffer.Clear();
    write(buffer);
    EXPECT_TRUE(buffer.StartWritePass());
    write(buffer);
    return std::string(buffer.Contents());
}

TEST(MasterBuffer, PrimitivesWriteLittleEndianWithoutPadding) {
    MasterBuffer buffer;
    const uint32_t values[2] = {0x01020304u, 0xA0B0C0D0u};
    const uint16_t shorts[2] = {0x1122, 0x3344};
    const std::string image = TwoPasses(buffer, [&](MasterBuffer& b) {
        b.U8(0xAB);
        b.U16(0x1234);
        b.U32(0xDEADBEEFu);
        b.Bytes("xyz", 3);
        b.U32Array(values, 2);
        b.Chars16(shorts, 2);
        b.String("Nord");
        b.Block("ab", 2);
    });
    const std::string expected("\xAB"
                               "\x34\x12"
                               "\xEF\xBE\xAD\xDE"
                               "xyz"
                               "\x04\x03\x02\x01\xD0\xC0\xB0\xA0"
                               "\x22\x11\x44\x33"
                               "Nord\0"
                               "\x02\0\0\0ab",
                               1 + 2 + 4 + 3 + 8 + 4 + 5 + 6);
    EXPECT_EQ(image, expected);
    EXPECT_TRUE(buffer.IsComplete());
    EXPECT_EQ(buffer.Counter(), expected.size());
}

TEST(MasterBuffer, CounterRunsInTheCountPassAndGivesTheTotalInTheWritePass) {
    MasterBuffer buffer;
    buffer.U32(0);
    buffer.String("abc");
    EXPECT_EQ(buffer.Counter(), 8u);
    buffer.Add(12);
    EXPECT_EQ(buffer.Counter(), 20u);
    ASSERT_TRUE(buffer.StartWritePass());
    EXPECT_EQ(buffer.Counter(), 20u);
    buffer.U32(buffer.Counter());
    EXPECT_EQ(buffer.Position(), 4u);
    // Add reserves in the count pass only.
    buffer.Add(12);
    EXPECT_EQ(buffer.Position(), 4u);
    EXPECT_FALSE(buffer.IsComplete());
    EXPECT_FALSE(buffer.Faulted());
}

TEST(MasterBuffer, StringsEndAtTheirFirstZeroByte) {
    MasterBuffer buffer;
    const std::string text("ab\0cd", 5);
    const std::string image = TwoPasses(buffer, [&](MasterBuffer& b) {
        b.String(text);
        b.String("");
    });
    EXPECT_EQ(image, std::string("ab\0\0", 4));
}

TEST(MasterBuffer, AWritePassThatWritesMoreFaultsAndNeverWritesPastTheImage) {
    MasterBuffer buffer;
    buffer.U16(1);
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.U16(0x0102);
    buffer.U32(0xFFFFFFFFu); // one write too many
    EXPECT_TRUE(buffer.Faulted());
    EXPECT_FALSE(buffer.IsComplete());
    EXPECT_EQ(buffer.Contents(), std::string("\x02\x01", 2));
    EXPECT_NE(buffer.FaultText().find("more bytes"), std::string::npos);
}

TEST(MasterBuffer, AWritePassThatWritesLessIsNotComplete) {
    MasterBuffer buffer;
    buffer.U32(1);
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.U16(1);
    EXPECT_FALSE(buffer.Faulted());
    EXPECT_FALSE(buffer.IsComplete());
}

TEST(MasterBuffer, LengthPrefixesCarryTheBodyLengthsOfTheCountPassAndNest) {
    MasterBuffer buffer;
    const std::string image = TwoPasses(buffer, [](MasterBuffer& b) {
        const MasterBuffer::LengthMark outer = b.BeginLength();
        b.U8(7);
        const MasterBuffer::LengthMark inner = b.BeginLength();
        b.String("abc");
        b.EndLength(inner);
        b.U16(9);
        b.EndLength(outer);
        const MasterBuffer::LengthMark empty = b.BeginLength();
        b.EndLength(empty);
    });
    // outer: 1 + (4 + 4) + 2 = 11 bytes of body.
    const std::string expected("\x0B\0\0\0"
                               "\x07"
                               "\x04\0\0\0abc\0"
                               "\x09\0"
                               "\0\0\0\0",
                               4 + 1 + 8 + 2 + 4);
    EXPECT_EQ(image, expected);
    EXPECT_TRUE(buffer.IsComplete());
}

TEST(MasterBuffer, ABodyOfAnotherLengthInTheWritePassFaults) {
    MasterBuffer buffer;
    bool writing = false;
    auto write = [&](MasterBuffer& b) {
        const MasterBuffer::LengthMark mark = b.BeginLength();
        b.U16(1);
        b.EndLength(mark);
        // A body that shrinks by two bytes while something after it grows by two: the total
        // agrees, the length does not.
        const MasterBuffer::LengthMark second = b.BeginLength();
        if (!writing) {
            b.U16(2);
        }
        b.EndLength(second);
        if (writing) {
            b.U16(3);
        }
    };
    buffer.Clear();
    write(buffer);
    ASSERT_TRUE(buffer.StartWritePass());
    writing = true;
    write(buffer);
    EXPECT_EQ(buffer.Position(), buffer.TotalSize());
    EXPECT_TRUE(buffer.Faulted());
    EXPECT_FALSE(buffer.IsComplete());
}

TEST(MasterBuffer, MoreLengthPrefixesInTheWritePassFault) {
    MasterBuffer buffer;
    buffer.U32(0);
    ASSERT_TRUE(buffer.StartWritePass());
    const MasterBuffer::LengthMark mark = buffer.BeginLength();
    buffer.EndLength(mark);
    EXPECT_TRUE(buffer.Faulted());
}

TEST(MasterBuffer, ClearForgetsEverything) {
    MasterBuffer buffer;
    buffer.U32(1);
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.U32(1);
    buffer.U8(1);
    ASSERT_TRUE(buffer.Faulted());
    buffer.Clear();
    EXPECT_FALSE(buffer.Faulted());
    EXPECT_FALSE(buffer.IsWritePass());
    EXPECT_EQ(buffer.Counter(), 0u);
    EXPECT_TRUE(buffer.Contents().empty());
    // A faulted count pass gets no image.
    buffer.Clear();
    buffer.U32(1);
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.U8(1);
    buffer.U32(1);
    buffer.Clear();
    EXPECT_TRUE(buffer.StartWritePass());
}

} // namespace
} // namespace tallo
