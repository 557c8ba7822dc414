#include "mapping/face_mapping.h"

#include "formats/base_text_file.h"
#include "formats/per_language_tables.h"
#include "mapping_test_support.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::AddClub;
using test::AddPlayer;

class FaceMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(faces_.Load(test::MappingFixturePath("faceIDs.txt")));
        ASSERT_EQ(faces_.Count(), 5); // the placeholder row and four faces
        CClub* club = AddClub(*world_, 1, "Club");
        raul_ = AddPlayer(*world_, *club, "Raul", "Gonzalez");
        namesake_ = AddPlayer(*world_, *club, "Raul", "Gonzalez");
        hierro_ = AddPlayer(*world_, *club, "Fernando", "Hierro");
        capitals_ = AddPlayer(*world_, *club, "FERNANDO", "HIERRO");
        capitals_->SetSpecialFace(66);
        other_ = AddPlayer(*world_, *club, "Other", "Player");
        other_->SetSpecialFace(55);
        national_ =
            AddPlayer(*world_, *world_->GetCountry(2)->NationalTeam(), "Fernando", "Hierro");
    }

    std::unique_ptr<CWorld> world_ = test::MakeWorld();
    CBaseTextFile faces_{PerLanguageTables::FaceLayout()};
    test::TempDir dir_;
    CPlayer* raul_ = nullptr;
    CPlayer* namesake_ = nullptr;
    CPlayer* hierro_ = nullptr;
    CPlayer* capitals_ = nullptr;
    CPlayer* other_ = nullptr;
    CPlayer* national_ = nullptr;
};

TEST_F(FaceMappingTest, EveryMatchingRowCountsAndTheReportListsUnusedAndOverused) {
    const std::string reportPath = dir_ / "faces.txt";
    const FaceMappingResult result = MapFaces(*world_, faces_, reportPath, false);
    EXPECT_EQ(result.successful, 5);
    EXPECT_EQ(result.unmapped, 1);
    EXPECT_EQ(result.overmapped, 2);
    ASSERT_TRUE(result.reportWritten);
    test::ExpectSameReport(test::ReadFile(reportPath), test::MappingFixture("faces_report.txt"));
    // "Raul Gonzalez" matches the plain row and the accented one; the last match wins.
    EXPECT_EQ(raul_->SpecialFace(), 13);
    EXPECT_EQ(namesake_->SpecialFace(), 13);
    EXPECT_EQ(hierro_->SpecialFace(), 12);
    // Folding keeps case: capitals do not match.
    EXPECT_EQ(capitals_->SpecialFace(), 66);
    EXPECT_EQ(other_->SpecialFace(), 55);
    EXPECT_EQ(national_->SpecialFace(), 0);
}

TEST_F(FaceMappingTest, OverwriteClearsPlayersNotFound) {
    MapFaces(*world_, faces_, "", true);
    EXPECT_EQ(other_->SpecialFace(), 0);
    EXPECT_EQ(capitals_->SpecialFace(), 0);
    EXPECT_EQ(hierro_->SpecialFace(), 12);
}

TEST_F(FaceMappingTest, AMissingTableHasNoFaces) {
    CBaseTextFile missing(PerLanguageTables::FaceLayout());
    EXPECT_FALSE(missing.Load(dir_ / "faceIDs.txt"));
    const std::string reportPath = dir_ / "faces.txt";
    const FaceMappingResult result = MapFaces(*world_, missing, reportPath, false);
    EXPECT_EQ(result.successful, 0);
    EXPECT_EQ(result.unmapped, 0); // rows without text are no faces
    EXPECT_EQ(test::ReadFile(reportPath),
              "Face mapping statistics:\r\nSuccessful: 0:\r\nUnmapped: 0:\r\nOvermapped: 0\r\n\r\n"
              "Unmapped:\r\n\r\nOvermapped:\r\n");
    EXPECT_EQ(other_->SpecialFace(), 55);
}

} // namespace
} // namespace tallo
