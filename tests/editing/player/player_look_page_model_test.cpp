// The look page's model on the sample: what it fills, the limits of its values, the groups it
// writes back and the head it gives the renderer.

#include <gtest/gtest.h>

#include <fstream>

#include "assets/renderer_values.h"
#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/player_look_page_model.h"
#include "editing/session/database_session.h"
#include "formats/base_text_file.h"
#include "formats/per_language_tables.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class PlayerLookPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        // A player of an ordinary club, so that his head wears the club's colours.
        for (int number = 1; number <= CWorld::kCountryCount && player_ == nullptr; ++number) {
            for (const auto& [id, club] : world_->GetCountry(number)->Clubs()) {
                if (!ClubId::IsNationalTeam(id) && club->PlayerCount() > 0) {
                    club_ = club.get();
                    player_ = world_->FindPlayer(club->PlayerId(0));
                    break;
                }
            }
        }
        ASSERT_NE(player_, nullptr);
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    PersonEditContext context_;
    const CClub* club_ = nullptr;
    CPlayer* player_ = nullptr;
};

TEST_F(PlayerLookPageModelTest, StoresTheFaceGroupTogetherAndSetsLookValueDToZero) {
    player_->SetLookValueD(7);
    player_->SetHairColour(1);
    player_->SetFaceType(3);
    player_->SetHairStyle(2);
    player_->SetBeard(1);
    PlayerLookPageModel model(context_, nullptr, nullptr);
    model.SetPerson(player_);

    // A change outside the face group leaves look value D alone.
    model.SetHeight(190);
    model.Store();
    EXPECT_EQ(player_->Height(), 190);
    EXPECT_EQ(player_->LookValueD(), 7);

    model.SetBeard(4);
    model.Store();
    EXPECT_EQ(player_->Beard(), 4);
    EXPECT_EQ(player_->LookValueD(), 0);
    EXPECT_EQ(player_->HairColour(), 1);
    EXPECT_EQ(player_->FaceType(), 3);
    EXPECT_EQ(player_->HairStyle(), 2);
}

TEST_F(PlayerLookPageModelTest, KeepsEveryValueWithinWhatThePageOffers) {
    PlayerLookPageModel model(context_, nullptr, nullptr);
    model.SetPerson(player_);
    const PlayerLookPageModel::Looks before = model.Values();

    model.SetFaceType(26);
    model.SetHairColour(0);
    model.SetHairStyle(11);
    model.SetBeard(7);
    model.SetShoeType(6);
    model.SetSpecialFace(3); // no face table: only "none" is offered
    EXPECT_EQ(model.Values(), before);

    model.SetHeight(300);
    model.SetWeight(10);
    EXPECT_EQ(model.Values().height, PlayerLookPageModel::kMaxHeight);
    EXPECT_EQ(model.Values().weight, PlayerLookPageModel::kMinWeight);
    model.SetShoeType(5);
    model.SetFaceType(25);
    model.Store();
    EXPECT_EQ(player_->Height(), 220);
    EXPECT_EQ(player_->Weight(), 50);
    EXPECT_EQ(player_->ShoeType(), 5);
    EXPECT_EQ(player_->FaceType(), 25);
}

TEST_F(PlayerLookPageModelTest, LongSleevesChangeOnlyTheirBitOfTheKitFlags) {
    player_->SetKitFlags(0x06);
    PlayerLookPageModel model(context_, nullptr, nullptr);
    model.SetPerson(player_);
    EXPECT_FALSE(model.Values().longSleeves);
    model.SetLongSleeves(true);
    model.Store();
    EXPECT_EQ(player_->KitFlags(), 0x07);
    model.SetLongSleeves(false);
    model.Store();
    EXPECT_EQ(player_->KitFlags(), 0x06);
}

TEST_F(PlayerLookPageModelTest, AnUntouchedPageChangesNoByteEvenWithValuesItDoesNotOffer) {
    // Values the lists do not hold, a height beyond its limit and look value D set: an untouched
    // page must write none of them back.
    player_->SetBeard(0);
    player_->SetHairStyle(0);
    player_->SetHeight(240);
    player_->SetLookValueD(9);
    player_->SetSpecialFace(77);
    const auto before = test::SavedBytes(*world_);
    PlayerLookPageModel model(context_, nullptr, nullptr);
    model.SetPerson(player_);
    model.Store();
    EXPECT_EQ(test::SavedBytes(*world_), before);
    // The renderer is given 0 for what no list holds.
    EXPECT_EQ(model.LookValues()[TALLO_LOOK_BEARD], 0u);
    EXPECT_EQ(model.LookValues()[TALLO_LOOK_SPECIAL_FACE], 0u);
}

