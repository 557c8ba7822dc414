#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "world/bounded_array.h"
#include "world/fixed_text.h"
#include "world/game_date.h"

namespace tallo {

class CKLFile;
class IPlayerWorld;

// One person of the world: a player, or a club official or staff member held in the same
// record (the role tells which), or an additional manager candidate of a country. Every record
// is owned by the world's player registry under its player ID; clubs, countries and the list
// of players without a club refer to players by ID.
//
// The record is a plain value: editors work on a copy and assign it back. The world pointer
// is not owned.
class CPlayer {
public:
    static constexpr std::string_view kSection = "PLAYER";

    static constexpr int kAbilityCount = 16;
    static constexpr int kTraitCount = 9;
    static constexpr int kPositionRatingCount = 4;
    static constexpr int kBonusCount = 4;
    static constexpr int kLanguageSlots = 4;
    static constexpr int kPositionCount = 17; // positions 1 to 17
    static constexpr int kMaxLanguage = 58;   // language list: 0 none, then 58 languages
    static constexpr uint8_t kMaxCountry = 206;
    static constexpr uint32_t kMaxRelatedPlayer = 60000; // related players are below it
    static constexpr int16_t kFirstYearJoined = 1980;
    static constexpr int16_t kLastContractEnd = 2015;

    enum Role : uint8_t {
        kRolePlayer = 0,
        kRoleManager = 1,
        kRoleChairman = 2,
        kRolePresident = 3,
        kRoleFirstStaff = 4,    // 4 and above: staff members
        kRoleFirstMedical = 11, // 11 to 16: the medical roles
        kRoleLastMedical = 16,
    };

    // Positions (0 none in the second and third position).
    enum Position : uint8_t {
        kNoPosition = 0,
        kGK,
        kRB,
        kLB,
        kCD,
        kSW,
        kRWB,
        kLWB,
        kANC,
        kDM,
        kRM,
        kLM,
        kCM,
        kRW,
        kLW,
        kAM,
        kCF,
        kST,
    };

    // Indexes of the abilities (each 1 to 10).
    enum Ability : int {
        kPassing,
        kHeading,
        kShotPower,
        kShotAccuracy,
        kAcceleration,
        kPace,
        kTackling,
        kDribbling,
        kTechnique,
        kCrossing,
        kReflexes,
        kJumping,
        kAreaControl,
        kOneOnOne,
        kGoalKicks,
        kThrowIns,
    };

    // Indexes of the character traits: an index into the trait's value list, 0 to 3 (0 to 2
    // for consistency, fairness and image); 1 is the normal value of every trait.
    enum Trait : int {
        kLeadership,
        kAttitude,
        kFlexibility,
        kMentalStrength,
        kConsistency,
        kFairness,
        kImage,
        kTeamSpirit,
        kClubAttitude,
    };
    static constexpr uint8_t kNormalTrait = 1;

    // Indexes of the position ratings (0 to 6 each).
    enum PositionGroup : int {
        kGoalkeeperGroup,
        kDefenceGroup,
        kMidfieldGroup,
        kAttackGroup,
    };

    // Bits of the national team flags.
    static constexpr uint8_t kInNationalTeam = 0x01;
    static constexpr uint8_t kRefusesNationalTeam = 0x02;
    static constexpr uint8_t kNationalStartMask = 0x1C; // bits 2-4: starting state 0-7
    static constexpr int kNationalStartShift = 2;
    // Bits of the kit flags.
    static constexpr uint8_t kLongSleeves = 0x01;

    // The special ability of a player: its code (0 none) and the bonus added to the ratings at
    // his main, second and third position.
    struct SpecialAbility {
        int code = 0;
        float bonus = 0.0f;
        bool strong = false; // at least two of pace, heading and tackling are high
    };

    // A player with the defaults of a new record: "First <n>"/"Last <n>" with n the number
    // of registered players plus one, the given role and nationality, and the first language
    // of the nationality country. Without a world the number is 1 and the language 0.
    CPlayer();
    CPlayer(IPlayerWorld* world, uint8_t role, uint8_t nationality);
    // The same without the default names (both empty), for a player a file is about to name:
    // working them out for every player of a database would be wasted where the file gives
    // the names, and the load stage cannot yet know their numbers.
    struct Unnamed {};
    CPlayer(IPlayerWorld* world, uint8_t role, uint8_t nationality, Unnamed);

