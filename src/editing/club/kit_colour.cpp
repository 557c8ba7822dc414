#include "editing/club/kit_colour.h"

#include "assets/renderer_values.h"

#include <algorithm>

namespace tallo {

namespace {

uint8_t ClampChannel(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, KitColour::kMaxChannel));
}

// 0 to 255 onto the nearest of 0 to 63.
uint8_t FromScreenChannel(uint32_t value) {
    return static_cast<uint8_t>(((value & 0xFF) * KitColour::kMaxChannel + 127) / 255);
}

} // namespace

KitColour KitColour::Clamped(int red, int green, int blue) {
    KitColour colour;
    colour.channels = {ClampChannel(red), ClampChannel(green), ClampChannel(blue)};
    return colour;
}

KitColour KitColour::FromRgb(uint32_t rgb) {
    KitColour colour;
    colour.channels = {FromScreenChannel(rgb >> 16), FromScreenChannel(rgb >> 8),
                       FromScreenChannel(rgb)};
    return colour;
}

uint32_t KitColour::Rgb() const {
    return KitColourRgb(channels.data());
}

void KitColourModel::SetChannel(int channel, int value) {
    if (channel >= 0 && channel < 3) {
        colour_.channels[static_cast<size_t>(channel)] = ClampChannel(value);
    }
}

int KitColourModel::Channel(int channel) const {
    return channel >= 0 && channel < 3 ? colour_.channels[static_cast<size_t>(channel)] : 0;
}

} // namespace tallo
