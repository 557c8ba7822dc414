#include "editing/assistants/player_doubles_model.h"

#include <algorithm>
#include <numeric>

#include "editing/assistants/player_order.h"
#include "editing/assistants/world_changes.h"
#include "editing/main_window/record_name_order.h"
#include "formats/string_table.h"
#include "formats/table_format.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kNameHeading = 848;
constexpr int kClubHeading = 851;
constexpr int kBirthDateHeading = 852;
constexpr int kPositionHeading = 864;

// "%s, %s (%s) - %s | %s" and "%s (%s)" over record texts.
std::string JoinName(std::string_view surname, std::string_view firstName) {
    std::string text(surname);
    text.append(", ").append(firstName);
    return text;
}

std::string WithCountry(const std::string& club, const std::string& country) {
    return club + " (" + country + ")";
}

template <typename T> int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// A candidate with its collation keys, so that the walk's sort converts every name once.
struct KeyedCandidate {
    DoubleCandidate candidate;
    std::string surnameKey;
    std::string firstNameKey;
};

} // namespace

PlayerDoublesModel::PlayerDoublesModel(CWorld& world, int languageSlot, int country, uint32_t club)
    : world_(world), languageSlot_(languageSlot), country_(0), club_(0) {
    if (world_.GetCountry(country) != nullptr && country >= 1 && country <= CWorld::kCountryCount) {
        country_ = country;
    }
    const uint32_t key = club & ClubId::kIdMask;
    if (key != 0 && !ClubId::IsNationalTeam(key) && world_.FindClub(key) != nullptr) {
        club_ = key;
    }
    if (club_ != 0) {
        scope_ = DoublesScope::Club;
    } else if (country_ != 0) {
        scope_ = DoublesScope::Country;
    }
    Rebuild();
}

bool PlayerDoublesModel::ScopeEnabled(DoublesScope scope) const {
    switch (scope) {
    case DoublesScope::All:
        return true;
    case DoublesScope::Country:
        return country_ != 0;
    case DoublesScope::Club:
        return club_ != 0;
    }
    return false;
}

bool PlayerDoublesModel::SetScope(DoublesScope scope) {
    if (!ScopeEnabled(scope)) {
        return false;
    }
    scope_ = scope;
    Fill();
    return true;
}

std::string PlayerDoublesModel::ScopeName(DoublesScope scope) const {
    if (!ScopeEnabled(scope)) {
        return std::string();
    }
    if (scope == DoublesScope::Country) {
        return std::string(world_.GetCountry(country_)->Name(languageSlot_));
    }
    if (scope == DoublesScope::Club) {
        const CClub* club = world_.FindClub(club_);
        return club != nullptr ? std::string(club->Name(languageSlot_)) : std::string();
    }
    return std::string();
}

void PlayerDoublesModel::SetSameBirthDate(bool same) {
    sameBirthDate_ = same;
    Fill();
}

std::vector<DoublesColumn> PlayerDoublesModel::Columns() {
    const auto numbered = [](int id, int side) {
        return LoadString(id) + (side == 1 ? " 1" : " 2");
    };
    return {
        {LoadString(kNameHeading), 150, DoublesAlignment::Left},
        {numbered(kClubHeading, 1), 180, DoublesAlignment::Left},
        {numbered(kClubHeading, 2), 180, DoublesAlignment::Left},
        {numbered(kBirthDateHeading, 1), 75, DoublesAlignment::Right},
        {numbered(kBirthDateHeading, 2), 75, DoublesAlignment::Right},
        {numbered(kPositionHeading, 1), 45, DoublesAlignment::Centre},
        {numbered(kPositionHeading, 2), 45, DoublesAlignment::Centre},
    };
}

void PlayerDoublesModel::Rebuild() {
    BuildCandidates();
    Fill();
}

