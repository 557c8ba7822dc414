#include "editing/journal/country_snapshot.h"

#include <algorithm>

#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

bool ValidNumber(int number) {
    return number >= 1 && number <= CWorld::kCountryCount;
}

// The persons a country lists: its clubs' players (the national team's too) and its
// additional managers.
std::vector<uint32_t> ListedPersons(const CCountry& country) {
    std::vector<uint32_t> ids;
    for (const auto& [id, club] : country.Clubs()) {
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            ids.push_back(club->PlayerId(i));
        }
    }
    ids.insert(ids.end(), country.AdditionalManagers().begin(), country.AdditionalManagers().end());
    return ids;
}

} // namespace

CountrySnapshot::CountrySnapshot() = default;

CountrySnapshot::~CountrySnapshot() = default;

std::unique_ptr<CountrySnapshot> CountrySnapshot::Take(const CWorld& world, int number) {
    const CCountry* source = ValidNumber(number) ? world.GetCountry(number) : nullptr;
    if (source == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CountrySnapshot> snapshot(new CountrySnapshot());
    snapshot->number_ = number;
    snapshot->holder_ = std::make_unique<CWorld>();
    // The holder is empty, so every person keeps his ID and every club its number.
    CCountry& copy = *snapshot->holder_->GetCountry(number);
    copy.CopyFrom(*source);
    snapshot->personIds_ = ListedPersons(copy);
    std::sort(snapshot->personIds_.begin(), snapshot->personIds_.end());
    return snapshot;
}

void CountrySnapshot::ReleasePersons(CWorld& world, int number) {
    CCountry* country = ValidNumber(number) ? world.GetCountry(number) : nullptr;
    if (country == nullptr) {
        return;
    }
    for (uint32_t id : ListedPersons(*country)) {
        world.RemovePlayer(id);
    }
    for (const auto& [id, club] : country->Clubs()) {
        club->ClearPlayers();
    }
    country->AdditionalManagers().clear();
}

void CountrySnapshot::Restore(CWorld& world) const {
    CCountry* target = world.GetCountry(number_);
    if (target == nullptr) {
        return;
    }
    // Leftovers under the kept IDs (persons no list holds any more) make room first.
    for (uint32_t id : personIds_) {
        world.RemovePlayer(id);
    }
    target->CopyFrom(*holder_->GetCountry(number_));
}

} // namespace tallo
