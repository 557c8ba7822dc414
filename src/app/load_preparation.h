#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CWorld;
class WorldInternationals;

// What was found while preparing a load.
struct LoadPreparation {
    std::string countryListPath; // <installation>/database/countries.sav
    bool countryListRead = false;
    std::string stadiumListPath; // <installation>/database/<language code>/StadiumList.txt
    bool stadiumListRead = false;
    size_t stadiumModels = 0;
    std::string cupSchemesPath; // <installation>/script/CupAlloc.txt
    bool cupSchemesRead = false;
    int32_t highestCupScheme = 0; // the highest scheme number the file gives
    // What LoadInternationalCompetitions found: the nodes loaded and what was put right.
    int internationalNodes = 0;
    std::vector<std::string> internationalNotes;
};

// The steps the editor takes before it loads a database, for every caller that loads one
// outside the main window (the command-line tool, tests) and for the main window itself.
//
// The process-wide part: the current game date, from which ages are counted, becomes
// 6 July 2003, and the stadium model list is read from the language folder of the
// installation's "database" folder (a missing list leaves it empty; the fallback stadiums are
// prepared in any case).
void PrepareProcessTables(const std::string& installFolder, const std::string& languageCode,
                          LoadPreparation& result);

// The process-wide part of the competitions: every country of a world made from now on gets a
// competition tree, the cups reach the cup schemes and the qualification program table through
// their services, and the cup schemes are read from "<installation>/script/CupAlloc.txt" (a
// missing file leaves no schemes; cups then have no rounds). Comes before a world is made and
// loaded: the country list gives each country its tree, and a cup reads as many matchdays and
// round values as its scheme has rounds.
void PrepareCompetitionTables(const std::string& installFolder, LoadPreparation& result);

// The part of one world: its 206 countries made afresh from the installation's
// "database/countries.sav" (names, codes, continents, languages, national teams). Returns
// whether the list could be read; without it the countries have no names.
bool PrepareWorld(CWorld& world, const std::string& installFolder, LoadPreparation& result);

// All three (process tables, competition tables, the world), with the language code of the
// string table. The returned record tells what was found.
LoadPreparation PrepareForLoad(CWorld& world, const std::string& installFolder);

// After a world is loaded: the international competitions of the installation's script folder
// (the five definition files) for that world, kept by `holder`, which the caller keeps beside
// the world (see WorldInternationals). Returns the number of nodes loaded and notes it, with
// what was put right, in `result`; -1 when another holder keeps them for the world already.
int LoadInternationalCompetitions(CWorld& world, const std::string& installFolder,
                                  WorldInternationals& holder, LoadPreparation& result);

// "<installation>/database", the game's own database folder.
std::string GameDatabaseFolder(const std::string& installFolder);
// "<installation>/script", where the cup schemes and the international definitions are.
std::string ScriptFolder(const std::string& installFolder);

} // namespace tallo