void PlayerDoublesModel::BuildCandidates() {
    std::vector<KeyedCandidate> keyed;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world_.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (club->IsNationalTeam()) {
                continue; // not a counted club
            }
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                const uint32_t playerId = club->PlayerId(i);
                const CPlayer* player = world_.FindPlayer(playerId);
                if (player == nullptr) {
                    continue;
                }
                keyed.push_back({{playerId, club->Id(), number},
                                 RecordNameKey(player->Surname()),
                                 RecordNameKey(player->FirstName())});
            }
        }
    }
    // Stable, so that players whose names collate alike keep the walk's order.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const KeyedCandidate& a, const KeyedCandidate& b) {
                         if (a.surnameKey != b.surnameKey) {
                             return a.surnameKey < b.surnameKey;
                         }
                         return a.firstNameKey < b.firstNameKey;
                     });
    candidates_.clear();
    candidates_.reserve(keyed.size());
    for (const KeyedCandidate& entry : keyed) {
        candidates_.push_back(entry.candidate);
    }
}

const CPlayer* PlayerDoublesModel::Player(const DoubleCandidate& candidate) const {
    return world_.FindPlayer(candidate.player);
}

bool PlayerDoublesModel::Keeps(const PlayerDoublePair& pair) const {
    switch (scope_) {
    case DoublesScope::All:
        break;
    case DoublesScope::Country:
        if (pair.first.country != country_ && pair.second.country != country_) {
            return false;
        }
        break;
    case DoublesScope::Club:
        // The whole key: a club of another country may carry the same number.
        if (pair.first.club != club_ && pair.second.club != club_) {
            return false;
        }
        break;
    }
    if (sameBirthDate_) {
        const CPlayer* a = Player(pair.first);
        const CPlayer* b = Player(pair.second);
        if (a->BirthDate().dayNumber != b->BirthDate().dayNumber) {
            return false;
        }
    }
    return true;
}

void PlayerDoublesModel::Fill() {
    pairs_.clear();
    for (size_t i = 0; i + 1 < candidates_.size(); ++i) {
        const CPlayer* a = Player(candidates_[i]);
        const CPlayer* b = Player(candidates_[i + 1]);
        if (a == nullptr || b == nullptr) {
            continue;
        }
        // Byte for byte: letter case counts here.
        if (a->Surname() != b->Surname() || a->FirstName() != b->FirstName()) {
            continue;
        }
        const PlayerDoublePair pair{candidates_[i], candidates_[i + 1]};
        if (Keeps(pair)) {
            pairs_.push_back(pair);
        }
    }
    order_.resize(pairs_.size());
    std::iota(order_.begin(), order_.end(), 0);
    SortRows();
}

std::string PlayerDoublesModel::ClubName(const DoubleCandidate& candidate) const {
    const CClub* club = world_.FindClub(candidate.club);
    return club != nullptr ? std::string(club->Name(languageSlot_)) : std::string();
}

std::string PlayerDoublesModel::CountryName(const DoubleCandidate& candidate) const {
    const CCountry* country = world_.GetCountry(candidate.country);
    return country != nullptr ? std::string(country->Name(languageSlot_)) : std::string();
}

int PlayerDoublesModel::CompareRows(int left, int right) const {
    const PlayerDoublePair& a = pairs_[static_cast<size_t>(left)];
    const PlayerDoublePair& b = pairs_[static_cast<size_t>(right)];
    const int column = sort_.column;
    // Columns 1, 3 and 5 look at player 1, columns 2, 4 and 6 at player 2.
    const bool second = column == 2 || column == 4 || column == 6;
    const DoubleCandidate& sideA = second ? a.second : a.first;
    const DoubleCandidate& sideB = second ? b.second : b.first;
    const CPlayer* playerA = Player(sideA);
    const CPlayer* playerB = Player(sideB);
    if (playerA == nullptr || playerB == nullptr) {
        return Sign(playerA != nullptr, playerB != nullptr);
    }
    switch (column) {
    case 1:
    case 2: {
        const int club = CompareRecordNames(ClubName(sideA), ClubName(sideB));
        return club != 0 ? club : CompareRecordNames(CountryName(sideA), CountryName(sideB));
    }
    case 3:
    case 4:
        return CompareByBirthDate(*playerA, *playerB);
    case 5:
    case 6:
        return CompareByPosition(*playerA, *playerB);
    default:
        return CompareBySurname(*playerA, *playerB);
    }
}

