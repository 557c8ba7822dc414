// Loading a whole database folder.

#include "formats/kl_file.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

bool CWorld::LoadAll(const std::string& folder) {
    loadTranslation_.clear();
    SetDatabaseFolder(folder);
    if (databaseFolder_.empty()) {
        return false; // the paths would lead into the root of the file system
    }

    // One file object for all countries: only one record file is read at a time.
    bool anyCountry = false;
    CKLFile file;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (!file.OpenForRead(CountryFilePath(number))) {
            continue; // that country keeps what it has
        }
        CCountry& country = *countries_[number];
        country.Load(file);
        country.RecomputeDetailTotal();
        file.Close();
        anyCountry = true;
    }

    for (int number = 1; number <= kCountryCount; ++number) {
        CCountry& country = *countries_[number];
        country.PostLoadCheckClubs();
        // Additional managers are checked like the people of a club.
        for (uint32_t id : country.AdditionalManagers()) {
            if (CPlayer* player = FindPlayer(id)) {
                player->PostLoadCheck();
            }
        }
    }
    ClearClubRenumbering();
    BuildClubRenumbering();

    rules_.LoadRules(databaseFolder_);
    ValidateRulesAgainstWorld();
    // Without.sav has no VERSION section of its own: its players are read with the version of
    // the file read last, Rules.sav, written by the same program.
    LoadWithout();
    return anyCountry;
}

void CWorld::ValidateRulesAgainstWorld() {
    rules_.ValidateRules(
        [this](uint32_t reference) -> uint32_t {
            return ClubExists(reference) ? TranslateClubReference(reference) : 0;
        },
        [this](uint32_t reference) {
            uint32_t country = ClubId::CountryOf(reference);
            if (country < 1 || country > kCountryCount) {
                return false;
            }
            return countries_[country]->stadiums.Contains(reference & 0xFFFFu);
        });
}

} // namespace tallo
