#pragma once

#include <cstdint>
#include <string_view>

#include "world/fixed_text.h"
#include "world/record_map.h"

namespace tallo {

class CKLFile;

// A stadium of a country with its eight stands.
struct Stadium {
    static constexpr std::string_view kSection = "STADIUM";
    static constexpr int kStandCount = 8;
    enum Stand {
        kMainStand,
        kOppositeStand,
        kNorthStand,
        kSouthStand,
        kNorthWestCorner,
        kNorthEastCorner,
        kSouthWestCorner,
        kSouthEastCorner
    };
    static constexpr uint8_t kCapacityClassMask = 0x7F;
    static constexpr uint8_t kModelFlagBit = 0x80;
    static constexpr uint8_t kMaxCapacityClass = 10;

    char name[30] = {};
    char city[30] = {};
    uint8_t model = 0;     // number of the chosen stadium model (0 when none)
    uint8_t sizeClass = 0; // bits 0-6 capacity class 0-10 (0 = no limit), bit 7 model flag
    int32_t seats[kStandCount] = {};
    int32_t terraces[kStandCount] = {};
    int32_t vip[kStandCount] = {};
    uint8_t seasonTicketStands = 0; // bit i: stand i is a season-ticket block
    uint8_t awayStands = 0;         // bit i: stand i is the away supporters' block

    std::string_view Name() const { return FixedText(name); }
    std::string_view City() const { return FixedText(city); }
    void SetName(std::string_view text) { SetFixedText(name, text); }
    void SetCity(std::string_view text) { SetFixedText(city, text); }

    uint8_t CapacityClass() const { return sizeClass & kCapacityClassMask; }
    bool ModelFlag() const { return (sizeClass & kModelFlagBit) != 0; }
    void SetCapacityClass(uint8_t capacityClass) {
        sizeClass = static_cast<uint8_t>((sizeClass & kModelFlagBit) |
                                         (capacityClass & kCapacityClassMask));
    }
    void SetModelFlag(bool flag) {
        sizeClass =
            static_cast<uint8_t>(flag ? sizeClass | kModelFlagBit : sizeClass & kCapacityClassMask);
    }

    // Sum of the 24 place counts (64-bit, so that counts read from a file cannot overflow it).
    int64_t TotalCapacity() const;
    int64_t StandCapacity(int stand) const;
    int SeasonTicketStandCount() const;
    int AwayStandCount() const;
    // The season-ticket and away masks have no stand in common.
    bool StandMasksConsistent() const { return (seasonTicketStands & awayStands) == 0; }

    // Most places stand `stand` may hold under the current capacity class; -1 for no limit
    // (class 0, or a class outside the table, or a stand outside 0-7).
    int32_t StandLimit(int stand) const;
    // Brings one stand down to its limit: VIP places go first, then terraces, then seats,
    // none below 0. Nothing happens without a limit.
    void ApplyCapacityLimit(int stand);
    void ApplyCapacityLimits();

    bool Write(CKLFile& file) const;
    // Reads the section, taking the format version of the file being read into account: files
    // before major 0x2004 have no model number, and files of 0x2004 before minor 5 used other
    // capacity classes, which are converted. A capacity class above 10 becomes 0.
    bool Read(CKLFile& file);
};

// Ceiling of a capacity class (0 for class 0, "no limit", and for classes outside 0-10).
int32_t CapacityCeiling(int capacityClass);
// Share of the ceiling, in percent, that one stand may hold (0 outside 0-7).
int StandSharePercent(int stand);
// The capacity class of files of major 0x2004 before minor 5, in today's classes.
uint8_t MigrateOldCapacityClass(uint8_t oldClass);

constexpr size_t kMaxStadiums = 500;
using StadiumMap = RecordMap<Stadium, kMaxStadiums>;

} // namespace tallo
