#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CCountry;

// The league systems a country may have: how many leagues each of the five levels holds and,
// for each level transition (level i to level i + 1; the last used level's entry applies to
// its bottom), which relegation rules may be chosen there.
inline constexpr int kLeagueLevelCount = 5;
using LeagueCounts = std::array<int, kLeagueLevelCount>;
// Per transition, the relegation rule (REL_RULE value).
using TransitionRules = std::array<uint8_t, kLeagueLevelCount>;

struct LeagueFormat {
    const char* text; // as the format list shows it: "1-2-4"; "-" for no leagues
    LeagueCounts counts;
    // Per transition, bit r set when rule r may be chosen there.
    std::array<uint16_t, kLeagueLevelCount> allowedRules;
};

inline constexpr int kLeagueFormatCount = 33;
// The cells of the league grid on each level.
inline constexpr std::array<int, kLeagueLevelCount> kLeagueGridCells = {1, 4, 10, 10, 10};
// Rules above this have no label and are never offered.
inline constexpr uint8_t kLastOfferedRule = 10;

// The format of an index 0 to 32 (others give format 0, no leagues).
const LeagueFormat& LeagueFormatAt(int index);
// The format whose counts equal `counts`, or -1.
int FindLeagueFormat(const LeagueCounts& counts);
// The format with the text exactly as the list shows it ("1-1-4"), or -1.
int FindLeagueFormat(std::string_view text);

// The leagues a country has on each level (from its league table).
LeagueCounts LeagueCountsOf(const CCountry& country);
// The format of a country: the one whose counts equal the country's, else 0.
int LeagueFormatOf(const CCountry& country);

// Whether the format allows the rule at a transition (0-based).
bool RuleAllowed(int format, int transition, uint8_t rule);
// The rules the format allows at a transition, in rule order.
std::vector<uint8_t> AllowedRules(int format, int transition);
// The country's rules as a format shows them: a rule the format does not allow becomes 0.
TransitionRules ShownRules(const CCountry& country, int format);

// The label of a relegation rule in the interface language (UTF-8); empty for rules 11 and
// above.
std::string RelegationRuleLabel(uint8_t rule);

} // namespace tallo
