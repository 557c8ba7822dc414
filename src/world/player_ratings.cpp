// The ratings of a player at the 17 positions and his special ability, derived from his
// abilities, position ratings, experience, preferred foot and character.

#include <algorithm>

#include "world/player.h"

namespace tallo {

namespace {

// Position group of each position 1 to 17 (index 0 unused): 0 goalkeeper, 1 defence,
// 2 midfield, 3 attack.
constexpr int kGroupOf[CPlayer::kPositionCount + 1] = {0, 0, 1, 1, 1, 1, 1, 1, 1,
                                                       2, 2, 2, 2, 3, 3, 2, 3, 3};

enum Side { kNoSide, kRightSide, kLeftSide };

constexpr Side kSideOf[CPlayer::kPositionCount + 1] = {
    kNoSide,    kNoSide,    kRightSide, kLeftSide, kNoSide,    kNoSide,
    kRightSide, kLeftSide,  kNoSide,    kNoSide,   kRightSide, kLeftSide,
    kNoSide,    kRightSide, kLeftSide,  kNoSide,   kNoSide,    kNoSide};

// Weight of each ability (data-model order) at each position 1 to 17.
constexpr uint8_t kWeights[CPlayer::kPositionCount + 1][CPlayer::kAbilityCount] = {
    {},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4}, // GK
    {2, 2, 0, 0, 4, 4, 4, 0, 2, 2, 0, 0, 0, 0, 0, 0}, // RB
    {2, 2, 0, 0, 4, 4, 4, 0, 2, 2, 0, 0, 0, 0, 0, 0}, // LB
    {2, 4, 0, 0, 4, 4, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0}, // CD
    {2, 4, 0, 0, 4, 4, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0}, // SW
    {2, 1, 0, 0, 4, 4, 3, 2, 1, 3, 0, 0, 0, 0, 0, 0}, // RWB
    {2, 1, 0, 0, 4, 4, 3, 2, 1, 3, 0, 0, 0, 0, 0, 0}, // LWB
    {4, 4, 1, 1, 2, 2, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0}, // ANC
    {3, 3, 2, 2, 2, 2, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0}, // DM
    {2, 1, 1, 1, 3, 3, 2, 3, 1, 4, 0, 0, 0, 0, 0, 0}, // RM
    {2, 1, 1, 1, 3, 3, 2, 3, 1, 4, 0, 0, 0, 0, 0, 0}, // LM
    {4, 1, 2, 2, 2, 2, 0, 4, 4, 0, 0, 0, 0, 0, 0, 0}, // CM
    {2, 0, 1, 2, 3, 4, 0, 3, 2, 4, 0, 0, 0, 0, 0, 0}, // RW
    {2, 0, 1, 2, 3, 4, 0, 3, 2, 4, 0, 0, 0, 0, 0, 0}, // LW
    {2, 1, 2, 3, 3, 4, 0, 3, 3, 2, 0, 0, 0, 0, 0, 0}, // AM
    {2, 2, 3, 4, 4, 3, 0, 3, 2, 1, 0, 0, 0, 0, 0, 0}, // CF
    {1, 4, 1, 4, 4, 3, 0, 3, 3, 1, 0, 0, 0, 0, 0, 0}, // ST
};

constexpr float kLeagueExperienceValue[7] = {-1.0f, -0.5f, 0.0f, 0.5f, 1.0f, 1.5f, 2.0f};
constexpr float kInternationalExperienceValue[5] = {-0.5f, 0.0f, 0.5f, 1.0f, 1.5f};

// Contribution of an ability value: -1 for 1-3, 0 for 4-6, 1 for 7-9, 2 for 10 (0 for 0).
int AbilityFactor(uint8_t value) {
    if (value == 0) {
        return 0;
    }
    if (value <= 3) {
        return -1;
    }
    if (value <= 6) {
        return 0;
    }
    if (value <= 9) {
        return 1;
    }
    return 2;
}

constexpr int kSpecialAbilityNames[23] = {387, 388, 390, 391, 392, 393, 394, 395,
                                          396, 397, 398, 399, 400, 401, 402, 403,
                                          404, 405, 406, 407, 408, 409, 410};

} // namespace

float CPlayer::GetPositionRating(int position) const {
    if (position < 1 || position > kPositionCount) {
        return 0.0f;
    }
    const int group = kGroupOf[position];
    const float own = positionRatings_[group];
    const uint8_t best = *std::max_element(positionRatings_.begin(), positionRatings_.end());
    const float league = kLeagueExperienceValue[std::min<uint8_t>(leagueExperience_, 6)];
    const float international =
        kInternationalExperienceValue[std::min<uint8_t>(internationalExperience_, 4)];
    const float experience =
        best > 0 ? league * own / best + international * own / best : league + international;

    float rating = experience + own;
    if (position == mainPosition_ || position == otherPositions_[0] ||
        position == otherPositions_[1]) {
        rating += GetSpecialAbility().bonus;
    }

    const Side side = kSideOf[position];
    const bool wrongFoot =
        (side == kRightSide && preferredFoot_ == 2) || (side == kLeftSide && preferredFoot_ == 1);
    for (int i = 0; i < kAbilityCount; ++i) {
        float term =
            static_cast<float>(AbilityFactor(abilities_[i]) * kWeights[position][i]) * 0.25f;
        if (wrongFoot) {
            term = term < 0.0f ? term * 2.0f : term * 0.5f;
        }
        rating += term;
    }
    return rating;
}

