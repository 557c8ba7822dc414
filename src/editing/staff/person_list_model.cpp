#include "editing/staff/person_list_model.h"

#include <algorithm>
#include <set>

#include "editing/common/record_choosers.h"
#include "editing/staff/person_list_owner.h"
#include "editing/staff/person_list_rows.h"
#include "editing/staff/role_table.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

int CountryOfClub(uint32_t clubId) {
    return static_cast<int>((clubId >> 16) & 0xFFu);
}

// The transient detail total follows the club's list.
void RecomputeTotal(CWorld& world, CClub& club) {
    if (CCountry* country = world.GetCountry(club.CountryNumber())) {
        CountryClubContext context(*country);
        club.RecomputeDetailTotal(context);
    }
}

} // namespace

PersonListModel::PersonListModel(CWorld& world, ChangeJournal::OpenChange& change,
                                 IPersonListOwner* owner, IRecordChoosers* choosers)
    : world_(world), change_(change), owner_(owner), choosers_(choosers) {}

void PersonListModel::SetUpList(uint32_t clubId, uint32_t selectedPerson, int mode) {
    source_ = Source::Club;
    clubId_ = clubId & CClub::kIdMask;
    country_ = CountryOfClub(clubId_);
    mode_ = std::clamp(mode, 0, 2);
    chooserCountry_ = country_ != 0 ? country_ : kDefaultChooserCountry;
    selectedPerson_ = selectedPerson;
    selectedRow_ = -1;
    competitionClubs_.clear();
}

void PersonListModel::SetUpCountryList(int country, uint32_t selectedPerson) {
    source_ = Source::Country;
    clubId_ = 0;
    country_ = country;
    mode_ = kBoard;
    chooserCountry_ =
        country >= 1 && country <= CPlayer::kMaxCountry ? country : kDefaultChooserCountry;
    selectedPerson_ = selectedPerson;
    selectedRow_ = -1;
    competitionClubs_.clear();
}

void PersonListModel::SetUpCompetitionList(const std::vector<uint32_t>& clubReferences,
                                           int chooserCountry, uint32_t selectedPerson, int mode) {
    source_ = Source::Competition;
    clubId_ = 0;
    country_ = 0;
    mode_ = std::clamp(mode, 0, 2);
    chooserCountry_ = chooserCountry;
    selectedPerson_ = selectedPerson;
    selectedRow_ = -1;
    competitionClubs_.clear();
    // A second team stands for its club; each club is listed once.
    std::set<uint32_t> seen;
    for (uint32_t reference : clubReferences) {
        const uint32_t id = reference & CClub::kIdMask;
        if (id != 0 && seen.insert(id).second) {
            competitionClubs_.push_back(id);
        }
    }
}

bool PersonListModel::Fits(const CPlayer& person) const {
    switch (mode_) {
    case kFirstTeam:
        return person.IsPlayerRole() && person.IsFirstTeam();
    case kReserves:
        return person.IsPlayerRole() && person.IsReserve();
    default:
        // Officials and every staff member: a staff member listed nowhere could be neither
        // edited nor removed.
        return !person.IsPlayerRole();
    }
}

void PersonListModel::AddRowsOf(const CClub& club) {
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world_.FindPlayer(club.PlayerId(i));
        if (person != nullptr && Fits(*person)) {
            rows_.push_back({person->Id(), club.Id(), PersonRowText(*person), person->GetRating()});
        }
    }
}

