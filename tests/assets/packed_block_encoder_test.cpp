#include "assets/packed_block.h"
#include "assets/packed_block_split.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tallo {
namespace {

using Bytes = std::vector<uint8_t>;

// The greedy matcher written out plainly, step by step, without any of the shortcuts of the
// real encoder. The real one must give the very same bytes.
Bytes ReferencePack(const Bytes& in) {
    const long n = static_cast<long>(in.size());
    Bytes out = {0x10, 0xFB, uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
    std::vector<long> head(7331, -1);
    std::vector<long> ring(16384, -1);
    auto hash = [&](long p) {
        const long value = ((255 - in[p + 2]) | (long{in[p]} << 16)) ^ ((in[p + 1] ^ 0xAA) << 8);
        return value % 7331;
    };
    auto enter = [&](long p) {
        const long h = hash(p);
        ring[p % 16384] = head[h];
        head[h] = p;
    };
    auto runs = [&](long& from, long count) {
        while (count > 3) {
            const long run = std::min(count / 4 * 4, 112L);
            out.push_back(uint8_t(0xE0 + (run / 4 - 1)));
            out.insert(out.end(), in.begin() + from, in.begin() + from + run);
            from += run;
            count -= run;
        }
        return count;
    };
    long start = 0;
    long p = 0;
    while (n - 4 - p >= 0) {
        const long r = n - 4 - p;
        const long longest = std::min(r, 1028L);
        long bestLength = 2, bestCost = 2, bestM = -1;
        for (long m = head[hash(p)]; m >= 0 && m >= std::max(p - 16383, 0L); m = ring[m % 16384]) {
            if (in[p + bestLength] != in[m + bestLength]) {
                continue;
            }
            long length = 0;
            while (length < longest && in[p + length] == in[m + length]) {
                ++length;
            }
            if (length > bestLength) {
                const long d = p - m - 1;
                const long cost = (d < 1024 && length <= 10)    ? 2
                                  : (d < 16384 && length <= 67) ? 3
                                                                : 4;
                if (length - cost > bestLength - bestCost) {
                    bestLength = length;
                    bestCost = cost;
                    bestM = m;
                }
            }
            if (bestLength >= 1028) {
                break;
            }
        }
        if (bestLength > bestCost && r >= 4) {
            const long literals = runs(start, p - start);
            const long d = p - bestM - 1;
            const long l = bestLength;
            if (bestCost == 2) {
                out.push_back(uint8_t((l - 3) * 4 + ((d >> 3) & 0x60) + literals));
                out.push_back(uint8_t(d & 0xFF));
            } else if (bestCost == 3) {
                out.push_back(uint8_t(0x80 + (l - 4)));
                out.push_back(uint8_t((d >> 8) + literals * 64));
                out.push_back(uint8_t(d & 0xFF));
            } else {
                out.push_back(uint8_t(0xC0 + ((l - 5) >> 8) * 4 + (d >> 16) * 16 + literals));
                out.push_back(uint8_t((d >> 8) & 0xFF));
                out.push_back(uint8_t(d & 0xFF));
                out.push_back(uint8_t((l - 5) & 0xFF));
            }
            out.insert(out.end(), in.begin() + start, in.begin() + start + literals);
            for (long q = p; q < p + l; ++q) {
                enter(q);
            }
            p += l;
            start = p;
        } else {
            enter(p);
            ++p;
        }
    }
    const long literals = runs(start, n - start);
    out.push_back(uint8_t(0xFC + literals));
    out.insert(out.end(), in.begin() + start, in.end());
    return out;
}

Bytes Random(std::mt19937& random, size_t n, int alphabet) {
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    Bytes bytes(n);
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>('a' + byte(random));
    }
    return bytes;
}

TEST(PackBlockEncoderTest, GivesTheBytesOfThePlainGreedyMatcher) {
    std::mt19937 random(77);
    for (int alphabet : {1, 2, 4, 26}) {
        for (size_t n : {0, 1, 7, 8, 9, 100, 1500, 40000}) {
            const Bytes input = Random(random, n, alphabet);
            ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input))
                << "alphabet " << alphabet << ", " << n << " bytes";
        }
    }
    // Repeats beyond the window, and long matches next to short ones.
    Bytes mixed = Random(random, 20000, 26);
    mixed.insert(mixed.end(), mixed.begin(), mixed.begin() + 18000);
    mixed.insert(mixed.end(), 3000, 'z');
    mixed.insert(mixed.end(), mixed.begin() + 100, mixed.begin() + 400);
    EXPECT_EQ(PackBlock(mixed.data(), mixed.size()), ReferencePack(mixed));

    // Record text: lines of small numbers and repeated words, where long chains of equal
    // prefixes make the search climb through every chain.
    std::string text;
    std::uniform_int_distribution<int> pick(0, 9);
    while (text.size() < 150000) {
        const int kind = pick(random);
        text += kind < 6   ? std::to_string(pick(random) * pick(random))
                : kind < 8 ? std::string("%INDEX%PLAYER")
                           : "\"Name" + std::to_string(pick(random)) + "\",\"Name\"";
        text += "\r\n";
    }
    const Bytes record(text.begin(), text.end());
    EXPECT_EQ(PackBlock(record.data(), record.size()), ReferencePack(record));
}

