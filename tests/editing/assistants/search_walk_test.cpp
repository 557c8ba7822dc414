// The player search's matching and its walk over the world, on a small world made in memory:
// wildcards over the whole name, accents folded, the nickname or else the pseudonym, the walk's
// order (clubs numbered 65535 too, then the players without a club) and its cancel check.

#include "editing/assistants/player_search_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/assistants/search_criteria.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class SearchWalkTest : public ::testing::Test {
protected:
    CPlayer& Player(CClub* club, const std::string& first, const std::string& surname,
                    const std::string& nickname = "", const std::string& pseudonym = "") {
        CPlayer& player = *world_.CreatePlayer(0, true);
        player.SetFirstName(first);
        player.SetSurname(surname);
        player.SetNickname(nickname);
        player.SetPseudonym(pseudonym);
        if (club != nullptr) {
            club->AddPlayer(player.Id());
        } else {
            world_.PlayersWithoutClub().push_back(player.Id());
        }
        return player;
    }

    std::vector<SearchMatch> Walk(const SearchCriteria& criteria) {
        std::vector<SearchMatch> found;
        SearchWalkCallbacks callbacks;
        callbacks.found = [&found](const SearchMatch& match) { found.push_back(match); };
        EXPECT_TRUE(WalkPlayerSearch(world_, SearchKeys::From(criteria), callbacks));
        return found;
    }

    static SearchCriteria Surname(const std::string& pattern) {
        SearchCriteria criteria;
        criteria.surname = pattern;
        return criteria;
    }

    CWorld world_;
};

TEST_F(SearchWalkTest, ThreeEmptyCriteriaWalkNothing) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    Player(&club, "Ivan", "Petrov");
    int clubsAsked = 0;
    SearchWalkCallbacks callbacks;
    callbacks.cancelled = [&clubsAsked] {
        ++clubsAsked;
        return false;
    };
    bool reported = false;
    callbacks.found = [&reported](const SearchMatch&) { reported = true; };
    EXPECT_TRUE(WalkPlayerSearch(world_, SearchKeys::From(SearchCriteria{}), callbacks));
    EXPECT_FALSE(reported);
    EXPECT_EQ(clubsAsked, 0);
}

TEST_F(SearchWalkTest, AStarCoversAnyRunAndTheWholeNameMustMatch) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    const uint32_t miller = Player(&club, "A", "Miller").Id();
    const uint32_t mr = Player(&club, "B", "Mr").Id();
    Player(&club, "C", "Millers");
    Player(&club, "D", "Amr");
    const std::vector<SearchMatch> found = Walk(Surname("m*r"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].player, miller);
    EXPECT_EQ(found[1].player, mr);
}

TEST_F(SearchWalkTest, AQuestionMarkStandsForExactlyOneCharacter) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    Player(&club, "A", "MR");
    const uint32_t mar = Player(&club, "B", "MAR").Id();
    Player(&club, "C", "MAAR");
    const std::vector<SearchMatch> found = Walk(Surname("M?R"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].player, mar);
    // At the end of a name too: "?" never stands for nothing.
    EXPECT_TRUE(Walk(Surname("MAR?")).empty());
}

TEST_F(SearchWalkTest, AccentedLettersMatchTheirPlainFormsInAnyCase) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    // "Müller" and "Gómez" in the records' code page.
    const uint32_t muller = Player(&club, "Thomas", "M\xFCller").Id();
    const uint32_t gomez = Player(&club, "Luis", "G\xF3mez").Id();
    std::vector<SearchMatch> found = Walk(Surname("MULLER"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].player, muller);
    found = Walk(Surname("g\xF3*"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].player, gomez);
}

