#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/progress.h"

namespace tallo {

// One call made to a RecordingProgress.
struct ProgressCall {
    enum class Kind { Range, Position, Title, Description, Status, EnableCancel };
    Kind kind = Kind::Range;
    int32_t first = 0;  // Range: low; Position: the position
    int32_t second = 0; // Range: high
    std::string text;   // Title, Description, Status
    bool flag = false;  // EnableCancel
    std::thread::id thread;
};

// A progress display for tests: records every call with the thread that made it, and
// answers IsCancelled from a script (a cancel request now, or once a position was reached).
// Safe to call from any thread; WaitForPosition lets a test follow a worker.
class RecordingProgress : public IProgress {
public:
    void SetRange(int32_t low, int32_t high) override {
        ProgressCall call;
        call.kind = ProgressCall::Kind::Range;
        call.first = low;
        call.second = high;
        Record(std::move(call));
    }
    void SetPosition(int32_t position) override {
        ProgressCall call;
        call.kind = ProgressCall::Kind::Position;
        call.first = position;
        std::lock_guard<std::mutex> guard(mutex_);
        if (cancelAtPosition_ && position >= *cancelAtPosition_) {
            cancelled_ = true;
        }
        RecordLocked(std::move(call));
    }
    void SetTitle(const std::string& text) override { RecordText(ProgressCall::Kind::Title, text); }
    void SetDescription(const std::string& text) override {
        RecordText(ProgressCall::Kind::Description, text);
    }
    void SetStatus(const std::string& text) override {
        RecordText(ProgressCall::Kind::Status, text);
    }
    void EnableCancel(bool enabled) override {
        ProgressCall call;
        call.kind = ProgressCall::Kind::EnableCancel;
        call.flag = enabled;
        Record(std::move(call));
    }
    bool IsCancelled() const override {
        std::lock_guard<std::mutex> guard(mutex_);
        return cancelled_;
    }

    // The user cancels now.
    void RequestCancel() {
        std::lock_guard<std::mutex> guard(mutex_);
        cancelled_ = true;
    }
    // The user cancels as soon as a position of at least `position` is reported.
    void CancelAtPosition(int32_t position) {
        std::lock_guard<std::mutex> guard(mutex_);
        cancelAtPosition_ = position;
    }

    std::vector<ProgressCall> Calls() const {
        std::lock_guard<std::mutex> guard(mutex_);
        return calls_;
    }
    size_t CountOf(ProgressCall::Kind kind) const {
        std::lock_guard<std::mutex> guard(mutex_);
        return static_cast<size_t>(
            std::count_if(calls_.begin(), calls_.end(),
                          [kind](const ProgressCall& c) { return c.kind == kind; }));
    }
    // The last call of that kind, if any.
    std::optional<ProgressCall> Last(ProgressCall::Kind kind) const {
        std::lock_guard<std::mutex> guard(mutex_);
        for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
            if (it->kind == kind) {
                return *it;
            }
        }
        return std::nullopt;
    }
    // Waits until a position of at least `position` was reported; false after the timeout.
    template <class Duration> bool WaitForPosition(int32_t position, Duration timeout) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] {
            return std::any_of(calls_.begin(), calls_.end(), [&](const ProgressCall& c) {
                return c.kind == ProgressCall::Kind::Position && c.first >= position;
            });
        });
    }

private:
    void RecordText(ProgressCall::Kind kind, const std::string& text) {
        ProgressCall call;
        call.kind = kind;
        call.text = text;
        Record(std::move(call));
    }
    void Record(ProgressCall call) {
        std::lock_guard<std::mutex> guard(mutex_);
        RecordLocked(std::move(call));
    }
    void RecordLocked(ProgressCall call) {
        call.thread = std::this_thread::get_id();
        calls_.push_back(std::move(call));
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<ProgressCall> calls_;
    std::optional<int32_t> cancelAtPosition_;
    bool cancelled_ = false;
};

} // namespace tallo
