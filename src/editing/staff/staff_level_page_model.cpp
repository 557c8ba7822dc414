#include "editing/staff/staff_level_page_model.h"

#include "formats/dialog_text.h"
#include "world/player.h"

namespace tallo {

int StaffLevelPageModel::Level() const {
    if (person_ == nullptr || person_->StaffLevel() >= kLevels) {
        return -1;
    }
    return person_->StaffLevel();
}

void StaffLevelPageModel::SetLevel(int level) {
    if (person_ != nullptr && level >= 0 && level < kLevels) {
        person_->SetStaffLevel(static_cast<uint8_t>(level));
    }
}

std::string StaffLevelPageModel::LevelText(int level) {
    static constexpr DialogTextKey kNames[kLevels] = {
        "staff.level.0", "staff.level.1", "staff.level.2", "staff.level.3", "staff.level.4"};
    return level >= 0 && level < kLevels ? DialogText(kNames[level]) : std::string();
}

std::string StaffLevelPageModel::GroupText() {
    return DialogText("staff.level.group");
}

} // namespace tallo
