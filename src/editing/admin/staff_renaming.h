#pragma once

#include <functional>

namespace tallo {

class CCountry;
class CNameLists;
class CWorld;

// A random whole number from 0 to n-1; tests give a fixed sequence.
using RandomBelow = std::function<int(int)>;
// A random source seeded from the system.
RandomBelow SystemRandom();

// Gives every person with a role other than 0 on the lists of the country's clubs, and every
// additional manager of the country, a random first name and surname from the name pool of
// the first language of the person's nationality (pool 0 when that pool has no names, as the
// name lists fall back), and empties the nickname and the pseudonym. A list without any name
// leaves that part of the name as it was. Returns the number of persons renamed.
int RenameCountryStaff(CWorld& world, CCountry& country, const CNameLists& names,
                       const RandomBelow& random);

} // namespace tallo
