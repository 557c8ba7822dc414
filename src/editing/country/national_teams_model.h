#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/national_team_model.h"
#include "editing/journal/change_journal.h"
#include "world/national_coach.h"

namespace tallo {

class DatabaseSession;

// The national teams dialog (command 1804) without its window: every country by name, the
// selected country's national team with its call-up lists (NationalTeamModel) and its coach.
// The whole dialog is one change of the database, opened here: each country is included before
// anything of it changes (the clubs' countries by the call-ups, the selected country before
// its coach is edited). Confirm records the change when anything differs from before and drops
// it otherwise; Abandon (and the destructor) puts everything back.
class NationalTeamsModel {
public:
    NationalTeamsModel(DatabaseSession& session, int startCountry, int languageSlot);
    ~NationalTeamsModel();
    NationalTeamsModel(const NationalTeamsModel&) = delete;
    NationalTeamsModel& operator=(const NationalTeamsModel&) = delete;

    // The countries that have a name in the language slot, by name (value: country number;
    // text: record text).
    const std::vector<ChoiceEntry>& Countries() const { return countries_; }
    // The row of a country in Countries(), -1 when it is not listed.
    int RowOf(int country) const;

    int SelectedCountry() const { return team_.Country(); }
    // Selects a country (its candidates are collected at once).
    void SelectCountry(int country);
    NationalTeamModel& Team() { return team_; }
    const NationalTeamModel& Team() const { return team_; }

    // Editing the selected country's national coach in place: BeginCoachEdit includes the
    // country in the change, remembers the coach and gives the context a country page takes;
    // CancelCoachEdit puts the remembered coach back. False / null without a country.
    const CountryEditContext* BeginCoachEdit();
    void CancelCoachEdit();

    // Whether anything differs from when the dialog opened (a call-up, a coach).
    bool Changed() const;
    // OK: records the change when anything differs, else drops it. True when recorded.
    bool Confirm();
    // Cancel: every change of the dialog is put back.
    void Abandon();
    bool IsOpen() const { return change_ != nullptr && change_->IsOpen(); }

private:
    CWorld& world_;
    int languageSlot_;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    std::vector<ChoiceEntry> countries_;
    NationalTeamModel team_;
    CountryEditContext coachContext_;
    // Each country's coach as it was when its editing first began.
    std::map<int, NationalCoach> originalCoaches_;
    // The coach of the current coach editing, to put back on cancel.
    NationalCoach editedCoach_;
};

// Whether two coach records hold the same values.
bool SameNationalCoach(const NationalCoach& a, const NationalCoach& b);

} // namespace tallo
