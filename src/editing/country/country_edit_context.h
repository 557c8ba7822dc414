#pragma once

#include <string>

#include "editing/journal/change_journal.h"

namespace tallo {

class CCountry;
class CWorld;
class IPrompt;
class IRecordChoosers;

// What the pages and dialogs of the country settings editor take from the editor around them.
// The pages edit the country in place: the editor has kept the country in its open change
// before any page opens, so a page only includes another country (a transfer of a person to a
// club abroad) before it touches that one. Pointers must outlive the pages.
struct CountryEditContext {
    CWorld* world = nullptr;
    // The country being edited, 1 to 206.
    int country = 0;
    // The database's language slot (names of clubs, countries and leagues are shown in it).
    int languageSlot = 0;
    // The folder of the person photos (the installation's picture folder).
    std::string pictureFolder;
    IPrompt* prompt = nullptr;
    // The club and person choosers (null: the choosing buttons do nothing).
    IRecordChoosers* choosers = nullptr;
    // The editor's open change; the edited country is included already. Null only in tests
    // of a page on its own.
    ChangeJournal::OpenChange* change = nullptr;

    // The edited country; null without a world or for a number outside 1 to 206.
    CCountry* EditedCountry() const;
};

} // namespace tallo