TEST(PackBlockEncoderTest, ChoosesLikeThePlainMatcherAtEveryCommandLimit) {
    // Copies of one piece, of lengths around the limits of the commands (3, 4, 10, 11, 67,
    // 68, 1028), at distances around 1024 and the end of the window, between filler that
    // matches nothing of the piece: the choice between near and far, short and long, and
    // equal gains is made at every limit.
    std::mt19937 random(31);
    const size_t lengths[] = {3,  4,  5,  9,  10, 11, 12,  60,   61,
                              64, 65, 66, 67, 68, 69, 300, 1028, 1100};
    const size_t gaps[] = {1, 5, 900, 1010, 1018, 1019, 1020, 1021, 1022, 1030, 16000};
    std::uniform_int_distribution<size_t> pickLength(0, std::size(lengths) - 1);
    std::uniform_int_distribution<size_t> pickGap(0, std::size(gaps) - 1);
    std::uniform_int_distribution<int> letter(0, 25);
    Bytes piece(1200);
    for (uint8_t& b : piece) {
        b = static_cast<uint8_t>('a' + letter(random));
    }
    for (int round = 0; round < 300; ++round) {
        Bytes input;
        for (int copy = 0; copy < 6; ++copy) {
            const size_t gap = gaps[pickGap(random)];
            for (size_t i = 0; i < gap; ++i) {
                input.push_back(static_cast<uint8_t>('A' + letter(random)));
            }
            const size_t length = lengths[pickLength(random)];
            input.insert(input.end(), piece.begin(), piece.begin() + length);
        }
        input.insert(input.end(), 8, '#');
        ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input)) << "round " << round;
    }
}

TEST(PackBlockEncoderTest, ChoosesLikeThePlainMatcherAtTheWindowsEdge) {
    // A piece repeated at distances just inside, at and just beyond the window (16383 back is
    // the farthest a match may reach), over more than one block of positions and with long runs
    // of one byte in between: links to positions that left the window must never be followed.
    std::mt19937 random(4);
    const Bytes piece = Random(random, 40, 26);
    std::uniform_int_distribution<int> letter(0, 25);
    for (size_t distance : {16380, 16382, 16383, 16384, 16385, 16390}) {
        Bytes input;
        for (int copy = 0; copy < 5; ++copy) {
            input.insert(input.end(), piece.begin(), piece.end());
            const size_t filler = distance - piece.size();
            for (size_t i = 0; i < filler; ++i) {
                input.push_back(i % 4000 < 3000 ? uint8_t('0')
                                                : static_cast<uint8_t>('A' + letter(random)));
            }
        }
        ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input))
            << "distance " << distance;
    }
}

