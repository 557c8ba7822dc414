#include "gamedb/country_record.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "competitions/competition_id.h"
#include "competitions/db_competition.h"
#include "competitions/db_league_base.h"
#include "formats/record_text.h"
#include "gamedb/club_record.h"
#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "gamedb/player_record.h"
#include "gamedb/record_console_looks.h"
#include "gamedb/record_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player_pool_entry.h"
#include "world/referee.h"
#include "world/stadium.h"
#include "world/stadium_list.h"
#include "world/staff_member.h"
#include "world/world.h"

#include "gamedb/competition_records.h"

namespace tallo {

namespace {

// Competition kinds of a country's tree.
constexpr uint32_t kLeagueKind = 1;
constexpr uint32_t kNationalCupKind = 3;
// The cups after the national cup, in the order of the record.
constexpr std::array<uint32_t, 4> kFurtherCupKinds = {4, 6, 5, 7};

// Clubs (national team not counted) a country needs for its league and cup part and its
// competition records, and the number of club references that part carries.
constexpr size_t kNormalMinimumClubs = 8;
constexpr size_t kConsoleMinimumClubs = 6;

// Texts standing in for a missing first league and national cup.
constexpr int kFirstDivisionString = 517;
constexpr int kNationalCupString = 518;

// Factors of a country without a first league in its record: 1.0 and 0.5.
constexpr uint32_t kDefaultAttendanceFactor = 0x3F800000u;
constexpr uint32_t kDefaultTransferFactor = 0x3F000000u;

// Game stand j is the editor's stand kGameStandOrder[j]: main stand, north-west corner, north
// stand, south-west corner, opposite stand, south-east corner, south stand, north-east corner.
constexpr std::array<int, Stadium::kStandCount> kGameStandOrder = {0, 4, 2, 6, 1, 7, 3, 5};

size_t MinimumClubs(const MasterBuildContext& context) {
    return context.Console() ? kConsoleMinimumClubs : kNormalMinimumClubs;
}

const CDBLeagueBase* FirstLeague(const CWorld& world, uint32_t country) {
    return dynamic_cast<const CDBLeagueBase*>(
        world.FindCompetition(CompetitionId::Make(country, kLeagueKind, 0)));
}

void WriteStands(MasterBuffer& buffer, const int32_t (&places)[Stadium::kStandCount]) {
    std::array<uint32_t, Stadium::kStandCount> game{};
    for (int j = 0; j < Stadium::kStandCount; ++j) {
        game[static_cast<size_t>(j)] = static_cast<uint32_t>(places[kGameStandOrder[j]]);
    }
    buffer.U32Array(game.data(), game.size());
}

// Items 28 and 29: the league and cup part (when the country has enough clubs) and the two
// factors of the first league.
void WriteLeagueAndCupPart(MasterBuffer& buffer, const MasterBuildContext& context,
                           const CCountry& country) {
    const size_t minimum = MinimumClubs(context);
    const uint32_t number = country.Number();
    uint32_t attendanceFactor = kDefaultAttendanceFactor;
    uint32_t transferFactor = kDefaultTransferFactor;

    if (country.GetOrdinaryClubCount() >= minimum) {
        const CDBLeagueBase* league = FirstLeague(context.world, number);
        bool teamsFilled = false;
        if (league != nullptr) {
            const CDBCompetition* cup =
                context.world.FindCompetition(CompetitionId::Make(number, kNationalCupKind, 0));
            buffer.String(league->Name());
            buffer.String(cup != nullptr ? cup->Name() : std::string_view());
            teamsFilled = league->TeamCount() >= static_cast<int32_t>(minimum);
            for (size_t slot = 0; teamsFilled && slot < minimum; ++slot) {
                teamsFilled = league->TeamAt(static_cast<int>(slot)) != 0;
            }
            attendanceFactor = GameMultiplierBits(league->AttendanceMultiplier());
            transferFactor = GameMultiplierBits(league->TransferMultiplier());
        } else {
            buffer.String(RecordText(kFirstDivisionString));
            buffer.String(RecordText(kNationalCupString));
        }
        for (size_t slot = 0; slot < minimum; ++slot) {
            uint32_t reference = teamsFilled
                                     ? league->TeamAt(static_cast<int>(slot))
                                     : ClubId::Make(number, static_cast<uint32_t>(slot + 1));
            buffer.U32(context.GameClubReference(reference));
        }
    }
    if (!context.Console()) {
        buffer.U32(attendanceFactor);
        buffer.U32(transferFactor);
    }
}

void WriteCompetitionPart(MasterBuffer& buffer, const MasterBuildContext& context,
                          const CCountry& country) {
    MasterBuffer::LengthMark part = buffer.BeginLength();
    for (uint32_t id : CountryCompetitionRecordIds(context, country)) {
        WriteCompetitionRecord(buffer, context, *context.world.FindCompetition(id));
    }
    buffer.U32(0);
    buffer.U16(0);
    buffer.EndLength(part);
}

// The country's own stadium named by its national stadium value, or nullptr. The value is a
// key of the country's stadium map; a value that also carries a country byte must carry this
// country's.
const Stadium* NationalStadium(const CCountry& country) {
    uint32_t value = country.nationalStadium;
    if (value == 0) {
        return nullptr;
    }
    uint32_t countryByte = (value >> 16) & 0xFFu;
    if (countryByte != 0) {
        if (countryByte != country.Number()) {
            return nullptr;
        }
        value &= 0xFFFFu;
    }
    return country.stadiums.Find(value);
}

void WriteSettings(MasterBuffer& buffer, const MasterBuildContext& context, const CCountry& country,
                   int pool) {
    if (context.Console()) {
        buffer.String(country.Abbreviation(context.language));
    } else {
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            buffer.String(country.Abbreviation(slot));
        }
    }
    buffer.U8(static_cast<uint8_t>(country.continent));
    buffer.U8(country.worldValueG);
    buffer.String(country.AssociationName());
    buffer.Bytes(country.languages, sizeof(country.languages));
    if (!context.Console()) {
        buffer.Bytes(country.languageShares, sizeof(country.languageShares));
    }
    buffer.U8(country.firstReserveLevel);
    buffer.U8(country.settingB);
    buffer.U8(country.teamMovement);
    buffer.U8(country.climate);

