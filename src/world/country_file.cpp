// The COUNTRY section of "Country<n>.sav", item by item.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "formats/kl_file.h"
#include "formats/record_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"
#include "world/country_load_stage.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr std::string_view kCompetitionPartSection = "COMPETITIONPART";
constexpr std::string_view kCompetitionSection = "COMPETITION";
constexpr std::string_view kClubsSection = "CLUBS";
constexpr std::string_view kRefereesSection = "REFEREES";
constexpr std::string_view kSponsorsSection = "SPONSORS";
constexpr std::string_view kStaffSection = "STAFFS";
constexpr std::string_view kStadiumsSection = "STADIUMS";
constexpr std::string_view kOldManagerSection = "MANAGER";
constexpr std::string_view kAddManagerSection = "ADDMANAGER";
constexpr std::string_view kPlayerPoolSection = "PLAYERPOOL";
constexpr std::string_view kMiscSection = "COUNTRY_MIST";

constexpr int kTopLeaguePlaceholderString = 517;   // "1. Дивизион"
constexpr int kNationalCupPlaceholderString = 518; // "Национальный Кубок"
constexpr int kCompetitionPartTeams = 8;

// The smallest number of bytes a section named `name` takes in a file (its begin and end
// lines with LF ends). Counts read from a file are limited by what the file could hold, so
// that no count makes the loader create more records than the file has bytes for.
size_t MinimumSectionBytes(std::string_view name) {
    return 2 * name.size() + 7 + 10 + 2;
}

size_t CountFromFile(int32_t count, const CKLFile& file, std::string_view recordSection,
                     size_t limit) {
    if (count <= 0) {
        return 0;
    }
    size_t fits = file.BytesRead() / MinimumSectionBytes(recordSection);
    return std::min({static_cast<size_t>(count), fits, limit});
}

// Notes are written on one line: carriage returns dropped, line feeds as tabs. A tab of the
// notes themselves is written as a blank, as it would read back as a line break.
std::string NotesForFile(const std::string& notes) {
    std::string line;
    line.reserve(notes.size());
    for (char c : notes) {
        if (c == '\r') {
            continue;
        }
        line.push_back(c == '\n' ? '\t' : c == '\t' ? ' ' : c);
    }
    return line;
}

std::string NotesFromFile(const std::string& line) {
    std::string notes;
    notes.reserve(line.size() + 16);
    for (char c : line) {
        if (c == '\t') {
            notes.append("\r\n");
        } else {
            notes.push_back(c);
        }
    }
    return notes;
}

void ClampBelow(uint8_t& value, uint8_t limit, uint8_t replacement) {
    if (value >= limit) {
        value = replacement;
    }
}

} // namespace

// Saving -----------------------------------------------------------------------------------------

bool CCountry::Save(CKLFile& file) const {
    if (!file.WriteSectionBegin(kSection)) {
        return false;
    }
    bool ok = WriteVersion(file);
    ok = file.WriteInt(IsComplete() ? 1 : 0) && ok;
    if (GetOrdinaryClubCount() >= kCompetitionPartClubs) {
        ok = SaveCompetitionPart(file) && ok;
    }
    ok = SaveCompetitions(file) && ok;
    ok = SaveClubs(file) && ok;
    ok = referees.WriteList(file, kRefereesSection) && ok;
    ok = sponsors.WriteList(file, kSponsorsSection) && ok;
    ok = staff.WriteList(file, kStaffSection) && ok;
    ok = stadiums.WriteList(file, kStadiumsSection) && ok;
    ok = SaveAdditionalManagers(file) && ok;
    ok = SavePlayerPool(file) && ok;
    ok = SaveMisc(file) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool CCountry::SaveCompetitionPart(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kCompetitionPartSection);
    const CountryCompetitionTree* tree = competitions_.get();
    if (tree != nullptr && tree->HasTopLeague()) {
        ok = file.WriteString(tree->TopLeagueName()) && ok;
        ok = file.WriteString(tree->NationalCupName()) && ok;
        std::vector<uint32_t> teams = tree->TopLeagueTeams();
        for (int i = 0; i < kCompetitionPartTeams; ++i) {
            uint32_t team = static_cast<size_t>(i) < teams.size() ? teams[i] : 0;
            ok = file.WriteHex(team != 0 ? TranslateClubReference(team) : 0) && ok;
        }
    } else {
        ok = file.WriteString(RecordText(kTopLeaguePlaceholderString)) && ok;
        ok = file.WriteString(RecordText(kNationalCupPlaceholderString)) && ok;
        for (int k = 1; k <= kCompetitionPartTeams; ++k) {
            ok = file.WriteHex(ClubId::Make(number_, static_cast<uint32_t>(k))) && ok;
        }
    }
    ok = file.WriteSectionEnd(kCompetitionPartSection) && ok;
    return ok;
}