TEST(PackBlockEncoderTest, ChoosesLikeThePlainMatcherBetweenANearShortAndAFarLongMatch) {
    // A far copy (1024 bytes back or more) and a near copy of a piece's first bytes, then the
    // whole piece: lengths around the 8- and 16-byte keys, where a far match of one length can
    // tie a near one of one byte less (8 far and 7 near gain 5 each; the nearer one wins) or
    // beat it (16 far gains 13, 15 near 12). The filler is one repeated byte, so that no other
    // position stands between the copies in the chains of the piece's keys, and a marker seen
    // before is matched right ahead of the piece, as record text has matches one after another.
    std::mt19937 random(12);
    const Bytes piece = Random(random, 40, 26);
    const std::string marker = "+-*/!?&^";
    for (size_t nearLength : {6, 7, 8, 9, 14, 15, 16, 17}) {
        for (size_t farLength : {7, 8, 9, 10, 15, 16, 17, 18}) {
            for (size_t gap : {1000, 1030}) {
                Bytes input;
                input.push_back('1');
                input.insert(input.end(), piece.begin(), piece.begin() + farLength);
                input.push_back('#');
                input.insert(input.end(), marker.begin(), marker.end());
                input.push_back('#');
                input.insert(input.end(), 1200, 'Z');
                input.push_back('2');
                input.insert(input.end(), piece.begin(), piece.begin() + nearLength);
                input.push_back('$');
                input.insert(input.end(), gap - nearLength - marker.size(), 'Z');
                input.insert(input.end(), marker.begin(), marker.end());
                input.insert(input.end(), piece.begin(), piece.end());
                input.insert(input.end(), 8, '%');
                ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input))
                    << "near " << nearLength << ", far " << farLength << ", gap " << gap;
            }
        }
    }
}

TEST(PackBlockEncoderTest, ChoosesLikeThePlainMatcherWhereManyPositionsShareTheEndOfAMatch) {
    // Copies of a piece with one byte changed (or cut short) crowd the window: once a match is
    // found, the walk goes on through positions that share the bytes at its end or its start
    // and differ in between. The whole piece lies behind them, near, far, at the window's end
    // or beyond it; the walk must step past every copy and still find the longest match, the
    // nearest among equals.
    std::mt19937 random(23);
    const Bytes piece = Random(random, 48, 26);
    std::uniform_int_distribution<size_t> spot(0, piece.size() - 1);
    std::uniform_int_distribution<size_t> cut(12, piece.size());
    std::uniform_int_distribution<int> digit(0, 9);
    for (size_t behind : {300, 1000, 1030, 6000, 16300, 16400}) {
        for (int round = 0; round < 3; ++round) {
            Bytes input(piece);
            while (input.size() < behind) {
                Bytes copy(piece.begin(), piece.begin() + static_cast<long>(cut(random)));
                const size_t changed = spot(random);
                if (changed < copy.size()) {
                    copy[changed] = static_cast<uint8_t>('A' + digit(random));
                }
                input.insert(input.end(), copy.begin(), copy.end());
                input.push_back(static_cast<uint8_t>('0' + digit(random)));
            }
            input.insert(input.end(), piece.begin(), piece.end());
            input.insert(input.end(), 8, '#');
            ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input))
                << behind << " bytes behind, round " << round;
        }
    }
}

TEST(PackBlockEncoderTest, ChoosesLikeThePlainMatcherWhereManyPositionsShareTheStartOfAMatch) {
    // Numbers with a common prefix crowd the window, as the references of record text do: a
    // walk meets many positions that share a match's first bytes and differ where it would
    // end, and goes on in the chain of the bytes at its end. The number sought stands near,
    // far, at the window's end or beyond it; others end like it under other prefixes or
    // differ from it in one digit only, and it may stand more than once.
    std::mt19937 random(31);
    std::uniform_int_distribution<int> digit(0, 9);
    auto digits = [&](size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i) {
            text += static_cast<char>('0' + digit(random));
        }
        return text;
    };
    for (const std::string prefix : {"8600", "860012", "%INDEX%PLAYER_86"}) {
        for (size_t behind : {300, 1000, 1030, 6000, 16300, 16400}) {
            for (int round = 0; round < 3; ++round) {
                const std::string number = digits(5);
                const std::string sought = prefix + number + ",";
                std::string text = sought;
                while (text.size() < behind) {
                    const int kind = digit(random);
                    if (kind < 5) {
                        text += prefix + digits(5) + ",";
                    } else if (kind < 7) {
                        text += prefix + digits(2) + number.substr(2) + ",";
                    } else if (kind < 9) {
                        std::string near = number;
                        near[static_cast<size_t>(digit(random)) % near.size()] = 'x';
                        text += prefix + near + ",";
                    } else {
                        text += digits(3) + number + ",";
                    }
                    if (round == 2 && digit(random) == 0) {
                        text += sought; // copies nearer than the first
                    }
                }
                text += sought + "########";
                const Bytes input(text.begin(), text.end());
                ASSERT_EQ(PackBlock(input.data(), input.size()), ReferencePack(input))
                    << "prefix " << prefix << ", " << behind << " bytes behind, round " << round;
            }
        }
    }
}

