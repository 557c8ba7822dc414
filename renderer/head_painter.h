#pragma once

#include "kit_look.h"

class QPainter;

namespace tallo::render_plugin {

// The size of the space a head is drawn in.
constexpr double kHeadWidth = 200.0;
constexpr double kHeadHeight = 240.0;

// Neck and collar, face, hair and beard of a look, in head space.
void PaintHead(QPainter& painter, const HeadLook& head);

// The skin of a face type (the face types come in groups of one skin).
QColor SkinOf(int faceType);
QColor HairColourOf(int hairColour);

} // namespace tallo::render_plugin
