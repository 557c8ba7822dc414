#include "editing/assistants/fast_transfer_model.h"

#include <algorithm>
#include <array>

#include "editing/assistants/player_full_name.h"
#include "editing/assistants/player_order.h"
#include "editing/assistants/world_changes.h"
#include "formats/table_format.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kHighestNumber = 99;

bool IsCountedClub(const CClub& club) {
    return !club.IsNationalTeam();
}

} // namespace

FastTransferModel::FastTransferModel(CWorld& world, int languageSlot, int country)
    : world_(world), languageSlot_(languageSlot) {
    if (country < 1 || country > CWorld::kCountryCount) {
        country = 1;
    }
    sourceCountry_ = country;
    targetCountry_ = country;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* found = world_.GetCountry(number);
        Item item{std::string(found->Name(languageSlot_)), static_cast<uint32_t>(number)};
        sourceCountries_.push_back(item);
        if (found->GetClubCount() != 1) {
            targetCountries_.push_back(item);
        }
    }
    FillPlayers();
    FillClubs();
    FillNumbers();
}

void FastTransferModel::SetSourceCountry(int country) {
    if (country < 1 || country > CWorld::kCountryCount) {
        return;
    }
    sourceCountry_ = country;
    player_ = 0;
    FillPlayers();
}

void FastTransferModel::FillPlayers() {
    players_.clear();
    const CCountry* country = world_.GetCountry(sourceCountry_);
    for (const auto& [key, club] : country->Clubs()) {
        if (!IsCountedClub(*club)) {
            continue;
        }
        const std::string clubName(club->Name(languageSlot_));
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            const CPlayer* player = world_.FindPlayer(club->PlayerId(i));
            if (player == nullptr || !player->IsPlayerRole()) {
                continue;
            }
            players_.push_back({FormatTableText("%s (%s)\t%s", PlayerFullName(*player).c_str(),
                                                clubName.c_str(), PositionText(*player).c_str()),
                                player->Id()});
        }
    }
}

void FastTransferModel::ChoosePlayer(uint32_t id) {
    player_ = id;
}

std::string FastTransferModel::CurrentNumberText() const {
    const CPlayer* player = player_ != 0 ? world_.FindPlayer(player_) : nullptr;
    return player != nullptr ? std::to_string(player->ShirtNumber()) : std::string();
}

void FastTransferModel::SetTargetCountry(int country) {
    if (country < 1 || country > CWorld::kCountryCount) {
        return;
    }
    targetCountry_ = country;
    FillClubs();
    targetClub_ = 0;
    FillNumbers();
}

void FastTransferModel::FillClubs() {
    clubs_.clear();
    const CCountry* country = world_.GetCountry(targetCountry_);
    for (const auto& [key, club] : country->Clubs()) {
        if (IsCountedClub(*club)) {
            clubs_.push_back({std::string(club->Name(languageSlot_)), club->Id()});
        }
    }
}

void FastTransferModel::ChooseTargetClub(uint32_t key) {
    targetClub_ = key;
    FillNumbers();
}

void FastTransferModel::FillNumbers() {
    numbers_.clear();
    number_ = 0;
    const CClub* club = targetClub_ != 0 ? world_.FindClub(targetClub_) : nullptr;
    if (club == nullptr) {
        return;
    }
    std::array<bool, kHighestNumber + 1> worn{};
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        const CPlayer* member = world_.FindPlayer(club->PlayerId(i));
        if (member != nullptr && member->IsFirstTeam() && member->ShirtNumber() <= kHighestNumber) {
            worn[member->ShirtNumber()] = true;
        }
    }
    for (int number = 1; number <= kHighestNumber; ++number) {
        if (!worn[static_cast<size_t>(number)]) {
            numbers_.push_back(number);
        }
    }
    if (!numbers_.empty()) {
        number_ = numbers_.front();
    }
}

bool FastTransferModel::CanTransfer() const {
    return ClubId::CountryOf(targetClub_) != 0 && player_ != 0 && number_ != 0 &&
           world_.FindClub(targetClub_) != nullptr;
}

CClub* FastTransferModel::SourceClubOf(uint32_t player) const {
    CCountry* country = world_.GetCountry(sourceCountry_);
    for (const auto& [key, club] : country->Clubs()) {
        if (club->HasPlayer(player)) {
            return club.get();
        }
    }
    return nullptr;
}

bool FastTransferModel::Transfer(const WorldChanges& changes) {
    if (!CanTransfer()) {
        return false;
    }
    const uint32_t playerId = player_;
    const int number = number_;
    const uint32_t target = targetClub_ & ClubId::kIdMask;
    const CClub* source = SourceClubOf(playerId);
    const CClub* targetClub = world_.FindClub(target);
    // A move to his own club would only record that club as the one he came from, and a full
    // club would drop the player from every list: neither is made.
    if (source == nullptr || world_.FindPlayer(playerId) == nullptr || source == targetClub ||
        targetClub->PlayerCount() >= CClub::kMaxPlayers) {
        return false;
    }
    const uint32_t sourceId = source->Id();
    ChangeScope scope = ChangeScope::Country(static_cast<int>(ClubId::CountryOf(sourceId)));
    const int targetCountry = static_cast<int>(ClubId::CountryOf(target));
    if (targetCountry != scope.countries.front()) {
        scope.countries.push_back(targetCountry);
    }
    const bool moved = changes.Run("fasttransfer.journal", scope, [&] {
        CClub* from = world_.FindClub(sourceId);
        CClub* to = world_.FindClub(target);
        CPlayer* player = world_.FindPlayer(playerId);
        if (from == nullptr || to == nullptr || player == nullptr || !to->AddPlayer(playerId)) {
            return false;
        }
        from->RemovePlayer(playerId);
        const int16_t year = static_cast<int16_t>(CurrentGameDate().Year());
        player->SetShirtNumber(static_cast<uint8_t>(number));
        player->SetPreviousClub(sourceId);
        player->SetYearJoined(year);
        player->SetContractEnd(year);
        return true;
    });
    if (moved) {
        player_ = 0;
        number_ = 0;
        FillPlayers();
        FillNumbers();
    }
    return moved;
}

} // namespace tallo
