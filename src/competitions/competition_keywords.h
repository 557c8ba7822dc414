#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "competitions/keyword_table.h"

namespace tallo {

// Competition kinds: bits 16-23 of a competition ID. Value 2 has no keyword.
namespace CompetitionKind {
constexpr uint32_t kRoot = 0;
constexpr uint32_t kLeague = 1;
constexpr uint32_t kFaCup = 3;
constexpr uint32_t kLeCup = 4;
constexpr uint32_t kChallengeShield = 5;
constexpr uint32_t kConferenceCup = 6;
constexpr uint32_t kSuperCup = 7;
constexpr uint32_t kRelegation = 8;
constexpr uint32_t kChampionsLeague = 9;
constexpr uint32_t kUefaCup = 10;
constexpr uint32_t kToyota = 11;
constexpr uint32_t kEuroSuperCup = 12;
constexpr uint32_t kWorldClubChamp = 13;
constexpr uint32_t kUic = 14;
constexpr uint32_t kQualiWc = 15;
constexpr uint32_t kQualiEc = 16;
constexpr uint32_t kWorldCup = 17;
constexpr uint32_t kEuroCup = 18;
constexpr uint32_t kRel1 = 19;
constexpr uint32_t kRel2 = 20;
constexpr uint32_t kRel3 = 21;
constexpr uint32_t kIndoor = 22;
constexpr uint32_t kFriendly = 23;
constexpr uint32_t kScott1 = 24;
constexpr uint32_t kScott2 = 25;
constexpr uint32_t kSwitzerland = 26;
} // namespace CompetitionKind

// Node kinds (DB_*), stored in every node.
namespace NodeKind {
constexpr uint32_t kRoot = 0;
constexpr uint32_t kLeague = 1;
constexpr uint32_t kSpare = 2;
constexpr uint32_t kCup = 3;
constexpr uint32_t kRound = 4;
constexpr uint32_t kPool = 5;
} // namespace NodeKind

// Relegation rules (REL_RULE_*): 0-5 plain promotion and relegation of that many teams.
namespace RelegationRule {
constexpr uint8_t kNone = 0;
constexpr uint8_t kEngland1 = 6;
constexpr uint8_t kEngland2 = 7;
constexpr uint8_t kEngland3 = 8;
constexpr uint8_t kScotland = 9;
constexpr uint8_t kSwitzerland = 10;
constexpr uint8_t kHolland = 11;
constexpr uint8_t kIndoor = 12;
constexpr uint8_t kLast = kIndoor;

// Whether a league of `size` teams may have the rule: 0-5 and 10 any size; 6-8 from 8
// teams; 9 exactly 12; 11 none; 12 only 0, 1, 2, 3, 6 or 8 teams.
bool AllowsSize(uint8_t rule, int32_t size);
} // namespace RelegationRule

// Round kinds (ROUND_*).
namespace RoundKind {
constexpr int32_t kQuali = 1;
constexpr int32_t kRound1 = 2;
constexpr int32_t kRound2 = 3;
constexpr int32_t kRound3 = 4;
constexpr int32_t kRound4 = 5;
constexpr int32_t kPreRound1 = 6;
constexpr int32_t kLast16 = 7;
constexpr int32_t kQuarterFinal = 8;
constexpr int32_t kSemiFinal = 9;
constexpr int32_t kFinal = 10;
constexpr int32_t kGroup1 = 12;
constexpr int32_t kGroup2 = 13;
} // namespace RoundKind

// Match flags (BEG_*): how a tie is played (the first six) and state bits of a played tie.
namespace MatchFlag {
constexpr uint32_t k1stLeg = 0;
constexpr uint32_t k2ndLeg = 1;
constexpr uint32_t kWithReplay = 2;
constexpr uint32_t kWithExtraTime = 4;
constexpr uint32_t kWithGoldenGoal = 8;
constexpr uint32_t kWithPenalty = 16;
constexpr uint32_t kEnd = 32;
constexpr uint32_t k1stPlayed = 256;
constexpr uint32_t k2ndPlayed = 512;
constexpr uint32_t kExtraTime = 4096;
constexpr uint32_t kGoldenGoal = 8192;
constexpr uint32_t kPenalty = 16384;
constexpr uint32_t kFinished = 32768;
constexpr uint32_t kWithoutAwayGoal = 134217728;
} // namespace MatchFlag

// The keyword tables of the competition sections.
const KeywordTable& CompetitionKindKeywords();
const KeywordTable& NodeKindKeywords();
const KeywordTable& RelegationRuleKeywords();
const KeywordTable& RoundKindKeywords();
const KeywordTable& PoolSortKeywords();
const KeywordTable& StageIdKeywords();
const KeywordTable& MatchFlagKeywords();

// The keywords of all set bits in ascending bit order, joined by ", "; "0" when no bit with a
// keyword is set.
std::string MatchFlagsToText(uint32_t flags);
// Items between commas, each looked up in the flag table; unknown items add nothing.
uint32_t MatchFlagsFromText(std::string_view text);

} // namespace tallo
