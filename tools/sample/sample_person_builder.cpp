// The sample's persons: the players, officials and staff of every club, the countries'
// additional manager candidates and the players without a club.

#include <algorithm>

#include "sample_world_builder.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

constexpr int kGameYear = 2003;

// The outfield positions of a squad in the order they are filled after the goalkeepers.
constexpr uint8_t kSquadPositions[] = {CPlayer::kCD,  CPlayer::kRB, CPlayer::kLB,  CPlayer::kCD,
                                       CPlayer::kDM,  CPlayer::kCM, CPlayer::kRM,  CPlayer::kLM,
                                       CPlayer::kAM,  CPlayer::kST, CPlayer::kCF,  CPlayer::kRW,
                                       CPlayer::kLW,  CPlayer::kSW, CPlayer::kRWB, CPlayer::kLWB,
                                       CPlayer::kANC, CPlayer::kCM, CPlayer::kST,  CPlayer::kCD};

int GroupOf(uint8_t position) {
    switch (position) {
    case CPlayer::kGK:
        return CPlayer::kGoalkeeperGroup;
    case CPlayer::kRB:
    case CPlayer::kLB:
    case CPlayer::kCD:
    case CPlayer::kSW:
    case CPlayer::kRWB:
    case CPlayer::kLWB:
    case CPlayer::kANC:
        return CPlayer::kDefenceGroup;
    case CPlayer::kDM:
    case CPlayer::kRM:
    case CPlayer::kLM:
    case CPlayer::kCM:
    case CPlayer::kAM:
        return CPlayer::kMidfieldGroup;
    default:
        return CPlayer::kAttackGroup;
    }
}

// The staff roles (4 and above) a club may employ with its club centre and medical department
// levels; see the club's completeness check.
int StaffLimit(uint8_t clubCentre) {
    static const int kLimits[] = {0, 3, 5};
    return clubCentre < 3 ? kLimits[clubCentre] : 8;
}

bool MedicalRoleAllowed(uint8_t role, uint8_t medical) {
    switch (role) {
    case 11:
        return medical >= 1;
    case 12:
    case 13:
    case 14:
        return medical >= 4;
    case 15:
        return medical >= 2;
    case 16:
        return medical >= 3;
    default:
        return true;
    }
}

} // namespace

CPlayer* SampleWorldBuilder::NewPerson(uint8_t role, uint8_t nationality, NameStyle style) {
    // ID 0 with registration: the next free ID, exactly as a load numbers what it reads.
    CPlayer* person = world_.CreatePlayer(0, true);
    if (person == nullptr) {
        return nullptr;
    }
    person->SetRole(role);
    person->SetNationality(nationality);
    if (random_.Chance(5)) {
        person->SetSecondNationality(RandomCountry());
    }
    person->SetForeignExemption(random_.Chance(2) ? 1 : 0);
    person->SetFirstName(names_.FirstName(random_, style));
    person->SetSurname(names_.Surname(random_, style));
    if (random_.Chance(5)) {
        person->SetNickname(names_.Nickname(random_));
    }
    if (random_.Chance(2)) {
        person->SetPseudonym(names_.Surname(random_, style));
    }
    if (random_.Chance(20)) {
        person->SetMappedId(static_cast<uint32_t>(random_.Range(1, 500000)));
    }
    person->SetHairColour(static_cast<uint8_t>(random_.Range(1, 5)));
    person->SetFaceType(static_cast<uint8_t>(random_.Range(1, 25)));
    person->SetHairStyle(static_cast<uint8_t>(random_.Range(1, 10)));
    person->SetBeard(static_cast<uint8_t>(random_.Range(1, 5)));
    person->SetShoeType(static_cast<uint8_t>(random_.Range(0, 5)));
    person->SetKitFlags(random_.Chance(20) ? CPlayer::kLongSleeves : 0);
    person->SetValueA(static_cast<uint8_t>(random_.Range(0, 17)));
    person->SetValueB(static_cast<uint8_t>(random_.Range(0, 4)));
    if (random_.Chance(10)) {
        person->SetFavouriteCountry(RandomCountry());
    }
    if (random_.Chance(2)) {
        // Two lines; the file keeps them on one line with a tab between them.
        person->SetNotes("Came through the youth teams.\r\nKnown for his free kicks.");
    }
    SetLanguages(*person);
    return person;
}

