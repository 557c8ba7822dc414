#include "app/longtime_operation.h"

#include <exception>
#include <system_error>
#include <thread>
#include <utility>

namespace tallo {

CLongtimeOperation::CLongtimeOperation() = default;

// A run never outlives RunWithProgress or RunHere, so there is no worker left to wait for.
CLongtimeOperation::~CLongtimeOperation() = default;

LongtimeResult CLongtimeOperation::RunWithProgress(IProgress& display, const ModalLoop& loop) {
    if (!BeforeRun()) {
        return LongtimeResult::Declined;
    }
    if (!Attach(display)) {
        return LongtimeResult::Failed;
    }
    std::thread worker;
    try {
        worker = std::thread([this] { Work(); });
    } catch (const std::system_error& error) {
        SetFailureText(std::string("the worker thread could not be started: ") + error.what());
        Detach();
        return LongtimeResult::Failed;
    }
    if (loop) {
        try {
            loop([this] { return finished_.load(); });
        } catch (...) {
            // The display's trouble must not leave the worker running unattended; the wait
            // below still ends the run in order.
        }
    }
    worker.join();
    Detach();
    return result_;
}

LongtimeResult CLongtimeOperation::RunHere(IProgress& display) {
    if (!BeforeRun()) {
        return LongtimeResult::Declined;
    }
    if (!Attach(display)) {
        return LongtimeResult::Failed;
    }
    Work();
    Detach();
    return result_;
}

bool CLongtimeOperation::Attach(IProgress& display) {
    std::lock_guard<std::mutex> guard(lock_);
    if (running_) {
        return false; // one run at a time
    }
    running_ = true;
    display_ = &display;
    finished_.store(false);
    cancelRequested_.store(false);
    failureText_.clear();
    result_ = LongtimeResult::Failed;
    // What was set before the display existed is shown now.
    display.SetRange(rangeLow_, rangeHigh_);
    display.SetPosition(position_);
    display.SetTitle(title_);
    display.SetDescription(description_);
    display.SetStatus(status_);
    display.EnableCancel(cancelEnabled_);
    return true;
}

void CLongtimeOperation::Detach() {
    std::lock_guard<std::mutex> guard(lock_);
    display_ = nullptr;
    running_ = false;
}

void CLongtimeOperation::Work() {
    bool succeeded = false;
    bool threw = false;
    try {
        succeeded = Execute();
    } catch (const std::exception& error) {
        threw = true;
        SetFailureText(*error.what() != '\0' ? error.what() : "the work stopped with an error");
    } catch (...) {
        threw = true;
        SetFailureText("the work stopped with an unknown error");
    }
    if (threw) {
        result_ = LongtimeResult::Failed;
    } else if (IsCancelled()) {
        result_ = LongtimeResult::Cancelled;
    } else {
        result_ = succeeded ? LongtimeResult::Completed : LongtimeResult::Failed;
    }
    // The end of the work always lets the display close.
    EnableCancel(true);
    finished_.store(true);
}

void CLongtimeOperation::SetRange(int32_t low, int32_t high) {
    std::lock_guard<std::mutex> guard(lock_);
    rangeLow_ = low;
    rangeHigh_ = high;
    if (display_ != nullptr) {
        display_->SetRange(low, high);
    }
}

void CLongtimeOperation::SetPosition(int32_t position) {
    std::lock_guard<std::mutex> guard(lock_);
    position_ = position;
    if (display_ != nullptr) {
        display_->SetPosition(position);
    }
}

void CLongtimeOperation::SetTitle(const std::string& text) {
    std::lock_guard<std::mutex> guard(lock_);
    title_ = text;
    if (display_ != nullptr) {
        display_->SetTitle(text);
    }
}

void CLongtimeOperation::SetDescription(const std::string& text) {
    std::lock_guard<std::mutex> guard(lock_);
    description_ = text;
    if (display_ != nullptr) {
        display_->SetDescription(text);
    }
}

void CLongtimeOperation::SetStatus(const std::string& text) {
    std::lock_guard<std::mutex> guard(lock_);
    status_ = text;
    if (display_ != nullptr) {
        display_->SetStatus(text);
    }
}

void CLongtimeOperation::EnableCancel(bool enabled) {
    std::lock_guard<std::mutex> guard(lock_);
    cancelEnabled_ = enabled;
    if (display_ != nullptr) {
        display_->EnableCancel(enabled);
    }
}

void CLongtimeOperation::ShowEstimate(bool show) {
    std::lock_guard<std::mutex> guard(lock_);
    showEstimate_ = show;
}

void CLongtimeOperation::SetVisible(bool visible) {
    std::lock_guard<std::mutex> guard(lock_);
    visible_ = visible;
}

bool CLongtimeOperation::IsCancelled() const {
    if (cancelRequested_.load()) {
        return true;
    }
    std::lock_guard<std::mutex> guard(lock_);
    // A request made at the display counts only while cancelling is enabled, and once seen
    // it stays: the work must not resume after it started to wind down.
    if (cancelEnabled_ && display_ != nullptr && display_->IsCancelled()) {
        cancelRequested_.store(true);
        return true;
    }
    return false;
}

bool CLongtimeOperation::RequestCancel() {
    std::lock_guard<std::mutex> guard(lock_);
    if (!cancelEnabled_) {
        return false;
    }
    cancelRequested_.store(true);
    return true;
}

int32_t CLongtimeOperation::RangeLow() const {
    std::lock_guard<std::mutex> guard(lock_);
    return rangeLow_;
}

int32_t CLongtimeOperation::RangeHigh() const {
    std::lock_guard<std::mutex> guard(lock_);
    return rangeHigh_;
}

int32_t CLongtimeOperation::Position() const {
    std::lock_guard<std::mutex> guard(lock_);
    return position_;
}

std::string CLongtimeOperation::Title() const {
    std::lock_guard<std::mutex> guard(lock_);
    return title_;
}

std::string CLongtimeOperation::Description() const {
    std::lock_guard<std::mutex> guard(lock_);
    return description_;
}

std::string CLongtimeOperation::Status() const {
    std::lock_guard<std::mutex> guard(lock_);
    return status_;
}

bool CLongtimeOperation::CancelEnabled() const {
    std::lock_guard<std::mutex> guard(lock_);
    return cancelEnabled_;
}

bool CLongtimeOperation::EstimateShown() const {
    std::lock_guard<std::mutex> guard(lock_);
    return showEstimate_;
}

bool CLongtimeOperation::Visible() const {
    std::lock_guard<std::mutex> guard(lock_);
    return visible_;
}

std::string CLongtimeOperation::FailureText() const {
    std::lock_guard<std::mutex> guard(lock_);
    return failureText_;
}

void CLongtimeOperation::SetFailureText(std::string text) {
    std::lock_guard<std::mutex> guard(lock_);
    failureText_ = std::move(text);
}

} // namespace tallo
