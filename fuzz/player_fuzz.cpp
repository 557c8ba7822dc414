// Reads the input as a PLAYER section, in the file version the input chooses, with or without a
// world. What was read, once its ranges are clamped, must survive the writer: writing it,
// reading that text back and writing again gives the same text.
//
// Input layout (libFuzzer's data provider): the last byte chooses the version and whether the
// player has a world; the rest is the file.

#include "fake_world.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/file_version.h"
#include "world/player.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace tallo::fuzz {
namespace {

constexpr uint32_t kVersions[] = {FileVersion::kCurrent, 0x20040007u, 0x20040006u, 0x20040004u,
                                  0x20040000u,           0x2003FFFFu, 1u};

std::string Written(const CPlayer& player) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(player.Save(file));
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
    const uint8_t choice = input.ConsumeIntegral<uint8_t>();
    const uint32_t version = kVersions[choice % std::size(kVersions)];
    const bool withWorld = (choice & 0x80) != 0;
    const std::string text = input.ConsumeRemainingBytesAsString();

    FakeWorld world;
    CPlayer player(withWorld ? &world : nullptr, 0, 1);
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(text));
    FileVersion::SetLoaded(version);
    if (!player.Load(file)) {
        return 0;
    }
    player.ClampRanges();
    player.GetRating(); // the derived values index tables with the loaded values

    const std::string first = Written(player);
    CPlayer back(withWorld ? &world : nullptr, 0, 1);
    CKLFile again;
    TALLO_FUZZ_CHECK(again.OpenFromMemory(first));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    TALLO_FUZZ_CHECK(back.Load(again));
    CheckSameText(first, Written(back), "player written, read and written again");
    return 0;
}
