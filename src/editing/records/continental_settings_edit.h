#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/journal/change_journal.h"
#include "editing/records/inter_comp_model.h"

namespace tallo {

class DatabaseSession;

// The continental settings (command 1802) as one change of the database: the international
// competitions dialog edits a copy of the rules, and the five-year ranking it opens edits the
// countries in place within the same open change. OK assigns the copy and records the change
// (or drops it when neither the rules nor any country changed); Cancel puts everything back.
class ContinentalSettingsEdit {
public:
    using RankingOpener = std::function<void(ChangeJournal::OpenChange&)>;

    // Begins the open change ("intercomp.change") with the rules kept, and fills the model
    // from the rules in `languageSlot`.
    ContinentalSettingsEdit(DatabaseSession& session, int languageSlot, RankingOpener openRanking);
    ~ContinentalSettingsEdit(); // abandons an open change
    ContinentalSettingsEdit(const ContinentalSettingsEdit&) = delete;
    ContinentalSettingsEdit& operator=(const ContinentalSettingsEdit&) = delete;

    InterCompModel& Model() { return model_; }
    const CWorld& World() const;
    bool IsOpen() const { return change_ != nullptr && change_->IsOpen(); }
    // Whether the ranking can be opened (an opener was given and the change is open).
    bool HasRanking() const { return static_cast<bool>(openRanking_) && IsOpen(); }
    // Runs the ranking editor within the open change.
    void OpenRanking();

    // The messages of names that cannot be stored; OK must wait while there are any.
    std::vector<std::string> Problems() const { return model_.Problems(); }
    // OK: stores the model into the rules and records the change, or drops it when nothing
    // differs. Refused (false, nothing stored, the change stays open) while Problems() is not
    // empty. True when the database changed.
    bool Confirm();
    // Cancel: the rules and every country the ranking changed are put back.
    void Abandon();
    bool Changed() const { return changed_; }

private:
    bool CountryIncluded() const;

    DatabaseSession& session_;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    RankingOpener openRanking_;
    InterCompModel model_;
    bool changed_ = false;
};

} // namespace tallo
