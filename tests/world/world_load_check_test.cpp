// The check after a world load: the part that needs one country alone (ranges, a club's own
// values, detail totals) runs as each file is read, the references into the rest of the world
// once every file is there. The world must come out exactly as when the clubs and persons are
// all checked in one piece after the last file, on one thread and on several, with files full
// of values out of range, taken IDs, a cut file and a file of an older edition.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/load_preparation.h"
#include "formats/kl_file.h"
#include "sample_database_files.h"
#include "sample_installation.h"
#include "support/small_random.h"
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

bool IsNumberLine(const std::string& line) {
    return !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
}

// Replaces about a third of the number lines inside PLAYER sections (their dates too) by
// values that lie outside most ranges: 0, bytes far too large, years off the calendar, club
// references into countries and clubs that exist or not (the file's own country `number`
// among them), player IDs that may be taken.
std::string Scramble(const std::string& text, test::SmallRandom& random, uint32_t number) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool inPlayer = false;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(at, end - at);
        if (line == "%INDEX%PLAYER") {
            inPlayer = true;
        } else if (line == "%INDEXEND%PLAYER") {
            inPlayer = false;
        } else if (inPlayer && IsNumberLine(line) && random(3) == 0) {
            static const char* const kValues[] = {"0",    "1",     "5",     "9",    "11",
                                                  "17",   "99",    "200",   "255",  "1979",
                                                  "2099", "65535", "59999", "60000"};
            if (random(4) == 0) {
                // A club reference: country 1-210 or the file's own, club 1-3, 1-40 (some
                // beyond the clubs there are) or the national team; now and then a second team.
                const uint32_t country = random(2) == 0 ? number : 1 + random(210);
                uint32_t club = random(4) == 0 ? 0xFFFFu : 1 + random(random(2) == 0 ? 3 : 40);
                club |= random(8) == 0 ? ClubId::kSecondTeamBit : 0;
                line = std::to_string((country << 16) | club);
            } else {
                line = kValues[random(std::size(kValues))];
            }
        }
        out += line;
        if (end < text.size()) {
            out += "\r\n";
        }
        at = end + 2;
    }
    return out;
}

// Scrambles every country file; one is then copied over another (every ID taken twice), one
// is cut in a player list and one is made a file of an older edition (a load on several
// threads reads it again in order).
void Damage(const std::string& install, uint32_t seed) {
    test::SmallRandom random(seed);
    const std::vector<int> written = WrittenCountries(install);
    ASSERT_GE(written.size(), 5u);
    for (int number : written) {
        test::WriteFile(CountryFile(install, number),
                        Scramble(test::ReadFile(CountryFile(install, number)), random,
                                 static_cast<uint32_t>(number)));
    }
    test::WriteFile(CountryFile(install, written[2]),
                    test::ReadFile(CountryFile(install, written[0])));
    std::string cut = test::ReadFile(CountryFile(install, written[1]));
    const size_t player = cut.find("%INDEX%PLAYER", cut.size() / 2);
    ASSERT_NE(player, std::string::npos);
    cut.resize(player + 60);
    test::WriteFile(CountryFile(install, written[1]), cut);
    std::string old = test::ReadFile(CountryFile(install, written[4]));
    size_t at = 0;
    while ((at = old.find(kCurrentVersionLine, at)) != std::string::npos) {
        old.replace(at, std::string(kCurrentVersionLine).size(), kMinorOneVersionLine);
    }
    test::WriteFile(CountryFile(install, written[4]), old);
}

std::unique_ptr<CWorld> LoadWorld(const std::string& install, int threads) {
    auto world = std::make_unique<CWorld>();
    PrepareForLoad(*world, install);
    world->SetLoadThreads(threads);
    world->LoadAll(install + "/database");
    return world;
}

// The countries read one after the other and nothing checked yet.
std::unique_ptr<CWorld> ReadUnchecked(const std::string& install) {
    auto world = std::make_unique<CWorld>();
    PrepareForLoad(*world, install);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CKLFile file;
        if (file.OpenForRead(CountryFile(install, number)) &&
            world->GetCountry(number)->Load(file)) {
            world->GetCountry(number)->RecomputeDetailTotal();
        }
    }
    return world;
}

// Every club and person of every country checked in one piece, after the last file.
void CheckInOnePiece(CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry& country = *world.GetCountry(number);
        country.PostLoadCheckClubs();
        for (uint32_t id : country.AdditionalManagers()) {
            if (CPlayer* player = world.FindPlayer(id)) {
                player->PostLoadCheck();
            }
        }
    }
}

