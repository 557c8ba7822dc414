// The main page of a person, and the round trip of every page of the person editor: a page
// filled and stored without a change leaves the saved database as it was.

#include "editing/player/person_main_page_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/player_abilities_page_model.h"
#include "editing/player/player_character_page_model.h"
#include "editing/player/player_details_page_model.h"
#include "editing/player/player_positions_page_model.h"
#include "editing/session/database_session.h"
#include "formats/string_table.h"
#include "person_editor_test_support.h"
#include "platform/scripted_prompt.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::EditorHarness;
using test::SavedBytes;

TEST(PersonPagesRoundTrip, UntouchedPagesChangeNoByteAndAChangeIsStored) {
    EditorHarness harness;
    CWorld& world = harness.OpenGame().World();
    CPlayer* player = test::RichPlayer(world);
    ASSERT_NE(player, nullptr);
    const auto before = SavedBytes(world);

    PersonEditContext context;
    context.world = &world;
    context.prompt = &harness.prompt;
    PersonMainPageModel main(context);
    PlayerDetailsPageModel details;
    PlayerPositionsPageModel positions;
    PlayerAbilitiesPageModel abilities;
    PlayerCharacterPageModel character;
    main.SetPerson(player);
    details.SetPerson(player);
    positions.SetPerson(player);
    abilities.SetPerson(player);
    character.SetPerson(player);
    main.Store();
    details.Store();
    positions.Store();
    abilities.Store();
    character.Store();
    EXPECT_TRUE(SavedBytes(world) == before);

    // The same pages do write what the user changes.
    const int surnameLength = static_cast<int>(player->Surname().size());
    main.SetName(PersonMainPageModel::kSurname, surnameLength == 1 ? "Ab" : "A");
    main.Store();
    EXPECT_FALSE(SavedBytes(world) == before);
}

CPlayer NamedPlayer() {
    CPlayer player;
    player.SetSurname("Surname");
    player.SetFirstName("First");
    player.SetNationality(5);
    player.SetBirthDate(GameDate::FromDate(1980, 3, 15));
    return player;
}

TEST(PersonMainPageModel, NamesKeepTheirLimits) {
    PersonEditContext context;
    PersonMainPageModel model(context);
    CPlayer player = NamedPlayer();
    model.SetPerson(&player);
    model.SetName(PersonMainPageModel::kSurname, std::string(25, 's'));
    model.SetName(PersonMainPageModel::kFirstName, std::string(16, 'f'));
    model.SetName(PersonMainPageModel::kPseudonym, std::string(19, 'p'));
    model.SetName(PersonMainPageModel::kNickname, std::string(20, 'n'));
    EXPECT_EQ(model.NameText(PersonMainPageModel::kSurname).size(), 19u);
    EXPECT_EQ(model.NameText(PersonMainPageModel::kFirstName).size(), 15u);
    model.Store();
    EXPECT_EQ(player.Surname(), std::string(19, 's'));
    EXPECT_EQ(player.FirstName(), std::string(15, 'f'));
    EXPECT_EQ(player.Pseudonym(), std::string(19, 'p'));
    EXPECT_EQ(player.Nickname(), std::string(19, 'n'));

    model.SetName(PersonMainPageModel::kPseudonym, "");
    model.Store();
    EXPECT_EQ(player.Pseudonym(), "");
    EXPECT_EQ(player.Surname(), std::string(19, 's'));
}

TEST(PersonMainPageModel, NationalitiesAreCountryNumbers) {
    PersonEditContext context;
    PersonMainPageModel model(context);
    CPlayer player = NamedPlayer();
    player.SetSecondNationality(7);
    model.SetPerson(&player);
    model.SetNationality(0);
    model.SetNationality(207);
    EXPECT_EQ(model.Nationality(), 5);
    model.SetNationality(206);
    model.SetSecondNationality(-1);
    model.SetSecondNationality(207);
    EXPECT_EQ(model.SecondNationality(), 7);
    model.SetSecondNationality(0);
    model.exemption = true;
    model.Store();
    EXPECT_EQ(player.Nationality(), 206);
    EXPECT_EQ(player.SecondNationality(), 0);
    EXPECT_EQ(player.ForeignExemption(), 1);
}

TEST(PersonMainPageModel, CountryListHoldsEveryCountrySortedByName) {
    EditorHarness harness;
    CWorld& world = harness.OpenGame().World();
    PersonEditContext context;
    context.world = &world;
    PersonMainPageModel model(context);
    const auto& countries = model.Countries();
    ASSERT_EQ(countries.size(), 206u);
    std::vector<bool> seen(207, false);
    for (const auto& country : countries) {
        ASSERT_GE(country.number, 1);
        ASSERT_LE(country.number, 206);
        EXPECT_FALSE(seen[static_cast<size_t>(country.number)]);
        seen[static_cast<size_t>(country.number)] = true;
    }
    // Named countries come in name order.
    const std::string first(world.GetCountry(countries[0].number)->Name(0));
    const std::string second(world.GetCountry(countries[1].number)->Name(0));
    if (!first.empty() && !second.empty()) {
        EXPECT_LE(first, second);
    }
}