    // Owner and IDs ----------------------------------------------------------------------------

    IPlayerWorld* World() const { return world_; }
    void SetWorld(IPlayerWorld* world) { world_ = world; }
    // World-wide ID; not part of the PLAYER section.
    uint32_t Id() const { return id_; }
    void SetId(uint32_t id) { id_ = id; }
    // The player's ID in the other game's database.
    uint32_t MappedId() const { return mappedId_; }
    void SetMappedId(uint32_t id) { mappedId_ = id; }

    // Person --------------------------------------------------------------------------------

    uint8_t Role() const { return role_; }
    void SetRole(uint8_t role) { role_ = role; }
    bool IsPlayerRole() const { return role_ == kRolePlayer; }
    uint8_t Reserve() const { return reserve_; }
    void SetReserve(uint8_t reserve) { reserve_ = reserve; }
    bool IsFirstTeam() const { return reserve_ == 0; }
    bool IsReserve() const { return reserve_ != 0; }
    uint8_t Nationality() const { return nationality_; }
    void SetNationality(uint8_t country) { nationality_ = country; }
    uint8_t SecondNationality() const { return secondNationality_; }
    void SetSecondNationality(uint8_t country) { secondNationality_ = country; }
    // Not counted as a foreign player by a decision of the football association.
    uint8_t ForeignExemption() const { return foreignExemption_; }
    void SetForeignExemption(uint8_t exempt) { foreignExemption_ = exempt; }

    // Names keep at most 15 (first name) or 19 characters.
    std::string_view FirstName() const { return FixedText(firstName_); }
    std::string_view Surname() const { return FixedText(surname_); }
    std::string_view Nickname() const { return FixedText(nickname_); }
    // Shown instead of the full name when set.
    std::string_view Pseudonym() const { return FixedText(pseudonym_); }
    // The default names of a new player ("First <number>", "Last <number>" of the string
    // table): `number` is the count of players registered before him plus one.
    void SetDefaultNames(int number, bool firstName, bool surname);
    void SetFirstName(std::string_view text) { SetFixedText(firstName_, text); }
    void SetSurname(std::string_view text) { SetFixedText(surname_, text); }
    void SetNickname(std::string_view text) { SetFixedText(nickname_, text); }
    void SetPseudonym(std::string_view text) { SetFixedText(pseudonym_, text); }

    GameDate BirthDate() const { return birthDate_; }
    void SetBirthDate(GameDate date) { birthDate_ = date; }

    // Skills ---------------------------------------------------------------------------------

    uint8_t Talent() const { return talent_; } // 0 to 4
    void SetTalent(uint8_t talent) { talent_ = talent; }
    // Level of a staff member, 0 to 4; stored in the same file byte as the talent.
    uint8_t StaffLevel() const { return staffLevel_; }
    void SetStaffLevel(uint8_t level) { staffLevel_ = level; }
    // 0 either, 1 right, 2 left.
    uint8_t PreferredFoot() const { return preferredFoot_; }
    void SetPreferredFoot(uint8_t foot) { preferredFoot_ = foot; }

    // Index out of range: 0, and setting does nothing.
    uint8_t Ability(int index) const;
    void SetAbility(int index, uint8_t value);
    const std::array<uint8_t, kAbilityCount>& Abilities() const { return abilities_; }
    uint8_t Trait(int index) const;
    void SetTrait(int index, uint8_t value);
    const std::array<uint8_t, kTraitCount>& Traits() const { return traits_; }
    // Highest value of a character trait: 2 for consistency, fairness and image, else 3.
    static uint8_t TraitMaximum(int index);

    uint8_t LeagueExperience() const { return leagueExperience_; } // 0 to 6
    void SetLeagueExperience(uint8_t value) { leagueExperience_ = value; }
    uint8_t InternationalExperience() const { return internationalExperience_; } // 0 to 4
    void SetInternationalExperience(uint8_t value) { internationalExperience_ = value; }
    uint8_t ShirtNumber() const { return shirtNumber_; }
    void SetShirtNumber(uint8_t number) { shirtNumber_ = number; }

