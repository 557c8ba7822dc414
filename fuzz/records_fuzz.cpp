// Reads the input through the reader of one of the small records (or a list of them), in the
// format version the input chooses. Whatever was read must survive the writer: writing it,
// reading that text back and writing again gives the same text.
//
// Input layout (libFuzzer's data provider): the last byte chooses the record and whether it is
// read alone or as a list, the byte before it the file version; the rest is the file.

#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/file_version.h"
#include "world/game_date.h"
#include "world/national_coach.h"
#include "world/player_pool_entry.h"
#include "world/record_map.h"
#include "world/referee.h"
#include "world/result_record.h"
#include "world/sponsor.h"
#include "world/stadium.h"
#include "world/staff_member.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace tallo::fuzz {
namespace {

constexpr std::string_view kListSection = "LIST";

constexpr uint32_t kVersions[] = {FileVersion::kCurrent, 0x20040007u, 0x20040004u,
                                  0x20040000u,           0x2003FFFFu, 1u};

template <class Record> std::string Written(const Record& record) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(record.Write(file));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

template <class Map> std::string WrittenList(const Map& map) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(map.WriteList(file, kListSection));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

template <class Record> void CheckRecord(const std::string& data, uint32_t version) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(data));
    FileVersion::SetLoaded(version);
    Record record;
    if (!record.Read(file)) {
        return;
    }
    const std::string first = Written(record);
    CKLFile again;
    TALLO_FUZZ_CHECK(again.OpenFromMemory(first));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    Record back;
    TALLO_FUZZ_CHECK(back.Read(again));
    CheckSameText(first, Written(back), "record written, read and written again");
}

template <class Map> void CheckList(const std::string& data, uint32_t version) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenFromMemory(data));
    FileVersion::SetLoaded(version);
    Map map;
    if (!map.ReadList(file, kListSection)) {
        TALLO_FUZZ_CHECK(map.Empty());
        return;
    }
    TALLO_FUZZ_CHECK(map.Count() <= Map::kLimit);
    const std::string first = WrittenList(map);
    CKLFile again;
    TALLO_FUZZ_CHECK(again.OpenFromMemory(first));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    Map back;
    TALLO_FUZZ_CHECK(back.ReadList(again, kListSection));
    TALLO_FUZZ_CHECK(back.Count() == map.Count());
    CheckSameText(first, WrittenList(back), "list written, read and written again");
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint8_t choice = input.ConsumeIntegral<uint8_t>();
    const uint32_t version = input.PickValueInArray(kVersions);
    const std::string text = input.ConsumeRemainingBytesAsString();

    switch (choice % 12) {
    case 0:
        CheckRecord<StaffMember>(text, version);
        break;
    case 1:
        CheckRecord<Referee>(text, version);
        break;
    case 2:
        CheckRecord<Sponsor>(text, version);
        break;
    case 3:
        CheckRecord<Stadium>(text, version);
        break;
    case 4:
        CheckRecord<ResultRecord>(text, version);
        break;
    case 5:
        CheckRecord<GameDate>(text, version);
        break;
    case 6:
        CheckRecord<PlayerPoolEntry>(text, version);
        break;
    case 7:
        CheckRecord<NationalCoach>(text, version);
        break;
    case 8:
        CheckList<StaffMap>(text, version);
        break;
    case 9:
        CheckList<RefereeMap>(text, version);
        break;
    case 10:
        CheckList<SponsorMap>(text, version);
        break;
    default:
        CheckList<StadiumMap>(text, version);
        break;
    }
    return 0;
}
