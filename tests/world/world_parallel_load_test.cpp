// A load on several threads gives the world a load in order gives: the same IDs, the same
// renumbering of taken IDs, the same findings and the same bytes when saved, also for damaged
// files, duplicate player IDs and files of an older edition.

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include "app/load_preparation.h"
#include "sample_database_files.h"
#include "sample_installation.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::CountryFile;
using test::kCurrentVersionLine;
using test::kMinorOneVersionLine;
using test::WriteSmallSample;
using test::WrittenCountries;

// Damages the database the ways a load must survive: a country file copied over a later one
// (every player ID taken twice, competitions of another country), a file cut in the middle of
// a club's player list, a folder where a file belongs (cannot be read), and a file of an
// older edition whose players ask for other countries' languages and the tables of old files.
void Damage(const std::string& install) {
    const std::vector<int> written = WrittenCountries(install);
    ASSERT_GE(written.size(), 4u);
    const std::string first = test::ReadFile(CountryFile(install, written[0]));
    test::WriteFile(CountryFile(install, written[2]), first);
    // An extra copy into a country the sample left empty.
    for (int number = CWorld::kCountryCount; number > 0; --number) {
        if (!fs::exists(CountryFile(install, number))) {
            test::WriteFile(CountryFile(install, number), first);
            break;
        }
    }

    std::string cut = test::ReadFile(CountryFile(install, written[1]));
    const size_t player = cut.find("%INDEX%PLAYER", cut.size() / 3);
    ASSERT_NE(player, std::string::npos);
    cut.resize(player + 40);
    test::WriteFile(CountryFile(install, written[1]), cut);

    const std::string unreadable = CountryFile(install, written[3]);
    fs::remove(unreadable);
    fs::create_directory(unreadable);

    if (written.size() > 4) {
        std::string old = test::ReadFile(CountryFile(install, written[4]));
        size_t at = 0;
        while ((at = old.find(kCurrentVersionLine, at)) != std::string::npos) {
            old.replace(at, std::string(kCurrentVersionLine).size(), kMinorOneVersionLine);
        }
        test::WriteFile(CountryFile(install, written[4]), old);
    }
}

struct Loaded {
    std::unique_ptr<CWorld> world;
    std::map<std::string, std::string> saved;
};

Loaded LoadAndSave(const std::string& install, int threads, const std::string& saveFolder) {
    Loaded loaded;
    loaded.world = std::make_unique<CWorld>();
    PrepareForLoad(*loaded.world, install);
    loaded.world->SetLoadThreads(threads);
    loaded.world->LoadAll(install + "/database");
    fs::create_directories(saveFolder);
    loaded.world->SetDatabaseFolder(saveFolder);
    loaded.world->SaveAll(nullptr);
    loaded.saved = test::ReadFolderFiles(saveFolder);
    return loaded;
}

void ExpectSameWorld(const std::string& install, int threads) {
    test::TempDir saves;
    const Loaded inOrder = LoadAndSave(install, 1, saves / "in-order");
    const Loaded parallel = LoadAndSave(install, threads, saves / "parallel");

    EXPECT_EQ(parallel.world->PlayerCount(), inOrder.world->PlayerCount());
    EXPECT_EQ(parallel.world->LoadTranslation(), inOrder.world->LoadTranslation());
    ASSERT_EQ(parallel.world->LoadFindings().size(), inOrder.world->LoadFindings().size());
    for (size_t i = 0; i < inOrder.world->LoadFindings().size(); ++i) {
        EXPECT_EQ(parallel.world->LoadFindings()[i].file, inOrder.world->LoadFindings()[i].file);
        EXPECT_EQ(parallel.world->LoadFindings()[i].line, inOrder.world->LoadFindings()[i].line);
        EXPECT_EQ(parallel.world->LoadFindings()[i].what, inOrder.world->LoadFindings()[i].what);
    }
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        EXPECT_EQ(parallel.world->IsCountryUnreadable(number),
                  inOrder.world->IsCountryUnreadable(number));
    }
    EXPECT_EQ(parallel.world->DetailTotal(), inOrder.world->DetailTotal());
    ASSERT_EQ(parallel.saved.size(), inOrder.saved.size());
    for (const auto& [name, bytes] : inOrder.saved) {
        auto found = parallel.saved.find(name);
        ASSERT_NE(found, parallel.saved.end()) << name;
        EXPECT_TRUE(found->second == bytes) << name << " differs";
    }
}

