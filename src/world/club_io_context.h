#pragma once

#include <cstdint>
#include <string_view>

namespace tallo {

class CPlayer;

// What a club needs from its world and its country while it is saved, loaded, checked or
// copied. The world (or an adapter for one country of it) implements this, so that the club
// does not depend on the world and country classes.
class ClubIoContext {
public:
    virtual ~ClubIoContext() = default;

    // Player registry ------------------------------------------------------------------------

    // The registered player with this ID, or none.
    virtual CPlayer* FindPlayer(uint32_t id) = 0;
    // Creates a player with registration: it keeps `fileId` unless that is 0 or taken, in which
    // case it gets the next free ID (the pair is recorded in the world's load translation).
    // None when no player can be made.
    virtual CPlayer* CreatePlayer(uint32_t fileId) = 0;
    // Takes a player that was created for a club section but is not kept (its section was
    // missing, or the club already lists the most players it may) out of the registry again
    // and releases it.
    virtual void DiscardPlayer(uint32_t id) = 0;

    // Saving ---------------------------------------------------------------------------------

    // A club reference as the file stores it (club renumbering of the referenced club's
    // country): a national team reference unchanged, a club no longer present 0.
    virtual uint32_t TranslateClubReference(uint32_t reference) = 0;
    // The position of a stadium key of the club's country as the file stores it: the number of
    // stadium keys from 1 to `key` that are present; 0 for a key below 1.
    virtual int32_t StadiumPosition(uint32_t key) = 0;

    // Loading --------------------------------------------------------------------------------

    // The language slot (0 to 4) the user interface shows.
    virtual int CurrentLanguageSlot() { return 0; }
    // The team colour table entry for a club name; false when the table has none (or there
    // is no table). Only needed for files of major 0x2004 with a minor below 6.
    virtual bool FindTeamColour(std::string_view /*clubName*/, uint16_t& /*entry*/) {
        return false;
    }
};

} // namespace tallo
