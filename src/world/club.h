#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/club_kit.h"
#include "world/result_record.h"

namespace tallo {

class CKLFile;
class CWorld;
class ClubIoContext;
class IPrompt;

// One club of a country, or the country's national team (club number 65535): names in five
// language slots, contact data, fans, rivals, history, stadiums and facilities, location,
// kits, badge file and the IDs of the people on its books (the players themselves live in the
// world's player registry).
//
// A plain value: copying a club copies every member (editors work on a copy and write it
// back); the listed players are shared by ID.
class CClub {
public:
    static constexpr int kLanguageSlots = 5;
    static constexpr uint32_t kMaxPlayers = 256;
    static constexpr uint16_t kNationalTeamNumber = 0xFFFF;
    static constexpr uint32_t kSecondTeamBit = 0x01000000u; // in a club reference
    static constexpr uint32_t kIdMask = 0xFEFFFFFFu;        // clears the second-team bit
    static constexpr int16_t kDefaultFoundationYear = 1900;
    static constexpr uint8_t kMaxFacilityLevel = 5;
    static constexpr uint8_t kMaxPrestige = 20;

    // Field sizes in bytes (a field of N bytes holds at most N-1 characters).
    static constexpr size_t kNameSize = 30;
    static constexpr size_t kShortNameSize = 12;
    static constexpr size_t kShortNameMax = 10; // characters
    static constexpr size_t kAbbreviationSize = 5;
    static constexpr size_t kCitySize = 30;
    static constexpr size_t kFanNameSize = 20;
    static constexpr size_t kMascotSize = 20;
    static constexpr size_t kAddressSize = 49;
    static constexpr size_t kTelephoneSize = 19;
    static constexpr size_t kWebSize = 128;
    static constexpr size_t kFanSitesSize = 256;
    static constexpr size_t kNewspaperSize = 29;
    static constexpr size_t kBadgeFileSize = 40;

    // The texts that carry an article index per language slot.
    enum ArticleText {
        kArticleClubName,
        kArticleFanName,
        kArticleSecondFanName,
        kArticleTextCount
    };

    // Title lists, in the order of the club section's HIST section.
    enum Title {
        kChampionships,
        kCupWins,
        kSuperCupWins,
        kLeagueCupWins,
        kEuropeanCupWins,
        kChampionsLeagueWins,
        kClubWorldChampionships,
        kWorldChampionships,
        kTitleCount
    };

    enum Facility {
        kClubCentre,
        kMerchandising,
        kMedicalDepartment,
        kYouthDepartment,
        kTrainingGrounds,
        kPublicRelations,
        kResearchDepartment,
        kFacilityCount
    };

    // Potential attendance values.
    enum Attendance {
        kMidSeasonAttendance,      // fans for a mid-season first-league match
        kImportantMatchAttendance, // most important match of the last ten years
        kSeasonTickets,            // season tickets sold last year
        kAttendanceCount
    };

    // First-league statistics.
    enum Statistic {
        kPoints,
        kMatches,
        kGoalsScored,
        kGoalsConceded,
        kSeasonsLed,
        kStatisticCount
    };

    // Last season's results (season flags), each for the first or the second team.
    enum SeasonFlag { kPromoted, kRelegated, kCupWinner, kCupFinalist };

    // Option bits of Load.
    enum LoadOption : uint32_t {
        kLoadDropStadiums = 1, // read the two stadium values and drop them
        kLoadDropBadge = 2,    // read the badge file and drop it
    };

    // Fault bits of CheckCompleteness.
    enum CompletenessFault : uint32_t {
        kNoStaffWithoutClubCentre = 1,    // club centre 0 and any staff member
        kTooManyStaffForLevel1 = 2,       // club centre 1 and 4 or more staff members
        kTooManyStaffForLevel2 = 4,       // club centre 2 and 6 or more staff members
        kNoMedicalStaffAtLevel0 = 8,      // medical 0 and a person of role 11 to 16
        kNoTeamDoctorAtLevel0 = 16,       // medical 0 and a person of role 11
        kPsychotherapistNeedsLevel2 = 32, // medical below 2 and a person of role 15
        kPhysiologistNeedsLevel3 = 64,    // medical below 3 and a person of role 16
        kSpecialistNeedsLevel4 = 128,     // medical below 4 and a person of role 12, 13 or 14
    };

