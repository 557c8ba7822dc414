// Throughput and packed size of the packed-block coder beside LZ4 and zlib on the same bytes.
//
// The input is record-file text: the file named by the environment variable
// TALLO_BENCH_PACK_FILE when it is set (a country file of the full sample world, say),
// otherwise about 4 MiB of player and club sections written by the record-file writer from a
// fixed seed. Every figure reports bytes/s of uncompressed data and the packed size.

#include "assets/packed_block.h"
#include "assets/packed_block_split.h"
#include "formats/kl_file.h"

#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace {

using tallo::CKLFile;

// A small generator of its own, so the text is the same on every platform and library.
class Lcg {
public:
    explicit Lcg(uint64_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state_ >> 33);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    // Small values are common in records: mostly 0-20, sometimes up to 99.
    int Skewed() { return Below(4) == 0 ? Below(100) : Below(21); }

private:
    uint64_t state_;
};

constexpr size_t kGeneratedSize = size_t{4} << 20;

const char* const kFirstNames[] = {"Thomas", "Michael", "Andreas", "Stefan", "Marco", "Luca",
                                   "Juan",   "Pedro",   "Ivan",    "Sergei", "John",  "David",
                                   "Pierre", "Jean",    "Jan",     "Piotr",  "Ahmed", "Kenji"};
const char* const kSurnames[] = {"Mueller", "Schmidt", "Rossi",    "Bianchi", "Garcia",
                                 "Lopez",   "Ivanov",  "Petrov",   "Smith",   "Jones",
                                 "Dubois",  "Martin",  "Kowalski", "Nowak",   "Haddad",
                                 "Tanaka",  "de Jong", "Jansen",   "Silva",   "Santos"};
const char* const kTowns[] = {"Nordstadt", "Suedhafen", "Altdorf", "Neuburg",  "Westfeld",
                              "Ostheim",   "Bergtal",   "Seeburg", "Hochwald", "Flussau"};

template <size_t N> const char* Pick(Lcg& random, const char* const (&names)[N]) {
    return names[random.Below(static_cast<int>(N))];
}

// A player section shaped like those of a database: names, a date, then mostly small
// values one per line (ratings, flags, counters), a few measures and identifiers.
void WritePlayer(CKLFile& file, Lcg& random, int country, int id) {
    file.WriteSectionBegin("PLAYER");
    file.WriteString(Pick(random, kFirstNames));
    file.WriteString(Pick(random, kSurnames));
    file.WriteString("");
    file.WriteString("");
    for (int i = 0; i < 5; ++i) {
        file.WriteByte(static_cast<uint8_t>(random.Below(4) == 0 ? random.Below(100) : 0));
    }
    file.WriteSectionBegin("DATE");
    file.WriteByte(static_cast<uint8_t>(1 + random.Below(28)));
    file.WriteByte(static_cast<uint8_t>(1 + random.Below(12)));
    file.WriteShort(static_cast<int16_t>(1970 + random.Below(16)));
    file.WriteSectionEnd("DATE");
    for (int i = 0; i < 36; ++i) {
        file.WriteByte(static_cast<uint8_t>(random.Skewed()));
    }
    file.WriteShort(static_cast<int16_t>(165 + random.Below(35))); // height
    file.WriteShort(static_cast<int16_t>(60 + random.Below(35)));  // weight
    for (int i = 0; i < 4; ++i) {
        file.WriteByte(static_cast<uint8_t>(random.Below(5)));
    }
    file.WriteInt(400000 + random.Below(100000));
    file.WriteInt(country);
    file.WriteInt(id);
    for (int i = 0; i < 12; ++i) {
        file.WriteInt(i == 2 || i == 3 ? 2003 : random.Below(8) == 0 ? random.Below(40) : 0);
    }
    file.WriteSectionEnd("PLAYER");
}

void WriteClub(CKLFile& file, Lcg& random, int club, int& nextPlayer) {
    const std::string section = "CLUB" + std::to_string(club);
    file.WriteSectionBegin(section);
    const std::string name = std::string(Pick(random, kTowns)) + " FC " + std::to_string(club);
    for (int language = 0; language < 5; ++language) {
        file.WriteString(name);
    }
    file.WriteString(std::string("Germany\\Badge180\\") + std::to_string(club) + ".tga");
    for (int i = 0; i < 20; ++i) {
        file.WriteInt(random.Skewed() * (i % 3 == 0 ? 1000 : 1));
    }
    const int players = 18 + random.Below(12);
    for (int i = 0; i < players; ++i) {
        WritePlayer(file, random, club % 206 + 1, nextPlayer++);
    }
    file.WriteSectionEnd(section);
}

