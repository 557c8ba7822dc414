#pragma once

#include <cstdint>
#include <string_view>

namespace tallo {

class CKLFile;

// The two kits of a club (first and second): three style numbers and four colours of three
// bytes each per kit, plus the kit's entry in the team colour table.
struct ClubKit {
    static constexpr std::string_view kSection = "KIT";
    static constexpr int kKitCount = 2;
    static constexpr int kStyleCount = 3;
    static constexpr int kColourBytes = 12; // 4 colours of 3 bytes
    // Largest value of each style; the post-load check clamps to these.
    static constexpr uint8_t kMaxStyle[kStyleCount] = {42, 12, 3};

    // A new club: all styles 1, the first colour byte of the first kit 1, all else 0.
    ClubKit();

    uint8_t styles[kKitCount][kStyleCount];
    uint8_t colours[kKitCount][kColourBytes];
    uint16_t colourEntry = 0; // entry of the team colour table

    bool operator==(const ClubKit& other) const = default;

    // Section KIT: per kit its 3 style bytes and 12 colour bytes, then the colour entry.
    bool Write(CKLFile& file) const;
    // Reads section KIT when it follows; false (and nothing changed) when it is absent.
    // A value missing inside the section reads as 0.
    bool Read(CKLFile& file);

    // Brings kit values of files older than major 0x2004 to today's style and colour numbers.
    void ConvertFromOldFile();
    // Styles above their largest value become the largest value.
    void ClampStyles();
};

} // namespace tallo