TEST(PackBlockEncoderTest, StaysWithinTheBoundAndRefusesWhatTheHeaderCannotHold) {
    std::mt19937 random(8);
    for (size_t n = 0; n < 3000; n += 13) {
        const Bytes input = Random(random, n, 256 - 'a');
        Bytes out(PackBound(n));
        const size_t written = PackBlock(input.data(), n, out.data());
        EXPECT_GE(written, 6u);
        EXPECT_LE(written, PackBound(n));
    }
    EXPECT_EQ(PackBound(0), 6u);
    EXPECT_EQ(PackBound(112), 5u + 112 + 1 + 1);
    EXPECT_EQ(PackBound(0x1000000), 6u + 0x1000000 + 0x1000000 / 112 + 1 + 1);
    uint8_t sink[8] = {};
    EXPECT_EQ(PackBlock(sink, size_t{0x100000000}, sink), 0u);
}

// Packs with the parse cut at `starts`, each segment's parse going `extension` bytes past its
// end; the parses must have run on their threads.
Bytes PackCut(const Bytes& in, std::vector<size_t> starts, size_t extension,
              PackSplitReport* report = nullptr) {
    PackSplitReport own;
    PackSplitReport& counts = report != nullptr ? *report : own;
    Bytes out(PackBound(in.size()));
    out.resize(PackBlockInSegments(in.data(), in.size(), out.data(), starts, extension, &counts));
    EXPECT_FALSE(counts.sequential);
    return out;
}

// Lines of record text as the country files hold them.
Bytes RecordText(std::mt19937& random, size_t n) {
    std::string text;
    std::uniform_int_distribution<int> pick(0, 9);
    while (text.size() < n) {
        const int kind = pick(random);
        text += kind < 6   ? std::to_string(pick(random) * pick(random))
                : kind < 8 ? std::string("%INDEX%PLAYER")
                           : "\"Name" + std::to_string(pick(random)) + "\",\"Name\"";
        text += "\r\n";
    }
    return Bytes(text.begin(), text.end());
}

TEST(PackBlockSplitTest, CutParsesJoinIntoTheBytesOfThePlainMatcher) {
    std::mt19937 random(21);
    const Bytes record = RecordText(random, 120000);
    const Bytes expected = ReferencePack(record);
    const size_t n = record.size();
    // Extensions from none (the parses seldom meet before the earlier one ends, and the whole
    // parse goes on sequentially) to more than a segment.
    for (size_t extension : {0, 1, 3, 16, 200, 4096, 40000}) {
        for (size_t count : {2, 3, 5, 8}) {
            std::vector<size_t> starts;
            for (size_t k = 0; k < count; ++k) {
                starts.push_back(k * n / count + (k == 0 ? 0 : k * 7));
            }
            ASSERT_EQ(PackCut(record, starts, extension), expected)
                << count << " segments, extension " << extension;
        }
    }
    // Segments of very different lengths, one starting a byte after another.
    EXPECT_EQ(PackCut(record, {0, 5, 6, 900, 60000, 119990}, 64), expected);

    // Random bytes: nearly every position a literal, and the parses meet at once. Few
    // letters: short matches everywhere.
    for (int alphabet : {256 - 'a', 4}) {
        const Bytes noise = Random(random, alphabet == 4 ? 30000 : 100000, alphabet);
        const Bytes noiseExpected = ReferencePack(noise);
        for (size_t extension : {0, 8, 4096}) {
            const size_t third = noise.size() / 3;
            ASSERT_EQ(PackCut(noise, {0, third, 2 * third + 1}, extension), noiseExpected)
                << "alphabet " << alphabet << ", extension " << extension;
        }
    }
}

