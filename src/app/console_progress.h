#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

#include "app/longtime_estimate.h"
#include "platform/progress.h"

namespace tallo {

// The progress display of unattended runs (build mode, the command-line tool): one line with
// the title, the percentage, the status and the time estimate. On a terminal the line is
// redrawn in place ("\r"), at most every kRedrawIntervalMs, so that reporting never slows the
// work; into a file or a pipe nothing is written until Finish, which writes the last state
// once. Safe to call from the worker thread.
class ConsoleProgress : public IProgress {
public:
    using Clock = std::function<int64_t()>; // milliseconds of a steady clock

    static constexpr int64_t kRedrawIntervalMs = 200;
    // Longer lines are cut so that the line never wraps and "\r" can redraw it.
    static constexpr size_t kMaxLineWidth = 79;

    // Standard error, redrawn when it is a terminal.
    ConsoleProgress();
    // `clock` defaults to the steady clock.
    ConsoleProgress(std::ostream& out, bool isTerminal, Clock clock = {});
    // Finishes the line if that has not happened yet.
    ~ConsoleProgress() override;

    ConsoleProgress(const ConsoleProgress&) = delete;
    ConsoleProgress& operator=(const ConsoleProgress&) = delete;

    static bool StandardErrorIsTerminal();

    void SetRange(int32_t low, int32_t high) override;
    void SetPosition(int32_t position) override;
    void SetTitle(const std::string& text) override;
    void SetDescription(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void EnableCancel(bool enabled) override;
    bool IsCancelled() const override;

    // Asks the work to stop (for an interrupt handler of the caller).
    void RequestCancel();

    // Writes the final line: on a terminal the line is drawn once more and ended; elsewhere the
    // line of the last state is written. Nothing when nothing was ever reported. Once only.
    void Finish();

    // The line as it stands, uncut.
    std::string Line() const;

private:
    std::string LineLocked() const;
    void Changed(bool force);
    void DrawLocked();
    int64_t Now() const;

    std::ostream& out_;
    bool terminal_;
    Clock clock_;

    mutable std::mutex mutex_;
    std::string title_;
    std::string status_;
    int32_t low_ = 0;
    int32_t high_ = 100;
    int32_t position_ = 0;
    LongtimeEstimate estimate_;
    bool reported_ = false; // something was set since construction
    bool finished_ = false;
    bool cancelled_ = false;
    bool drawnOnce_ = false;
    int64_t lastDrawMs_ = 0;
    std::string lastDrawn_;
    size_t lastDrawnWidth_ = 0;
};

} // namespace tallo
