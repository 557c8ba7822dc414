#include "world/stadium.h"

#include <algorithm>
#include <bit>
#include <string>

#include "formats/kl_file.h"
#include "world/file_version.h"

namespace tallo {

namespace {

constexpr int32_t kCeilings[Stadium::kMaxCapacityClass + 1] = {
    0, 90000, 100000, 120000, 130000, 140000, 90000, 100000, 120000, 130000, 140000};
constexpr int kSharePercent[Stadium::kStandCount] = {25, 25, 15, 15, 5, 5, 5, 5};

bool ValidStand(int stand) {
    return stand >= 0 && stand < Stadium::kStandCount;
}

// Lowers `places` by up to `excess` (never below 0, and never raising a negative count) and
// takes what was removed off the excess.
void TakeOff(int32_t& places, int64_t& excess) {
    if (excess <= 0 || places <= 0) {
        return;
    }
    int64_t removed = std::min<int64_t>(excess, places);
    places = static_cast<int32_t>(places - removed);
    excess -= removed;
}

} // namespace

int32_t CapacityCeiling(int capacityClass) {
    if (capacityClass < 0 || capacityClass > Stadium::kMaxCapacityClass) {
        return 0;
    }
    return kCeilings[capacityClass];
}

int StandSharePercent(int stand) {
    return ValidStand(stand) ? kSharePercent[stand] : 0;
}

uint8_t MigrateOldCapacityClass(uint8_t oldClass) {
    if (oldClass >= 1 && oldClass <= 5) {
        return 1;
    }
    if (oldClass >= 6 && oldClass <= 9) {
        return 2;
    }
    return 0;
}

int64_t Stadium::StandCapacity(int stand) const {
    if (!ValidStand(stand)) {
        return 0;
    }
    return int64_t{seats[stand]} + terraces[stand] + vip[stand];
}

int64_t Stadium::TotalCapacity() const {
    int64_t total = 0;
    for (int stand = 0; stand < kStandCount; ++stand) {
        total += StandCapacity(stand);
    }
    return total;
}

int Stadium::SeasonTicketStandCount() const {
    return std::popcount(seasonTicketStands);
}

int Stadium::AwayStandCount() const {
    return std::popcount(awayStands);
}

int32_t Stadium::StandLimit(int stand) const {
    int32_t ceiling = CapacityCeiling(CapacityClass());
    if (ceiling == 0 || !ValidStand(stand)) {
        return -1;
    }
    return ceiling * kSharePercent[stand] / 100;
}

void Stadium::ApplyCapacityLimit(int stand) {
    int32_t limit = StandLimit(stand);
    if (limit < 0) {
        return;
    }
    int64_t excess = StandCapacity(stand) - limit;
    TakeOff(vip[stand], excess);
    TakeOff(terraces[stand], excess);
    TakeOff(seats[stand], excess);
}

void Stadium::ApplyCapacityLimits() {
    for (int stand = 0; stand < kStandCount; ++stand) {
        ApplyCapacityLimit(stand);
    }
}

bool Stadium::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = file.WriteChar(static_cast<int8_t>(sizeClass)) && ok;
    ok = file.WriteString(Name()) && ok;
    ok = file.WriteString(City()) && ok;
    ok = file.WriteByte(model) && ok;
    for (int stand = 0; stand < kStandCount; ++stand) {
        ok = file.WriteInt(seats[stand]) && ok;
        ok = file.WriteInt(terraces[stand]) && ok;
        ok = file.WriteInt(vip[stand]) && ok;
    }
    ok = file.WriteByte(seasonTicketStands) && ok;
    ok = file.WriteChar(static_cast<int8_t>(awayStands)) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool Stadium::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    file.ReadByte(sizeClass);
    file.ReadString(name, sizeof(name));
    file.ReadString(city, sizeof(city));
    if (FileVersion::AtLeastCurrentMajor()) {
        file.ReadByte(model);
    } else {
        // Older files hold a text here that has no use any more.
        std::string dropped;
        file.ReadCString(dropped);
        model = 0;
    }
    for (int stand = 0; stand < kStandCount; ++stand) {
        file.ReadInt(seats[stand]);
        file.ReadInt(terraces[stand]);
        file.ReadInt(vip[stand]);
    }
    file.ReadByte(seasonTicketStands);
    file.ReadByte(awayStands);
    file.SkipSection(kSection);

    if (FileVersion::LoadedMajor() == FileVersion::kCurrentMajor &&
        FileVersion::LoadedMinor() < 5) {
        sizeClass = MigrateOldCapacityClass(sizeClass);
    }
    // The class picks a ceiling from a table of eleven; anything above is no class at all.
    if (CapacityClass() > kMaxCapacityClass) {
        SetCapacityClass(0);
    }
    return true;
}

} // namespace tallo
