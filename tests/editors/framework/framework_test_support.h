#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>

#include <cstdlib>
#include <functional>

namespace tallo::test {

// The application object of the test program (offscreen unless the run chose a platform).
inline void EnsureFrameworkApplication() {
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "editors_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// Runs the event loop until `done` gives true or `ms` have passed; gives `done`'s last answer.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Pixels of `area` clearly darker than light backgrounds (text drawn in a dark colour).
inline int DarkPixels(const QImage& image, const QRect& area, int threshold = 110) {
    const QImage picture = image.convertToFormat(QImage::Format_RGB32);
    const QRect inside = area.intersected(picture.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(picture.pixel(x, y)) < threshold) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace tallo::test
