#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "world/country_competition_tree.h"
#include "world/country_settings.h"
#include "world/fixed_text.h"
#include "world/player_pool_entry.h"

namespace tallo {

class CClub;
class CKLFile;
class CPlayer;
class CWorld;
class ClubIoContext;
class IPlayerWorld;

// Club identifiers: (country number << 16) | club number, bit 24 cleared. In a club reference
// bit 24 set means the club's second team. The national team of every country has number
// 65535.
namespace ClubId {
constexpr uint32_t kSecondTeamBit = 0x01000000u;
constexpr uint32_t kIdMask = 0xFEFFFFFFu;
constexpr uint32_t kNumberMask = 0xFFFFu;
constexpr uint16_t kNationalTeamNumber = 0xFFFF;
// Club numbers an ordinary club can have (1 to 65534).
constexpr uint32_t kMaxClubNumber = 0xFFFE;

constexpr uint32_t Make(uint32_t country, uint32_t number) {
    return ((country << 16) | (number & kNumberMask)) & kIdMask;
}
constexpr uint32_t CountryOf(uint32_t reference) {
    return (reference >> 16) & 0xFF;
}
constexpr uint32_t NumberOf(uint32_t reference) {
    return reference & kNumberMask;
}
constexpr bool IsSecondTeam(uint32_t reference) {
    return (reference & kSecondTeamBit) != 0;
}
constexpr bool IsNationalTeam(uint32_t reference) {
    return NumberOf(reference) == kNationalTeamNumber;
}
} // namespace ClubId

// One country of the world: its names and settings, clubs (the national team among them),
// competition tree, referees, sponsors, staff, stadiums, national coach, player pool and
// additional manager candidates. Stored as section COUNTRY in "Country<n>.sav".
//
// The plain settings are the public members of CountrySettings; what has rules to keep (names,
// clubs, lists, the tree) goes through member functions.
class CCountry : public CountrySettings {
public:
    static constexpr int kLanguageSlots = 5;
    static constexpr int kPoolEntriesPerClub = 22;
    // Most pool entries a country keeps; a larger count in a file is not believed.
    static constexpr size_t kMaxPlayerPool = 65535;
    static constexpr uint8_t kMaxGeneratedPlayerRating = 26;
    static constexpr uint8_t kYellowCardSchedules = 6;
    // Club count from which the COMPETITIONPART section is written (national team not counted).
    static constexpr size_t kCompetitionPartClubs = 8;
    static constexpr size_t kCompleteClubs = 10; // national team counted
    static constexpr int32_t kCompleteTopLeagueTeams = 10;

    // Name of the country's section in its file.
    static constexpr std::string_view kSection = "COUNTRY";

    CCountry(CWorld* world, uint32_t number);
    ~CCountry();
    CCountry(const CCountry&) = delete;
    CCountry& operator=(const CCountry&) = delete;

    CWorld* World() const { return world_; }
    uint32_t Number() const { return number_; }

    // Names ------------------------------------------------------------------------------------
    // Slots outside 0-4 give an empty text and are not set.
    std::string_view Name(int slot) const;
    void SetName(int slot, std::string_view text);
    std::string_view Abbreviation(int slot) const; // at most 3 characters
    void SetAbbreviation(int slot, std::string_view text);
    std::string_view AssociationName() const { return FixedText(associationName); }
    void SetAssociationName(std::string_view text) { SetFixedText(associationName, text); }

    // Clubs ------------------------------------------------------------------------------------

    using ClubMap = std::map<uint32_t, std::unique_ptr<CClub>>;

