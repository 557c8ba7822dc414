#include "assets/packed_block.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tallo {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Pack(const Bytes& input) {
    return PackBlock(input.data(), input.size());
}

// A short-header block around a hand-made command stream.
Bytes Block(uint32_t size, const Bytes& stream) {
    Bytes block = {0x10, 0xFB, static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 8),
                   static_cast<uint8_t>(size)};
    block.insert(block.end(), stream.begin(), stream.end());
    return block;
}

bool Unpack(const Bytes& block, Bytes& out) {
    return UnpackBlock(block.data(), block.size(), out);
}

void ExpectRoundTrip(const Bytes& input) {
    const Bytes packed = Pack(input);
    ASSERT_FALSE(packed.empty());
    EXPECT_LE(packed.size(), PackBound(input.size()));
    EXPECT_EQ(UnpackSize(packed.data(), packed.size()), input.size());
    Bytes out;
    ASSERT_TRUE(Unpack(packed, out)) << "input of " << input.size() << " bytes";
    EXPECT_TRUE(out == input) << "input of " << input.size() << " bytes";
}

Bytes RandomBytes(std::mt19937& random, size_t n, int alphabet) {
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    Bytes bytes(n);
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>(byte(random));
    }
    return bytes;
}

// Text that looks like a record file: repeated keywords, numbers and line ends.
Bytes RecordLikeText(std::mt19937& random, size_t n) {
    static const char* const words[] = {
        "%INDEX%PLAYER", "%INDEXEND%PLAYER", "Mueller", "0", "1", "12", "255", "Rossi", "-1"};
    std::uniform_int_distribution<int> pick(0, 8);
    std::uniform_int_distribution<int> number(0, 99999);
    std::string text;
    while (text.size() < n) {
        const int w = pick(random);
        text += w == 8 ? std::to_string(number(random)) : words[w];
        text += "\r\n";
    }
    text.resize(n);
    return FromText(text);
}

TEST(PackBlockTest, GivesTheDocumentedBytesForShortInputs) {
    EXPECT_EQ(Pack({}), (Bytes{0x10, 0xFB, 0, 0, 0, 0xFC}));
    EXPECT_EQ(Pack(FromText("abc")), (Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'a', 'b', 'c'}));
    // No match may start within the last seven bytes, so eight zeros stay literals.
    Bytes zeros(8, 0);
    Bytes expected = {0x10, 0xFB, 0, 0, 8, 0xE1};
    expected.insert(expected.end(), 8, 0);
    expected.push_back(0xFC);
    EXPECT_EQ(Pack(zeros), expected);
    // Three literals carried by a 3-byte match of 11 at distance 3, then a run of four.
    EXPECT_EQ(Pack(FromText("abcabcabcabcabcabc")),
              (Bytes{0x10, 0xFB, 0, 0, 18, 0x87, 0xC0, 0x02, 'a', 'b', 'c', 0xE0, 'c', 'a', 'b',
                     'c', 0xFC}));
}

TEST(PackBlockTest, ChoosesShortAndLongMatchCommands) {
    // A 2-byte match of 6 at distance 6 carrying "ef" after a run of four literals.
    EXPECT_EQ(Pack(FromText("abcdefabcdef1234")),
              (Bytes{0x10, 0xFB, 0,   0,   16,   0xE0, 'a', 'b', 'c', 'd',
                     0x0E, 0x05, 'e', 'f', 0xE0, '1',  '2', '3', '4', 0xFC}));
    // A run of zeros: one literal, a longest match of 1028, a 4-byte match of the rest up to
    // the last four bytes, which end as literals.
    EXPECT_EQ(Pack(Bytes(2000, 0)),
              (Bytes{0x10, 0xFB, 0x00, 0x07, 0xD0, 0xCD, 0x00, 0x00, 0xFF, 0x00,
                     0xCC, 0x00, 0x00, 0xC2, 0xE0, 0x00, 0x00, 0x00, 0x00, 0xFC}));
}

