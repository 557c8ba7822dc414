#include "editing/assistants/search_result_model.h"

#include <algorithm>

#include "editing/assistants/player_order.h"
#include "editing/common/record_choosers.h"
#include "editing/main_window/record_name_order.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

// A player moved by the search's commands has joined its new club no earlier than this year.
constexpr int16_t kLowestYearJoined = 2003;

int CountryOf(uint32_t club) {
    return static_cast<int>((club >> 16) & 0xFFu);
}

} // namespace

SearchResultModel::SearchResultModel(CWorld& world, int languageSlot, const SearchKeys& keys,
                                     const SearchResultSettings& settings,
                                     const WorldChanges& changes, IRecordChoosers* choosers)
    : world_(world), languageSlot_(languageSlot), keys_(keys), settings_(settings),
      changes_(changes), choosers_(choosers), worker_(std::make_unique<PlayerSearchWorker>(world)) {
}

SearchResultModel::~SearchResultModel() {
    Stop();
}

void SearchResultModel::SetDisplayRequest(std::function<void()> request) {
    worker_->SetDisplayRequest(std::move(request));
}

void SearchResultModel::SetClubHook(std::function<void()> hook) {
    worker_->SetClubHook(std::move(hook));
}

void SearchResultModel::Start() {
    // The rows shown stay until the new search shows its own.
    worker_->Start(keys_);
}

void SearchResultModel::Stop() {
    worker_->Stop();
}

bool SearchResultModel::Running() const {
    return worker_->Running() && !worker_->Ended();
}

void SearchResultModel::TakeFound() {
    entries_ = worker_->Found();
    Order();
}

void SearchResultModel::Displayed() {
    worker_->Displayed();
}

std::vector<std::vector<std::string>> SearchResultModel::Rows() const {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(order_.size());
    for (const int index : order_) {
        const SearchMatch& entry = entries_[static_cast<size_t>(index)];
        const CPlayer* player = world_.FindPlayer(entry.player);
        if (player == nullptr) {
            rows.emplace_back(kColumnCount);
            continue;
        }
        rows.push_back({std::string(player->FirstName()), std::string(player->Surname()),
                        std::string(player->Pseudonym()), PositionText(*player),
                        BirthDateText(*player), ClubName(entry.club), CountryName(entry.club)});
    }
    return rows;
}

void SearchResultModel::SortBy(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    sort_.Click(column);
    Order();
}

bool SearchResultModel::ContextMenuAvailable() const {
    return settings_.contextMenu && !Running();
}

bool SearchResultModel::ShowClub(int row) {
    if (!settings_.showClub || Running()) {
        return false;
    }
    const SearchMatch* entry = EntryOf(row);
    if (entry == nullptr || entry->club == 0 || world_.FindClub(entry->club) == nullptr) {
        return false;
    }
    chosenClub_ = entry->club;
    return true;
}

bool SearchResultModel::Transfer(int row) {
    const SearchMatch* entry = EntryOf(row);
    if (entry == nullptr || choosers_ == nullptr || Running()) {
        return false;
    }
    const CPlayer* player = world_.FindPlayer(entry->player);
    if (player == nullptr) {
        return false;
    }
    // The chooser opens on the player's club, or on its nationality without one.
    const int presetCountry = entry->club != 0 ? CountryOf(entry->club) : player->Nationality();
    const std::optional<uint32_t> chosen = choosers_->ChooseClub(presetCountry, entry->club);
    return chosen.has_value() && MoveTo(row, *chosen, "search.change.transfer");
}

bool SearchResultModel::Take(int row) {
    return settings_.targetClub != 0 && !Running() &&
           MoveTo(row, settings_.targetClub, "search.change.take");
}

