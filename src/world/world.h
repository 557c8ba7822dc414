#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "world/load_finding.h"
#include "world/node_pool.h"
#include "world/player_world.h"
#include "world/rules_and_misc.h"

namespace tallo {

class CCountry;
class CDBCompetition;
class CKLFile;
class CPlayer;
class CClub;
class IPrompt;

// One file that a save could not write, and the system's reason.
struct SaveFailure {
    std::string file;
    std::string reason;
};

// What a SaveAll did besides writing: the files it could not write (then it wrote none), and
// the files it left alone because the load could not read them.
struct SaveOutcome {
    std::vector<SaveFailure> failed;
    std::vector<std::string> keptAsTheyWere;
};

// Look-ups in the tables of the installation that records of old files are matched against
// (the team colour table, the special faces, the ID mapping of the other game). The layers
// that load those tables install them; an empty function gives the neutral answer (no
// colour entry, every face known, no special face found, no mapping).
struct WorldLookups {
    std::function<bool(std::string_view clubName, uint16_t& entry)> teamColour;
    std::function<bool(uint16_t face)> isSpecialFace;
    std::function<uint16_t(std::string_view name)> findSpecialFace;
    std::function<std::optional<uint32_t>(const CPlayer& player)> mappedId;
};

// One loaded database: the 206 countries with their clubs, the world-wide player registry,
// the players without a club, the rules, the competition registry and the folder the
// database lives in.
//
// Countries are numbered 1 to 206; slot 0 exists but is never loaded or saved. Every player
// of the world (club players, players without a club and a country's additional managers)
// is owned by the registry under a world-wide ID; everything else refers to players by ID.
class CWorld : public IPlayerWorld {
public:
    static constexpr int kCountryCount = 206;
    static constexpr int kCountrySlots = kCountryCount + 1;
    static constexpr int kLanguageSlots = 5;
    // Message shown once when any file of a save could not be written.
    static constexpr int kSaveErrorString = 798;

    // Players by ID, in ascending ID order. The nodes come from the world's node pool;
    // iterators and pointers behave as those of any std::map.
    using PlayerRegistry =
        std::map<uint32_t, std::unique_ptr<CPlayer>, std::less<uint32_t>,
                 PoolAllocator<std::pair<const uint32_t, std::unique_ptr<CPlayer>>>>;

    CWorld();
    ~CWorld() override;
    CWorld(const CWorld&) = delete;
    CWorld& operator=(const CWorld&) = delete;

    // Countries -------------------------------------------------------------------------------

    // Creates the 207 countries afresh (everything held before, players included, is
    // released) and reads the country list from `path` (by default "database/countries.sav"
    // below the working folder). Every country gets its number, its national team and a fresh
    // competition tree with the default national cup, also when the file is missing.
    // Sets the loaded flag; returns whether the file could be read.
    // A file that exists but cannot be read, or that lacks the six lines of every country or
    // holds something else than a number where a number belongs, is refused: false, with
    // CountryListError() saying why, and the countries get only what a missing file gives.
    bool LoadCountryList(const std::string& path = "database/countries.sav");
    // Why the last LoadCountryList failed ("<path>: does not exist", "<path>:<line>: ..."),
    // empty after a successful one.
    const std::string& CountryListError() const { return countryListError_; }
    bool IsLoaded() const { return loaded_; }

    // Country by number; nullptr outside 0..206.
    CCountry* GetCountry(int number);
    const CCountry* GetCountry(int number) const;

    // Folders -------------------------------------------------------------------------------

    // Takes the database folder ("\" becomes "/", a trailing "/" is dropped; the database
    // list passes it already normalised) and derives the badge folder "<folder>/Badge".
    void SetDatabaseFolder(const std::string& folder);
    const std::string& DatabaseFolder() const { return databaseFolder_; }
    const std::string& BadgeFolder() const { return badgeFolder_; }

    // "<database folder>/Country<n>.sav", "<database folder>/Rules.sav", ".../Without.sav".
    std::string CountryFilePath(int number) const;
    std::string WithoutFilePath() const;

    // Loading and saving --------------------------------------------------------------------

    // Loads the database in `folder` into a world fresh from LoadCountryList: every
    // Country<n>.sav that opens (a missing one is passed over silently and its country keeps
    // what it had), then the post-load checks of every club, the club numbering, Rules.sav
    // and Without.sav. Returns false only when not a single country file could be read (an
    // empty folder name reads nothing).
    //
    // A file that exists but cannot be read is never taken for a missing one: its country is
    // marked unreadable (IsCountryUnreadable), keeps what it had, and gets a finding; so does
    // a file without a COUNTRY section. A file that ends early or holds fewer records than its
    // counts promise loads what it holds, and gets a finding with the line.
    bool LoadAll(const std::string& folder);