TEST(PackBlockSplitTest, ParsesOutOfStepGoOnSequentiallyUntilTheyMeet) {
    // In a long run of one byte, or data of a short period, each parse steps by the longest
    // match from where it began: two parses that start out of step stay so to the end of the
    // run, and the whole parse must go on sequentially from the end of the earlier one.
    std::mt19937 random(5);
    Bytes run = RecordText(random, 3000);
    run.insert(run.end(), 70000, '0');
    const Bytes tail = RecordText(random, 3000);
    run.insert(run.end(), tail.begin(), tail.end());
    const Bytes runExpected = ReferencePack(run);
    for (size_t extension : {1, 100, 5000}) {
        PackSplitReport report;
        ASSERT_EQ(PackCut(run, {0, 20000, 41234, 41235, 60001}, extension, &report), runExpected)
            << "extension " << extension;
        EXPECT_GT(report.fallbacks, 0u);
        EXPECT_GT(report.fallbackPositions, 0u);
    }

    // A period of 7 bytes (it divides no segment length below), repeated well past a window
    // and through several segments, between record text.
    Bytes periodic = RecordText(random, 2000);
    const std::string unit = "AbCdEfG";
    while (periodic.size() < 60000) {
        periodic.insert(periodic.end(), unit.begin(), unit.end());
    }
    const Bytes after = RecordText(random, 5000);
    periodic.insert(periodic.end(), after.begin(), after.end());
    const Bytes periodicExpected = ReferencePack(periodic);
    for (size_t extension : {2, 300, 3000}) {
        PackSplitReport report;
        ASSERT_EQ(PackCut(periodic, {0, 10000, 25001, 40003, 61000}, extension, &report),
                  periodicExpected)
            << "extension " << extension;
        EXPECT_GT(report.fallbacks, 0u);
    }
}

TEST(PackBlockSplitTest, CutsAtTheWindowsEdgeFindWhatTheWholeParseFinds) {
    // A segment's finder starts a window before the segment: cuts just inside, at and beyond
    // one and two windows, with a piece repeated at distances around the window's reach. A run
    // of a byte of its own ends right before each copy, so that the whole parse searches at
    // the copy's start and finds the copy before (when within reach) there.
    std::mt19937 random(4);
    const Bytes piece = Random(random, 40, 26);
    std::uniform_int_distribution<int> letter(0, 25);
    for (size_t distance : {16382, 16383, 16384, 16385}) {
        Bytes input;
        for (int copy = 0; copy < 4; ++copy) {
            input.insert(input.end(), piece.begin(), piece.end());
            for (size_t i = piece.size(); i < distance - 8; ++i) {
                input.push_back(i % 4000 < 3000 ? uint8_t('0')
                                                : static_cast<uint8_t>('A' + letter(random)));
            }
            input.insert(input.end(), 8, static_cast<uint8_t>('0' + 1 + copy));
        }
        const Bytes expected = ReferencePack(input);
        // Also cuts where the third copy begins, a window after the second.
        for (size_t cut : {size_t{16383}, size_t{16384}, size_t{16385}, 2 * distance - 1,
                           2 * distance, 2 * distance + 1}) {
            for (size_t extension : {1, 50}) {
                ASSERT_EQ(PackCut(input, {0, cut, cut + 16384}, extension), expected)
                    << "distance " << distance << ", cut " << cut << ", extension " << extension;
            }
        }
    }
}

TEST(PackBlockSplitTest, LargeInputsGiveTheBytesOfTheSequentialParse) {
    // Above the threshold PackBlock cuts the input by itself; cut or not, the same bytes.
    std::mt19937 random(9);
    Bytes input = RecordText(random, 3 * kPackSegmentMinimum);
    const Bytes noise = Random(random, 20000, 256 - 'a');
    input.insert(input.begin() + 100000, noise.begin(), noise.end());
    input.insert(input.begin() + 150000, 30000, 'x');
    Bytes sequential(PackBound(input.size()));
    const size_t zero = 0;
    PackSplitReport report;
    sequential.resize(PackBlockInSegments(input.data(), input.size(), sequential.data(),
                                          std::span(&zero, 1), 0, &report));
    EXPECT_TRUE(report.sequential);
    EXPECT_EQ(sequential, ReferencePack(input));
    EXPECT_EQ(PackBlock(input.data(), input.size()), sequential);
    for (size_t count = 2; count <= kPackMaxSegments; ++count) {
        std::vector<size_t> starts;
        for (size_t k = 0; k < count; ++k) {
            starts.push_back(k * input.size() / count);
        }
        ASSERT_EQ(PackCut(input, starts, kPackSegmentExtension), sequential) << count;
    }
    // Each segment gets at least the minimum, and no more than eight are cut.
    EXPECT_EQ(PackSegmentCount(2 * kPackSegmentMinimum - 1, 4), 1u);
    EXPECT_EQ(PackSegmentCount(3 * kPackSegmentMinimum, 4), 3u);
    EXPECT_EQ(PackSegmentCount(100 * kPackSegmentMinimum, 64), kPackMaxSegments);
    EXPECT_EQ(PackSegmentCount(100 * kPackSegmentMinimum, 0), 1u);
}

