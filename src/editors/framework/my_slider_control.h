#pragma once

#include <QSlider>

namespace tallo {

// A slider drawn over the skin: a sunken channel and a solid thumb, nothing behind them, so that
// the skin shows around both.
class CMySliderControl : public QSlider {
    Q_OBJECT

public:
    explicit CMySliderControl(Qt::Orientation orientation = Qt::Horizontal,
                              QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tallo