bool CCountry::SaveCompetitions(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kCompetitionSection);
    if (competitions_) {
        ok = competitions_->Save(file) && ok;
    } else {
        ok = file.WriteInt(0) && ok;
    }
    ok = file.WriteSectionEnd(kCompetitionSection) && ok;
    return ok;
}

bool CCountry::SaveClubs(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kClubsSection);
    ok = file.WriteInt(static_cast<int32_t>(GetOrdinaryClubCount())) && ok;
    CountryClubContext context(const_cast<CCountry&>(*this));
    const CClub* nationalTeam = nullptr;
    uint32_t number = 1;
    for (const auto& [id, club] : clubs_) {
        if (ClubId::IsNationalTeam(id)) {
            nationalTeam = club.get();
            continue;
        }
        ok = club->Save(file, number, context) && ok;
        ++number;
    }
    if (nationalTeam != nullptr) {
        ok = nationalTeam->Save(file, ClubId::kNationalTeamNumber, context) && ok;
    }
    ok = file.WriteSectionEnd(kClubsSection) && ok;
    return ok;
}

bool CCountry::SaveAdditionalManagers(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kAddManagerSection);
    // Only entries that hold a player are written, and the count says so: a count that
    // included empty entries would make the loader invent players for them.
    std::vector<const CPlayer*> managers;
    managers.reserve(additionalManagers_.size());
    for (uint32_t id : additionalManagers_) {
        const CPlayer* player = world_ != nullptr ? std::as_const(*world_).FindPlayer(id) : nullptr;
        if (player != nullptr) {
            managers.push_back(player);
        }
    }
    ok = file.WriteInt(static_cast<int32_t>(managers.size())) && ok;
    for (const CPlayer* player : managers) {
        ok = player->Save(file) && ok;
    }
    ok = file.WriteSectionEnd(kAddManagerSection) && ok;
    return ok;
}

bool CCountry::SavePlayerPool(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kPlayerPoolSection);
    ok = file.WriteInt(static_cast<int32_t>(PlayerPoolInUse())) && ok;
    for (const PlayerPoolEntry& entry : playerPool_) {
        if (!entry.InUse()) {
            continue;
        }
        // The favourite club is a club reference like any other and follows the numbering.
        PlayerPoolEntry written = entry;
        written.favouriteClub = static_cast<int32_t>(
            TranslateClubReference(static_cast<uint32_t>(entry.favouriteClub)));
        ok = written.Write(file) && ok;
    }
    ok = file.WriteSectionEnd(kPlayerPoolSection) && ok;
    return ok;
}

