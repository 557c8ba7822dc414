#include "editors/framework/show_bitmap.h"

#include <QPainter>

#include "assets/dib_image.h"

namespace tallo {

QImage ImageFromDib(const DibImage& dib) {
    if (dib.Empty() || dib.width == 0 || dib.height == 0) {
        return QImage();
    }
    // The bytes come from files: only a picture whose bytes are all there is read.
    const uint64_t needed = DibImage::FileSize(dib.width, dib.height);
    if (dib.bytes.size() < needed || dib.width > 32767 || dib.height > 32767) {
        return QImage();
    }
    QImage image(static_cast<int>(dib.width), static_cast<int>(dib.height), QImage::Format_RGB32);
    if (image.isNull()) {
        return QImage();
    }
    for (uint32_t y = 0; y < dib.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (uint32_t x = 0; x < dib.width; ++x) {
            const size_t at = dib.PixelOffset(x, y);
            line[x] = qRgb(dib.bytes[at + 2], dib.bytes[at + 1], dib.bytes[at]);
        }
    }
    return image;
}

QImage WhiteToTransparent(const QImage& image) {
    if (image.isNull()) {
        return image;
    }
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) {
                line[x] = 0;
            }
        }
    }
    return result;
}

CShowBitmap::CShowBitmap(QWidget* parent) : QWidget(parent) {}

void CShowBitmap::SetPicture(const QImage& picture) {
    picture_ = WhiteToTransparent(picture);
    updateGeometry();
    update();
}

void CShowBitmap::SetPicture(const DibImage& dib) {
    SetPicture(ImageFromDib(dib));
}

void CShowBitmap::ClearPicture() {
    picture_ = QImage();
    update();
}

QSize CShowBitmap::sizeHint() const {
    return picture_.isNull() ? QSize(64, 64) : picture_.size();
}

void CShowBitmap::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    QSize size = picture_.size();
    if (size.width() > width() || size.height() > height()) {
        size = size.scaled(this->size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, picture_);
}

} // namespace tallo
