#include "editing_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/load_preparation.h"
#include "editing/session/database_session.h"
#include "editing/session/installation_tables.h"
#include "formats/per_language_tables.h"
#include "mapping/global_tools.h"
#include "sample_installation.h"
#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::test {

namespace fs = std::filesystem;

const std::string& EditingSample() {
    static TempDir dir;
    static const std::string folder = [] {
        // A test run through ctest shares one sample written before the tests (the same
        // scale and seed); a test program run on its own writes its own.
        const char* shared = std::getenv("TALLO_TEST_SAMPLE");
        if (shared != nullptr && *shared != '\0' &&
            fs::is_directory(fs::path(shared) / "database")) {
            LoadInstallationTables(shared, nullptr);
            return std::string(shared);
        }
        sample::SampleOptions options;
        options.scale = sample::SampleScale::kSmall;
        options.seed = 11;
        sample::SampleSummary summary;
        std::string error;
        EXPECT_TRUE(sample::WriteSampleInstallation(dir.Path(), options, summary, error)) << error;
        LoadInstallationTables(dir.Path(), nullptr);
        return dir.Path();
    }();
    return folder;
}

void CopyInstallation(const std::string& folder) {
    const std::string sample = EditingSample();
    fs::create_directories(folder);
    for (const char* part : {"database", "script", "badges", "picture"}) {
        if (fs::exists(fs::path(sample) / part)) {
            fs::copy(fs::path(sample) / part, fs::path(folder) / part, fs::copy_options::recursive);
        }
    }
}

std::map<std::string, std::string> SavedBytes(CWorld& world) {
    TempDir scratch;
    const std::string folder = world.DatabaseFolder();
    world.SetDatabaseFolder(scratch.Path());
    EXPECT_TRUE(world.SaveAll(nullptr));
    world.SetDatabaseFolder(folder);
    return ReadFolderFiles(scratch.Path());
}

std::unique_ptr<CWorld> LoadDatabase(const std::string& install, const std::string& folder) {
    auto world = std::make_unique<CWorld>();
    PrepareForLoad(*world, install);
    EXPECT_TRUE(world->LoadAll(folder));
    return world;
}

EditorHarness::EditorHarness(const std::string& installFolder) {
    EditingSample(); // the tables come before the first world
    install = installFolder;
    if (install.empty()) {
        install = dir / "install";
        CopyInstallation(install);
    }
    env.Set("TALLO_DOCUMENTS_DIR", dir / "documents");
    folders = std::make_unique<DatabaseFolders>(env);
    EditorContext context;
    context.installFolder = install;
    context.badgesFolder = install + "/badges";
    context.pictureFolder = install + "/picture";
    context.userDatabases = folders.get();
    context.prompt = &prompt;
    context.progress = &progress;
    context.caption = "Editor";
    context.tools = &GlobalTools();
    context.languageTables = &GlobalLanguageTables();
    databases = std::make_unique<OpenDatabases>(std::move(context));
}

EditorHarness::~EditorHarness() = default;

DatabaseSession& EditorHarness::OpenGame() {
    DatabaseSession* session = databases->OpenGameDatabase();
    EXPECT_NE(session, nullptr);
    return *session;
}

void MakeSquadValid(CWorld& world, CClub& club, int firstTeam) {
    int listed = 0;
    for (uint32_t i = club.PlayerCount(); i-- > 0;) {
        CPlayer& person = *world.FindPlayer(club.PlayerId(i));
        if (!person.IsPlayerRole()) {
            club.RemovePlayer(person.Id());
            continue;
        }
        person.SetFirstName("Anton");
        person.SetSurname("Berg");
        listed += person.IsFirstTeam() ? 1 : 0;
    }
    for (; listed < firstTeam; ++listed) {
        CPlayer* made = world.CreatePlayer(0, true);
        ASSERT_NE(made, nullptr);
        made->SetFirstName("Carl");
        made->SetSurname("Dorn");
        made->SetNationality(static_cast<uint8_t>(club.CountryNumber()));
        ASSERT_TRUE(club.AddPlayer(made->Id()));
    }
    for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
        club.SetFacilityLevel(static_cast<CClub::Facility>(facility), 5);
    }
}

} // namespace tallo::test
