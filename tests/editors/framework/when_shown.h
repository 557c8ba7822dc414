#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tallo::test {

// Runs `work` on the modal dialog of type T as soon as it is shown (from the event loop of its
// exec); `ran` stays false when none comes up within two seconds, and whatever other modal
// window is up then is closed, so that the test goes on and fails instead of hanging.
template <class T> void WhenShown(std::function<void(T&)> work, bool* ran) {
    QTimer::singleShot(0, [work, ran]() {
        for (int attempt = 0; attempt < 200; ++attempt) {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                *ran = true;
                work(*dialog);
                return;
            }
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        if (QWidget* other = QApplication::activeModalWidget()) {
            other->close();
        }
    });
}

} // namespace tallo::test
