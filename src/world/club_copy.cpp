// Copying selected parts of one club onto another (the synchronisation of two databases).
#include "world/club.h"

#include <algorithm>
#include <vector>

#include "world/club_io_context.h"
#include "world/player.h"

namespace tallo {

namespace {

// Which person part (first team, second team, officials) a listed person belongs to.
uint32_t PersonPart(const CPlayer& person) {
    if (person.Role() != CPlayer::kRolePlayer) {
        return CClub::kCopyOfficials;
    }
    return person.IsReserve() ? CClub::kCopySecondTeam : CClub::kCopyFirstTeam;
}

} // namespace

void CClub::CopyPartsFrom(const CClub& source, uint32_t mask, ClubIoContext& sourceContext,
                          ClubIoContext& targetContext) {
    if (&source == this) {
        return;
    }
    // References to clubs and stadiums mean something only within the same country.
    const bool sameCountry = source.CountryNumber() == CountryNumber();

    if (mask & kCopyGeneral) {
        std::copy_n(&source.names_[0][0], sizeof(names_), &names_[0][0]);
        std::copy_n(&source.shortNames_[0][0], sizeof(shortNames_), &shortNames_[0][0]);
        std::copy_n(&source.articles_[0][0], sizeof(articles_), &articles_[0][0]);
        std::copy_n(source.abbreviationArticles_, kLanguageSlots, abbreviationArticles_);
        std::copy_n(&source.abbreviations_[0][0], sizeof(abbreviations_), &abbreviations_[0][0]);
        std::copy_n(&source.cities_[0][0], sizeof(cities_), &cities_[0][0]);
        std::copy_n(source.fanName_, sizeof(fanName_), fanName_);
        std::copy_n(source.secondFanName_, sizeof(secondFanName_), secondFanName_);
        std::copy_n(source.mascot_, sizeof(mascot_), mascot_);
        friendlyClub_ = sameCountry ? source.friendlyClub_ : 0;
        rivals_[0] = sameCountry ? source.rivals_[0] : 0;
        rivals_[1] = sameCountry ? source.rivals_[1] : 0;
        foundationYear_ = source.foundationYear_;
        prestige_ = source.prestige_;
        seasonFlags_ = source.seasonFlags_;
        clubValueA_ = source.clubValueA_;
        std::copy_n(source.clubValuesB_, 3, clubValuesB_);
    }
    if (mask & kCopyFinances) {
        startingCapital_ = source.startingCapital_;
        stockCompany_ = source.stockCompany_;
        penaltyPoints_ = source.penaltyPoints_;
    }
    if (mask & kCopyAddress) {
        std::copy_n(source.address_, sizeof(address_), address_);
        std::copy_n(source.telephone_, sizeof(telephone_), telephone_);
        std::copy_n(source.webSite_, sizeof(webSite_), webSite_);
        std::copy_n(source.fanSites_, sizeof(fanSites_), fanSites_);
        std::copy_n(source.newspaper_, sizeof(newspaper_), newspaper_);
    }
    if (mask & kCopyAttendance) {
        std::copy_n(source.attendance_, kAttendanceCount, attendance_);
    }
    if (mask & kCopyBadgeAndColours) {
        std::copy_n(source.badgeFile_, sizeof(badgeFile_), badgeFile_);
        colourEntry_ = source.colourEntry_;
    }
    if (mask & kCopyKit) {
        kit_ = source.kit_;
    }
    if (mask & kCopyStadium) {
        mainStadium_ = sameCountry ? source.mainStadium_ : 0;
        alternativeStadium_ = sameCountry ? source.alternativeStadium_ : 0;
    }
    if (mask & kCopyStadiumAddress) {
        latitude_ = source.latitude_;
        longitude_ = source.longitude_;
        cityPhoto_ = source.cityPhoto_;
    }
    if (mask & kCopySurroundings) {
        std::copy_n(source.facilities_, kFacilityCount, facilities_);
    }
    if (mask & kCopyTransfers) {
        std::copy_n(source.transferCountries_, 2, transferCountries_);
        youthCountry_ = source.youthCountry_;
    }
    if (mask & kCopyHistory) {
        std::copy_n(source.statistics_, kStatisticCount, statistics_);
        titles_ = source.titles_;
        records_ = source.records_;
    }

    const uint32_t personParts = mask & (kCopyFirstTeam | kCopySecondTeam | kCopyOfficials);
    if (personParts == 0) {
        return;
    }
    // The persons of the copied parts leave this club's list (they stay in the registry).
    std::vector<uint32_t> leaving;
    for (uint32_t i = 0; i < playerCount_; ++i) {
        const CPlayer* person = targetContext.FindPlayer(playerIds_[i]);
        if (person != nullptr && (PersonPart(*person) & personParts) != 0) {
            leaving.push_back(playerIds_[i]);
        }
    }
    for (uint32_t id : leaving) {
        RemovePlayer(id);
    }
    // Copies of the source's persons of those parts join as new players of this world.
    for (uint32_t i = 0; i < source.playerCount_; ++i) {
        const CPlayer* original = sourceContext.FindPlayer(source.playerIds_[i]);
        if (original == nullptr || (PersonPart(*original) & personParts) == 0) {
            continue;
        }
        if (playerCount_ >= kMaxPlayers) {
            break;
        }
        CPlayer* copy = targetContext.CreatePlayer(0);
        if (copy == nullptr) {
            break;
        }
        const uint32_t id = copy->Id();
        IPlayerWorld* world = copy->World();
        *copy = *original;
        copy->SetId(id);
        copy->SetWorld(world);
        if (!AddPlayer(id)) {
            targetContext.DiscardPlayer(id);
        }
    }
    RecomputeDetailTotal(targetContext);
}

} // namespace tallo
