// The kit page: which kit is edited, the styles and colours within the record's ranges, the
// screen colours, and what the renderer is given.

#include "editing/club/kit_page_model.h"

#include <gtest/gtest.h>

#include "world/club.h"

namespace tallo {
namespace {

ClubKit SampleKit() {
    ClubKit kit;
    for (int k = 0; k < ClubKit::kKitCount; ++k) {
        for (int s = 0; s < ClubKit::kStyleCount; ++s) {
            kit.styles[k][s] = static_cast<uint8_t>(k + s + 1);
        }
        for (int c = 0; c < ClubKit::kColourBytes; ++c) {
            kit.colours[k][c] = static_cast<uint8_t>(10 * k + c);
        }
    }
    kit.colourEntry = 77;
    return kit;
}

TEST(KitPageModel, StylesStayWithinTheirRangesAtBothEnds) {
    KitPageModel model;
    model.Fill(SampleKit());
    for (int slot = 0; slot < ClubKit::kStyleCount; ++slot) {
        const int most = ClubKit::kMaxStyle[slot];
        EXPECT_EQ(KitPageModel::MaxStyle(slot), most);
        EXPECT_TRUE(model.SetStyle(slot, -1));
        EXPECT_EQ(model.Style(slot), 0);
        EXPECT_FALSE(model.SetStyle(slot, 0)); // already the smallest: nothing changed
        EXPECT_TRUE(model.SetStyle(slot, most + 1));
        EXPECT_EQ(model.Style(slot), most);
        EXPECT_FALSE(model.SetStyle(slot, 255)); // still the largest: nothing changed
    }
    EXPECT_FALSE(model.SetStyle(3, 1));
    ClubKit stored;
    model.Store(stored);
    EXPECT_EQ(stored.styles[0][0], 42);
    EXPECT_EQ(stored.styles[0][1], 12);
    EXPECT_EQ(stored.styles[0][2], 3);
}

TEST(KitPageModel, ColoursStayWithinZeroToSixtyThree) {
    KitPageModel model;
    model.Fill(SampleKit());
    EXPECT_TRUE(model.SetColour(KitPageModel::kShortsColour, KitColour::Clamped(-5, 64, 200)));
    EXPECT_EQ(model.Colour(KitPageModel::kShortsColour), KitColour::Clamped(0, 63, 63));
    ClubKit stored;
    model.Store(stored);
    EXPECT_EQ(stored.colours[0][6], 0);
    EXPECT_EQ(stored.colours[0][7], 63);
    EXPECT_EQ(stored.colours[0][8], 63);
    // A colour given with raw channels out of range is brought into range too.
    KitColour raw;
    raw.channels = {200, 64, 63};
    EXPECT_TRUE(model.SetColour(KitPageModel::kSocksColour, raw));
    model.Store(stored);
    EXPECT_EQ(stored.colours[0][9], 63);
    EXPECT_EQ(stored.colours[0][10], 63);
    EXPECT_FALSE(model.SetColour(4, raw));
}

TEST(KitPageModel, EditsOnlyTheKitShownAndKeepsWhatWasNotTouched) {
    ClubKit kit = SampleKit();
    kit.colours[0][0] = 90; // beyond what the controls offer; shows as 63
    KitPageModel model;
    model.Fill(kit);
    EXPECT_EQ(model.Colour(KitPageModel::kShirtColour).Red(), 63);

    model.SetShownKit(1);
    EXPECT_EQ(model.Style(KitPageModel::kShirtStyle), 2);
    ASSERT_TRUE(model.SetStyle(KitPageModel::kSocksStyle, 0));
    ASSERT_TRUE(model.SetColour(KitPageModel::kShirtPatternColour, KitColour::Clamped(1, 2, 3)));
    ClubKit stored;
    model.Store(stored);
    ClubKit expected = kit;
    expected.styles[1][2] = 0;
    expected.colours[1][3] = 1;
    expected.colours[1][4] = 2;
    expected.colours[1][5] = 3;
    EXPECT_TRUE(stored == expected);
    EXPECT_EQ(stored.colourEntry, 77);

    model.SetShownKit(7); // anything but 1 is the first kit
    EXPECT_EQ(model.ShownKit(), 0);
}

TEST(KitColour, ScreenColoursRoundTripEveryRecordValue) {
    for (int value = 0; value <= KitColour::kMaxChannel; ++value) {
        const KitColour colour = KitColour::Clamped(value, 63 - value, value / 2);
        EXPECT_EQ(KitColour::FromRgb(colour.Rgb()), colour) << value;
    }
    EXPECT_EQ(KitColour::Clamped(63, 0, 63).Rgb(), 0xFF00FFu);
    EXPECT_EQ(KitColour::FromRgb(0x00FF8000), KitColour::Clamped(63, 32, 0));

    KitColourModel model(KitColour::Clamped(1, 2, 3));
    model.SetChannel(0, 99);
    model.SetChannel(2, -4);
    model.SetChannel(3, 10); // no such channel
    EXPECT_EQ(model.Colour(), KitColour::Clamped(63, 2, 0));
    model.SetRgb(0x000000FF);
    EXPECT_EQ(model.Colour(), KitColour::Clamped(0, 0, 63));
}

TEST(KitPageModel, TheRendererIsGivenTheKitShown) {
    KitPageModel model;
    model.Fill(SampleKit());
    model.SetShownKit(1);
    ASSERT_TRUE(model.SetColour(KitPageModel::kShortsColour, KitColour::Clamped(63, 0, 0)));
    EXPECT_EQ(model.RendererSelection().kit, 1);
    const auto block = model.RendererBlock();
    EXPECT_EQ(block[TALLO_KIT_BLOCK_KIT], 1u);
    EXPECT_EQ(block[TALLO_KIT_BLOCK_STYLES], 2u);
    EXPECT_EQ(block[TALLO_KIT_BLOCK_COLOURS + KitPageModel::kShortsColour], 0xFF0000u);
    EXPECT_EQ(block[TALLO_KIT_BLOCK_COLOUR_ENTRY], 77u);
    const TalloKitData data = model.RendererData();
    EXPECT_EQ(data.colours[1][6], 63);
    EXPECT_EQ(data.colours[0][6], 6);
}

TEST(KitPageModel, StoresIntoTheClub) {
    CClub club;
    KitPageModel model;
    model.Fill(club);
    ASSERT_TRUE(model.SetStyle(KitPageModel::kShirtStyle, 30));
    model.Store(club);
    EXPECT_EQ(club.Kit().styles[0][0], 30);
}

} // namespace
} // namespace tallo
