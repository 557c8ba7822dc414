#include "world/country.h"

#include <algorithm>
#include <array>
#include <bit>

#include "formats/string_table.h"
#include "world/club.h"
#include "world/country_club_context.h"
#include "world/player.h"
#include "world/player_copy.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kSecondTeamNameString = 340; // "%s (A)"

bool ValidSlot(int slot) {
    return slot >= 0 && slot < CCountry::kLanguageSlots;
}

} // namespace

CCountry::CCountry(CWorld* world, uint32_t number) : world_(world), number_(number) {}

CCountry::~CCountry() {
    // The tree takes its nodes out of the world's registry while the country still exists.
    competitions_.reset();
}

// Names ----------------------------------------------------------------------------------------

std::string_view CCountry::Name(int slot) const {
    return ValidSlot(slot) ? std::string_view(names_[slot]) : std::string_view();
}

void CCountry::SetName(int slot, std::string_view text) {
    if (ValidSlot(slot)) {
        names_[slot].assign(text);
    }
}

std::string_view CCountry::Abbreviation(int slot) const {
    return ValidSlot(slot) ? FixedText(abbreviations_[slot]) : std::string_view();
}

void CCountry::SetAbbreviation(int slot, std::string_view text) {
    if (ValidSlot(slot)) {
        SetFixedText(abbreviations_[slot], text);
    }
}

// Clubs ----------------------------------------------------------------------------------------

bool CCountry::AddClub(std::unique_ptr<CClub> club, uint32_t number) {
    if (!club) {
        return false;
    }
    uint32_t id = ClubId::Make(number_, number);
    club->SetWorld(world_);
    club->SetId(id);
    return clubs_.emplace(id, std::move(club)).second;
}

CClub* CCountry::CreateClub(std::string_view name) {
    // The smallest club number from 1 that no club has. The club map is ordered by ID and all
    // IDs of the country share the country part, so the numbers come in ascending order.
    uint32_t number = 1;
    for (const auto& [id, club] : clubs_) {
        uint32_t taken = ClubId::NumberOf(id);
        if (taken > number) {
            break;
        }
        if (taken == number) {
            ++number;
        }
    }
    if (number > ClubId::kMaxClubNumber) {
        return nullptr;
    }
    auto club = std::make_unique<CClub>();
    club->SetDefaults(number_);
    club->SetAllNames(name);
    CClub* result = club.get();
    if (!AddClub(std::move(club), number)) {
        return nullptr;
    }
    return result;
}

std::unique_ptr<CClub> CCountry::RemoveClub(uint32_t id) {
    id &= ClubId::kIdMask;
    if (ClubId::IsNationalTeam(id)) {
        return nullptr;
    }
    auto found = clubs_.find(id);
    if (found == clubs_.end()) {
        return nullptr;
    }
    std::unique_ptr<CClub> club = std::move(found->second);
    clubs_.erase(found);
    return club;
}

CClub* CCountry::FindClub(uint32_t reference) {
    auto found = clubs_.find(reference & ClubId::kIdMask);
    return found != clubs_.end() ? found->second.get() : nullptr;
}

const CClub* CCountry::FindClub(uint32_t reference) const {
    auto found = clubs_.find(reference & ClubId::kIdMask);
    return found != clubs_.end() ? found->second.get() : nullptr;
}

CClub* CCountry::GetClubByPosition(size_t position) {
    if (position >= clubs_.size()) {
        return nullptr;
    }
    auto it = clubs_.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(position));
    return it->second.get();
}

size_t CCountry::GetOrdinaryClubCount() const {
    size_t count = clubs_.size();
    if (count > 0 && ClubId::IsNationalTeam(clubs_.rbegin()->first)) {
        --count;
    }
    return count;
}

std::string CCountry::GetReferenceName(uint32_t reference) const {
    const CClub* club = FindClub(reference);
    if (club == nullptr) {
        return std::string();
    }
    int slot = world_ != nullptr ? world_->Language() : 0;
    std::string name(club->Name(slot));
    if (ClubId::IsSecondTeam(reference)) {
        return FormatString(kSecondTeamNameString, name.c_str());
    }
    return name;
}