bool CCountry::SaveMisc(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kMiscSection);
    auto chars = [&file, &ok](std::initializer_list<uint8_t> values) {
        for (uint8_t value : values) {
            ok = file.WriteChar(static_cast<int8_t>(value)) && ok;
        }
    };
    ok = file.WriteString(names_[0]) && ok;
    ok = file.WriteString(Abbreviation(0)) && ok;
    ok = file.WriteByte(static_cast<uint8_t>(continent)) && ok;
    chars({leagueCount, 0});
    ok = file.WriteString(AssociationName()) && ok;
    ok = file.WriteByteArray(languages, kLanguages) && ok;
    ok = file.WriteByteArray(languageShares, kLanguages) && ok;
    chars({firstReserveLevel, settingB});
    ok = file.WriteString(FixedText(presidentFirstName)) && ok;
    ok = file.WriteString(FixedText(presidentSurname)) && ok;
    ok = presidentBirthDate.Write(file) && ok;
    for (std::string_view text :
         {FixedText(newspaperReporterFirstName), FixedText(newspaperReporterSurname),
          FixedText(stadiumReporterFirstName), FixedText(stadiumReporterSurname),
          FixedText(studioReporterFirstName), FixedText(studioReporterSurname)}) {
        ok = file.WriteString(text) && ok;
    }
    chars({leagueCardRule, cupCardRule, redCardBanRule, banStart, banScopeFlags, cupEntryLevels});
    for (int level = 0; level < kLeagueLevels; ++level) {
        chars({firstLeagueIndex[level], endLeagueIndex[level], leagueValuesP[level],
               leagueValuesQ[level], tieBreakRules[level], foreignPlayerRules[level],
               relegationRules[level]});
    }
    ok = file.WriteInt(static_cast<int32_t>(nationalCupMode)) && ok;
    chars({cupFlags});
    ok = file.WriteInt(static_cast<int32_t>(StadiumPosition(nationalStadium))) && ok;
    ok = file.WriteInt(static_cast<int32_t>(superCupMode)) && ok;
    ok = file.WriteInt(static_cast<int32_t>(leagueCupMode)) && ok;
    chars({indoorTournaments, winterBreak, settingD, teamMovement, climate});
    for (uint16_t value : valuesM) {
        ok = file.WriteUShort(value) && ok;
    }
    ok = file.WriteByte(transferAbroadProbability) && ok;
    ok = file.WriteInt(static_cast<int32_t>(transferPeriod1)) && ok;
    ok = file.WriteInt(static_cast<int32_t>(transferPeriod2)) && ok;
    ok = nationalCoach.Write(file) && ok;
    ok = file.WriteBool(generateNames ? 1 : 0) && ok;
    ok = file.WriteChar(generatedPlayerRating) && ok;
    for (uint32_t looks : {allowedSkinColours, allowedHairColours, allowedHairStyles,
                           allowedFacialHair, allowedFaceTypes}) {
        ok = file.WriteInt(static_cast<int32_t>(looks)) && ok;
    }
    ok = file.WriteByte(averageHeight) && ok;
    ok = file.WriteByte(averageWeight) && ok;
    ok = file.WriteString(magazine) && ok;
    for (uint16_t count : {continentalTitles, worldTitles, continentalRunnerUps, worldRunnerUps}) {
        ok = file.WriteUShort(count) && ok;
    }
    ok = file.WriteString(NotesForFile(notes)) && ok;
    ok = file.WriteSectionEnd(kMiscSection) && ok;
    return ok;
}

// Loading ----------------------------------------------------------------------------------------

bool CCountry::Load(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    ReadVersion(file);
    // The records nested in the country (clubs) read VERSION sections of their own; the values
    // of the country itself follow the version of the country section.
    const uint32_t version = FileVersion::Loaded();

    ClearFileContents();
    CreateCompetitionTree(false);

    if (file.FindSection(kCompetitionPartSection)) {
        file.SkipSection(kCompetitionPartSection);
    }
    if (file.FindSection(kCompetitionSection)) {
        if (competitions_) {
            competitions_->Load(file);
        }
        file.SkipSection(kCompetitionSection);
    }
    LoadClubs(file);

    FileVersion::SetLoaded(version);
    referees.ReadList(file, kRefereesSection);
    sponsors.ReadList(file, kSponsorsSection);
    staff.ReadList(file, kStaffSection);
    stadiums.ReadList(file, kStadiumsSection);
    if (file.FindSection(kOldManagerSection)) {
        file.SkipSection(kOldManagerSection);
    }
    LoadAdditionalManagers(file);

    FileVersion::SetLoaded(version);
    ReservePlayerPool(GetClubCount() * kPoolEntriesPerClub);
    LoadPlayerPool(file);
    LoadMisc(file);

    if (!file.SkipSection(kSection)) {
        file.NoteFinding("the file ends before the end of section COUNTRY");
    }
    ClampRecords();
    if (competitions_) {
        competitions_->FinishLoad();
    }
    FileVersion::SetLoaded(version);
    if (FileVersion::LoadedMajor() == FileVersion::kCurrentMajor &&
        FileVersion::LoadedMinor() < 7) {
        ConvertOldLooks();
    }
    return true;
}

