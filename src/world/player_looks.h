#pragma once

#include <cstdint>

namespace tallo {

// Conversions of the player values stored by older editions of the record files.
//
// A conversion table is a list of rows of three values: the value in files of major 0, the
// value in files of major 0x2003 and the current value. Converting from a source column to a
// target column takes the first row whose source column holds the value and gives its target
// column; a value that no row holds gives 0 (the search also ends at a row holding 255 in the
// source column).
namespace PlayerLooks {

enum Column : int { kMajor0 = 0, kMajor2003 = 1, kCurrent = 2 };

uint8_t ConvertHairColour(uint8_t value, Column from, Column to);
uint8_t ConvertHairStyle(uint8_t value, Column from, Column to);
uint8_t ConvertBeard(uint8_t value, Column from, Column to);
uint8_t ConvertFaceType(uint8_t value, Column from, Column to);
uint8_t ConvertAbility(uint8_t value, Column from, Column to);
uint8_t ConvertValueA(uint8_t value, Column from, Column to);

// Files of major 0x2004 with a minor below 7 numbered the face types and beards differently:
// face types 14-19 are now 20-25 and 20-23 are now 14-17; beards 3, 4, 5, 7 are now 5, 3, 4, 0.
// Values outside the old ranges are kept.
uint8_t FaceTypeFromMinor6(uint8_t value);
uint8_t BeardFromMinor6(uint8_t value);

} // namespace PlayerLooks

} // namespace tallo