void SampleWorldBuilder::SetLanguages(CPlayer& player) {
    const int native = world_.CountryFirstLanguage(player.Nationality());
    if (native <= 0) {
        return; // a person without a native language has no further ones either
    }
    uint8_t languages[CPlayer::kLanguageSlots] = {static_cast<uint8_t>(native)};
    int count = 1;
    while (count < 3 && random_.Chance(count == 1 ? 30 : 15)) {
        languages[count] = OtherLanguage(languages, count);
        if (languages[count] == 0) {
            break;
        }
        ++count;
    }
    for (int slot = 0; slot < CPlayer::kLanguageSlots; ++slot) {
        player.SetLanguageByte(slot, languages[slot]);
    }
}

void SampleWorldBuilder::SetBirthDate(CPlayer& player, int firstYear, int lastYear) {
    player.SetBirthDate(RandomDate(firstYear, lastYear));
}

void SampleWorldBuilder::BuildPlayer(CPlayer& player, int quality, uint8_t position, bool reserve) {
    player.SetReserve(reserve ? 1 : 0);
    SetBirthDate(player, reserve ? 1981 : 1967, reserve ? 1986 : 1985);
    const int age = AgeAt(player.BirthDate());
    const bool keeper = position == CPlayer::kGK;

    player.SetMainPosition(position);
    if (!keeper && random_.Chance(50)) {
        player.SetOtherPosition(0, kSquadPositions[static_cast<size_t>(random_.Below(
                                       static_cast<int>(std::size(kSquadPositions))))]);
        if (random_.Chance(30)) {
            player.SetOtherPosition(
                1, static_cast<uint8_t>(random_.Range(2, CPlayer::kPositionCount)));
        }
    }
    const int group = GroupOf(position);
    for (int g = 0; g < CPlayer::kPositionRatingCount; ++g) {
        const int rating = g == group ? random_.Range(3, 6) : random_.Range(0, keeper ? 1 : 3);
        player.SetPositionRating(g, static_cast<uint8_t>(rating));
    }
    for (int ability = 0; ability < CPlayer::kAbilityCount; ++ability) {
        const bool keeperAbility = ability >= CPlayer::kReflexes;
        int value = quality + random_.Range(-2, 2);
        if (keeperAbility != keeper) {
            value = random_.Range(1, 4); // a goalkeeper's shooting, an outfield player's saves
        }
        player.SetAbility(ability, static_cast<uint8_t>(std::clamp(value, 1, 10)));
    }
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        player.SetTrait(trait,
                        random_.Chance(60)
                            ? CPlayer::kNormalTrait
                            : static_cast<uint8_t>(random_.Range(0, CPlayer::TraitMaximum(trait))));
    }
    player.SetTalent(
        static_cast<uint8_t>(std::clamp(random_.Range(0, 4) + (age < 21 ? 1 : 0), 0, 4)));
    player.SetPreferredFoot(static_cast<uint8_t>(random_.Chance(65)   ? 1
                                                 : random_.Chance(70) ? 2
                                                                      : 0));
    player.SetLeagueExperience(static_cast<uint8_t>(std::clamp((age - 17) / 3, 0, 6)));
    player.SetHeight(static_cast<uint8_t>(random_.Range(keeper ? 182 : 165, keeper ? 200 : 195)));
    player.SetWeight(static_cast<uint8_t>(random_.Range(62, 95)));
    for (int bonus = 0; bonus < CPlayer::kBonusCount; ++bonus) {
        player.SetBonus(bonus, static_cast<uint8_t>(random_.Chance(80) ? 0 : random_.Range(1, 15)));
    }
    player.SetTacticalEducation(static_cast<uint8_t>(random_.Range(0, 8)));

    if (quality >= 6 && !reserve && random_.Chance(25)) {
        const int caps = random_.Range(1, 120);
        const int scoring = group == CPlayer::kAttackGroup ? 3 : 12;
        player.SetInternationalCaps(static_cast<uint8_t>(caps));
        player.SetInternationalGoals(static_cast<uint8_t>(random_.Range(0, caps / scoring)));
        player.SetInternationalExperience(static_cast<uint8_t>(std::min(4, 1 + caps / 30)));
        uint8_t flags = static_cast<uint8_t>(random_.Range(0, 7) << CPlayer::kNationalStartShift);
        if (random_.Chance(40)) {
            flags |= CPlayer::kInNationalTeam;
        } else if (random_.Chance(5)) {
            flags |= CPlayer::kRefusesNationalTeam;
        }
        player.SetNationalTeamFlags(flags);
    }
    if (random_.Chance(3)) {
        player.SetPhoto("Faces\\P" + std::to_string(player.Id()) + ".tga");
    }
}

