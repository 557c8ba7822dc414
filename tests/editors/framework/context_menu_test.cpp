#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <memory>

#include "editors/framework/context_menu.h"
#include "editors/framework/dialog_b.h"
#include "editors/framework/framework_texts.h"
#include "editors/framework/text_drag_image.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

TEST(ContextMenu, OnlyInsideTheListAndWithTheRowUnderTheCursorSelected) {
    test::EnsureFrameworkApplication();
    CDialogB dialog;
    auto* list = new QListWidget(&dialog);
    list->setGeometry(10, 10, 200, 150);
    for (const char* name : {"one", "two", "three"}) {
        list->addItem(QString::fromLatin1(name));
    }
    dialog.resize(300, 200);
    dialog.show();
    QCoreApplication::processEvents();

    auto makeMenu = [] {
        auto menu = std::make_unique<QMenu>();
        menu->addAction(QStringLiteral("Edit"));
        return menu;
    };
    const QPoint onThird =
        list->viewport()->mapToGlobal(list->visualItemRect(list->item(2)).center());
    const QPoint outside = dialog.mapToGlobal(QPoint(250, 180));

    EXPECT_FALSE(dialog.ShowContextMenu(*list, makeMenu(), outside));
    EXPECT_EQ(dialog.ContextMenu(), nullptr);

    EXPECT_TRUE(dialog.ShowContextMenu(*list, makeMenu(), onThird));
    EXPECT_EQ(list->currentRow(), 2);
    ASSERT_NE(dialog.ContextMenu(), nullptr);
    EXPECT_TRUE(dialog.ContextMenu()->isVisible());
    dialog.ContextMenu()->close();

    // Below the last row: still inside, nothing to select, the selection stays.
    const QPoint belowRows = list->viewport()->mapToGlobal(QPoint(20, 140));
    EXPECT_TRUE(SelectRowForContextMenu(*list, belowRows));
    EXPECT_EQ(list->currentRow(), 2);
    // A menu without items is not shown.
    EXPECT_FALSE(dialog.ShowContextMenu(*list, std::make_unique<QMenu>(), onThird));
}

TEST(ContextMenu, AControlItemCarriesTheControlsTextAndCommand) {
    test::EnsureFrameworkApplication();
    QPushButton button(QString(200, QLatin1Char('b')));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    QMenu menu;
    QAction* item = AppendControlMenuItem(menu, button, true);
    EXPECT_EQ(item->text().size(), 127);
    item->trigger();
    EXPECT_EQ(clicks, 1);

    QAction* greyed = AppendControlMenuItem(menu, button, false);
    EXPECT_FALSE(greyed->isEnabled());
    greyed->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.actions().size(), 2);
}

TEST(TextDragImage, TheTextOnATransparentGroundAndNothingForNoText) {
    test::EnsureFrameworkApplication();
    QFont font;
    EXPECT_TRUE(CreateTextDragImage(QString(), font, Qt::black).isNull());

    const QPixmap image = CreateTextDragImage(QStringLiteral("Dynamo"), font, Qt::black);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("Dynamo")));
    const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    int clear = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            (qAlpha(pixels.pixel(x, y)) > 128 ? opaque : clear) += 1;
        }
    }
    EXPECT_GT(opaque, 10);
    EXPECT_GT(clear, opaque);
}

TEST(FrameworkTexts, EveryKeyHasBothLanguagesAndFollowsTheInterface) {
    for (std::string_view key : FrameworkTextKeys()) {
        EXPECT_FALSE(FrameworkText(key, InterfaceLanguage::Russian).empty()) << key;
        EXPECT_FALSE(FrameworkText(key, InterfaceLanguage::English).empty()) << key;
    }
    {
        InterfaceLanguageScope english(InterfaceLanguage::English);
        EXPECT_EQ(FrameworkText("framework.button.yes"), "Yes");
    }
    {
        InterfaceLanguageScope russian(InterfaceLanguage::Russian);
        EXPECT_EQ(FrameworkText("framework.button.yes"), "Да");
    }
    EXPECT_EQ(FrameworkText("framework.no.such.key"), "framework.no.such.key");
}

} // namespace
} // namespace tallo
