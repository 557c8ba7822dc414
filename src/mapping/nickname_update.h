#pragma once

#include <string>

namespace tallo {

class CWorld;
class CZeloPlayerMapping;

// What UpdateNicknames did.
struct NicknameUpdateResult {
    bool ran = false;  // false when the mapping holds no records or the country is not 0-206
    int updated = 0;   // players whose nickname changed
    int unchanged = 0; // players found whose nickname was already the record's (or it has none)
    int notFound = 0;  // players whose name is in no record
    bool reportWritten = false;
};

// The nickname update ("Update spain nicknames from other DB"): the players of one country
// (0: of every country 1-206) take the nickname of the other game's player record that
// carries their name. Only clubs that are not national teams are visited, their listed
// players in list order; a player is found by "first name surname" alone (cleaned of extra
// blanks, regardless of case), never by nickname. A record without a nickname changes
// nothing; a longer nickname is cut to the player's 19 characters.
//
// With a report path (empty: none) the report is written there:
//   "Nickname update from file <ID file>"
//   "Updated: <n>, Unchanged: <n>, Not found: <n>"
//   ""
//   "Updated:"
//   "   <surname>, <first name> [nick: <old> -> <new>]"   for each player changed
NicknameUpdateResult UpdateNicknames(CWorld& world, const CZeloPlayerMapping& mapping, int country,
                                     const std::string& reportPath);

} // namespace tallo