void SampleWorldBuilder::BuildOfficial(CPlayer& player, uint8_t role) {
    SetBirthDate(player, 1935, 1972);
    // Officials keep a (former) position like every person record.
    player.SetMainPosition(static_cast<uint8_t>(random_.Range(1, CPlayer::kPositionCount)));
    for (int ability = 0; ability < CPlayer::kAbilityCount; ++ability) {
        player.SetAbility(ability, static_cast<uint8_t>(random_.Range(1, 10)));
    }
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        player.SetTrait(trait,
                        static_cast<uint8_t>(random_.Range(0, CPlayer::TraitMaximum(trait))));
    }
    // The manager's skills are edited with the abilities: values 0 to 15.
    for (int bonus = 0; bonus < CPlayer::kBonusCount; ++bonus) {
        player.SetBonus(bonus, static_cast<uint8_t>(random_.Range(0, 15)));
    }
    player.SetTalent(static_cast<uint8_t>(random_.Range(0, 4)));
    if (role >= CPlayer::kRoleFirstStaff) {
        player.SetStaffLevel(static_cast<uint8_t>(random_.Range(0, 4)));
    }
    if (role == CPlayer::kRoleManager || role == CPlayer::kRoleChairman) {
        player.SetLeagueExperience(static_cast<uint8_t>(random_.Range(0, 6)));
        player.SetInternationalExperience(static_cast<uint8_t>(random_.Range(0, 4)));
    }
    player.SetHeight(static_cast<uint8_t>(random_.Range(165, 195)));
    player.SetWeight(static_cast<uint8_t>(random_.Range(65, 110)));
    player.SetTacticalEducation(static_cast<uint8_t>(random_.Range(0, 8)));
}

void SampleWorldBuilder::BuildCareer(CPlayer& player, uint8_t country) {
    const CountryWork* home = country < work_.size() ? &work_[country] : nullptr;
    auto localClub = [&] {
        const uint32_t id = home != nullptr ? RandomClubOf(*home) : 0;
        return id != 0 ? id : RandomClubAnywhere();
    };
    if (random_.Chance(60)) {
        player.SetFirstClub(localClub() | (random_.Chance(5) ? ClubId::kSecondTeamBit : 0));
    }
    if (random_.Chance(50)) {
        player.SetPreviousClub(random_.Chance(70) ? localClub() : RandomClubAnywhere());
    }
    if (random_.Chance(20)) {
        player.SetFavouriteClub(RandomClubAnywhere());
    }
    if (random_.Chance(5)) {
        player.SetClubReferenceE(RandomClubAnywhere());
    }
    if (random_.Chance(3)) {
        player.SetLoanClub(localClub());
    }
    if (random_.Chance(5)) {
        player.SetNeverJoinClub(RandomClubAnywhere());
    }
    const int birthYear = player.BirthDate().Year();
    const int firstYear = std::clamp(birthYear + 17, 1980, kGameYear);
    const int joined = random_.Range(firstYear, kGameYear);
    const int contractEnd = random_.Range(kGameYear, kGameYear + 5);
    player.SetYearJoined(static_cast<int16_t>(joined));
    player.SetContractEnd(static_cast<int16_t>(contractEnd));
    player.SetContractStartDate(GameDate::FromDate(joined, 7, 1));
    player.SetContractEndDate(GameDate::FromDate(contractEnd, 6, 30));
}

