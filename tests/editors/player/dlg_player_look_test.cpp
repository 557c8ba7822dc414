// The look and history pages on the offscreen platform: what the user changes in the widgets
// reaches the record, and without a person the pages are empty and disabled.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/session/database_session.h"
#include "editors/framework/framework_test_support.h"
#include "editors/player/dlg_player_hist.h"
#include "editors/player/dlg_player_look.h"
#include "editors/render/render_preview.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class PersonLookPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        for (const auto& [id, player] : world_->Players()) {
            if (player->Role() == CPlayer::kRolePlayer) {
                player_ = player.get();
                break;
            }
        }
        ASSERT_NE(player_, nullptr);
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    PersonEditContext context_;
    CPlayer* player_ = nullptr;
};

void Choose(QComboBox& box, int value) {
    const int index = box.findData(value);
    ASSERT_GE(index, 0) << value;
    box.setCurrentIndex(index);
}

TEST_F(PersonLookPagesTest, TheLookChangedInTheWidgetsReachesTheRecordAndThePreview) {
    player_->SetLookValueD(5);
    player_->SetKitFlags(0);
    CDlgPlayerLook page(nullptr, context_);
    page.SetPerson(player_);
    EXPECT_TRUE(page.isEnabled());
    EXPECT_EQ(page.HeightSpin().value(), std::clamp<int>(player_->Height(), 150, 220));

    Choose(page.FaceTypeBox(), 21);
    Choose(page.HairColourBox(), 3);
    Choose(page.HairStyleBox(), 8);
    Choose(page.BeardBox(), 2);
    Choose(page.ShoeTypeBox(), 4);
    page.HeightSpin().setValue(183);
    page.WeightSpin().setValue(127);
    page.LongSleevesCheck().setChecked(true);
    // The preview follows every look value at once.
    const auto looks = page.Preview().Looks();
    EXPECT_EQ(looks[TALLO_LOOK_FACE_TYPE], 21u);
    EXPECT_EQ(looks[TALLO_LOOK_HAIR_COLOUR], 3u);
    EXPECT_EQ(looks[TALLO_LOOK_HAIR_STYLE], 8u);
    EXPECT_EQ(looks[TALLO_LOOK_BEARD], 2u);
    EXPECT_EQ(page.HeightImperialLabel().text(), QString::fromUtf8("6 фт 0 дюйм."));
    EXPECT_EQ(page.WeightImperialLabel().text(), QString::fromUtf8("20 стоун 0 фунт."));

    page.StorePerson();
    EXPECT_EQ(player_->FaceType(), 21);
    EXPECT_EQ(player_->HairColour(), 3);
    EXPECT_EQ(player_->HairStyle(), 8);
    EXPECT_EQ(player_->Beard(), 2);
    EXPECT_EQ(player_->LookValueD(), 0);
    EXPECT_EQ(player_->ShoeType(), 4);
    EXPECT_EQ(player_->Height(), 183);
    EXPECT_EQ(player_->Weight(), 127);
    EXPECT_EQ(player_->KitFlags(), CPlayer::kLongSleeves);
}

TEST_F(PersonLookPagesTest, WithoutAPersonThePagesAreEmptyAndDisabled) {
    CDlgPlayerLook look(nullptr, context_);
    look.SetPerson(player_);
    look.SetPerson(nullptr);
    EXPECT_FALSE(look.isEnabled());
    EXPECT_EQ(look.FaceTypeBox().currentIndex(), -1);
    EXPECT_EQ(look.SpecialFaceBox().currentIndex(), -1);
    EXPECT_TRUE(look.HeightImperialLabel().text().isEmpty());

    CDlgPlayerHist history(nullptr, context_);
    history.SetPerson(player_);
    EXPECT_TRUE(history.isEnabled());
    EXPECT_FALSE(history.ClubLabel(PlayerHistoryPageModel::kFirstClub).text().isEmpty());
    history.SetPerson(nullptr);
    EXPECT_FALSE(history.isEnabled());
    EXPECT_TRUE(history.ClubLabel(PlayerHistoryPageModel::kFirstClub).text().isEmpty());
    EXPECT_EQ(history.StartStateBox().currentIndex(), -1);
    history.StorePerson(); // nothing to write to
}

TEST_F(PersonLookPagesTest, TheHistoryChangedInTheWidgetsReachesTheRecord) {
    player_->SetNationalTeamFlags(0);
    player_->SetContractEndDate(GameDate::FromDate(2004, 3, 31));
    CDlgPlayerHist page(nullptr, context_);
    page.SetPerson(player_);
    page.CapsSpin().setValue(12);
    page.InNationalTeamCheck().setChecked(true);
    page.StartStateBox().setCurrentIndex(4);
    page.ContractEndDateSpins().month->setValue(4); // April has 30 days
    EXPECT_EQ(page.ContractEndDateSpins().day->value(), 30);
    EXPECT_EQ(page.ContractEndDateSpins().day->maximum(), 30);
    // Without choosers the choosing buttons do nothing.
    const uint32_t loan = player_->LoanClub();
    page.ChooseButton(PlayerHistoryPageModel::kLoanClub).click();
    EXPECT_EQ(player_->LoanClub(), loan);

    page.StorePerson();
    EXPECT_EQ(player_->InternationalCaps(), 12);
    EXPECT_EQ(player_->NationalTeamFlags(), CPlayer::kInNationalTeam | (4 << 2));
    EXPECT_EQ(player_->ContractEndDate(), GameDate::FromDate(2004, 4, 30));
}

} // namespace
} // namespace tallo
