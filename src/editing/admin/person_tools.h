#pragma once

namespace tallo {

class CClub;
class CCountry;
class CWorld;

// Tools over the persons of the database. The database-wide ones visit the countries 1 to 206
// in order and in each its clubs in list order.

// Every person listed by a club that is not a national team whose tactical education is 0
// gets 3. Returns the number changed.
int RaiseTacticalEducation(CWorld& world);

// Every person listed by a club that is not a national team who was born on 1 January 1900 or
// 1 January 1920 is born on 1 January 1980 instead. Returns the number changed.
int FixPlaceholderBirthDates(CWorld& world);

// Removes (from the list and from the database) every person whose role is not 0 to 3
// (player, manager, chairman, president): first from the lists of the clubs that are not
// national teams, each walked from its last entry to its first, then from the list of players
// without a club, walked the same way. Returns the number of persons removed.
int DeleteStaff(CWorld& world);

// A person whose shoe type is 5 or more gets shoe type 2: every person the club lists, every
// person of every club of the country (national team included), or of every club of the
// database. Each returns the number changed.
int ReplaceYellowShoes(CWorld& world, CClub& club);
int ReplaceYellowShoes(CWorld& world, CCountry& country);
int ReplaceYellowShoes(CWorld& world);

} // namespace tallo