    uint8_t MainPosition() const { return mainPosition_; } // 1 to 17
    void SetMainPosition(uint8_t position) { mainPosition_ = position; }
    // Second (slot 0) and third (slot 1) position, 0 for none.
    uint8_t OtherPosition(int slot) const;
    void SetOtherPosition(int slot, uint8_t position);
    uint8_t SecondPosition() const { return otherPositions_[0]; }
    uint8_t ThirdPosition() const { return otherPositions_[1]; }
    // Goalkeeper, defence, midfield, attack (PositionGroup), 0 to 6 each.
    uint8_t PositionRating(int group) const;
    void SetPositionRating(int group, uint8_t value);

    // Values edited with the abilities, 0 to 15 each.
    uint8_t Bonus(int index) const;
    void SetBonus(int index, uint8_t value);
    // The editor allows 0 to 8.
    uint8_t TacticalEducation() const { return tacticalEducation_; }
    void SetTacticalEducation(uint8_t value) { tacticalEducation_ = value; }

    // Languages: native language, two further languages and a fourth slot (indexes into the
    // language list, 0 none).
    uint8_t Language(int slot) const { return ValueAt(languages_, slot); }
    // Stores a language into slot 0 to 3 as it is.
    void SetLanguageByte(int slot, uint8_t language);
    // The editor's store of slots 0 to 2: a negative language, or one already present in an
    // earlier slot, is not stored.
    void SetLanguage(int slot, int language);
    // Clears a language equal to an earlier one and moves the filled slots forward, so that
    // no empty slot stands before a filled one.
    void TidyLanguages();

    // Looks -----------------------------------------------------------------------------------

    uint8_t HairColour() const { return hairColour_; }
    void SetHairColour(uint8_t value) { hairColour_ = value; }
    // Not known; kept as read, written after the hair colour; the look page sets it to 0.
    uint8_t LookValueD() const { return lookValueD_; }
    void SetLookValueD(uint8_t value) { lookValueD_ = value; }
    uint8_t FaceType() const { return faceType_; } // face and skin type
    void SetFaceType(uint8_t value) { faceType_ = value; }
    uint8_t HairStyle() const { return hairStyle_; }
    void SetHairStyle(uint8_t value) { hairStyle_ = value; }
    uint8_t Beard() const { return beard_; } // beard and moustache
    void SetBeard(uint8_t value) { beard_ = value; }
    // Stored height (cm) and weight (kg), as written back.
    uint8_t Height() const { return height_; }
    void SetHeight(uint8_t cm) { height_ = cm; }
    uint8_t Weight() const { return weight_; }
    void SetWeight(uint8_t kg) { weight_ = kg; }
    // Height limited to 150-220 cm and weight to 50-150 kg.
    uint8_t GetHeight() const;
    uint8_t GetWeight() const;
    // Entry of the special face table, 0 for none.
    uint16_t SpecialFace() const { return specialFace_; }
    void SetSpecialFace(uint16_t face) { specialFace_ = face; }
    uint8_t ShoeType() const { return shoeType_; } // 0 to 5
    void SetShoeType(uint8_t value) { shoeType_ = value; }
    uint8_t KitFlags() const { return kitFlags_; }
    void SetKitFlags(uint8_t flags) { kitFlags_ = flags; }
    // File name of the player's photo.
    const std::string& Photo() const { return photo_; }
    void SetPhoto(std::string photo) { photo_ = std::move(photo); }

    // Career --------------------------------------------------------------------------------

    // Club references (club IDs, see IPlayerWorld); 0 for none.
    uint32_t FirstClub() const { return firstClub_; }
    void SetFirstClub(uint32_t reference) { firstClub_ = reference; }
    uint32_t PreviousClub() const { return previousClub_; }
    void SetPreviousClub(uint32_t reference) { previousClub_ = reference; }
    uint32_t FavouriteClub() const { return favouriteClub_; }
    void SetFavouriteClub(uint32_t reference) { favouriteClub_ = reference; }
    // A club reference of unknown meaning; kept as read, but set to 0 when its club is gone.
    uint32_t ClubReferenceE() const { return clubReferenceE_; }
    void SetClubReferenceE(uint32_t reference) { clubReferenceE_ = reference; }
    uint32_t LoanClub() const { return loanClub_; }
    void SetLoanClub(uint32_t reference) { loanClub_ = reference; }
    uint32_t NeverJoinClub() const { return neverJoinClub_; }
    void SetNeverJoinClub(uint32_t reference) { neverJoinClub_ = reference; }