void PersonListModel::FillPersonList() {
    const int previous = selectedRow_;
    rows_.clear();
    switch (source_) {
    case Source::Club:
        if (const CClub* club = FindClub(clubId_)) {
            AddRowsOf(*club);
        }
        break;
    case Source::Country:
        if (const CCountry* country = world_.GetCountry(country_)) {
            for (uint32_t id : country->AdditionalManagers()) {
                if (const CPlayer* person = world_.FindPlayer(id)) {
                    rows_.push_back({id, 0, PersonRowText(*person), person->GetRating()});
                }
            }
        }
        break;
    case Source::Competition:
        for (uint32_t id : competitionClubs_) {
            if (const CClub* club = FindClub(id)) {
                AddRowsOf(*club);
            }
        }
        break;
    }

    selectedRow_ = -1;
    for (size_t i = 0; selectedPerson_ != 0 && i < rows_.size(); ++i) {
        if (rows_[i].person == selectedPerson_) {
            selectedRow_ = static_cast<int>(i);
            break;
        }
    }
    if (selectedRow_ < 0 && previous >= 0 && !rows_.empty()) {
        selectedRow_ = std::min(previous, Count() - 1);
    }
    selectedPerson_ = selectedRow_ >= 0 ? rows_[static_cast<size_t>(selectedRow_)].person : 0;
    TellOwner();
}

float PersonListModel::Average() const {
    if (rows_.empty()) {
        return 0.0f;
    }
    float sum = 0.0f;
    for (const Row& row : rows_) {
        sum += row.rating;
    }
    return sum / static_cast<float>(rows_.size());
}

std::string PersonListModel::CountText() const {
    return std::to_string(Count());
}

std::string PersonListModel::AverageText() const {
    return FormatTableText("%2.1f", static_cast<double>(Average()));
}

void PersonListModel::SelectRow(int row) {
    if (row < 0 || row >= Count()) {
        row = -1;
    }
    const uint32_t person = row >= 0 ? rows_[static_cast<size_t>(row)].person : 0;
    if (person == selectedPerson_) {
        selectedRow_ = row;
        return;
    }
    StoreOwner();
    selectedRow_ = row;
    selectedPerson_ = person;
    TellOwner();
    if (owner_ != nullptr) {
        owner_->PersonSelectedByUser();
    }
}

// Commands ---------------------------------------------------------------------------------

int PersonListModel::CountRole(const CWorld& world, const CClub& club, uint8_t role) {
    int count = 0;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world.FindPlayer(club.PlayerId(i));
        if (person != nullptr && person->Role() == role) {
            ++count;
        }
    }
    return count;
}

CClub* PersonListModel::FindClub(uint32_t id) const {
    return id != 0 ? world_.FindClub(id & CClub::kIdMask) : nullptr;
}

const PersonListModel::Row* PersonListModel::SelectedRowData() const {
    if (selectedRow_ < 0 || selectedRow_ >= Count()) {
        return nullptr;
    }
    const Row& row = rows_[static_cast<size_t>(selectedRow_)];
    return world_.FindPlayer(row.person) != nullptr ? &row : nullptr;
}

CClub* PersonListModel::TargetClub() const {
    switch (source_) {
    case Source::Club:
        return FindClub(clubId_);
    case Source::Competition: {
        const Row* row = SelectedRowData();
        return row != nullptr ? FindClub(row->club) : nullptr;
    }
    case Source::Country:
        break;
    }
    return nullptr;
}

bool PersonListModel::IsCommandEnabled(int command) const {
    switch (command) {
    case kCommandDeletePerson:
        return SelectedRowData() != nullptr;
    case kCommandTransferPerson:
        return SelectedRowData() != nullptr && choosers_ != nullptr;
    case kCommandTakePerson:
        return source_ != Source::Country && choosers_ != nullptr && TargetClub() != nullptr;
    default:
        break;
    }
    const int role = RoleOfCommand(command);
    if (role < 0) {
        return false;
    }
    if (source_ == Source::Country) {
        return role != CPlayer::kRolePlayer && world_.GetCountry(country_) != nullptr;
    }
    const CClub* club = TargetClub();
    if (club == nullptr || club->PlayerCount() >= CClub::kMaxPlayers) {
        return false;
    }
    const RoleInfo* info = FindRole(static_cast<uint8_t>(role));
    return CountRole(world_, *club, static_cast<uint8_t>(role)) < info->limit;
}