    // Fault bits of CheckSquad.
    enum SquadFault : uint32_t {
        kTooFewPlayers = 1,       // fewer than 14 first-team players
        kTwoManagers = 4,         // more than one first-team manager
        kTwoReserveManagers = 8,  // more than one reserve manager
        kTwoChairmen = 16,        // more than one first-team chairman
        kTwoReserveChairmen = 32, // more than one reserve chairman
        kTwoPresidents = 64,      // more than one first-team president
        kReservePresident = 128,  // any reserve president
        kBadName = 0x100,         // a listed person with an empty first name or surname
    };

    // Parts of a club that CopyPartsFrom copies (the boxes of the club copy dialog).
    enum CopyPart : uint32_t {
        kCopyGeneral = 0x0002,         // names, articles, cities, fans, mascot, rivals, foundation,
                                       // prestige, season flags, club values A and B
        kCopyFinances = 0x0004,        // starting capital, stock company, penalty points
        kCopyAddress = 0x0008,         // address, telephone, web, fan sites, local newspaper
        kCopyAttendance = 0x0010,      // potential attendance
        kCopyBadgeAndColours = 0x0020, // badge file, colour entry
        kCopyKit = 0x0040,             // both kits
        kCopyStadium = 0x0080,         // main and alternative stadium
        kCopyStadiumAddress = 0x0100,  // latitude, longitude, city photo
        kCopySurroundings = 0x0200,    // facility levels
        kCopyTransfers = 0x0400,       // transfer preference countries, youth country
        kCopyHistory = 0x0800,         // first-league statistics, titles, record results
        kCopyFirstTeam = 0x1000,       // listed players (role 0) of the first team
        kCopySecondTeam = 0x2000,      // listed players (role 0) of the reserves
        kCopyOfficials = 0x4000,       // listed people of any other role
        kCopyAll = 0x7FFE,
    };

    CClub();

    // Identity -------------------------------------------------------------------------------

    CWorld* World() const { return world_; }
    void SetWorld(CWorld* world) { world_ = world; }
    // (country number << 16) | club number, second-team bit cleared.
    uint32_t Id() const { return id_; }
    void SetId(uint32_t id) { id_ = id & kIdMask; }
    uint16_t ClubNumber() const { return static_cast<uint16_t>(id_ & 0xFFFFu); }
    uint16_t CountryNumber() const { return static_cast<uint16_t>(id_ >> 16); }
    bool IsNationalTeam() const { return ClubNumber() == kNationalTeamNumber; }
    static uint32_t MakeId(uint32_t countryNumber, uint32_t clubNumber) {
        return ((countryNumber << 16) | (clubNumber & 0xFFFFu)) & kIdMask;
    }

    // Takes the next number n of a process-wide counter (from 1): all five names become
    // "Club <n>", the youth country the country number and the ID (country << 16) | n.
    void SetDefaults(uint32_t countryNumber);

    // Texts ----------------------------------------------------------------------------------
    // Text setters refuse (false, nothing changed) a slot out of range and a text that would
    // not read back as written: a line break or other control character, a leading ';' or
    // '%', and a double quote in the texts written as quoted lists (names, short names,
    // abbreviations, cities). Longer texts are cut to the field.

    std::string_view Name(int slot) const;
    bool SetName(int slot, std::string_view text); // at most 29 characters
    std::string_view ShortName(int slot) const;
    bool SetShortName(int slot, std::string_view text); // at most 10 characters
    std::string_view Abbreviation(int slot) const;
    bool SetAbbreviation(int slot, std::string_view text); // at most 4 characters
    std::string_view City(int slot) const;
    bool SetCity(int slot, std::string_view text); // at most 29 characters
    // The texts of a language slot (the current slot of the user interface is passed in).
    std::string_view GetName(int slot) const { return Name(slot); }
    std::string_view GetShortName(int slot) const { return ShortName(slot); }
    // All five slots at once (a new club, a club named by the user).
    bool SetAllNames(std::string_view text);

    // Article index of a text (club name, fan name, second fan name) in a language slot.
    uint8_t Article(ArticleText text, int slot) const;
    bool SetArticle(ArticleText text, int slot, uint8_t article);
    uint8_t AbbreviationArticle(int slot) const;
    bool SetAbbreviationArticle(int slot, uint8_t article);

