#include "app/synchronisation.h"

#include <utility>

#include "app/country_parts_copy.h"
#include "app/database_list.h"
#include "formats/string_table.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/world.h"

namespace tallo {

namespace {

// A country of the world by a tree item's number; nullptr outside 1-206.
CCountry* CountryOf(CWorld& world, uint16_t number) {
    if (number < 1 || number > CWorld::kCountryCount) {
        return nullptr;
    }
    return world.GetCountry(number);
}

} // namespace

int SyncItem::Level() const {
    if (continent == kNone16) {
        return 0;
    }
    if (country == kNone16) {
        return 1;
    }
    return club == kNoClub ? 2 : 3;
}

SyncItem SyncItem::Continent(uint32_t database, uint16_t continent) {
    SyncItem item;
    item.database = database;
    item.continent = continent;
    return item;
}

SyncItem SyncItem::Country(uint32_t database, uint16_t continent, uint16_t country) {
    SyncItem item = Continent(database, continent);
    item.country = country;
    return item;
}

SyncItem SyncItem::Club(uint32_t database, uint16_t continent, uint16_t country, uint32_t club) {
    SyncItem item = Country(database, continent, country);
    item.club = club;
    return item;
}

Synchronisation::Synchronisation(DatabaseList& databases, IPrompt& prompt, std::string caption,
                                 MaskChooser chooseCountryParts, MaskChooser chooseClubParts,
                                 int languageSlot)
    : databases_(databases), prompt_(prompt), caption_(std::move(caption)),
      chooseCountryParts_(std::move(chooseCountryParts)),
      chooseClubParts_(std::move(chooseClubParts)), languageSlot_(languageSlot),
      countryMask_(kCountryCopyAll), clubMask_(CClub::kCopyAll) {}

SyncOutcome Synchronisation::Refuse(int messageId) {
    prompt_.ShowMessage(LoadString(messageId), caption_);
    SyncOutcome outcome;
    outcome.kind = SyncOutcome::Kind::Refused;
    outcome.messageId = messageId;
    return outcome;
}

SyncOutcome Synchronisation::Drop(const SyncItem& source, const SyncItem& target) {
    if (source == target) {
        return {};
    }
    CWorld* sourceWorld = databases_.GetDatabase(source.database);
    CWorld* targetWorld = databases_.GetDatabase(target.database);
    if (sourceWorld == nullptr || targetWorld == nullptr) {
        return {};
    }
    const int level = source.Level();
    if (level == 3 && target.Level() == 2) {
        return DropClubOntoCountry(*sourceWorld, source, *targetWorld, target);
    }
    if (level != target.Level()) {
        return Refuse(kLikeItemsMessage);
    }
    switch (level) {
    case 1:
        if (source.continent != target.continent) {
            return Refuse(kContinentsMessage);
        }
        return CopyContinent(*sourceWorld, *targetWorld, target.continent);
    case 2:
        return CopyCountry(*sourceWorld, source.country, *targetWorld, target.country);
    case 3: {
        CCountry* sourceCountry = CountryOf(*sourceWorld, source.country);
        CCountry* targetCountry = CountryOf(*targetWorld, target.country);
        if (sourceCountry == nullptr || targetCountry == nullptr) {
            return {};
        }
        CClub* sourceClub = sourceCountry->FindClub(source.club);
        CClub* targetClub = targetCountry->FindClub(target.club);
        if (sourceClub == nullptr || targetClub == nullptr) {
            return {};
        }
        return CopyClub(*sourceCountry, *sourceClub, *targetCountry, *targetClub);
    }
    default:
        return {};
    }
}

SyncOutcome Synchronisation::DropClubOntoCountry(CWorld& sourceWorld, const SyncItem& source,
                                                 CWorld& targetWorld, const SyncItem& target) {
    CCountry* sourceCountry = CountryOf(sourceWorld, source.country);
    CCountry* targetCountry = CountryOf(targetWorld, target.country);
    if (sourceCountry == nullptr || targetCountry == nullptr) {
        return {};
    }
    CClub* sourceClub = sourceCountry->FindClub(source.club);
    if (sourceClub == nullptr || sourceClub->IsNationalTeam()) {
        return {}; // national teams are not in the trees
    }
    // A club of exactly that name takes the copy; the national team is never one of them.
    const std::string name(sourceClub->Name(languageSlot_));
    for (const auto& [id, club] : targetCountry->Clubs()) {
        if (!club->IsNationalTeam() && club->Name(languageSlot_) == name) {
            if (club.get() == sourceClub) {
                return {}; // the club was dropped into its own country
            }
            return CopyClub(*sourceCountry, *sourceClub, *targetCountry, *club);
        }
    }
    CClub* added = targetCountry->CreateClub(name);
    if (added == nullptr) {
        return {}; // every club number is taken
    }
    CountryClubContext sourceContext(*sourceCountry);
    CountryClubContext targetContext(*targetCountry);
    added->CopyPartsFrom(*sourceClub, CClub::kCopyAll, sourceContext, targetContext);
    SyncOutcome outcome;
    outcome.kind = SyncOutcome::Kind::AddedClub;
    outcome.clubId = added->Id();
    outcome.count = 1;
    return outcome;
}

SyncOutcome Synchronisation::CopyClub(CCountry& sourceCountry, CClub& source,
                                      CCountry& targetCountry, CClub& target) {
    if (&source == &target) {
        return {};
    }
    std::optional<uint32_t> mask = chooseClubParts_ ? chooseClubParts_(clubMask_) : clubMask_;
    if (!mask) {
        SyncOutcome outcome;
        outcome.kind = SyncOutcome::Kind::Declined;
        return outcome;
    }
    clubMask_ = *mask;
    CountryClubContext sourceContext(sourceCountry);
    CountryClubContext targetContext(targetCountry);
    target.CopyPartsFrom(source, clubMask_, sourceContext, targetContext);
    SyncOutcome outcome;
    outcome.kind = SyncOutcome::Kind::CopiedClub;
    outcome.clubId = target.Id();
    outcome.count = 1;
    return outcome;
}

SyncOutcome Synchronisation::CopyContinent(CWorld& sourceWorld, CWorld& targetWorld,
                                           uint16_t continent) {
    std::optional<uint32_t> mask =
        chooseCountryParts_ ? chooseCountryParts_(countryMask_) : countryMask_;
    if (!mask) {
        SyncOutcome outcome;
        outcome.kind = SyncOutcome::Kind::Declined;
        return outcome;
    }
    countryMask_ = *mask;
    SyncOutcome outcome;
    outcome.kind = SyncOutcome::Kind::CopiedContinent;
    // Every country of this continent, 1 to 206, and no other.
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* source = sourceWorld.GetCountry(number);
        CCountry* target = targetWorld.GetCountry(number);
        if (source == nullptr || target == nullptr || source->continent != continent) {
            continue;
        }
        CopyCountryParts(*target, *source, countryMask_);
        ++outcome.count;
    }
    return outcome;
}

SyncOutcome Synchronisation::CopyCountry(CWorld& sourceWorld, uint16_t sourceNumber,
                                         CWorld& targetWorld, uint16_t targetNumber) {
    CCountry* source = CountryOf(sourceWorld, sourceNumber);
    CCountry* target = CountryOf(targetWorld, targetNumber);
    if (source == nullptr || target == nullptr || source == target) {
        return {};
    }
    std::optional<uint32_t> mask =
        chooseCountryParts_ ? chooseCountryParts_(countryMask_) : countryMask_;
    if (!mask) {
        SyncOutcome outcome;
        outcome.kind = SyncOutcome::Kind::Declined;
        return outcome;
    }
    countryMask_ = *mask;
    CopyCountryParts(*target, *source, countryMask_);
    SyncOutcome outcome;
    outcome.kind = SyncOutcome::Kind::CopiedCountry;
    outcome.count = 1;
    return outcome;
}

} // namespace tallo
