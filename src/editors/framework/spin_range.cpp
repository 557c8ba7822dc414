#include "editors/framework/spin_range.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>

#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_edit_ctrl.h"

namespace tallo {

namespace {

constexpr size_t kMaxEditCharacters = 63;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

int32_t ReadSpinInteger(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kMaxEditCharacters));
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    // Collected in 64 bits and stopped at the first step beyond the 32-bit range.
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(value * 10 + (text[at] - '0'), kLimit);
    }
    if (negative) {
        value = -value;
    }
    value = std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ClampedIntoRange(int32_t value, int32_t first, int32_t second) {
    const int32_t low = std::min(first, second);
    const int32_t high = std::max(first, second);
    if (value < low) {
        return low;
    }
    if (value > high) {
        return high;
    }
    return std::nullopt;
}

bool ClampToSpinRange(QLineEdit& edit, const CMySpin& spin) {
    const std::string text =
        FromQString(edit.text().left(static_cast<qsizetype>(kMaxEditCharacters)));
    const std::optional<int32_t> clamped =
        ClampedIntoRange(ReadSpinInteger(text), spin.RangeFirst(), spin.RangeSecond());
    if (!clamped) {
        return false;
    }
    edit.setText(QString::number(*clamped));
    return true;
}

bool ClampToSpinRange(CSpinEditCtrl& spinEdit) {
    return spinEdit.ClampIntoRange();
}

} // namespace tallo
