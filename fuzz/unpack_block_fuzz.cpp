// Decodes the input as a packed block, and packs the input and decodes it again.
//
// A block that decodes gives exactly the size its header announces, and decoding into a
// caller's buffer of that size (allocated to the byte, so that the sanitizer sees any write
// past it) gives the same bytes. Packing any input and unpacking the result gives the input
// back, within PackBound bytes.

#include "assets/packed_block.h"
#include "fuzz_support.h"

#include <cstring>
#include <memory>
#include <vector>

namespace tallo::fuzz {
namespace {

// Packs and unpacks `data`, which must come back unchanged.
void CheckRoundTrip(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> packed = PackBlock(data, size);
    TALLO_FUZZ_CHECK(!packed.empty());
    TALLO_FUZZ_CHECK(packed.size() <= PackBound(size));
    TALLO_FUZZ_CHECK(UnpackSize(packed.data(), packed.size()) == size);
    std::vector<uint8_t> back;
    TALLO_FUZZ_CHECK(UnpackBlock(packed.data(), packed.size(), back));
    TALLO_FUZZ_CHECK(back.size() == size);
    TALLO_FUZZ_CHECK(size == 0 || std::memcmp(back.data(), data, size) == 0);
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;

    // The block as it stands, in a buffer of its own size.
    const std::unique_ptr<uint8_t[]> block(new uint8_t[size]);
    if (size != 0) {
        std::memcpy(block.get(), data, size);
    }
    std::vector<uint8_t> out;
    const uint64_t announced = UnpackSize(block.get(), size);
    if (UnpackBlock(block.get(), size, out)) {
        TALLO_FUZZ_CHECK(out.size() == announced);
        const std::unique_ptr<uint8_t[]> exact(new uint8_t[out.size()]);
        TALLO_FUZZ_CHECK(UnpackBlockInto(block.get(), size, exact.get(), out.size()));
        TALLO_FUZZ_CHECK(out.empty() || std::memcmp(exact.get(), out.data(), out.size()) == 0);
        // What came out packs and unpacks unchanged as well.
        CheckRoundTrip(out.data(), out.size());
    } else {
        TALLO_FUZZ_CHECK(out.empty());
        // A buffer of the announced size does not make a broken block decode either, unless
        // only the size cap refused it.
        if (announced <= (uint64_t{1} << 22)) {
            const size_t length = static_cast<size_t>(announced);
            const std::unique_ptr<uint8_t[]> exact(new uint8_t[length]);
            TALLO_FUZZ_CHECK(!UnpackBlockInto(block.get(), size, exact.get(), length));
        }
    }
    // A size cap below the announced size is refused before anything is decoded.
    if (announced > 0) {
        std::vector<uint8_t> capped;
        TALLO_FUZZ_CHECK(!UnpackBlock(block.get(), size, capped, announced - 1));
        TALLO_FUZZ_CHECK(capped.empty());
    }

    CheckRoundTrip(block.get(), size);
    return 0;
}
