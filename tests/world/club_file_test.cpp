#include "world/club.h"

#include <gtest/gtest.h>

#include <string>

#include "formats/string_table.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "world/club_test_world.h"

namespace tallo {
namespace {

using test::ClubTestWorld;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A club of country 7 with two listed persons.
CClub SourceClub(ClubTestWorld& world) {
    CClub club;
    club.SetId(CClub::MakeId(7, 3));
    club.SetAllNames("Source FC");
    club.SetBadgeFile("Badge\\source.tga");
    club.SetMainStadium(2);
    club.SetAlternativeStadium(1);
    club.SetFanSites("line one\nline two");
    club.SetFacilityLevel(CClub::kYouthDepartment, 4);
    club.SetRival(0, CClub::MakeId(7, 1));
    world.renumbering[CClub::MakeId(7, 1)] = 1;
    world.stadiumKeys = {1, 2};
    CPlayer& striker = world.AddPerson(0);
    striker.SetSurname("Striker");
    CPlayer& manager = world.AddPerson(1);
    manager.SetSurname("Boss");
    club.AddPlayer(striker.Id());
    club.AddPlayer(manager.Id());
    return club;
}

// A club of the same country with its own stadiums, badge and players.
CClub TargetClub(ClubTestWorld& world) {
    CClub club;
    club.SetId(CClub::MakeId(7, 9));
    club.SetAllNames("Target FC");
    club.SetBadgeFile("Badge\\target.tga");
    club.SetMainStadium(5);
    club.SetAlternativeStadium(6);
    CPlayer& old = world.AddPerson(0);
    old.SetSurname("Former");
    club.AddPlayer(old.Id());
    return club;
}

TEST(ClubFile, ReplacingAClubKeepsItsIdStadiumsAndBadge) {
    TempDir dir;
    ClubTestWorld source;
    CClub club = SourceClub(source);
    ASSERT_TRUE(club.SaveClubFile(dir / "source.clb", source));
    EXPECT_EQ(ReadFile(dir / "source.clb").rfind("%INDEX%CLUB0\r\n%INDEX%VERSION\r\n", 0), 0u);

    ClubTestWorld target;
    CClub replaced = TargetClub(target);
    uint32_t formerId = replaced.PlayerId(0);
    ASSERT_EQ(replaced.LoadClubFile(dir / "source.clb", target), CClub::ClubFileResult::kLoaded);
    EXPECT_EQ(replaced.Id(), CClub::MakeId(7, 9));
    EXPECT_EQ(replaced.Name(2), "Source FC");
    EXPECT_EQ(replaced.FanSites(), "line one\r\nline two");
    EXPECT_EQ(replaced.FacilityLevel(CClub::kYouthDepartment), 4);
    EXPECT_EQ(replaced.Rival(0), CClub::MakeId(7, 1));
    EXPECT_EQ(replaced.BadgeFile(), "Badge\\target.tga");
    EXPECT_EQ(replaced.MainStadium(), 5u);
    EXPECT_EQ(replaced.AlternativeStadium(), 6u);

    // The file's persons are new players of the target world; the former player stays in the
    // registry but is no longer listed.
    ASSERT_EQ(replaced.PlayerCount(), 2u);
    EXPECT_FALSE(replaced.HasPlayer(formerId));
    ASSERT_NE(target.FindPlayer(formerId), nullptr);
    EXPECT_EQ(target.FindPlayer(replaced.PlayerId(0))->Surname(), "Striker");
    EXPECT_EQ(target.FindPlayer(replaced.PlayerId(1))->Surname(), "Boss");
    EXPECT_NE(replaced.PlayerId(0), formerId);
}

TEST(ClubFile, FileWithoutClubSectionLeavesTheClubIntact) {
    TempDir dir;
    WriteFile(dir / "other.clb", "%INDEX%CLUB1\r\n%INDEX%VERSION\r\n537133064\r\n"
                                 "%INDEXEND%VERSION\r\n\"Wrong\"\r\n%INDEXEND%CLUB1\r\n");
    WriteFile(dir / "empty.clb", "");
    ClubTestWorld world;
    CClub club = TargetClub(world);
    const CClub before = club;
    EXPECT_EQ(club.LoadClubFile(dir / "other.clb", world), CClub::ClubFileResult::kNoClubSection);
    EXPECT_EQ(club.LoadClubFile(dir / "empty.clb", world), CClub::ClubFileResult::kNoClubSection);
    EXPECT_EQ(club.LoadClubFile(dir / "missing.clb", world), CClub::ClubFileResult::kCannotOpen);
    EXPECT_EQ(club, before);
    EXPECT_EQ(club.PlayerCount(), 1u);
    EXPECT_EQ(world.players.size(), 1u);
}

TEST(ClubFile, LoadRunsThePostLoadCheck) {
    TempDir dir;
    ClubTestWorld world;
    CClub club;
    club.SetId(CClub::MakeId(7, 3));
    club.SetFriendlyClub(CClub::MakeId(7, 1));
    world.renumbering[CClub::MakeId(7, 1)] = 1;
    ASSERT_TRUE(club.SaveClubFile(dir / "c.clb", world));
    // Loaded into a club of another country, the friendly club is no longer in its country.
    CClub abroad;
    abroad.SetId(CClub::MakeId(9, 2));
    ASSERT_EQ(abroad.LoadClubFile(dir / "c.clb", world), CClub::ClubFileResult::kLoaded);
    EXPECT_EQ(abroad.FriendlyClub(), 0u);
    EXPECT_EQ(abroad.Id(), CClub::MakeId(9, 2));
}

TEST(ClubFile, SaveIntoAMissingFolderFailsAndWritesNothing) {
    TempDir dir;
    ClubTestWorld world;
    CClub club = SourceClub(world);
    EXPECT_FALSE(club.SaveClubFile(dir / "no/such/folder/x.clb", world));
}

TEST(ClubFile, CommandsAskThroughThePromptAndRememberTheFolder) {
    TempDir dir;
    ClubTestWorld world;
    CClub club = SourceClub(world);
    club.SetName(1, "A/B: Club");
    ScriptedPrompt prompt;

    prompt.QueueFileChoice(std::nullopt); // cancelled
    EXPECT_FALSE(club.SaveToFile(prompt, 1, world));
    prompt.QueueFileChoice(dir / "saved.clb");
    ASSERT_TRUE(club.SaveToFile(prompt, 1, world));
    EXPECT_EQ(CClub::RememberedClubFileFolder(), dir.Path());
    auto calls = prompt.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].kind, PromptCall::Kind::SaveFile);
    EXPECT_EQ(calls[1].caption, LoadString(797));
    EXPECT_EQ(calls[1].extension, "clb");
    EXPECT_EQ(calls[0].text, "A B  Club"); // nothing remembered yet: the name alone
    prompt.QueueFileChoice(std::nullopt);
    club.SaveToFile(prompt, 1, world);
    EXPECT_EQ(prompt.Calls().back().text, dir.Path() + "/A B  Club");

