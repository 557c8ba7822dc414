#pragma once

#include <cstdint>
#include <vector>

namespace tallo {

class CCountry;
class MasterBuffer;
struct MasterBuildContext;
struct PlayerPoolEntry;
struct Referee;
struct Stadium;
struct StaffMember;

// The record of one country in the game database (the last part of the file, countries 1 to
// 206 in order): its settings, the league and cup part, its club records, its competition
// records, referees, staff, player pool and national stadium.
//
// Runs in both passes with the same arguments. The clubs are changed by the build (each keeps
// its league code as club value A); everything else is only read. Emits the country's line of
// the console text lists that the option bits ask for.
void WriteCountryRecord(MasterBuffer& buffer, const MasterBuildContext& context, CCountry& country);

// The small records of a country.
void WriteRefereeRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                        const Referee& referee);
void WriteStaffRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                      const StaffMember& staff);
// `pool` is the country's name pool (its first language).
void WritePoolEntryRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                          const PlayerPoolEntry& entry, int pool);

// The stadium record, also written by the club records: the stands in the game's order.
void WriteStadiumRecord(MasterBuffer& buffer, const MasterBuildContext& context,
                        const Stadium& stadium);
// The model byte the stadium record carries (console database: the console model).
uint8_t GameStadiumModel(const MasterBuildContext& context, const Stadium& stadium);
// A stand mask in the game's stand order: game bit j is the editor's stand p(j).
uint8_t GameStandMask(uint8_t editorMask);

// The competitions whose records stand in the country record, in their order: the leagues of
// numbers 0 to (league levels - 1), the parent of each of them (successor 0) where it has one,
// then the national cup and the cups of kinds 4, 6, 5 and 7, each where it exists. Empty when
// the country has fewer clubs than the record's minimum.
std::vector<uint32_t> CountryCompetitionRecordIds(const MasterBuildContext& context,
                                                  const CCountry& country);

// The two factors of the first league (its attendance and transfer multipliers, hundredths
// times 0.01 in single precision) as their bit patterns.
uint32_t GameMultiplierBits(uint8_t hundredths);

} // namespace tallo
