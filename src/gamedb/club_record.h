#pragma once

#include <cstdint>
#include <string_view>

namespace tallo {

class CClub;
class CWorld;
class MasterBuffer;
struct MasterBuildContext;
struct ResultRecord;

// The record of one club (or national team) in the game database, inside its country's
// record: names, texts, rivals, location, badge, league code and slot, finances, facilities,
// history, the records of its people, attendance, stadiums and kits, behind the length of its
// body.
//
// The league code the record carries is also stored into the club's club value A, so the club
// is changed by the build. Runs in both passes with the same arguments; emits the club's lines
// of the console text lists that the option bits ask for.
void WriteClubRecord(MasterBuffer& buffer, const MasterBuildContext& context, CClub& club);

// The game's code of the league a club plays in: for the countries that have codes, the code
// of the level of the first league (from league number 0 upward) that lists the club as a
// team; 0 when there is none, when the level has no code or for any other country.
uint16_t ClubLeagueCode(const CWorld& world, const CClub& club);

// The league slot byte: the penalty points (at most 15) in the low 4 bits, in the high 4 bits
// the last league level 0-4 one of whose leagues lists the club, or 6 when none does.
uint8_t ClubLeagueSlot(const CWorld& world, const CClub& club);

// A title list: the years of the comma-separated text as U16 values, ended by U16 0. Only a
// text that begins with a digit (after an optional double quote) is read, at most 511
// characters of it; the first number below 1800 ends the list; numbers above 65535 are no
// years and are left out.
void WriteYearList(MasterBuffer& buffer, std::string_view titles);

// One record result of a club's history. Wins carry the larger goal count first, the other
// records the smaller; the console database writes an empty record.
void WriteResultRecord(MasterBuffer& buffer, const ResultRecord& record, bool win, bool console);

// A stored latitude or longitude ((degrees << 16) | minutes, negated for the other
// hemisphere) as the game's signed minutes: degrees * 60 + minutes.
int32_t GameCoordinate(int32_t packed);

} // namespace tallo
