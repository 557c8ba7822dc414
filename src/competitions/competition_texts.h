#pragma once

#include <cstdint>
#include <string>

namespace tallo {

// String-table entries the competition tree uses.
namespace CompetitionTextId {
// Name of a new competition.
constexpr int kNewCompetition = 3040;
// Name of a relegation play-off made by the league system.
constexpr int kRelegationPlayOff = 3041;
// Display name of round kind k (ROUND_* value) is entry kRoundNames + k; 0 also shows
// qualification.
constexpr int kRoundNames = 3020;
} // namespace CompetitionTextId

// A string-table text in the 8-bit code page the records hold.
std::string CompetitionText(int id);
// The display name of a round kind; empty for kinds without one.
std::string RoundKindName(int32_t roundKind);

} // namespace tallo