    // Year the player joined his club (1980 to the current game year) and the year his
    // contract ends (current game year to 2015).
    int16_t YearJoined() const { return yearJoined_; }
    void SetYearJoined(int16_t year) { yearJoined_ = year; }
    int16_t ContractEnd() const { return contractEnd_; }
    void SetContractEnd(int16_t year) { contractEnd_ = year; }
    // Signing date and end date of the loan or contract.
    GameDate ContractStartDate() const { return contractStartDate_; }
    void SetContractStartDate(GameDate date) { contractStartDate_ = date; }
    GameDate ContractEndDate() const { return contractEndDate_; }
    void SetContractEndDate(GameDate date) { contractEndDate_ = date; }

    uint8_t InternationalCaps() const { return caps_; }
    void SetInternationalCaps(uint8_t caps) { caps_ = caps; }
    uint8_t InternationalGoals() const { return goals_; }
    void SetInternationalGoals(uint8_t goals) { goals_ = goals; }
    // See the kInNationalTeam, kRefusesNationalTeam and kNationalStart* bits.
    uint8_t NationalTeamFlags() const { return nationalTeamFlags_; }
    void SetNationalTeamFlags(uint8_t flags) { nationalTeamFlags_ = flags; }
    uint8_t FavouriteCountry() const { return favouriteCountry_; } // country number, 0 none
    void SetFavouriteCountry(uint8_t country) { favouriteCountry_ = country; }
    // Player ID of a related player, 0 for none.
    uint32_t RelatedPlayer() const { return relatedPlayer_; }
    void SetRelatedPlayer(uint32_t playerId) { relatedPlayer_ = playerId; }

    // Two values not known; kept as read (new records: A 0, B 2) and written into the game
    // database (value A for roles 1 and 2 only).
    uint8_t ValueA() const { return valueA_; }
    void SetValueA(uint8_t value) { valueA_ = value; }
    uint8_t ValueB() const { return valueB_; }
    void SetValueB(uint8_t value) { valueB_ = value; }
    // Not known; held in memory only (not part of the PLAYER section); 0 for a new record.
    uint8_t ValueG() const { return valueG_; }
    void SetValueG(uint8_t value) { valueG_ = value; }

    // Free text of several lines, kept with CR LF line ends.
    const std::string& Notes() const { return notes_; }
    void SetNotes(std::string notes) { notes_ = std::move(notes); }

    // File ------------------------------------------------------------------------------------

    // Writes the PLAYER section into a file open for writing. Club references are written
    // translated by the world's club renumbering. False when a line could not be written.
    bool Save(CKLFile& file) const;
    // Reads the PLAYER section at the file's position, converting the values of files of older
    // versions (the version of the file is the one read last, FileVersion::Loaded()). Values
    // that other parts use as indexes are made safe as they are read: country numbers above
    // 206 and languages above 58 become 0, club references without a country (0 or above 206)
    // or without a club number become 0, bonus values are limited to 15, hair style 255
    // becomes 5 and related players of 60000 or more become 0. The other ranges are left to
    // PostLoadCheck. A missing section leaves the record as it is, apart from the look-ups
    // made for old files. True when the section was found.
    bool Load(CKLFile& file);
    // Limits every value to its range and drops references to clubs and players that do not
    // exist in the world (without a world the references are kept): ClampRanges, then
    // KeepsWorldReference for each of the WorldReference values.
    void PostLoadCheck();
    // The part of PostLoadCheck that needs no world: every value limited to its range (talent
    // 0-4, positions, ratings 0-6, abilities 1-10, traits, experience, shoe type, year joined
    // 1980 to the current game year, contract end up to 2015, ...).
    void ClampRanges();

    // The values PostLoadCheck looks up in the world: six club references, the special face
    // and the related player. Each is checked on its own, so a load may note them while the
    // player is read and check them once the whole world is there.
    enum class WorldReference : uint8_t {
        kFirstClub,
        kPreviousClub,
        kFavouriteClub,
        kClubReferenceE,
        kLoanClub,
        kNeverJoinClub,
        kSpecialFace,
        kRelatedPlayer,
    };
    static constexpr int kWorldReferenceCount = 8;
    uint32_t WorldReferenceValue(WorldReference which) const;
    // All of them at once, in WorldReference order; bit i of the result is set when value i
    // is not 0.
    unsigned WorldReferenceValues(std::array<uint32_t, kWorldReferenceCount>& values) const;
    // Whether PostLoadCheck keeps `value` (not 0) as the reference `which` in `world`.
    static bool KeepsWorldReference(IPlayerWorld& world, WorldReference which, uint32_t value);
    // Sets the reference to 0, as PostLoadCheck does with one the world does not keep.
    void DropWorldReference(WorldReference which);

