#pragma once

#include <cstdint>
#include <functional>

#include "editing/assistants/search_criteria.h"

namespace tallo {

class CPlayer;
class CWorld;

// One found player: its ID and the club that lists it (0 for a player without a club).
struct SearchMatch {
    uint32_t player = 0;
    uint32_t club = 0;

    bool operator==(const SearchMatch&) const = default;
};

// Whether a player matches the keys. An empty key accepts everything; the first name and the
// surname keys must match the whole name; the nickname key must match the nickname when the
// player has one, else (or when it does not match) a non-empty pseudonym. Names are folded and
// upper-cased as the keys are, so accented letters match their plain forms.
bool PlayerMatches(const CPlayer& player, const SearchKeys& keys);

// What a walk reports, and when it asks whether to go on.
struct SearchWalkCallbacks {
    // Asked before each club; true ends the walk at once.
    std::function<bool()> cancelled;
    // Each matching player, in walk order.
    std::function<void(const SearchMatch&)> found;
};

// The search walk: countries 1 to 206, each country's clubs in order (the national team and
// other clubs numbered 65535 too), each club's players in list order, then the players without
// a club. Listed IDs without a record are passed over. Nothing is walked when all three keys
// are empty. Returns false when the walk was cancelled, true when it ran to its end.
bool WalkPlayerSearch(const CWorld& world, const SearchKeys& keys,
                      const SearchWalkCallbacks& callbacks);

} // namespace tallo