TEST_F(PlayerLookPageModelTest, ImperialRenderingsRoundToTheNearestInchAndPound) {
    int feet = 0;
    int inches = 0;
    PlayerLookPageModel::ToFeetAndInches(180, feet, inches); // 70.87 in
    EXPECT_EQ(feet, 5);
    EXPECT_EQ(inches, 11);
    PlayerLookPageModel::ToFeetAndInches(183, feet, inches); // 72.05 in
    EXPECT_EQ(feet, 6);
    EXPECT_EQ(inches, 0);
    int stones = 0;
    int pounds = 0;
    PlayerLookPageModel::ToStonesAndPounds(75, stones, pounds); // 165.3 lb
    EXPECT_EQ(stones, 11);
    EXPECT_EQ(pounds, 11);
    PlayerLookPageModel::ToStonesAndPounds(127, stones, pounds); // 279.99 lb
    EXPECT_EQ(stones, 20);
    EXPECT_EQ(pounds, 0);

    PlayerLookPageModel model(context_, nullptr, nullptr);
    EXPECT_EQ(model.HeightImperial(), ""); // no person
    model.SetPerson(player_);
    model.SetHeight(180);
    model.SetWeight(75);
    EXPECT_EQ(model.HeightImperial(), "5 фт 11 дюйм.");
    EXPECT_EQ(model.WeightImperial(), "11 стоун 11 фунт.");
}

TEST_F(PlayerLookPageModelTest, GivesTheRendererTheListedLooksAndTheClubsColours) {
    PlayerLookPageModel model(context_, nullptr, nullptr);
    model.SetPerson(player_);
    EXPECT_EQ(model.Club(), club_);
    EXPECT_EQ(model.HeadColours(), RendererHeadColours(club_->Kit()));
    model.SetFaceType(20);
    model.SetHairColour(5);
    model.SetHairStyle(9);
    model.SetBeard(6);
    const auto looks = model.LookValues();
    EXPECT_EQ(looks[TALLO_LOOK_FACE_TYPE], 20u);
    EXPECT_EQ(looks[TALLO_LOOK_HAIR_COLOUR], 5u);
    EXPECT_EQ(looks[TALLO_LOOK_HAIR_STYLE], 9u);
    EXPECT_EQ(looks[TALLO_LOOK_BEARD], 6u);

    // A person no club lists has no colours.
    CPlayer* loner = world_->CreatePlayer(0, true);
    ASSERT_NE(loner, nullptr);
    model.SetPerson(loner);
    EXPECT_EQ(model.Club(), nullptr);
    EXPECT_EQ(model.HeadColours(), (std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE>{}));
}

TEST_F(PlayerLookPageModelTest, SpecialFacesComeFromTheFaceTableAfterTheEmptyEntry) {
    // A face table as the language folder holds it: the name first, its number second.
    test::TempDir dir;
    {
        std::ofstream file(dir / "faceIDs.txt");
        file << "3\r\nIvan Petrov\r\n12\r\n\r\n40\r\nOleg Sidorov\r\n7\r\n";
    }
    CBaseTextFile faces(PerLanguageTables::FaceLayout());
    ASSERT_TRUE(faces.Load(dir / "faceIDs.txt"));
    PlayerLookPageModel model(context_, &faces, nullptr);
    const std::vector<LookChoice>& list = model.SpecialFaces();
    ASSERT_EQ(list.size(), 3u); // none, then the two rows with a text
    EXPECT_EQ(list[0].value, 0);
    EXPECT_EQ(list[0].name, "Нет");
    EXPECT_EQ(list[1].value, 12);
    EXPECT_EQ(list[1].name, "Ivan Petrov");
    EXPECT_EQ(list[2].value, 7);

    model.SetPerson(player_);
    model.SetSpecialFace(7);
    model.Store();
    EXPECT_EQ(player_->SpecialFace(), 7);
    EXPECT_EQ(model.LookValues()[TALLO_LOOK_SPECIAL_FACE], 7u);
    model.SetSpecialFace(40); // the row without a text is no face
    EXPECT_EQ(model.Values().specialFace, 7);
}

} // namespace
} // namespace tallo