bool SearchResultModel::Release(int row) {
    const SearchMatch* entry = EntryOf(row);
    if (entry == nullptr || entry->club == 0 || Running()) {
        return false;
    }
    const SearchMatch moved = *entry;
    ChangeScope scope = ChangeScope::Country(CountryOf(moved.club));
    scope.playersWithoutClub = true;
    const bool released = changes_.Run("search.change.release", scope, [&] {
        CClub* club = world_.FindClub(moved.club);
        if (club == nullptr || world_.FindPlayer(moved.player) == nullptr ||
            !club->RemovePlayer(moved.player)) {
            return false;
        }
        world_.AddWithoutClub(moved.player);
        return true;
    });
    if (released) {
        changed_ = true;
        Stop();
        Start();
    }
    return released;
}

bool SearchResultModel::MoveTo(int row, uint32_t clubKey, const std::string& name) {
    const SearchMatch* entry = EntryOf(row);
    if (entry == nullptr) {
        return false;
    }
    const CClub* target = world_.FindClub(clubKey);
    if (target == nullptr || target->Id() == entry->club) {
        return false;
    }
    const SearchMatch moved = *entry;
    const uint32_t targetId = target->Id();
    ChangeScope scope = ChangeScope::Country(CountryOf(targetId));
    if (moved.club == 0) {
        scope.playersWithoutClub = true;
    } else if (CountryOf(moved.club) != CountryOf(targetId)) {
        scope.countries.push_back(CountryOf(moved.club));
    }
    const bool done = changes_.Run(name, scope, [&] {
        CClub* club = world_.FindClub(targetId);
        CPlayer* player = world_.FindPlayer(moved.player);
        if (club == nullptr || player == nullptr || !club->AddPlayer(moved.player)) {
            return false;
        }
        player->SetShirtNumber(0);
        if (player->YearJoined() < kLowestYearJoined) {
            player->SetYearJoined(kLowestYearJoined);
        }
        if (moved.club != 0) {
            if (CClub* old = world_.FindClub(moved.club)) {
                old->RemovePlayer(moved.player);
            }
        } else {
            world_.TakeOutOfWithoutClub(moved.player);
        }
        return true;
    });
    if (done) {
        changed_ = true;
        entries_[static_cast<size_t>(row)].club = targetId;
        Stop();
        Start();
    }
    return done;
}

const SearchMatch* SearchResultModel::EntryOf(int row) const {
    return row >= 0 && static_cast<size_t>(row) < entries_.size()
               ? &entries_[static_cast<size_t>(row)]
               : nullptr;
}

void SearchResultModel::Order() {
    order_.resize(entries_.size());
    for (size_t i = 0; i < order_.size(); ++i) {
        order_[i] = static_cast<int>(i);
    }
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) {
        return sort_.Directed(
                   Compare(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)])) < 0;
    });
}

int SearchResultModel::Compare(const SearchMatch& a, const SearchMatch& b) const {
    const CPlayer* left = world_.FindPlayer(a.player);
    const CPlayer* right = world_.FindPlayer(b.player);
    if (left == nullptr || right == nullptr) {
        return (left != nullptr) - (right != nullptr);
    }
    switch (sort_.column) {
    case kFirstName:
        return CompareByFirstName(*left, *right);
    case kSurname:
        return CompareBySurname(*left, *right);
    case kPseudonym:
        return CompareRecordNames(left->Pseudonym(), right->Pseudonym());
    case kPosition:
        return CompareByPosition(*left, *right);
    case kBirthDate:
        return CompareByBirthDate(*left, *right);
    case kClub:
        return CompareRecordNames(ClubName(a.club), ClubName(b.club));
    case kCountry:
        return CompareRecordNames(CountryName(a.club), CountryName(b.club));
    default:
        return 0;
    }
}

std::string SearchResultModel::ClubName(uint32_t club) const {
    const CClub* found = club != 0 ? world_.FindClub(club) : nullptr;
    return found != nullptr ? std::string(found->Name(languageSlot_)) : std::string();
}

std::string SearchResultModel::CountryName(uint32_t club) const {
    const CCountry* country = club != 0 ? world_.GetCountry(CountryOf(club)) : nullptr;
    return country != nullptr ? std::string(country->Name(languageSlot_)) : std::string();
}

} // namespace tallo
