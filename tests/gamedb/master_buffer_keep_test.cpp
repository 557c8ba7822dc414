#include "gamedb/master_buffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tallo {
namespace {

using Writer = std::function<void(MasterBuffer&)>;

// A record with nested length-prefixed bodies and every kind of primitive.
void NestedRecord(MasterBuffer& b, uint8_t tag) {
    const uint32_t values[3] = {7, 0x01020304u, tag};
    const uint16_t shorts[2] = {0x1122, tag};
    const MasterBuffer::LengthMark outer = b.BeginLength();
    b.U8(tag);
    b.String("Nordstadt");
    const MasterBuffer::LengthMark inner = b.BeginLength();
    b.U32Array(values, 3);
    b.Chars16(shorts, 2);
    b.EndLength(inner);
    b.Block("abc", 3);
    b.EndLength(outer);
}

// Both passes run every writer.
std::string RunTwice(const Writer& before, const Writer& middle, const Writer& after) {
    MasterBuffer buffer;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            EXPECT_TRUE(buffer.StartWritePass());
        }
        before(buffer);
        middle(buffer);
        after(buffer);
    }
    EXPECT_TRUE(buffer.IsComplete()) << buffer.FaultText();
    return std::string(buffer.Contents());
}

// The middle writer runs in the count pass only; the write pass puts its kept bytes.
std::string RunKept(const Writer& before, const Writer& middle, const Writer& after) {
    MasterBuffer buffer;
    before(buffer);
    buffer.BeginKeeping();
    middle(buffer);
    buffer.EndKeeping();
    after(buffer);
    EXPECT_GT(buffer.KeptSize(), 0u);
    EXPECT_TRUE(buffer.StartWritePass());
    before(buffer);
    buffer.PutKept();
    after(buffer);
    EXPECT_TRUE(buffer.IsComplete()) << buffer.FaultText();
    EXPECT_EQ(buffer.KeptSize(), 0u);
    return std::string(buffer.Contents());
}

TEST(MasterBufferKeeping, KeptRecordsGiveTheBytesOfASecondRunWithTheirLengthsFilledIn) {
    const Writer before = [](MasterBuffer& b) { NestedRecord(b, 1); };
    const Writer middle = [](MasterBuffer& b) {
        NestedRecord(b, 2);
        b.U16(0xBEEF);
        NestedRecord(b, 3);
    };
    const Writer after = [](MasterBuffer& b) {
        NestedRecord(b, 4);
        b.U32(0xCAFEF00Du);
    };
    const std::string twice = RunTwice(before, middle, after);
    const std::string kept = RunKept(before, middle, after);
    EXPECT_EQ(kept, twice);
    // Four records of 42 bytes (prefix, tag, "Nordstadt\0", inner body of 16 bytes behind
    // its prefix, block of 3 behind its length), then 2 + 4 bytes; the first kept record
    // starts at 42 and carries its own lengths, not the placeholders.
    ASSERT_EQ(kept.size(), 4u * 42 + 6);
    auto u32At = [&kept](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(static_cast<uint8_t>(kept[at + i])) << (8 * i);
        }
        return value;
    };
    EXPECT_EQ(u32At(42), 38u);
    EXPECT_EQ(u32At(42 + 4 + 1 + 10), 16u);
}

TEST(MasterBufferKeeping, KeptRecordsLargerThanTheFirstRoomKeepEveryByte) {
    std::string big(150000, '\0');
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i * 7 % 251);
    }
    const Writer none = [](MasterBuffer&) {};
    const Writer middle = [&big](MasterBuffer& b) {
        for (uint8_t tag = 0; tag < 40; ++tag) {
            NestedRecord(b, tag);
            b.Bytes(big.data(), big.size() / (tag + 1));
        }
    };
    EXPECT_EQ(RunKept(none, middle, none), RunTwice(none, middle, none));
}

TEST(MasterBufferKeeping, LengthsFilledInAcrossTheMegabytesOfKeptBytes) {
    // The kept bytes are held a megabyte at a time: a length field that starts two bytes
    // before such a boundary, and bodies that run over the next ones, come out as written.
    std::string filler((size_t{1} << 20) - 2, '\0');
    for (size_t i = 0; i < filler.size(); ++i) {
        filler[i] = static_cast<char>(i * 13 % 253);
    }
    const Writer none = [](MasterBuffer&) {};
    const Writer middle = [&filler](MasterBuffer& b) {
        b.Bytes(filler.data(), filler.size());
        NestedRecord(b, 9);
        const MasterBuffer::LengthMark body = b.BeginLength();
        b.Bytes(filler.data(), filler.size());
        b.Bytes(filler.data(), 5000);
        NestedRecord(b, 10);
        b.EndLength(body);
    };
    const std::string kept = RunKept(none, middle, none);
    EXPECT_EQ(kept, RunTwice(none, middle, none));
    ASSERT_GT(kept.size(), filler.size() + 4);
    EXPECT_EQ(static_cast<uint8_t>(kept[filler.size()]), 38u); // the straddling length, low byte
    EXPECT_EQ(kept[filler.size() + 1], '\0');
}

TEST(MasterBufferKeeping, AReservationWhileKeepingFaultsTheBuffer) {
    MasterBuffer buffer;
    buffer.BeginKeeping();
    buffer.U8(1);
    buffer.Add(4);
    buffer.EndKeeping();
    EXPECT_TRUE(buffer.Faulted());
    EXPECT_FALSE(buffer.StartWritePass());
}

