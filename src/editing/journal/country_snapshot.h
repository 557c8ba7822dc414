#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tallo {

class CWorld;

// An exact copy of one country of a database: its names and settings, its clubs under their
// own club IDs (gaps in the numbering included), its competition tree, its player pool, its
// additional managers and every person its clubs and managers list, under their own player
// IDs. The copy lives in a world of its own and shares nothing with the database, so the
// database can change freely while the snapshot is kept.
//
// A person belongs to the country whose club (or manager list) lists him. Persons that no
// list holds (a club's former players after a club file replaced them) are not part of any
// snapshot; Restore takes out of the registry whatever holds one of the snapshot's IDs, so
// such leftovers cannot push a restored person onto another ID.
//
// Putting several parts of a database back (several countries, the players without a club)
// goes in two steps, so that a person who moved from one part to another is never released
// after he was made again: first ReleasePersons for every part, then Restore for every part.
class CountrySnapshot {
public:
    // Copies country `number` (1 to 206) of `world`; nullptr for another number.
    static std::unique_ptr<CountrySnapshot> Take(const CWorld& world, int number);
    ~CountrySnapshot();
    CountrySnapshot(const CountrySnapshot&) = delete;
    CountrySnapshot& operator=(const CountrySnapshot&) = delete;

    int Number() const { return number_; }
    // Player IDs of the persons kept, ascending.
    const std::vector<uint32_t>& PersonIds() const { return personIds_; }

    // Takes every person that country `number` of `world` lists (its clubs, the national team
    // and the additional managers) out of the registry and empties those lists.
    static void ReleasePersons(CWorld& world, int number);

    // Makes the country of that number in `world` exactly what it was when the snapshot was
    // taken: the clubs and nodes it holds now are released, and the kept ones come back under
    // their own IDs. The snapshot itself stays unchanged and can be restored again.
    void Restore(CWorld& world) const;

private:
    CountrySnapshot();

    std::unique_ptr<CWorld> holder_;
    int number_ = 0;
    std::vector<uint32_t> personIds_;
};

} // namespace tallo
