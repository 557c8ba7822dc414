#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "competitions/cup_alloc.h"
#include "competitions/international_definitions.h"
#include "sample_country_list.h"

namespace tallo::sample {

// The cup schemes of the sample's "script/CupAlloc.txt", by number. The country settings name
// the national cup (1-5), league cup (6-8) and super cup (15, 16) schemes; the league system
// makes play-offs of schemes 11, 12, 20 (England rules) and 19 (Swiss rule); the international
// competitions use 9, 10, 17 and 18; 13 and 14 are the challenge shield and the conference cup.
namespace SampleScheme {
constexpr uint32_t kGermanCup = 1;
constexpr uint32_t kEnglishCup = 2;
constexpr uint32_t kFrenchCup = 3;
constexpr uint32_t kSpanishCup = 4;
constexpr uint32_t kItalianCup = 5;
constexpr uint32_t kGermanLeagueCup = 6;
constexpr uint32_t kEnglishLeagueCup = 7;
constexpr uint32_t kFrenchLeagueCup = 8;
constexpr uint32_t kUefaCup = 9;
constexpr uint32_t kIntertotoCup = 10;
constexpr uint32_t kEnglandPlayOff1 = 11;
constexpr uint32_t kEnglandPlayOff2 = 12;
constexpr uint32_t kChallengeShield = 13;
constexpr uint32_t kConferenceCup = 14;
constexpr uint32_t kSuperCupFirstHalf = 15;
constexpr uint32_t kSuperCupSecondHalf = 16;
constexpr uint32_t kSouthAmericanCup = 17;
constexpr uint32_t kWorldCupFinals = 18;
constexpr uint32_t kSwissPlayOff = 19;
constexpr uint32_t kEnglandPlayOff3 = 20;
constexpr int32_t kHighest = 20;
} // namespace SampleScheme

// The whole CupAlloc.txt of the sample (the same for every seed: the script folder is data of
// the game, not of a database).
const CupAllocFile& SampleCupSchemes();
// The rounds of a scheme of the sample (empty for numbers it does not define).
std::vector<CupSchemeRow> SampleSchemeRounds(uint32_t scheme);
// Matchdays a cup of the scheme plays: two for a round with a second leg or a replay, else one.
int32_t SampleSchemeMatchdays(uint32_t scheme);
// The round count, as the definition files' reader and writer ask for it.
int32_t SampleSchemeRoundCount(uint32_t scheme);

// The five international definition files, in the order of InternationalDefinitionFiles():
// the European cups, the South American cup, the European championship with its
// qualification, the world cup and the indoor tournament. Qualification groups list the
// national teams of the European countries of `countries`; the South American pool draws from
// the top leagues of the South American ones.
std::array<DefinitionFile, 5>
MakeSampleInternationalDefinitions(const std::vector<SampleCountry>& countries);

// Writes "CupAlloc.txt" and the five definition files into the script folder (created when
// missing). False with a message when a file cannot be written.
bool WriteSampleScriptFolder(const std::string& scriptFolder,
                             const std::vector<SampleCountry>& countries, std::string& error);

} // namespace tallo::sample
