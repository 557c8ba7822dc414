#include "kit_look.h"

#include <algorithm>

namespace tallo::render_plugin {

QColor FromRgb(uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QColor FromTriple(const uint8_t* triple) {
    const auto channel = [](uint8_t value) { return (std::min<int>(value, 63) * 255 + 31) / 63; };
    return QColor(channel(triple[0]), channel(triple[1]), channel(triple[2]));
}

} // namespace tallo::render_plugin