// Record text with a stretch of noise and a long run in it, large enough to be cut.
Bytes LargeMixedInput(std::mt19937& random, size_t n) {
    Bytes input = RecordText(random, n);
    const Bytes noise = Random(random, n / 12, 256 - 'a');
    input.insert(input.begin() + static_cast<ptrdiff_t>(n / 3), noise.begin(), noise.end());
    input.insert(input.begin() + static_cast<ptrdiff_t>(n / 2), n / 10, 'x');
    return input;
}

Bytes PackTaking(const Bytes& in, std::span<const size_t> starts, size_t extension,
                 PackSegmentTaking taking, PackSplitReport& report) {
    Bytes out(PackBound(in.size()));
    out.resize(
        PackBlockInSegments(in.data(), in.size(), out.data(), starts, extension, &report, taking));
    return out;
}

TEST(PackBlockSplitTest, SegmentsTakenOnwardOrApartJoinIntoTheBytesOfThePlainMatcher) {
    std::mt19937 random(33);
    const Bytes input = LargeMixedInput(random, 5 * kPackSegmentMinimum);
    const Bytes expected = ReferencePack(input);
    const size_t n = input.size();
    std::vector<std::vector<size_t>> layouts;
    for (unsigned threads : {2u, 3u, 4u, 8u}) {
        std::array<size_t, kPackMaxPieces> starts{};
        const size_t count = PackCutStarts(n, threads, starts);
        ASSERT_GT(count, 1u) << threads;
        layouts.emplace_back(starts.begin(), starts.begin() + static_cast<ptrdiff_t>(count));
    }
    // As many pieces as a call takes, some a byte long, some shorter than the extension.
    std::vector<size_t> many;
    for (size_t k = 0; k < kPackMaxPieces; ++k) {
        many.push_back(k * (n / kPackMaxPieces) + (k % 3 == 1 ? 2000 : 0) + (k % 5 == 2 ? 1 : 0));
    }
    many[8] = many[7] + 1;
    layouts.push_back(many);
    for (const std::vector<size_t>& starts : layouts) {
        for (size_t extension : {size_t{0}, size_t{1}, kPackSegmentExtension}) {
            // Again and again: which thread takes which segment changes from run to run.
            for (int run = 0; run < 3; ++run) {
                PackSplitReport report;
                ASSERT_EQ(PackTaking(input, starts, extension, PackSegmentTaking::kApart, report),
                          expected)
                    << starts.size() << " segments apart, extension " << extension;
                EXPECT_FALSE(report.sequential);
                EXPECT_EQ(report.parses, starts.size());

                ASSERT_EQ(PackTaking(input, starts, extension, PackSegmentTaking::kOnward, report),
                          expected)
                    << starts.size() << " segments onward, extension " << extension;
                if (std::thread::hardware_concurrency() > 1) {
                    EXPECT_FALSE(report.sequential);
                }
                EXPECT_LE(report.parses, starts.size());
                EXPECT_EQ(report.sequential, report.parses == 0);
            }
        }
    }
}