// The persons of the club lists and the additional managers of a world, in order.
std::vector<const CPlayer*> ListedPersons(const CWorld& world) {
    std::vector<const CPlayer*> persons;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        for (const auto& [id, club] : country.Clubs()) {
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                persons.push_back(world.FindPlayer(club->PlayerId(i)));
            }
        }
        for (uint32_t id : country.AdditionalManagers()) {
            persons.push_back(world.FindPlayer(id));
        }
    }
    return persons;
}

// The same values, whichever world the two belong to.
bool SameValues(const CPlayer& a, const CPlayer& b) {
    CPlayer left = a;
    CPlayer right = b;
    left.SetWorld(nullptr);
    right.SetWorld(nullptr);
    return left == right;
}

void ExpectSameChecks(const CWorld& loaded, CWorld& reference) {
    EXPECT_EQ(loaded.DetailTotal(), reference.DetailTotal());
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        SCOPED_TRACE("country " + std::to_string(number));
        const CCountry& a = *loaded.GetCountry(number);
        CCountry& b = *reference.GetCountry(number);
        EXPECT_EQ(a.DetailTotal(), b.DetailTotal());
        EXPECT_EQ(a.AdditionalManagers(), b.AdditionalManagers());
        ASSERT_EQ(a.Clubs().size(), b.Clubs().size());
        for (auto left = a.Clubs().begin(), right = b.Clubs().begin(); left != a.Clubs().end();
             ++left, ++right) {
            EXPECT_EQ(left->first, right->first);
            // Clubs compare their worlds too: the reference's club is lent the other's.
            CClub& lent = *right->second;
            lent.SetWorld(const_cast<CWorld*>(&loaded));
            EXPECT_TRUE(*left->second == lent) << "club " << left->first;
            lent.SetWorld(&reference);
            EXPECT_EQ(left->second->DetailTotal(), right->second->DetailTotal());
            // The load leaves the club numbering of a save built.
            EXPECT_EQ(a.RenumberedClub(left->first), b.RenumberedClub(right->first));
        }
    }
    const std::vector<const CPlayer*> persons = ListedPersons(loaded);
    const std::vector<const CPlayer*> expected = ListedPersons(reference);
    ASSERT_EQ(persons.size(), expected.size());
    for (size_t i = 0; i < persons.size(); ++i) {
        ASSERT_NE(persons[i], nullptr);
        ASSERT_NE(expected[i], nullptr);
        EXPECT_EQ(persons[i]->Id(), expected[i]->Id());
        EXPECT_TRUE(SameValues(*persons[i], *expected[i])) << "person " << expected[i]->Id();
    }
}

TEST(WorldLoadCheck, ValuesOutOfRangeComeOutAsWhenCheckedAfterTheLastFile) {
    for (uint32_t seed : {2u, 19u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::TempDir install;
        WriteSmallSample(install.Path(), seed);
        Damage(install.Path(), seed);

        std::unique_ptr<CWorld> reference = ReadUnchecked(install.Path());
        const uint64_t totalAsRead = reference->DetailTotal();
        std::vector<CPlayer> unchecked;
        for (const CPlayer* person : ListedPersons(*reference)) {
            unchecked.push_back(*person);
        }
        CheckInOnePiece(*reference);

        // The damage is there to be checked: ranges were limited and references dropped, and
        // the detail totals are those of the values as read, which the limits change.
        int clamped = 0;
        int dropped = 0;
        const std::vector<const CPlayer*> checked = ListedPersons(*reference);
        ASSERT_EQ(checked.size(), unchecked.size());
        for (size_t i = 0; i < checked.size(); ++i) {
            CPlayer rangesOnly = unchecked[i];
            rangesOnly.ClampRanges();
            clamped += SameValues(rangesOnly, unchecked[i]) ? 0 : 1;
            dropped += SameValues(rangesOnly, *checked[i]) ? 0 : 1;
        }
        EXPECT_GT(clamped, 50);
        EXPECT_GT(dropped, 5);
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            reference->GetCountry(number)->RecomputeDetailTotal();
        }
        EXPECT_NE(reference->DetailTotal(), totalAsRead);
        reference = ReadUnchecked(install.Path());
        CheckInOnePiece(*reference);
        reference->BuildClubRenumbering();

        for (int threads : {1, 2, 3}) {
            SCOPED_TRACE(std::to_string(threads) + " threads");
            std::unique_ptr<CWorld> loaded = LoadWorld(install.Path(), threads);
            ExpectSameChecks(*loaded, *reference);
        }
    }
}

