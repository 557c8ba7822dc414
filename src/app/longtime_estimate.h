#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallo {

// The estimated total duration of a piece of work in milliseconds: the whole range takes as
// long as the part done so far, scaled up, i.e. (high - low) * elapsed / (position - low),
// integer division. Computed in 64 bits (a range of millions of steps times an hour of
// milliseconds does not fit 32 bits) and saturated instead of wrapping. Nothing while the
// position is not above the range's low end; an inverted range counts as empty.
std::optional<int64_t> EstimateTotalMilliseconds(int32_t low, int32_t high, int32_t position,
                                                 int64_t elapsedMs);

// The estimate text of the progress window, string-table entry 824
// ("Elapsed: %i:%.2i / Estimated: %i:%.2i"), in whole minutes and seconds.
std::string FormatTimeEstimate(int64_t elapsedMs, int64_t estimatedMs);

// Follows the updates of one progress display and keeps its estimate text. The clock starts
// at the first update with a position of at least 1; the text appears once the work has run
// for 5 whole seconds and then follows every update. Not thread-safe: the display calls it
// under its own lock.
class LongtimeEstimate {
public:
    static constexpr int64_t kFirstEstimateMs = 5000;

    // Forgets the start and the text (a display that is shown anew).
    void Reset();
    // One update at time nowMs (milliseconds of a steady clock). True when the text changed.
    bool Update(int32_t low, int32_t high, int32_t position, int64_t nowMs);

    const std::string& Text() const { return text_; }
    bool Started() const { return startMs_.has_value(); }

private:
    std::optional<int64_t> startMs_;
    std::string text_;
};

} // namespace tallo
