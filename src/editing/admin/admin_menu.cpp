#include "editing/admin/admin_menu.h"

#include "editing/main_window/command_ids.h"

namespace tallo {

const char* AdminSectionBefore(int command) {
    switch (command) {
    case Command::kAdminClubShoes:
        return "--- Club ---";
    case Command::kAdminRenameStaff:
        return "--- Country ---";
    case Command::kAdminMapClubIds:
        return "--- Database ---";
    case Command::kAdminMapConsoleFaces:
        return "--- Misc ---";
    default:
        return nullptr;
    }
}

} // namespace tallo
