#pragma once

#include <QImage>
#include <QWidget>

namespace tallo {

struct DibImage;

// The picture of a 24-bit BMP held in memory (badges, player and city pictures). A null image
// when the bytes do not hold the picture their header promises.
QImage ImageFromDib(const DibImage& dib);

// The picture with every pure white pixel made transparent.
QImage WhiteToTransparent(const QImage& image);

// Shows a picture centred in the control, white being transparent, so that the skin shows
// through around the picture. A picture larger than the control is scaled down to fit.
class CShowBitmap : public QWidget {
    Q_OBJECT

public:
    explicit CShowBitmap(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    void SetPicture(const DibImage& dib);
    void ClearPicture();
    // The picture as shown (white already transparent); null when there is none.
    const QImage& Picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace tallo
