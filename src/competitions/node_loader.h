#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/day_type_table.h"

namespace tallo {

class CDBCompetition;
class CKLFile;
class CompetitionNodeStore;

// Every country (or the international competitions) accepted by LoadNodes.
constexpr uint32_t kAnyCompetitionCountry = 0xFFFFFFFFu;

// A new node for a section type line and an ID: DB_LEAGUE a league (a relegation league for
// kind SCOTT1), DB_CUP, DB_CHALLENGE and DB_CONFERENCE a cup, DB_REL1/2/3 and DB_SWITZERLAND
// the play-offs (their ID's kind made REL1/2/3 or SWITZERLAND), DB_ROUND a round, DB_POOL a
// pool; nullptr for other type names.
std::unique_ptr<CDBCompetition> CreateNodeForType(std::string_view type, uint32_t id);

struct NodeLoadOptions {
    // The owner every loaded node gets (the root's ID, or 0).
    uint32_t owner = 0;
    // When given, the nodes' days are entered into it.
    DayTypeTable* dayTypes = nullptr;
    // Nodes whose ID carries another country are left out (a country file holds its own
    // competitions only).
    uint32_t country = kAnyCompetitionCountry;
    // What was left out or put right, in words (when given).
    std::vector<std::string>* notes = nullptr;
    // The section the node sections stand in (when given): a node section cut short is not
    // skipped past the end of it, so the sections after it are still read.
    std::string_view enclosingSection;
};

// Reads a set of node sections at the read position: the number N, then for i from 0 to
// N - 1 the section <prefix><i> (absent ones are passed over): its type and ID lines, a node
// made for them, entered into `store`, its values read and its days entered into the day-type
// table; then the reader moves to the section's end. Sections of an unknown type, with ID 0,
// with an ID that is taken or (see options) of another country are skipped. N is not believed
// beyond what the file could hold. Returns the number of nodes loaded.
int LoadNodes(CKLFile& file, std::string_view prefix, CompetitionNodeStore& store,
              const NodeLoadOptions& options);

} // namespace tallo
