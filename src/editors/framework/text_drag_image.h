#pragma once

#include <QColor>
#include <QPixmap>

class QFont;
class QString;

namespace tallo {

// The picture dragged along with a text (a club or country dragged between lists): the text in
// `colour` on a transparent ground, just as large as the text in `font`. An empty text gives a
// null pixmap.
QPixmap CreateTextDragImage(const QString& text, const QFont& font, const QColor& colour);

} // namespace tallo