    buffer.U8(static_cast<uint8_t>(pool));
    buffer.U16(context.NameAt(pool, kMaleFirstName, FixedText(country.presidentFirstName),
                              buffer.Position()));
    buffer.U16(
        context.NameAt(pool, kSurname, FixedText(country.presidentSurname), buffer.Position()));
    buffer.U32(static_cast<uint32_t>(country.presidentBirthDate.dayNumber));

    buffer.U8(country.leagueCardRule);
    buffer.U8(country.cupCardRule);
    buffer.U8(country.redCardBanRule);
    buffer.U8(country.banStart);
    buffer.U8(country.banScopeFlags);
    buffer.U8(country.cupEntryLevels);
    buffer.Bytes(country.tieBreakRules, sizeof(country.tieBreakRules));
    buffer.Bytes(country.foreignPlayerRules, sizeof(country.foreignPlayerRules));
    buffer.Bytes(country.relegationRules, sizeof(country.relegationRules));
    buffer.U32(country.nationalCupMode);
    buffer.U8(country.cupFlags);
    buffer.U32(country.superCupMode);
    buffer.U32(country.leagueCupMode);
    buffer.U8(country.indoorTournaments);
    buffer.U8(country.winterBreak);
    buffer.U8(country.settingD);
    buffer.U8(country.generateNames ? 1 : 0);
    buffer.U8(static_cast<uint8_t>(country.generatedPlayerRating));

