// The abilities page: ranges, experience only for players, the language slots, and the ratings
// and special ability worked out from the values being edited.

#include "editing/player/player_abilities_page_model.h"

#include <gtest/gtest.h>

#include "formats/string_table.h"

namespace tallo {
namespace {

TEST(PlayerAbilitiesPageModel, ValuesStayInTheirRanges) {
    CPlayer player;
    PlayerAbilitiesPageModel model;
    model.SetPerson(&player);
    model.SetAbility(CPlayer::kPassing, 0);
    model.SetAbility(CPlayer::kThrowIns, 11);
    model.SetAbility(CPlayer::kPace, 10);
    model.SetTacticalEducation(9);
    model.SetPreferredFoot(-1);
    model.SetLeagueExperience(7);
    model.SetInternationalExperience(5);
    EXPECT_EQ(model.Ability(CPlayer::kPassing), 1);
    EXPECT_EQ(model.Ability(CPlayer::kThrowIns), 10);
    EXPECT_EQ(model.LeagueExperienceName(), LoadString(147));
    EXPECT_EQ(model.InternationalExperienceName(), LoadString(140));
    EXPECT_EQ(model.PreferredFootName(), LoadString(129));
    model.Store();
    EXPECT_EQ(player.Ability(CPlayer::kPassing), 1);
    EXPECT_EQ(player.Ability(CPlayer::kThrowIns), 10);
    EXPECT_EQ(player.Ability(CPlayer::kPace), 10);
    EXPECT_EQ(player.TacticalEducation(), 8);
    EXPECT_EQ(player.PreferredFoot(), 0);
    EXPECT_EQ(player.LeagueExperience(), 6);
    EXPECT_EQ(player.InternationalExperience(), 4);

    model.SetTacticalEducation(-1);
    model.SetPreferredFoot(3);
    model.SetLeagueExperience(-1);
    model.SetInternationalExperience(-1);
    model.Store();
    EXPECT_EQ(player.TacticalEducation(), 0);
    EXPECT_EQ(player.PreferredFoot(), 2);
    EXPECT_EQ(player.LeagueExperience(), 0);
    EXPECT_EQ(player.InternationalExperience(), 0);
}

TEST(PlayerAbilitiesPageModel, ExperienceAndTacticalEducationOnlyForPlayers) {
    CPlayer manager;
    manager.SetRole(CPlayer::kRoleManager);
    manager.SetLeagueExperience(2);
    manager.SetInternationalExperience(1);
    manager.SetTacticalEducation(3);
    PlayerAbilitiesPageModel model;
    model.SetPerson(&manager);
    model.SetLeagueExperience(5);
    model.SetInternationalExperience(4);
    model.SetTacticalEducation(7);
    model.SetAbility(CPlayer::kHeading, 9);
    model.Store();
    EXPECT_EQ(manager.LeagueExperience(), 2);
    EXPECT_EQ(manager.InternationalExperience(), 1);
    EXPECT_EQ(manager.TacticalEducation(), 3);
    EXPECT_EQ(manager.Ability(CPlayer::kHeading), 9);
}

struct LanguageCase {
    std::array<uint8_t, 4> before;
    std::array<int, 3> chosen;
    std::array<uint8_t, 4> after;
};

TEST(PlayerAbilitiesPageModel, LanguageSlotsAreTidied) {
    const LanguageCase cases[] = {
        // A language repeated in a later box is dropped and the slots move forward.
        {{5, 7, 9, 0}, {5, 5, 7}, {5, 7, 0, 0}},
        {{5, 7, 9, 0}, {5, 9, 5}, {5, 9, 0, 0}},
        // None in front: the languages behind move forward.
        {{5, 7, 9, 0}, {0, 3, 3}, {3, 0, 0, 0}},
        // Every box set to none clears the languages.
        {{5, 7, 9, 0}, {0, 0, 0}, {0, 0, 0, 0}},
        // No choice keeps the slot's language; the fourth slot takes part in the tidying.
        {{5, 7, 9, 7}, {-1, 8, -1}, {5, 8, 9, 7}},
        {{5, 7, 9, 9}, {-1, -1, 4}, {5, 7, 4, 9}},
        {{5, 7, 9, 5}, {-1, 0, 9}, {5, 9, 0, 0}},
    };
    for (const LanguageCase& c : cases) {
        CPlayer player;
        for (int slot = 0; slot < 4; ++slot) {
            player.SetLanguageByte(slot, c.before[static_cast<size_t>(slot)]);
        }
        PlayerAbilitiesPageModel model;
        model.SetPerson(&player);
        for (int box = 0; box < 3; ++box) {
            model.SetLanguage(box, c.chosen[static_cast<size_t>(box)]);
        }
        model.Store();
        std::array<uint8_t, 4> after{};
        for (int slot = 0; slot < 4; ++slot) {
            after[static_cast<size_t>(slot)] = player.Language(slot);
        }
        EXPECT_EQ(after, c.after) << int(c.chosen[0]) << " " << int(c.chosen[1]) << " "
                                  << int(c.chosen[2]);
    }
}

TEST(PlayerAbilitiesPageModel, UntouchedLanguagesAreNotTidied) {
    CPlayer player;
    player.SetLanguageByte(0, 0);
    player.SetLanguageByte(1, 4);
    player.SetLanguageByte(2, 4);
    PlayerAbilitiesPageModel model;
    model.SetPerson(&player);
    model.SetAbility(CPlayer::kPace, 8);
    model.Store();
    EXPECT_EQ(player.Language(1), 4);
    EXPECT_EQ(player.Language(2), 4);
}

TEST(PlayerAbilitiesPageModel, DerivedValuesFollowTheEditedValues) {
    CPlayer player;
    player.SetMainPosition(CPlayer::kST);
    player.SetOtherPosition(0, CPlayer::kCF);
    player.SetPositionRating(CPlayer::kAttackGroup, 4);
    PlayerAbilitiesPageModel model;
    model.SetPerson(&player);
    ASSERT_EQ(player.GetSpecialAbility().code, 0);
    EXPECT_EQ(model.SpecialAbilityName(), "");
    EXPECT_EQ(model.SpecialAbilityBonus(), "");
    EXPECT_EQ(model.RatingAtPosition(2).position, "");
    EXPECT_EQ(model.RatingAtPosition(2).rating, "");
    EXPECT_EQ(model.RatingAtPosition(1).position, "CF");

    // Two high shooting abilities make a set-piece specialist (code 4, bonus 1.0).
    model.SetAbility(CPlayer::kShotPower, 8);
    model.SetAbility(CPlayer::kTechnique, 8);
    CPlayer expected = player;
    expected.SetAbility(CPlayer::kShotPower, 8);
    expected.SetAbility(CPlayer::kTechnique, 8);
    const CPlayer::SpecialAbility special = expected.GetSpecialAbility();
    ASSERT_GE(special.code, 1);
    EXPECT_EQ(model.SpecialAbilityName(), LoadString(CPlayer::SpecialAbilityNameId(special.code)));
    char bonus[16];
    std::snprintf(bonus, sizeof bonus, "%2.1f", static_cast<double>(special.bonus));
    EXPECT_EQ(model.SpecialAbilityBonus(), bonus);
    char rating[16];
    std::snprintf(rating, sizeof rating, "%2.1f",
                  static_cast<double>(expected.GetPositionRatings()[CPlayer::kST - 1]));
    EXPECT_EQ(model.RatingAtPosition(0).rating, rating);
    EXPECT_EQ(model.RatingAtPosition(0).position, "ST");
    // The record itself is untouched until Store.
    EXPECT_EQ(player.Ability(CPlayer::kShotPower), 4);
}

} // namespace
} // namespace tallo
