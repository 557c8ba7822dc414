#include "sample_installation.h"

#include <memory>

#include "app/load_preparation.h"
#include "formats/string_table.h"
#include "platform/atomic_file.h"
#include "platform/atomic_write_batch.h"
#include "platform/path_resolver.h"
#include "sample_badges.h"
#include "sample_country_list.h"
#include "sample_game_archive.h"
#include "sample_id_tables.h"
#include "sample_language_tables.h"
#include "sample_name_files.h"
#include "sample_person_keys.h"
#include "sample_script_folder.h"
#include "sample_stadium_models.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo::sample {

namespace {

constexpr int kLanguageCodeString = 799;

bool Fail(std::string& error, const std::string& message) {
    error = message;
    return false;
}

} // namespace

bool WriteSampleInstallation(const std::string& folder, const SampleOptions& options,
                             SampleSummary& summary, std::string& error) {
    SampleFileSummary files;
    return WriteSampleInstallation(folder, options, summary, files, error);
}

bool WriteSampleInstallation(const std::string& folder, const SampleOptions& options,
                             SampleSummary& summary, SampleFileSummary& files, std::string& error) {
    files = SampleFileSummary();
    if (folder.empty()) {
        return Fail(error, "no folder given");
    }
    const std::string database = GameDatabaseFolder(folder);
    const std::string languageFolder = database + "/" + LoadString(kLanguageCodeString);
    for (const std::string& path : {database, languageFolder, folder + "/data"}) {
        if (!CreateFolders(path)) {
            return Fail(error, "cannot create the folder " + path);
        }
    }

    const std::vector<SampleCountry> countries = MakeSampleCountryList();
    const std::string countryList = database + "/countries.sav";
    if (!WriteFileAtomically(countryList, CountryListText(countries))) {
        return Fail(error, "cannot write " + countryList);
    }
    const std::string stadiumList = languageFolder + "/" + StadiumList::kFileName;
    if (!WriteSampleStadiumList(stadiumList)) {
        return Fail(error, "cannot write " + stadiumList);
    }
    // The editor refuses an installation without its data archive.
    if (!WriteSampleGameArchive(folder, options, files, error)) {
        return false;
    }

    const std::string scriptFolder = ScriptFolder(folder);
    if (!WriteSampleScriptFolder(scriptFolder, countries, error)) {
        return false;
    }

    // From here on the road of the editor: prepare the tables (the cup schemes just written
    // among them), take in the country list, then fill the world and save it.
    auto world = std::make_unique<CWorld>();
    const LoadPreparation prepared = PrepareForLoad(*world, folder);
    if (!prepared.countryListRead) {
        return Fail(error, "cannot read back " + prepared.countryListPath);
    }
    if (!prepared.stadiumListRead) {
        return Fail(error, "cannot read back " + prepared.stadiumListPath);
    }
    if (!prepared.cupSchemesRead) {
        return Fail(error, "cannot read back " + prepared.cupSchemesPath);
    }
    summary = PopulateSampleWorld(*world, countries, GlobalStadiumList(), options);
    world->SetDatabaseFolder(database);
    if (!world->SaveAll(nullptr)) {
        return Fail(error,
                    "at least one file of the database could not be written into " + database);
    }

    // The files made from the world: tables, name files, ID tables and badges, flushed
    // together.
    AtomicWriteBatch batch;
    const SamplePersonKeys keys(*world);
    if (!WriteSampleLanguageTables(languageFolder, *world, keys, options, files, error) ||
        !WriteSampleNameFiles(database, countries, options, files, error) ||
        !WriteSampleIdTables(database, *world, keys, options, files, error) ||
        !WriteSampleBadges(folder, *world, options, files, error)) {
        return false;
    }
    if (!batch.Commit()) {
        return Fail(error,
                    "at least one file beside the database could not be written into " + folder);
    }
    return true;
}

} // namespace tallo::sample