TEST(WorldParallelLoad, SavesTheSameBytesAsALoadInOrder) {
    for (uint64_t seed : {3u, 11u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::TempDir install;
        WriteSmallSample(install.Path(), seed);
        ExpectSameWorld(install.Path(), 3);
    }
}

TEST(WorldParallelLoad, DamagedFilesAndTakenIdsComeOutAsInOrder) {
    for (uint64_t seed : {5u, 29u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::TempDir install;
        WriteSmallSample(install.Path(), seed);
        Damage(install.Path());
        test::TempDir probe;
        const Loaded inOrder = LoadAndSave(install.Path(), 1, probe / "save");
        // The damage is there to be survived: taken IDs were renumbered, findings were made.
        EXPECT_FALSE(inOrder.world->LoadTranslation().empty());
        EXPECT_TRUE(inOrder.world->HasLoadDamage());
        ExpectSameWorld(install.Path(), 4);
    }
}

TEST(WorldParallelLoad, AnOldFileAskingAnotherCountrysLanguageIsReadAsInOrder) {
    // Files of the oldest minor version take each player's native language from his
    // nationality's country, which only a load in order can tell: the country is read again in
    // order. Here a player of the second country gets the nationality of the first and another
    // language than that country's, and his file is made old.
    test::TempDir install;
    WriteSmallSample(install.Path(), 7);
    const std::vector<int> written = WrittenCountries(install.Path());
    ASSERT_GE(written.size(), 2u);
    uint32_t moved = 0;
    int language = 0;
    {
        CWorld world;
        PrepareForLoad(world, install.Path());
        world.SetLoadThreads(1);
        ASSERT_TRUE(world.LoadAll(install.Path() + "/database"));
        const CCountry* first = world.GetCountry(written[0]);
        CCountry* second = world.GetCountry(written[1]);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        language = first->languages[0];
        ASSERT_NE(language, 0);
        for (const auto& [number, club] : second->Clubs()) {
            for (uint32_t i = 0; i < club->PlayerCount() && moved == 0; ++i) {
                CPlayer* player = world.FindPlayer(club->PlayerId(i));
                if (player != nullptr && player->Role() == CPlayer::kRolePlayer) {
                    player->SetNationality(static_cast<uint8_t>(written[0]));
                    player->SetLanguageByte(0, static_cast<uint8_t>(language % 58 + 1));
                    moved = player->Id();
                }
            }
        }
        ASSERT_NE(moved, 0u);
        world.SaveAll(nullptr);
    }
    std::string old = test::ReadFile(CountryFile(install.Path(), written[1]));
    size_t at = 0;
    while ((at = old.find(kCurrentVersionLine, at)) != std::string::npos) {
        old.replace(at, std::string(kCurrentVersionLine).size(), kMinorOneVersionLine);
    }
    test::WriteFile(CountryFile(install.Path(), written[1]), old);

    test::TempDir probe;
    const Loaded inOrder = LoadAndSave(install.Path(), 1, probe / "save");
    const CPlayer* player = inOrder.world->FindPlayer(moved);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->Language(0), language); // the old file's conversion did ask
    ExpectSameWorld(install.Path(), 3);
}

TEST(WorldParallelLoad, ClubReferencesAreCheckedAgainstEveryCountrysClubs) {
    // A player of one country refers to two clubs of a second and one of a third. Then one of
    // the second country's two clubs leaves its file and the third country's file
    // becomes unreadable: the reference to the club that is gone is cleared, the others stay
    // (a club of an unreadable country is unknown, not gone), on one thread and on several.
    test::TempDir install;
    WriteSmallSample(install.Path(), 13);
    // Countries with two clubs (national teams aside), in file order.
    std::vector<int> written;
    uint32_t playerId = 0;
    {
        CWorld world;
        PrepareForLoad(world, install.Path());
        world.SetLoadThreads(1);
        ASSERT_TRUE(world.LoadAll(install.Path() + "/database"));
        for (int number : WrittenCountries(install.Path())) {
            if (world.GetCountry(number)->GetOrdinaryClubCount() >= 2) {
                written.push_back(number);
            }
        }
        ASSERT_GE(written.size(), 3u);
        const CCountry* second = world.GetCountry(written[1]);
        const CCountry* third = world.GetCountry(written[2]);
        const CClub& firstCountryClub = *world.GetCountry(written[0])->Clubs().begin()->second;
        ASSERT_GT(firstCountryClub.PlayerCount(), 0u);
        CPlayer* player = world.FindPlayer(firstCountryClub.PlayerId(0));
        ASSERT_NE(player, nullptr);
        playerId = player->Id();
        player->SetFirstClub(second->Clubs().begin()->first);
        player->SetPreviousClub(std::next(second->Clubs().begin())->first);
        player->SetFavouriteClub(third->Clubs().begin()->first);
        world.SaveAll(nullptr);
    }
    uint32_t kept = 0;
    uint32_t gone = 0;
    uint32_t unknown = 0;
    {
        // The references as the saved files number the clubs.
        test::TempDir probe;
        const Loaded saved = LoadAndSave(install.Path(), 1, probe / "save");
        const CPlayer* player = saved.world->FindPlayer(playerId);
        ASSERT_NE(player, nullptr);
        kept = player->FirstClub();
        gone = player->PreviousClub();
        unknown = player->FavouriteClub();
        ASSERT_NE(kept, 0u);
        ASSERT_NE(gone, 0u);
        ASSERT_NE(unknown, 0u);
        ASSERT_NE(kept, gone);
    }
    std::string second = test::ReadFile(CountryFile(install.Path(), written[1]));
    const std::string section = "CLUB" + std::to_string(ClubId::NumberOf(gone)) + "\r\n";
    const size_t begin = second.find("%INDEX%" + section);
    const size_t end = second.find("%INDEXEND%" + section);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    second.erase(begin, end + std::string("%INDEXEND%").size() + section.size() - begin);
    test::WriteFile(CountryFile(install.Path(), written[1]), second);
    const std::string third = CountryFile(install.Path(), written[2]);
    fs::remove(third);
    fs::create_directory(third);

    for (int threads : {1, 3}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        test::TempDir probe;
        const Loaded loaded = LoadAndSave(install.Path(), threads, probe / "save");
        const CPlayer* player = loaded.world->FindPlayer(playerId);
        ASSERT_NE(player, nullptr);
        EXPECT_EQ(player->FirstClub(), kept);
        EXPECT_EQ(player->PreviousClub(), 0u);
        EXPECT_EQ(player->FavouriteClub(), unknown);
    }
}

} // namespace
} // namespace tallo
