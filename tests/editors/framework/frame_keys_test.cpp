// The keys of a frame of pages: Enter confirms, except on another button (its own click) and in
// a notes field (a new line); Escape cancels.

#include "editors/framework/frame_keys.h"

#include <gtest/gtest.h>

#include <memory>

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "editors/framework/framework_test_support.h"

namespace tallo {
namespace {

class FrameKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        // The frame is made here, not as a member: a widget needs the application first.
        frameOwner_ = std::make_unique<QDialog>();
        QDialog& frame = *frameOwner_;
        auto* layout = new QVBoxLayout(&frame);
        line_ = new QLineEdit(&frame);
        notes_ = new QPlainTextEdit(&frame);
        other_ = new QPushButton("other", &frame);
        ok_ = new QPushButton("ok", &frame);
        for (QWidget* widget : {static_cast<QWidget*>(line_), static_cast<QWidget*>(notes_),
                                static_cast<QWidget*>(other_), static_cast<QWidget*>(ok_)}) {
            layout->addWidget(widget);
        }
        QObject::connect(other_, &QPushButton::clicked, [this] { ++otherClicks_; });
        InstallFrameKeys(
            frame, *ok_, [this] { ++confirms_; }, [this] { ++cancels_; });
        frame.show();
    }

    // What the key's shortcut does with the focus where it is.
    void Press(Qt::Key key) {
        for (QShortcut* shortcut : frameOwner_->findChildren<QShortcut*>()) {
            if (shortcut->key() == QKeySequence(key)) {
                emit shortcut->activated();
                return;
            }
        }
        ADD_FAILURE() << "no shortcut for the key";
    }

    std::unique_ptr<QDialog> frameOwner_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* other_ = nullptr;
    QPushButton* ok_ = nullptr;
    int confirms_ = 0;
    int cancels_ = 0;
    int otherClicks_ = 0;
};

TEST_F(FrameKeysTest, EnterConfirmsFromAFieldClicksAnotherButtonAndBreaksALineOfNotes) {
    line_->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(confirms_, 1);

    other_->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_EQ(otherClicks_, 1);
    EXPECT_EQ(confirms_, 1);

    notes_->setFocus();
    notes_->setPlainText("first");
    notes_->moveCursor(QTextCursor::End);
    Press(Qt::Key_Return);
    EXPECT_EQ(notes_->toPlainText(), "first\n");
    EXPECT_EQ(confirms_, 1);

    ok_->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(confirms_, 2);
    EXPECT_EQ(cancels_, 0);
}

TEST_F(FrameKeysTest, EscapeCancelsWhereverTheFocusIs) {
    notes_->setFocus();
    Press(Qt::Key_Escape);
    line_->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(cancels_, 2);
    EXPECT_EQ(confirms_, 0);
}

} // namespace
} // namespace tallo
