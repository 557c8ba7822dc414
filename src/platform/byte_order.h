#pragma once

// Reading and writing whole numbers as bytes in a fixed order, whatever the processor's own
// order: archives, pictures and the game's binary files store them little- or big-endian.

#include <cstdint>
#include <string>

namespace tallo {

constexpr uint16_t GetLittle16(const uint8_t* in) {
    return static_cast<uint16_t>(in[0] | (in[1] << 8));
}

constexpr uint32_t GetLittle32(const uint8_t* in) {
    return uint32_t{in[0]} | (uint32_t{in[1]} << 8) | (uint32_t{in[2]} << 16) |
           (uint32_t{in[3]} << 24);
}

constexpr uint32_t GetBig32(const uint8_t* in) {
    return (uint32_t{in[0]} << 24) | (uint32_t{in[1]} << 16) | (uint32_t{in[2]} << 8) |
           uint32_t{in[3]};
}

constexpr void PutLittle16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

constexpr void PutLittle32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
    out[2] = static_cast<uint8_t>(value >> 16);
    out[3] = static_cast<uint8_t>(value >> 24);
}

constexpr void PutBig32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value >> 24);
    out[1] = static_cast<uint8_t>(value >> 16);
    out[2] = static_cast<uint8_t>(value >> 8);
    out[3] = static_cast<uint8_t>(value);
}

// Appends the four bytes of `value`, lowest first.
inline void AppendLittle32(std::string& out, uint32_t value) {
    uint8_t bytes[4];
    PutLittle32(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

} // namespace tallo