void PlayerDoublesModel::SortRows() {
    std::stable_sort(order_.begin(), order_.end(), [this](int left, int right) {
        return sort_.Directed(CompareRows(left, right)) < 0;
    });
}

void PlayerDoublesModel::ClickHeading(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    sort_.Click(column);
    order_.resize(pairs_.size());
    std::iota(order_.begin(), order_.end(), 0);
    SortRows();
}

std::vector<std::string> PlayerDoublesModel::RowCells(int pair) const {
    if (pair < 0 || static_cast<size_t>(pair) >= pairs_.size()) {
        return {};
    }
    const PlayerDoublePair& row = pairs_[static_cast<size_t>(pair)];
    const CPlayer* a = Player(row.first);
    const CPlayer* b = Player(row.second);
    if (a == nullptr || b == nullptr) {
        return std::vector<std::string>(kColumnCount);
    }
    return {JoinName(a->Surname(), a->FirstName()),
            WithCountry(ClubName(row.first), CountryName(row.first)),
            WithCountry(ClubName(row.second), CountryName(row.second)),
            BirthDateText(*a),
            BirthDateText(*b),
            PositionText(*a),
            PositionText(*b)};
}

std::vector<std::vector<std::string>> PlayerDoublesModel::Rows() const {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(order_.size());
    for (int pair : order_) {
        rows.push_back(RowCells(pair));
    }
    return rows;
}

const DoubleCandidate* PlayerDoublesModel::Side(int pair, int which) const {
    if (pair < 0 || static_cast<size_t>(pair) >= pairs_.size() || (which != 1 && which != 2)) {
        return nullptr;
    }
    const PlayerDoublePair& row = pairs_[static_cast<size_t>(pair)];
    return which == 1 ? &row.first : &row.second;
}

std::string PlayerDoublesModel::PlayerDescription(int pair, int which) const {
    const DoubleCandidate* side = Side(pair, which);
    const CPlayer* player = side != nullptr ? Player(*side) : nullptr;
    if (player == nullptr) {
        return std::string();
    }
    return JoinName(player->Surname(), player->FirstName()) + " (" + ClubName(*side) + ") - " +
           CountryName(*side) + " | " + BirthDateText(*player);
}

std::string PlayerDoublesModel::DeleteEntryText(int pair, int which) const {
    const std::string description = ToUtf8(PlayerDescription(pair, which), ActiveCodePage());
    return FormatString(kDeleteEntryString, description.c_str());
}

bool PlayerDoublesModel::DeletePlayer(int pair, int which, const WorldChanges& changes) {
    const DoubleCandidate* side = Side(pair, which);
    if (side == nullptr || Player(*side) == nullptr) {
        return false;
    }
    const DoubleCandidate target = *side;
    ChangeScope scope = ChangeScope::Country(target.country);
    scope.playersWithoutClub = world_.IsWithoutClub(target.player);
    const bool deleted = changes.Run("doubles.delete", scope, [&] {
        bool altered = false;
        if (CClub* club = world_.FindClub(target.club)) {
            altered = club->RemovePlayer(target.player);
        }
        // Both, even when the first one found it.
        const bool listed = world_.TakeOutOfWithoutClub(target.player);
        return altered || listed;
    });
    Rebuild();
    return deleted;
}

std::string PlayerDoublesModel::Title(CodePage page) {
    return FromUtf8(LoadString(kTitleString), page);
}

ListExport PlayerDoublesModel::ExportTable(CodePage page) const {
    std::vector<std::string> headings;
    for (const DoublesColumn& column : Columns()) {
        headings.push_back(FromUtf8(column.heading, page));
    }
    return ListExport(std::move(headings), Rows(), Title(page));
}

} // namespace tallo