std::string GenerateRecordText() {
    CKLFile file;
    // Nothing is written to disk before Close; the text is taken and the write abandoned.
    file.OpenForWrite("bench.sav");
    Lcg random(2003);
    int nextPlayer = 1;
    for (int club = 1; file.WrittenText().size() < kGeneratedSize; ++club) {
        WriteClub(file, random, club, nextPlayer);
    }
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

const std::string& Input() {
    static const std::string input = [] {
        if (const char* path = std::getenv("TALLO_BENCH_PACK_FILE"); path && *path) {
            std::ifstream in(path, std::ios::binary);
            std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (!bytes.empty()) {
                return bytes;
            }
            std::fprintf(stderr, "pack_bench: cannot read %s, using generated text\n", path);
        }
        return GenerateRecordText();
    }();
    return input;
}

const uint8_t* InputBytes() {
    return reinterpret_cast<const uint8_t*>(Input().data());
}

void Report(benchmark::State& state, size_t packedSize) {
    const size_t n = Input().size();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
    state.counters["input"] = static_cast<double>(n);
    state.counters["packed"] = static_cast<double>(packedSize);
    state.counters["ratio%"] = 100.0 * static_cast<double>(packedSize) / static_cast<double>(n);
}

// Packed block ---------------------------------------------------------------------------

void BM_PackBlock(benchmark::State& state) {
    const size_t n = Input().size();
    std::vector<uint8_t> out(tallo::PackBound(n));
    size_t packed = 0;
    for (auto _ : state) {
        packed = tallo::PackBlock(InputBytes(), n, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, packed);
}

// The parse on the calling thread alone (one segment), as each thread runs it: the figure that
// load on the other cores does not blur as much.
void BM_PackBlockOneThread(benchmark::State& state) {
    const size_t n = Input().size();
    std::vector<uint8_t> out(tallo::PackBound(n));
    const size_t start = 0;
    size_t packed = 0;
    for (auto _ : state) {
        packed = tallo::PackBlockInSegments(InputBytes(), n, out.data(), std::span(&start, 1),
                                            tallo::kPackSegmentExtension);
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, packed);
}

const std::vector<uint8_t>& Packed() {
    static const std::vector<uint8_t> packed = tallo::PackBlock(InputBytes(), Input().size());
    return packed;
}

void BM_UnpackBlock(benchmark::State& state) {
    const std::vector<uint8_t>& packed = Packed();
    std::vector<uint8_t> out;
    for (auto _ : state) {
        if (!tallo::UnpackBlock(packed.data(), packed.size(), out)) {
            state.SkipWithError("unpack failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    if (out.size() != Input().size() || std::memcmp(out.data(), Input().data(), out.size()) != 0) {
        state.SkipWithError("round trip differs");
    }
    Report(state, packed.size());
}

// Into a buffer allocated once: the decoder alone.
void BM_UnpackBlockInto(benchmark::State& state) {
    const std::vector<uint8_t>& packed = Packed();
    std::vector<uint8_t> out(Input().size());
    for (auto _ : state) {
        if (!tallo::UnpackBlockInto(packed.data(), packed.size(), out.data(), out.size())) {
            state.SkipWithError("unpack failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, packed.size());
}

// LZ4 ------------------------------------------------------------------------------------

void BM_Lz4Compress(benchmark::State& state) {
    const int n = static_cast<int>(Input().size());
    std::vector<char> out(static_cast<size_t>(LZ4_compressBound(n)));
    int packed = 0;
    for (auto _ : state) {
        packed = LZ4_compress_default(Input().data(), out.data(), n, static_cast<int>(out.size()));
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, static_cast<size_t>(packed));
}

void BM_Lz4Decompress(benchmark::State& state) {
    const int n = static_cast<int>(Input().size());
    std::vector<char> packed(static_cast<size_t>(LZ4_compressBound(n)));
    packed.resize(static_cast<size_t>(
        LZ4_compress_default(Input().data(), packed.data(), n, static_cast<int>(packed.size()))));
    std::vector<char> out(static_cast<size_t>(n));
    for (auto _ : state) {
        const int produced =
            LZ4_decompress_safe(packed.data(), out.data(), static_cast<int>(packed.size()), n);
        if (produced != n) {
            state.SkipWithError("LZ4 decompression failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, packed.size());
}

// zlib -----------------------------------------------------------------------------------

std::vector<Bytef> ZlibCompress(int level) {
    uLongf size = compressBound(static_cast<uLong>(Input().size()));
    std::vector<Bytef> out(size);
    compress2(out.data(), &size, InputBytes(), static_cast<uLong>(Input().size()), level);
    out.resize(size);
    return out;
}

void BM_ZlibCompress(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    std::vector<Bytef> out(compressBound(static_cast<uLong>(Input().size())));
    uLongf size = 0;
    for (auto _ : state) {
        size = static_cast<uLongf>(out.size());
        if (compress2(out.data(), &size, InputBytes(), static_cast<uLong>(Input().size()), level) !=
            Z_OK) {
            state.SkipWithError("zlib compression failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, size);
}

void BM_ZlibDecompress(benchmark::State& state) {
    const std::vector<Bytef> packed = ZlibCompress(static_cast<int>(state.range(0)));
    std::vector<Bytef> out(Input().size());
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        if (uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size())) !=
                Z_OK ||
            size != out.size()) {
            state.SkipWithError("zlib decompression failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, packed.size());
}

BENCHMARK(BM_PackBlock)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackBlockOneThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackBlockInto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lz4Compress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lz4Decompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompress)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibDecompress)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
