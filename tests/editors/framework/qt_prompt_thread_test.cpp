// The prompt asked from a worker thread (as the game database build asks before it writes): the
// question is shown by the interface's thread and the answer reaches the worker.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <atomic>
#include <thread>

#include "editors/framework/framework_test_support.h"
#include "editors/framework/qt_prompt.h"

namespace tallo {
namespace {

TEST(QtPromptThreadTest, AQuestionFromAWorkerIsAskedOnTheInterfaceThread) {
    test::EnsureFrameworkApplication();
    QtPrompt prompt;
    std::atomic<bool> done{false};
    std::atomic<bool> answer{false};
    std::atomic<bool> askedOnInterfaceThread{false};
    std::thread worker([&] {
        answer = prompt.AskYesNo("Write the game database?", "Editor");
        done = true;
    });
    // Answer Yes once the question shows; it must be a window of this (the interface) thread.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            askedOnInterfaceThread = box->thread() == QApplication::instance()->thread();
            box->button(QMessageBox::Yes)->click();
        }
    });
    poll.start(20);
    const bool finished = test::ProcessEventsUntil([&] { return done.load(); }, 10000);
    poll.stop();
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(answer);
    EXPECT_TRUE(askedOnInterfaceThread);
}

} // namespace
} // namespace tallo
