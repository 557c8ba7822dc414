#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "formats/string_table.h"
#include "platform/progress.h"

namespace tallo {

// How a long-time operation ended.
enum class LongtimeResult {
    Completed, // the work ran to its end and reported success
    Cancelled, // the user cancelled while cancelling was allowed; the work stopped early
    Failed,    // the work reported a failure, threw, or could not be started
    Declined,  // the operation did not start (a question before the work was answered no)
};

// A piece of work that takes long enough to need a progress display: the world archive
// export and import and the game database build. The work (Execute) runs on a worker thread
// while the calling thread shows the progress; RunWithProgress returns only after the worker
// has ended, so an operation can live on the stack of the command that runs it.
//
// The operation is itself the progress receiver of its work: the setters may be called from
// any thread; each stores the value under the operation's lock and passes it on to the
// display while one is attached. Values set before the run (the texts of the constructors)
// are kept and shown when the display is attached.
//
// Cancelling: the work polls IsCancelRequested() between its steps. A cancel request counts
// only while cancelling is enabled; operations that must not stop half-way (the import)
// leave it disabled throughout.
class CLongtimeOperation : public IProgress {
public:
    // How the calling thread spends the time while the worker runs. The progress window runs
    // its modal loop here and returns once `finished` gives true; without a loop the calling
    // thread simply waits for the worker. The operation waits for the worker afterwards in any
    // case, so a loop that returns early cannot leave the work running.
    using ModalLoop = std::function<void(const std::function<bool()>& finished)>;

    CLongtimeOperation();
    ~CLongtimeOperation() override;

    CLongtimeOperation(const CLongtimeOperation&) = delete;
    CLongtimeOperation& operator=(const CLongtimeOperation&) = delete;

    // Runs Execute on a worker thread, reporting to `display`, and returns when the worker
    // has ended. At the end the operation enables cancelling, which lets a window close.
    LongtimeResult RunWithProgress(IProgress& display, const ModalLoop& loop = {});
    // Runs Execute on the calling thread, reporting to `display` (build mode: no thread and
    // no window).
    LongtimeResult RunHere(IProgress& display);

    // Progress setters, callable from any thread.
    void SetRange(int32_t low, int32_t high) override;
    void SetPosition(int32_t position) override;
    void SetTitle(const std::string& text) override;
    void SetDescription(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void EnableCancel(bool enabled) override;

    // The same with a string-table entry formatted with the arguments.
    template <class... Args> void SetTitle(int entry, Args... args) {
        SetTitle(FormatString(entry, args...));
    }
    template <class... Args> void SetDescription(int entry, Args... args) {
        SetDescription(FormatString(entry, args...));
    }
    template <class... Args> void SetStatus(int entry, Args... args) {
        SetStatus(FormatString(entry, args...));
    }

    // Whether the display shows a time estimate and whether it is shown at all. Kept for the
    // progress window, which reads them when it is set up.
    void ShowEstimate(bool show);
    void SetVisible(bool visible);

    // True once a cancel request was made while cancelling was enabled, by RequestCancel or
    // through the display. Stays true for the rest of the run.
    bool IsCancelled() const override;
    bool IsCancelRequested() const { return IsCancelled(); }
    // Asks the work to stop; ignored (false) while cancelling is disabled.
    bool RequestCancel();

    // The stored values, as the display was last told.
    int32_t RangeLow() const;
    int32_t RangeHigh() const;
    int32_t Position() const;
    std::string Title() const;
    std::string Description() const;
    std::string Status() const;
    bool CancelEnabled() const;
    bool EstimateShown() const;
    bool Visible() const;

    // Set when the work of the last run has ended.
    bool IsFinished() const { return finished_.load(); }
    // Why the last run failed: the text of an exception thrown by the work, or empty when
    // the work only reported failure.
    std::string FailureText() const;

protected:
    // The work; true on success. Runs on the worker thread (or on the calling thread with
    // RunHere). Exceptions are caught and reported as a failure.
    virtual bool Execute() = 0;
    // Called on the calling thread before the work starts; false ends the run with
    // LongtimeResult::Declined and nothing done. Questions to the user belong here, never on
    // the worker thread.
    virtual bool BeforeRun() { return true; }

    void SetFailureText(std::string text);

private:
    bool Attach(IProgress& display);
    void Detach();
    void Work();

    mutable std::mutex lock_;
    IProgress* display_ = nullptr; // attached for the length of one run
    std::string title_;
    std::string description_;
    std::string status_;
    std::string failureText_;
    int32_t rangeLow_ = 0;
    int32_t rangeHigh_ = 100;
    int32_t position_ = 0;
    bool cancelEnabled_ = false;
    bool showEstimate_ = true;
    bool visible_ = true;
    bool running_ = false;

    mutable std::atomic<bool> cancelRequested_{false};
    std::atomic<bool> finished_{false};
    LongtimeResult result_ = LongtimeResult::Failed;
};

} // namespace tallo
