#include "world/result_record.h"

#include <algorithm>

#include "formats/kl_file.h"

namespace tallo {

std::array<std::string, 3> ResultRecord::ResultCells() const {
    if (goalsA == 0 && goalsB == 0) {
        return {};
    }
    return {std::to_string(goalsA) + ":" + std::to_string(goalsB), opponent,
            std::to_string(season)};
}

std::array<std::string, 3> ResultRecord::AttendanceCells() const {
    if (attendance == 0) {
        return {};
    }
    return {std::to_string(attendance), opponent, std::to_string(season)};
}

std::pair<int8_t, int8_t> ResultRecord::OrderedGoals(bool win) const {
    int8_t high = std::max(goalsA, goalsB);
    int8_t low = std::min(goalsA, goalsB);
    return win ? std::pair{high, low} : std::pair{low, high};
}

bool ResultRecord::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = file.WriteChar(goalsA) && ok;
    ok = file.WriteChar(goalsB) && ok;
    ok = file.WriteInt(attendance) && ok;
    ok = file.WriteString(opponent) && ok;
    ok = file.WriteShort(static_cast<int16_t>(season)) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool ResultRecord::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    uint8_t goals = 0;
    file.ReadByte(goals);
    goalsA = static_cast<int8_t>(goals);
    file.ReadByte(goals);
    goalsB = static_cast<int8_t>(goals);
    file.ReadInt(attendance);
    file.ReadCString(opponent);
    file.ReadShort(season);
    file.SkipSection(kSection);
    return true;
}

} // namespace tallo