TEST(WorldLoadCheck, ACountryWhoseFileIsGoneIsCheckedWhole) {
    // A load into a world that holds a database already: a country without a file keeps what
    // it had, and its clubs and persons are checked whole, ranges and references alike.
    test::TempDir install;
    WriteSmallSample(install.Path(), 23);
    const std::vector<int> written = WrittenCountries(install.Path());
    ASSERT_GE(written.size(), 2u);
    std::unique_ptr<CWorld> world = LoadWorld(install.Path(), 1);
    CCountry& kept = *world->GetCountry(written[0]);
    const CClub& club = *kept.Clubs().begin()->second;
    ASSERT_GT(club.PlayerCount(), 0u);
    CPlayer* player = world->FindPlayer(club.PlayerId(0));
    ASSERT_NE(player, nullptr);
    player->SetTalent(9);
    player->SetAbility(0, 0);
    player->SetYearJoined(1900);
    player->SetFirstClub(ClubId::Make(static_cast<uint32_t>(written[1]), 0xFFF0));
    fs::remove(CountryFile(install.Path(), written[0]));

    world->LoadAll(install.Path() + "/database");
    player = world->FindPlayer(club.PlayerId(0));
    ASSERT_NE(player, nullptr);
    CPlayer expected = *player;
    expected.PostLoadCheck();
    EXPECT_TRUE(SameValues(*player, expected));
    EXPECT_EQ(player->Talent(), 4);
    EXPECT_EQ(player->Ability(0), 1);
    EXPECT_EQ(player->FirstClub(), 0u);
}

TEST(WorldLoadCheck, PlayersTheirFilesNameNotGetTheDefaultNamesOnEveryPath) {
    // Some player sections of two countries are emptied (no names at all) or keep only a first
    // name: those players get the default names of a new player, counted by the players
    // registered before them, on one thread (where the names are given after the read) as on
    // several (where the merge gives them).
    test::TempDir install;
    WriteSmallSample(install.Path(), 31);
    const std::vector<int> written = WrittenCountries(install.Path());
    ASSERT_GE(written.size(), 3u);
    const std::string begin = "%INDEX%PLAYER\r\n";
    const std::string end = "%INDEXEND%PLAYER\r\n";
    for (int number : {written[0], written[2]}) {
        std::string text = test::ReadFile(CountryFile(install.Path(), number));
        size_t at = 0;
        for (int section = 0; (at = text.find(begin, at)) != std::string::npos; ++section) {
            const size_t body = at + begin.size();
            const size_t stop = text.find(end, body);
            ASSERT_NE(stop, std::string::npos);
            if (section % 7 == 3) {
                text.erase(body, stop - body); // no names, no values
            } else if (section % 7 == 5) {
                const size_t firstNameEnd = text.find("\r\n", body) + 2;
                text.erase(firstNameEnd, stop - firstNameEnd); // a first name alone
            }
            at = body;
        }
        test::WriteFile(CountryFile(install.Path(), number), text);
    }

    std::unique_ptr<CWorld> inOrder = LoadWorld(install.Path(), 1);
    int unnamed = 0;
    int firstNameOnly = 0;
    for (const auto& [id, player] : inOrder->Players()) {
        EXPECT_FALSE(player->FirstName().empty()) << id;
        EXPECT_FALSE(player->Surname().empty()) << id;
        const CPlayer fresh(nullptr, CPlayer::kRolePlayer, 0);
        const std::string_view freshSurname = fresh.Surname();
        // The default surname without its number ("Last 1" with the 1 cut off).
        const std::string_view surnameText = freshSurname.substr(0, freshSurname.size() - 1);
        if (player->Surname().substr(0, surnameText.size()) == surnameText) {
            const std::string_view firstText =
                fresh.FirstName().substr(0, fresh.FirstName().size() - 1);
            if (player->FirstName().substr(0, firstText.size()) == firstText) {
                ++unnamed;
            } else {
                ++firstNameOnly;
            }
        }
    }
    EXPECT_GT(unnamed, 10);
    EXPECT_GT(firstNameOnly, 10);
    for (int threads : {2, 3}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        std::unique_ptr<CWorld> parallel = LoadWorld(install.Path(), threads);
        ASSERT_EQ(parallel->PlayerCount(), inOrder->PlayerCount());
        for (const auto& [id, player] : inOrder->Players()) {
            const CPlayer* other = parallel->FindPlayer(id);
            ASSERT_NE(other, nullptr) << id;
            EXPECT_EQ(other->FirstName(), player->FirstName()) << id;
            EXPECT_EQ(other->Surname(), player->Surname()) << id;
            EXPECT_TRUE(SameValues(*other, *player)) << id;
        }
    }
}

} // namespace
} // namespace tallo
