#include "kit_painter.h"

#include <QPainter>
#include <QPainterPath>

namespace tallo::render_plugin {

namespace {

QPainterPath ShirtPath() {
    QPainterPath path;
    path.moveTo(80, 12);
    path.lineTo(50, 22);
    path.lineTo(16, 72);
    path.lineTo(40, 88);
    path.lineTo(56, 64);
    path.lineTo(56, 150);
    path.lineTo(144, 150);
    path.lineTo(144, 64);
    path.lineTo(160, 88);
    path.lineTo(184, 72);
    path.lineTo(150, 22);
    path.lineTo(120, 12);
    path.quadTo(100, 36, 80, 12);
    path.closeSubpath();
    return path;
}

QPainterPath SleevesPath() {
    QPainterPath path;
    path.moveTo(50, 22);
    path.lineTo(16, 72);
    path.lineTo(40, 88);
    path.lineTo(58, 60);
    path.closeSubpath();
    path.moveTo(150, 22);
    path.lineTo(184, 72);
    path.lineTo(160, 88);
    path.lineTo(142, 60);
    path.closeSubpath();
    return path;
}

QPainterPath ShortsPath() {
    QPainterPath path;
    path.moveTo(56, 148);
    path.lineTo(144, 148);
    path.lineTo(152, 212);
    path.lineTo(106, 216);
    path.lineTo(100, 188);
    path.lineTo(94, 216);
    path.lineTo(48, 212);
    path.closeSubpath();
    return path;
}

// The shirt's pattern, drawn in the pattern colour inside the shirt's outline. Styles repeat
// eight kinds of pattern; the higher styles make them denser or turn them the other way.
void PaintShirtPattern(QPainter& painter, const KitLook& kit) {
    const int kind = kit.shirtStyle % 8;
    const int variant = kit.shirtStyle / 8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kit.pattern);
    switch (kind) {
    case 1: { // vertical stripes
        const int count = 3 + variant;
        const double width = 128.0 / (2 * count + 1);
        for (int i = 0; i < count; ++i) {
            painter.drawRect(QRectF(36 + width * (2 * i + 1), 0, width, 160));
        }
        break;
    }
    case 2: { // hoops
        const int count = 3 + variant;
        const double height = 140.0 / (2 * count + 1);
        for (int i = 0; i < count; ++i) {
            painter.drawRect(QRectF(0, 12 + height * (2 * i + 1), 200, height));
        }
        break;
    }
    case 3: // halves, or quarters
        painter.drawRect(QRectF(100, 0, 100, variant % 2 == 0 ? 160 : 80));
        if (variant % 2 == 1) {
            painter.drawRect(QRectF(0, 80, 100, 80));
        }
        break;
    case 4: { // sash
        QPolygonF band;
        if (variant % 2 == 0) {
            band << QPointF(50, 10) << QPointF(80, 10) << QPointF(150, 160) << QPointF(120, 160);
        } else {
            band << QPointF(150, 10) << QPointF(120, 10) << QPointF(50, 160) << QPointF(80, 160);
        }
        painter.drawPolygon(band);
        break;
    }
    case 5: { // pinstripes
        const double spacing = 9.0 + variant;
        for (double x = 40; x < 162; x += spacing) {
            painter.drawRect(QRectF(x, 0, 2.0, 160));
        }
        break;
    }
    case 6: // chest band
        painter.drawRect(QRectF(0, 52 + 4 * variant, 200, 24));
        break;
    case 7: // sleeves
        painter.drawPath(SleevesPath());
        break;
    default: // plain
        break;
    }
}

void PaintShortsPattern(QPainter& painter, const KitLook& kit) {
    if (kit.shortsStyle == 0) {
        return;
    }
    painter.setPen(Qt::NoPen);
    switch (kit.shortsStyle % 4) {
    case 1: // a stripe down each side
        painter.setBrush(kit.pattern);
        painter.drawRect(QRectF(50, 148, 8, 70));
        painter.drawRect(QRectF(142, 148, 8, 70));
        break;
    case 2: // hems
        painter.setBrush(kit.pattern);
        painter.drawRect(QRectF(40, 204, 120, 14));
        break;
    case 3: // side panels in the shirt's colour
        painter.setBrush(kit.shirt);
        painter.drawRect(QRectF(46, 148, 14, 70));
        painter.drawRect(QRectF(140, 148, 14, 70));
        break;
    default: // two thin stripes a side
        painter.setBrush(kit.pattern);
        for (double x : {52.0, 58.0, 138.0, 144.0}) {
            painter.drawRect(QRectF(x, 148, 3, 70));
        }
        break;
    }
}

void PaintSock(QPainter& painter, const KitLook& kit, double left) {
    const QRectF sock(left, 222, 28, 60);
    const QPen outline(kit.socks.darker(170), 1.5);
    painter.setPen(outline);
    painter.setBrush(kit.socks);
    painter.drawRect(sock);
    painter.setPen(Qt::NoPen);
    switch (kit.socksStyle) {
    case 1: // a band at the top
        painter.setBrush(kit.pattern);
        painter.drawRect(QRectF(left, 222, 28, 9));
        break;
    case 2: // hoops
        painter.setBrush(kit.pattern);
        for (int i = 0; i < 3; ++i) {
            painter.drawRect(QRectF(left, 226 + 16 * i, 28, 7));
        }
        break;
    case 3: // tops in the shirt's colour
        painter.setBrush(kit.shirt);
        painter.drawRect(QRectF(left, 222, 28, 16));
        break;
    default:
        break;
    }
    // The boot.
    painter.setPen(QPen(QColor(10, 10, 10), 1.5));
    painter.setBrush(QColor(25, 25, 28));
    QPainterPath boot;
    boot.moveTo(left - 2, 280);
    boot.lineTo(left + 30, 280);
    boot.lineTo(left + 30, 296);
    boot.lineTo(left - 12, 296);
    boot.quadTo(left - 12, 286, left - 2, 280);
    painter.drawPath(boot);
}

} // namespace

void PaintKit(QPainter& painter, const KitLook& kit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    // Socks first: the shorts overlap their tops a little.
    PaintSock(painter, kit, 60);
    PaintSock(painter, kit, 112);

    const QPainterPath shorts = ShortsPath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kit.shorts);
    painter.drawPath(shorts);
    painter.save();
    painter.setClipPath(shorts);
    PaintShortsPattern(painter, kit);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kit.shorts.darker(170), 1.5));
    painter.drawPath(shorts);

    const QPainterPath shirt = ShirtPath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kit.shirt);
    painter.drawPath(shirt);
    painter.save();
    painter.setClipPath(shirt);
    PaintShirtPattern(painter, kit);
    painter.restore();

    // Collar and cuffs in the pattern colour, then the outline.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kit.pattern, 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath collar;
    collar.moveTo(82, 14);
    collar.quadTo(100, 34, 118, 14);
    painter.drawPath(collar);
    painter.setPen(QPen(kit.pattern, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(19, 74), QPointF(40, 88));
    painter.drawLine(QPointF(181, 74), QPointF(160, 88));
    painter.setPen(QPen(kit.shirt.darker(170), 1.5));
    painter.drawPath(shirt);

    painter.restore();
}

} // namespace tallo::render_plugin
