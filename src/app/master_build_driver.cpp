#include "app/master_build_driver.h"

#include <chrono>
#include <iostream>
#include <memory>
#include <set>
#include <vector>

#include "app/app_state.h"
#include "app/console_progress.h"
#include "app/load_preparation.h"
#include "app/longtime_write_db.h"
#include "competitions/competition_tree.h"
#include "competitions/cup_alloc.h"
#include "competitions/db_competition.h"
#include "competitions/db_league_base.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"
#include "mapping/star_heads.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TrimOutcome TrimCountryClubs(CCountry& country, size_t limit, IPrompt& prompt, size_t& removed) {
    removed = 0;
    // The clubs of the country that play in one of its competitions, and the team entries.
    std::set<uint32_t> playing;
    size_t entries = 0;
    if (const CCompetitionTree* tree = CompetitionTreeOf(country)) {
        for (const CDBCompetition* node : tree->Nodes()) {
            const auto* league = dynamic_cast<const CDBLeagueBase*>(node);
            if (league == nullptr) {
                continue;
            }
            for (uint32_t team : league->Teams()) {
                ++entries;
                playing.insert(team & ClubId::kIdMask);
            }
        }
    }
    if (entries > limit) {
        prompt.ShowMessage(CCompetitionTree::kTooManyTeamsMessage, std::string());
        return TrimOutcome::TooManyTeams;
    }

    // The candidates in ascending club number, the national team never among them.
    std::vector<uint32_t> candidates;
    for (const auto& [id, club] : country.Clubs()) {
        if (!ClubId::IsNationalTeam(id) && playing.count(id) == 0) {
            candidates.push_back(id);
        }
    }
    for (uint32_t id : candidates) {
        if (country.GetClubCount() <= limit) {
            break;
        }
        if (country.RemoveClub(id) != nullptr) {
            ++removed;
        }
    }
    return TrimOutcome::Trimmed;
}

MasterBuildServices MasterServicesOf(CGlobalTools& tools) {
    MasterBuildServices services;
    services.badgeUsable = [&tools](const CClub& club) {
        return tools.CheckBadge(club.BadgeFile());
    };
    // Looked up without counting the use: the build asks twice for every player.
    services.consoleFace = [&tools](const CPlayer& player) -> uint16_t {
        const StarHeadRecord* record = tools.StarHeads().Find(player);
        return record != nullptr ? static_cast<uint16_t>(record->faceNumber) : 0;
    };
    // Both only read: the badge check looks at the archive's index and the file system, the
    // face look-up at a table loaded before.
    services.threadSafe = true;
    return services;
}

CLongtimeWriteDB::Builder MasterBuildWork(CWorld& world, MasterBuildRequest where,
                                          MasterBuildServices services, IPrompt* prompt,
                                          std::ostream* out, std::ostream* err,
                                          MasterBuildResult* result) {
    return [&world, where = std::move(where), services = std::move(services), prompt, out, err,
            result](CLongtimeWriteDB& operation) {
        MasterBuildRequest request = where;
        request.language = operation.Language();
        request.optionBits = operation.OptionBits();
        request.unattended = operation.CommandLine();
        MasterBuilder builder(world, request);
        builder.SetServices(services);
        MasterBuildResult outcome = builder.Build(&operation, prompt, out, err);
        const bool written = outcome.Written();
        if (result != nullptr) {
            *result = std::move(outcome);
        }
        return written;
    };
}

MasterBuildReport RunMasterBuildAt(const MasterBuildRun& run, IPrompt& prompt, std::ostream& out,
                                   std::ostream& err) {
    MasterBuildReport report;
    const auto loadStart = std::chrono::steady_clock::now();
    const std::string root = run.installFolder.empty() ? std::string(".") : run.installFolder;
    const std::string databaseFolder = GameDatabaseFolder(root);
    const std::string languageCode = LoadString(kLanguageCodeString);

    // The stadium model list with its fallback stadiums, and the game's first day, from
    // which ages are counted.
    LoadPreparation prepared;
    PrepareProcessTables(root, languageCode, prepared);
    // Competition trees for the countries, and the cup schemes of the script folder that the
    // cups reach through their services.
    PrepareCompetitionTables(root, prepared);
    // Shoes, faces, club speeches and team colours of the build's language.
    GlobalLanguageTables().Load(databaseFolder, languageCode);
    // The ID mapping tables, the star heads and the badge archive.
    CGlobalTools& tools = GlobalTools();
    tools.Start(root, &prompt);

    // A new database, loaded from the installation's "database" folder.
    auto world = std::make_unique<CWorld>();
    report.countryListRead = PrepareWorld(*world, root, prepared);
    tools.InstallLookups(*world, GlobalLanguageTables());
    if (!report.countryListRead) {
        err << world->CountryListError() << "\n";
    }
    report.worldLoaded = world->LoadAll(databaseFolder);
    // What the load found damaged is said before the build, which takes the world as loaded.
    report.loadFindings = world->LoadFindings();
    for (const LoadFinding& finding : report.loadFindings) {
        err << "Damaged: " << FormatLoadFinding(finding) << "\n";
    }
    if (!report.worldLoaded) {
        err << "No country file could be read in " << databaseFolder << "\n";
    }

    if ((run.optionBits & MasterOption::kTrim) != 0) {
        report.trim = TrimCountryClubs(*world->GetCountry(kTrimmedCountry), kTrimClubLimit, prompt,
                                       report.clubsRemoved);
    }
    report.loadSeconds = SecondsSince(loadStart);

    // The write operation is the builder's progress receiver; it runs here, on this thread.
    const auto buildStart = std::chrono::steady_clock::now();
    MasterBuildRequest where;
    where.rootFolder = root;
    where.databaseFolder = databaseFolder;
    where.outputPath = run.outputPath;
    CLongtimeWriteDB::Builder work =
        MasterBuildWork(*world, where, MasterServicesOf(tools), &prompt, &out, &err, &report.build);
    CLongtimeWriteDB operation(run.language, run.optionBits, true, std::move(work));
    SilentProgress silent;
    operation.Start(run.display != nullptr ? *run.display : silent);
    report.buildSeconds = SecondsSince(buildStart);

    CupSchemes().Clear();
    GlobalStadiumList().Clear();
    return report;
}

void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& out,
                    std::ostream& err) {
    AppState& state = AppState::Instance();
    state.SetCurrentLanguage(language);
    FolderTable& folders = state.Folders();
    if (!SetUpFolders(folders, "database")) {
        err << "Master.dat was not written: the current folder cannot be used\n";
        return;
    }
    MasterBuildRun run;
    run.installFolder = folders.root;
    run.language = language;
    run.optionBits = optionBits;
    // A progress line on standard error while it is a terminal.
    ConsoleProgress display;
    run.display = &display;
    RunMasterBuildAt(run, prompt, out, err);
    display.Finish();
}

void RunMasterBuild(int32_t language, uint32_t optionBits, IPrompt& prompt, std::ostream& err) {
    RunMasterBuild(language, optionBits, prompt, std::cout, err);
}

} // namespace tallo
