// Reads the input as the club section of a club file (CLUB0) with its players, in the file
// version and with the load options the input chooses, and runs the post-load check. What was
// read must survive the writer: writing it, reading that text into a fresh world and writing
// again gives the same text.
//
// Input layout (libFuzzer's data provider): the last byte chooses the version, the byte before
// it the load options; the rest is the file.

#include "fake_world.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/club.h"
#include "world/file_version.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace tallo::fuzz {
namespace {

constexpr uint32_t kVersions[] = {FileVersion::kCurrent, 0x20040007u, 0x20040005u, 0x20040004u,
                                  0x20040000u,           0x2003FFFFu, 1u};

std::string Written(const CClub& club, FakeWorld& world) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.clb"));
    TALLO_FUZZ_CHECK(club.Save(file, 0, world));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint32_t version = input.PickValueInArray(kVersions);
    const uint32_t options = input.ConsumeIntegral<uint8_t>() & 3u;
    const std::string text = input.ConsumeRemainingBytesAsString();

    FakeWorld world;
    CClub club;
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(text));
    FileVersion::SetLoaded(version);
    if (!club.Load(file, 0, options, world)) {
        return 0;
    }
    TALLO_FUZZ_CHECK(club.PlayerCount() <= CClub::kMaxPlayers);
    club.PostLoadCheck(world);
    club.CheckCompleteness(world);
    club.CheckSquad(world);

    const std::string first = Written(club, world);
    FakeWorld otherWorld;
    CClub back;
    CKLFile again;
    TALLO_FUZZ_CHECK(again.OpenFromMemory(first));
    TALLO_FUZZ_CHECK(back.Load(again, 0, 0, otherWorld));
    TALLO_FUZZ_CHECK(back.PlayerCount() == club.PlayerCount());
    CheckSameText(first, Written(back, otherWorld), "club written, read and written again");
    return 0;
}