    ClubTestWorld target;
    CClub other = TargetClub(target);
    prompt.QueueFileChoice(dir / "saved.clb");
    ASSERT_TRUE(other.LoadFromFile(prompt, target));
    EXPECT_EQ(other.Name(0), "Source FC");

    // A failed save and a file without a club are reported.
    prompt.ClearCalls();
    prompt.QueueFileChoice(dir / "missing/x.clb");
    EXPECT_FALSE(club.SaveToFile(prompt, 0, world));
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    WriteFile(dir / "none.clb", "nothing\r\n");
    prompt.QueueFileChoice(dir / "none.clb");
    EXPECT_FALSE(other.LoadFromFile(prompt, target));
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 2u);
    EXPECT_EQ(other.Name(0), "Source FC");
}

TEST(ClubCopy, SelectedPartsAreCopiedAndPersonsBecomeNewPlayers) {
    ClubTestWorld sourceWorld;
    CClub source = SourceClub(sourceWorld);
    CPlayer& reserve = sourceWorld.AddPerson(0, true);
    source.AddPlayer(reserve.Id());
    ClubTestWorld targetWorld;
    CClub target = TargetClub(targetWorld);
    uint32_t formerId = target.PlayerId(0);
    CPlayer& coach = targetWorld.AddPerson(1);
    target.AddPlayer(coach.Id());

    target.CopyPartsFrom(source, CClub::kCopyGeneral | CClub::kCopyFirstTeam, sourceWorld,
                         targetWorld);
    EXPECT_EQ(target.Name(0), "Source FC");
    EXPECT_EQ(target.Rival(0), CClub::MakeId(7, 1)); // same country
    EXPECT_EQ(target.FanSites(), "");                // address part not selected
    EXPECT_EQ(target.BadgeFile(), "Badge\\target.tga");
    EXPECT_EQ(target.MainStadium(), 5u);
    EXPECT_EQ(target.Id(), CClub::MakeId(7, 9));
    // First team replaced by a copy; the coach (officials) and no reserves taken.
    EXPECT_FALSE(target.HasPlayer(formerId));
    EXPECT_TRUE(target.HasPlayer(coach.Id()));
    ASSERT_EQ(target.PlayerCount(), 2u);
    const CPlayer* copy = targetWorld.FindPlayer(target.PlayerId(1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Surname(), "Striker");
    EXPECT_EQ(copy->World(), static_cast<IPlayerWorld*>(&targetWorld));
    EXPECT_EQ(target.DetailTotal(), copy->GetDetailValue() + coach.GetDetailValue());

    CClub abroad;
    abroad.SetId(CClub::MakeId(8, 1));
    abroad.CopyPartsFrom(source, CClub::kCopyAll, sourceWorld, targetWorld);
    EXPECT_EQ(abroad.Rival(0), 0u); // references stay within their country
    EXPECT_EQ(abroad.MainStadium(), 0u);
    EXPECT_EQ(abroad.BadgeFile(), "Badge\\source.tga");
    EXPECT_EQ(abroad.PlayerCount(), 3u);
    EXPECT_EQ(abroad.FacilityLevel(CClub::kYouthDepartment), 4);
}

} // namespace
} // namespace tallo
