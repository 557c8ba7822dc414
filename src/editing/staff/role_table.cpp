#include "editing/staff/role_table.h"

#include <iterator>

namespace tallo {

namespace {

constexpr RoleInfo kRoles[] = {
    {0, kCommandNewPlayer, 256, 3050, "persons.role.player"},
    {1, 32780, 1, 341, "persons.role.manager"},
    {2, 32781, 1, 342, "persons.role.chairman"},
    {3, 32782, 1, 343, "persons.role.president"},
    {4, 32789, 1, 749, "persons.role.assistant_coach"},
    {5, 32790, 1, 750, "persons.role.goalkeeper_coach"},
    {6, 32791, 1, 751, "persons.role.amateur_coach"},
    {7, 32805, 1, 752, "persons.role.youth_coach"},
    {8, 32792, 1, 756, "persons.role.chief_scout"},
    {9, 32793, 1, 754, "persons.role.assistant_scout"},
    {10, 32794, 1, 753, "persons.role.talent_scout"},
    {11, 32795, 1, 755, "persons.role.team_doctor"},
    {12, 32796, 1, 757, "persons.role.knee_specialist"},
    {13, 32797, 1, 758, "persons.role.ankle_specialist"},
    {14, 32798, 1, 759, "persons.role.muscle_specialist"},
    {15, 32799, 1, 760, "persons.role.masseur"},
    {16, 32800, 1, 761, "persons.role.psychologist"},
    {17, 32801, 1, 765, "persons.role.administrator"},
    {18, 32802, 1, 762, "persons.role.marketing_manager"},
    {19, 32803, 1, 763, "persons.role.stadium_manager"},
    {20, 32804, 1, 764, "persons.role.fan_representative"},
};
static_assert(std::size(kRoles) == kLastRole + 1);

} // namespace

const RoleInfo* FindRole(uint8_t role) {
    return role <= kLastRole ? &kRoles[role] : nullptr;
}

int RoleOfCommand(int command) {
    for (const RoleInfo& info : kRoles) {
        if (info.command == command) {
            return info.role;
        }
    }
    return -1;
}

int CommandOfRole(uint8_t role) {
    const RoleInfo* info = FindRole(role);
    return info != nullptr ? info->command : 0;
}

std::string RoleName(uint8_t role) {
    const RoleInfo* info = FindRole(role);
    return info != nullptr ? DialogText(info->name) : std::string();
}

} // namespace tallo