    // How many threads LoadAll reads the country files on: 0 (the default) takes the
    // environment variable TALLO_LOAD_THREADS when it holds a number, else every core; 1 reads
    // them one after the other on the calling thread. Either way the world comes out the same,
    // byte for byte when saved: IDs, their renumbering and the findings follow country order.
    void SetLoadThreads(int threads) { loadThreads_ = threads < 0 ? 0 : threads; }
    int LoadThreads() const { return loadThreads_; }

    // What the last LoadAll found wrong with the files it read (empty when all was well).
    const std::vector<LoadFinding>& LoadFindings() const { return loadFindings_; }
    bool HasLoadDamage() const { return !loadFindings_.empty(); }
    // Whether the last LoadAll could not read country `number`'s file at all. Its clubs are
    // unknown rather than gone: references to them are kept as they stand, and SaveAll leaves
    // the country's file as it is.
    bool IsCountryUnreadable(int number) const;

    // Writes every Country<n>.sav, then Rules.sav and Without.sav into the database folder,
    // all or nothing: every file goes to a temporary file first, and only when all of them are
    // written and flushed are they renamed into place. When any one fails, none replaces its
    // old file, message 798 is shown once through `prompt` (when given) followed by each file
    // and the system's reason, `outcome` lists them, and false is returned. Files that the
    // load could not read are not written over (they are listed in `outcome`). Without a
    // database folder nothing is written and the failure is reported the same way.
    bool SaveAll(IPrompt* prompt, SaveOutcome* outcome = nullptr);

    // Makes this world a copy of `other`: every country (clubs, players and all), the rules,
    // the players without a club and the user-interface selection. The folder is kept.
    void CopyFrom(const CWorld& other);

    // Players -------------------------------------------------------------------------------

    // Creates a player and enters it into the registry. With `registerPlayer` an ID of 0 or one
    // already taken is replaced by NextFreePlayerId(), and a replaced non-zero ID is recorded
    // in the load translation map. Without it the player keeps `id` exactly; an ID of 0 or
    // one already taken is then refused (nullptr), as the registry holds one player per ID.
    CPlayer* CreatePlayer(uint32_t id, bool registerPlayer) override;
    void GiveDefaultNames(CPlayer& player, bool firstName, bool surname) override;
    CPlayer* FindPlayer(uint32_t id) override;
    const CPlayer* FindPlayer(uint32_t id) const;
    // Removes and destroys the player; false when there is none with that ID.
    bool RemovePlayer(uint32_t id);
    // The first ID from (number of players + 1) upward that no player has.
    uint32_t NextFreePlayerId() const;
    size_t PlayerCount() const override { return players_.size(); }
    const PlayerRegistry& Players() const { return players_; }

    // IDs found in files that had to be replaced while loading: file ID to the ID given.
    // Cleared at the start of every LoadAll.
    const std::map<uint32_t, uint32_t>& LoadTranslation() const { return loadTranslation_; }
    void ClearLoadTranslation() { loadTranslation_.clear(); }

    // Players without a club (Without.sav), by player ID.
    std::vector<uint32_t>& PlayersWithoutClub() { return withoutClub_; }
    const std::vector<uint32_t>& PlayersWithoutClub() const { return withoutClub_; }
    bool IsWithoutClub(uint32_t id) const;
    // Lists a player without a club, once (an ID already listed stays where it is).
    void AddWithoutClub(uint32_t id);
    // Takes a player's ID out of that list; false when it was not listed.
    bool TakeOutOfWithoutClub(uint32_t id);
    // Writes "<folder>/Without.sav": section WITHOUT with the number of listed players that
    // exist and their PLAYER sections. True on success.
    bool SaveWithout() const;
    // Reads Without.sav, appending its players to the list; each gets a new ID. False when
    // the file does not open or holds no WITHOUT section.
    bool LoadWithout();

    // Clubs -----------------------------------------------------------------------------------

    // First language of a country (its first language slot); -1 for a number outside 1-206
    // or a country without one.
    int CountryFirstLanguage(uint32_t country) const override;
    // Whether a club reference leads to a club (bit 24 ignored); false for country bytes
    // outside 1-206.
    bool ClubExists(uint32_t reference) const override;

    // The club a club reference leads to (country in bits 16-23, bit 24 ignored), or nullptr.
    CClub* FindClub(uint32_t reference);
    const CClub* FindClub(uint32_t reference) const;
    // A stored club reference in the form the files of the save in progress use: the club's
    // new number in its country, 0 for a club that is gone; national team references stay.
    uint32_t TranslateClubReference(uint32_t reference) const override;
    bool IsClubUnknown(uint32_t reference) const override;
    // Builds (or clears) the club numbering of every country.
    void BuildClubRenumbering();
    void ClearClubRenumbering();