TEST(PackBlockTest, RoundTripsSmallAndRepetitiveInputs) {
    ExpectRoundTrip({});
    ExpectRoundTrip({0x42});
    for (size_t n = 2; n < 300; ++n) {
        ExpectRoundTrip(Bytes(n, 0x20));
    }
    // Runs far longer than the longest match, of one byte and of short patterns.
    ExpectRoundTrip(Bytes(100000, 'x'));
    Bytes pattern;
    for (size_t i = 0; i < 50000; ++i) {
        pattern.push_back(static_cast<uint8_t>("abcdefg"[i % 7]));
    }
    ExpectRoundTrip(pattern);
}

TEST(PackBlockTest, RoundTripsRandomData) {
    std::mt19937 random(1234);
    for (size_t n = 0; n < 2000; n += 7) {
        ExpectRoundTrip(RandomBytes(random, n, 256));
        ExpectRoundTrip(RandomBytes(random, n, 3));
    }
    ExpectRoundTrip(RandomBytes(random, 200000, 256));
    ExpectRoundTrip(RandomBytes(random, 200000, 4));
    // Data that repeats at distances beyond the window.
    Bytes far = RandomBytes(random, 20000, 256);
    far.insert(far.end(), far.begin(), far.end());
    ExpectRoundTrip(far);
}

TEST(PackBlockTest, RoundTripsRecordText) {
    std::mt19937 random(99);
    const Bytes text = RecordLikeText(random, 1 << 20);
    const Bytes packed = Pack(text);
    EXPECT_LT(packed.size(), text.size() / 2);
    ExpectRoundTrip(text);
}

TEST(PackBlockTest, UsesTheLongHeaderAboveTwentyFourBits) {
    std::mt19937 random(7);
    const Bytes input = RecordLikeText(random, 0x1000010);
    const Bytes packed = Pack(input);
    ASSERT_GE(packed.size(), 6u);
    EXPECT_EQ(packed[0], 0x90);
    EXPECT_EQ(packed[1], 0xFB);
    EXPECT_EQ(UnpackSize(packed.data(), packed.size()), 0x1000010u);
    Bytes out;
    ASSERT_TRUE(Unpack(packed, out));
    EXPECT_TRUE(out == input);

    // Exactly 0xFFFFFF bytes still take the short header.
    const Bytes shortHeader = Pack(Bytes(0xFFFFFF, 'z'));
    EXPECT_EQ(shortHeader[0], 0x10);
    EXPECT_EQ(UnpackSize(shortHeader.data(), shortHeader.size()), 0xFFFFFFu);
}