void CCountry::LoadClubs(CKLFile& file) {
    if (!file.FindSection(kClubsSection)) {
        EnsureNationalTeam();
        return;
    }
    int32_t count = 0;
    file.ReadInt(count);
    // Club numbers 1-65534; 65535 is the national team's.
    const size_t clubs = CountFromFile(count, file, "CLUB1", ClubId::kMaxClubNumber);
    CountryClubContext countryContext(*this);
    // On a stage (a read on a worker thread) the players go to the stage, not the registry.
    CountryLoadStage* stage = CountryLoadStage::Current();
    std::optional<StagedClubContext> stagedContext;
    if (stage != nullptr) {
        stagedContext.emplace(*stage, countryContext);
    }
    ClubIoContext& context =
        stagedContext ? static_cast<ClubIoContext&>(*stagedContext) : countryContext;
    size_t read = 0;
    for (size_t k = 1; k <= clubs; ++k) {
        auto club = std::make_unique<CClub>();
        club->SetDefaults(number_);
        club->SetWorld(world_);
        if (!club->Load(file, static_cast<uint32_t>(k), 0, context)) {
            // No section for this club, so none for the later ones either: no club is made
            // up for what the count promised.
            break;
        }
        AddClub(std::move(club), static_cast<uint32_t>(k));
        ++read;
    }
    if (count > 0 && read < static_cast<size_t>(count)) {
        file.NoteFinding("section CLUBS promises " + std::to_string(count) +
                         " clubs; the file holds " + std::to_string(read));
    }
    CClub* nationalTeam = EnsureNationalTeam();
    nationalTeam->Load(file, ClubId::kNationalTeamNumber, 0, context);
    for (int slot = 0; slot < 4; ++slot) {
        nationalTeam->SetName(slot, Name(slot));
    }
    file.SkipSection(kClubsSection);
}

void CCountry::LoadAdditionalManagers(CKLFile& file) {
    if (!file.FindSection(kAddManagerSection) || world_ == nullptr) {
        return;
    }
    int32_t count = 0;
    file.ReadInt(count);
    const size_t managers =
        CountFromFile(count, file, CPlayer::kSection, static_cast<size_t>(INT32_MAX));
    const uint32_t version = FileVersion::Loaded();
    CountryLoadStage* stage = CountryLoadStage::Current();
    for (size_t i = 0; i < managers; ++i) {
        CPlayer* player =
            stage != nullptr ? stage->CreatePlayer(0, true) : world_->CreatePlayer(0, true);
        if (player == nullptr) {
            break;
        }
        FileVersion::SetLoaded(version);
        if (!player->Load(file)) {
            // The count promised more managers than the section holds: no player is made up
            // for the missing ones.
            if (stage != nullptr) {
                stage->DiscardPlayer(player->Id());
            } else {
                world_->RemovePlayer(player->Id());
            }
            break;
        }
        additionalManagers_.insert(player->Id());
    }
    if (count > 0 && additionalManagers_.size() < static_cast<size_t>(count)) {
        file.NoteFinding("section ADDMANAGER promises " + std::to_string(count) +
                         " managers; the file holds " + std::to_string(additionalManagers_.size()));
    }
    file.SkipSection(kAddManagerSection);
}

