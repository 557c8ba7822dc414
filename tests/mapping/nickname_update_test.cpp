#include "mapping/nickname_update.h"

#include "mapping/zelo_player_mapping.h"
#include "mapping_test_support.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::AddClub;
using test::AddPlayer;
using test::MappingFixturePath;

class NicknameUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mapping_.Load(MappingFixturePath("ZELO_PlayerIDs.txt")));
        CClub* club = AddClub(*world_, 3, "Madrid");
        raul_ = AddPlayer(*world_, *club, "Raul", "Gonzalez");
        AddPlayer(*world_, *club, "Fernando", "Morientes", "Moro");
        AddPlayer(*world_, *club, "Ivan", "Helguera", "Ivi");  // record without nickname
        AddPlayer(*world_, *club, "Mister", "Nobody", "Xavi"); // nicknames do not find players
        CClub* other = AddClub(*world_, 4, "Barcelona");
        puyol_ = AddPlayer(*world_, *other, "Carlos", "Puyol");
    }

    std::unique_ptr<CWorld> world_ = test::MakeWorld();
    CZeloPlayerMapping mapping_;
    test::TempDir dir_;
    CPlayer* raul_ = nullptr;
    CPlayer* puyol_ = nullptr;
};

TEST_F(NicknameUpdateTest, OneCountryTakesTheRecordsNicknamesAndReports) {
    const std::string reportPath = dir_ / "nicknames.txt";
    const NicknameUpdateResult result = UpdateNicknames(*world_, mapping_, 3, reportPath);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.updated, 1);
    EXPECT_TRUE(result.reportWritten);
    test::ExpectSameReport(test::ReadFile(reportPath),
                           test::Replace(test::MappingFixture("nickname_report.txt"), "@IDFILE@",
                                         MappingFixturePath("ZELO_PlayerIDs.txt")));
    EXPECT_EQ(raul_->Nickname(), "Raul");
    EXPECT_EQ(puyol_->Nickname(), ""); // another country

    const NicknameUpdateResult all = UpdateNicknames(*world_, mapping_, 0, "");
    EXPECT_EQ(all.updated, 1);
    EXPECT_EQ(all.unchanged, 3); // Raul's is the record's now
    EXPECT_EQ(puyol_->Nickname(), "Tarzan");
}

TEST_F(NicknameUpdateTest, LongNicknamesAreCutAndBadInputChangesNothing) {
    CZeloPlayerMapping longNick;
    longNick.LoadText("Raul Gonzalez\n1\nThe Angel of Madrid and Spain\n1\n", "ids.txt");
    EXPECT_EQ(UpdateNicknames(*world_, longNick, 3, "").updated, 1);
    EXPECT_EQ(raul_->Nickname(), "The Angel of Madrid");

    EXPECT_FALSE(UpdateNicknames(*world_, mapping_, 207, "").ran);
    EXPECT_FALSE(UpdateNicknames(*world_, CZeloPlayerMapping(), 3, "").ran);
    EXPECT_EQ(raul_->Nickname(), "The Angel of Madrid");
}

} // namespace
} // namespace tallo
