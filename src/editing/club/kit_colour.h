#pragma once

#include <array>
#include <cstdint>

namespace tallo {

// A kit colour as the club record holds it: red, green and blue of 0 to 63 each.
struct KitColour {
    static constexpr int kMaxChannel = 63;

    std::array<uint8_t, 3> channels{}; // red, green, blue

    bool operator==(const KitColour& other) const = default;

    // Each channel brought into 0 to 63.
    static KitColour Clamped(int red, int green, int blue);
    // The nearest record colour to a screen colour of 0 to 255 a channel.
    static KitColour FromRgb(uint32_t rgb);
    // As the screen shows it, 0x00RRGGBB: 63 is full intensity, as the renderer draws it.
    uint32_t Rgb() const;

    int Red() const { return channels[0]; }
    int Green() const { return channels[1]; }
    int Blue() const { return channels[2]; }
};

// The colour dialog of the kit page (CDlgClubShirtsColor) without its window: three channels of
// 0 to 63 and the colour they make.
class KitColourModel {
public:
    explicit KitColourModel(const KitColour& colour) : colour_(colour) {}

    const KitColour& Colour() const { return colour_; }
    // Channel 0 red, 1 green, 2 blue; the value is kept within 0 to 63.
    void SetChannel(int channel, int value);
    int Channel(int channel) const;
    // A colour picked on the screen, brought to the nearest record colour.
    void SetRgb(uint32_t rgb) { colour_ = KitColour::FromRgb(rgb); }

private:
    KitColour colour_;
};

} // namespace tallo