void CCountry::LoadPlayerPool(CKLFile& file) {
    if (!file.FindSection(kPlayerPoolSection)) {
        return;
    }
    int32_t count = 0;
    file.ReadInt(count);
    const size_t entries = CountFromFile(count, file, PlayerPoolEntry::kSection, kMaxPlayerPool);
    ReservePlayerPool(entries);
    size_t read = 0;
    for (; read < entries; ++read) {
        if (!playerPool_[read].Read(file)) {
            break; // no further entry can be found either
        }
    }
    if (count > 0 && read < static_cast<size_t>(count)) {
        file.NoteFinding("section PLAYERPOOL promises " + std::to_string(count) +
                         " entries; the file holds " + std::to_string(read));
    }
    file.SkipSection(kPlayerPoolSection);
}

void CCountry::LoadMisc(CKLFile& file) {
    if (!file.FindSection(kMiscSection)) {
        return;
    }
    const bool currentMajor = FileVersion::AtLeastCurrentMajor();
    const bool hasNotes = FileVersion::CurrentMajorWithMinor(8);
    const bool majorZero = FileVersion::LoadedMajor() == 0;

    std::string scratch;
    uint8_t scratchByte = 0;
    int32_t scratchInt = 0;
    auto bytes = [&file](std::initializer_list<uint8_t*> values) {
        for (uint8_t* value : values) {
            file.ReadByte(*value);
        }
    };

    file.ReadCString(scratch);  // name in slot 0, taken from countries.sav
    file.ReadCString(scratch);  // abbreviation in slot 0
    file.ReadByte(scratchByte); // continent
    file.ReadByte(leagueCount);
    file.ReadByte(scratchByte); // always 0
    file.ReadString(associationName, sizeof(associationName));
    if (currentMajor) {
        file.ReadByteArray(languages, kLanguages);
        file.ReadByteArray(languageShares, kLanguages);
    } else {
        file.ReadInt(scratchInt);
        file.ReadInt(scratchInt);
    }
    bytes({&firstReserveLevel, &settingB});
    file.ReadString(presidentFirstName, sizeof(presidentFirstName));
    file.ReadString(presidentSurname, sizeof(presidentSurname));
    presidentBirthDate.Read(file);
    file.ReadString(newspaperReporterFirstName, sizeof(newspaperReporterFirstName));
    file.ReadString(newspaperReporterSurname, sizeof(newspaperReporterSurname));
    file.ReadString(stadiumReporterFirstName, sizeof(stadiumReporterFirstName));
    file.ReadString(stadiumReporterSurname, sizeof(stadiumReporterSurname));
    file.ReadString(studioReporterFirstName, sizeof(studioReporterFirstName));
    file.ReadString(studioReporterSurname, sizeof(studioReporterSurname));
    bytes({&leagueCardRule, &cupCardRule, &redCardBanRule, &banStart, &banScopeFlags,
           &cupEntryLevels});
    for (int level = 0; level < kLeagueLevels; ++level) {
        bytes({&firstLeagueIndex[level], &endLeagueIndex[level], &leagueValuesP[level],
               &leagueValuesQ[level], &tieBreakRules[level], &foreignPlayerRules[level],
               &relegationRules[level]});
    }
    file.ReadInt(nationalCupMode);
    file.ReadByte(cupFlags);
    file.ReadInt(nationalStadium);
    file.ReadInt(superCupMode);
    file.ReadInt(leagueCupMode);
    bytes({&indoorTournaments, &winterBreak, &settingD, &teamMovement, &climate});
    for (uint16_t& value : valuesM) {
        file.ReadShort(value);
    }
    file.ReadByte(transferAbroadProbability);
    file.ReadInt(transferPeriod1);
    file.ReadInt(transferPeriod2);
    nationalCoach.Read(file);
    file.ReadBool(scratchByte);
    generateNames = scratchByte != 0;
    file.ReadByte(generatedPlayerRating);
    for (uint32_t* looks : {&allowedSkinColours, &allowedHairColours, &allowedHairStyles,
                            &allowedFacialHair, &allowedFaceTypes}) {
        file.ReadInt(*looks);
    }
    bytes({&averageHeight, &averageWeight});
    file.ReadCString(magazine);
    for (uint16_t* count :
         {&continentalTitles, &worldTitles, &continentalRunnerUps, &worldRunnerUps}) {
        file.ReadShort(*count);
    }
    if (hasNotes && file.ReadCString(scratch)) {
        notes = NotesFromFile(scratch);
    }
    file.SkipSection(kMiscSection);

    if (majorZero) {
        for (uint8_t& rule : relegationRules) {
            rule = ConvertOldRelegationRule(rule);
        }
    }
    ClampSettings();
}

