#pragma once

#include <string>

namespace tallo {

class CGlobalTools;
class CWorld;
class IPrompt;
class IRecordChoosers;

// What the club editor's pages take from the editor around them. Pointers must outlive the
// pages.
struct ClubEditContext {
    CWorld* world = nullptr;
    // The club's country (1 to 206).
    int country = 0;
    // The database's language slot: names, short names, abbreviations and cities are edited
    // in it.
    int languageSlot = 0;
    // The installation folder, the badge folder and the folder of the city photos.
    std::string installFolder;
    std::string badgesFolder;
    std::string pictureFolder;
    // The badge archive and the ID tables (null: badges are looked for in the folder only).
    CGlobalTools* tools = nullptr;
    IPrompt* prompt = nullptr;
    IRecordChoosers* choosers = nullptr;
};

} // namespace tallo