TEST(UnpackSizeTest, ReadsBothHeaderFormsAndNothingElse) {
    const Bytes shortForm = {0x10, 0xFB, 0x12, 0x34, 0x56};
    const Bytes longForm = {0x90, 0xFB, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(UnpackSize(shortForm.data(), shortForm.size()), 0x123456u);
    EXPECT_EQ(UnpackSize(longForm.data(), longForm.size()), 0x12345678u);
    EXPECT_EQ(UnpackSize(longForm.data(), 5), 0u);
    EXPECT_EQ(UnpackSize(shortForm.data(), 4), 0u);
    const Bytes other = {0x11, 0xFB, 0, 0, 1, 0};
    EXPECT_EQ(UnpackSize(other.data(), other.size()), 0u);
    EXPECT_EQ(UnpackSize(nullptr, 0), 0u);
    EXPECT_TRUE(HasShortPackedHeader(shortForm.data(), shortForm.size()));
    EXPECT_FALSE(HasShortPackedHeader(longForm.data(), longForm.size()));
}

TEST(UnpackBlockTest, DecodesEachCommandForm) {
    Bytes out;
    // Literal run of four, then a 2-byte copy of ten at distance 1 repeating the last byte.
    ASSERT_TRUE(Unpack(Block(14, {0xE0, 'a', 'b', 'c', 'd', 0x1C, 0x00, 0xFC}), out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "abcddddddddddd");

    // 2-byte command carrying three literals: copy of 3 at distance 3.
    ASSERT_TRUE(Unpack(Block(6, {0x03, 0x02, 'x', 'y', 'z', 0xFC}), out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "xyzxyz");

    // 2-byte command with the distance bits 8 and 9: 300 literals, copy of 3 from 300 back.
    Bytes farStream;
    for (size_t i = 0; i < 300; i += 4) {
        farStream.push_back(0xE0);
        farStream.insert(farStream.end(),
                         {uint8_t(i), uint8_t(i + 1), uint8_t(i + 2), uint8_t(i + 3)});
    }
    farStream.insert(farStream.end(), {0x20, 43, 0xFC});
    ASSERT_TRUE(Unpack(Block(303, farStream), out));
    ASSERT_EQ(out.size(), 303u);
    EXPECT_EQ(out[300], 0);
    EXPECT_EQ(out[302], 2);

    // 3-byte command carrying two literals, copy of 4 at distance 2.
    ASSERT_TRUE(Unpack(Block(6, {0x80, 0x80, 0x01, 'x', 'y', 0xFC}), out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "xyxyxy");

    // The largest literal run and an end command carrying three literals.
    Bytes stream = {0xFB};
    for (int i = 0; i < 112; ++i) {
        stream.push_back(static_cast<uint8_t>(i));
    }
    stream.insert(stream.end(), {0xFF, 200, 201, 202});
    ASSERT_TRUE(Unpack(Block(115, stream), out));
    ASSERT_EQ(out.size(), 115u);
    EXPECT_EQ(out[111], 111);
    EXPECT_EQ(out[114], 202);
}

TEST(UnpackBlockTest, DecodesFourByteCommandsOverLongDistances) {
    // 70000 literal bytes, then the longest copy (1028) from 70000 back, which needs the
    // distance bit 16 of the first command byte.
    std::mt19937 random(5);
    const Bytes literals = RandomBytes(random, 70000, 256);
    Bytes stream;
    size_t done = 0;
    while (literals.size() - done >= 4) {
        const size_t run = std::min<size_t>((literals.size() - done) & ~size_t{3}, 112);
        stream.push_back(static_cast<uint8_t>(0xE0 + run / 4 - 1));
        stream.insert(stream.end(), literals.begin() + done, literals.begin() + done + run);
        done += run;
    }
    ASSERT_EQ(done, literals.size());
    const size_t d = 70000 - 1 - 65536; // stored distance minus the bit-16 part
    stream.insert(stream.end(),
                  {0xDC, static_cast<uint8_t>(d >> 8), static_cast<uint8_t>(d), 0xFF, 0xFC});
    Bytes out;
    ASSERT_TRUE(Unpack(Block(71028, stream), out));
    ASSERT_EQ(out.size(), 71028u);
    EXPECT_TRUE(std::equal(out.begin() + 70000, out.end(), literals.begin()));
}

TEST(UnpackBlockTest, DecodesTheLongHeader) {
    const Bytes block = {0x90, 0xFB, 0, 0, 0, 5, 0xE0, 'h', 'e', 'l', 'l', 0xFD, 'o'};
    Bytes out;
    ASSERT_TRUE(Unpack(block, out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "hello");
}

TEST(UnpackBlockTest, RefusesCopiesOutsideTheOutput) {
    Bytes out;
    // A copy before any output, and one reaching one byte before the start.
    EXPECT_FALSE(Unpack(Block(3, {0x00, 0x00, 0xFC}), out));
    EXPECT_FALSE(Unpack(Block(8, {0xE0, 'a', 'b', 'c', 'd', 0x04, 0x04, 0xFC}), out));
    EXPECT_TRUE(out.empty());
    // A copy running past the announced size, and literals doing so.
    EXPECT_FALSE(Unpack(Block(6, {0xE0, 'a', 'b', 'c', 'd', 0x1C, 0x00, 0xFC}), out));
    EXPECT_FALSE(Unpack(Block(3, {0xE0, 'a', 'b', 'c', 'd', 0xFC}), out));
    EXPECT_FALSE(Unpack(Block(2, {0xFF, 'a', 'b', 'c'}), out));
    EXPECT_TRUE(out.empty());
}

TEST(UnpackBlockTest, RefusesABadDistanceFarFromTheEnds) {
    // The distance check must hold in the unchecked middle of a long stream too.
    std::mt19937 random(11);
    const Bytes literals = RandomBytes(random, 4480, 256);
    Bytes stream;
    for (size_t done = 0; done < literals.size(); done += 112) {
        stream.push_back(0xFB);
        stream.insert(stream.end(), literals.begin() + done, literals.begin() + done + 112);
    }
    const size_t tooFar = 6000 - 1;
    stream.insert(stream.end(),
                  {0xC0, static_cast<uint8_t>(tooFar >> 8), static_cast<uint8_t>(tooFar), 0});
    for (int i = 0; i < 60; ++i) {
        stream.push_back(0xFB);
        stream.insert(stream.end(), 112, 'p');
    }
    Bytes out;
    EXPECT_FALSE(Unpack(Block(static_cast<uint32_t>(4480 + 5 + 60 * 112), stream), out));
    // The same stream with a distance inside the output decodes.
    stream[4480 / 112 * 113 + 1] = 0;
    stream[4480 / 112 * 113 + 2] = 99;
    EXPECT_TRUE(Unpack(Block(static_cast<uint32_t>(4480 + 5 + 60 * 112), stream), out));
}

TEST(UnpackBlockTest, RefusesTruncatedAndShortStreams) {
    Bytes out;
    EXPECT_FALSE(Unpack({}, out));
    EXPECT_FALSE(Unpack({0x10, 0xFB, 0, 0}, out));
    EXPECT_FALSE(Unpack({0x10, 0xFA, 0, 0, 0, 0xFC}, out));
    // Fewer bytes than announced, with and without an end command.
    EXPECT_FALSE(Unpack(Block(5, {0xE0, 'a', 'b', 'c', 'd', 0xFC}), out));
    EXPECT_FALSE(Unpack(Block(5, {0xE0, 'a', 'b', 'c', 'd'}), out));
    // Literals or command bytes missing at the end of the input.
    EXPECT_FALSE(Unpack(Block(4, {0xE0, 'a', 'b'}), out));
    EXPECT_FALSE(Unpack(Block(7, {0xE0, 'a', 'b', 'c', 'd', 0x80, 0x00}), out));
    EXPECT_FALSE(Unpack(Block(8, {0xE0, 'a', 'b', 'c', 'd', 0xC0, 0x00, 0x00}), out));
    // Every prefix of a sound block fails, except the one that only drops a bare end command.
    std::mt19937 random(3);
    const Bytes packed = Pack(RecordLikeText(random, 5000));
    for (size_t n = 0; n < packed.size(); ++n) {
        const bool onlyEndDropped = n + 1 == packed.size() && packed.back() == 0xFC;
        ASSERT_EQ(UnpackBlock(packed.data(), n, out), onlyEndDropped) << n;
    }
    // A stream that ends when its input does, without an end command, is whole.
    EXPECT_TRUE(Unpack(Block(4, {0xE0, 'a', 'b', 'c', 'd'}), out));
}

TEST(UnpackBlockTest, RefusesSizesAboveTheCapOrBeyondWhatTheStreamCanMake) {
    Bytes out;
    // Ten command bytes cannot make 16 MiB: refused before any allocation.
    EXPECT_FALSE(Unpack(Block(0xFFFFFF, Bytes(10, 0xDF)), out));
    const Bytes huge = {0x90, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC};
    EXPECT_FALSE(Unpack(huge, out));
    const Bytes packed = Pack(Bytes(1000, 'q'));
    EXPECT_FALSE(UnpackBlock(packed.data(), packed.size(), out, 999));
    EXPECT_TRUE(UnpackBlock(packed.data(), packed.size(), out, 1000));
}

TEST(UnpackBlockTest, SurvivesRandomStreams) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<uint32_t> size(0, 5000);
    for (int round = 0; round < 3000; ++round) {
        Bytes stream = RandomBytes(random, size(random) % 600, 256);
        const uint32_t announced = size(random);
        Bytes out;
        if (Unpack(Block(announced, stream), out)) {
            EXPECT_EQ(out.size(), announced);
        } else {
            EXPECT_TRUE(out.empty());
        }
    }
}

TEST(UnpackBlockTest, DecodesIntoACallersBufferOfTheAnnouncedSize) {
    const Bytes packed = Pack(FromText("abcabcabcabcabcabc"));
    Bytes out(18);
    EXPECT_TRUE(UnpackBlockInto(packed.data(), packed.size(), out.data(), out.size()));
    EXPECT_EQ(std::string(out.begin(), out.end()), "abcabcabcabcabcabc");
    EXPECT_FALSE(UnpackBlockInto(packed.data(), packed.size(), out.data(), 17));
}

} // namespace
} // namespace tallo