void SampleWorldBuilder::BuildClubPersons(CountryWork& work, CClub& club, int rank) {
    const bool full = options_.scale == SampleScale::kFull;
    const uint8_t country = static_cast<uint8_t>(work.country->Number());
    const int clubs = std::max(work.clubCount, 1);
    const int quality =
        std::clamp(8 - work.level - (rank * 4) / clubs + random_.Range(-1, 1), 2, 9);
    auto nationality = [&] { return random_.Chance(85) ? country : RandomCountry(); };
    auto styleOf = [&](uint8_t nation) {
        const CountryWork& home = work_[nation];
        return home.entry != nullptr ? home.entry->style : work.style;
    };

    const int firstTeam = full ? random_.Range(14, 21) : random_.Range(14, 15);
    const int reserves = full ? random_.Range(0, 6) : random_.Range(0, 1);
    std::vector<uint32_t> listed;
    for (int i = 0; i < firstTeam + reserves; ++i) {
        const bool reserve = i >= firstTeam;
        const int index = reserve ? i - firstTeam : i;
        uint8_t position;
        if (index < (reserve ? 1 : 2)) {
            position = CPlayer::kGK;
        } else {
            const size_t slot =
                static_cast<size_t>(index - (reserve ? 1 : 2)) % std::size(kSquadPositions);
            position = kSquadPositions[slot];
        }
        const uint8_t nation = nationality();
        CPlayer* player = NewPerson(CPlayer::kRolePlayer, nation, styleOf(nation));
        if (player == nullptr) {
            return;
        }
        BuildPlayer(*player, reserve ? quality - 1 : quality, position, reserve);
        BuildCareer(*player, country);
        player->SetShirtNumber(static_cast<uint8_t>(reserve ? 30 + index : 1 + index));
        // Now and then a brother or cousin in the same squad.
        if (!listed.empty() && random_.Chance(3)) {
            const uint32_t relative =
                listed[static_cast<size_t>(random_.Below(static_cast<int>(listed.size())))];
            if (relative < CPlayer::kMaxRelatedPlayer) {
                player->SetRelatedPlayer(relative);
            }
        }
        if (club.AddPlayer(player->Id())) {
            listed.push_back(player->Id());
        }
    }

    // The board: a manager always, mostly a chairman and a president.
    std::vector<uint8_t> roles = {CPlayer::kRoleManager};
    if (random_.Chance(90)) {
        roles.push_back(CPlayer::kRoleChairman);
    }
    if (random_.Chance(80)) {
        roles.push_back(CPlayer::kRolePresident);
    }
    // Staff, one person per role and never more than the club centre and the medical department
    // allow, so that the club passes its completeness check.
    const int staffLimit =
        std::min(StaffLimit(club.FacilityLevel(CClub::kClubCentre)), full ? 4 : 2);
    const uint8_t medical = club.FacilityLevel(CClub::kMedicalDepartment);
    std::vector<uint8_t> staffRoles;
    for (uint8_t role = CPlayer::kRoleFirstStaff; role <= 20; ++role) {
        if (MedicalRoleAllowed(role, medical)) {
            staffRoles.push_back(role);
        }
    }
    const int staff = random_.Range(0, staffLimit);
    for (int i = 0; i < staff && !staffRoles.empty(); ++i) {
        const size_t pick = static_cast<size_t>(random_.Below(static_cast<int>(staffRoles.size())));
        roles.push_back(staffRoles[pick]);
        staffRoles.erase(staffRoles.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    for (uint8_t role : roles) {
        const uint8_t nation = random_.Chance(90) ? country : RandomCountry();
        CPlayer* person = NewPerson(role, nation, styleOf(nation));
        if (person == nullptr) {
            return;
        }
        BuildOfficial(*person, role);
        BuildCareer(*person, country);
        club.AddPlayer(person->Id());
    }
}

void SampleWorldBuilder::BuildAdditionalManagers(CountryWork& work) {
    const uint8_t country = static_cast<uint8_t>(work.country->Number());
    const int managers = random_.Range(2, options_.scale == SampleScale::kFull ? 8 : 4);
    for (int i = 0; i < managers; ++i) {
        CPlayer* person = NewPerson(CPlayer::kRoleManager, country, work.style);
        if (person == nullptr) {
            return;
        }
        BuildOfficial(*person, CPlayer::kRoleManager);
        BuildCareer(*person, country);
        work.country->AdditionalManagers().insert(person->Id());
    }
}

void SampleWorldBuilder::BuildPlayersWithoutClub() {
    const int count = options_.scale == SampleScale::kFull ? 600 : 12;
    for (int i = 0; i < count; ++i) {
        const uint8_t nation = RandomCountry();
        const CountryWork& home = work_[nation];
        const NameStyle style = home.entry != nullptr ? home.entry->style : NameStyle::kWorld;
        CPlayer* player = NewPerson(CPlayer::kRolePlayer, nation, style);
        if (player == nullptr) {
            return;
        }
        const uint8_t position =
            i % 8 == 0 ? static_cast<uint8_t>(CPlayer::kGK)
                       : kSquadPositions[static_cast<size_t>(i) % std::size(kSquadPositions)];
        BuildPlayer(*player, random_.Range(2, 7), position, false);
        BuildCareer(*player, nation);
        world_.PlayersWithoutClub().push_back(player->Id());
    }
}

} // namespace tallo::sample
