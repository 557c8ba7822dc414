#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallo {

class CCountry;
class RulesAndMisc;

// The stadium keys the stadium tools handle: 0 to 499. A stadium under a key of 500 or more
// (only a country holding the full 500 stadiums has one) is left as it is by both tools.
constexpr uint32_t kAdminStadiumKeys = 500;

// The name the renaming gives a stadium: a name beginning with "!!" loses those two
// characters; any other becomes its initials, each followed by ". ", and then the city. An
// initial is a character from "A" up (accented letters, being negative as signed characters,
// never count) that is the first such character or follows a blank; at most nine are taken.
// The whole name holds at most 29 characters.
std::string InitialsStadiumName(std::string_view name, std::string_view city);

// Renames every stadium of the country under a key below 500; returns how many names changed.
int RenameCountryStadiums(CCountry& country);

// Removes every stadium under a key below 500 that nothing uses, from the highest key down,
// and returns the number removed. Used are the stadiums that a club of the country names as
// its main or its alternative stadium, the country's national stadium, and the final venues
// of the international rules that lie in this country (`rules` may be nullptr): removing one
// of those would leave a reference that, once saved, points at another stadium.
int RemoveUnusedCountryStadiums(CCountry& country, const RulesAndMisc* rules);

} // namespace tallo
