#pragma once

#include <string>

namespace tallo {

class CPlayer;

// A player's full name as the transfer assistants list it (record text): first name and
// surname separated by a space, or whichever of the two is not empty.
std::string PlayerFullName(const CPlayer& player);

} // namespace tallo
