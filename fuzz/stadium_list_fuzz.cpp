// Writes the input as "StadiumList.txt" into a scratch folder, loads it, and applies every
// model choice of the list (and one beyond it) to a stadium.

#include "fuzz_support.h"
#include "world/stadium.h"
#include "world/stadium_list.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    const std::string path = fuzz::Scratch() / StadiumList::kFileName;
    fuzz::WriteScratchFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    StadiumList list;
    TALLO_FUZZ_CHECK(list.LoadFile(path));
    TALLO_FUZZ_CHECK(list.Count() <= static_cast<size_t>(StadiumList::kMaxEntries));
    for (size_t index = 0; index <= list.Count() && index < 64; ++index) {
        Stadium stadium = list.LargeFallback();
        list.ApplyModelChoice(stadium, index);
        TALLO_FUZZ_CHECK(stadium.CapacityClass() <= Stadium::kMaxCapacityClass);
        for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
            const int32_t limit = stadium.StandLimit(stand);
            TALLO_FUZZ_CHECK(limit < 0 || stadium.StandCapacity(stand) <= limit);
        }
    }
    return 0;
}
