#include "database_files.h"

#include "world/world.h"

namespace tallo::db {

std::vector<std::string> DatabaseFiles(const std::string& databaseFolder) {
    std::vector<std::string> files;
    files.reserve(CWorld::kCountryCount + 4);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        files.push_back(databaseFolder + "/Country" + std::to_string(number) + ".sav");
    }
    for (const char* name : {"Rules.sav", "Without.sav", "countries.sav", "Database.txt"}) {
        files.push_back(databaseFolder + "/" + name);
    }
    return files;
}

} // namespace tallo::db
