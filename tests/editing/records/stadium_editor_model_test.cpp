// The stadium editor's model: the capacity limits applied after each change of the model or of
// a place count, the total with dots, the stand marks that must not meet, and a stadium that
// comes back as it was when nothing is changed.

#include "editing/records/stadium_editor_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sample_stadium_models.h"
#include "support/temp_dir.h"
#include "world/stadium_list.h"

namespace tallo {
namespace {

using Places = StadiumEditorModel::Places;

class StadiumEditorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = dir_ / StadiumList::kFileName;
        ASSERT_TRUE(sample::WriteSampleStadiumList(path));
        ASSERT_TRUE(models_.LoadFile(path));
        ASSERT_GE(models_.Count(), 3u);
    }

    static bool SameBytes(const Stadium& a, const Stadium& b) {
        return std::memcmp(&a, &b, sizeof(Stadium)) == 0;
    }

    test::TempDir dir_;
    StadiumList models_;
};

TEST_F(StadiumEditorModelTest, TheFirstModelGivesClassOneAndCutsTheStandsAtOnce) {
    Stadium stadium;
    stadium.seats[Stadium::kMainStand] = 30000;
    stadium.vip[Stadium::kMainStand] = 4000;
    stadium.terraces[Stadium::kNorthStand] = 20000;
    StadiumEditorModel model(stadium, models_);
    ASSERT_EQ(model.StandLimit(Stadium::kMainStand), -1);

    model.ChooseModel(0);
    EXPECT_EQ(model.CapacityClass(), 1);
    EXPECT_EQ(model.Edited().model, models_.Entries()[0].number);
    EXPECT_EQ(model.ModelIndex(), 0);
    // VIP places go first, then seats; the north stand holds 15 percent of 90,000.
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kVip), 0);
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kSeats), 22500);
    EXPECT_EQ(model.PlaceCount(Stadium::kNorthStand, Places::kTerraces), 13500);

    // A count typed into a limited stand is cut as soon as it is set.
    model.SetPlaceCount(Stadium::kOppositeStand, Places::kSeats, 30000);
    EXPECT_EQ(model.PlaceCount(Stadium::kOppositeStand, Places::kSeats), 22500);
    // The second model gives class 6 (also 90,000); a later model lifts the limit.
    model.ChooseModel(1);
    EXPECT_EQ(model.CapacityClass(), 6);
    EXPECT_TRUE(model.Edited().ModelFlag() == models_.Entries()[1].flag);
    model.ChooseModel(2);
    EXPECT_EQ(model.CapacityClass(), 0);
    model.SetPlaceCount(Stadium::kMainStand, Places::kSeats, 60000);
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kSeats), 60000);
    // No count is negative or beyond the fields' range.
    model.SetPlaceCount(Stadium::kMainStand, Places::kVip, -5);
    model.SetPlaceCount(Stadium::kMainStand, Places::kTerraces, 5000000);
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kVip), 0);
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kTerraces),
              StadiumEditorModel::kMaxPlaces);
}

TEST_F(StadiumEditorModelTest, NoModelLiftsTheLimitAlsoWithAnEmptyModelList) {
    Stadium stadium;
    stadium.model = models_.Entries()[0].number;
    stadium.SetCapacityClass(1);
    stadium.SetModelFlag(true);
    const StadiumList empty;
    StadiumEditorModel model(stadium, empty);
    EXPECT_EQ(model.ModelIndex(), StadiumEditorModel::kUnlistedModel);
    model.ChooseModel(StadiumEditorModel::kNoModel);
    EXPECT_EQ(model.Edited().model, 0);
    EXPECT_FALSE(model.Edited().ModelFlag());
    EXPECT_EQ(model.CapacityClass(), 0);
    EXPECT_EQ(model.ModelIndex(), StadiumEditorModel::kNoModel);
    model.SetPlaceCount(Stadium::kMainStand, Places::kSeats, 30000);
    EXPECT_EQ(model.PlaceCount(Stadium::kMainStand, Places::kSeats), 30000);
}

