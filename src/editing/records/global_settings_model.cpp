#include "editing/records/global_settings_model.h"

#include <algorithm>

#include "editing/journal/change_journal.h"
#include "editing/session/database_session.h"
#include "world/world.h"

namespace tallo {

void GlobalSettingsModel::Fill(const RulesAndMisc& rules) {
    for (int rule = 0; rule < kRules; ++rule) {
        values_[rule] = rules.PointsRule(rule);
        filled_[rule] = values_[rule];
    }
    substitutions_ = rules.FriendlySubstitutions();
}

void GlobalSettingsModel::Store(RulesAndMisc& rules) const {
    for (int rule = 0; rule < kRules; ++rule) {
        rules.SetPointsRule(rule, values_[rule]);
    }
    rules.SetFriendlySubstitutions(std::clamp(substitutions_, 0, kMaxSubstitutions));
}

int32_t GlobalSettingsModel::Value(int rule) const {
    return ValidRule(rule) ? values_[rule] : 0;
}

int32_t GlobalSettingsModel::MaxValue(int rule) {
    return rule == kPointsForWin || rule == kPointsForAwayWin ? 2 : 1;
}

bool GlobalSettingsModel::InRange(int rule) const {
    return ValidRule(rule) && values_[rule] >= 0 && values_[rule] <= MaxValue(rule);
}

void GlobalSettingsModel::SetValue(int rule, int32_t value) {
    if (ValidRule(rule)) {
        values_[rule] = std::clamp(value, 0, MaxValue(rule));
    }
}

void GlobalSettingsModel::KeepFilledValue(int rule) {
    if (ValidRule(rule)) {
        values_[rule] = filled_[rule];
    }
}

int GlobalSettingsModel::Points(int rule) const {
    if ((rule != kPointsForWin && rule != kPointsForAwayWin) || !InRange(rule)) {
        return 0;
    }
    return 2 + values_[rule];
}

void GlobalSettingsModel::SetFriendlySubstitutions(int32_t count) {
    substitutions_ = std::clamp(count, 0, kMaxSubstitutions);
}

bool GlobalSettingsModel::ApplyTo(DatabaseSession& session) const {
    CWorld& world = session.World();
    RulesAndMisc edited = world.Rules();
    Store(edited);
    if (edited == world.Rules()) {
        return false;
    }
    ChangeScope scope;
    scope.rules = true;
    const auto outcome = session.Journal().Apply("rules.change", scope, [&world, &edited] {
        world.Rules() = edited;
        return ChangeJournal::Outcome::Changed;
    });
    return outcome == ChangeJournal::Outcome::Changed;
}

} // namespace tallo
