#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "app/longtime_estimate.h"
#include "app/longtime_operation.h"
#include "editors/framework/dialog_b.h"
#include "platform/progress.h"

class QCloseEvent;
class QEventLoop;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tallo {

// The progress window of long work (export, import, restore, loading, the game database): the
// work runs on a worker thread and reports here, the window shows the title, the description,
// the status, a progress bar and, after 5 seconds, the elapsed and estimated time, and offers a
// cancel button while the work allows it.
//
// The setters may be called from any thread: they store the values under a lock and ask the
// window's thread to show them (updates are coalesced; the worker never waits for the window).
// The window is modal and cannot be closed while the work runs: Enter does nothing, and Escape
// and the close button act as the cancel button, and only while cancelling is allowed. A
// cancel request is passed to the work, which stops at its next check; the window stays until
// the work has ended.
class CDlgLongtimeOperation : public CDialogB, public IProgress {
    Q_OBJECT

public:
    using Clock = std::function<int64_t()>; // milliseconds of a steady clock

    // `clock` defaults to the steady clock.
    explicit CDlgLongtimeOperation(QWidget* parent = nullptr, Clock clock = {});
    ~CDlgLongtimeOperation() override;

    // IProgress, from any thread.
    void SetRange(int32_t low, int32_t high) override;
    void SetPosition(int32_t position) override;
    void SetTitle(const std::string& text) override;
    void SetDescription(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void EnableCancel(bool enabled) override;
    bool IsCancelled() const override;

    // Whether the time estimate is shown (it is by default); whether the window is shown at all
    // while the work runs (a hidden window still blocks the other windows).
    void ShowEstimate(bool show);
    void SetShownWhileRunning(bool shown);

    // The modal loop of a long-time operation: the window runs modally until `finished` gives
    // true. Use it with CLongtimeOperation::RunWithProgress and the world export and import.
    CLongtimeOperation::ModalLoop ModalLoop();
    void RunModal(const std::function<bool()>& finished);

    // The cancel button's action (also Escape and the close button): asks the work to stop;
    // false while cancelling is not allowed.
    bool RequestCancel();

    // What the window shows now (its own thread).
    QString TitleText() const;
    QString DescriptionText() const;
    QString StatusText() const;
    QString EstimateText() const;
    int BarMinimum() const;
    int BarMaximum() const;
    int BarValue() const;
    QPushButton& CancelButton() const { return *cancel_; }
    bool IsRunning() const;

signals:
    // The controls took the stored values (the window's thread).
    void updated();

public slots:
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PostUpdate();
    void ApplyUpdate();
    void CheckFinished();
    int64_t Now() const;

    Clock clock_;

    // Shared with the worker, under the lock.
    mutable std::mutex lock_;
    std::string title_;
    std::string description_;
    std::string status_;
    int32_t low_ = 0;
    int32_t high_ = 100;
    int32_t position_ = 0;
    bool cancelEnabled_ = false;
    bool showEstimate_ = true;
    bool shownWhileRunning_ = true;
    bool alive_ = false;
    bool updatePosted_ = false;
    std::atomic<bool> cancelRequested_{false};

    // The window's thread only.
    LongtimeEstimate estimate_;
    std::function<bool()> finished_;
    bool closing_ = false;
    QEventLoop* hiddenLoop_ = nullptr; // the loop while the window is not shown
    QTimer* poll_;
    QTimer* tick_;
    QLabel* descriptionLabel_;
    QLabel* statusLabel_;
    QLabel* estimateLabel_;
    QProgressBar* bar_;
    QPushButton* cancel_;
};

} // namespace tallo