    // Gives the club its world and the ID of `number` in this country and stores it. Fails
    // (the club is dropped) when a club of that ID exists already.
    bool AddClub(std::unique_ptr<CClub> club, uint32_t number);
    // A new club with all five names set to `name` and the smallest free club number; nullptr
    // when all numbers 1-65534 are taken.
    CClub* CreateClub(std::string_view name);
    // Takes the club out of the country and returns it (nullptr when absent). The national
    // team cannot be removed.
    std::unique_ptr<CClub> RemoveClub(uint32_t id);
    // Club by ID or reference (bit 24 cleared first), or nullptr.
    CClub* FindClub(uint32_t reference);
    const CClub* FindClub(uint32_t reference) const;
    CClub* NationalTeam() { return FindClub(ClubId::Make(number_, ClubId::kNationalTeamNumber)); }
    // The n-th club in ascending ID order (national team last), or nullptr.
    CClub* GetClubByPosition(size_t position);
    size_t GetClubCount() const { return clubs_.size(); } // national team included
    // Clubs besides the national team.
    size_t GetOrdinaryClubCount() const;
    const ClubMap& Clubs() const { return clubs_; }
    // The club's name in the current language slot, for a second-team reference as
    // "<name> (A)"; empty when the club does not exist.
    std::string GetReferenceName(uint32_t reference) const;
    // Creates the national team when there is none: names and short names from the
    // country's names and abbreviations.
    CClub* EnsureNationalTeam();

    // Club numbering used while saving ----------------------------------------------------

    // Numbers the clubs 1, 2, ... in ascending ID order, the national team left out.
    void BuildClubRenumbering();
    void ClearClubRenumbering() { renumbering_.clear(); }
    // The new number of a club of this country; 0 when the club is not in the numbering.
    uint16_t RenumberedClub(uint32_t id) const;
    // A stored club reference as the file of the save in progress writes it (the country that
    // owns the referenced club is asked): national team references unchanged, clubs that are
    // gone 0, others with their new number; bit 24 kept.
    uint32_t TranslateClubReference(uint32_t reference) const;

    // Stadiums ---------------------------------------------------------------------------------
    // A stadium key as written into a file: its place among the stadiums in key order, 0 for a
    // key below 1.
    uint32_t StadiumPosition(uint32_t key) const { return stadiums.Position(key); }

    // Player pool --------------------------------------------------------------------------
    // Grows the pool to `count` entries (at most kMaxPlayerPool); new entries are zero but
    // carry the country number as nationality.
    void ReservePlayerPool(size_t count);
    std::vector<PlayerPoolEntry>& PlayerPool() { return playerPool_; }
    const std::vector<PlayerPoolEntry>& PlayerPool() const { return playerPool_; }
    size_t PlayerPoolInUse() const;

    // Additional managers: player IDs in ascending order; the players are in the world's
    // registry.
    std::set<uint32_t>& AdditionalManagers() { return additionalManagers_; }
    const std::set<uint32_t>& AdditionalManagers() const { return additionalManagers_; }

    // Competition tree ---------------------------------------------------------------------
    CountryCompetitionTree* Competitions() { return competitions_.get(); }
    const CountryCompetitionTree* Competitions() const { return competitions_.get(); }
    void SetCompetitions(std::unique_ptr<CountryCompetitionTree> tree);
    // A fresh tree from the installed factory (none when no factory is installed).
    void CreateCompetitionTree(bool withDefaultCompetitions);

    // Totals and checks ----------------------------------------------------------------------

    uint32_t DetailTotal() const { return detailTotal_; }
    // Recomputes the detail total of every club from its players and sums them.
    void RecomputeDetailTotal();
    // At least 10 clubs counting the national team, a top league of at least 10 teams, no club
    // with a completeness fault and no competition with a fault.
    bool IsComplete() const;

    // Files ------------------------------------------------------------------------------------

    // Writes the COUNTRY section into a file open for writing.
    bool Save(CKLFile& file) const;
    // Reads the COUNTRY section; what the section holds replaces what the country held.
    // False when the section is absent (nothing is changed then).
    bool Load(CKLFile& file);
    // Runs the post-load check of every club.
    void PostLoadCheckClubs();

    // Makes this country a copy of a country of another world: names, settings, lists,
    // clubs, the competition tree and the players (which get IDs free in this world).
    void CopyFrom(const CCountry& other);

private:
    friend class CWorld;

