#include "head_painter.h"

#include <QPainter>
#include <QPainterPath>

namespace tallo::render_plugin {

namespace {

constexpr double kCentreX = 100.0;
constexpr double kCentreY = 104.0;

struct FaceShape {
    double halfWidth;
    double halfHeight;
    double jaw; // how far the chin narrows, 0 to 1
};

FaceShape ShapeOf(int faceType) {
    const int n = faceType < 1 ? 0 : faceType - 1;
    return FaceShape{48.0 + (n % 3) * 5.0, 62.0 + (n % 4) * 3.0, 0.25 + (n % 5) * 0.08};
}

QPainterPath FacePath(const FaceShape& shape) {
    const double left = kCentreX - shape.halfWidth;
    const double right = kCentreX + shape.halfWidth;
    const double top = kCentreY - shape.halfHeight;
    const double bottom = kCentreY + shape.halfHeight;
    const double chin = shape.halfWidth * (1.0 - shape.jaw);
    QPainterPath path;
    path.moveTo(left, kCentreY);
    path.cubicTo(left, top - 8, right, top - 8, right, kCentreY);
    path.cubicTo(right, kCentreY + shape.halfHeight * 0.6, kCentreX + chin, bottom, kCentreX,
                 bottom);
    path.cubicTo(kCentreX - chin, bottom, left, kCentreY + shape.halfHeight * 0.6, left, kCentreY);
    path.closeSubpath();
    return path;
}

void PaintNeckAndCollar(QPainter& painter, const HeadLook& head, const QColor& skin) {
    painter.setPen(QPen(skin.darker(140), 1.5));
    painter.setBrush(skin);
    painter.drawRect(QRectF(78, 150, 44, 50));
    QPainterPath shirt;
    shirt.moveTo(10, 240);
    shirt.cubicTo(14, 204, 50, 192, 78, 188);
    shirt.lineTo(100, 208);
    shirt.lineTo(122, 188);
    shirt.cubicTo(150, 192, 186, 204, 190, 240);
    shirt.closeSubpath();
    painter.setPen(QPen(head.collar.darker(170), 1.5));
    painter.setBrush(head.collar);
    painter.drawPath(shirt);
    painter.setPen(QPen(head.collarTrim, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(78, 189), QPointF(100, 209));
    painter.drawLine(QPointF(122, 189), QPointF(100, 209));
}

void PaintEars(QPainter& painter, const FaceShape& shape, const QColor& skin) {
    painter.setPen(QPen(skin.darker(140), 1.5));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(kCentreX - shape.halfWidth, kCentreY + 4), 8, 14);
    painter.drawEllipse(QPointF(kCentreX + shape.halfWidth, kCentreY + 4), 8, 14);
}

void PaintFeatures(QPainter& painter, const HeadLook& head, const QColor& skin,
                   const QColor& hair) {
    // Eyes and brows.
    for (double side : {-1.0, 1.0}) {
        const QPointF eye(kCentreX + side * 19, kCentreY - 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 250, 250));
        painter.drawEllipse(eye, 8, 4.5);
        painter.setBrush(QColor(60, 80, 110));
        painter.drawEllipse(eye, 3.5, 3.5);
        painter.setPen(QPen(hair.darker(120), 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(eye + QPointF(-9, -9 - (head.faceType % 3)), eye + QPointF(9, -10));
    }
    // Nose and mouth.
    painter.setPen(QPen(skin.darker(150), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kCentreX, kCentreY), QPointF(kCentreX - 4, kCentreY + 20));
    painter.drawLine(QPointF(kCentreX - 4, kCentreY + 20), QPointF(kCentreX + 3, kCentreY + 21));
    painter.setPen(QPen(QColor(150, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    mouth.moveTo(kCentreX - 14, kCentreY + 34);
    mouth.quadTo(kCentreX, kCentreY + 40, kCentreX + 14, kCentreY + 34);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
}

void PaintBeard(QPainter& painter, const HeadLook& head, const FaceShape& shape,
                const QColor& hair) {
    const double bottom = kCentreY + shape.halfHeight;
    painter.setPen(Qt::NoPen);
    switch (head.beard) {
    case 2: { // moustache
        painter.setBrush(hair);
        QPainterPath moustache;
        moustache.moveTo(kCentreX - 18, kCentreY + 31);
        moustache.quadTo(kCentreX, kCentreY + 20, kCentreX + 18, kCentreY + 31);
        moustache.quadTo(kCentreX, kCentreY + 27, kCentreX - 18, kCentreY + 31);
        painter.drawPath(moustache);
        break;
    }
    case 3: // goatee
        painter.setBrush(hair);
        painter.drawEllipse(QPointF(kCentreX, bottom - 9), 9, 7);
        break;
    case 4: { // full beard
        painter.setBrush(hair);
        QPainterPath beard;
        beard.moveTo(kCentreX - shape.halfWidth + 2, kCentreY + 6);
        beard.cubicTo(kCentreX - shape.halfWidth + 2, bottom + 12, kCentreX + shape.halfWidth - 2,
                      bottom + 12, kCentreX + shape.halfWidth - 2, kCentreY + 6);
        beard.lineTo(kCentreX + 20, kCentreY + 30);
        beard.quadTo(kCentreX, kCentreY + 48, kCentreX - 20, kCentreY + 30);
        beard.closeSubpath();
        painter.drawPath(beard);
        break;
    }
    case 5: { // stubble
        QColor shadow = hair;
        shadow.setAlpha(90);
        painter.setBrush(shadow);
        painter.drawEllipse(QPointF(kCentreX, bottom - 16), shape.halfWidth * 0.75, 20);
        break;
    }
    case 6: // sideburns
        painter.setBrush(hair);
        painter.drawRect(QRectF(kCentreX - shape.halfWidth, kCentreY - 20, 9, 34));
        painter.drawRect(QRectF(kCentreX + shape.halfWidth - 9, kCentreY - 20, 9, 34));
        break;
    default: // none
        break;
    }
}

// Hair over the top of the head; styles 0 (bald) to 10.
void PaintHair(QPainter& painter, const HeadLook& head, const FaceShape& shape,
               const QColor& hair) {
    const double left = kCentreX - shape.halfWidth - 3;
    const double right = kCentreX + shape.halfWidth + 3;
    const double top = kCentreY - shape.halfHeight - 6;
    painter.setPen(QPen(hair.darker(130), 1.2));
    painter.setBrush(hair);
    QPainterPath cap;
    const double lowEdge = kCentreY - 22;
    cap.moveTo(left, kCentreY);
    cap.cubicTo(left - 4, top - 10, right + 4, top - 10, right, kCentreY);
    cap.lineTo(right - 6, lowEdge);
    cap.quadTo(kCentreX, lowEdge - 22, left + 6, lowEdge);
    cap.closeSubpath();
    switch (head.hairStyle) {
    case 0: // bald
        break;
    case 1: { // shaved
        QColor shaved = hair;
        shaved.setAlpha(110);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shaved);
        painter.drawPath(cap);
        break;
    }
    case 6: // long: the locks behind the face are drawn first (PaintLongHairBehind)
        painter.drawPath(cap);
        break;
    case 7: // ponytail
        painter.drawEllipse(QPointF(right + 6, kCentreY + 10), 9, 26);
        painter.drawPath(cap);
        break;
    case 8: // curls
        for (int i = 0; i < 9; ++i) {
            const double x = left + 6 + i * (right - left - 12) / 8.0;
            painter.drawEllipse(QPointF(x, top + 8 + (i % 2) * 6), 14, 14);
        }
        painter.drawPath(cap);
        break;
    case 9: // crest
        painter.drawPath(cap);
        painter.drawRoundedRect(QRectF(kCentreX - 9, top - 20, 18, 48), 6, 6);
        break;
    case 10: { // spikes
        painter.drawPath(cap);
        QPainterPath spikes;
        for (int i = 0; i < 7; ++i) {
            const double x = left + 8 + i * (right - left - 16) / 6.0;
            spikes.moveTo(x - 9, top + 12);
            spikes.lineTo(x, top - 14);
            spikes.lineTo(x + 9, top + 12);
            spikes.closeSubpath();
        }
        painter.drawPath(spikes);
        break;
    }
    default: { // short, parted, medium and crew cuts: the cap, fuller with the higher styles
        painter.drawPath(cap);
        if (head.hairStyle >= 4) {
            // Fuller at the temples.
            painter.drawRoundedRect(QRectF(left - 2, kCentreY - 34, 12, 26), 5, 5);
            painter.drawRoundedRect(QRectF(right - 10, kCentreY - 34, 12, 26), 5, 5);
        }
        if (head.hairStyle == 3) {
            painter.setPen(QPen(hair.darker(170), 2));
            painter.drawLine(QPointF(kCentreX - 16, top + 2), QPointF(kCentreX - 12, lowEdge - 8));
        }
        break;
    }
    }
}

void PaintLongHairBehind(QPainter& painter, const FaceShape& shape, const QColor& hair) {
    painter.setPen(QPen(hair.darker(130), 1.2));
    painter.setBrush(hair);
    painter.drawRoundedRect(QRectF(kCentreX - shape.halfWidth - 9, kCentreY - 30, 20, 92), 8, 8);
    painter.drawRoundedRect(QRectF(kCentreX + shape.halfWidth - 11, kCentreY - 30, 20, 92), 8, 8);
}

} // namespace

QColor SkinOf(int faceType) {
    if (faceType >= 20 && faceType <= 25) {
        return QColor(110, 70, 45);
    }
    if (faceType >= 15 && faceType <= 19) {
        return QColor(168, 112, 72);
    }
    if (faceType >= 9 && faceType <= 13) {
        return QColor(196, 140, 96);
    }
    if (faceType == 8 || faceType == 14) {
        return QColor(216, 170, 122);
    }
    return QColor(240, 200, 165);
}

QColor HairColourOf(int hairColour) {
    switch (hairColour) {
    case 1:
        return QColor(226, 192, 110);
    case 2:
        return QColor(112, 70, 38);
    case 3:
        return QColor(170, 170, 170);
    case 4:
        return QColor(30, 27, 24);
    case 5:
        return QColor(180, 80, 40);
    default:
        return QColor(80, 55, 35);
    }
}

void PaintHead(QPainter& painter, const HeadLook& head) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor skin = SkinOf(head.faceType);
    const QColor hair = HairColourOf(head.hairColour);
    const FaceShape shape = ShapeOf(head.faceType);

    PaintNeckAndCollar(painter, head, skin);
    if (head.hairStyle == 6) {
        PaintLongHairBehind(painter, shape, hair);
    }
    PaintEars(painter, shape, skin);
    painter.setPen(QPen(skin.darker(140), 1.5));
    painter.setBrush(skin);
    painter.drawPath(FacePath(shape));
    PaintFeatures(painter, head, skin, hair);
    PaintBeard(painter, head, shape, hair);
    PaintHair(painter, head, shape, hair);
    painter.restore();
}

} // namespace tallo::render_plugin
