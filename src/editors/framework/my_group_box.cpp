#include "editors/framework/my_group_box.h"

#include <QPainter>

namespace tallo {

namespace {

const QColor kShadow(0x80, 0x80, 0x80);
const QColor kLight(0xFF, 0xFF, 0xFF);
constexpr int kTitleIndent = 8;
constexpr int kTitleGap = 4;

// A line of the etched frame: grey, with white one pixel below and to the right.
void EtchedLine(QPainter& painter, QPoint from, QPoint to) {
    painter.setPen(kLight);
    painter.drawLine(from + QPoint(1, 1), to + QPoint(1, 1));
    painter.setPen(kShadow);
    painter.drawLine(from, to);
}

} // namespace

CMyGroupBox::CMyGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void CMyGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString text = title();
    const int titleHeight = text.isEmpty() ? 0 : metrics.height();
    const QRect frame = rect().adjusted(0, titleHeight / 2, -2, -2);

    // The top line stops around the title, so the skin behind the title shows.
    int gapLeft = frame.left();
    int gapRight = frame.left();
    QString shown;
    if (!text.isEmpty()) {
        shown = metrics.elidedText(text, Qt::ElideRight,
                                   qMax(0, width() - 2 * (kTitleIndent + kTitleGap)));
        gapLeft = frame.left() + kTitleIndent;
        gapRight = gapLeft + metrics.horizontalAdvance(shown) + 2 * kTitleGap;
    }
    if (gapLeft > frame.left()) {
        EtchedLine(painter, frame.topLeft(), QPoint(gapLeft, frame.top()));
        EtchedLine(painter, QPoint(qMin(gapRight, frame.right()), frame.top()), frame.topRight());
    } else {
        EtchedLine(painter, frame.topLeft(), frame.topRight());
    }
    EtchedLine(painter, frame.topLeft(), frame.bottomLeft());
    EtchedLine(painter, frame.topRight(), frame.bottomRight());
    EtchedLine(painter, frame.bottomLeft(), frame.bottomRight());

    if (!shown.isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        const QRect titleRect(gapLeft + kTitleGap, 0, gapRight - gapLeft - 2 * kTitleGap,
                              titleHeight);
        painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

} // namespace tallo