    // Everything a country file fills, cleared before one is read. The national team stays.
    void ClearFileContents();
    // Removes the players of a club (or of the additional managers) from the world.
    void ReleaseClubPlayers(const CClub& club);

    // Parts of the country file.
    bool SaveCompetitionPart(CKLFile& file) const;
    bool SaveCompetitions(CKLFile& file) const;
    bool SaveClubs(CKLFile& file) const;
    bool SaveAdditionalManagers(CKLFile& file) const;
    bool SavePlayerPool(CKLFile& file) const;
    bool SaveMisc(CKLFile& file) const;
    void LoadClubs(CKLFile& file);
    void LoadAdditionalManagers(CKLFile& file);
    void LoadPlayerPool(CKLFile& file);
    void LoadMisc(CKLFile& file);
    // Brings the settings and the small records read from a file into their ranges (values
    // that pick an entry of a list or a country would otherwise index past it).
    void ClampSettings();
    void ClampRecords();
    void ConvertOldLooks();

    // The check after a world load in two parts. The first runs right after Load, on the
    // thread that read the file, while the records are fresh: the detail totals of the values
    // as read, each club's own values and the ranges of the persons of the club lists and of
    // the additional managers (found through `context`). Their references to clubs of this
    // country are settled at once (the country was read: its clubs are known, and the world
    // has no others of it); those to the rest of the world (other countries' clubs, special
    // faces, related players) are noted, and so are the IDs of the clubs. The second, once
    // every country is read, checks what was noted against `world`; the noted players must
    // not move or go, and no club come or go, in between. Together they give what
    // RecomputeDetailTotal, PostLoadCheckClubs and the managers' PostLoadCheck give.
    void CheckOwnValuesAfterLoad(ClubIoContext& context);
    void CheckNotedReferences(IPlayerWorld& world);
    // Whether the first part ran since the last ForgetNotedReferences; the club IDs it noted
    // (LoadedClubIds) stay until then.
    bool OwnValuesChecked() const { return ownValuesChecked_; }
    const std::vector<uint32_t>& LoadedClubIds() const { return loadedClubIds_; }
    void ForgetNotedReferences();
    // BuildClubRenumbering from the club IDs noted by CheckOwnValuesAfterLoad, which must be
    // those the country still has.
    void BuildClubRenumberingFromLoad();

    CWorld* world_;
    std::string names_[kLanguageSlots];
    char abbreviations_[kLanguageSlots][4] = {};
    uint32_t number_;
    ClubMap clubs_;
    // Club ID to its number in the file being written, in ascending ID order.
    std::vector<std::pair<uint32_t, uint16_t>> renumbering_;
    std::vector<PlayerPoolEntry> playerPool_;
    std::set<uint32_t> additionalManagers_;
    std::unique_ptr<CountryCompetitionTree> competitions_;
    uint32_t detailTotal_ = 0;

    // A reference noted by CheckOwnValuesAfterLoad (which: a CPlayer::WorldReference).
    struct NotedReference {
        CPlayer* player;
        uint32_t value;
        uint8_t which;
    };
    std::vector<NotedReference> notedReferences_;
    std::vector<uint32_t> loadedClubIds_; // ascending, the national team's too
    bool ownValuesChecked_ = false;
};

// Converts a value through a conversion table: rows of (value in files of major 0, of major
// 0x2003, current value), ended by a row holding 255 in the searched column. The first row
// whose `from` column equals `value` gives its `to` column; 0 when none does.
uint8_t ConvertByTable(const uint8_t (*rows)[3], int from, int to, uint8_t value);
// The relegation rule of a file of major 0 in today's numbering.
uint8_t ConvertOldRelegationRule(uint8_t rule);
// Remaps the look bit sets of files of major 0x2004 before minor 7.
uint32_t RemapOldFaceTypes(uint32_t faceTypes);
uint32_t RemapOldFacialHair(uint32_t facialHair);

} // namespace tallo
