#include "preview_renderer.h"

#include "head_painter.h"
#include "kit_painter.h"

#include <QEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tallo::render_plugin {

namespace {

// One sway to each side and back takes this many frames (six seconds at 20 frames a second).
constexpr unsigned kFramesPerSway = 120;
constexpr double kSwayDegrees = 24.0;
constexpr double kPi = 3.14159265358979323846;

} // namespace

PreviewRenderer::PreviewRenderer() = default;

PreviewRenderer::~PreviewRenderer() {
    if (window_) {
        window_->removeEventFilter(this);
        window_->update();
    }
}

void PreviewRenderer::Attach(QWidget* window) {
    if (window_) {
        window_->removeEventFilter(this);
    }
    window_ = window;
    if (window_) {
        window_->setAttribute(Qt::WA_OpaquePaintEvent, true);
        window_->installEventFilter(this);
        window_->update();
    }
}

void PreviewRenderer::SetKit(const KitLook& kit) {
    kit_ = kit;
    subject_ = Subject::Kit;
    if (window_) {
        window_->update();
    }
}

void PreviewRenderer::SetHead(const HeadLook& head) {
    head_ = head;
    subject_ = Subject::Head;
    if (window_) {
        window_->update();
    }
}

void PreviewRenderer::SetBackground(uint32_t argb) {
    background_ = QColor(static_cast<int>((argb >> 16) & 0xFF),
                         static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF));
    if (window_) {
        window_->update();
    }
}

void PreviewRenderer::DrawFrame() {
    ++frame_;
    if (window_) {
        window_->update();
    }
}

double PreviewRenderer::TurnAngle() const {
    const double phase = 2.0 * kPi * static_cast<double>(frame_ % kFramesPerSway) / kFramesPerSway;
    return kSwayDegrees * std::sin(phase);
}

void PreviewRenderer::Paint(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, background_);
    if (subject_ == Subject::None || area.width() < 4 || area.height() < 4) {
        return;
    }
    const bool kit = subject_ == Subject::Kit;
    const double width = kit ? kKitWidth : kHeadWidth;
    const double height = kit ? kKitHeight : kHeadHeight;

    // Fit the drawing into the window with a margin, then turn it about its upright axis.
    const double scale = 0.9 * std::min(area.width() / width, area.height() / height);
    QTransform fit;
    fit.translate(area.center().x() + 0.5, area.center().y() + 0.5);
    fit.scale(scale, scale);
    QTransform turn;
    turn.rotate(TurnAngle(), Qt::YAxis);
    QTransform centre = QTransform::fromTranslate(-width / 2, -height / 2);

    painter.save();
    painter.setTransform(centre * turn * fit);
    if (kit) {
        PaintKit(painter, kit_);
    } else {
        PaintHead(painter, head_);
    }
    painter.restore();
}

bool PreviewRenderer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Paint) {
        QPainter painter(window_);
        Paint(painter, window_->rect());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tallo::render_plugin
