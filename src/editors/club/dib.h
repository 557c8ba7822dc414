#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;
class QRect;

namespace tallo {

struct DibImage;

// A picture held as a device-independent bitmap (a BMP file's picture): loaded from the bytes
// of a BMP file or from a file, drawn into any rectangle of a painter, stretched with smooth
// scaling when the rectangle's size differs from the picture's.
class CDib {
public:
    CDib() = default;

    // False (and the picture cleared) when the bytes or the file do not hold a BMP picture.
    bool LoadFromBytes(const std::vector<uint8_t>& bytes);
    bool LoadFromFile(const QString& path);
    bool Load(const DibImage& image);
    void Clear();

    bool IsNull() const { return image_.isNull(); }
    QSize Size() const { return image_.size(); }
    const QImage& Image() const { return image_; }
    // The colour table of a palette picture; empty for pictures of 16 bits and more.
    const QList<QRgb>& Palette() const { return palette_; }

    // Draws the whole picture into `target`; nothing without a picture.
    void Draw(QPainter& painter, const QRect& target) const;
    // Draws it as large as fits `area` keeping its proportions, centred; the rectangle drawn
    // into (empty without a picture).
    QRect DrawFitted(QPainter& painter, const QRect& area) const;

private:
    bool Take(QImage image);

    QImage image_;
    QList<QRgb> palette_;
};

} // namespace tallo
