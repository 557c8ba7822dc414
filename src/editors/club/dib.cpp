#include "editors/club/dib.h"

#include "assets/dib_image.h"

#include <QFile>
#include <QPainter>
#include <QRect>

#include <limits>

namespace tallo {

void CDib::Clear() {
    image_ = QImage();
    palette_.clear();
}

bool CDib::Take(QImage image) {
    // A palette picture keeps its colour table for Palette(); it is drawn as plain colours.
    palette_ = image.colorTable();
    image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    return !image_.isNull();
}

bool CDib::LoadFromBytes(const std::vector<uint8_t>& bytes) {
    if (bytes.empty() || bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        Clear();
        return false;
    }
    QImage image;
    image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    return Take(image);
}

bool CDib::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    QImage image;
    image.loadFromData(bytes, "BMP");
    return Take(image);
}

bool CDib::Load(const DibImage& image) {
    return LoadFromBytes(image.bytes);
}

void CDib::Draw(QPainter& painter, const QRect& target) const {
    if (image_.isNull() || target.isEmpty()) {
        return;
    }
    if (target.size() == image_.size()) {
        painter.drawImage(target.topLeft(), image_);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image_);
    painter.restore();
}

QRect CDib::DrawFitted(QPainter& painter, const QRect& area) const {
    if (image_.isNull() || area.isEmpty()) {
        return QRect();
    }
    const QSize size = image_.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(area.center());
    Draw(painter, target);
    return target;
}

} // namespace tallo
