#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tallo {

class CPlayer;

// What a player record needs from the world that owns it: the player registry, the clubs its
// references lead to, the countries' languages, and the face and ID tables that old files are
// matched against. `CWorld` implements it; tests use a small fake.
//
// Club references are club IDs: the country number in bits 16-23, the club number in bits 0-15
// (65535 for the national team), bit 24 set when the reference means the club's second team.
class IPlayerWorld {
public:
    virtual ~IPlayerWorld() = default;

    // Player registry ---------------------------------------------------------------------

    // Number of players in the registry (new records are named "First <count+1>").
    virtual size_t PlayerCount() const = 0;
    virtual CPlayer* FindPlayer(uint32_t playerId) = 0;
    // Creates a player. With registration, an ID of 0 or one already taken is replaced by the
    // next free ID (and the pair is remembered for the load); the player is entered in the
    // registry either way. Returns the player, or nullptr when it could not be created.
    virtual CPlayer* CreatePlayer(uint32_t playerId, bool registerId) = 0;

    // A player this world made was read from a file that names him not (first name, surname
    // or both): he keeps the default names a new player gets. A world that makes the players
    // of a file without names (their files name nearly all of them) gives them here; by
    // default the construction gave them.
    virtual void GiveDefaultNames(CPlayer& player, bool firstName, bool surname) {
        (void)player;
        (void)firstName;
        (void)surname;
    }

    // Countries and clubs -----------------------------------------------------------------

    // The first language of a country (index into the language list), negative when the
    // country has none or the number is not a country (1-206).
    virtual int CountryFirstLanguage(uint32_t country) const = 0;
    // Whether a club reference leads to an existing club (bit 24 is ignored). Must be safe
    // for any value, including country bytes outside 1-206.
    virtual bool ClubExists(uint32_t reference) const = 0;
    // The reference as it is written into a file while the clubs are renumbered for a save
    // (0 when the club is gone; national-team references unchanged).
    virtual uint32_t TranslateClubReference(uint32_t reference) const = 0;
    // Whether a reference leads into a country whose file could not be read: its clubs are
    // unknown rather than gone, so the reference is kept as it stands.
    virtual bool IsClubUnknown(uint32_t reference) const {
        (void)reference;
        return false;
    }

    // Tables of the installation (neutral defaults where the tables are not loaded) -------

    // Whether a special face number is an entry of the special face table.
    virtual bool IsSpecialFace(uint16_t face) const {
        (void)face;
        return true;
    }
    // The special face whose name equals `name` regardless of case; 0 when none.
    virtual uint16_t FindSpecialFace(std::string_view name) const {
        (void)name;
        return 0;
    }
    // The player's ID in the other game's database, looked up by name; std::nullopt when no
    // mapping is available (the stored ID is then kept).
    virtual std::optional<uint32_t> LookUpMappedId(const CPlayer& player) const {
        (void)player;
        return std::nullopt;
    }
    // A random whole number from 0 to `bound` - 1 (0 when `bound` is below 1). Used for the
    // values derived for files of old versions.
    virtual int RandomBelow(int bound);
};

// A random whole number from 0 to `bound` - 1 from an engine of the calling thread (0 when
// `bound` is below 1); what IPlayerWorld::RandomBelow gives unless a world overrides it.
int DefaultRandomBelow(int bound);

} // namespace tallo
