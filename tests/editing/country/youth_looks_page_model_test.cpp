// The young-player appearance page's model: lists as bit sets, the numbered face list, height
// and weight.

#include "editing/country/youth_looks_page_model.h"

#include <gtest/gtest.h>

#include <set>

#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using Model = YouthLooksPageModel;

class YouthLooksPageModelTest : public ::testing::Test {
protected:
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(5);
};

TEST_F(YouthLooksPageModelTest, ListsStandForTheirBits) {
    country_.allowedHairColours = (1u << 2) | (1u << 5);
    country_.allowedFacialHair = 1u << 6;
    Model model;
    model.Fill(country_);
    const auto colours = Model::Items(Model::kHairColours);
    ASSERT_EQ(colours.size(), 5u);
    for (size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(colours[i].bit, static_cast<int>(i) + 1);
        EXPECT_EQ(model.selected[Model::kHairColours][i], i == 1 || i == 4) << i;
    }
    // The beard list is ordered as the page shows it; its third entry is value 6.
    EXPECT_EQ(Model::Items(Model::kBeards)[2].bit, 6);
    EXPECT_TRUE(model.selected[Model::kBeards][2]);

    // No hair colour selected: an empty set.
    model.selected[Model::kHairColours].assign(colours.size(), false);
    model.selected[Model::kHairStyles][0] = true;
    model.selected[Model::kHairStyles][9] = true;
    model.Store(country_);
    EXPECT_EQ(country_.allowedHairColours, 0u);
    EXPECT_EQ(country_.allowedHairStyles, (1u << 1) | (1u << 10));
    EXPECT_EQ(country_.allowedFacialHair, 1u << 6);
}

TEST_F(YouthLooksPageModelTest, BitsNoEntryStandsForAreKept) {
    country_.allowedSkinColours = 0x1F; // bit 0 has no entry
    country_.allowedFaceTypes = 1u | (1u << 30);
    Model model;
    model.Fill(country_);
    for (auto& marks : model.selected) {
        marks.assign(marks.size(), false);
    }
    model.Store(country_);
    EXPECT_EQ(country_.allowedSkinColours, 1u);
    EXPECT_EQ(country_.allowedFaceTypes, 1u | (1u << 30));
    EXPECT_EQ(Model::ItemMask(Model::kFaceTypes), ((1u << 26) - 1) & ~1u);
}

TEST_F(YouthLooksPageModelTest, FacesOfOneSkinAreNumbered) {
    const auto faces = Model::Items(Model::kFaceTypes);
    ASSERT_EQ(faces.size(), 25u);
    std::set<int> bits;
    std::set<std::string> texts;
    for (const auto& face : faces) {
        bits.insert(face.bit);
        texts.insert(face.text);
    }
    EXPECT_EQ(bits.size(), 25u);
    EXPECT_EQ(*bits.begin(), 1);
    EXPECT_EQ(*bits.rbegin(), 25);
    EXPECT_EQ(texts.size(), 25u); // every entry can be told apart
    EXPECT_EQ(faces[0].text, "Светлая кожа (1)");
    EXPECT_EQ(faces[6].text, "Светлая кожа (7)");
    // The two fair faces stand together.
    EXPECT_EQ(faces[7].bit, 8);
    EXPECT_EQ(faces[7].text, "Смуглая кожа (1)");
    EXPECT_EQ(faces[8].bit, 14);
    EXPECT_EQ(faces[8].text, "Смуглая кожа (2)");
}

TEST_F(YouthLooksPageModelTest, HeightAndWeightAreStoredInTheirRangesWhenChanged) {
    country_.averageHeight = 0;
    country_.averageWeight = 75;
    Model model;
    model.Fill(country_);
    model.Store(country_);
    EXPECT_EQ(country_.averageHeight, 0); // left alone
    model.height = 250;
    model.weight = 40;
    model.Store(country_);
    EXPECT_EQ(country_.averageHeight, Model::kMaxHeight);
    EXPECT_EQ(country_.averageWeight, Model::kMinWeight);
    EXPECT_EQ(Model::HeightText(180), "5'10");
    EXPECT_EQ(Model::WeightText(75), "11st 11lbs");
}

} // namespace
} // namespace tallo