    if (context.Console()) {
        buffer.U32(ConsoleLooks::ConvertBitSet(ConsoleLooks::Skin(), country.allowedSkinColours));
        buffer.U32(
            ConsoleLooks::ConvertBitSet(ConsoleLooks::HairColour(), country.allowedHairColours));
        buffer.U32(
            ConsoleLooks::ConvertBitSet(ConsoleLooks::HairStyle(), country.allowedHairStyles));
        buffer.U32(ConsoleLooks::ConvertBitSet(ConsoleLooks::Beard(), country.allowedFacialHair));
        buffer.U32(ConsoleLooks::ConvertBitSet(ConsoleLooks::Face(), country.allowedFaceTypes));
    } else {
        buffer.U32(country.allowedSkinColours);
        buffer.U32(country.allowedHairColours);
        buffer.U32(country.allowedHairStyles);
        buffer.U32(country.allowedFacialHair);
        buffer.U32(country.allowedFaceTypes);
    }
    buffer.U8(country.averageHeight);
    buffer.U8(country.averageWeight);

    if (context.Console()) {
        buffer.U8(static_cast<uint8_t>(country.continentalTitles));
        buffer.U8(static_cast<uint8_t>(country.worldTitles));
    } else {
        buffer.U16(country.continentalTitles);
        buffer.U16(country.worldTitles);
        buffer.U16(country.continentalRunnerUps);
        buffer.U16(country.worldRunnerUps);
    }
    buffer.Chars16(country.valuesM, std::size(country.valuesM));
    buffer.U8(country.transferAbroadProbability);
    buffer.U32(country.transferPeriod1);
    buffer.U32(country.transferPeriod2);
}

} // namespace

uint32_t GameMultiplierBits(uint8_t hundredths) {
    // The byte times the single-precision constant 0.01; the product is exact in double
    // precision and rounded once to single precision.
    double product = static_cast<double>(0.01f) * hundredths;
    return std::bit_cast<uint32_t>(static_cast<float>(product));
}

uint8_t GameStandMask(uint8_t editorMask) {
    uint8_t game = 0;
    for (int j = 0; j < Stadium::kStandCount; ++j) {
        if ((editorMask >> kGameStandOrder[j]) & 1u) {
            game = static_cast<uint8_t>(game | (1u << j));
        }
    }
    return game;
}

uint8_t GameStadiumModel(const MasterBuildContext& context, const Stadium& stadium) {
    return context.Console() ? ConsoleLooks::StadiumModel(stadium.model) : stadium.model;
}

void WriteStadiumRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                        const Stadium& stadium) {
    buffer.U8(stadium.sizeClass);
    buffer.String(stadium.Name());
    buffer.String(stadium.City());
    buffer.U8(GameStadiumModel(context, stadium));
    WriteStands(buffer, stadium.seats);
    WriteStands(buffer, stadium.terraces);
    WriteStands(buffer, stadium.vip);
    buffer.U8(GameStandMask(stadium.seasonTicketStands));
    buffer.U8(GameStandMask(stadium.awayStands));
}

void WriteRefereeRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                        const Referee& referee) {
    buffer.U8(0); // referees take their names from pool 0
    buffer.U16(context.NameAt(0, kMaleFirstName, referee.name.FirstName(), buffer.Position()));
    buffer.U16(context.NameAt(0, kSurname, referee.name.Surname(), buffer.Position()));
    buffer.U8(referee.trait);
}

void WriteStaffRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                      const StaffMember& staff) {
    buffer.U8(0); // staff members take their names from pool 0
    buffer.U16(context.NameAt(0, kMaleFirstName, staff.name.FirstName(), buffer.Position()));
    buffer.U16(context.NameAt(0, kSurname, staff.name.Surname(), buffer.Position()));
    buffer.U8(static_cast<uint8_t>(staff.occupation & 0xFF));
    buffer.U8(staff.level);
}

void WritePoolEntryRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                          const PlayerPoolEntry& entry, int pool) {
    pool = NameStore::PoolOf(pool);
    buffer.U8(static_cast<uint8_t>(pool));
    buffer.U16(context.NameAt(pool, kMaleFirstName, entry.name.FirstName(), buffer.Position()));
    buffer.U16(context.NameAt(pool, kSurname, entry.name.Surname(), buffer.Position()));
    buffer.U16(context.NameAt(pool, kThirdName, entry.FurtherName(), buffer.Position()));
    buffer.U8(RecordCountryByte(entry.nationality));
    buffer.U8(entry.specialSkill);
    buffer.U32(0);
}