    std::string_view FanName() const;
    bool SetFanName(std::string_view text); // at most 19 characters
    std::string_view SecondFanName() const;
    bool SetSecondFanName(std::string_view text); // at most 19 characters
    std::string_view Mascot() const;
    bool SetMascot(std::string_view text); // at most 19 characters
    std::string_view Address() const;
    bool SetAddress(std::string_view text); // at most 48 characters
    std::string_view Telephone() const;
    bool SetTelephone(std::string_view text); // at most 18 characters
    std::string_view WebSite() const;
    bool SetWebSite(std::string_view text); // at most 127 characters
    // Several lines. Line breaks are kept as CR LF (a lone CR or LF becomes CR LF); a tab is
    // refused, as the file writes line breaks as tabs. At most 255 bytes, never cutting a line
    // break in half.
    std::string_view FanSites() const;
    bool SetFanSites(std::string_view text);
    std::string_view Newspaper() const;
    bool SetNewspaper(std::string_view text); // at most 28 characters
    std::string_view BadgeFile() const;
    bool SetBadgeFile(std::string_view text); // at most 39 characters
    const std::string& CityPhoto() const { return cityPhoto_; }
    bool SetCityPhoto(std::string_view text);

    // The badge file as a pattern for the badges of several sizes: upper-cased, "\" turned
    // into "/", the first "BADGE180" turned into "Badge%d"; empty without a badge file.
    std::string GetBadgePattern() const;

    // Numbers --------------------------------------------------------------------------------

    uint16_t ColourEntry() const { return colourEntry_; }
    void SetColourEntry(uint16_t entry) { colourEntry_ = entry; }
    // Not known; kept as read (files of major 0x2004 minor 4 on). The game database build
    // writes the club's league code in its place.
    uint16_t ClubValueA() const { return clubValueA_; }
    void SetClubValueA(uint16_t value) { clubValueA_ = value; }
    // Three values (index 0-2) not known; kept as read (files of major 0x2004 on) and written
    // into the game database as they are.
    uint8_t ClubValueB(int index) const;
    bool SetClubValueB(int index, uint8_t value);

    // Friendly club and rivals: club references of which only the club number (16 low bits)
    // counts; they must lie in the club's own country.
    uint32_t FriendlyClub() const { return friendlyClub_; }
    void SetFriendlyClub(uint32_t reference) { friendlyClub_ = reference; }
    uint32_t Rival(int index) const; // 0 first rival, 1 second rival
    bool SetRival(int index, uint32_t reference);

    int16_t FoundationYear() const { return foundationYear_; }
    void SetFoundationYear(int16_t year) { foundationYear_ = year; }

    uint8_t SeasonFlags() const { return seasonFlags_; }
    void SetSeasonFlags(uint8_t flags) { seasonFlags_ = flags; }
    bool HasSeasonFlag(SeasonFlag kind, bool secondTeam) const;
    // Off clears the bit of that kind and team; on sets it and clears the bits that exclude it
    // (promoted/relegated of the same team; a cup win clears the same team's final and the
    // other team's win; a final clears the same team's win and the other team's final).
    void SetSeasonFlag(SeasonFlag kind, bool secondTeam, bool on);
    static uint8_t SeasonFlagBit(SeasonFlag kind, bool secondTeam);

    int32_t StartingCapital() const { return startingCapital_; }
    void SetStartingCapital(int32_t money) { startingCapital_ = money; }
    uint8_t StockCompany() const { return stockCompany_; }
    void SetStockCompany(bool on) { stockCompany_ = on ? 1 : 0; }
    uint8_t PenaltyPoints() const { return penaltyPoints_; }
    void SetPenaltyPoints(uint8_t points) { penaltyPoints_ = points; }

    int32_t AttendanceValue(Attendance which) const;
    void SetAttendanceValue(Attendance which, int32_t value);
    int32_t LeagueStatistic(Statistic which) const;
    void SetLeagueStatistic(Statistic which, int32_t value);

    // Titles: years as comma-separated text ("1950,1951").
    const std::string& Titles(Title which) const;
    bool SetTitles(Title which, std::string_view years);
    const ResultRecord& Record(ResultRecord::Kind which) const;
    bool SetRecord(ResultRecord::Kind which, const ResultRecord& record);

    // Stadium keys in the country's stadium map (0 for none).
    uint32_t MainStadium() const { return mainStadium_; }
    void SetMainStadium(uint32_t key) { mainStadium_ = key; }
    uint32_t AlternativeStadium() const { return alternativeStadium_; }
    void SetAlternativeStadium(uint32_t key) { alternativeStadium_ = key; }

    uint8_t FacilityLevel(Facility which) const;
    bool SetFacilityLevel(Facility which, uint8_t level); // 0 to 5

