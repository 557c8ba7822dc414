// Writes the input as Without.sav (the players without a club) into a scratch database folder
// and reads it into a world, in the file version the input chooses (the file has no version of
// its own: it is read with the version of the file read before it).
//
// Every listed player is in the world's registry, and the list cannot grow beyond what the
// file could hold. What was read survives a save: saved, read into a fresh world and saved
// again, it gives the same text.
//
// Input layout (libFuzzer's data provider): the last byte chooses the version; the rest is the
// file.

#include "fuzz_support.h"
#include "world/file_version.h"
#include "world/player.h"
#include "platform/atomic_file.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <set>
#include <string>

namespace tallo::fuzz {
namespace {

constexpr uint32_t kVersions[] = {FileVersion::kCurrent, 0x20040007u, 0x20040006u, 0x20040004u,
                                  0x20040000u,           0x2003FFFFu, 1u};

// A country list of the 206 countries with a first language each, made once; the players'
// post-load checks look at their nationality's languages.
const std::string& CountryList() {
    static const std::string path = [] {
        std::string text;
        for (int n = 1; n <= CWorld::kCountryCount; ++n) {
            text += "Land" + std::to_string(n) + "\r\nL" + std::to_string(n % 100) + "\r\n" +
                    std::to_string(n % 6) + "\r\n" + std::to_string(n % 50 + 1) + "\r\n2\r\n0\r\n";
        }
        const std::string file = Scratch() / "countries.sav";
        WriteScratchFile(file, text);
        TALLO_FUZZ_CHECK(mkdir((Scratch() / "db").c_str(), 0700) == 0);
        return file;
    }();
    return path;
}

std::unique_ptr<CWorld> MakeWorld() {
    auto world = std::make_unique<CWorld>();
    world->LoadCountryList(CountryList());
    world->SetDatabaseFolder(Scratch() / "db");
    return world;
}

std::string SavedText(const CWorld& world) {
    TALLO_FUZZ_CHECK(world.SaveWithout());
    std::string text;
    TALLO_FUZZ_CHECK(ReadWholeFile(world.WithoutFilePath(), text, size_t{64} << 20));
    return text;
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint32_t version = input.PickValueInArray(kVersions);
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::unique_ptr<CWorld> world = MakeWorld();
    WriteScratchFile(world->WithoutFilePath(), text);
    FileVersion::SetLoaded(version);
    if (!world->LoadWithout()) {
        TALLO_FUZZ_CHECK(world->PlayersWithoutClub().empty());
        return 0;
    }
    const std::vector<uint32_t>& listed = world->PlayersWithoutClub();
    TALLO_FUZZ_CHECK(listed.size() == world->PlayerCount());
    TALLO_FUZZ_CHECK(listed.size() <= text.size() / 20 + 1);
    TALLO_FUZZ_CHECK(std::set<uint32_t>(listed.begin(), listed.end()).size() == listed.size());
    for (uint32_t id : listed) {
        TALLO_FUZZ_CHECK(world->FindPlayer(id) != nullptr);
    }

    const std::string first = SavedText(*world);
    std::unique_ptr<CWorld> back = MakeWorld();
    FileVersion::SetLoaded(FileVersion::kCurrent);
    TALLO_FUZZ_CHECK(back->LoadWithout());
    TALLO_FUZZ_CHECK(back->PlayersWithoutClub().size() == listed.size());
    CheckSameText(first, SavedText(*back), "Without.sav saved, read and saved again");
    return 0;
}
