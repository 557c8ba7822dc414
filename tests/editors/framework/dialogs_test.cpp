#include <gtest/gtest.h>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "editors/framework/dlg_error_message.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/dlg_input_box.h"
#include "editors/framework/qt_text.h"
#include "formats/string_table.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

QPushButton* ButtonOf(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box != nullptr ? box->button(which) : nullptr;
}

TEST(CDlgInputBox, TheSetUpTextSplitsAtItsFirstTwoTabs) {
    InputBoxTexts parts = SplitInputBoxText(QStringLiteral("Caption\tPrompt\tName\twith tab"));
    EXPECT_EQ(parts.caption, QStringLiteral("Caption"));
    EXPECT_EQ(parts.prompt, QStringLiteral("Prompt"));
    EXPECT_EQ(parts.proposed, QStringLiteral("Name\twith tab"));

    parts = SplitInputBoxText(QStringLiteral("Only a caption"));
    EXPECT_EQ(parts.caption, QStringLiteral("Only a caption"));
    EXPECT_TRUE(parts.prompt.isEmpty());
    EXPECT_TRUE(parts.proposed.isEmpty());

    // Only the first 4095 characters count.
    parts = SplitInputBoxText(QString(4095, QLatin1Char('x')) + QStringLiteral("\tlost"));
    EXPECT_EQ(parts.caption.size(), 4095);
    EXPECT_TRUE(parts.prompt.isEmpty());
}

TEST(CDlgInputBox, OpensWithTheProposedTextSelectedAndGivesTheTextOnOk) {
    test::EnsureFrameworkApplication();
    InterfaceLanguageScope russian(InterfaceLanguage::Russian);
    const InputBoxTexts expected = SplitInputBoxText(NumberedText(858));
    ASSERT_FALSE(expected.proposed.isEmpty());

    CDlgInputBox box(858, nullptr, 5);
    EXPECT_EQ(box.windowTitle(), expected.caption);
    EXPECT_EQ(box.Prompt().text(), expected.prompt);
    // The maximum length cuts the proposal too.
    EXPECT_EQ(box.Text(), expected.proposed.left(5));

    std::optional<QString> answer;
    bool selectedOnOpen = false;
    QTimer::singleShot(0, &box, [&] {
        selectedOnOpen = box.Field().selectedText() == box.Field().text();
        box.Field().setText(QStringLiteral("Liga"));
        ButtonOf(box, QDialogButtonBox::Ok)->click();
    });
    answer = box.Ask();
    EXPECT_TRUE(selectedOnOpen);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, QStringLiteral("Liga"));

    QTimer::singleShot(0, &box, [&] { ButtonOf(box, QDialogButtonBox::Cancel)->click(); });
    EXPECT_FALSE(box.Ask().has_value());
}

TEST(CDlgErrorMessage, BuildsItsMessageLineByLineAndCopiesIt) {
    test::EnsureFrameworkApplication();
    InterfaceLanguageScope russian(InterfaceLanguage::Russian);
    CDlgErrorMessage window(nullptr, 798);
    EXPECT_EQ(window.Headline(), NumberedText(798));
    window.AddLine(899);
    window.AddLine(QStringLiteral("Country7.sav: Permission denied"));
    window.AddText(QStringLiteral("no line end"));
    EXPECT_EQ(window.Message(), NumberedText(899) + QStringLiteral("\nCountry7.sav: Permission "
                                                                   "denied\nno line end"));

    for (int i = 0; i < 60; ++i) {
        window.AddLine(QStringLiteral("line %1").arg(i));
    }
    window.show();
    test::ProcessEventsUntil([&] { return window.isVisible(); });
    EXPECT_EQ(window.HeadlineLabel().text(), NumberedText(798));
    // Many lines scroll instead of growing the window; the text is there to be selected.
    EXPECT_TRUE(window.MessageView().isReadOnly());
    EXPECT_GT(window.MessageView().verticalScrollBar()->maximum(), 0);
    EXPECT_LT(window.height(), 700);
    EXPECT_TRUE(window.MessageView().toPlainText().endsWith(QStringLiteral("line 59")));

    window.CopyButton().click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(NumberedText(798) + QStringLiteral("\n\n") + NumberedText(899)));
    EXPECT_TRUE(copied.endsWith(QStringLiteral("line 59")));

    ButtonOf(window, QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST(CDlgErrorSingle, StartsEmptyAndHasOnlyOk) {
    test::EnsureFrameworkApplication();
    CDlgErrorSingle window;
    EXPECT_TRUE(window.Headline().isEmpty());
    EXPECT_TRUE(window.Message().isEmpty());
    EXPECT_EQ(ButtonOf(window, QDialogButtonBox::Cancel), nullptr);
    window.SetHeadline(QStringLiteral("Headline"));
    window.SetMessage(QStringLiteral("Message"));
    window.show();
    EXPECT_TRUE(window.MessageLabel().isVisible());
    EXPECT_EQ(window.Message(), QStringLiteral("Message"));
    ButtonOf(window, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

} // namespace
} // namespace tallo
