#include "editors/render/render_manager.h"

#include "assets/renderer_values.h"
#include "editors/render/render_test_support.h"
#include "support/temp_dir.h"
#include "world/club_kit.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tallo {
namespace {

// A kit whose first kit is red with a white pattern colour, blue shorts and green socks, and
// whose second kit is a yellow shirt; plain styles.
ClubKit TestKit() {
    ClubKit kit;
    std::memset(kit.styles, 0, sizeof(kit.styles));
    const uint8_t first[12] = {63, 0, 0, 63, 63, 63, 0, 0, 63, 0, 63, 0};
    const uint8_t second[12] = {63, 63, 0, 0, 0, 0, 0, 0, 0, 63, 63, 0};
    std::memcpy(kit.colours[0], first, sizeof(first));
    std::memcpy(kit.colours[1], second, sizeof(second));
    return kit;
}

std::string PluginFolder() {
    return std::filesystem::path(TALLO_RENDERER_PLUGIN).parent_path().string();
}

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kKitGrey(0xC0, 0xC0, 0xC0);

struct Failure {
    std::string text;
    std::string caption;
};

class RenderManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureApplication();
        ASSERT_EQ(CRenderManager::UseCount(), 0);
        main_ = std::make_unique<QWidget>();
        dialog_ = std::make_unique<QWidget>();
        dialog_->resize(320, 360);
        control_ = new QFrame(dialog_.get());
        control_->setGeometry(10, 20, 200, 300);
        dialog_->show();
    }

    void TearDown() override {
        while (CRenderManager::UseCount() > 0) {
            CRenderManager::Release();
        }
    }

    RenderManagerSetup Setup(std::vector<std::string> candidates) {
        RenderManagerSetup setup;
        setup.mainWindow = main_.get();
        setup.candidates = std::move(candidates);
        setup.reportLoadFailure = [this](const std::string& text, const std::string& caption) {
            failures_.push_back({text, caption});
        };
        return setup;
    }

    CRenderManager& OurPlugin() { return CRenderManager::Acquire(Setup({TALLO_RENDERER_PLUGIN})); }

    std::unique_ptr<QWidget> main_;
    std::unique_ptr<QWidget> dialog_;
    QFrame* control_ = nullptr;
    std::vector<Failure> failures_;
};

TEST_F(RenderManagerTest, PluginDrawsTheKitColoursIntoItsWindow) {
    CRenderManager& manager = OurPlugin();
    ASSERT_TRUE(manager.IsReady()) << manager.LibraryPath();
    EXPECT_TRUE(failures_.empty());
    manager.Place(control_);
    manager.SetBackground(CRenderManager::kKitBackground);
    const ClubKit kit = TestKit();
    manager.SetKit(TalloKitSelection{0}, RendererKitData(kit));

    const QImage first = manager.RenderWindow()->grab().toImage();
    ASSERT_EQ(first.size(), QSize(200, 300));
    const int area = first.width() * first.height();
    // Shirt, shorts and socks each take a good part of the picture; the rest is background.
    EXPECT_GT(test::CountNear(first, kRed), area / 10);
    EXPECT_GT(test::CountNear(first, kBlue), area / 30);
    EXPECT_GT(test::CountNear(first, kGreen), area / 60);
    EXPECT_GT(test::CountNear(first, kKitGrey), area / 4);
    EXPECT_EQ(test::CountNear(first, kYellow), 0);

    // The second kit, through the block of the kit now shown.
    manager.ChangeKit(RendererKitBlock(kit, 1), RendererKitData(kit));
    const QImage second = manager.RenderWindow()->grab().toImage();
    EXPECT_GT(test::CountNear(second, kYellow), area / 10);
    EXPECT_LT(test::CountNear(second, kRed), area / 200);

    // Frames turn the kit: the picture changes while its colours stay.
    for (int i = 0; i < 20; ++i) {
        manager.DrawFrame();
    }
    const QImage turned = manager.RenderWindow()->grab().toImage();
    EXPECT_NE(turned, second);
    EXPECT_GT(test::CountNear(turned, kYellow), area / 12);
}

TEST_F(RenderManagerTest, PluginDrawsTheHeadWithTheLookAndTheClubsCollar) {
    CRenderManager& manager = OurPlugin();
    ASSERT_TRUE(manager.IsReady());
    manager.Place(control_);
    manager.SetBackground(CRenderManager::kLookBackground);
    std::array<uint32_t, TALLO_LOOK_SIZE> looks{};
    looks[TALLO_LOOK_FACE_TYPE] = 1;
    looks[TALLO_LOOK_HAIR_COLOUR] = 4; // black
    looks[TALLO_LOOK_HAIR_STYLE] = 5;
    looks[TALLO_LOOK_BEARD] = 4;
    manager.SetHead(RendererHeadColours(TestKit()), looks);
    const QImage black = manager.RenderWindow()->grab().toImage();
    const int area = black.width() * black.height();
    EXPECT_GT(test::CountNear(black, QColor(0x20, 0x20, 0xC0)), area / 5); // the look background
    EXPECT_GT(test::CountNear(black, kRed), area / 40);                    // the collar
    EXPECT_GT(test::CountNear(black, QColor(240, 200, 165)), area / 20);   // light skin
    const int blackHair = test::CountNear(black, QColor(30, 27, 24));
    EXPECT_GT(blackHair, area / 40);

    looks[TALLO_LOOK_HAIR_COLOUR] = 1; // blond
    looks[TALLO_LOOK_FACE_TYPE] = 22;  // dark skin
    manager.SetHead(RendererHeadColours(TestKit()), looks);
    const QImage blond = manager.RenderWindow()->grab().toImage();
    EXPECT_LT(test::CountNear(blond, QColor(30, 27, 24)), blackHair / 10);
    EXPECT_GT(test::CountNear(blond, QColor(226, 192, 110)), area / 40);
    EXPECT_EQ(test::CountNear(blond, QColor(240, 200, 165)), 0);
}

