#pragma once

#include "kit_look.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class QPainter;

namespace tallo::render_plugin {

// The state of one renderer object: what it shows and the window it draws into. It paints in
// the window's own paint events (as a filter on them), so the window needs no class of ours.
class PreviewRenderer : public QObject {
public:
    enum class Subject { None, Kit, Head };

    PreviewRenderer();
    ~PreviewRenderer() override;

    void Attach(QWidget* window);
    void SetKit(const KitLook& kit);
    void SetHead(const HeadLook& head);
    void SetBackground(uint32_t argb);
    // Moves the turn on by one frame and asks the window to repaint.
    void DrawFrame();

    // The angle (degrees about the upright axis) of the current frame.
    double TurnAngle() const;
    void Paint(QPainter& painter, const QRect& area) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    Subject subject_ = Subject::None;
    KitLook kit_;
    HeadLook head_;
    QColor background_ = QColor(0xC0, 0xC0, 0xC0);
    unsigned frame_ = 0;
};

} // namespace tallo::render_plugin
