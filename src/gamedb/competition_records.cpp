#include "gamedb/competition_records.h"

#include <algorithm>

#include "competitions/db_competition.h"
#include "competitions/db_cup.h"
#include "competitions/db_fixturelist.h"
#include "competitions/db_league_base.h"
#include "competitions/db_pool.h"
#include "competitions/db_round.h"
#include "gamedb/country_record.h"
#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"

namespace tallo {

namespace {

// Last day of the season a league's day list looks at (cups look at the whole season).
constexpr int kLastLeagueDay = 364;
// A pool record always has this many slots for the competitions to check.
constexpr int kPoolCheckSlots = 3;

void WriteHead(MasterBuffer& buffer, const CDBCompetition& node, uint16_t kind) {
    buffer.U32(node.Id());
    buffer.U16(kind);
}

// A link list: the entries before the first 0, then those entries (with the country override).
void WriteLinks(MasterBuffer& buffer, const CDBCompetition::LinkList& links,
                uint32_t countryOverride) {
    uint32_t count = 0;
    while (count < links.size() && links[count] != 0) {
        ++count;
    }
    buffer.U32(count);
    for (uint32_t i = 0; i < count; ++i) {
        buffer.U32(CompetitionId::Override(links[i], countryOverride));
    }
}

// The tail every record ends with: level, predecessors, successors.
void WriteTail(MasterBuffer& buffer, const CDBCompetition& node, uint32_t countryOverride) {
    buffer.U32(static_cast<uint32_t>(node.Level()));
    WriteLinks(buffer, node.Predecessors(), countryOverride);
    WriteLinks(buffer, node.Successors(), countryOverride);
}

// The numbers of the days 0 to `lastDay` that carry a matchday, ascending, then zeros: always
// exactly the node's required number of entries.
void WriteDayList(MasterBuffer& buffer, const CDBCompetition& node, int lastDay) {
    const int32_t required = std::max(node.RequiredMatchdays(), 0);
    int32_t written = 0;
    for (int day = 0; day <= lastDay && written < required; ++day) {
        if (node.MatchdayOn(day) != 0) {
            buffer.U16(static_cast<uint16_t>(day));
            ++written;
        }
    }
    for (; written < required; ++written) {
        buffer.U16(0);
    }
}

void WriteValues(MasterBuffer& buffer, const CDBCompetition& node) {
    for (int index = 0; index < CDBCompetition::kValueCount; ++index) {
        buffer.U32(static_cast<uint32_t>(node.GetValue(index)));
    }
}

} // namespace

void WriteLeagueRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                       const CDBLeagueBase& league, uint32_t countryOverride) {
    WriteHead(buffer, league, CompetitionRecordKind::kLeague);
    buffer.String(league.Name());
    buffer.U32(static_cast<uint32_t>(league.Size()));
    buffer.U32(static_cast<uint32_t>(league.Level()));
    buffer.U8(league.RelegationRule());
    buffer.U8(league.SpareByte());
    buffer.U32(static_cast<uint32_t>(league.Rounds()));
    buffer.U32(GameMultiplierBits(league.AttendanceMultiplier()));
    buffer.U32(GameMultiplierBits(league.TransferMultiplier()));

    const std::vector<uint32_t> teams = league.Teams();
    buffer.U32(static_cast<uint32_t>(teams.size()));
    for (uint32_t team : teams) {
        buffer.U32(context.GameClubReference(team));
    }

    WriteDayList(buffer, league, kLastLeagueDay);

    // One row per required matchday, half the size in columns: the shape the game derives
    // from the record's size and rounds.
    const CDBFixturelist& fixtures = league.Fixtures();
    const int rows = std::max(league.RequiredMatchdays(), 0);
    const int columns = std::max(league.Size(), 0) / 2;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const CDBFixturelist::Pairing pairing = fixtures.GetPairing(row, column);
            buffer.U8(pairing.home);
            buffer.U8(pairing.away);
        }
    }

    WriteValues(buffer, league);
    WriteTail(buffer, league, countryOverride);
}

