// Deleting a player double on the sample database through the database's journal: the next save
// leaves the player out, undo gives back the bytes saved before and redo the bytes after.

#include "editing/assistants/player_doubles_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editing/assistants/world_changes.h"
#include "editing/session/database_session.h"
#include "editing/editing_test_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::EditorHarness;
using test::SavedBytes;

// How often `text` stands in all the files of a save.
size_t Occurrences(const std::map<std::string, std::string>& files, const std::string& text) {
    size_t count = 0;
    for (const auto& [name, bytes] : files) {
        for (size_t at = bytes.find(text); at != std::string::npos;
             at = bytes.find(text, at + text.size())) {
            ++count;
        }
    }
    return count;
}

// The first player of the first counted club with players, from country `from` on.
CPlayer* FirstClubPlayer(CWorld& world, int from, uint32_t& club) {
    for (int number = from; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, entry] : world.GetCountry(number)->Clubs()) {
            if (!entry->IsNationalTeam() && entry->PlayerCount() > 0) {
                club = entry->Id();
                return world.FindPlayer(entry->PlayerId(0));
            }
        }
    }
    return nullptr;
}

TEST(DoublesJournalTest, ADeleteIsLeftOutOfTheNextSaveAndUndoneAndRedoneByteForByte) {
    EditorHarness harness;
    DatabaseSession& session = harness.OpenGame();
    CWorld& world = session.World();

    // Two players of two countries get one name no other player of the sample has.
    uint32_t firstClub = 0;
    uint32_t secondClub = 0;
    CPlayer* first = FirstClubPlayer(world, 1, firstClub);
    ASSERT_NE(first, nullptr);
    CPlayer* second =
        FirstClubPlayer(world, static_cast<int>(ClubId::CountryOf(firstClub)) + 1, secondClub);
    ASSERT_NE(second, nullptr);
    const std::string surname = "Qwzdoppel";
    for (CPlayer* player : {first, second}) {
        player->SetSurname(surname);
        player->SetFirstName("Jonas");
    }
    const uint32_t deletedId = second->Id();
    const std::map<std::string, std::string> before = SavedBytes(world);
    ASSERT_EQ(Occurrences(before, surname), 2u);

    PlayerDoublesModel model(world, world.Language(), 0, secondClub);
    ASSERT_EQ(model.Scope(), DoublesScope::Club);
    ASSERT_EQ(model.Pairs().size(), 1u);
    const int which = model.Pairs()[0].first.player == deletedId ? 1 : 2;
    ASSERT_TRUE(model.DeletePlayer(0, which, WorldChanges::Journal(session.Journal())));
    EXPECT_TRUE(model.Pairs().empty());
    EXPECT_FALSE(world.FindClub(secondClub)->HasPlayer(deletedId));
    EXPECT_TRUE(session.IsModified());

    const std::map<std::string, std::string> after = SavedBytes(world);
    EXPECT_EQ(Occurrences(after, surname), 1u);
    EXPECT_NE(after, before);

    ASSERT_TRUE(session.Journal().Undo());
    EXPECT_EQ(SavedBytes(world), before);
    ASSERT_TRUE(session.Journal().Redo());
    EXPECT_EQ(SavedBytes(world), after);
}

} // namespace
} // namespace tallo
