#pragma once

#include <string>

namespace tallo {

class CWorld;
class IPrompt;
class IRecordChoosers;

// What the person pages (the player pages and the staff pages) take from the editor around
// them. Pointers must outlive the pages.
struct PersonEditContext {
    CWorld* world = nullptr;
    // The database's language slot (names of clubs and countries are shown in it).
    int languageSlot = 0;
    // The folder of the player photos (the installation's picture folder).
    std::string pictureFolder;
    IPrompt* prompt = nullptr;
    // The club and person choosers (null: the choosing buttons do nothing).
    IRecordChoosers* choosers = nullptr;
    // The country the choosers are preset to: the club's country, 21 by default.
    int chooserCountry = 21;
};

} // namespace tallo