TEST_F(RenderManagerTest, PlaceCoversTheControlAndGivesTheWindowBack) {
    CRenderManager& manager = OurPlugin();
    QWidget* window = manager.RenderWindow();
    EXPECT_EQ(window->parentWidget(), main_.get());
    EXPECT_EQ(window->property("controlId").toInt(), CRenderManager::kRenderWindowId);
    EXPECT_FALSE(manager.IsPlaced());

    manager.Place(control_);
    EXPECT_TRUE(manager.IsPlaced());
    EXPECT_EQ(window->parentWidget(), dialog_.get());
    EXPECT_EQ(window->geometry(), control_->geometry());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(control_->isVisible());

    manager.Place(nullptr);
    EXPECT_FALSE(manager.IsPlaced());
    EXPECT_EQ(window->parentWidget(), main_.get());
    EXPECT_FALSE(window->isVisible());

    // A dialog destroyed while it holds the window takes it along; the manager makes a new one
    // and the renderer draws into that.
    manager.Place(control_);
    dialog_.reset();
    QWidget* fresh = manager.RenderWindow();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->parentWidget(), main_.get());
    manager.SetBackground(CRenderManager::kKitBackground);
    manager.SetKit(TalloKitSelection{0}, RendererKitData(TestKit()));
    fresh->resize(100, 150);
    EXPECT_GT(test::CountNear(fresh->grab().toImage(), kRed), 100 * 150 / 12);
}

TEST_F(RenderManagerTest, TheSharedInstanceLivesWhileItIsUsed) {
    CRenderManager& first = OurPlugin();
    EXPECT_EQ(CRenderManager::UseCount(), 1);
    {
        RenderManagerUse use;
        EXPECT_EQ(&*use, &first);
        EXPECT_EQ(CRenderManager::UseCount(), 2);
    }
    EXPECT_EQ(CRenderManager::UseCount(), 1);
    QPointer<QWidget> window = first.RenderWindow();
    CRenderManager::Release();
    EXPECT_EQ(CRenderManager::UseCount(), 0);
    EXPECT_TRUE(window.isNull()); // destroyed with the manager
    CRenderManager::Release();    // one too many does nothing
    EXPECT_EQ(CRenderManager::UseCount(), 0);
}

TEST_F(RenderManagerTest, TheFrameTimerDrawsAFrameEveryFiftyMilliseconds) {
    CRenderManager& manager = OurPlugin();
    manager.Place(control_);
    manager.SetKit(TalloKitSelection{0}, RendererKitData(TestKit()));
    const QImage before = manager.RenderWindow()->grab().toImage();
    manager.StartFrameTimer();
    EXPECT_TRUE(manager.IsFrameTimerActive());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    manager.StopFrameTimer();
    EXPECT_FALSE(manager.IsFrameTimerActive());
    EXPECT_NE(manager.RenderWindow()->grab().toImage(), before);
}

// A plug-in file that is there but cannot be loaded is said once, with the system's reason, and
// leaves the manager not ready (the main window then shows its own message and closes).
TEST_F(RenderManagerTest, APluginThatCannotBeLoadedIsReportedAndNotReady) {
    test::TempDir dir;
    test::WriteFile(dir / "Renderer.so", "this is no library");
    CRenderManager& manager =
        CRenderManager::Acquire(Setup(DefaultRendererCandidates(dir.Path(), PluginFolder())));
    EXPECT_FALSE(manager.IsReady());
    EXPECT_EQ(manager.LibraryPath(), dir / "Renderer.so");
    ASSERT_EQ(failures_.size(), 1u);
    EXPECT_EQ(failures_[0].caption, "Error Loading DLL");
    const std::string start =
        "Could not load the DLL \"" + (dir / "Renderer.so") + "\".\r\nError Message \"";
    EXPECT_EQ(failures_[0].text.substr(0, start.size()), start);
    EXPECT_GT(failures_[0].text.size(), start.size() + 1);
    // The calls do nothing, and nothing is placed over the control.
    manager.SetKit(TalloKitSelection{0}, RendererKitData(TestKit()));
    manager.DrawFrame();
    CRenderManager::Release();
    EXPECT_EQ(failures_.size(), 1u);
}

TEST_F(RenderManagerTest, AMissingPluginOrOneWithoutTheEntryIsSilent) {
    test::TempDir dir;
    {
        CRenderManager& manager = CRenderManager::Acquire(Setup({dir / "Renderer.so"}));
        EXPECT_FALSE(manager.IsReady());
        EXPECT_TRUE(manager.LibraryPath().empty());
        CRenderManager::Release();
    }
    {
        // Nothing in the installation: our own plug-in beside the program.
        CRenderManager& manager =
            CRenderManager::Acquire(Setup(DefaultRendererCandidates(dir.Path(), PluginFolder())));
        EXPECT_TRUE(manager.IsReady());
        EXPECT_EQ(manager.LibraryPath(), PluginFolder() + "/libtallo-renderer.so");
        CRenderManager::Release();
    }
    // A real library that has no GetPlugin: the C library itself.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&std::strlen), &info), 0);
    ASSERT_NE(info.dli_fname, nullptr);
    CRenderManager& manager = CRenderManager::Acquire(Setup({info.dli_fname}));
    EXPECT_EQ(manager.LibraryPath(), info.dli_fname);
    EXPECT_FALSE(manager.IsReady());
    EXPECT_TRUE(failures_.empty());
}

} // namespace
} // namespace tallo