CClub* CCountry::EnsureNationalTeam() {
    if (CClub* existing = NationalTeam()) {
        return existing;
    }
    auto club = std::make_unique<CClub>();
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        club->SetName(slot, Name(slot));
        club->SetShortName(slot, Abbreviation(slot));
    }
    AddClub(std::move(club), ClubId::kNationalTeamNumber);
    return NationalTeam();
}

// Player pool ----------------------------------------------------------------------------------

void CCountry::ReservePlayerPool(size_t count) {
    count = std::min(count, kMaxPlayerPool);
    if (count <= playerPool_.size()) {
        return;
    }
    PlayerPoolEntry fresh;
    fresh.nationality = static_cast<uint8_t>(number_);
    playerPool_.resize(count, fresh);
}

size_t CCountry::PlayerPoolInUse() const {
    return static_cast<size_t>(
        std::count_if(playerPool_.begin(), playerPool_.end(),
                      [](const PlayerPoolEntry& entry) { return entry.InUse(); }));
}

// Competition tree -----------------------------------------------------------------------------

void CCountry::SetCompetitions(std::unique_ptr<CountryCompetitionTree> tree) {
    // The old tree goes first, so that it takes its nodes out of the registry before the new
    // one enters nodes of the same IDs.
    competitions_.reset();
    competitions_ = std::move(tree);
}

void CCountry::CreateCompetitionTree(bool withDefaultCompetitions) {
    competitions_.reset();
    const CompetitionTreeFactory& factory = GetCompetitionTreeFactory();
    if (factory) {
        competitions_ = factory(*this, withDefaultCompetitions);
    }
}

// Totals and checks ----------------------------------------------------------------------------

void CCountry::RecomputeDetailTotal() {
    uint32_t total = 0;
    CountryClubContext context(*this);
    for (auto& [id, club] : clubs_) {
        total += static_cast<uint32_t>(std::max<int32_t>(club->RecomputeDetailTotal(context), 0));
    }
    detailTotal_ = total;
}

bool CCountry::IsComplete() const {
    if (clubs_.size() < kCompleteClubs) {
        return false;
    }
    const CountryCompetitionTree* tree = competitions_.get();
    if (tree == nullptr || tree->LeagueCount() < 1 || !tree->HasTopLeague() ||
        tree->TopLeagueTeams().size() < static_cast<size_t>(kCompleteTopLeagueTeams)) {
        return false;
    }
    // The checks only read; the context wants a country it could also change.
    CountryClubContext context(const_cast<CCountry&>(*this));
    for (const auto& [id, club] : clubs_) {
        if (club->CheckCompleteness(context) != 0) {
            return false;
        }
    }
    return !tree->HasFaults(firstReserveLevel);
}

void CCountry::PostLoadCheckClubs() {
    CountryClubContext context(*this);
    for (auto& [id, club] : clubs_) {
        club->PostLoadCheck(context);
    }
}

