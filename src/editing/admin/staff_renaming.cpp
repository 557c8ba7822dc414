#include "editing/admin/staff_renaming.h"

#include <memory>
#include <random>
#include <string>

#include "mapping/name_lists.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

// The lengths the names are drawn with; the record keeps what its fields hold.
constexpr size_t kFirstNameLength = 16;
constexpr size_t kSurnameLength = 20;

void Rename(CWorld& world, CPlayer& person, const CNameLists& names, const RandomBelow& random) {
    const int pool = world.CountryFirstLanguage(person.Nationality());
    const std::string first = names.Draw(CNameLists::kMaleNames, pool, random, kFirstNameLength);
    const std::string surname = names.Draw(CNameLists::kSurnames, pool, random, kSurnameLength);
    if (!first.empty()) {
        person.SetFirstName(first);
    }
    if (!surname.empty()) {
        person.SetSurname(surname);
    }
    person.SetNickname("");
    person.SetPseudonym("");
}

} // namespace

RandomBelow SystemRandom() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine](int n) {
        if (n <= 1) {
            return 0;
        }
        return std::uniform_int_distribution<int>(0, n - 1)(*engine);
    };
}

int RenameCountryStaff(CWorld& world, CCountry& country, const CNameLists& names,
                       const RandomBelow& random) {
    int renamed = 0;
    for (const auto& [id, club] : country.Clubs()) {
        for (uint32_t index = 0; index < club->PlayerCount(); ++index) {
            CPlayer* person = world.FindPlayer(club->PlayerId(index));
            if (person != nullptr && !person->IsPlayerRole()) {
                Rename(world, *person, names, random);
                ++renamed;
            }
        }
    }
    for (uint32_t managerId : country.AdditionalManagers()) {
        if (CPlayer* manager = world.FindPlayer(managerId)) {
            Rename(world, *manager, names, random);
            ++renamed;
        }
    }
    return renamed;
}

} // namespace tallo
