#include "world/number_format.h"

#include <cstdio>

namespace tallo {

std::string FormatThousands(int32_t value) {
    // The magnitude in 64 bits, so that the smallest negative number has one too.
    int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
    char text[32];
    const char* sign = value < 0 ? "- " : "";
    if (magnitude >= 1000000) {
        std::snprintf(text, sizeof(text), "%s%lld.%03lld.%03lld", sign,
                      static_cast<long long>(magnitude / 1000000),
                      static_cast<long long>(magnitude / 1000 % 1000),
                      static_cast<long long>(magnitude % 1000));
    } else if (magnitude >= 1000) {
        std::snprintf(text, sizeof(text), "%s%lld.%03lld", sign,
                      static_cast<long long>(magnitude / 1000),
                      static_cast<long long>(magnitude % 1000));
    } else {
        std::snprintf(text, sizeof(text), "%s%lld", sign, static_cast<long long>(magnitude));
    }
    return text;
}

std::string FormatHeight(int centimetres) {
    int feet = static_cast<int>(centimetres * 0.0328084);
    int inches = static_cast<int>((centimetres - feet * 30.479998) * 0.39370078);
    return std::to_string(feet) + "'" + std::to_string(inches);
}

std::string FormatWeight(int kilograms) {
    int stones = static_cast<int>(kilograms * 0.15752994);
    int pounds = static_cast<int>((kilograms - stones * 6.348) * 2.2046227);
    std::string text = std::to_string(stones) + "st";
    if (pounds >= 1) {
        text += ' ';
        text += std::to_string(pounds);
        text += "lbs";
    }
    return text;
}

} // namespace tallo
