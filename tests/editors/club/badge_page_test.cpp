// The badge page and the badge chooser through their widgets: the chooser opens on the club's
// badge, a group change refills the list and clears the preview, and the page stores the badge
// chosen or removed.

#include "editors/club/dlg_club_badge.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "assets/badge_test_support.h"
#include "editing/club/club_edit_context.h"
#include "editors/club/dib_view.h"
#include "editors/club/dlg_club_badge_manage.h"
#include "editors/framework/framework_test_support.h"
#include "mapping/global_tools.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"

namespace tallo {
namespace {

using test::TinyTga;

class BadgePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        for (const char* size : {"180", "74", "48", "14"}) {
            badges_.AddDiskFile(std::string("GER\\Badge") + size + "\\Koeln.tga",
                                TinyTga(0, 0, 255));
        }
        badges_.AddDiskFile("GER\\Badge180\\Bayern.tga", TinyTga(255, 0, 0));
        badges_.AddArchiveEntry("Badges\\XX\\BADGE180\\Y.TGA", TinyTga(0, 255, 0));
        badges_.OpenArchive(tools_.BadgeArchive());
        context_.badgesFolder = badges_.Folder();
        context_.tools = &tools_;
        context_.prompt = &prompt_;
    }

    test::BadgeInstallation badges_;
    CGlobalTools tools_;
    ScriptedPrompt prompt_;
    ClubEditContext context_;
};

TEST_F(BadgePageTest, TheChooserPreselectsTheClubsBadgeAndFollowsTheSelection) {
    CDlgClubBadgeManage dialog(nullptr, context_, "ger\\badge180\\KOELN.TGA");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор эмблемы клуба"));
    EXPECT_EQ(dialog.GroupBox().currentText(), QStringLiteral("GER"));
    ASSERT_NE(dialog.BadgeList().currentItem(), nullptr);
    EXPECT_EQ(dialog.BadgeList().currentItem()->text(), QStringLiteral("Koeln"));
    EXPECT_EQ(dialog.NameField().text(), QStringLiteral("GER\\Badge180\\Koeln.tga"));
    ASSERT_FALSE(dialog.Preview().Dib().IsNull());
    EXPECT_EQ(dialog.Preview().Dib().Image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);

    dialog.GroupBox().setCurrentIndex(1);
    ASSERT_EQ(dialog.BadgeList().count(), 1);
    EXPECT_EQ(dialog.BadgeList().item(0)->text(), QStringLiteral("Y"));
    EXPECT_EQ(dialog.BadgeList().currentRow(), -1);
    EXPECT_TRUE(dialog.Preview().Dib().IsNull());
    EXPECT_TRUE(dialog.NameField().text().isEmpty());

    dialog.BadgeList().setCurrentRow(0);
    ASSERT_FALSE(dialog.Preview().Dib().IsNull());
    EXPECT_EQ(dialog.Preview().Dib().Image().pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenName(), "XX\\BADGE180\\Y.TGA");
}

TEST_F(BadgePageTest, ThePageShowsWarnsAndStoresTheBadge) {
    CClub club;
    ASSERT_TRUE(club.SetBadgeFile("GER\\Badge180\\Bayern.tga")); // the largest size only
    CDlgClubBadge page(nullptr, context_);
    page.FillFrom(club);
    EXPECT_FALSE(page.Picture().Dib().IsNull());
    EXPECT_FALSE(page.WarningLabel().isHidden());
    EXPECT_FALSE(page.WarningLabel().text().isEmpty());

    std::string offered;
    page.SetChooser([&offered](const std::string& current) {
        offered = current;
        return std::optional<std::string>("GER\\Badge180\\Koeln.tga");
    });
    page.ChooseButton().click();
    EXPECT_EQ(offered, "GER\\Badge180\\Bayern.tga");
    EXPECT_EQ(page.NameLabel().text(), QStringLiteral("GER\\Badge180\\Koeln.tga"));
    EXPECT_TRUE(page.WarningLabel().isHidden());
    CClub stored = club;
    page.StoreInto(stored);
    EXPECT_EQ(stored.BadgeFile(), "GER\\Badge180\\Koeln.tga");

    page.ClearButton().click();
    EXPECT_TRUE(page.Picture().Dib().IsNull());
    EXPECT_FALSE(page.ClearButton().isEnabled());
    page.StoreInto(stored);
    EXPECT_EQ(stored.BadgeFile(), "");

    // A cancelled chooser keeps the badge.
    page.SetChooser([](const std::string&) { return std::optional<std::string>(); });
    page.FillFrom(club);
    page.ChooseButton().click();
    page.StoreInto(stored);
    EXPECT_EQ(stored.BadgeFile(), "GER\\Badge180\\Bayern.tga");
}

TEST(Dib, LoadsABmpAndDrawsItStretched) {
    test::EnsureFrameworkApplication();
    // A 2 by 1 picture: red then blue, bottom-up rows padded to 8 bytes.
    std::vector<uint8_t> bmp(54 + 8, 0);
    const auto put32 = [&bmp](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 1);
    bmp[26] = 1;
    bmp[28] = 24;
    bmp[56] = 255; // first pixel: blue 0, green 0, red 255
    bmp[57] = 255; // second pixel: blue 255
    CDib dib;
    ASSERT_TRUE(dib.LoadFromBytes(bmp));
    EXPECT_EQ(dib.Size(), QSize(2, 1));
    QImage target(40, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 40, 20));
    }
    EXPECT_EQ(target.pixel(2, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.pixel(37, 10) & 0xFFFFFF, 0x0000FFu);

    std::vector<uint8_t> broken(bmp.begin(), bmp.begin() + 20);
    EXPECT_FALSE(dib.LoadFromBytes(broken));
    EXPECT_TRUE(dib.IsNull());
    EXPECT_FALSE(dib.LoadFromFile(QStringLiteral("/nonexistent/badge.bmp")));
}

} // namespace
} // namespace tallo
