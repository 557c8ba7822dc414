#include "editing/assistants/player_search_walk.h"

#include <string_view>

#include "world/accent_folding.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/text_utils.h"
#include "world/world.h"

namespace tallo {

namespace {

// The size of the work buffer a name is folded into (127 characters and the terminator).
constexpr size_t kKeyBufferSize = 128;

// Whether `name`, folded and upper-cased in a buffer on the stack, matches the whole key.
// Done without MakeSearchKey so that a walk over every person of the world allocates nothing.
bool KeyMatches(std::string_view name, std::string_view key) {
    char buffer[kKeyBufferSize];
    const size_t length = FoldName(buffer, name, sizeof buffer);
    for (size_t i = 0; i < length; ++i) {
        if (buffer[i] >= 'a' && buffer[i] <= 'z') {
            buffer[i] = static_cast<char>(buffer[i] - 'a' + 'A');
        }
    }
    return WildcardMatch(std::string_view(buffer, length), key);
}

bool NicknameMatches(const CPlayer& player, std::string_view key) {
    if (key.empty()) {
        return true;
    }
    const std::string_view nickname = player.Nickname();
    if (!nickname.empty() && KeyMatches(nickname, key)) {
        return true;
    }
    const std::string_view pseudonym = player.Pseudonym();
    return !pseudonym.empty() && KeyMatches(pseudonym, key);
}

} // namespace

bool PlayerMatches(const CPlayer& player, const SearchKeys& keys) {
    return (keys.firstName.empty() || KeyMatches(player.FirstName(), keys.firstName)) &&
           NicknameMatches(player, keys.nickname) &&
           (keys.surname.empty() || KeyMatches(player.Surname(), keys.surname));
}

bool WalkPlayerSearch(const CWorld& world, const SearchKeys& keys,
                      const SearchWalkCallbacks& callbacks) {
    if (keys.Empty()) {
        return true;
    }
    const auto report = [&](uint32_t id, uint32_t club) {
        const CPlayer* player = world.FindPlayer(id);
        if (player != nullptr && PlayerMatches(*player, keys) && callbacks.found) {
            callbacks.found(SearchMatch{id, club});
        }
    };
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [key, club] : country->Clubs()) {
            if (callbacks.cancelled && callbacks.cancelled()) {
                return false;
            }
            const uint32_t count = club->PlayerCount();
            for (uint32_t index = 0; index < count; ++index) {
                report(club->PlayerId(index), club->Id());
            }
        }
    }
    for (const uint32_t id : world.PlayersWithoutClub()) {
        report(id, 0);
    }
    return true;
}

} // namespace tallo
