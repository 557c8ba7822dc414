#include "sample_person_keys.h"

#include <set>

#include "mapping/letter_case.h"
#include "world/accent_folding.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/text_utils.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

// The longest folded key the star heads keep.
constexpr size_t kFoldedKeyLength = 127;

} // namespace

SamplePersonKeys::SamplePersonKeys(const CWorld& world) {
    for (const auto& [id, person] : world.Players()) {
        if (person == nullptr) {
            continue;
        }
        const std::string name = FullName(*person);
        ++names_[Lower(name)];
        ++folded_[Folded(name)];
        for (std::string_view other : {person->Nickname(), person->Pseudonym()}) {
            if (!other.empty()) {
                ++nicknames_[Lower(other)];
                ++folded_[Folded(other)];
            }
        }
    }
    std::set<uint32_t> seen;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [clubId, club] : country->Clubs()) {
            if (club == nullptr || ClubId::IsNationalTeam(clubId)) {
                continue;
            }
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                const CPlayer* player = world.FindPlayer(club->PlayerId(i));
                if (player != nullptr && player->IsPlayerRole() &&
                    seen.insert(player->Id()).second) {
                    clubPlayers_.push_back(player);
                }
            }
        }
    }
}

std::string SamplePersonKeys::FullName(const CPlayer& player) {
    std::string name(player.FirstName());
    name += ' ';
    name.append(player.Surname());
    CollapseBlanks(name);
    return name;
}

std::string SamplePersonKeys::Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(LowerCaseByte(static_cast<uint8_t>(c)));
    }
    return result;
}

std::string SamplePersonKeys::Folded(std::string_view text) {
    return FoldName(text, kFoldedKeyLength);
}

size_t SamplePersonKeys::CountOf(const std::map<std::string, size_t, std::less<>>& counts,
                                 std::string_view key) {
    const auto found = counts.find(key);
    return found == counts.end() ? 0 : found->second;
}

bool SamplePersonKeys::IsKnown(std::string_view text) const {
    const std::string lower = Lower(text);
    return CountOf(names_, lower) > 0 || CountOf(nicknames_, lower) > 0 ||
           CountOf(folded_, Folded(text)) > 0 || CountOf(folded_, Folded(lower)) > 0;
}

bool SamplePersonKeys::UniqueByName(const CPlayer& player) const {
    const std::string key = Lower(FullName(player));
    return CountOf(names_, key) == 1 && CountOf(nicknames_, key) == 0;
}

bool SamplePersonKeys::UniquePseudonym(const CPlayer& player) const {
    if (player.Pseudonym().empty()) {
        return false;
    }
    const std::string key = Lower(player.Pseudonym());
    return CountOf(nicknames_, key) == 1 && CountOf(names_, key) == 0;
}

bool SamplePersonKeys::UniqueFolded(const CPlayer& player) const {
    return CountOf(folded_, Folded(FullName(player))) == 1;
}

} // namespace tallo::sample
