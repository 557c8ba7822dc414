#pragma once

#include <array>
#include <cstdint>

#include "competitions/db_competition.h"

namespace tallo {

// One code per day of the season, shared by the competitions of a country (or of an
// international competition file): what the calendar shows on the day.
using DayTypeTable = std::array<int8_t, CDBCompetition::kSeasonDays>;

// Enters a node's days into the table: on each day 1-399 the node plays, a code 25 in the
// table is cleared; then a day without a code gets the node's code: CHAMPIONSLEAGUE with day
// type 10 gives 22, UEFA_CUP with day type 10 gives 23, TOYOTA 24, EURO_SUPERCUP 21,
// WORLD_CLUB_CHAMP none, UIC 25, the national-team tournaments (QUALI_WC, QUALI_EC, WORLD_CUP,
// EURO_CUP) 20, every other node its calendar day type.
void FillDayTypes(const CDBCompetition& node, DayTypeTable& table);

} // namespace tallo