TEST_F(StadiumEditorModelTest, TheTotalIsShownWithDots) {
    StadiumEditorModel model(Stadium{}, models_);
    EXPECT_EQ(model.TotalText(), "0");
    model.SetPlaceCount(Stadium::kMainStand, Places::kSeats, 20000);
    model.SetPlaceCount(Stadium::kMainStand, Places::kTerraces, 2000);
    model.SetPlaceCount(Stadium::kSouthEastCorner, Places::kVip, 500);
    EXPECT_EQ(model.Total(), 22500);
    EXPECT_EQ(model.TotalText(), "22.500");
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        model.SetPlaceCount(stand, Places::kSeats, 154320);
    }
    EXPECT_EQ(model.TotalText(), "1.237.060");
    // A stadium read with counts beyond the 32-bit range still shows a number.
    Stadium huge;
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        huge.seats[stand] = 2000000000;
    }
    EXPECT_EQ(StadiumEditorModel(huge, models_).TotalText(), "2147.483.647");
}

TEST_F(StadiumEditorModelTest, AStandMarkedForBothBlocksIsRefusedAndKept) {
    Stadium stored;
    stored.SetName("Old");
    StadiumEditorModel model(stored, models_);
    model.SetName("New ground");
    model.SetSeasonTicket(Stadium::kSouthStand, true);
    model.SetAway(Stadium::kSouthStand, true);
    model.SetAway(Stadium::kSouthWestCorner, true);

    EXPECT_EQ(model.InconsistentStand(), std::optional<int>(Stadium::kSouthStand));
    EXPECT_FALSE(model.Store(stored));
    EXPECT_EQ(stored.Name(), "Old");
    const std::string problem = model.Problem();
    EXPECT_NE(problem.find(StadiumEditorModel::StandName(Stadium::kSouthStand)), std::string::npos)
        << problem;
    // Nothing typed is lost: clearing one mark is enough.
    EXPECT_EQ(model.Name(), "New ground");
    model.SetSeasonTicket(Stadium::kSouthStand, false);
    EXPECT_TRUE(model.Problem().empty());
    ASSERT_TRUE(model.Store(stored));
    EXPECT_EQ(stored.Name(), "New ground");
    EXPECT_EQ(stored.awayStands, (1 << Stadium::kSouthStand) | (1 << Stadium::kSouthWestCorner));
    EXPECT_EQ(stored.seasonTicketStands, 0);
}

TEST_F(StadiumEditorModelTest, AnUntouchedStadiumComesBackByteForByte) {
    // Counts above the limits of its class and a model the list lacks: opening the editor
    // alone changes none of it.
    Stadium stadium;
    stadium.SetName("Stadion an der Alten Foersterei");
    stadium.SetCity("Berlin");
    stadium.model = 77;
    stadium.sizeClass = 0x81;
    stadium.seats[Stadium::kMainStand] = 40000;
    stadium.vip[Stadium::kNorthWestCorner] = 9000;
    stadium.seasonTicketStands = 0x07;
    stadium.awayStands = 0x40;
    StadiumEditorModel model(stadium, models_);
    EXPECT_EQ(model.ModelIndex(), StadiumEditorModel::kUnlistedModel);
    Stadium stored;
    ASSERT_TRUE(model.Store(stored));
    EXPECT_TRUE(SameBytes(stored, stadium));

    // The model of a stadium is found by number and flag.
    Stadium second;
    second.model = models_.Entries()[1].number;
    second.SetModelFlag(models_.Entries()[1].flag);
    EXPECT_EQ(StadiumEditorModel(second, models_).ModelIndex(), 1);
    EXPECT_EQ(StadiumEditorModel(Stadium{}, models_).ModelIndex(), StadiumEditorModel::kNoModel);

    // Names are cut to 29 characters.
    model.SetCity(std::string(40, 'c'));
    EXPECT_EQ(model.City(), std::string(29, 'c'));
}

} // namespace
} // namespace tallo
