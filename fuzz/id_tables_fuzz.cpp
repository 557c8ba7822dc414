// Reads the input as one of the ID tables or name lists of the mapping (club IDs, player IDs,
// star heads, male and female first names, surnames), checks the bounds of what was kept, and
// uses the table the way the administrator's mapping does, on a small world whose clubs and
// players carry names from the table, with the report written into a scratch folder.
//
// Name lists are written again (pool lines and names) and read back the same; the same text
// read into the name store of the game database build gives every pool the same names, each
// once, counted as often as the file holds it.
//
// Input layout (libFuzzer's data provider): the last byte chooses the table (its value modulo
// 6: club IDs, player IDs, star heads, male names, female names, surnames); the rest is the
// file.

#include "fuzz_support.h"
#include "gamedb/name_store.h"
#include "mapping/letter_case.h"
#include "mapping/name_lists.h"
#include "mapping/star_heads.h"
#include "mapping/zelo_club_mapping.h"
#include "mapping/zelo_player_mapping.h"
#include "world/accent_folding.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/text_utils.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

namespace tallo::fuzz {
namespace {

// Clubs and players made from a table's names; a few are enough to reach every branch.
constexpr size_t kNamedRecords = 12;
constexpr int kCountry = 5;

bool IsClean(const std::string& text) {
    std::string copy = text;
    return !CollapseBlanks(copy);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A world fresh from the country list (no file: every country gets its national team only).
std::unique_ptr<CWorld> MakeWorld() {
    auto world = std::make_unique<CWorld>();
    world->LoadCountryList(Scratch() / "no-countries.sav");
    return world;
}

void CheckClubIds(std::string_view text) {
    CZeloClubMapping mapping;
    mapping.LoadText(text);
    for (const auto& [name, record] : mapping.Records()) {
        TALLO_FUZZ_CHECK(!name.empty() && IsClean(name));
        TALLO_FUZZ_CHECK(!record.description.empty() && IsClean(record.description));
        TALLO_FUZZ_CHECK(record.description.size() <= CZeloClubMapping::kDescriptionLength);
        TALLO_FUZZ_CHECK(record.column1 != 0 && record.column1 != 400);
        TALLO_FUZZ_CHECK(mapping.Find(name) == &record);
    }

    std::unique_ptr<CWorld> world = MakeWorld();
    CCountry& country = *world->GetCountry(kCountry);
    std::vector<CClub*> named;
    for (const auto& [name, record] : mapping.Records()) {
        if (named.size() == kNamedRecords) {
            break;
        }
        if (CClub* club = country.CreateClub(name)) {
            club->SetColourEntry(0xABCD);
            named.push_back(club);
        }
    }
    const size_t clubs = CWorld::kCountryCount + named.size();
    const std::string report = Scratch() / "club_report.txt";
    std::remove(report.c_str());
    const ClubMappingResult result = mapping.MapClubIds(*world, report, true);
    TALLO_FUZZ_CHECK(static_cast<size_t>(result.success + result.failure) == clubs);
    TALLO_FUZZ_CHECK(result.reportWritten && FileExists(report));
    for (CClub* club : named) {
        const ClubIdRecord* record = mapping.Find(club->Name(world->Language()));
        if (record == nullptr) {
            record = mapping.Find(club->ShortName(world->Language()));
        }
        const uint16_t expected =
            record != nullptr ? static_cast<uint16_t>(static_cast<uint32_t>(record->zeloId)) : 0;
        TALLO_FUZZ_CHECK(club->ColourEntry() == expected);
        TALLO_FUZZ_CHECK(club->Kit().colourEntry == expected);
    }
}

void CheckPlayerIds(std::string_view text) {
    CZeloPlayerMapping mapping;
    mapping.LoadText(text, "ZELO_PlayerIDs.txt");
    for (const PlayerIdRecord& record : mapping.Records()) {
        TALLO_FUZZ_CHECK(record.zeloId >= 1);
        TALLO_FUZZ_CHECK(record.name.size() <= CZeloPlayerMapping::kNameLength);
        TALLO_FUZZ_CHECK(record.nickname.size() <= CZeloPlayerMapping::kNicknameLength);
        TALLO_FUZZ_CHECK(IsClean(record.name) && IsClean(record.nickname));
    }
    TALLO_FUZZ_CHECK(mapping.DoubleNames().size() < mapping.Records().size() + 1);
    TALLO_FUZZ_CHECK(mapping.DoubleNicks().size() < mapping.Records().size() + 1);

    // Players named after records: by name (as surname alone) and by nickname.
    std::unique_ptr<CWorld> world = MakeWorld();
    CClub* club = world->GetCountry(kCountry)->CreateClub("Mapped");
    TALLO_FUZZ_CHECK(club != nullptr);
    std::vector<std::pair<CPlayer*, const PlayerIdRecord*>> named;
    for (const PlayerIdRecord& record : mapping.Records()) {
        if (named.size() == kNamedRecords) {
            break;
        }
        CPlayer* player = world->CreatePlayer(0, true);
        TALLO_FUZZ_CHECK(player != nullptr);
        // A new player has names of its own.
        player->SetFirstName("");
        player->SetSurname("");
        if (named.size() % 2 == 0) {
            player->SetSurname(record.name);
        } else {
            player->SetNickname(record.nickname);
        }
        club->AddPlayer(player->Id());
        named.emplace_back(player, &record);
    }
    for (const auto& [player, record] : named) {
        const PlayerIdRecord* found = mapping.FindRecord(*player);
        if (player->Surname() == record->name && !record->name.empty()) {
            TALLO_FUZZ_CHECK(found != nullptr && EqualsIgnoringCase(found->name, record->name));
        } else if (player->Nickname() == record->nickname && !record->nickname.empty() &&
                   player->Surname().empty()) {
            TALLO_FUZZ_CHECK(found != nullptr);
        }
        TALLO_FUZZ_CHECK(mapping.FindZeloId(*player) == (found != nullptr ? found->zeloId : 0));
    }
    const std::string report = Scratch() / "player_report.txt";
    std::remove(report.c_str());
    const PlayerMappingResult result = mapping.MapPlayerIds(*world, report, true);
    TALLO_FUZZ_CHECK(result.ran == !mapping.Empty());
    if (result.ran) {
        TALLO_FUZZ_CHECK(static_cast<size_t>(result.success + result.failed) == named.size());
        TALLO_FUZZ_CHECK(result.reportWritten && FileExists(report));
    }
}

void CheckStarHeads(std::string_view text) {
    CStarHeads heads;
    heads.LoadText(text);
    for (const auto& [key, record] : heads.Records()) {
        TALLO_FUZZ_CHECK(!key.empty() && key.size() <= CStarHeads::kMaxKeyLength);
        // Keys are kept folded: folding again changes nothing.
        TALLO_FUZZ_CHECK(FoldName(key, CStarHeads::kMaxKeyLength) == key);
    }

    // Players whose nickname is a key find that record.
    std::unique_ptr<CWorld> world = MakeWorld();
    CClub* club = world->GetCountry(kCountry)->CreateClub("Heads");
    TALLO_FUZZ_CHECK(club != nullptr);
    std::vector<std::pair<CPlayer*, const StarHeadRecord*>> named;
    for (const auto& [key, record] : heads.Records()) {
        if (named.size() == kNamedRecords) {
            break;
        }
        CPlayer* player = world->CreatePlayer(0, true);
        TALLO_FUZZ_CHECK(player != nullptr);
        player->SetFirstName("");
        player->SetSurname("");
        player->SetNickname(key);
        club->AddPlayer(player->Id());
        named.emplace_back(player, &record);
    }
    for (const auto& [player, record] : named) {
        const StarHeadRecord* found = heads.Find(*player);
        // The nickname field may cut a long key; one that survives is found.
        if (heads.Records().count(FoldName(player->Nickname(), CStarHeads::kMaxKeyLength)) > 0) {
            TALLO_FUZZ_CHECK(found != nullptr);
        }
        const uint16_t face = heads.ConsoleFace(*player);
        TALLO_FUZZ_CHECK(face == (found != nullptr ? static_cast<uint16_t>(found->faceNumber) : 0));
    }
    const std::string report = Scratch() / "heads_report.txt";
    const ConsoleFaceResult result = heads.MapConsoleFaces(*world, report);
    TALLO_FUZZ_CHECK(result.ran == !heads.Empty());
    if (result.ran) {
        TALLO_FUZZ_CHECK(static_cast<size_t>(result.found + result.notFound) == named.size());
    }
}

// The lists in the file layout: each pool that has names under its "%" line.
std::string NameListText(const CNameLists& lists, CNameLists::List list) {
    std::string text;
    for (int pool = 0; pool < CNameLists::kPools; ++pool) {
        const std::vector<std::string>& names = lists.Names(list, pool);
        if (names.empty()) {
            continue;
        }
        text += "%" + std::to_string(pool) + "\r\n";
        for (const std::string& name : names) {
            text += name + "\r\n";
        }
    }
    return text;
}

void CheckNameStore(std::string_view text, CNameLists::List list, const CNameLists& lists) {
    constexpr int kKindOfList[] = {kMaleFirstName, kFemaleFirstName, kSurname};
    const int kind = kKindOfList[list];
    NameStore store;
    store.LoadNameText(text, kind);
    for (int pool = 0; pool < NameStore::kPools; ++pool) {
        const std::vector<std::string>& names = lists.Names(list, pool);
        std::vector<std::string> distinct;
        std::map<std::string, uint32_t> counts;
        for (const std::string& name : names) {
            // " " is index 0 of every list, which keeps its count.
            if (name != " " && counts[name]++ == 0) {
                distinct.push_back(name);
            }
        }
        const NameList& stored = store.List(pool, kind);
        const size_t kept = std::min(distinct.size(), NameList::kMaxEntries - 1);
        TALLO_FUZZ_CHECK(stored.Size() == kept + 1);
        TALLO_FUZZ_CHECK(stored.FileCount() == (names.empty() ? 0 : stored.Size()));
        for (size_t i = 0; i < kept; ++i) {
            const NameList::Entry& entry = stored.Entries()[i + 1];
            TALLO_FUZZ_CHECK(entry.name == distinct[i] && entry.count == counts[distinct[i]]);
        }
        TALLO_FUZZ_CHECK(stored.TableImage().size() == stored.TableSize());
    }
    // A list overflows only beyond 65,535 different names.
    TALLO_FUZZ_CHECK(!store.Overflowed() || lists.Count(list) >= NameList::kMaxEntries - 1);
}

void CheckNameList(std::string_view text, CNameLists::List list) {
    CNameLists lists;
    lists.LoadText(list, text);
    size_t total = 0;
    for (int pool = 0; pool < CNameLists::kPools; ++pool) {
        for (const std::string& name : lists.Names(list, pool)) {
            TALLO_FUZZ_CHECK(!name.empty() && name.size() <= CNameLists::kMaxNameLength);
            TALLO_FUZZ_CHECK(name.front() != '%');
            TALLO_FUZZ_CHECK(name.find('\n') == std::string::npos);
            TALLO_FUZZ_CHECK(name.find('\0') == std::string::npos);
        }
        total += lists.Names(list, pool).size();
    }
    TALLO_FUZZ_CHECK(total == lists.Count(list));
    for (int other = 0; other < CNameLists::kListCount; ++other) {
        TALLO_FUZZ_CHECK(other == list || lists.Count(other) == 0);
    }
    TALLO_FUZZ_CHECK(lists.Names(list, -1).empty() &&
                     lists.Names(list, CNameLists::kPools).empty());

    // A drawn name comes from the pool asked for, else from pool 0, cut to the length asked.
    for (int pool : {-1, 0, 1, 2, 63, 64}) {
        for (int pick : {0, 1, 1000000}) {
            const std::string drawn = lists.Draw(
                list, pool, [pick](int n) { return pick < n ? pick : n - 1; }, 12);
            TALLO_FUZZ_CHECK(drawn.size() <= 12);
            const std::vector<std::string>& wanted = lists.Names(list, pool);
            const std::vector<std::string>& names = wanted.empty() ? lists.Names(list, 0) : wanted;
            if (names.empty()) {
                TALLO_FUZZ_CHECK(drawn.empty());
            } else {
                const std::string& name =
                    names[static_cast<size_t>(std::min(pick, static_cast<int>(names.size()) - 1))];
                TALLO_FUZZ_CHECK(drawn == name.substr(0, 12));
            }
        }
    }

    CheckNameStore(text, list, lists);

    const std::string written = NameListText(lists, list);
    CNameLists back;
    back.LoadText(list, written);
    for (int pool = 0; pool < CNameLists::kPools; ++pool) {
        TALLO_FUZZ_CHECK(back.Names(list, pool) == lists.Names(list, pool));
    }
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    FuzzedDataProvider input(data, size);
    const uint8_t table = input.ConsumeIntegral<uint8_t>() % 6;
    const std::string text = input.ConsumeRemainingBytesAsString();
    switch (table) {
    case 0:
        CheckClubIds(text);
        break;
    case 1:
        CheckPlayerIds(text);
        break;
    case 2:
        CheckStarHeads(text);
        break;
    default:
        CheckNameList(text, static_cast<CNameLists::List>(table - 3));
        break;
    }
    return 0;
}
