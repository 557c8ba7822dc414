#pragma once

#include <cstddef>
#include <string>

namespace tallo {

class CWorld;

// What was found while preparing a load.
struct LoadPreparation {
    std::string countryListPath; // <installation>/database/countries.sav
    bool countryListRead = false;
    std::string stadiumListPath; // <installation>/database/<language code>/StadiumList.txt
    bool stadiumListRead = false;
    size_t stadiumModels = 0;
};

// The steps the editor takes before it loads a database, for every caller that loads one
// outside the main window (the command-line tool, tests) and for the main window itself.
//
// The process-wide part: the current game date, from which ages are counted, becomes
// 6 July 2003, and the stadium model list is read from the language folder of the
// installation's "database" folder (a missing list leaves it empty; the fallback stadiums are
// prepared in any case). The cup schemes of the "script" folder join here once the
// competitions exist.
void PrepareProcessTables(const std::string& installFolder, const std::string& languageCode,
                          LoadPreparation& result);

// The part of one world: its 206 countries made afresh from the installation's
// "database/countries.sav" (names, codes, continents, languages, national teams). Returns
// whether the list could be read; without it the countries have no names.
bool PrepareWorld(CWorld& world, const std::string& installFolder, LoadPreparation& result);

// Both, with the language code of the string table. The returned record tells what was found.
LoadPreparation PrepareForLoad(CWorld& world, const std::string& installFolder);

// "<installation>/database", the game's own database folder.
std::string GameDatabaseFolder(const std::string& installFolder);

} // namespace tallo