std::vector<uint32_t> CountryCompetitionRecordIds(const MasterBuildContext& context,
                                                  const CCountry& country) {
    std::vector<uint32_t> ids;
    if (country.GetOrdinaryClubCount() < MinimumClubs(context)) {
        return ids;
    }
    const CWorld& world = context.world;
    const uint32_t number = country.Number();
    std::vector<const CDBCompetition*> leagues;
    for (uint32_t level = 0; level < country.leagueCount; ++level) {
        const CDBCompetition* league =
            world.FindCompetition(CompetitionId::Make(number, kLeagueKind, level));
        if (league != nullptr) {
            leagues.push_back(league);
            ids.push_back(league->Id());
        }
    }
    for (const CDBCompetition* league : leagues) {
        const CDBCompetition* parent = world.FindCompetition(league->ParentId());
        if (parent != nullptr) {
            ids.push_back(parent->Id());
        }
    }
    const CDBCompetition* cup =
        world.FindCompetition(CompetitionId::Make(number, kNationalCupKind, 0));
    if (cup != nullptr) {
        ids.push_back(cup->Id());
    }
    for (uint32_t kind : kFurtherCupKinds) {
        const CDBCompetition* further = world.FindCompetition(CompetitionId::Make(number, kind, 0));
        if (further != nullptr) {
            ids.push_back(further->Id());
        }
    }
    return ids;
}

void WriteCountryRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                        CCountry& country) {
    std::string name0(country.Name(0));
    std::string line = RecordPrintf("%s\n", name0.c_str());
    context.text.Emit(ConsoleTextFile::Badges, line);
    context.text.Emit(ConsoleTextFile::Kits, line);
    context.text.Emit(ConsoleTextFile::Log, line);

    // The body length stands only in the normal database; the console reader walks the record.
    MasterBuffer::LengthMark body{};
    if (!context.Console()) {
        body = buffer.BeginLength();
    }
    const int pool = NameStore::PoolOf(country.languages[0]);
    WriteSettings(buffer, context, country, pool);

    buffer.U32(static_cast<uint32_t>(country.GetOrdinaryClubCount()));
    WriteLeagueAndCupPart(buffer, context, country);

    CClub* nationalTeam = nullptr;
    for (const auto& [id, club] : country.Clubs()) {
        if (club->IsNationalTeam()) {
            nationalTeam = club.get();
            continue;
        }
        WriteClubRecord(buffer, context, *club);
    }
    if (!context.Console() && nationalTeam != nullptr) {
        WriteClubRecord(buffer, context, *nationalTeam);
    }

    WriteCompetitionPart(buffer, context, country);

    buffer.U32(static_cast<uint32_t>(country.referees.Count()));
    for (const auto& [id, referee] : country.referees) {
        WriteRefereeRecord(buffer, context, referee);
    }
    buffer.U32(static_cast<uint32_t>(country.staff.Count()));
    for (const auto& [id, staff] : country.staff) {
        WriteStaffRecord(buffer, context, staff);
    }
    buffer.U32(0);
    buffer.U32(static_cast<uint32_t>(country.PlayerPoolInUse()));
    for (const PlayerPoolEntry& entry : country.PlayerPool()) {
        if (entry.InUse()) {
            WritePoolEntryRecord(buffer, context, entry, pool);
        }
    }

    const Stadium* national = NationalStadium(country);
    if (national != nullptr) {
        WriteStadiumRecord(buffer, context, *national);
    } else {
        Stadium fallback = MakeSmallFallbackStadium();
        fallback.SetCity(country.Name(context.language));
        WriteStadiumRecord(buffer, context, fallback);
    }

    if (!context.Console()) {
        buffer.EndLength(body);
    }
}

} // namespace tallo
