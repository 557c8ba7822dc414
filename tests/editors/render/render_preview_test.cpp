#include "editors/render/render_preview.h"

#include "editors/render/render_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tallo {
namespace {

class RenderPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureApplication();
        RenderManagerSetup setup;
        setup.candidates = {TALLO_RENDERER_PLUGIN};
        CRenderManager::Acquire(setup);
        std::memset(kit_.styles, 0, sizeof(kit_.styles));
        const uint8_t first[12] = {0, 0, 63, 63, 63, 63, 63, 63, 63, 0, 0, 63};
        const uint8_t second[12] = {63, 0, 63, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        std::memcpy(kit_.colours[0], first, sizeof(first));
        std::memcpy(kit_.colours[1], second, sizeof(second));
    }
    void TearDown() override { CRenderManager::Release(); }

    static QImage Picture() { return CRenderManager::Acquire().RenderWindow()->grab().toImage(); }

    ClubKit kit_;
};

TEST_F(RenderPreviewTest, KitPreviewShowsTheChosenKitWhileItIsShown) {
    CRenderPreview preview(kit_);
    EXPECT_EQ(CRenderManager::UseCount(), 2);
    CRenderManager& manager = CRenderManager::Acquire();
    CRenderManager::Release();
    ASSERT_TRUE(manager.IsReady());
    preview.resize(480, 360);
    preview.show();
    EXPECT_TRUE(manager.IsPlaced());
    EXPECT_TRUE(manager.IsFrameTimerActive());
    EXPECT_EQ(manager.RenderWindow()->parentWidget(), &preview);
    EXPECT_EQ(manager.RenderWindow()->geometry(), preview.Picture()->geometry());

    const QImage first = Picture();
    const int area = first.width() * first.height();
    EXPECT_GT(test::CountNear(first, QColor(0, 0, 255)), area / 12);
    preview.ShowKit(1);
    const QImage second = Picture();
    EXPECT_GT(test::CountNear(second, QColor(255, 0, 255)), area / 12);
    EXPECT_LT(test::CountNear(second, QColor(0, 0, 255)), area / 200);

    preview.hide();
    EXPECT_FALSE(manager.IsPlaced());
    EXPECT_FALSE(manager.IsFrameTimerActive());
}

TEST_F(RenderPreviewTest, HeadPreviewRedrawsWhenALookValueChanges) {
    std::array<uint32_t, TALLO_LOOK_SIZE> looks{};
    looks[TALLO_LOOK_FACE_TYPE] = 3;
    looks[TALLO_LOOK_HAIR_COLOUR] = 5; // red
    looks[TALLO_LOOK_HAIR_STYLE] = 8;
    CRenderPreview preview(kit_, looks);
    preview.resize(480, 360);
    preview.show();
    const QImage red = Picture();
    const QColor redHair(180, 80, 40);
    EXPECT_GT(test::CountNear(red, redHair), red.width() * red.height() / 60);
    // The collar is the first kit's shirt colour.
    EXPECT_GT(test::CountNear(red, QColor(0, 0, 255)), red.width() * red.height() / 60);

    looks[TALLO_LOOK_HAIR_COLOUR] = 3; // grey
    preview.SetLooks(looks);
    const QImage grey = Picture();
    EXPECT_EQ(test::CountNear(grey, redHair), 0);
    EXPECT_GT(test::CountNear(grey, QColor(170, 170, 170)), grey.width() * grey.height() / 60);
}

} // namespace
} // namespace tallo
