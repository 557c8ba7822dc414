#include "app/load_preparation.h"

#include "app/world_internationals.h"
#include "competitions/cup_alloc.h"
#include "competitions/install_competition_trees.h"
#include "formats/string_table.h"
#include "world/game_date.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;
constexpr const char* kDatabaseFolder = "database";
constexpr const char* kCountryListFile = "countries.sav";
constexpr const char* kScriptFolder = "script";
constexpr const char* kCupSchemesFile = "CupAlloc.txt";

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

} // namespace

std::string GameDatabaseFolder(const std::string& installFolder) {
    return Join(installFolder, kDatabaseFolder);
}

std::string ScriptFolder(const std::string& installFolder) {
    return Join(installFolder, kScriptFolder);
}

void PrepareProcessTables(const std::string& installFolder, const std::string& languageCode,
                          LoadPreparation& result) {
    SetCurrentGameDate(GameDate::FromDate(2003, 7, 6));
    const std::string languageFolder = Join(GameDatabaseFolder(installFolder), languageCode);
    result.stadiumListPath = Join(languageFolder, StadiumList::kFileName);
    result.stadiumListRead = GlobalStadiumList().LoadFile(result.stadiumListPath);
    result.stadiumModels = GlobalStadiumList().Count();
}

void PrepareCompetitionTables(const std::string& installFolder, LoadPreparation& result) {
    InstallCompetitionTrees();
    InstallCupSchemeServices();
    result.cupSchemesPath = Join(ScriptFolder(installFolder), kCupSchemesFile);
    result.cupSchemesRead = LoadCupSchemes(ScriptFolder(installFolder));
    result.highestCupScheme = CupSchemes().Highest();
}

bool PrepareWorld(CWorld& world, const std::string& installFolder, LoadPreparation& result) {
    result.countryListPath = Join(GameDatabaseFolder(installFolder), kCountryListFile);
    result.countryListRead = world.LoadCountryList(result.countryListPath);
    return result.countryListRead;
}

LoadPreparation PrepareForLoad(CWorld& world, const std::string& installFolder) {
    LoadPreparation result;
    PrepareProcessTables(installFolder, LoadString(kLanguageCodeString), result);
    PrepareCompetitionTables(installFolder, result);
    PrepareWorld(world, installFolder, result);
    return result;
}

int LoadInternationalCompetitions(CWorld& world, const std::string& installFolder,
                                  WorldInternationals& holder, LoadPreparation& result) {
    result.internationalNotes.clear();
    result.internationalNodes =
        holder.Load(world, ScriptFolder(installFolder), &result.internationalNotes);
    return result.internationalNodes;
}

} // namespace tallo