    // Latitude and longitude: (degrees << 16) | minutes, negated for the second hemisphere.
    int32_t Latitude() const { return latitude_; }
    void SetLatitude(int32_t value) { latitude_ = value; }
    int32_t Longitude() const { return longitude_; }
    void SetLongitude(int32_t value) { longitude_ = value; }
    // Packs degrees and minutes by the clamping rules (latitude 0-90, longitude 0-180, minutes
    // 0-59 and 0 at the largest degree; a negative longitude of 180 becomes 179 degrees).
    static int32_t PackLatitude(int degrees, int minutes, bool secondHemisphere);
    static int32_t PackLongitude(int degrees, int minutes, bool secondHemisphere);
    // A stored value brought inside its range by the same rules.
    static int32_t ClampLatitude(int32_t value);
    static int32_t ClampLongitude(int32_t value);

    ClubKit& Kit() { return kit_; }
    const ClubKit& Kit() const { return kit_; }
    void SetKit(const ClubKit& kit) { kit_ = kit; }

    uint8_t Prestige() const { return prestige_; }
    void SetPrestige(uint8_t prestige) { prestige_ = prestige; }
    uint8_t TransferCountry(int index) const; // 0 or 1
    bool SetTransferCountry(int index, uint8_t country);
    uint8_t YouthCountry() const { return youthCountry_; }
    void SetYouthCountry(uint8_t country) { youthCountry_ = country; }

    // Players --------------------------------------------------------------------------------

    uint32_t PlayerCount() const { return playerCount_; }
    // The ID at a place of the list; 0 outside the list.
    uint32_t PlayerId(uint32_t index) const;
    bool HasPlayer(uint32_t id) const;
    // Appends an ID. Refused (false) for ID 0, an ID already listed, and when the club lists
    // kMaxPlayers already: a club never holds more than it can save.
    bool AddPlayer(uint32_t id);
    // Removes an ID; the entries behind it move up and the last becomes 0. False when absent.
    bool RemovePlayer(uint32_t id);
    void ClearPlayers();
    // Gives every listed ID the ID `renumber` makes of it; one made 0 leaves the list (those
    // behind it move up), the others keep their order. The same as clearing the list and
    // adding the new IDs in order, provided that `renumber` never makes one ID of two listed
    // ones (the merge of a load, whose new IDs are all distinct, relies on it).
    template <class Renumber> void RenumberPlayers(Renumber renumber) {
        uint32_t kept = 0;
        for (uint32_t i = 0; i < playerCount_; ++i) {
            if (const uint32_t id = renumber(playerIds_[i]); id != 0) {
                playerIds_[kept++] = id;
            }
        }
        for (uint32_t i = kept; i < playerCount_; ++i) {
            playerIds_[i] = 0;
        }
        playerCount_ = kept;
    }

    // Transient: sum of the detail values of the listed players.
    int32_t DetailTotal() const { return detailTotal_; }
    void SetDetailTotal(int32_t total) { detailTotal_ = total; }
    int32_t RecomputeDetailTotal(ClubIoContext& context);

    // Players refused by the last Load because the list was full (read and dropped).
    uint32_t RefusedPlayerCount() const { return refusedPlayers_; }

    // Checks ---------------------------------------------------------------------------------

    // Run after the whole world is loaded and after a club file is loaded: player checks,
    // facility levels, kit styles, rivals of another country, location, prestige and country
    // bytes brought into range.
    void PostLoadCheck(ClubIoContext& context);
    // The part of PostLoadCheck that reads nothing but the club's own values.
    void ClampOwnValues();
    // Fault bits (CompletenessFault), 0 when the club may have the staff it lists.
    uint32_t CheckCompleteness(ClubIoContext& context) const;
    // Fault bits (SquadFault), 0 when the squad is valid.
    uint32_t CheckSquad(ClubIoContext& context) const;
    // String-table entry of one fault bit (0 for a bit without a message).
    static int CompletenessMessageId(uint32_t faultBit);
    static int SquadMessageId(uint32_t faultBit);

    // Club section ---------------------------------------------------------------------------

    // "CLUB<n>": the club's number in the country file, 65535 for the national team, 0 in a
    // club file.
    static std::string SectionName(uint32_t sectionNumber);
    // Writes the club section with its players' PLAYER sections.
    bool Save(CKLFile& file, uint32_t sectionNumber, ClubIoContext& context) const;
    // Reads the club section (LoadOption bits). Returns whether the section was found; without
    // it the club keeps its values (only the colour entry of older files may be set).
    bool Load(CKLFile& file, uint32_t sectionNumber, uint32_t options, ClubIoContext& context);

    // Club files ------------------------------------------------------------------------------

