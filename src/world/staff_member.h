#pragma once

#include <cstdint>
#include <string_view>

#include "world/person_name.h"
#include "world/record_map.h"

namespace tallo {

// A non-player employee listed in a country.
struct StaffMember {
    static constexpr std::string_view kSection = "STAFF";

    // The jobs the editor offers, in the editor's order; the value stored is the position in
    // this list.
    enum Occupation : int32_t {
        kGoalkeeperCoach,
        kReserveCoach,
        kYouthCoach,
        kChiefScout,
        kSecondScout,
        kTalentScout,
        kTeamDoctor,
        kKneeSpecialist,
        kAnkleSpecialist,
        kMuscleSpecialist,
        kMasseur,
        kPsychologist,
        kChairman,
        kMarketingManager,
        kStadiumManager,
        kFanRepresentative,
        kOccupationCount
    };
    // Levels 0 to 4: above average, good, very good, professor, specialist with high reputation.
    static constexpr uint8_t kLevelCount = 5;

    PersonName name;
    int32_t occupation = 0;
    uint8_t level = 0; // quality of the person, lowest first

    bool Write(CKLFile& file) const;
    // True when the section was found; otherwise the record is left as it was.
    bool Read(CKLFile& file);
};

constexpr size_t kMaxStaffMembers = 500;
using StaffMap = RecordMap<StaffMember, kMaxStaffMembers>;

} // namespace tallo
