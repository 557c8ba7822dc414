#include "app/longtime_estimate.h"

#include <climits>
#include <limits>
#include <utility>

#include "formats/string_table.h"

namespace tallo {

namespace {

constexpr int kEstimateText = 824;

// a * b / c for a non-negative b, saturating at the largest int64. a and c are differences of
// two 32-bit values, so both are below 2^32 and a times the remainder of b / c fits 64 bits.
int64_t ScaleSaturated(uint64_t a, uint64_t b, uint64_t c) {
    constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const uint64_t quotient = b / c;
    const uint64_t remainder = b % c;
    if (quotient != 0 && a > kMax / quotient) {
        return std::numeric_limits<int64_t>::max();
    }
    const uint64_t whole = a * quotient;
    const uint64_t part = a * remainder / c;
    if (whole > kMax - part) {
        return std::numeric_limits<int64_t>::max();
    }
    return static_cast<int64_t>(whole + part);
}

// Minutes and seconds of a duration as the int arguments of the text; durations that would
// not fit show the largest number of minutes rather than a wrapped one.
void SplitMinutes(int64_t ms, int& minutes, int& seconds) {
    const int64_t total = ms < 0 ? 0 : ms / 1000;
    const int64_t wholeMinutes = total / 60;
    minutes = wholeMinutes > INT_MAX ? INT_MAX : static_cast<int>(wholeMinutes);
    seconds = static_cast<int>(total % 60);
}

} // namespace

std::optional<int64_t> EstimateTotalMilliseconds(int32_t low, int32_t high, int32_t position,
                                                 int64_t elapsedMs) {
    if (position <= low) {
        return std::nullopt;
    }
    const int64_t span = static_cast<int64_t>(high) - low;
    const int64_t done = static_cast<int64_t>(position) - low;
    if (span <= 0 || elapsedMs <= 0) {
        return 0;
    }
    return ScaleSaturated(static_cast<uint64_t>(span), static_cast<uint64_t>(elapsedMs),
                          static_cast<uint64_t>(done));
}

std::string FormatTimeEstimate(int64_t elapsedMs, int64_t estimatedMs) {
    int elapsedMinutes = 0;
    int elapsedSeconds = 0;
    int estimatedMinutes = 0;
    int estimatedSeconds = 0;
    SplitMinutes(elapsedMs, elapsedMinutes, elapsedSeconds);
    SplitMinutes(estimatedMs, estimatedMinutes, estimatedSeconds);
    return FormatString(kEstimateText, elapsedMinutes, elapsedSeconds, estimatedMinutes,
                        estimatedSeconds);
}

void LongtimeEstimate::Reset() {
    startMs_.reset();
    text_.clear();
}

bool LongtimeEstimate::Update(int32_t low, int32_t high, int32_t position, int64_t nowMs) {
    if (position < 1) {
        return false;
    }
    if (!startMs_) {
        startMs_ = nowMs;
        return false;
    }
    // A clock that went backwards counts as no time passed.
    const int64_t elapsed = nowMs > *startMs_ ? nowMs - *startMs_ : 0;
    const std::optional<int64_t> estimated =
        EstimateTotalMilliseconds(low, high, position, elapsed);
    if (!estimated || elapsed / 1000 < kFirstEstimateMs / 1000) {
        return false;
    }
    std::string text = FormatTimeEstimate(elapsed, *estimated);
    if (text == text_) {
        return false;
    }
    text_ = std::move(text);
    return true;
}

} // namespace tallo
