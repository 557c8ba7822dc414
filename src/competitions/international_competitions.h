#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "competitions/competition_node_store.h"
#include "competitions/day_type_table.h"
#include "competitions/international_definitions.h"

namespace tallo {

class CDBRoot;
class CWorld;

// The international competitions of one world: the international root (country 250, kind
// ROOT, number 0) and the nodes of the five definition files, owned here and entered in the
// world's competition index for as long as this object holds them, together with the calendar
// day-type tables of the international competitions.
//
// Loading reads the programs of the nodes into the process-wide program table and gives cups
// their rounds from the process-wide cup schemes, so LoadCupSchemes and
// InstallCupSchemeServices (cup_alloc.h) come first.
class CInternationalCompetitions {
public:
    // The root of the international competitions.
    static constexpr uint32_t kRootId = 0xFA000000u;

    explicit CInternationalCompetitions(CWorld* world);
    ~CInternationalCompetitions();
    CInternationalCompetitions(const CInternationalCompetitions&) = delete;
    CInternationalCompetitions& operator=(const CInternationalCompetitions&) = delete;

    // LoadInternational: drops what was loaded before, clears the day-type tables, creates
    // and registers the root, then reads "EuropeanCup.txt", "SouthAmCup.txt", "QualiEC.txt",
    // "WC.txt" and "InDoor.txt" of the script folder in this order (missing files are passed
    // over). The files are read in their oldest form: the loaded file version is 0 while they
    // are read and is put back afterwards. The nodes of the first four files belong to the
    // root and enter their day-type table; the indoor nodes belong to no root and their days
    // go to a scratch table. Returns the number of nodes loaded (the root not counted); what
    // was left out or put right is added to `notes` when given.
    int Load(const std::string& scriptFolder, std::vector<std::string>* notes = nullptr);

    CDBRoot* Root() const;
    const CompetitionNodeStore& Store() const { return *store_; }
    // Every node held, the root included, in ascending ID order.
    std::vector<CDBCompetition*> Nodes() const;
    const DayTypeTable& DayTypes(InternationalDayTable table) const;
    // All six tables (the calendar editors show them).
    const std::array<DayTypeTable, kInternationalDayTableCount>& AllDayTypes() const {
        return dayTypes_;
    }

private:
    CWorld* world_;
    std::unique_ptr<CompetitionNodeStore> store_;
    std::array<DayTypeTable, kInternationalDayTableCount> dayTypes_{};
};

} // namespace tallo
