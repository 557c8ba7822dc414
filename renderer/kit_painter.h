#pragma once

#include "kit_look.h"

class QPainter;

namespace tallo::render_plugin {

// The size of the space a kit is drawn in; the caller maps it into the window.
constexpr double kKitWidth = 200.0;
constexpr double kKitHeight = 300.0;

// Shirt, shorts, socks and boots in the kit's colours and styles, in kit space.
void PaintKit(QPainter& painter, const KitLook& kit);

} // namespace tallo::render_plugin
