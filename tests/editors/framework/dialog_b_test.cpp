#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/framework/dialog_b.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/skin.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

void PressKey(QWidget& target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &release);
}

// A dialog window with a tab control whose first page holds a field.
struct PagedDialog {
    CDialogB dialog;
    CMyTabCtrl* tabs = nullptr;
    CDialogB* page = nullptr;
    QLineEdit* field = nullptr;
    QLineEdit* topField = nullptr;

    PagedDialog() {
        auto* layout = new QVBoxLayout(&dialog);
        topField = new QLineEdit(&dialog);
        layout->addWidget(topField);
        tabs = new CMyTabCtrl(&dialog);
        page = new CDialogB;
        auto* pageLayout = new QVBoxLayout(page);
        field = new QLineEdit(page);
        pageLayout->addWidget(field);
        pageLayout->addStretch(1);
        tabs->AddPage(page, QStringLiteral("One"));
        tabs->AddPage(new CDialogB, QStringLiteral("Two"));
        layout->addWidget(tabs);
        // A default button, which Enter would press if it reached the dialog.
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &CDialogB::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &CDialogB::reject);
        layout->addWidget(buttons);
        dialog.resize(400, 300);
        dialog.show();
        test::ProcessEventsUntil([this] { return dialog.isVisible(); });
    }
};

TEST(CDialogB, EnterAndEscapeInAChildPageCloseNothing) {
    test::EnsureFrameworkApplication();
    PagedDialog paged;
    ASSERT_TRUE(paged.page->IsChildPage());
    ASSERT_FALSE(paged.dialog.IsChildPage());

    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        PressKey(*paged.field, key);
        EXPECT_TRUE(paged.dialog.isVisible()) << key;
        EXPECT_TRUE(paged.page->isVisible()) << key;
        EXPECT_EQ(paged.dialog.result(), 0) << key;
    }
    // OK and cancel called on the page itself do nothing either.
    paged.page->accept();
    paged.page->reject();
    EXPECT_TRUE(paged.page->isVisible());
    EXPECT_TRUE(paged.dialog.isVisible());

    // The same keys outside the page close the dialog, as a dialog window should.
    PressKey(*paged.topField, Qt::Key_Return);
    EXPECT_FALSE(paged.dialog.isVisible());
    EXPECT_EQ(paged.dialog.result(), QDialog::Accepted);
    paged.dialog.show();
    PressKey(*paged.topField, Qt::Key_Escape);
    EXPECT_FALSE(paged.dialog.isVisible());
    EXPECT_EQ(paged.dialog.result(), QDialog::Rejected);
}

TEST(CDialogB, NestedPagesContinueThePictureOfTheirRoot) {
    test::EnsureFrameworkApplication();
    PagedDialog paged;
    auto* panel = new CDialogB(paged.page, CDialogB::Kind::ChildPage);
    panel->setGeometry(40, 60, 120, 80);
    panel->show();
    QCoreApplication::processEvents();

    const QPoint pageOrigin = paged.page->mapTo(&paged.dialog, QPoint(0, 0));
    ASSERT_NE(pageOrigin, QPoint(0, 0));
    EXPECT_EQ(&Skin::BackgroundRoot(*panel), &paged.dialog);
    EXPECT_EQ(Skin::BackgroundOrigin(*paged.page), pageOrigin);
    EXPECT_EQ(Skin::BackgroundOrigin(*panel), pageOrigin + QPoint(40, 60));

    // What the panel paints is the picture at its place in the dialog, not the picture's
    // corner.
    const QImage painted = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage tile = Skin::Tile().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = Skin::BackgroundOrigin(*panel);
    int same = 0;
    int sameAsCorner = 0;
    for (int y = 0; y < painted.height(); y += 7) {
        for (int x = 0; x < painted.width(); x += 7) {
            same += painted.pixel(x, y) == tile.pixel(origin.x() + x, origin.y() + y);
            sameAsCorner += painted.pixel(x, y) == tile.pixel(x, y);
        }
    }
    const int samples = ((painted.height() + 6) / 7) * ((painted.width() + 6) / 7);
    EXPECT_EQ(same, samples);
    EXPECT_LT(sameAsCorner, samples);

    // A page marked as a root starts the picture again; a page pushed up and left of its
    // parent's corner starts at the picture's edge.
    panel->SetBackgroundRoot(true);
    EXPECT_EQ(Skin::BackgroundOrigin(*panel), QPoint(0, 0));
    auto* inner = new CDialogB(panel, CDialogB::Kind::ChildPage);
    inner->setGeometry(10, 12, 30, 30);
    EXPECT_EQ(Skin::BackgroundOrigin(*inner), QPoint(10, 12));
    inner->move(-30, 5);
    EXPECT_EQ(Skin::BackgroundOrigin(*inner), QPoint(0, 5));
}

TEST(Skin, DarkTextStaysReadableEverywhereOnThePicture) {
    test::EnsureFrameworkApplication();
    const QImage& picture = Skin::Picture();
    ASSERT_GT(picture.width(), 256);
    ASSERT_GT(picture.height(), 256);
    // The contrast ratio of the text colour against the lightest and the darkest pixel.
    auto luminance = [](QRgb rgb) {
        auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
               0.0722 * channel(qBlue(rgb));
    };
    double darkest = 1.0;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            darkest = std::min(darkest, luminance(picture.pixel(x, y)));
        }
    }
    const double text = luminance(Skin::TextColour().rgb());
    EXPECT_GE((darkest + 0.05) / (text + 0.05), 7.0);
    EXPECT_EQ(Skin::Font().weight(), QFont::Bold);
}

} // namespace
} // namespace tallo