void WriteCupRecord(MasterBuffer& buffer, const CDBCup& cup, uint32_t countryOverride) {
    WriteHead(buffer, cup, CompetitionRecordKind::kCup);
    buffer.String(cup.Name());
    buffer.U32(cup.Scheme());
    WriteDayList(buffer, cup, CDBCompetition::kLastDay);

    // The scheme's r rounds use the last r round slots.
    const int rounds = std::min(static_cast<int>(cup.SchemeRounds().size()),
                                static_cast<int>(CDBCup::kRoundSlots));
    for (int slot = CDBCup::kRoundSlots - rounds; slot < CDBCup::kRoundSlots; ++slot) {
        for (int index = 0; index < CDBCup::kRoundValues; ++index) {
            buffer.U32(static_cast<uint32_t>(cup.GetRoundValue(index, slot)));
        }
    }
    WriteTail(buffer, cup, countryOverride);
}

void WriteRoundRecord(MasterBuffer& buffer, const CDBRound& round, uint32_t countryOverride) {
    WriteHead(buffer, round, CompetitionRecordKind::kRound);
    buffer.String(round.Name());
    buffer.U32(static_cast<uint32_t>(round.RoundSetting()));
    // Day 0 is never a leg day; the second leg is the next matchday day after the first (0
    // when there is no first leg).
    buffer.U16(static_cast<uint16_t>(round.FirstLegDay()));
    buffer.U32(round.FirstLegFlags());
    buffer.U16(static_cast<uint16_t>(round.SecondLegDay()));
    buffer.U32(round.SecondLegFlags());
    WriteValues(buffer, round);
    WriteTail(buffer, round, countryOverride);
}

void WritePoolRecord(MasterBuffer& buffer, const CDBPool& pool, uint32_t countryOverride) {
    WriteHead(buffer, pool, CompetitionRecordKind::kPool);
    buffer.U32(static_cast<uint32_t>(pool.PoolValue1()));
    buffer.U32(static_cast<uint32_t>(pool.PoolValue2()));
    buffer.U16(static_cast<uint16_t>(pool.PoolSort()));

    std::vector<uint32_t> checks = pool.CheckIds();
    if (checks.size() > static_cast<size_t>(kPoolCheckSlots)) {
        checks.resize(kPoolCheckSlots);
    }
    buffer.U32(static_cast<uint32_t>(checks.size()));
    for (uint32_t id : checks) {
        buffer.U32(id); // as stored: the override never touches them
    }
    for (size_t slot = checks.size(); slot < static_cast<size_t>(kPoolCheckSlots); ++slot) {
        buffer.U32(0);
    }
    WriteTail(buffer, pool, countryOverride);
}

bool WriteCompetitionGameData(MasterBuffer& buffer, const MasterBuildContext& context,
                              const CDBCompetition& node, uint32_t countryOverride) {
    // The class decides the record (a play-off is a cup, the Scottish relegation league a
    // league); roots and nodes of other kinds have none.
    if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
        WriteLeagueRecord(buffer, context, *league, countryOverride);
        return true;
    }
    if (const auto* cup = dynamic_cast<const CDBCup*>(&node)) {
        WriteCupRecord(buffer, *cup, countryOverride);
        return true;
    }
    if (const auto* round = dynamic_cast<const CDBRound*>(&node)) {
        WriteRoundRecord(buffer, *round, countryOverride);
        return true;
    }
    if (const auto* pool = dynamic_cast<const CDBPool*>(&node)) {
        WritePoolRecord(buffer, *pool, countryOverride);
        return true;
    }
    return false;
}

void WriteCompetitionRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                            const CDBCompetition& node) {
    WriteCompetitionGameData(buffer, context, node, CompetitionId::kNoCountryOverride);
}

} // namespace tallo