    // Sum of the detail totals of all countries.
    uint64_t DetailTotal() const;

    // Table look-ups -------------------------------------------------------------------------

    void SetLookups(WorldLookups lookups) { lookups_ = std::move(lookups); }
    const WorldLookups& Lookups() const { return lookups_; }
    bool IsSpecialFace(uint16_t face) const override;
    uint16_t FindSpecialFace(std::string_view name) const override;
    std::optional<uint32_t> LookUpMappedId(const CPlayer& player) const override;

    // Rules -----------------------------------------------------------------------------------

    RulesAndMisc& Rules() { return rules_; }
    const RulesAndMisc& Rules() const { return rules_; }

    // Competition registry ----------------------------------------------------------------
    // An index of every competition node of the world by competition ID. The nodes are owned
    // by the competition tree of their country; a tree enters its nodes here and takes them
    // out again before it destroys them.

    CDBCompetition* FindCompetition(uint32_t id) const;
    // False for ID 0 or an ID already registered.
    bool RegisterCompetition(uint32_t id, CDBCompetition* node);
    void UnregisterCompetition(uint32_t id);
    const std::map<uint32_t, CDBCompetition*>& Competitions() const { return competitions_; }

    // User-interface selection (kept per world, so each open database keeps its own) --------

    uint8_t Language() const { return language_; }
    void SetLanguage(uint8_t slot) { language_ = slot < kLanguageSlots ? slot : 0; }
    uint16_t continent = 0;
    uint16_t previousContinent = 0;
    uint16_t selectedCountry = 0;

private:
    friend class CCountry;

    // Releases every country, player and registry entry and makes 207 empty countries.
    void ResetCountries();
    void SaveCountries(SaveOutcome& outcome);
    bool SaveRulesFile() const;
    void NoteFileFindings(const std::string& path, const CKLFile& file);
    // Reads Rules.sav and Without.sav with findings for files that exist but cannot be read.
    void LoadRulesAndWithout();
    void ValidateRulesAgainstWorld();
    void RecordLoadTranslation(uint32_t fileId, uint32_t givenId);
    // The country files of LoadAll, in order or on several threads (world_load.cpp).
    bool LoadCountriesInOrder();
    bool LoadCountriesInParallel(int threads);
    // Takes the players of a country read on a stage into the registry, in file order.
    void MergeStage(class CountryLoadStage& stage);
    // The checks of every country's clubs and people after the country files are read, on
    // `threads` threads (see world_load.cpp).
    void CheckLoadedCountries(int threads);
    int EffectiveLoadThreads() const;

    uint32_t loaded_ = 0;
    std::array<std::unique_ptr<CCountry>, kCountrySlots> countries_;
    // The nodes of players_ and playerIndex_ (declared first: it outlives both; the
    // constructor hands it to them).
    NodePool playerNodes_;
    PlayerRegistry players_;
    // The same players by ID in a hash table: look-ups by ID are the most frequent use of the
    // registry (every reference of a club, a competition or a record to a person), and the
    // ordered registry serves the walks in ID order. Kept beside every change of players_.
    using PlayerIndex =
        std::unordered_map<uint32_t, CPlayer*, std::hash<uint32_t>, std::equal_to<uint32_t>,
                           PoolAllocator<std::pair<const uint32_t, CPlayer*>>>;
    PlayerIndex playerIndex_;
    std::vector<uint32_t> withoutClub_;
    RulesAndMisc rules_;
    std::map<uint32_t, CDBCompetition*> competitions_;
    // Held around the competition registry while countries are read on several threads (each
    // country enters only its own competitions, so the order does not matter).
    mutable std::mutex competitionsMutex_;
    bool lockCompetitions_ = false;
    // While countries are read in order: CreatePlayer leaves the names of a player empty and
    // keeps the number of his default names, which GiveDefaultNames gives him when his file
    // names him not (a file names nearly every player, and he is read right after he is made).
    bool namesOnDemand_ = false;
    const CPlayer* unnamedPlayer_ = nullptr;
    int unnamedNumber_ = 0;
    // Every club's ID while CheckLoadedCountries runs (ClubExists looks there), else nullptr.
    const class ClubIdSet* clubIdsInCheck_ = nullptr;
    int loadThreads_ = 0;
    std::map<uint32_t, uint32_t> loadTranslation_;
    std::vector<LoadFinding> loadFindings_;
    std::array<bool, kCountrySlots> unreadableCountries_{};
    bool rulesUnreadable_ = false;
    bool withoutUnreadable_ = false;
    std::string countryListError_;
    uint8_t language_ = 0;
    WorldLookups lookups_;
    std::string databaseFolder_;
    std::string badgeFolder_;
};

} // namespace tallo