std::vector<PersonListModel::MenuItem> PersonListModel::ContextMenu() const {
    std::vector<MenuItem> items;
    auto addRole = [&](uint8_t role, bool staff) {
        const int command = CommandOfRole(role);
        items.push_back({command, FormatDialogText("persons.menu.create", RoleName(role).c_str()),
                         IsCommandEnabled(command), staff});
    };
    if (source_ != Source::Country && mode_ != kBoard) {
        addRole(CPlayer::kRolePlayer, false);
    } else {
        for (uint8_t role = CPlayer::kRoleManager; role <= CPlayer::kRolePresident; ++role) {
            addRole(role, false);
        }
        if (source_ != Source::Country) {
            for (uint8_t role = CPlayer::kRoleFirstStaff; role <= kLastRole; ++role) {
                addRole(role, true);
            }
        }
    }
    items.push_back({0, std::string(), false, false});
    items.push_back({kCommandTransferPerson, DialogText("persons.menu.transfer"),
                     IsCommandEnabled(kCommandTransferPerson), false});
    items.push_back({kCommandTakePerson, DialogText("persons.menu.take"),
                     IsCommandEnabled(kCommandTakePerson), false});
    items.push_back({kCommandDeletePerson, DialogText("persons.menu.delete"),
                     IsCommandEnabled(kCommandDeletePerson), false});
    return items;
}

bool PersonListModel::RunCommand(int command) {
    if (!IsCommandEnabled(command)) {
        return false;
    }
    switch (command) {
    case kCommandDeletePerson:
        return DeleteSelected();
    case kCommandTransferPerson:
        return TransferSelected();
    case kCommandTakePerson:
        return TakePerson();
    default:
        break;
    }
    const int role = RoleOfCommand(command);
    return role >= 0 && CreatePerson(static_cast<uint8_t>(role));
}

void PersonListModel::IncludeClubCountry(uint32_t clubId) {
    const int country = CountryOfClub(clubId);
    if (country >= 1 && country <= CPlayer::kMaxCountry) {
        change_.IncludeCountry(country);
    }
}

void PersonListModel::StoreOwner() {
    if (owner_ != nullptr) {
        owner_->StoreCurrentPerson();
    }
}

void PersonListModel::TellOwner() {
    if (owner_ != nullptr) {
        owner_->ShowPerson(selectedPerson_);
    }
}

bool PersonListModel::CreatePerson(uint8_t role) {
    const RoleInfo* info = FindRole(role);
    if (info == nullptr) {
        return false;
    }
    CClub* club = nullptr;
    CCountry* managersCountry = nullptr;
    int nationality = 0;
    if (source_ == Source::Country) {
        managersCountry = world_.GetCountry(country_);
        if (managersCountry == nullptr) {
            return false;
        }
        nationality = country_;
        change_.IncludeCountry(country_);
    } else {
        club = TargetClub();
        if (club == nullptr || club->PlayerCount() >= CClub::kMaxPlayers ||
            CountRole(world_, *club, role) >= info->limit) {
            return false;
        }
        nationality = club->CountryNumber();
        IncludeClubCountry(club->Id());
    }

    // The defaults number the new person after the persons registered before it.
    CPlayer fresh(&world_, role, static_cast<uint8_t>(nationality));
    if (role == CPlayer::kRolePlayer && mode_ == kReserves) {
        fresh.SetReserve(1);
    }
    CPlayer* made = world_.CreatePlayer(0, true);
    if (made == nullptr) {
        return false;
    }
    const uint32_t id = made->Id();
    *made = fresh;
    made->SetId(id);
    if (club != nullptr) {
        if (!club->AddPlayer(id)) {
            world_.RemovePlayer(id);
            return false;
        }
        RecomputeTotal(world_, *club);
    } else {
        managersCountry->AdditionalManagers().insert(id);
    }

    StoreOwner();
    if (const CCountry* home = world_.GetCountry(nationality)) {
        made->SetLanguageByte(0, home->languages[0]);
        made->SetLanguageByte(1, home->languages[1]);
    }
    selectedPerson_ = id;
    TellOwner();
    FillPersonList();
    return true;
}

