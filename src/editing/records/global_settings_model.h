#pragma once

#include <array>
#include <cstdint>

#include "world/rules_and_misc.h"

namespace tallo {

class DatabaseSession;

// The global settings dialog (CDlgRegelaenderung): the points for a win and for an away win
// (two, three or four), the bonus for a win against the champion and for three or more goals
// (yes or no), and the substitutions allowed in friendly matches (0 to 7).
//
// The rules keep each choice as a number: points 0 two, 1 three, 2 four; bonuses 0 yes, 1 no.
// A number outside its range read from a file is kept exactly until the user picks another.
class GlobalSettingsModel {
public:
    // The four rules with an editor, by their index among the rules' points rules.
    enum Rule {
        kPointsForWin = RulesAndMisc::kPointsForWin,
        kPointsForAwayWin = RulesAndMisc::kPointsForAwayWin,
        kBonusAgainstChampion = RulesAndMisc::kBonusAgainstChampion,
        kBonusForThreeGoals = RulesAndMisc::kBonusForThreeGoals,
    };
    static constexpr int kRules = 4;
    static constexpr int32_t kMaxSubstitutions = RulesAndMisc::kMaxFriendlySubstitutions;

    void Fill(const RulesAndMisc& rules);
    // Writes the values into `rules`; every other value of `rules` stays.
    void Store(RulesAndMisc& rules) const;

    // The stored number of a rule (0 for an index outside the four).
    int32_t Value(int rule) const;
    // Largest number of a rule: 2 for the points, 1 for the bonuses.
    static int32_t MaxValue(int rule);
    // Whether the number is one the dialog offers.
    bool InRange(int rule) const;
    // Picks a number, brought into 0..MaxValue.
    void SetValue(int rule, int32_t value);
    // The number the rule was filled with (the one of the file).
    int32_t FilledValue(int rule) const { return ValidRule(rule) ? filled_[rule] : 0; }
    // Goes back to the filled number, in range or not.
    void KeepFilledValue(int rule);

    // Points for a win shown: 2, 3 or 4 (0 for a number outside the range).
    int Points(int rule) const;
    // A bonus rule is on (stored 0).
    bool BonusOn(int rule) const { return Value(rule) == 0; }
    void SetBonusOn(int rule, bool on) { SetValue(rule, on ? 0 : 1); }

    int32_t FriendlySubstitutions() const { return substitutions_; }
    void SetFriendlySubstitutions(int32_t count); // brought into 0..7

    // Stores the values into the session's rules as one change of its journal (named
    // "rules.change"). Nothing is recorded when the rules stay as they are; false then.
    bool ApplyTo(DatabaseSession& session) const;

private:
    static bool ValidRule(int rule) { return rule >= 0 && rule < kRules; }

    std::array<int32_t, kRules> values_{};
    std::array<int32_t, kRules> filled_{};
    int32_t substitutions_ = RulesAndMisc::kDefaultFriendlySubstitutions;
};

} // namespace tallo
