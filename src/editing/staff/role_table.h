#pragma once

#include <cstdint>
#include <string>

#include "formats/dialog_text.h"

namespace tallo {

// The roles of the person records (0 a player, 1 to 20 officials and staff): the context menu
// command that creates a person of the role, how many of them a club may have, the string-table
// entry that formats the role's row in the person lists ("%s" is the person's name) and the
// role's name in the menus.
struct RoleInfo {
    uint8_t role;
    int command;   // 0: no command (players are created with kCommandNewPlayer)
    int limit;     // persons of the role a club may hold
    int rowFormat; // string-table entry
    DialogTextKey name;
};

inline constexpr uint8_t kLastRole = 20;

// The commands of the person list's context menu besides the role commands.
inline constexpr int kCommandDeletePerson = 32776;
inline constexpr int kCommandTransferPerson = 32777;
inline constexpr int kCommandTakePerson = 32778;
// A new player (role 0) in the team of the list (first team or reserves).
inline constexpr int kCommandNewPlayer = 32779;

// The role's entry; nullptr for a role above kLastRole.
const RoleInfo* FindRole(uint8_t role);
// The role a creating command makes (kCommandNewPlayer gives role 0); -1 for other commands.
int RoleOfCommand(int command);
// The command creating persons of a role (0 for none).
int CommandOfRole(uint8_t role);

// The name of a role in the interface language (UTF-8); an unknown role has an empty name.
std::string RoleName(uint8_t role);

} // namespace tallo
