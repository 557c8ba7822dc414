#include "editing/records/continental_settings_edit.h"

#include "editing/session/database_session.h"
#include "world/world.h"

namespace tallo {

ContinentalSettingsEdit::ContinentalSettingsEdit(DatabaseSession& session, int languageSlot,
                                                 RankingOpener openRanking)
    : session_(session), openRanking_(std::move(openRanking)),
      model_(session.World(), languageSlot) {
    change_ = session_.Journal().Begin("intercomp.change");
    ChangeScope scope;
    scope.rules = true;
    change_->Include(scope);
    model_.Fill(session_.World().Rules());
}

ContinentalSettingsEdit::~ContinentalSettingsEdit() {
    Abandon();
}

const CWorld& ContinentalSettingsEdit::World() const {
    return session_.World();
}

void ContinentalSettingsEdit::OpenRanking() {
    if (HasRanking()) {
        openRanking_(*change_);
    }
}

bool ContinentalSettingsEdit::CountryIncluded() const {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (change_->Includes(number)) {
            return true;
        }
    }
    return false;
}

bool ContinentalSettingsEdit::Confirm() {
    if (!IsOpen() || !model_.Problems().empty()) {
        return false;
    }
    RulesAndMisc& rules = session_.World().Rules();
    RulesAndMisc edited = rules;
    model_.Store(edited);
    // The ranking editor keeps only the countries it changes.
    changed_ = edited != rules || CountryIncluded();
    if (changed_) {
        rules = edited;
        change_->Commit();
    } else {
        change_->Abandon();
    }
    return changed_;
}

void ContinentalSettingsEdit::Abandon() {
    if (IsOpen()) {
        change_->Abandon();
        changed_ = false;
    }
}

} // namespace tallo
