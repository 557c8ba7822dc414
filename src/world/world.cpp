#include "world/world.h"

#include "world/club.h"
#include "world/club_id_set.h"
#include "world/country.h"
#include "world/country_load_stage.h"
#include "world/player.h"

namespace tallo {

CWorld::CWorld()
    : players_(PlayerRegistry::allocator_type(&playerNodes_)),
      playerIndex_(PlayerIndex::allocator_type(&playerNodes_)) {
    ResetCountries();
}

CWorld::~CWorld() {
    // Countries first: their competition trees take their nodes out of the registry, and
    // nothing may outlive the players it refers to.
    for (auto& country : countries_) {
        country.reset();
    }
    playerIndex_.clear();
    players_.clear();
}

void CWorld::ResetCountries() {
    for (auto& country : countries_) {
        country.reset();
    }
    playerIndex_.clear();
    players_.clear();
    withoutClub_.clear();
    loadTranslation_.clear();
    for (int number = 0; number < kCountrySlots; ++number) {
        countries_[number] = std::make_unique<CCountry>(this, static_cast<uint32_t>(number));
    }
}

// Countries ------------------------------------------------------------------------------------

CCountry* CWorld::GetCountry(int number) {
    if (number < 0 || number >= kCountrySlots) {
        return nullptr;
    }
    return countries_[number].get();
}

const CCountry* CWorld::GetCountry(int number) const {
    if (number < 0 || number >= kCountrySlots) {
        return nullptr;
    }
    return countries_[number].get();
}

// Folders --------------------------------------------------------------------------------------

void CWorld::SetDatabaseFolder(const std::string& folder) {
    databaseFolder_ = folder;
    for (char& c : databaseFolder_) {
        if (c == '\\') {
            c = '/';
        }
    }
    while (databaseFolder_.size() > 1 && databaseFolder_.back() == '/') {
        databaseFolder_.pop_back();
    }
    badgeFolder_ = databaseFolder_ + "/Badge";
}

std::string CWorld::CountryFilePath(int number) const {
    return databaseFolder_ + "/Country" + std::to_string(number) + ".sav";
}

std::string CWorld::WithoutFilePath() const {
    return databaseFolder_ + "/Without.sav";
}

// Players --------------------------------------------------------------------------------------

uint32_t CWorld::NextFreePlayerId() const {
    uint32_t id = static_cast<uint32_t>(players_.size()) + 1;
    // The registry is ordered: walk the taken IDs from the start value on instead of looking
    // each candidate up.
    for (auto it = players_.lower_bound(id); it != players_.end() && it->first == id; ++it) {
        ++id;
    }
    return id;
}

CPlayer* CWorld::CreatePlayer(uint32_t id, bool registerPlayer) {
    uint32_t used = id;
    if (registerPlayer) {
        if (id == 0 || playerIndex_.count(id) > 0) {
            used = NextFreePlayerId();
            RecordLoadTranslation(id, used);
        }
    } else if (id == 0 || playerIndex_.count(id) > 0) {
        return nullptr;
    }
    std::unique_ptr<CPlayer> player;
    if (namesOnDemand_) {
        player = std::make_unique<CPlayer>(this, CPlayer::kRolePlayer, 0, CPlayer::Unnamed{});
        unnamedPlayer_ = player.get();
        unnamedNumber_ = static_cast<int>(players_.size() + 1); // as the constructor counts
    } else {
        player = std::make_unique<CPlayer>(this, CPlayer::kRolePlayer, 0);
    }
    player->SetId(used);
    CPlayer* result = player.get();
    // IDs mostly come in rising order: the end is the place to try first.
    players_.emplace_hint(players_.end(), used, std::move(player));
    playerIndex_.emplace(used, result);
    return result;
}

void CWorld::GiveDefaultNames(CPlayer& player, bool firstName, bool surname) {
    if (namesOnDemand_ && &player == unnamedPlayer_) {
        player.SetDefaultNames(unnamedNumber_, firstName, surname);
    }
}

void CWorld::RecordLoadTranslation(uint32_t fileId, uint32_t givenId) {
    // Only IDs that came from a file and had to be replaced are worth remembering; an ID of 0
    // asks for a new one and translates nothing.
    if (fileId != 0 && fileId != givenId) {
        loadTranslation_[fileId] = givenId;
    }
}

CPlayer* CWorld::FindPlayer(uint32_t id) {
    auto found = playerIndex_.find(id);
    return found != playerIndex_.end() ? found->second : nullptr;
}

const CPlayer* CWorld::FindPlayer(uint32_t id) const {
    auto found = playerIndex_.find(id);
    return found != playerIndex_.end() ? found->second : nullptr;
}

bool CWorld::RemovePlayer(uint32_t id) {
    playerIndex_.erase(id);
    return players_.erase(id) > 0;
}

// Clubs ----------------------------------------------------------------------------------------

int CWorld::CountryFirstLanguage(uint32_t country) const {
    // A country read again in order after a load on several threads sees the countries after
    // it as they were before the load.
    if (const LoadLanguageView* view = LoadLanguageView::Current()) {
        uint8_t language = 0;
        if (view->FromSnapshot(country, language)) {
            return language == 0 ? -1 : language;
        }
    }
    const CCountry* found =
        country >= 1 && country <= kCountryCount ? GetCountry(static_cast<int>(country)) : nullptr;
    if (found == nullptr || found->languages[0] == 0) {
        return -1;
    }
    return found->languages[0];
}

CClub* CWorld::FindClub(uint32_t reference) {
    uint32_t country = ClubId::CountryOf(reference);
    if (country < 1 || country > kCountryCount) {
        return nullptr;
    }
    return countries_[country]->FindClub(reference);
}

const CClub* CWorld::FindClub(uint32_t reference) const {
    uint32_t country = ClubId::CountryOf(reference);
    if (country < 1 || country > kCountryCount) {
        return nullptr;
    }
    return static_cast<const CCountry&>(*countries_[country]).FindClub(reference);
}

bool CWorld::ClubExists(uint32_t reference) const {
    if (clubIdsInCheck_ != nullptr) {
        const uint32_t country = ClubId::CountryOf(reference);
        return country >= 1 && country <= kCountryCount &&
               clubIdsInCheck_->Contains(reference & ClubId::kIdMask);
    }
    return FindClub(reference) != nullptr;
}

uint64_t CWorld::DetailTotal() const {
    uint64_t total = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        total += countries_[number]->DetailTotal();
    }
    return total;
}

