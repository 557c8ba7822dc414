#include "editors/framework/text_drag_image.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace tallo {

QPixmap CreateTextDragImage(const QString& text, const QFont& font, const QColor& colour) {
    if (text.isEmpty()) {
        return QPixmap();
    }
    const QFontMetrics metrics(font);
    const QSize size(qMax(1, metrics.horizontalAdvance(text)), qMax(1, metrics.height()));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(QPoint(0, 0), size),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tallo
