#include "editing/country/player_pool_model.h"

#include <algorithm>
#include <array>

#include "editing/country/country_edit_context.h"
#include "editing/player/player_history_club_names.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/person_name.h"
#include "world/player_pool_entry.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kFirstSkillString = 264; // passing ... throw-ins: 264 to 279

constexpr std::array<DialogTextKey, PlayerPoolEntry::kForward + 1> kPositionKeys = {
    "pool.position.0", "pool.position.1", "pool.position.2", "pool.position.3", "pool.position.4"};

} // namespace

PlayerPoolModel::PlayerPoolModel(const CountryEditContext& context) : context_(context) {
    Refresh();
}

CCountry* PlayerPoolModel::Country() const {
    return context_.EditedCountry();
}

void PlayerPoolModel::Refresh() {
    rows_.clear();
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    const auto& pool = country->PlayerPool();
    for (size_t i = 0; i < pool.size(); ++i) {
        const PlayerPoolEntry& entry = pool[i];
        if (!entry.InUse()) {
            continue;
        }
        rows_.push_back(
            {i, ToUtf8(FormatPersonName(entry.name), ActiveCodePage()),
             PositionText(entry.position), SkillText(entry.specialSkill),
             PersonClubName(*context_.world, static_cast<uint32_t>(entry.favouriteClub))});
    }
}

std::optional<size_t> PlayerPoolModel::NewEntry() {
    CCountry* country = Country();
    if (country == nullptr) {
        return std::nullopt;
    }
    auto& pool = country->PlayerPool();
    for (size_t i = 0; i < pool.size(); ++i) {
        if (!pool[i].InUse()) {
            return i;
        }
    }
    const size_t size = pool.size();
    if (size >= CCountry::kMaxPlayerPool) {
        return std::nullopt;
    }
    country->ReservePlayerPool(std::min(size + kGrowth, CCountry::kMaxPlayerPool));
    return country->PlayerPool().size() > size ? std::optional<size_t>(size) : std::nullopt;
}

bool PlayerPoolModel::Delete(size_t entry) {
    CCountry* country = Country();
    if (country == nullptr || entry >= country->PlayerPool().size()) {
        return false;
    }
    PlayerPoolEntry cleared;
    cleared.nationality = static_cast<uint8_t>(country->Number());
    country->PlayerPool()[entry] = cleared;
    Refresh();
    return true;
}

std::string PlayerPoolModel::PositionText(int position) {
    if (position < 0 || position > PlayerPoolEntry::kForward) {
        return std::string();
    }
    return DialogText(kPositionKeys[static_cast<size_t>(position)]);
}

std::string PlayerPoolModel::SkillText(int skill) {
    if (skill < 0 || skill >= PlayerPoolEntry::kSpecialSkillCount) {
        return std::string();
    }
    return LoadString(kFirstSkillString + skill);
}

} // namespace tallo
