// The kit page through its widgets: a style and a colour changed with the controls (the colour
// through its dialog) reach the stored kit and the live preview.

#include "editors/club/dlg_club_shirts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>

#include "editing/club/club_edit_context.h"
#include "editors/club/dlg_club_shirts_color.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/my_slider_control.h"
#include "editors/render/render_manager.h"
#include "editors/render/render_preview.h"
#include "editors/render/render_test_support.h"
#include "world/club.h"

namespace tallo {
namespace {

// Answers the next colour dialog with `answer` once it is open (the page waits in exec()).
void AnswerColourDialog(std::function<void(CDlgClubShirtsColor&)> answer) {
    auto* timer = new QTimer();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = dynamic_cast<CDlgClubShirtsColor*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        }
    });
    timer->start();
}

class KitPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        ClubKit kit;
        for (int k = 0; k < ClubKit::kKitCount; ++k) {
            for (int s = 0; s < ClubKit::kStyleCount; ++s) {
                kit.styles[k][s] = static_cast<uint8_t>(k + 1);
            }
            for (int c = 0; c < ClubKit::kColourBytes; ++c) {
                kit.colours[k][c] = static_cast<uint8_t>(20 + k);
            }
        }
        club_.SetKit(kit);
    }

    CClub club_;
    ClubEditContext context_;
};

TEST_F(KitPageTest, AStyleAndAColourChangedThroughTheWidgetsAreStored) {
    CDlgClubShirts page(nullptr, context_);
    page.FillFrom(club_);
    EXPECT_EQ(page.StyleSpin(KitPageModel::kShortsStyle).value(), 1);

    // The second kit: its values come up, and the first kit is left alone.
    page.KitButton(1).click();
    EXPECT_EQ(page.StyleSpin(KitPageModel::kShortsStyle).value(), 2);
    page.StyleSpin(KitPageModel::kShortsStyle).setValue(11);
    EXPECT_EQ(page.Preview().ShownKit(), 1);

    AnswerColourDialog([](CDlgClubShirtsColor& dialog) {
        dialog.Spin(0).setValue(63);
        dialog.Slider(1).setValue(0);
        dialog.Slider(2).setValue(5);
        EXPECT_EQ(dialog.Spin(2).value(), 5);
        dialog.accept();
    });
    page.ColourButton(KitPageModel::kSocksColour).click();

    CClub stored = club_;
    page.StoreInto(stored);
    const ClubKit& kit = stored.Kit();
    EXPECT_EQ(kit.styles[1][1], 11);
    EXPECT_EQ(kit.colours[1][9], 63);
    EXPECT_EQ(kit.colours[1][10], 0);
    EXPECT_EQ(kit.colours[1][11], 5);
    EXPECT_EQ(kit.colours[1][0], 21);
    EXPECT_TRUE(std::equal(std::begin(kit.styles[0]), std::end(kit.styles[0]),
                           std::begin(club_.Kit().styles[0])));
    EXPECT_EQ(kit.colours[0][9], 20);
    // The preview draws the working kit, and the button shows the new colour.
    EXPECT_TRUE(page.Preview().Kit() == kit);
    EXPECT_EQ(page.ColourButton(KitPageModel::kSocksColour).text(), QStringLiteral("63, 0, 5"));
}

TEST_F(KitPageTest, CancellingTheColourDialogChangesNothing) {
    CDlgClubShirts page(nullptr, context_);
    page.FillFrom(club_);
    AnswerColourDialog([](CDlgClubShirtsColor& dialog) {
        dialog.Spin(0).setValue(0);
        dialog.reject();
    });
    page.EditColour(KitPageModel::kShirtColour);
    CClub stored = club_;
    page.StoreInto(stored);
    EXPECT_TRUE(stored.Kit() == club_.Kit());
}

TEST_F(KitPageTest, TheColourDialogKeepsItsChannelsInRange) {
    CDlgClubShirtsColor dialog(nullptr, KitColour::Clamped(10, 20, 30), QStringLiteral("x"));
    EXPECT_EQ(dialog.Slider(0).value(), 10);
    EXPECT_EQ(dialog.Spin(2).maximum(), 63);
    dialog.Spin(1).setValue(99); // the spin box stops at 63
    EXPECT_EQ(dialog.Colour(), KitColour::Clamped(10, 63, 30));
    EXPECT_EQ(dialog.Slider(1).value(), 63);
    EXPECT_EQ(dialog.Swatch().palette().color(QPalette::Window).rgb() & 0xFFFFFF,
              KitColour::Clamped(10, 63, 30).Rgb());
}

#ifdef TALLO_RENDERER_PLUGIN
TEST_F(KitPageTest, TheLivePreviewDrawsTheKitAfterEveryChange) {
    RenderManagerSetup setup;
    setup.candidates = {TALLO_RENDERER_PLUGIN};
    RenderManagerUse renderer(setup);
    ASSERT_TRUE(renderer->IsReady());
    CDlgClubShirts page(nullptr, context_);
    page.FillFrom(club_);
    page.resize(720, 420);
    page.show();
    ASSERT_TRUE(renderer->IsPlaced());
    const auto picture = [&renderer] { return renderer->RenderWindow()->grab().toImage(); };
    const QColor green(0, 255, 0);
    const QImage before = picture();
    const int area = before.width() * before.height();
    EXPECT_EQ(test::CountNear(before, green), 0);

    AnswerColourDialog([](CDlgClubShirtsColor& dialog) {
        dialog.Spin(0).setValue(0);
        dialog.Spin(1).setValue(63);
        dialog.Spin(2).setValue(0);
        dialog.accept();
    });
    page.ColourButton(KitPageModel::kShirtColour).click();
    EXPECT_GT(test::CountNear(picture(), green), area / 20);

    // The other kit has no green; showing it draws it at once.
    page.KitButton(1).click();
    EXPECT_EQ(test::CountNear(picture(), green), 0);
}
#endif

} // namespace
} // namespace tallo
