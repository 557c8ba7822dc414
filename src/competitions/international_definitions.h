#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/qualification_program.h"

namespace tallo {

class CKLFile;

// The international competition definitions: five record files of the script folder that hold
// competition nodes (rounds, pools, cups, leagues of the European cups, the South American cup,
// the European championship qualification, the world cup and the indoor tournament) in the
// node section layout of the country files, read in its oldest form (no short names, no
// transfer multiplier).
//
// A file holds the number of node sections N, then the sections "<prefix>0" .. "<prefix>N-1"
// (absent ones are skipped). Each section holds the type line, the ID line, the node's values
// and its base values: the predecessors line, the successors line and the qualification
// program.
//
// This file describes the files as plain data (DefinitionFile), with a reader and a writer
// that gives back the same bytes for what it wrote. Loading the nodes into a world is done by
// the competition tree's node loader; see international_competitions.h.

// The calendar day-type tables of the international competitions (DayTypeTable, 400 day codes
// each); six are kept, four of them filled by the files.
enum class InternationalDayTable {
    kEuropean = 0,
    kSouthAmerican = 1,
    kQualification = 2,
    kWorldCup = 3,
};
constexpr int kInternationalDayTableCount = 6;

// One of the five files.
struct InternationalDefinitionFileInfo {
    std::string_view fileName;
    std::string_view prefix;
    // The day-type table that the nodes' days are entered in; none for the indoor tournament,
    // whose days go to a scratch table that is not kept.
    bool hasDayTable = false;
    InternationalDayTable dayTable = InternationalDayTable::kEuropean;
    // Whether the nodes belong to the international root (the indoor nodes belong to none).
    bool ownedByRoot = false;
};

// The five files in the order they are loaded: "EuropeanCup.txt" (EURO), "SouthAmCup.txt"
// (SOUTHAM), "QualiEC.txt" (QUALI_EC), "WC.txt" (WORLD_CUP), "InDoor.txt" (INDOOR).
const std::array<InternationalDefinitionFileInfo, 5>& InternationalDefinitionFiles();

// The node types a definition file can hold (the type line).
enum class DefinitionNodeType { kLeague, kCup, kRound, kPool };

// The type of a type line ("DB_LEAGUE", "DB_POOL", "DB_ROUND", and the cups "DB_CUP",
// "DB_CHALLENGE", "DB_CONFERENCE", "DB_REL1", "DB_REL2", "DB_REL3", "DB_SWITZERLAND", compared
// as whole lines); false for every other line, which the node loader skips.
bool DefinitionNodeTypeOf(std::string_view typeLine, DefinitionNodeType& type);

// One node section as the file holds it. Lists keep the numbers as written, so that what was
// read is written back unchanged; the node loader applies the limits (names cut to 28
// characters, 126 for rounds; sizes, rounds and days brought into range).
struct DefinitionNode {
    int32_t section = 0;  // the number after the prefix
    std::string typeLine; // one of the type lines above
    uint32_t id = 0;

    // Leagues, cups and rounds.
    std::string name;

    // Leagues.
    int32_t size = 0;
    int32_t level = -1;
    uint8_t relegationRule = 0; // REL_RULE_* value (unknown keywords read as 0)
    uint8_t spareByte = 0;
    int32_t rounds = 2;
    int32_t dayType = 12; // ROUND_* value of the calendar day type (unknown: -1)
    uint8_t attendance = 10;
    std::vector<uint32_t> teams;               // TEAMS: club references
    std::vector<std::vector<int32_t>> fixture; // FIXTURE: per line home, away, home, away, ...

    // Leagues and cups (cups only with a scheme): the numbers of the MATCHDAYS line, the "0"
    // padding included.
    std::vector<int32_t> dayList;

    // Cups.
    int32_t scheme = 0;
    int32_t extraLevel = 0; // DB_SWITZERLAND only: the level line after the scheme
    // Four values per used round slot (8 - r .. 7, r the scheme's round count).
    std::vector<std::array<int32_t, 4>> roundValues;

    // Rounds.
    int32_t roundSetting = 0;
    int32_t firstLegDay = 0;
    uint32_t firstLegFlags = 0;
    int32_t secondLegDay = 0;
    uint32_t secondLegFlags = 0;

    // Pools.
    int32_t poolValue1 = 0;
    int32_t poolValue2 = 0;
    int32_t poolSort = 0;   // POOL_SORT_* value (unknown: 0)
    int32_t checkCount = 0; // as written (the loader clamps it to 0..3)
    std::array<uint32_t, 3> checkIds{};

    // Leagues, rounds and pools: values 0-3.
    std::array<int32_t, 4> values{};

    // Every node but a cup without a scheme: the base values.
    std::vector<uint32_t> predecessors;
    std::vector<uint32_t> successors;
    std::vector<ProgramEntry> program; // as read, without the closing END_OF_ENTRY

    friend bool operator==(const DefinitionNode&, const DefinitionNode&) = default;
};

struct DefinitionFile {
    int32_t nodeCount = 0; // N
    std::vector<DefinitionNode> nodes;

    friend bool operator==(const DefinitionFile&, const DefinitionFile&) = default;
};

// The number of rounds of a cup scheme (0 when it has none); cups read and write that many
// blocks of round values. The default asks the process-wide scheme table.
using SchemeRoundCount = std::function<int32_t(uint32_t scheme)>;
int32_t LoadedSchemeRoundCount(uint32_t scheme);

// Node sections beyond this many are not looked for (a hostile count must not make the
// reader search without end).
constexpr int32_t kMaxDefinitionNodes = 4096;
// Longest list kept from one line (a line holds at most 1023 characters).
constexpr size_t kMaxDefinitionListItems = 512;

// Reads a definition file from an open record file. N is clamped to 0..kMaxDefinitionNodes;
// sections that are absent or whose type line is not a node type are skipped; values missing
// from a truncated section read as 0 (empty lists) and the next section is looked for after
// it. Returns false only when no file is open.
bool ReadDefinitionFile(CKLFile& file, std::string_view prefix, DefinitionFile& result,
                        const SchemeRoundCount& schemeRounds = LoadedSchemeRoundCount);
// Opens the file (path resolved regardless of case) and reads it; false, with an empty
// result, when it cannot be opened.
bool ReadDefinitionFilePath(const std::string& path, std::string_view prefix,
                            DefinitionFile& result,
                            const SchemeRoundCount& schemeRounds = LoadedSchemeRoundCount);

// Whether the data can be written so that it reads back the same: N within range, sections
// ascending within 0..N-1, node types known, texts that are not taken for comments or markers
// and hold no line break, IDs with a text form, cups with as many round value blocks as their
// scheme has rounds, lines within 1023 characters, writable programs.
bool DefinitionFileIsWritable(const DefinitionFile& data,
                              const SchemeRoundCount& schemeRounds = LoadedSchemeRoundCount,
                              std::string* problem = nullptr);
// Writes the file into a record file open for writing; nothing is written and false returned
// when the data is not writable.
bool WriteDefinitionFile(CKLFile& file, std::string_view prefix, const DefinitionFile& data,
                         const SchemeRoundCount& schemeRounds = LoadedSchemeRoundCount);
// Writes the whole file (the old one is replaced only when every write succeeded).
bool WriteDefinitionFilePath(const std::string& path, std::string_view prefix,
                             const DefinitionFile& data,
                             const SchemeRoundCount& schemeRounds = LoadedSchemeRoundCount);

// The MATCHDAYS line of a node: its matchday days, then "0" entries up to `required`.
std::vector<int32_t> PaddedDayList(const std::vector<int32_t>& days, int32_t required);

} // namespace tallo