TEST(PackBlockSplitTest, CutStartsGiveEachThreadTwoOrMoreEvenPieces) {
    for (size_t n : {2 * kPackSegmentMinimum - 1, 2 * kPackSegmentMinimum, size_t{886000},
                     8 * kPackSegmentMinimum + 5, size_t{16} << 20, size_t{0xFFFFFF} + 9}) {
        for (unsigned threads : {0u, 1u, 2u, 3u, 8u, 64u}) {
            std::array<size_t, kPackMaxPieces> starts;
            starts.fill(SIZE_MAX);
            const size_t count = PackCutStarts(n, threads, starts);
            const size_t segments = PackSegmentCount(n, threads);
            EXPECT_EQ(starts[0], 0u);
            if (segments == 1) {
                EXPECT_EQ(count, 1u) << n << " bytes, " << threads << " threads";
                continue;
            }
            ASSERT_GE(count, 2 * segments) << n << " bytes, " << threads << " threads";
            ASSERT_LE(count, kPackMaxPieces);
            size_t shortest = SIZE_MAX;
            size_t longest = 0;
            for (size_t k = 0; k < count; ++k) {
                const size_t end = k + 1 < count ? starts[k + 1] : n;
                ASSERT_LT(starts[k], end) << n << " bytes, " << threads << " threads";
                shortest = std::min(shortest, end - starts[k]);
                longest = std::max(longest, end - starts[k]);
            }
            EXPECT_LE(longest - shortest, 1u);
            // No smaller than the smallest piece, unless each thread would get fewer than two.
            EXPECT_TRUE(shortest >= kPackSmallPiece || count == 2 * segments)
                << n << " bytes, " << threads << " threads";
        }
    }
}

TEST(PackBlockSplitTest, CallsFromManyThreadsAtOnceShareTheHelpers) {
    // The helpers serve every call; calls that find them all busy parse alone.
    std::mt19937 random(77);
    std::vector<Bytes> inputs;
    std::vector<Bytes> expected;
    for (size_t n :
         {2 * kPackSegmentMinimum + 10, 3 * kPackSegmentMinimum, 5 * kPackSegmentMinimum}) {
        inputs.push_back(LargeMixedInput(random, n));
        expected.push_back(ReferencePack(inputs.back()));
    }
    constexpr int kCallers = 6;
    std::array<int, kCallers> mismatches{};
    std::vector<std::thread> callers;
    for (int caller = 0; caller < kCallers; ++caller) {
        callers.emplace_back([&, caller] {
            for (int round = 0; round < 4; ++round) {
                const size_t which = static_cast<size_t>(caller + round) % inputs.size();
                const Bytes& input = inputs[which];
                Bytes packed;
                if (caller % 2 == 0) {
                    packed = PackBlock(input.data(), input.size());
                } else {
                    const std::vector<size_t> starts = {0, input.size() / 3, input.size() / 2,
                                                        input.size() - 1000};
                    PackSplitReport report;
                    packed = PackTaking(input, starts, kPackSegmentExtension,
                                        round % 2 == 0 ? PackSegmentTaking::kApart
                                                       : PackSegmentTaking::kOnward,
                                        report);
                }
                mismatches[static_cast<size_t>(caller)] += packed != expected[which] ? 1 : 0;
            }
        });
    }
    for (std::thread& thread : callers) {
        thread.join();
    }
    for (int caller = 0; caller < kCallers; ++caller) {
        EXPECT_EQ(mismatches[static_cast<size_t>(caller)], 0) << "caller " << caller;
    }
}

TEST(PackBlockSplitDeathTest, ExitingWhileCallsAreHelpedOrTheHelpersWaitEndsCleanly) {
    // In a process of its own: the helpers of this one were not forked with it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::mt19937 random(3);
    const Bytes input = LargeMixedInput(random, 3 * kPackSegmentMinimum);
    const Bytes expected = ReferencePack(input);
    // The helpers idle after a call.
    EXPECT_EXIT(
        {
            const bool same = PackBlock(input.data(), input.size()) == expected;
            std::exit(same ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    // Another thread packs on and on while the program exits.
    EXPECT_EXIT(
        {
            std::thread([&] {
                while (PackBlock(input.data(), input.size()) == expected) {
                }
                std::_Exit(1);
            }).detach();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

TEST(PackBlockSplitDeathTest, AForkedCopyPacksAloneWithoutWaitingForHelpers) {
    // Forked without a new program: the copy has none of the helpers this process started, so
    // its call must not wait for one. (It ends with _exit: the helpers' memory, which the copy
    // inherited without their threads, would otherwise be reported by a leak checker.)
    GTEST_FLAG_SET(death_test_style, "fast");
    std::mt19937 random(5);
    const Bytes input = LargeMixedInput(random, 3 * kPackSegmentMinimum);
    const Bytes expected = ReferencePack(input);
    ASSERT_EQ(PackBlock(input.data(), input.size()), expected); // the helpers are running
    EXPECT_EXIT(
        {
            const bool same = PackBlock(input.data(), input.size()) == expected;
            _exit(same ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tallo
