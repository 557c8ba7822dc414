#pragma once

#include <cstdint>
#include <string_view>

#include "world/person_name.h"
#include "world/record_map.h"

namespace tallo {

struct Referee {
    static constexpr std::string_view kSection = "REFEREE";

    // The referee's character.
    enum Trait : uint8_t {
        kWorldClass,
        kPrincipled,
        kLetsTheGameFlow, // does not interfere much in the game
        kDislikesShoutingManagers,
        kBoldDecisions,
        kCoward,
        kNoTrait,
        kTraitCount
    };

    PersonName name;
    uint8_t trait = 0;
    uint8_t spare = 0; // not saved

    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);
};

constexpr size_t kMaxReferees = 256;
using RefereeMap = RecordMap<Referee, kMaxReferees>;

} // namespace tallo
