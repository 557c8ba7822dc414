// The checks of a club: the clean-up after a load, and the completeness and squad checks with
// the messages that report them.

#include "world/club.h"

#include <algorithm>

#include "world/club_io_context.h"
#include "world/player.h"

namespace tallo {

namespace {

// Counts of the persons a club lists, by role and team.
struct RoleCounts {
    int firstTeam[256] = {};
    int reserves[256] = {};
    int staff = 0; // roles 4 and above
    bool badName = false;

    int Any(int role) const { return firstTeam[role] + reserves[role]; }
};

// The persons are looked up a few at a time and their fields fetched ahead: a build checks
// every club of every country, and one look-up after the other waited on memory for each
// person in turn.
RoleCounts CountRoles(const CClub& club, ClubIoContext& context) {
    RoleCounts counts;
    constexpr uint32_t kAhead = 8;
    const CPlayer* ahead[kAhead];
    for (uint32_t first = 0; first < club.PlayerCount(); first += kAhead) {
        const uint32_t count = std::min(kAhead, club.PlayerCount() - first);
        for (uint32_t i = 0; i < count; ++i) {
            ahead[i] = context.FindPlayer(club.PlayerId(first + i));
            if (ahead[i] != nullptr) {
                ahead[i]->PrefetchCheckedFields();
            }
        }
        for (uint32_t i = 0; i < count; ++i) {
            const CPlayer* player = ahead[i];
            if (player == nullptr) {
                continue;
            }
            if (player->IsReserve()) {
                ++counts.reserves[player->Role()];
            } else {
                ++counts.firstTeam[player->Role()];
            }
            if (player->Role() >= CPlayer::kRoleFirstStaff) {
                ++counts.staff;
            }
            if (player->FirstName().empty() || player->Surname().empty()) {
                counts.badName = true;
            }
        }
    }
    return counts;
}

} // namespace

// Checks --------------------------------------------------------------------------------------

void CClub::PostLoadCheck(ClubIoContext& context) {
    for (uint32_t i = 0; i < playerCount_; ++i) {
        if (CPlayer* player = context.FindPlayer(playerIds_[i])) {
            player->PostLoadCheck();
        }
    }
    ClampOwnValues();
}

void CClub::ClampOwnValues() {
    for (uint8_t& level : facilities_) {
        if (level > kMaxFacilityLevel) {
            level = 0;
        }
    }
    kit_.ClampStyles();
    // Friendly club and rivals must lie in the club's own country.
    uint8_t country = static_cast<uint8_t>(CountryNumber() & 0xFFu);
    auto sameCountry = [country](uint32_t reference) {
        return static_cast<uint8_t>((reference >> 16) & 0xFFu) == country;
    };
    if (!sameCountry(friendlyClub_)) {
        friendlyClub_ = 0;
    }
    for (uint32_t& rival : rivals_) {
        if (!sameCountry(rival)) {
            rival = 0;
        }
    }
    latitude_ = ClampLatitude(latitude_);
    longitude_ = ClampLongitude(longitude_);
    // Values the game database indexes with.
    prestige_ = std::min(prestige_, kMaxPrestige);
    for (uint8_t& transferCountry : transferCountries_) {
        if (transferCountry > CPlayer::kMaxCountry) {
            transferCountry = 0;
        }
    }
    if (youthCountry_ > CPlayer::kMaxCountry) {
        youthCountry_ = 0;
    }
}

uint32_t CClub::CheckCompleteness(ClubIoContext& context) const {
    RoleCounts counts = CountRoles(*this, context);
    uint8_t centre = facilities_[kClubCentre];
    uint8_t medical = facilities_[kMedicalDepartment];
    uint32_t faults = 0;
    if (centre == 0 && counts.staff >= 1) {
        faults |= kNoStaffWithoutClubCentre;
    }
    if (centre == 1 && counts.staff >= 4) {
        faults |= kTooManyStaffForLevel1;
    }
    if (centre == 2 && counts.staff >= 6) {
        faults |= kTooManyStaffForLevel2;
    }
    int medicalStaff = 0;
    for (int role = CPlayer::kRoleFirstMedical; role <= CPlayer::kRoleLastMedical; ++role) {
        medicalStaff += counts.Any(role);
    }
    if (medical == 0 && medicalStaff > 0) {
        faults |= kNoMedicalStaffAtLevel0;
    }
    if (medical == 0 && counts.Any(11) > 0) {
        faults |= kNoTeamDoctorAtLevel0;
    }
    if (medical < 2 && counts.Any(15) > 0) {
        faults |= kPsychotherapistNeedsLevel2;
    }
    if (medical < 3 && counts.Any(16) > 0) {
        faults |= kPhysiologistNeedsLevel3;
    }
    if (medical < 4 && counts.Any(12) + counts.Any(13) + counts.Any(14) > 0) {
        faults |= kSpecialistNeedsLevel4;
    }
    return faults;
}

uint32_t CClub::CheckSquad(ClubIoContext& context) const {
    RoleCounts counts = CountRoles(*this, context);
    uint32_t faults = 0;
    if (counts.badName) {
        faults |= kBadName;
    }
    if (counts.firstTeam[CPlayer::kRolePlayer] < 14) {
        faults |= kTooFewPlayers;
    }
    if (counts.firstTeam[CPlayer::kRoleManager] > 1) {
        faults |= kTwoManagers;
    }
    if (counts.reserves[CPlayer::kRoleManager] > 1) {
        faults |= kTwoReserveManagers;
    }
    if (counts.firstTeam[CPlayer::kRoleChairman] > 1) {
        faults |= kTwoChairmen;
    }
    if (counts.reserves[CPlayer::kRoleChairman] > 1) {
        faults |= kTwoReserveChairmen;
    }
    if (counts.firstTeam[CPlayer::kRolePresident] > 1) {
        faults |= kTwoPresidents;
    }
    if (counts.reserves[CPlayer::kRolePresident] > 0) {
        faults |= kReservePresident;
    }
    return faults;
}

int CClub::CompletenessMessageId(uint32_t faultBit) {
    switch (faultBit) {
    case kNoStaffWithoutClubCentre:
        return 766;
    case kTooManyStaffForLevel1:
        return 767;
    case kTooManyStaffForLevel2:
        return 768;
    case kNoMedicalStaffAtLevel0:
        return 769;
    case kNoTeamDoctorAtLevel0:
        return 770;
    case kPsychotherapistNeedsLevel2:
        return 771;
    case kPhysiologistNeedsLevel3:
        return 772;
    case kSpecialistNeedsLevel4:
        return 773;
    default:
        return 0;
    }
}

int CClub::SquadMessageId(uint32_t faultBit) {
    switch (faultBit) {
    case kBadName:
        return 674;
    case kTooFewPlayers:
        return 579;
    case kTwoManagers:
        return 580;
    case kTwoChairmen:
        return 581;
    case kTwoPresidents:
        return 582;
    case kReservePresident:
        return 583;
    default:
        return 0;
    }
}

} // namespace tallo
