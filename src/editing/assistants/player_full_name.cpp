#include "editing/assistants/player_full_name.h"

#include "world/player.h"

namespace tallo {

std::string PlayerFullName(const CPlayer& player) {
    std::string name(player.FirstName());
    if (!name.empty() && !player.Surname().empty()) {
        name += ' ';
    }
    name += player.Surname();
    return name;
}

} // namespace tallo