void CCountry::ClampSettings() {
    if (winterBreak == 0) {
        indoorTournaments = 0;
    }
    if (generatedPlayerRating > kMaxGeneratedPlayerRating) {
        generatedPlayerRating = kMaxGeneratedPlayerRating;
    }
    // Values that pick an entry of a fixed list: outside the list they would index past it.
    ClampBelow(leagueCount, kLeagueLevels + 1, kLeagueLevels);
    ClampBelow(climate, 5, 0);
    ClampBelow(teamMovement, 4, 0);
    ClampBelow(winterBreak, 2, 1);
    ClampBelow(indoorTournaments, 2, 1);
    ClampBelow(transferAbroadProbability, 101, 100);
    for (int level = 0; level < kLeagueLevels; ++level) {
        ClampBelow(tieBreakRules[level], 2, 0);
        ClampBelow(foreignPlayerRules[level], 5, 0);
    }
    if (transferPeriod1 > 2) {
        transferPeriod1 = 0;
    }
    if (transferPeriod2 > 2) {
        transferPeriod2 = 0;
    }
    for (uint8_t* rule : {&leagueCardRule, &cupCardRule}) {
        // Bits 0-6 choose one of six yellow-card schedules.
        if ((*rule & 0x7F) >= kYellowCardSchedules) {
            *rule = static_cast<uint8_t>(*rule & 0x80);
        }
    }
}

void CCountry::ClampRecords() {
    constexpr uint8_t kLastCountry = 206;
    for (PlayerPoolEntry& entry : playerPool_) {
        ClampBelow(entry.nationality, kLastCountry + 1, static_cast<uint8_t>(number_));
        ClampBelow(entry.specialSkill, PlayerPoolEntry::kSpecialSkillCount, 0);
        ClampBelow(entry.position, PlayerPoolEntry::kForward + 1, PlayerPoolEntry::kNoPosition);
    }
    if (nationalCoach.nationality < 0 || nationalCoach.nationality > kLastCountry) {
        nationalCoach.nationality = 0;
    }
    for (uint8_t& skill : nationalCoach.skills) {
        ClampBelow(skill, NationalCoach::kMaxSkill + 1, NationalCoach::kMaxSkill);
    }
    ClampBelow(nationalCoach.nationalExperience, NationalCoach::kMaxNationalExperience + 1,
               NationalCoach::kMaxNationalExperience);
    ClampBelow(nationalCoach.internationalExperience,
               NationalCoach::kMaxInternationalExperience + 1,
               NationalCoach::kMaxInternationalExperience);
    for (auto& [id, referee] : referees) {
        ClampBelow(referee.trait, Referee::kTraitCount, Referee::kNoTrait);
    }
    for (auto& [id, member] : staff) {
        ClampBelow(member.level, StaffMember::kLevelCount, StaffMember::kLevelCount - 1);
    }
}

void CCountry::ConvertOldLooks() {
    allowedFaceTypes = RemapOldFaceTypes(allowedFaceTypes);
    allowedFacialHair = RemapOldFacialHair(allowedFacialHair);
    allowedHairStyles >>= 1;
}

} // namespace tallo
