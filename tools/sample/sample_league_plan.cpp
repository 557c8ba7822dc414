#include "sample_league_plan.h"

#include <algorithm>
#include <numeric>

#include "competitions/competition_keywords.h"
#include "sample_script_folder.h"

namespace tallo::sample {

namespace {

// The smallest and the largest league the fixture templates serve.
constexpr int32_t kSmallestLeague = 8;
constexpr int32_t kLargestLeague = 24;
constexpr int32_t kMostMatchdays = 46;

int32_t EvenUp(int32_t size) {
    return size + size % 2;
}

int32_t MostRounds(int32_t size) {
    const int32_t perRound = std::max(EvenUp(size) - 1, 1);
    return std::clamp(kMostMatchdays / perRound, 2, 4);
}

// The relegation rule between two levels: mostly plain promotion and relegation of one to
// three teams, now and then a rule with a play-off where the leagues allow it.
uint8_t ChooseRule(const LeagueLevelPlan& upper, const LeagueLevelPlan& lower,
                   SampleRandom& random) {
    const int32_t smallest = *std::min_element(upper.sizes.begin(), upper.sizes.end());
    std::vector<uint8_t> playOffs;
    if (upper.sizes.size() == 1) {
        if (lower.sizes.size() == 1 && smallest >= 8) {
            playOffs.insert(playOffs.end(), {RelegationRule::kEngland1, RelegationRule::kEngland2,
                                             RelegationRule::kEngland3});
        }
        if (smallest == 12) {
            playOffs.push_back(RelegationRule::kScotland);
        }
        if (lower.sizes.size() == 1) {
            playOffs.push_back(RelegationRule::kSwitzerland);
        }
    }
    if (!playOffs.empty() && random.Chance(40)) {
        return random.Pick(playOffs);
    }
    return static_cast<uint8_t>(random.Range(1, std::clamp(smallest / 5, 1, 3)));
}

} // namespace

int32_t LeagueLevelPlan::Teams() const {
    return std::accumulate(sizes.begin(), sizes.end(), 0);
}

int32_t LeagueLevelPlan::Clubs() const {
    return Teams() - reserveTeams * static_cast<int32_t>(sizes.size());
}

int32_t LeagueSystemPlan::Clubs() const {
    int32_t clubs = 0;
    for (const LeagueLevelPlan& level : levels) {
        clubs += level.Clubs();
    }
    return clubs;
}

int32_t LeagueSystemPlan::FirstReserveLevel() const {
    for (size_t k = 0; k < levels.size(); ++k) {
        if (levels[k].reserveTeams > 0) {
            return static_cast<int32_t>(k);
        }
    }
    return -1;
}

bool SmallLeagueSystem(int countryNumber, LeagueSystemPlan& plan) {
    plan = LeagueSystemPlan{};
    switch (countryNumber) {
    case 1:
        // Three levels: a top league of twelve playing three rounds above a Scottish
        // relegation league, an England play-off below it, two second teams at the bottom.
        plan.levels = {{{12}, 3, 0, RelegationRule::kScotland},
                       {{10}, 2, 0, RelegationRule::kEngland1},
                       {{8}, 2, 2, RelegationRule::kNone}};
        plan.nationalCupScheme = SampleScheme::kEnglishCup;
        plan.leagueCupMode = SampleScheme::kEnglishLeagueCup;
        plan.superCupScheme = SampleScheme::kSuperCupFirstHalf;
        return true;
    case 2:
        // Two levels of ten with the Swiss play-off; the top league plays four rounds.
        plan.levels = {{{10}, 4, 0, RelegationRule::kSwitzerland}, {{10}, 2, 0, 0}};
        plan.nationalCupScheme = SampleScheme::kSpanishCup;
        plan.superCupScheme = SampleScheme::kSuperCupSecondHalf;
        return true;
    case 60:
        // A league of six: too small for a complete country.
        plan.levels = {{{6}, 2, 0, 0}};
        plan.nationalCupScheme = SampleScheme::kItalianCup;
        return true;
    case 120:
        // Three clubs, no league and no cup.
        return true;
    case 160:
        // One league of fourteen.
        plan.levels = {{{14}, 2, 0, 0}};
        plan.nationalCupScheme = SampleScheme::kGermanCup;
        plan.leagueCupMode = SampleScheme::kGermanLeagueCup;
        return true;
    default:
        return false;
    }
}

LeagueSystemPlan RandomLeagueSystem(int clubs, int strength, SampleRandom& random) {
    LeagueSystemPlan plan;
    strength = std::clamp(strength, 0, 3);
    if (clubs >= 3) {
        static const std::vector<int32_t> kTopSizes[4] = {
            {16, 18, 20}, {14, 16, 18}, {10, 12, 14}, {10, 10, 12}};
        int32_t top = random.Pick(kTopSizes[strength]);
        if (strength == 3 && random.Chance(30)) {
            top = kSmallestLeague; // a small nation's league: the country is not complete
        }
        top = std::min(top, clubs);
        LeagueLevelPlan first;
        first.sizes = {top};
        if (top <= 12) {
            first.rounds = random.Range(2, MostRounds(top));
        }
        plan.levels.push_back(first);
        int32_t left = clubs - top;
        while (static_cast<int>(plan.levels.size()) < kMaxLeagueLevels && left >= kSmallestLeague) {
            LeagueLevelPlan level;
            if (plan.levels.size() >= 2 && left >= 20 && random.Chance(50)) {
                const int32_t size = std::min(left / 2, random.Range(10, 16));
                level.sizes = {size, size};
            } else {
                int32_t size = std::min(left, random.Range(10, 20));
                if (left - size < kSmallestLeague && left <= kLargestLeague) {
                    size = left;
                }
                level.sizes = {size};
            }
            left -= level.Teams();
            plan.levels.push_back(level);
        }
        // Second teams of the strongest clubs at the bottom of a deep pyramid.
        if (strength == 0 && plan.levels.size() >= 3) {
            plan.levels.back().reserveTeams = random.Range(1, 3);
        }
        for (size_t k = 0; k + 1 < plan.levels.size(); ++k) {
            plan.levels[k].relegationRule = ChooseRule(plan.levels[k], plan.levels[k + 1], random);
        }
    }

    static const uint32_t kNationalCups[4][3] = {
        {SampleScheme::kGermanCup, SampleScheme::kEnglishCup, SampleScheme::kFrenchCup},
        {SampleScheme::kSpanishCup, SampleScheme::kItalianCup, SampleScheme::kEnglishCup},
        {SampleScheme::kGermanCup, SampleScheme::kSpanishCup, SampleScheme::kItalianCup},
        {SampleScheme::kGermanCup, SampleScheme::kItalianCup, SampleScheme::kItalianCup}};
    plan.nationalCupScheme = random.Pick(kNationalCups[strength]);
    if (strength == 3 && random.Chance(10)) {
        plan.nationalCupScheme = 0;
    }
    if (strength <= 1 && plan.levels.size() >= 2 && random.Chance(50)) {
        static const uint32_t kLeagueCups[] = {SampleScheme::kGermanLeagueCup,
                                               SampleScheme::kEnglishLeagueCup,
                                               SampleScheme::kFrenchLeagueCup};
        plan.leagueCupMode = random.Pick(kLeagueCups);
        // All leagues may take part in the English league cup when the five levels hold one
        // league each.
        const bool fiveSingleLevels =
            plan.levels.size() == kMaxLeagueLevels &&
            std::all_of(plan.levels.begin(), plan.levels.end(),
                        [](const LeagueLevelPlan& level) { return level.sizes.size() == 1; });
        if (plan.leagueCupMode == SampleScheme::kEnglishLeagueCup && fiveSingleLevels &&
            random.Chance(50)) {
            plan.leagueCupMode |= kAllLeaguesTakePart;
        }
    }
    if (strength <= 2 && random.Chance(60)) {
        plan.superCupScheme = random.Chance(50) ? SampleScheme::kSuperCupFirstHalf
                                                : SampleScheme::kSuperCupSecondHalf;
    }
    return plan;
}

} // namespace tallo::sample
