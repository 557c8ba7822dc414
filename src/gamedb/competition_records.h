#pragma once

#include <cstdint>

#include "competitions/competition_id.h"

namespace tallo {

class CDBCompetition;
class CDBCup;
class CDBLeagueBase;
class CDBPool;
class CDBRound;
class MasterBuffer;
struct MasterBuildContext;

// The game database records of the competition nodes, which stand in the country records.
//
// Every record has the same frame:
//     U32 competition ID, U16 record kind (1 league, 3 cup, 4 round, 5 pool),
//     ... the kind's own items ...,
//     U32 level, U32 p, U32 x p predecessor IDs, U32 s, U32 x s successor IDs
// where p and s count the entries of a link list before its first 0 (at most 10).
//
// Every writer runs in both passes with the same arguments and calls the same primitives in
// both. The option bits of the build change nothing here: the normal and the console database
// carry the same competition records, and no short name is ever written.
//
// Each record's length follows from its own values, so that the game can walk from one record
// to the next: the day list of a league or cup always has exactly its required number of
// entries (a calendar with more matchday days than required is cut there), and a league's
// fixture list always has (required matchdays) x (size / 2) pairings, whatever shape the
// stored table has (pairings outside the stored table are written empty).

namespace CompetitionRecordKind {
constexpr uint16_t kLeague = 1;
constexpr uint16_t kCup = 3;
constexpr uint16_t kRound = 4;
constexpr uint16_t kPool = 5;
} // namespace CompetitionRecordKind

// The record of any node as the country record asks for it: IDs as stored. Roots and nodes of
// other kinds write nothing.
void WriteCompetitionRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                            const CDBCompetition& node);

// The same with a country override: an override other than kNoCountryOverride replaces the
// country of every predecessor and successor ID; the node's own ID and a pool's IDs to check
// stay as stored. False when the node writes no record (roots, other kinds).
bool WriteCompetitionGameData(MasterBuffer& buffer, const MasterBuildContext& context,
                              const CDBCompetition& node,
                              uint32_t countryOverride = CompetitionId::kNoCountryOverride);

// The records of each kind. Leagues (CDBLeague, CDBRelScottland1) carry their teams in the
// game form of club references: a team that is no club of the world is written as 0.
void WriteLeagueRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                       const CDBLeagueBase& league,
                       uint32_t countryOverride = CompetitionId::kNoCountryOverride);
// Cups and the play-offs derived from them (England 1-3, Switzerland).
void WriteCupRecord(MasterBuffer& buffer, const CDBCup& cup,
                    uint32_t countryOverride = CompetitionId::kNoCountryOverride);
void WriteRoundRecord(MasterBuffer& buffer, const CDBRound& round,
                      uint32_t countryOverride = CompetitionId::kNoCountryOverride);
void WritePoolRecord(MasterBuffer& buffer, const CDBPool& pool,
                     uint32_t countryOverride = CompetitionId::kNoCountryOverride);

} // namespace tallo
