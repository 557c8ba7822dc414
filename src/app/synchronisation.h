#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tallo {

class CClub;
class CCountry;
class CWorld;
class DatabaseList;
class IPrompt;

// One item of the synchronisation trees: a continent, a country or a club of an open database.
struct SyncItem {
    static constexpr uint16_t kNone16 = 0xFFFF;
    static constexpr uint32_t kNoClub = 0xFFFFFFFFu;

    uint32_t database = 0;        // position in the database list
    uint16_t continent = kNone16; // 0 to 5
    uint16_t country = kNone16;   // country number
    uint32_t club = kNoClub;      // club ID

    // 0 none, 1 continent, 2 country, 3 club.
    int Level() const;
    bool operator==(const SyncItem& other) const = default;

    static SyncItem Continent(uint32_t database, uint16_t continent);
    static SyncItem Country(uint32_t database, uint16_t continent, uint16_t country);
    static SyncItem Club(uint32_t database, uint16_t continent, uint16_t country, uint32_t club);
};

// What a drop did.
struct SyncOutcome {
    enum class Kind {
        Nothing,         // the item was dropped onto itself, or an item was not found
        Refused,         // a message said why not (MessageId)
        Declined,        // the user cancelled the parts dialog
        CopiedContinent, // every country of the continent was copied (Count of them)
        CopiedCountry,
        CopiedClub, // onto an existing club (ClubId its ID)
        AddedClub,  // a new club in the target country (ClubId its ID)
    };
    Kind kind = Kind::Nothing;
    int messageId = 0;
    int count = 0;
    uint32_t clubId = 0;
};

// The synchronisation of two open databases, without its window: dropping an item of one tree
// onto an item of the other copies continents, countries and clubs between the databases.
//
//   - an item onto itself: nothing;
//   - a club onto a country: onto the country's club of exactly that name (the club-onto-club
//     rule), or else as a new club of that country with every part copied;
//   - items of different levels otherwise: message 846;
//   - a continent onto another continent: message 847; onto the same continent: the country
//     parts chosen, then every country 1-206 of that continent copied;
//   - a country onto a country: the parts chosen, then the copy;
//   - a club onto a club: the parts chosen, then the copy.
//
// The chosen parts are remembered for the next drop (both masks start with every part).
class Synchronisation {
public:
    // "Only like items can be synchronised ..." and "Different continents cannot be ...".
    static constexpr int kLikeItemsMessage = 846;
    static constexpr int kContinentsMessage = 847;

    // The parts dialogs: given the remembered mask, the mask chosen, or nullopt on cancel.
    using MaskChooser = std::function<std::optional<uint32_t>(uint32_t mask)>;

    // `languageSlot` is the slot whose club names are compared when a club is dropped onto a
    // country (the names the trees show).
    Synchronisation(DatabaseList& databases, IPrompt& prompt, std::string caption,
                    MaskChooser chooseCountryParts, MaskChooser chooseClubParts,
                    int languageSlot = 0);

    SyncOutcome Drop(const SyncItem& source, const SyncItem& target);

    uint32_t CountryMask() const { return countryMask_; }
    uint32_t ClubMask() const { return clubMask_; }

private:
    SyncOutcome Refuse(int messageId);
    SyncOutcome DropClubOntoCountry(CWorld& sourceWorld, const SyncItem& source,
                                    CWorld& targetWorld, const SyncItem& target);
    SyncOutcome CopyClub(CCountry& sourceCountry, CClub& source, CCountry& targetCountry,
                         CClub& target);
    SyncOutcome CopyContinent(CWorld& sourceWorld, CWorld& targetWorld, uint16_t continent);
    SyncOutcome CopyCountry(CWorld& sourceWorld, uint16_t sourceNumber, CWorld& targetWorld,
                            uint16_t targetNumber);

    DatabaseList& databases_;
    IPrompt& prompt_;
    std::string caption_;
    MaskChooser chooseCountryParts_;
    MaskChooser chooseClubParts_;
    int languageSlot_;
    uint32_t countryMask_;
    uint32_t clubMask_;
};

} // namespace tallo
