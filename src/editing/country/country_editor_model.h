#pragma once

#include <memory>
#include <string>

#include "editing/country/country_edit_context.h"
#include "editing/journal/change_journal.h"

namespace tallo {

class CCountry;
class CWorld;
class DatabaseSession;

// The country settings editor (command 1800) as a whole: one country of the current database,
// edited in place by the editor's pages and the dialogs they open. The whole editor is one
// change of the database: the country is kept when the editor opens, and every other country
// before a page first touches it; Confirm records the change (or drops it when nothing
// differs), Abandon puts everything back.
class CountryEditorModel {
public:
    // `base` gives the language slot, folders, prompt and choosers; its world, country and
    // change are set here.
    CountryEditorModel(DatabaseSession& session, int country, const CountryEditContext& base);
    ~CountryEditorModel(); // abandons an open change
    CountryEditorModel(const CountryEditorModel&) = delete;
    CountryEditorModel& operator=(const CountryEditorModel&) = delete;

    // False when the number is no country of the world (the editor then changes nothing).
    bool IsValid() const { return country_ != nullptr; }
    CCountry* Country() const { return country_; }
    CWorld& World() const { return world_; }
    // What the pages take; its change is the editor's open change.
    const CountryEditContext& Context() const { return context_; }
    // The country's name in the context's language slot (record text).
    std::string CountryName() const;

    // OK: records the change when the edited country or any other differs from before, else
    // drops it. True when the database changed.
    bool Confirm();
    // Cancel: every change of the editor is put back.
    void Abandon();
    bool IsOpen() const { return change_ != nullptr && change_->IsOpen(); }
    bool Changed() const { return changed_; }

private:
    // The country as its file would hold it, to tell whether OK changes anything.
    std::string CountryText() const;
    bool OtherCountryIncluded() const;

    CWorld& world_;
    int number_;
    CCountry* country_ = nullptr;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    CountryEditContext context_;
    std::string startText_;
    bool changed_ = false;
};

} // namespace tallo