bool PersonListModel::DeleteSelected() {
    const Row* row = SelectedRowData();
    if (row == nullptr) {
        return false;
    }
    const uint32_t id = row->person;
    const uint32_t clubId = row->club;
    StoreOwner();
    if (source_ == Source::Country) {
        CCountry* country = world_.GetCountry(country_);
        if (country == nullptr) {
            return false;
        }
        change_.IncludeCountry(country_);
        country->AdditionalManagers().erase(id);
    } else {
        CClub* club = FindClub(clubId);
        if (club == nullptr) {
            return false;
        }
        IncludeClubCountry(clubId);
        club->RemovePlayer(id);
        RecomputeTotal(world_, *club);
    }
    world_.RemovePlayer(id);
    selectedPerson_ = 0;
    selectedRow_ = -1;
    TellOwner();
    FillPersonList();
    return true;
}

bool PersonListModel::TransferSelected() {
    const Row* row = SelectedRowData();
    if (row == nullptr || choosers_ == nullptr) {
        return false;
    }
    const uint32_t id = row->person;
    const uint32_t fromClub = row->club;
    const std::optional<uint32_t> chosen = choosers_->ChooseClub(chooserCountry_, 0);
    if (!chosen) {
        return false;
    }
    const uint32_t targetId = *chosen & CClub::kIdMask;
    // Moving a person to the club that lists him already changes nothing.
    if (targetId == fromClub) {
        return false;
    }
    CClub* target = FindClub(targetId);
    if (target == nullptr || target->HasPlayer(id)) {
        return false;
    }
    CClub* from = FindClub(fromClub);
    CCountry* managersCountry = source_ == Source::Country ? world_.GetCountry(country_) : nullptr;
    if (from == nullptr && managersCountry == nullptr) {
        return false;
    }

    StoreOwner();
    IncludeClubCountry(targetId);
    if (from != nullptr) {
        IncludeClubCountry(fromClub);
    } else {
        change_.IncludeCountry(country_);
    }
    if (!target->AddPlayer(id)) {
        FillPersonList();
        return false;
    }
    CPlayer* person = world_.FindPlayer(id);
    // A new club: no loan any more; the club he leaves becomes his previous club, and he
    // joins this year.
    person->SetLoanClub(0);
    if (from != nullptr) {
        person->SetPreviousClub(fromClub);
    }
    person->SetYearJoined(static_cast<int16_t>(CurrentGameDate().Year()));
    if (from != nullptr) {
        from->RemovePlayer(id);
        RecomputeTotal(world_, *from);
    } else {
        managersCountry->AdditionalManagers().erase(id);
    }
    RecomputeTotal(world_, *target);
    FillPersonList();
    return true;
}

bool PersonListModel::TakePerson() {
    if (source_ == Source::Country || choosers_ == nullptr) {
        return false;
    }
    CClub* club = TargetClub();
    if (club == nullptr) {
        return false;
    }
    const std::optional<IRecordChoosers::ChosenPerson> chosen =
        choosers_->ChoosePerson(chooserCountry_, 0, 0);
    if (!chosen || (chosen->club & CClub::kIdMask) == club->Id()) {
        return false;
    }
    CClub* other = FindClub(chosen->club);
    if (other == nullptr || !other->HasPlayer(chosen->person) ||
        world_.FindPlayer(chosen->person) == nullptr) {
        return false;
    }
    StoreOwner();
    IncludeClubCountry(club->Id());
    IncludeClubCountry(other->Id());
    if (!club->AddPlayer(chosen->person)) {
        FillPersonList();
        return false;
    }
    other->RemovePlayer(chosen->person);
    RecomputeTotal(world_, *club);
    RecomputeTotal(world_, *other);
    FillPersonList();
    return true;
}

} // namespace tallo
