#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tallo {

class CMySpin;
class CSpinEditCtrl;

// The integer an edit field shows, read as the C library's atoi reads it: blanks first, a
// sign, the digits up to the first other character; no digits read as 0. Only the first 63
// characters count. Numbers beyond the 32-bit range read as its nearer end.
int32_t ReadSpinInteger(std::string_view text);

// The nearer end of the range [first, second] (given in either order) when `value` lies
// outside it; nothing when it lies inside.
std::optional<int32_t> ClampedIntoRange(int32_t value, int32_t first, int32_t second);

// Brings an edit back into its spin's range: when the integer it shows lies outside the range
// (whose ends may be given high-to-low), the edit is set to the nearer end, in decimal.
// Otherwise the text is left exactly as it is. True when the text was changed.
bool ClampToSpinRange(QLineEdit& edit, const CMySpin& spin);
// The same for a number field; a decimal one is read and written with its places.
bool ClampToSpinRange(CSpinEditCtrl& spinEdit);

} // namespace tallo
