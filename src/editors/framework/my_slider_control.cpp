#include "editors/framework/my_slider_control.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace tallo {

CMySliderControl::CMySliderControl(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
}

void CMySliderControl::paintEvent(QPaintEvent* /*event*/) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool horizontal = orientation() == Qt::Horizontal;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;

    // The channel: a thin sunken band through the middle of the groove.
    QRect channel = horizontal ? QRect(groove.left(), groove.center().y() - 2, groove.width(), 5)
                               : QRect(groove.center().x() - 2, groove.top(), 5, groove.height());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(palette().color(group, QPalette::Base));
    painter.drawRoundedRect(channel, 2, 2);

    // The part before the thumb in the selection colour, so the value reads at a glance.
    QRect filled = channel.adjusted(1, 1, -1, -1);
    if (horizontal) {
        filled.setRight(handle.center().x());
    } else {
        filled.setTop(handle.center().y());
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(group, QPalette::Highlight));
    if (filled.isValid()) {
        painter.drawRoundedRect(filled, 1, 1);
    }

    // Tick marks, when set.
    if (tickPosition() != QSlider::NoTicks && maximum() > minimum()) {
        const int interval = tickInterval() > 0 ? tickInterval() : qMax(1, pageStep());
        painter.setPen(palette().color(group, QPalette::WindowText));
        const int span =
            horizontal ? groove.width() - handle.width() : groove.height() - handle.height();
        for (int value = minimum(); value <= maximum(); value += interval) {
            const int at = QStyle::sliderPositionFromValue(minimum(), maximum(), value, span,
                                                           !horizontal != invertedAppearance());
            if (horizontal) {
                const int x = groove.left() + handle.width() / 2 + at;
                painter.drawLine(x, rect().bottom() - 3, x, rect().bottom());
            } else {
                const int y = groove.top() + handle.height() / 2 + at;
                painter.drawLine(rect().right() - 3, y, rect().right(), y);
            }
        }
    }

    // The thumb.
    painter.setPen(palette().color(group, QPalette::Dark));
    painter.setBrush(hasFocus() ? palette().color(group, QPalette::Light)
                                : palette().color(group, QPalette::Button));
    painter.drawRoundedRect(handle.adjusted(1, 1, -1, -1), 3, 3);
}

} // namespace tallo
