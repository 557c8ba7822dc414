#pragma once

#include <cstdint>
#include <string>

namespace tallo {

class CWorld;
class CPlayer;

// The name of a club reference as the person pages show it (UTF-8): the club's name in the
// world's language slot, a second team as "<name> (A)", looked up through the reference's
// country; empty for no reference or a club that does not exist.
std::string PersonClubName(const CWorld& world, uint32_t reference);

// The name a person is listed under (UTF-8): the pseudonym when there is one, else
// "Surname, F.".
std::string PersonDisplayName(const CPlayer& person);

} // namespace tallo
