#include "editing/assistants/world_changes.h"

namespace tallo {

WorldChanges WorldChanges::Journal(ChangeJournal& journal) {
    WorldChanges changes;
    changes.journal_ = &journal;
    return changes;
}

WorldChanges WorldChanges::InOpenChange(ChangeJournal::OpenChange& change) {
    WorldChanges changes;
    changes.open_ = &change;
    return changes;
}

bool WorldChanges::Run(const std::string& name, const ChangeScope& scope,
                       const std::function<bool()>& change) const {
    bool altered = false;
    if (journal_ != nullptr) {
        journal_->Apply(name, scope, [&] {
            altered = change();
            return altered ? ChangeJournal::Outcome::Changed : ChangeJournal::Outcome::Unchanged;
        });
    } else if (open_ != nullptr && open_->IsOpen()) {
        open_->Include(scope);
        altered = change();
    }
    if (altered && onChanged_) {
        onChanged_();
    }
    return altered;
}

} // namespace tallo