TEST_F(SearchWalkTest, TheNicknameCriterionFallsBackOnThePseudonym) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    const uint32_t byNickname = Player(&club, "A", "One", "Kaka", "").Id();
    // The nickname does not match, the pseudonym does.
    const uint32_t byPseudonym = Player(&club, "B", "Two", "Dodo", "Kaka").Id();
    // No nickname at all: the pseudonym decides.
    const uint32_t onlyPseudonym = Player(&club, "C", "Three", "", "KAKA").Id();
    Player(&club, "D", "Four", "Kaka2", "Dodo");
    Player(&club, "E", "Five", "", "");
    SearchCriteria criteria;
    criteria.nickname = "kaka";
    std::vector<SearchMatch> found = Walk(criteria);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].player, byNickname);
    EXPECT_EQ(found[1].player, byPseudonym);
    EXPECT_EQ(found[2].player, onlyPseudonym);
    // "*" asks for a nickname or a pseudonym: players with neither are left out.
    criteria.nickname = "*";
    EXPECT_EQ(Walk(criteria).size(), 4u);
}

TEST_F(SearchWalkTest, EveryGivenCriterionMustMatch) {
    CClub& club = *world_.GetCountry(3)->CreateClub("Club");
    const uint32_t ivan = Player(&club, "Ivan", "Petrov").Id();
    Player(&club, "Oleg", "Petrov");
    Player(&club, "Ivan", "Sidorov");
    SearchCriteria criteria;
    criteria.firstName = "IVAN";
    criteria.surname = "PET*";
    const std::vector<SearchMatch> found = Walk(criteria);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].player, ivan);
}

TEST_F(SearchWalkTest, WalksCountriesInOrderNationalTeamsTooThenThePlayersWithoutAClub) {
    CClub& late = *world_.GetCountry(7)->CreateClub("Late");
    CClub& early = *world_.GetCountry(2)->CreateClub("Early");
    CClub& national = *world_.GetCountry(2)->EnsureNationalTeam();
    const uint32_t free = Player(nullptr, "X", "Smith").Id();
    const uint32_t inLate = Player(&late, "X", "Smith").Id();
    const uint32_t inNational = Player(&national, "X", "Smith").Id();
    const uint32_t inEarly = Player(&early, "X", "Smith").Id();
    // A listed ID without a record is passed over.
    world_.PlayersWithoutClub().push_back(987654);

    const std::vector<SearchMatch> found = Walk(Surname("SMITH"));
    const std::vector<SearchMatch> expected = {
        {inEarly, early.Id()}, {inNational, national.Id()}, {inLate, late.Id()}, {free, 0}};
    EXPECT_EQ(found, expected);
}

TEST_F(SearchWalkTest, ACancelBeforeAClubEndsTheWalk) {
    CClub& first = *world_.GetCountry(2)->CreateClub("First");
    CClub& second = *world_.GetCountry(2)->CreateClub("Second");
    const uint32_t found = Player(&first, "X", "Smith").Id();
    Player(&second, "X", "Smith");
    Player(nullptr, "X", "Smith");
    std::vector<SearchMatch> matches;
    SearchWalkCallbacks callbacks;
    // Cancelled once the first club has reported its player: the second club is not walked.
    callbacks.cancelled = [&matches] { return !matches.empty(); };
    callbacks.found = [&matches](const SearchMatch& match) { matches.push_back(match); };
    EXPECT_FALSE(WalkPlayerSearch(world_, SearchKeys::From(Surname("SMITH")), callbacks));
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].player, found);
}

TEST_F(SearchWalkTest, KeysAreFoldedUpperCaseAndAtMost127Characters) {
    SearchCriteria criteria;
    criteria.firstName = "j\xFCrgen";
    criteria.surname = std::string(200, 'a');
    const SearchKeys keys = SearchKeys::From(criteria);
    EXPECT_EQ(keys.firstName, "JURGEN");
    EXPECT_EQ(keys.surname, std::string(127, 'A'));
    EXPECT_TRUE(keys.nickname.empty());
    EXPECT_FALSE(keys.Empty());
    EXPECT_TRUE(SearchKeys::From(SearchCriteria{}).Empty());
}

} // namespace
} // namespace tallo