TEST(PersonMainPageModel, BirthDayIsLimitedToItsMonth) {
    BirthDateFields date;
    date.SetFrom(GameDate::FromDate(1999, 1, 31));
    date.SetMonth(2);
    EXPECT_EQ(date.day, 28);
    date.SetYear(1996); // leap year: the day stays where it was lowered to
    date.SetDay(31);
    EXPECT_EQ(date.day, 29);
    date.SetDay(0);
    EXPECT_EQ(date.day, 1);
    date.SetMonth(0);
    EXPECT_EQ(date.month, 1);
    date.SetMonth(13);
    EXPECT_EQ(date.month, 12);
    date.SetDay(32);
    EXPECT_EQ(date.day, 31);
    date.SetMonth(4);
    EXPECT_EQ(date.day, 30);
    date.SetYear(1800);
    EXPECT_EQ(date.year, BirthDateFields::kFirstYear);
    date.SetYear(5000);
    EXPECT_EQ(date.year, CurrentGameDate().Year());
}

TEST(PersonMainPageModel, StoresTheBirthDateAndShowsTheAge) {
    PersonEditContext context;
    PersonMainPageModel model(context);
    CPlayer player = NamedPlayer();
    model.SetPerson(&player);
    const GameDate today = CurrentGameDate();
    model.birthDate.SetYear(today.Year() - 20);
    model.birthDate.SetMonth(today.Month());
    model.birthDate.SetDay(today.Day());
    EXPECT_EQ(model.Age(), 20);
    model.birthDate.SetYear(today.Year() - 30);
    model.Store();
    EXPECT_EQ(player.BirthDate(),
              GameDate::FromDate(today.Year() - 30, today.Month(), today.Day()));
    EXPECT_EQ(AgeAt(player.BirthDate()), 30);
}

TEST(PersonMainPageModel, PhotoComesFromThePictureFolderOnly) {
    EditorHarness harness;
    const std::string folder = harness.dir.Path() + "/picture";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/face.bmp") << "x";
    PersonEditContext context;
    context.pictureFolder = folder;
    context.prompt = &harness.prompt;
    PersonMainPageModel model(context);
    CPlayer player = NamedPlayer();
    model.SetPerson(&player);
    EXPECT_EQ(model.PhotoText(), LoadString(575));
    EXPECT_EQ(model.PhotoPath(), "");

    harness.prompt.QueueFileChoice(harness.dir.Path() + "/elsewhere.bmp");
    EXPECT_FALSE(model.ChoosePhoto());
    EXPECT_EQ(model.Photo(), "");
    EXPECT_EQ(harness.prompt.CountOf(PromptCall::Kind::Message), 1u);

    harness.prompt.QueueFileChoice(std::nullopt); // cancelled
    EXPECT_FALSE(model.ChoosePhoto());

    harness.prompt.QueueFileChoice(folder + "/face.bmp");
    EXPECT_TRUE(model.ChoosePhoto());
    EXPECT_EQ(model.Photo(), "face.bmp");
    EXPECT_EQ(model.PhotoText(), "face.bmp");
    EXPECT_EQ(model.PhotoPath(), folder + "/face.bmp");
    model.Store();
    EXPECT_EQ(player.Photo(), "face.bmp");

    model.ClearPhoto();
    model.Store();
    EXPECT_EQ(player.Photo(), "");
}

TEST(PersonMainPageModel, RoleChoosesTheSubPage) {
    EXPECT_EQ(RoleGroupOf(0), PersonRoleGroup::Player);
    EXPECT_EQ(RoleGroupOf(1), PersonRoleGroup::Manager);
    EXPECT_EQ(RoleGroupOf(2), PersonRoleGroup::Chairman);
    EXPECT_EQ(RoleGroupOf(3), PersonRoleGroup::Chairman);
    EXPECT_EQ(RoleGroupOf(4), PersonRoleGroup::Staff);
    EXPECT_EQ(RoleGroupOf(20), PersonRoleGroup::Staff);
    PersonEditContext context;
    PersonMainPageModel model(context);
    CPlayer president;
    president.SetRole(CPlayer::kRolePresident);
    model.SetPerson(&president);
    EXPECT_EQ(model.RoleGroup(), PersonRoleGroup::Chairman);
}

TEST(PersonMainPageModel, WithoutPersonStoresNothing) {
    PersonEditContext context;
    PersonMainPageModel model(context);
    model.SetPerson(nullptr);
    model.SetName(PersonMainPageModel::kSurname, "X");
    model.Store(); // nothing to write into, and no crash
    EXPECT_EQ(model.Person(), nullptr);
    EXPECT_FALSE(model.ChoosePhoto());
}

} // namespace
} // namespace tallo
