#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CKLFile;
class IPlayerWorld;

// The players without a club: a list of player IDs (the records live in the world's player
// registry), stored in "Without.sav" of the database folder as section WITHOUT holding the
// number of players and one PLAYER section per player. The IDs are not stored: the players get
// new IDs at every load.
class PlayerWithoutClubList {
public:
    static constexpr const char* kSection = "WITHOUT";
    static constexpr const char* kFileName = "Without.sav";

    const std::vector<uint32_t>& Ids() const { return ids_; }
    size_t Count() const { return ids_.size(); }
    bool Contains(uint32_t playerId) const;
    // Appends an ID (an ID already listed is not added twice); false for 0 or a duplicate.
    bool Add(uint32_t playerId);
    // Removes an ID; false when it was not listed.
    bool Remove(uint32_t playerId);
    void Clear() { ids_.clear(); }

    // Writes the WITHOUT section: the number of listed players that exist in the world, then
    // their PLAYER sections (IDs whose player is gone are left out, so the count always
    // matches the sections that follow).
    bool Write(CKLFile& file, IPlayerWorld& world) const;
    // Reads the WITHOUT section and appends its players, each created in the world with a new
    // ID. Stops at the first missing PLAYER section (a truncated file or a count that is too
    // large adds no empty players). False when the section is absent.
    bool Read(CKLFile& file, IPlayerWorld& world);

    // "<folder>/Without.sav". Save replaces the file only when everything could be written;
    // both return true on success.
    bool Save(const std::string& folder, IPlayerWorld& world) const;
    bool Load(const std::string& folder, IPlayerWorld& world);

private:
    std::vector<uint32_t> ids_;
};

}  // namespace tallo