    // Writes the club alone into a club file (section CLUB0); false when it cannot be written.
    bool SaveClubFile(const std::string& path, ClubIoContext& context) const;
    enum class ClubFileResult { kLoaded, kCannotOpen, kNoClubSection };
    // Replaces this club's data by a club file's, keeping the club's ID, stadiums and badge. The
    // file is checked first: when it cannot be opened or holds no club section, the club stays
    // as it was. Otherwise the current players leave the list (they stay in the registry), the
    // file's players become new players of the world and the post-load check runs.
    ClubFileResult LoadClubFile(const std::string& path, ClubIoContext& context);

    // The club file commands: ask for the file through the prompt (filter of string 797,
    // extension "clb"; saving proposes the club's name in `languageSlot`), remember its folder
    // for the next command, and report a failure through the prompt. False when cancelled or
    // failed.
    bool SaveToFile(IPrompt& prompt, int languageSlot, ClubIoContext& context) const;
    bool LoadFromFile(IPrompt& prompt, ClubIoContext& context);
    // The folder of the last club file chosen (empty at start).
    static std::string RememberedClubFileFolder();

    // Copying --------------------------------------------------------------------------------

    // Takes the parts of `source` selected by `mask` (CopyPart bits). `source` may belong to
    // another world: persons are copied as new players of this club's world (the persons of a
    // copied part that this club listed leave its list, and the detail total is recomputed).
    // The ID and the world stay; club and stadium references are taken only from a club of
    // the same country number.
    void CopyPartsFrom(const CClub& source, uint32_t mask, ClubIoContext& sourceContext,
                       ClubIoContext& targetContext);

    // Every member but the transient ones (detail total, refused players).
    bool operator==(const CClub& other) const;

private:
    void ReadSectionBody(CKLFile& file, uint32_t sectionNumber, uint32_t options,
                         ClubIoContext& context);
    void ReadPlayers(CKLFile& file, ClubIoContext& context);
    void ApplyOldColourEntry(ClubIoContext& context);

    CWorld* world_ = nullptr;
    uint16_t colourEntry_ = 0;
    uint16_t clubValueA_ = 0; // files of major 0x2004 minor 4 on; kept as read
    uint32_t id_ = 0;
    char names_[kLanguageSlots][kNameSize] = {};
    char shortNames_[kLanguageSlots][kShortNameSize] = {};
    uint8_t articles_[kArticleTextCount][kLanguageSlots] = {};
    uint8_t abbreviationArticles_[kLanguageSlots] = {};
    char abbreviations_[kLanguageSlots][kAbbreviationSize] = {};
    char cities_[kLanguageSlots][kCitySize] = {};
    char fanName_[kFanNameSize] = {};
    char secondFanName_[kFanNameSize] = {};
    char mascot_[kMascotSize] = {};
    uint32_t friendlyClub_ = 0;
    uint32_t rivals_[2] = {};
    int16_t foundationYear_ = kDefaultFoundationYear;
    // Bit 0/1 promoted, 2/3 relegated, 4/5 cup winner, 6/7 cup finalist (first/second team).
    uint8_t seasonFlags_ = 0;
    int32_t startingCapital_ = 0;
    uint8_t stockCompany_ = 0;
    uint8_t penaltyPoints_ = 0; // 0, 3 or 6
    char address_[kAddressSize] = {};
    char telephone_[kTelephoneSize] = {};
    char webSite_[kWebSize] = {};
    char fanSites_[kFanSitesSize] = {}; // line breaks stored as CR LF
    char newspaper_[kNewspaperSize] = {};
    int32_t attendance_[kAttendanceCount] = {};
    int32_t statistics_[kStatisticCount] = {};
    std::array<std::string, kTitleCount> titles_;
    std::array<ResultRecord, ResultRecord::kKindCount> records_;
    char badgeFile_[kBadgeFileSize] = {};
    uint8_t clubValuesB_[3] = {}; // files of major 0x2004 on; kept as read
    uint32_t mainStadium_ = 0;
    uint32_t alternativeStadium_ = 0;
    uint8_t facilities_[kFacilityCount] = {};
    uint32_t playerCount_ = 0;
    std::array<uint32_t, kMaxPlayers> playerIds_ = {};
    int32_t latitude_ = 0;
    int32_t longitude_ = 0;
    ClubKit kit_;
    uint8_t prestige_ = 0;
    std::string cityPhoto_;
    uint8_t transferCountries_[2] = {};
    uint8_t youthCountry_ = 0;
    int32_t detailTotal_ = 0;     // transient
    uint32_t refusedPlayers_ = 0; // transient, of the last Load
};

} // namespace tallo