    // Derived values ----------------------------------------------------------------------------

    // Number of abilities that are not 1 plus the number of traits that are not normal.
    int GetDetailValue() const;
    // Rating at each position 1 to 17 (index 0 is position 1); may be negative.
    std::array<float, kPositionCount> GetPositionRatings() const;
    // Rating at one position 1 to 17 (0 for no position); may be negative.
    float GetPositionRating(int position) const;
    // The largest position rating, 0 when negative.
    float GetRating() const;
    // The rating at the main position, 0 when negative.
    float GetMainPositionRating() const;
    SpecialAbility GetSpecialAbility() const;
    // String-table entry of a special ability's name (codes 1 to 23); 0 for other codes.
    static int SpecialAbilityNameId(int code);

    bool operator==(const CPlayer& other) const = default;

    // Asks the processor to fetch the role, team and names ahead of their use, for walks over
    // many persons that look them up one after the other.
    void PrefetchCheckedFields() const {
        __builtin_prefetch(&role_);
        __builtin_prefetch(&surname_[sizeof(surname_) - 1]);
    }

private:
    // Values that older editions of the files stored differently (major, minor of the file).
    void ConvertOldValues(uint32_t major, uint32_t minor);
    // The limits Load applies (see there).
    void ClampLoadedValues();

    IPlayerWorld* world_ = nullptr;
    uint32_t id_ = 0;
    uint32_t mappedId_ = 0;
    uint8_t role_ = 0;
    uint8_t reserve_ = 0;
    uint8_t nationality_ = 0;
    uint8_t secondNationality_ = 0;
    uint8_t foreignExemption_ = 0;
    char firstName_[16] = {};
    char surname_[20] = {};
    char nickname_[20] = {};
    char pseudonym_[20] = {};
    GameDate birthDate_;
    uint8_t talent_ = 2;
    uint8_t staffLevel_ = 0;
    uint8_t preferredFoot_ = 1;
    std::array<uint8_t, kAbilityCount> abilities_{};
    std::array<uint8_t, kTraitCount> traits_{};
    uint8_t leagueExperience_ = 0;
    uint8_t internationalExperience_ = 0;
    uint8_t shirtNumber_ = 0;
    uint8_t mainPosition_ = 0;
    std::array<uint8_t, 2> otherPositions_{};
    std::array<uint8_t, kPositionRatingCount> positionRatings_{};
    uint8_t hairColour_ = 2;
    uint8_t lookValueD_ = 0;
    uint8_t faceType_ = 1;
    uint8_t hairStyle_ = 5;
    uint8_t beard_ = 1;
    uint8_t height_ = 180;
    uint8_t weight_ = 75;
    std::string photo_;
    uint32_t firstClub_ = 0;
    uint32_t previousClub_ = 0;
    int16_t yearJoined_ = 0;
    int16_t contractEnd_ = 0;
    uint8_t caps_ = 0;
    uint8_t goals_ = 0;
    std::array<uint8_t, kBonusCount> bonus_{};
    std::array<uint8_t, kLanguageSlots> languages_{};
    uint32_t favouriteClub_ = 0;
    uint32_t clubReferenceE_ = 0;
    uint32_t relatedPlayer_ = 0;
    uint8_t valueA_ = 0;
    uint8_t valueB_ = 2;
    uint8_t tacticalEducation_ = 3;
    uint8_t nationalTeamFlags_ = 0;
    uint32_t loanClub_ = 0;
    GameDate contractStartDate_;
    GameDate contractEndDate_;
    uint32_t neverJoinClub_ = 0;
    uint8_t favouriteCountry_ = 0;
    uint16_t specialFace_ = 0;
    uint8_t shoeType_ = 2;
    uint8_t kitFlags_ = 0;
    std::string notes_;
    uint8_t valueG_ = 0;
};

// The country number of a club reference (bits 16-23).
constexpr uint8_t ClubReferenceCountry(uint32_t reference) {
    return static_cast<uint8_t>((reference >> 16) & 0xFFu);
}

} // namespace tallo
