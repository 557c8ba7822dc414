#include "editors/club/dib_view.h"

#include <QPainter>

namespace tallo {

CDibView::CDibView(QWidget* parent, QSize preferred) : QWidget(parent), preferred_(preferred) {
    setMinimumSize(preferred_ / 2);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void CDibView::SetDib(const CDib& dib) {
    dib_ = dib;
    update();
}

void CDibView::Clear() {
    dib_.Clear();
    update();
}

void CDibView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (dib_.IsNull()) {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    dib_.DrawFitted(painter, rect());
}

} // namespace tallo
