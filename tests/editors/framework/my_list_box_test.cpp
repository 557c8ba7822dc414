#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPalette>

#include <memory>

#include "editors/framework/list_columns.h"
#include "editors/framework/my_list_box.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

TEST(ListColumns, RowsSplitAtTabsIntoTheColumnsTheyHave) {
    EXPECT_EQ(SplitColumns(QStringLiteral("a\tb\tc"), 3),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(SplitColumns(QStringLiteral("a"), 3), QStringList{QStringLiteral("a")});
    EXPECT_EQ(SplitColumns(QStringLiteral("a\t\tc"), 3),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("c")}));
    // More texts than columns: the last column shows the rest.
    EXPECT_EQ(SplitColumns(QStringLiteral("a\tb\tc\td"), 3),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c d")}));
    EXPECT_EQ(SplitColumns(QStringLiteral("a\tb"), 1), QStringList{QStringLiteral("a b")});

    const std::vector<QRect> rects =
        ColumnRects({ListColumn{0, 50}, ListColumn{50, -1}}, QRect(10, 20, 200, 16));
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], QRect(10, 20, 50, 16));
    EXPECT_EQ(rects[1], QRect(60, 20, 150, 16)); // up to the row's end
}

// The list drawn as it shows, with three columns of 100 pixels, the last aligned right.
class ListBoxPicture : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        owned_ = std::make_unique<CMyListBox>();
        CMyListBox& list_ = *owned_;
        list_.SetColumns({ListColumn{0, 100, Qt::AlignLeft}, ListColumn{100, 200, Qt::AlignLeft},
                          ListColumn{200, 300, Qt::AlignRight}});
        QPalette palette = list_.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        list_.setPalette(palette);
        list_.setFrameShape(QFrame::NoFrame);
        list_.resize(300, 120);
        list_.show();
    }

    // The rectangle of column `column` of row `row`, in the viewport.
    QRect Cell(int row, int column) const {
        const QRect rowRect = owned_->visualItemRect(owned_->item(row));
        return QRect(rowRect.left() + column * 100, rowRect.top(), 100, rowRect.height());
    }

    std::unique_ptr<CMyListBox> owned_;
};

TEST_F(ListBoxPicture, ARowWithTwoTabsDrawsThreeColumnsAndARowWithoutTabsOnlyTheFirst) {
    CMyListBox& list_ = *owned_;
    list_.AddRow(QStringLiteral("AAA\tBBB\tCCC"));
    list_.AddRow(QStringLiteral("DDD"));
    QCoreApplication::processEvents();
    const QImage picture = list_.viewport()->grab().toImage();

    for (int column = 0; column < 3; ++column) {
        EXPECT_GT(test::DarkPixels(picture, Cell(0, column)), 10) << column;
    }
    EXPECT_GT(test::DarkPixels(picture, Cell(1, 0)), 10);
    EXPECT_EQ(test::DarkPixels(picture, Cell(1, 1)), 0);
    EXPECT_EQ(test::DarkPixels(picture, Cell(1, 2)), 0);

    // The right-aligned column puts its text against its right edge.
    const QRect third = Cell(0, 2);
    EXPECT_EQ(test::DarkPixels(picture, QRect(third.left(), third.top(), 40, third.height())), 0);
    EXPECT_GT(test::DarkPixels(picture, QRect(third.right() - 40, third.top(), 40, third.height())),
              10);
    // A left-aligned column starts at its left edge.
    const QRect first = Cell(0, 0);
    EXPECT_GT(test::DarkPixels(picture, QRect(first.left(), first.top(), 40, first.height())), 10);
}

TEST_F(ListBoxPicture, RightClicksGoToTheOwnerAndLeftClicksOnlyWhenForwarded) {
    CMyListBox& list_ = *owned_;
    list_.AddRow(QStringLiteral("one"));
    list_.AddRow(QStringLiteral("two"));
    QCoreApplication::processEvents();
    int rights = 0;
    int lefts = 0;
    QPoint rightAt;
    QObject::connect(&list_, &CMyListBox::rightClicked, [&](const QPoint& pos, const QPoint&) {
        ++rights;
        rightAt = pos;
    });
    QObject::connect(&list_, &CMyListBox::leftClicked,
                     [&](const QPoint&, const QPoint&) { ++lefts; });

    const QPoint onSecond = list_.visualItemRect(list_.item(1)).center();
    auto click = [&](Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, onSecond,
                          list_.viewport()->mapToGlobal(onSecond), button, button, Qt::NoModifier);
        QApplication::sendEvent(list_.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, onSecond,
                            list_.viewport()->mapToGlobal(onSecond), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(list_.viewport(), &release);
    };

    const int before = list_.currentRow();
    ASSERT_NE(before, 1);
    click(Qt::RightButton);
    EXPECT_EQ(rights, 1);
    EXPECT_EQ(rightAt, list_.viewport()->mapTo(&list_, onSecond)); // no parent: the list's own
    EXPECT_EQ(list_.currentRow(), before); // a right click alone selects nothing

    click(Qt::LeftButton);
    EXPECT_EQ(lefts, 0);
    EXPECT_EQ(list_.currentRow(), 1);

    list_.SetForwardLeftClicks(true);
    click(Qt::LeftButton);
    EXPECT_EQ(lefts, 1);
}

} // namespace
} // namespace tallo
