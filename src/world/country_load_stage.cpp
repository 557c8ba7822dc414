#include "world/country_load_stage.h"

#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

thread_local CountryLoadStage* g_currentStage = nullptr;
thread_local const LoadLanguageView* g_currentView = nullptr;

} // namespace

CountryLoadStage::CountryLoadStage(CWorld& world, CCountry& country, size_t registrySize)
    : world_(world), country_(country), registrySize_(registrySize) {}

CountryLoadStage::~CountryLoadStage() = default;

CountryLoadStage* CountryLoadStage::Current() {
    return g_currentStage;
}

CountryLoadStage::Scope::Scope(CountryLoadStage* stage) : previous_(g_currentStage) {
    g_currentStage = stage;
}

CountryLoadStage::Scope::~Scope() {
    g_currentStage = previous_;
}

CPlayer* CountryLoadStage::FindPlayer(uint32_t provisional) {
    if (provisional == 0 || provisional > players_.size()) {
        return nullptr;
    }
    return players_[provisional - 1].player.get();
}

CPlayer* CountryLoadStage::CreatePlayer(uint32_t fileId, bool /*registerId*/) {
    // Players are made as the world makes them; the stage is their world until the merge.
    // Their default names count the players registered before them, which only the merge
    // knows: it gives them to the players whose file does not name them (NoteDefaultName).
    auto player = std::make_unique<CPlayer>(this, CPlayer::kRolePlayer, 0, CPlayer::Unnamed{});
    const auto provisional = static_cast<uint32_t>(players_.size() + 1);
    player->SetId(provisional);
    CPlayer* result = player.get();
    players_.push_back({std::move(player), false, false});
    events_.push_back({true, fileId, provisional});
    return result;
}

void CountryLoadStage::DiscardPlayer(uint32_t provisional) {
    if (provisional == 0 || provisional > players_.size() ||
        players_[provisional - 1].player == nullptr) {
        return;
    }
    players_[provisional - 1].player.reset();
    events_.push_back({false, 0, provisional});
}

void CountryLoadStage::NoteDefaultName(const CPlayer& player, bool firstName, bool surname) {
    const uint32_t provisional = player.Id();
    if (provisional == 0 || provisional > players_.size() ||
        players_[provisional - 1].player.get() != &player) {
        return;
    }
    players_[provisional - 1].defaultFirstName |= firstName;
    players_[provisional - 1].defaultSurname |= surname;
}

std::unique_ptr<CPlayer> CountryLoadStage::TakePlayer(uint32_t provisional) {
    if (provisional == 0 || provisional > players_.size()) {
        return nullptr;
    }
    return std::move(players_[provisional - 1].player);
}

bool CountryLoadStage::KeptDefaultFirstName(uint32_t provisional) const {
    return provisional >= 1 && provisional <= players_.size() &&
           players_[provisional - 1].defaultFirstName;
}

bool CountryLoadStage::KeptDefaultSurname(uint32_t provisional) const {
    return provisional >= 1 && provisional <= players_.size() &&
           players_[provisional - 1].defaultSurname;
}

int CountryLoadStage::CountryFirstLanguage(uint32_t country) const {
    if (country < 1 || country > CWorld::kCountryCount) {
        return -1; // no country, in any order
    }
    if (country == country_.Number()) {
        // This thread's own country: read as a load in order reads it.
        return country_.languages[0] == 0 ? -1 : country_.languages[0];
    }
    NoteOrderDependent();
    return -1;
}

bool CountryLoadStage::ClubExists(uint32_t /*reference*/) const {
    NoteOrderDependent();
    return false;
}

uint32_t CountryLoadStage::TranslateClubReference(uint32_t reference) const {
    NoteOrderDependent();
    return reference;
}

bool CountryLoadStage::IsSpecialFace(uint16_t /*face*/) const {
    NoteOrderDependent();
    return true;
}

uint16_t CountryLoadStage::FindSpecialFace(std::string_view /*name*/) const {
    NoteOrderDependent();
    return 0;
}

std::optional<uint32_t> CountryLoadStage::LookUpMappedId(const CPlayer& /*player*/) const {
    NoteOrderDependent();
    return std::nullopt;
}

int CountryLoadStage::RandomBelow(int /*bound*/) {
    NoteOrderDependent();
    return 0;
}

bool StagedClubContext::FindTeamColour(std::string_view /*clubName*/, uint16_t& /*entry*/) {
    stage_.NoteOrderDependent();
    return false;
}

LoadLanguageView::LoadLanguageView(const Snapshot& before, uint32_t country)
    : before_(before), country_(country), previous_(g_currentView) {
    g_currentView = this;
}

LoadLanguageView::~LoadLanguageView() {
    g_currentView = previous_;
}

const LoadLanguageView* LoadLanguageView::Current() {
    return g_currentView;
}

bool LoadLanguageView::FromSnapshot(uint32_t country, uint8_t& language) const {
    if (country <= country_ || country >= before_.size()) {
        return false;
    }
    language = before_[country];
    return true;
}

} // namespace tallo
