#pragma once

#include <cstdint>
#include <string>

namespace tallo {

// Whole numbers with points between the millions, thousands and units: "1.234.567",
// "12.345", "999" (the millions are not grouped further: "2147.483.647"). A negative number
// gets a minus sign and a blank in front: "- 1.234".
std::string FormatThousands(int32_t value);
// A height in centimetres as feet and inches: "5'10".
std::string FormatHeight(int centimetres);
// A weight in kilograms as stones and pounds: "11st 11lbs", or "11st" below one pound.
std::string FormatWeight(int kilograms);

} // namespace tallo
