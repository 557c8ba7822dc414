#include "app/load_preparation.h"

#include "formats/string_table.h"
#include "world/game_date.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;
constexpr const char* kDatabaseFolder = "database";
constexpr const char* kCountryListFile = "countries.sav";

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

void PrepareProcessTables(const std::string& installFolder, const std::string& languageCode,
                          LoadPreparation& result) {
    SetCurrentGameDate(GameDate::FromDate(2003, 7, 6));
    const std::string languageFolder = Join(GameDatabaseFolder(installFolder), languageCode);
    result.stadiumListPath = Join(languageFolder, StadiumList::kFileName);
    result.stadiumListRead = GlobalStadiumList().LoadFile(result.stadiumListPath);
    result.stadiumModels = GlobalStadiumList().Count();
}

bool PrepareWorld(CWorld& world, const std::string& installFolder, LoadPreparation& result) {
    result.countryListPath = Join(GameDatabaseFolder(installFolder), kCountryListFile);
    result.countryListRead = world.LoadCountryList(result.countryListPath);
    return result.countryListRead;
}

LoadPreparation PrepareForLoad(CWorld& world, const std::string& installFolder) {
    LoadPreparation result;
    PrepareProcessTables(installFolder, LoadString(kLanguageCodeString), result);
    PrepareWorld(world, installFolder, result);
    return result;
}

} // namespace tallo