std::array<float, CPlayer::kPositionCount> CPlayer::GetPositionRatings() const {
    // GetPositionRating for every position, with what all positions share worked out once:
    // the best position rating, the experience values, the ability factors and the special
    // ability's bonus (needed only at the main and the other positions). Every rating is
    // summed in the same order as there, so the values are the same to the last bit.
    std::array<float, kPositionCount> ratings{};
    const uint8_t best = *std::max_element(positionRatings_.begin(), positionRatings_.end());
    const float league = kLeagueExperienceValue[std::min<uint8_t>(leagueExperience_, 6)];
    const float international =
        kInternationalExperienceValue[std::min<uint8_t>(internationalExperience_, 4)];
    int factors[kAbilityCount];
    for (int i = 0; i < kAbilityCount; ++i) {
        factors[i] = AbilityFactor(abilities_[i]);
    }
    bool bonusKnown = false;
    float bonus = 0.0f;
    for (int position = 1; position <= kPositionCount; ++position) {
        const float own = positionRatings_[kGroupOf[position]];
        const float experience =
            best > 0 ? league * own / best + international * own / best : league + international;
        float rating = experience + own;
        if (position == mainPosition_ || position == otherPositions_[0] ||
            position == otherPositions_[1]) {
            if (!bonusKnown) {
                bonus = GetSpecialAbility().bonus;
                bonusKnown = true;
            }
            rating += bonus;
        }
        const Side side = kSideOf[position];
        const bool wrongFoot = (side == kRightSide && preferredFoot_ == 2) ||
                               (side == kLeftSide && preferredFoot_ == 1);
        for (int i = 0; i < kAbilityCount; ++i) {
            float term = static_cast<float>(factors[i] * kWeights[position][i]) * 0.25f;
            if (wrongFoot) {
                term = term < 0.0f ? term * 2.0f : term * 0.5f;
            }
            rating += term;
        }
        ratings[position - 1] = rating;
    }
    return ratings;
}

float CPlayer::GetRating() const {
    const auto ratings = GetPositionRatings();
    const float best = *std::max_element(ratings.begin(), ratings.end());
    return best < 0.0f ? 0.0f : best;
}

float CPlayer::GetMainPositionRating() const {
    const float rating = GetPositionRating(mainPosition_);
    return rating < 0.0f ? 0.0f : rating;
}

CPlayer::SpecialAbility CPlayer::GetSpecialAbility() const {
    SpecialAbility result;
    auto high = [this](int ability) { return abilities_[ability] >= 7; };
    auto countHigh = [&](int a, int b, int c) { return high(a) + high(b) + high(c); };
    auto beats = [&](int group) {
        for (int other = 0; other < kPositionRatingCount; ++other) {
            if (other != group && positionRatings_[group] <= positionRatings_[other]) {
                return false;
            }
        }
        return true;
    };
    auto take = [&](int code, float bonus) {
        if (bonus > result.bonus) {
            result.code = code;
            result.bonus = bonus;
        }
    };

    const bool goalkeeper = beats(kGoalkeeperGroup);
    const bool midfielder = !goalkeeper && beats(kMidfieldGroup);
    const bool forward = !goalkeeper && !midfielder && beats(kAttackGroup);

    if (goalkeeper && high(kReflexes) && high(kJumping)) {
        result.code = 1;
        result.bonus = 0.5f;
    }
    if (goalkeeper && abilities_[kReflexes] + abilities_[kJumping] == 4) {
        result.code = 2;
        result.bonus = -0.5f;
    }
    if (countHigh(kShotPower, kShotAccuracy, kTechnique) >= 2) {
        take(4, 1.0f);
    }
    if (abilities_[kShotAccuracy] == 10 && abilities_[kShotPower] >= 7 &&
        abilities_[kShotPower] <= 9) {
        take(6, 1.5f);
    }
    if (countHigh(kPace, kHeading, kTackling) >= 2) {
        result.strong = true;
        take(7, 0.5f);
    }
    if (forward && high(kHeading) && high(kShotPower)) {
        take(8, 1.0f);
    }
    if (forward && abilities_[kPace] == 10 && (high(kCrossing) || high(kDribbling))) {
        take(9, 1.0f);
    }
    const bool wide = mainPosition_ == kRWB || mainPosition_ == kLWB || mainPosition_ == kRM ||
                      mainPosition_ == kLM || mainPosition_ == kRW || mainPosition_ == kLW;
    if (wide && high(kPace) && abilities_[kCrossing] == 10) {
        take(10, 1.5f);
    }
    if (forward && high(kPace) && (high(kPassing) || traits_[kMentalStrength] >= 2)) {
        take(11, 1.0f);
    }
    if (AgeAt(birthDate_) < 20 && high(kPace) && high(kDribbling) && high(kTechnique)) {
        take(17, 1.5f);
    }
    if (countHigh(kDribbling, kTechnique, kPassing) >= 2) {
        take(18, 1.0f);
    }
    if (midfielder && abilities_[kPassing] == 10 && (high(kTechnique) || high(kDribbling))) {
        take(19, 2.0f);
    }
    bool strategist = false;
    if (midfielder && high(kPassing) && high(kTackling) && high(kHeading) && 1.5f > result.bonus) {
        take(20, 1.5f);
        strategist = true;
    }
    if (!strategist && result.code == 8 && high(kPace) && high(kDribbling)) {
        take(21, 2.5f);
    }
    return result;
}

int CPlayer::SpecialAbilityNameId(int code) {
    return code >= 1 && code <= 23 ? kSpecialAbilityNames[code - 1] : 0;
}

} // namespace tallo
