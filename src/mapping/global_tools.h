#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "assets/badge_sources.h"
#include "assets/vantor_big.h"
#include "mapping/face_mapping.h"
#include "mapping/name_lists.h"
#include "mapping/nickname_update.h"
#include "mapping/star_heads.h"
#include "mapping/zelo_club_mapping.h"
#include "mapping/zelo_player_mapping.h"

namespace tallo {

class CBaseTextFile;
class CPlayer;
class CWorld;
class IPrompt;
class PerLanguageTables;

// The program's global tool object: the ID tables of the other game (players, star heads,
// clubs), the badge archive and the name lists the editor draws random names from. One
// object serves the whole program (GlobalTools()); it is started once the installation
// folder is known and stopped at exit.
class CGlobalTools {
public:
    // The files, relative to the installation folder.
    static constexpr const char* kPlayerIdFile = "database/ZELO_PlayerIDs.txt";
    static constexpr const char* kStarHeadsFile = "database/ZELO2003_StarHeads.txt";
    static constexpr const char* kClubIdFile = "database/ZELO_ClubIDs.txt";
    static constexpr const char* kBadgeArchiveFile = "badges.big";
    static constexpr const char* kBadgeFolder = "badges";
    static constexpr const char* kMaleNamesFile = "database/MaleNames.txt";
    static constexpr const char* kFemaleNamesFile = "database/FemaleNames.txt";
    static constexpr const char* kSurnamesFile = "database/Surnames.txt";

    CGlobalTools();
    ~CGlobalTools();
    CGlobalTools(const CGlobalTools&) = delete;
    CGlobalTools& operator=(const CGlobalTools&) = delete;

    // Start-up, in this order: the player ID file, the star heads, the club ID file, the
    // badge archive (read-only; a failure to open it is reported through `prompt` when one is
    // given), the three name files; then the object counts as initialised. Paths are taken
    // relative to `installFolder` (empty: the current folder). A missing table leaves its
    // mapping empty. Returns the result of the name lists' load (all three files read).
    // Starting again releases what was loaded before.
    bool Start(const std::string& installFolder, IPrompt* prompt = nullptr);
    // Releases the mappings and the name lists and closes the archive.
    void Stop();
    bool IsInitialised() const { return initialised_; }
    const std::string& InstallFolder() const { return installFolder_; }
    // "<installation>/<relative>", or `relative` alone without an installation folder.
    std::string InstallPath(std::string_view relative) const;

    CZeloPlayerMapping& PlayerMapping() { return playerMapping_; }
    const CZeloPlayerMapping& PlayerMapping() const { return playerMapping_; }
    CZeloClubMapping& ClubMapping() { return clubMapping_; }
    const CZeloClubMapping& ClubMapping() const { return clubMapping_; }
    CStarHeads& StarHeads() { return starHeads_; }
    const CStarHeads& StarHeads() const { return starHeads_; }
    CVantorBig& BadgeArchive() { return badgeArchive_; }
    CNameLists& NameLists() { return nameLists_; }
    const CNameLists& NameLists() const { return nameLists_; }

    // Badges: the badge folder of the installation and the archive.
    CBadgeSources BadgeSources();
    bool CheckBadge(std::string_view name);

    // The console face look-up (counts the use of the star head found); 0 when not found.
    uint16_t ConsoleFace(const CPlayer& player) { return starHeads_.ConsoleFace(player); }

    // The mappings of the administrator commands; see the classes for what each does and
    // writes. An empty report path writes no report.
    ClubMappingResult MapClubIds(CWorld& world, const std::string& reportPath, bool overwrite) {
        return clubMapping_.MapClubIds(world, reportPath, overwrite);
    }
    PlayerMappingResult MapPlayerIds(CWorld& world, const std::string& reportPath, bool overwrite) {
        return playerMapping_.MapPlayerIds(world, reportPath, overwrite);
    }
    FaceMappingResult MapFaces(CWorld& world, const CBaseTextFile& faces,
                               const std::string& reportPath, bool overwrite);
    ConsoleFaceResult MapConsoleFaces(CWorld& world, const std::string& reportPath) {
        return starHeads_.MapConsoleFaces(world, reportPath);
    }
    NicknameUpdateResult UpdateNicknames(CWorld& world, int country, const std::string& reportPath);

    // Installs into a world the look-ups that records of old files are matched against: the
    // players' mapped IDs from the player ID table (no answer while it is empty), the special
    // faces and the team colour entries from the language tables. The world keeps references
    // to this object and to `tables`; both must outlive it (or the look-ups be replaced).
    void InstallLookups(CWorld& world, const PerLanguageTables& tables) const;

private:
    CZeloPlayerMapping playerMapping_;
    CZeloClubMapping clubMapping_;
    CStarHeads starHeads_;
    CVantorBig badgeArchive_;
    CNameLists nameLists_;
    std::string installFolder_;
    bool initialised_ = false;
};

// The program's one global tool object.
CGlobalTools& GlobalTools();

} // namespace tallo