// Table look-ups -------------------------------------------------------------------------------

bool CWorld::IsSpecialFace(uint16_t face) const {
    return lookups_.isSpecialFace ? lookups_.isSpecialFace(face) : true;
}

uint16_t CWorld::FindSpecialFace(std::string_view name) const {
    return lookups_.findSpecialFace ? lookups_.findSpecialFace(name) : 0;
}

std::optional<uint32_t> CWorld::LookUpMappedId(const CPlayer& player) const {
    if (!lookups_.mappedId) {
        return std::nullopt;
    }
    return lookups_.mappedId(player);
}

// Competition registry -----------------------------------------------------------------------

CDBCompetition* CWorld::FindCompetition(uint32_t id) const {
    if (id == 0) {
        return nullptr;
    }
    std::unique_lock lock(competitionsMutex_, std::defer_lock);
    if (lockCompetitions_) {
        lock.lock();
    }
    auto found = competitions_.find(id);
    return found != competitions_.end() ? found->second : nullptr;
}

bool CWorld::RegisterCompetition(uint32_t id, CDBCompetition* node) {
    if (id == 0 || node == nullptr) {
        return false;
    }
    std::unique_lock lock(competitionsMutex_, std::defer_lock);
    if (lockCompetitions_) {
        lock.lock();
    }
    return competitions_.emplace(id, node).second;
}

void CWorld::UnregisterCompetition(uint32_t id) {
    std::unique_lock lock(competitionsMutex_, std::defer_lock);
    if (lockCompetitions_) {
        lock.lock();
    }
    competitions_.erase(id);
}

// Copying ----------------------------------------------------------------------------------------

void CWorld::CopyFrom(const CWorld& other) {
    if (&other == this) {
        return;
    }
    std::string folder = databaseFolder_;
    ResetCountries();
    databaseFolder_ = folder;
    loaded_ = other.loaded_;
    for (int number = 0; number < kCountrySlots; ++number) {
        countries_[number]->CopyFrom(*other.countries_[number]);
    }
    // Players without a club get IDs free in this world, as everyone else.
    for (uint32_t id : other.withoutClub_) {
        const CPlayer* source = other.FindPlayer(id);
        if (source == nullptr) {
            continue;
        }
        CPlayer* copy = CreatePlayer(id, true);
        if (copy == nullptr) {
            continue;
        }
        uint32_t newId = copy->Id();
        *copy = *source;
        copy->SetWorld(this);
        copy->SetId(newId);
        withoutClub_.push_back(newId);
    }
    loadTranslation_.clear();
    rules_ = other.rules_;
    lookups_ = other.lookups_;
    language_ = other.language_;
    continent = other.continent;
    previousContinent = other.previousContinent;
    selectedCountry = other.selectedCountry;
}

} // namespace tallo
