#pragma once

#include "editors/club/dib.h"

#include <QWidget>

namespace tallo {

// Shows a CDib as large as the control allows, keeping its proportions, over the skin; a thin
// frame marks the place while there is no picture.
class CDibView : public QWidget {
public:
    explicit CDibView(QWidget* parent = nullptr, QSize preferred = QSize(180, 180));

    CDib& Dib() { return dib_; }
    const CDib& Dib() const { return dib_; }
    void SetDib(const CDib& dib);
    void Clear();

    QSize sizeHint() const override { return preferred_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CDib dib_;
    QSize preferred_;
};

} // namespace tallo