TEST(MasterBufferKeeping, KeptBytesPutOutOfTheirCountedOrderAreReported) {
    // Two bodies counted before the kept one: putting the kept bytes first would hand them
    // lengths that were counted for other bodies.
    MasterBuffer buffer;
    NestedRecord(buffer, 1);
    buffer.BeginKeeping();
    NestedRecord(buffer, 2);
    buffer.EndKeeping();
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.PutKept();
    NestedRecord(buffer, 1);
    EXPECT_TRUE(buffer.Faulted());
    EXPECT_FALSE(buffer.IsComplete());
}

// Records written into buffers of their own and joined in order: the file of one buffer that
// kept them all. The parts hold nested lengths, one runs over a megabyte (several pieces),
// and one is empty.
TEST(MasterBufferKeeping, PartsJoinedInOrderGiveTheFileOfOneKeepingBuffer) {
    std::string filler((size_t{1} << 20) + 777, '\0');
    for (size_t i = 0; i < filler.size(); ++i) {
        filler[i] = static_cast<char>(i * 11 % 241);
    }
    const std::vector<Writer> parts = {
        [](MasterBuffer& b) { NestedRecord(b, 5); },
        [&filler](MasterBuffer& b) {
            const MasterBuffer::LengthMark body = b.BeginLength();
            NestedRecord(b, 6);
            b.Bytes(filler.data(), filler.size());
            NestedRecord(b, 7);
            b.EndLength(body);
        },
        [](MasterBuffer&) {},
        [](MasterBuffer& b) {
            b.U16(0x0A0B);
            NestedRecord(b, 8);
        },
    };
    const Writer before = [](MasterBuffer& b) { NestedRecord(b, 1); };
    const Writer after = [](MasterBuffer& b) { b.U32(0x12345678u); };
    const Writer all = [&parts](MasterBuffer& b) {
        for (const Writer& part : parts) {
            part(b);
        }
    };
    const Writer joined = [&parts](MasterBuffer& b) {
        for (const Writer& write : parts) {
            MasterBuffer part;
            part.BeginKeeping();
            write(part);
            part.EndKeeping();
            b.AppendKept(part);
            EXPECT_EQ(part.KeptSize(), 0u); // moved, not copied
        }
    };
    const std::string expected = RunTwice(before, all, after);
    ASSERT_GT(expected.size(), filler.size());
    EXPECT_TRUE(RunKept(before, joined, after) == expected);
}

TEST(MasterBufferKeeping, PatchesLandOnTheirBytesAcrossPieces) {
    // A 16-bit value filled in later, once inside the first piece of a part, once straddling
    // its first megabyte, once in a second part joined behind it.
    std::string filler((size_t{1} << 20) - 1, 'x');
    MasterBuffer buffer;
    buffer.BeginKeeping();
    MasterBuffer first;
    first.BeginKeeping();
    first.U16(0);
    first.Bytes(filler.data(), filler.size() - 2);
    first.U16(0); // at 2^20 - 1: one byte in each megabyte
    first.U8(0xEE);
    first.EndKeeping();
    first.PatchKept16(0, 0x1234);
    first.PatchKept16(filler.size(), 0xABCD);
    buffer.AppendKept(first);
    MasterBuffer second;
    second.BeginKeeping();
    second.U32(0);
    second.EndKeeping();
    buffer.AppendKept(second);
    const size_t secondStart = filler.size() + 3;
    buffer.PatchKept16(secondStart + 1, 0x5566);
    buffer.EndKeeping();
    ASSERT_FALSE(buffer.Faulted()) << buffer.FaultText();
    ASSERT_TRUE(buffer.StartWritePass());
    buffer.PutKept();
    ASSERT_TRUE(buffer.IsComplete()) << buffer.FaultText();
    const std::string file = buffer.Contents();
    ASSERT_EQ(file.size(), secondStart + 4);
    EXPECT_EQ(file.substr(0, 2), "\x34\x12");
    EXPECT_EQ(file.substr(filler.size(), 3), "\xCD\xAB\xEE");
    EXPECT_EQ(file.substr(secondStart, 4), std::string("\0\x66\x55\0", 4));
    EXPECT_EQ(file[2], 'x');
}

TEST(MasterBufferKeeping, JoiningRefusesPartsThatDidNotKeepEverythingAndPassesFaultsOn) {
    {
        // A part that counted bytes before it began keeping.
        MasterBuffer buffer;
        buffer.BeginKeeping();
        MasterBuffer part;
        part.U8(1);
        part.BeginKeeping();
        part.U8(2);
        part.EndKeeping();
        buffer.AppendKept(part);
        EXPECT_TRUE(buffer.Faulted());
    }
    {
        // A part that faulted.
        MasterBuffer buffer;
        buffer.BeginKeeping();
        MasterBuffer part;
        part.BeginKeeping();
        part.Add(2);
        part.EndKeeping();
        ASSERT_TRUE(part.Faulted());
        buffer.AppendKept(part);
        EXPECT_TRUE(buffer.Faulted());
        EXPECT_EQ(buffer.FaultText(), "bytes were reserved while records were kept");
    }
    {
        // A patch outside the kept bytes.
        MasterBuffer buffer;
        buffer.BeginKeeping();
        buffer.U16(0);
        buffer.EndKeeping();
        buffer.PatchKept16(1, 7);
        EXPECT_TRUE(buffer.Faulted());
    }
}

} // namespace
} // namespace tallo
