#include "editing/player/squad_list_model.h"

#include <algorithm>

#include "editing/session/database_session.h"
#include "editing/staff/person_list_owner.h"
#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kTabEntries[SquadListModel::kTabCount] = {589, 590, 591};

// The fault bits of each check in the order their messages are shown.
constexpr uint32_t kSquadOrder[] = {CClub::kBadName,       CClub::kTooFewPlayers,
                                    CClub::kTwoManagers,   CClub::kTwoChairmen,
                                    CClub::kTwoPresidents, CClub::kReservePresident};

} // namespace

SquadListModel::SquadListModel(DatabaseSession& session, uint32_t clubId, IRecordChoosers* choosers)
    : world_(session.World()), clubId_(clubId & CClub::kIdMask), choosers_(choosers) {
    club_ = world_.FindClub(clubId_);
    if (club_ == nullptr) {
        return;
    }
    change_ = session.Journal().Begin("squad.change");
    change_->IncludeCountry(club_->CountryNumber());
    // The snapshot replaced nothing: the club is still where it was.
    club_ = world_.FindClub(clubId_);
    for (int tab = 0; tab < kTabCount; ++tab) {
        lists_[static_cast<size_t>(tab)] =
            std::make_unique<PersonListModel>(world_, *change_, nullptr, choosers);
        lists_[static_cast<size_t>(tab)]->SetUpList(clubId_, 0, tab);
    }
    for (uint32_t i = 0; i < club_->PlayerCount(); ++i) {
        startIds_.push_back(club_->PlayerId(i));
        if (const CPlayer* person = world_.FindPlayer(club_->PlayerId(i))) {
            startPersons_.push_back(*person);
        }
    }
}

SquadListModel::~SquadListModel() {
    if (IsOpen()) {
        Abandon();
    }
}

std::string SquadListModel::ClubName(int languageSlot) const {
    return club_ != nullptr ? std::string(club_->Name(languageSlot)) : std::string();
}

int SquadListModel::ClampTab(int tab) {
    return std::clamp(tab, 0, kTabCount - 1);
}

std::string SquadListModel::TabText(int tab) {
    return LoadString(kTabEntries[ClampTab(tab)]);
}

void SquadListModel::SetOwner(IPersonListOwner* owner) {
    owner_ = owner;
    for (auto& list : lists_) {
        if (list) {
            list->SetOwner(owner);
        }
    }
}

void SquadListModel::SelectTab(int tab) {
    if (!IsValid() || !IsOpen()) {
        return;
    }
    if (owner_ != nullptr) {
        owner_->StoreCurrentPerson();
    }
    currentTab_ = ClampTab(tab);
    PersonListModel& list = CurrentList();
    list.FillPersonList();
    if (list.SelectedRow() < 0 && list.Count() > 0) {
        list.SelectRow(0);
    }
}

std::vector<int> SquadListModel::FaultMessages() const {
    std::vector<int> messages;
    CCountry* country = club_ != nullptr ? world_.GetCountry(club_->CountryNumber()) : nullptr;
    if (country == nullptr) {
        return messages;
    }
    CountryClubContext context(*country);
    const uint32_t squad = club_->CheckSquad(context);
    for (uint32_t bit : kSquadOrder) {
        const int message = CClub::SquadMessageId(bit);
        if ((squad & bit) != 0 && message != 0) {
            messages.push_back(message);
        }
    }
    const uint32_t completeness = club_->CheckCompleteness(context);
    for (uint32_t bit = 1; bit <= 128; bit <<= 1) {
        const int message = CClub::CompletenessMessageId(bit);
        if ((completeness & bit) != 0 && message != 0) {
            messages.push_back(message);
        }
    }
    return messages;
}

bool SquadListModel::DiffersFromStart() const {
    if (club_->PlayerCount() != startIds_.size()) {
        return true;
    }
    size_t kept = 0;
    for (uint32_t i = 0; i < club_->PlayerCount(); ++i) {
        if (club_->PlayerId(i) != startIds_[i]) {
            return true;
        }
        const CPlayer* person = world_.FindPlayer(startIds_[i]);
        if (person == nullptr) {
            continue;
        }
        if (kept >= startPersons_.size() || !(*person == startPersons_[kept])) {
            return true;
        }
        ++kept;
    }
    return kept != startPersons_.size();
}

bool SquadListModel::Confirm() {
    if (!IsValid() || !IsOpen()) {
        return false;
    }
    if (owner_ != nullptr) {
        owner_->StoreCurrentPerson();
    }
    if (!FaultMessages().empty()) {
        return false;
    }
    // Every command of the lists changes the club's list, and the pages change its persons:
    // when neither differs, there is nothing to record.
    changed_ = outsideChange_ || DiffersFromStart();
    if (changed_) {
        change_->Commit();
    } else {
        change_->Abandon();
    }
    return true;
}

void SquadListModel::Abandon() {
    if (!IsOpen()) {
        return;
    }
    if (owner_ != nullptr) {
        owner_->ShowPerson(0);
    }
    change_->Abandon();
    changed_ = false;
    club_ = world_.FindClub(clubId_);
}

} // namespace tallo
