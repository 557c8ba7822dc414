#include "world/club_kit.h"

#include "formats/kl_file.h"

namespace tallo {

namespace {

// Colours of files older than major 0x2004, by their old number 0 to 22.
constexpr uint8_t kOldColours[] = {18, 19, 39, 8,  14, 24, 45, 12, 41, 47, 48, 43,
                                   58, 59, 62, 61, 57, 60, 32, 56, 51, 55, 63};

uint8_t ConvertFirstStyle(uint8_t value) {
    if (value == 0) {
        return 30;
    }
    return value <= 42 ? value : 0;
}

// The second and third styles of old files counted from 0; today they count from 1.
uint8_t ConvertCountedStyle(uint8_t value, uint8_t oldMaximum) {
    return value <= oldMaximum ? static_cast<uint8_t>(value + 1) : 0;
}

uint8_t ConvertColour(uint8_t value) {
    return value < sizeof(kOldColours) ? kOldColours[value] : 0;
}

} // namespace

ClubKit::ClubKit() : styles{{1, 1, 1}, {1, 1, 1}}, colours{} {
    colours[0][0] = 1;
}

bool ClubKit::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    for (int kit = 0; kit < kKitCount; ++kit) {
        for (uint8_t style : styles[kit]) {
            ok = file.WriteByte(style) && ok;
        }
        for (uint8_t colour : colours[kit]) {
            ok = file.WriteByte(colour) && ok;
        }
    }
    ok = file.WriteUShort(colourEntry) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool ClubKit::Read(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    for (int kit = 0; kit < kKitCount; ++kit) {
        for (uint8_t& style : styles[kit]) {
            file.ReadByte(style);
        }
        for (uint8_t& colour : colours[kit]) {
            file.ReadByte(colour);
        }
    }
    file.ReadShort(colourEntry);
    file.SkipSection(kSection);
    return true;
}

void ClubKit::ConvertFromOldFile() {
    for (int kit = 0; kit < kKitCount; ++kit) {
        styles[kit][0] = ConvertFirstStyle(styles[kit][0]);
        styles[kit][1] = ConvertCountedStyle(styles[kit][1], 12);
        styles[kit][2] = ConvertCountedStyle(styles[kit][2], 3);
        for (uint8_t& colour : colours[kit]) {
            colour = ConvertColour(colour);
        }
    }
}

void ClubKit::ClampStyles() {
    for (int kit = 0; kit < kKitCount; ++kit) {
        for (int style = 0; style < kStyleCount; ++style) {
            if (styles[kit][style] > kMaxStyle[style]) {
                styles[kit][style] = kMaxStyle[style];
            }
        }
    }
}

} // namespace tallo
