#include "app/country_parts_copy.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/player.h"
#include "world/player_copy.h"
#include "world/world.h"

namespace tallo {

namespace {

template <class T, size_t N> void CopyArray(T (&to)[N], const T (&from)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

void ReleasePlayers(CWorld* world, CClub& club) {
    if (world != nullptr) {
        for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
            world->RemovePlayer(club.PlayerId(i));
        }
    }
    club.ClearPlayers();
}

// The settings of `target` with the selected groups taken from `source`.
CountrySettings MergedSettings(const CountrySettings& target, const CountrySettings& source,
                               uint32_t mask) {
    CountrySettings result = (mask & kCountryCopyGeneral) ? source : target;

    const CountrySettings& young = (mask & kCountryCopyYoungPlayers) ? source : target;
    result.generateNames = young.generateNames;
    result.generatedPlayerRating = young.generatedPlayerRating;
    result.allowedSkinColours = young.allowedSkinColours;
    result.allowedHairColours = young.allowedHairColours;
    result.allowedHairStyles = young.allowedHairStyles;
    result.allowedFacialHair = young.allowedFacialHair;
    result.allowedFaceTypes = young.allowedFaceTypes;
    result.averageHeight = young.averageHeight;
    result.averageWeight = young.averageWeight;

    result.referees = ((mask & kCountryCopyReferees) ? source : target).referees;

    const CountrySettings& stadiums = (mask & kCountryCopyStadiums) ? source : target;
    result.stadiums = stadiums.stadiums;
    result.nationalStadium = stadiums.nationalStadium;

    const CountrySettings& managers = (mask & kCountryCopyManagers) ? source : target;
    result.staff = managers.staff;
    result.nationalCoach = managers.nationalCoach;

    // The league levels and cups belong with the competition tree, which goes with the clubs.
    const CountrySettings& leagues = (mask & kCountryCopyClubs) ? source : target;
    result.leagueCount = leagues.leagueCount;
    CopyArray(result.firstLeagueIndex, leagues.firstLeagueIndex);
    CopyArray(result.endLeagueIndex, leagues.endLeagueIndex);
    CopyArray(result.leagueValuesP, leagues.leagueValuesP);
    CopyArray(result.leagueValuesQ, leagues.leagueValuesQ);
    CopyArray(result.relegationRules, leagues.relegationRules);
    result.firstReserveLevel = leagues.firstReserveLevel;
    result.nationalCupMode = leagues.nationalCupMode;
    result.leagueCupMode = leagues.leagueCupMode;
    result.superCupMode = leagues.superCupMode;

    // Fixed by the country list for the country's number.
    result.continent = target.continent;
    result.mainLanguage = target.mainLanguage;
    result.worldValueG = target.worldValueG;
    return result;
}

void CopyAdditionalManagers(CCountry& target, const CCountry& source) {
    CWorld* world = target.World();
    if (world == nullptr) {
        return;
    }
    for (uint32_t id : target.AdditionalManagers()) {
        world->RemovePlayer(id);
    }
    target.AdditionalManagers().clear();
    for (uint32_t id : source.AdditionalManagers()) {
        if (uint32_t copied = CopyPlayerInto(*world, source.World(), id)) {
            target.AdditionalManagers().insert(copied);
        }
    }
}

void CopyClubs(CCountry& target, CCountry& source) {
    CWorld* world = target.World();
    std::vector<uint32_t> ids;
    for (const auto& [id, club] : target.Clubs()) {
        ids.push_back(id);
    }
    for (uint32_t id : ids) {
        CClub* club = target.FindClub(id);
        ReleasePlayers(world, *club);
        if (!club->IsNationalTeam()) {
            target.RemoveClub(id);
        }
    }
    CountryClubContext sourceContext(source);
    CountryClubContext targetContext(target);
    for (const auto& [id, club] : source.Clubs()) {
        if (club->IsNationalTeam()) {
            if (CClub* national = target.EnsureNationalTeam()) {
                national->CopyPartsFrom(*club, CClub::kCopyAll, sourceContext, targetContext);
            }
            continue;
        }
        target.AddClub(CopyClubWithPlayers(*club, world, source.World()), ClubId::NumberOf(id));
    }
    target.SetCompetitions(
        source.Competitions() != nullptr ? source.Competitions()->CloneFor(target) : nullptr);
    target.RecomputeDetailTotal();
}

} // namespace

void CopyCountryParts(CCountry& target, CCountry& source, uint32_t mask) {
    if (&target == &source) {
        return;
    }
    mask &= kCountryCopyAll;
    if (mask == kCountryCopyAll) {
        const uint32_t continent = target.continent;
        const uint8_t mainLanguage = target.mainLanguage;
        const uint8_t worldValueG = target.worldValueG;
        target.CopyFrom(source);
        target.continent = continent;
        target.mainLanguage = mainLanguage;
        target.worldValueG = worldValueG;
        return;
    }
    static_cast<CountrySettings&>(target) = MergedSettings(target, source, mask);
    if (mask & kCountryCopyGeneral) {
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            target.SetName(slot, source.Name(slot));
            target.SetAbbreviation(slot, source.Abbreviation(slot));
        }
    }
    if (mask & kCountryCopyYoungPlayers) {
        target.PlayerPool() = source.PlayerPool();
    }
    if (mask & kCountryCopyManagers) {
        CopyAdditionalManagers(target, source);
    }
    if (mask & kCountryCopyClubs) {
        CopyClubs(target, source);
    }
}

} // namespace tallo