void CCountry::CheckOwnValuesAfterLoad(ClubIoContext& context) {
    notedReferences_.clear();
    loadedClubIds_.clear();
    loadedClubIds_.reserve(clubs_.size());
    for (const auto& [id, club] : clubs_) {
        loadedClubIds_.push_back(id);
    }
    // A club reference into this country is settled here: the country was read, so its clubs
    // are known rather than unknown, and they stay as they are until the check of the world.
    const auto ownClub = [this](uint32_t reference) {
        return std::binary_search(loadedClubIds_.begin(), loadedClubIds_.end(),
                                  reference & ClubId::kIdMask);
    };
    constexpr unsigned kClubReferences = (1u << 6) - 1; // kFirstClub to kNeverJoinClub
    static_assert(static_cast<int>(CPlayer::WorldReference::kNeverJoinClub) == 5);
    auto checkPerson = [&](CPlayer& player) {
        player.ClampRanges();
        std::array<uint32_t, CPlayer::kWorldReferenceCount> values;
        for (unsigned present = player.WorldReferenceValues(values); present != 0;
             present &= present - 1) {
            const int i = std::countr_zero(present);
            if ((kClubReferences >> i & 1u) != 0 && ClubId::CountryOf(values[i]) == number_) {
                if (!ownClub(values[i])) {
                    player.DropWorldReference(static_cast<CPlayer::WorldReference>(i));
                }
                continue;
            }
            notedReferences_.push_back({&player, values[i], static_cast<uint8_t>(i)});
        }
    };
    uint32_t total = 0;
    for (auto& [id, club] : clubs_) {
        // The detail values are those of the values as read, before any range is limited.
        int32_t clubTotal = 0;
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            if (CPlayer* player = context.FindPlayer(club->PlayerId(i))) {
                clubTotal += player->GetDetailValue();
                checkPerson(*player);
            }
        }
        club->SetDetailTotal(clubTotal);
        total += static_cast<uint32_t>(std::max<int32_t>(clubTotal, 0));
        club->ClampOwnValues();
    }
    detailTotal_ = total;
    for (uint32_t id : additionalManagers_) {
        if (CPlayer* player = context.FindPlayer(id)) {
            checkPerson(*player);
        }
    }
    ownValuesChecked_ = true;
}

void CCountry::CheckNotedReferences(IPlayerWorld& world) {
    for (const NotedReference& noted : notedReferences_) {
        const auto which = static_cast<CPlayer::WorldReference>(noted.which);
        if (!CPlayer::KeepsWorldReference(world, which, noted.value)) {
            noted.player->DropWorldReference(which);
        }
    }
    notedReferences_.clear();
    notedReferences_.shrink_to_fit();
}

void CCountry::ForgetNotedReferences() {
    notedReferences_.clear();
    notedReferences_.shrink_to_fit();
    loadedClubIds_.clear();
    loadedClubIds_.shrink_to_fit();
    ownValuesChecked_ = false;
}

// Clearing and copying -------------------------------------------------------------------------

void CCountry::ReleaseClubPlayers(const CClub& club) {
    if (world_ == nullptr) {
        return;
    }
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        world_->RemovePlayer(club.PlayerId(i));
    }
}

void CCountry::ClearFileContents() {
    for (auto it = clubs_.begin(); it != clubs_.end();) {
        ReleaseClubPlayers(*it->second);
        if (ClubId::IsNationalTeam(it->first)) {
            it->second->ClearPlayers();
            ++it;
        } else {
            it = clubs_.erase(it);
        }
    }
    if (world_ != nullptr) {
        for (uint32_t id : additionalManagers_) {
            world_->RemovePlayer(id);
        }
    }
    additionalManagers_.clear();
    referees.Clear();
    sponsors.Clear();
    staff.Clear();
    stadiums.Clear();
    nationalCoach = NationalCoach();
    playerPool_.clear();
    renumbering_.clear();
    detailTotal_ = 0;
}

void CCountry::CopyFrom(const CCountry& other) {
    if (&other == this) {
        return;
    }
    ClearFileContents(); // releases the players of every club, the national team's too
    clubs_.clear();

    static_cast<CountrySettings&>(*this) = static_cast<const CountrySettings&>(other);
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        names_[slot] = other.names_[slot];
        std::copy(std::begin(other.abbreviations_[slot]), std::end(other.abbreviations_[slot]),
                  std::begin(abbreviations_[slot]));
    }
    playerPool_ = other.playerPool_;
    detailTotal_ = other.detailTotal_;

    for (const auto& [id, source] : other.clubs_) {
        AddClub(CopyClubWithPlayers(*source, world_, other.world_), ClubId::NumberOf(id));
    }
    if (world_ != nullptr) {
        for (uint32_t id : other.additionalManagers_) {
            uint32_t copied = CopyPlayerInto(*world_, other.world_, id);
            if (copied != 0) {
                additionalManagers_.insert(copied);
            }
        }
    }
    SetCompetitions(other.competitions_ ? other.competitions_->CloneFor(*this) : nullptr);
}

} // namespace tallo
