#pragma once

#include <cstdint>

namespace tallo {

// The groups of roles whose persons the main page shows different sub-pages for: players the
// player details, managers the preferences, chairmen and presidents the board page, staff
// members (roles 4 and above) their staff level.
enum class PersonRoleGroup {
    Player,
    Manager,
    Chairman,
    Staff,
};

PersonRoleGroup RoleGroupOf(uint8_t role);

// Persons of role 0 get the player pages (positions, abilities, character) beside the main
// page; the other roles get the main page and what the host adds for them.
bool HasPlayerPages(uint8_t role);

} // namespace tallo
