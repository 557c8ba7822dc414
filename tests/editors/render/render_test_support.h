#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>

#include "editors/framework/framework_test_support.h"

#include <cstdlib>

namespace tallo::test {

// The one application object of the test program, as the framework's tests make it.
inline void EnsureApplication() {
    EnsureFrameworkApplication();
}

// Pixels of a picture within a few steps of a colour in every channel.
inline int CountNear(const QImage& image, const QColor& colour, int tolerance = 6) {
    const QImage picture = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (std::abs(qRed(line[x]) - colour.red()) <= tolerance &&
                std::abs(qGreen(line[x]) - colour.green()) <= tolerance &&
                std::abs(qBlue(line[x]) - colour.blue()) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace tallo::test
