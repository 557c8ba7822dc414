// Loads the input as Country<N>.sav of a scratch database folder into a world made from a
// country list, as the editor loads a database: competition trees and cup schemes installed
// first (the cup schemes of tests/fixtures/cup_alloc/CupAlloc.txt), then the country files,
// the post-load checks and the club numbering.
//
// The country keeps its limits (players per club, clubs that are its own). What was loaded
// survives a save: saved, loaded into a fresh world the same way and saved again, it gives
// the same text. One thing changes on purpose: a league team that is no club of the world is
// saved as team 0, which the next load leaves out; for a country holding one, the text of the
// second save must survive a further save and load unchanged. A copy of the loaded country
// in another world saves the same text as the country itself.
//
// The program table of the cup schemes is made afresh for every input, so that it does not
// grow from one input to the next.
//
// Input layout (libFuzzer's data provider): the last byte chooses the country number (1 + its
// value modulo 206); the rest is the file.

#include "competitions/competition_tree.h"
#include "competitions/cup_alloc.h"
#include "competitions/db_league_base.h"
#include "competitions/install_competition_trees.h"
#include "competitions/qualification_program.h"
#include "formats/kl_file.h"
#include "fuzz_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <set>
#include <string>

namespace tallo::fuzz {
namespace {

struct Setup {
    CupAllocFile schemes;
    std::string countryList;
};

const Setup& Prepared() {
    static const Setup* setup = [] {
        auto* made = new Setup;
        TALLO_FUZZ_CHECK(
            ReadCupAllocFile(SourcePath("tests/fixtures/cup_alloc/CupAlloc.txt"), made->schemes));
        InstallCompetitionTrees();
        InstallCupSchemeServices();
        SetCurrentGameDate(GameDate::FromDate(2003, 7, 6));
        std::string text;
        for (int n = 1; n <= CWorld::kCountryCount; ++n) {
            text += "Land" + std::to_string(n) + ",Pays" + std::to_string(n) + "\r\nL" +
                    std::to_string(n % 100) + "\r\n" + std::to_string(n % 6) + "\r\n" +
                    std::to_string(n % 50 + 1) + "\r\n2\r\n" + std::to_string(n % 7) + "\r\n";
        }
        made->countryList = Scratch() / "countries.sav";
        WriteScratchFile(made->countryList, text);
        TALLO_FUZZ_CHECK(mkdir((Scratch() / "first").c_str(), 0700) == 0);
        TALLO_FUZZ_CHECK(mkdir((Scratch() / "second").c_str(), 0700) == 0);
        return made;
    }();
    return *setup;
}

// A world made from the list with the database folder loaded into it; the country file is
// the only file of the folder.
std::unique_ptr<CWorld> LoadedWorld(const std::string& folder, int number,
                                    const std::string& bytes) {
    auto world = std::make_unique<CWorld>();
    TALLO_FUZZ_CHECK(world->LoadCountryList(Prepared().countryList));
    const std::string path = folder + "/Country" + std::to_string(number) + ".sav";
    WriteScratchFile(path, bytes);
    // A file without a country is not read (and never written over); every other file is.
    TALLO_FUZZ_CHECK(world->LoadAll(folder) != world->IsCountryUnreadable(number));
    // Gone again before the next input, whose country may have another number.
    std::remove(path.c_str());
    return world;
}

std::string CountryText(const CWorld& world, int number) {
    CKLFile file;
    TALLO_FUZZ_CHECK(file.OpenForWrite("unused.sav"));
    TALLO_FUZZ_CHECK(world.GetCountry(number)->Save(file));
    std::string text = file.WrittenText();
    file.AbandonWrite();
    return text;
}

// Whether a league of the country names a team that its save writes as 0.
bool HasLeagueTeamSavedAsZero(const CWorld& world, int number) {
    const auto* tree =
        dynamic_cast<const CCompetitionTree*>(world.GetCountry(number)->Competitions());
    if (tree == nullptr) {
        return false;
    }
    for (const CDBLeagueBase* league : tree->Leagues()) {
        for (uint32_t team : league->Teams()) {
            if (world.TranslateClubReference(team) == 0) {
                return true;
            }
        }
    }
    return false;
}

void CheckCountry(CWorld& world, int number) {
    CCountry& country = *world.GetCountry(number);
    TALLO_FUZZ_CHECK(country.NationalTeam() != nullptr);
    TALLO_FUZZ_CHECK(country.PlayerPool().size() <= CCountry::kMaxPlayerPool);
    std::set<uint32_t> listed;
    for (const auto& [id, club] : country.Clubs()) {
        TALLO_FUZZ_CHECK(ClubId::CountryOf(id) == static_cast<uint32_t>(number));
        TALLO_FUZZ_CHECK(club->Id() == id);
        TALLO_FUZZ_CHECK(club->PlayerCount() <= CClub::kMaxPlayers);
        for (size_t i = 0; i < club->PlayerCount(); ++i) {
            const uint32_t player = club->PlayerId(i);
            TALLO_FUZZ_CHECK(world.FindPlayer(player) != nullptr);
            // A player is listed by one club, national teams aside.
            if (!ClubId::IsNationalTeam(id)) {
                TALLO_FUZZ_CHECK(listed.insert(player).second);
            }
        }
    }
    for (uint32_t id : country.AdditionalManagers()) {
        TALLO_FUZZ_CHECK(world.FindPlayer(id) != nullptr);
    }
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    const Setup& setup = Prepared();
    ProgramTable().Clear();
    CupSchemes().Install(setup.schemes, ProgramTable());

    FuzzedDataProvider input(data, size);
    const int number = 1 + input.ConsumeIntegral<uint8_t>() % CWorld::kCountryCount;
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    std::unique_ptr<CWorld> world = LoadedWorld(Scratch() / "first", number, bytes);
    CheckCountry(*world, number);
    const std::string first = CountryText(*world, number);

    const bool teamSavedAsZero = HasLeagueTeamSavedAsZero(*world, number);

    // A copy of the country in another world (as a country copy between databases makes it)
    // saves the same text.
    {
        auto copyWorld = std::make_unique<CWorld>();
        TALLO_FUZZ_CHECK(copyWorld->LoadCountryList(setup.countryList));
        copyWorld->GetCountry(number)->CopyFrom(*world->GetCountry(number));
        copyWorld->BuildClubRenumbering();
        CheckCountry(*copyWorld, number);
        CheckSameText(first, CountryText(*copyWorld, number), "country file of a copy");
    }
    world.reset();

    ProgramTable().Clear();
    CupSchemes().Install(setup.schemes, ProgramTable());
    std::unique_ptr<CWorld> back = LoadedWorld(Scratch() / "second", number, first);
    CheckCountry(*back, number);
    const std::string second = CountryText(*back, number);
    if (!teamSavedAsZero) {
        CheckSameText(first, second, "country file saved, loaded and saved again");
        return 0;
    }
    back.reset();
    ProgramTable().Clear();
    CupSchemes().Install(setup.schemes, ProgramTable());
    std::unique_ptr<CWorld> third = LoadedWorld(Scratch() / "first", number, second);
    CheckSameText(second, CountryText(*third, number),
                  "country file saved twice, loaded and saved");
    return 0;
}
