#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/longtime_write_db.h"
#include "gamedb/master_builder.h"
#include "world/load_finding.h"

namespace tallo {

class CCountry;
class CGlobalTools;
class CWorld;
class IProgress;
class IPrompt;

// Build mode's driver: prepares the process-wide tables, loads the game's database from the
// installation folder (the current folder) and hands it to the game database builder on the
// calling thread. The builder's messages go to `out` ("No completed countries") and `err`;
// questions and the trim's message go through `prompt`.
void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& err);
void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& out,
                    std::ostream& err);

// The same for a given installation folder, with its outcome (the command-line tool and the
// tests use it; build mode passes the current folder).
struct MasterBuildRun {
    std::string installFolder; // the installation: database/, script/, name files
    int32_t language = 0;      // 0 German, 1 English, 2 French, 3 Spanish
    uint32_t optionBits = 0;
    std::string outputPath;       // empty: the file build mode writes
    IProgress* display = nullptr; // where the progress goes (none: not shown)
};

// How the trim of the console build went.
enum class TrimOutcome {
    NotAsked,     // option bit 0x20 not set
    Trimmed,      // clubs were removed (or none had to be)
    TooManyTeams, // more team entries than the limit: nothing removed, the build goes on
};

struct MasterBuildReport {
    bool countryListRead = false;
    bool worldLoaded = false;              // at least one country file was read
    std::vector<LoadFinding> loadFindings; // what the load found damaged (also printed)
    TrimOutcome trim = TrimOutcome::NotAsked;
    size_t clubsRemoved = 0;
    MasterBuildResult build;
    double loadSeconds = 0;  // preparing the tables and loading the world
    double buildSeconds = 0; // the builder alone
};

MasterBuildReport RunMasterBuildAt(const MasterBuildRun& run, IPrompt& prompt, std::ostream& out,
                                   std::ostream& err);

// The work of a game database write operation (CLongtimeWriteDB): builds `world` into the
// files that `where` names (root, database folder, output path), with the operation's
// language and option bits and the given services, the operation being the progress
// receiver. With the operation's command-line marker the build is unattended; otherwise it
// asks through `prompt` and writes "<root>/database/Master.dat". The outcome is stored in
// `*result` when given.
CLongtimeWriteDB::Builder MasterBuildWork(CWorld& world, MasterBuildRequest where,
                                          MasterBuildServices services, IPrompt* prompt,
                                          std::ostream* out, std::ostream* err,
                                          MasterBuildResult* result = nullptr);

// The services of the build from the global tool object: the badge check of the badge folder
// and archive, and the console face of the star heads (looked up without counting the use).
// The object must outlive the services.
MasterBuildServices MasterServicesOf(CGlobalTools& tools);

// The country the console build trims, and to how many clubs.
constexpr int kTrimmedCountry = 14;
constexpr size_t kTrimClubLimit = 100;

// Trims a country to at most `limit` clubs (the national team counted) before a console
// build. The clubs listed as teams in any of the country's competitions are kept; their team
// entries are counted (a club in two competitions counts twice). When the count exceeds the
// limit, the message "To many Teams used in current competition structure, please remove
// some leagues!" is shown and nothing is removed. Otherwise the other clubs are removed,
// lowest club numbers first, until the country has `limit` clubs or fewer. Every club number
// (1 to 65534) is handled alike: the kept clubs are a set of club IDs, not a table indexed by
// number. Gives the number of clubs removed through `removed`.
TrimOutcome TrimCountryClubs(CCountry& country, size_t limit, IPrompt& prompt, size_t& removed);

} // namespace tallo
