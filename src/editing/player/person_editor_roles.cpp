#include "editing/player/person_editor_roles.h"

#include "world/player.h"

namespace tallo {

PersonRoleGroup RoleGroupOf(uint8_t role) {
    switch (role) {
    case CPlayer::kRolePlayer:
        return PersonRoleGroup::Player;
    case CPlayer::kRoleManager:
        return PersonRoleGroup::Manager;
    case CPlayer::kRoleChairman:
    case CPlayer::kRolePresident:
        return PersonRoleGroup::Chairman;
    default:
        return PersonRoleGroup::Staff;
    }
}

bool HasPlayerPages(uint8_t role) {
    return role == CPlayer::kRolePlayer;
}

} // namespace tallo
