#include "editors/framework/dlg_longtime_operation.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <utility>

#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

constexpr int kCancelTextEntry = 823;
constexpr int kFinishedPollMs = 50;
// The elapsed time moves on even while the work reports nothing.
constexpr int kEstimateRefreshMs = 1000;

// A one-line label that shortens its text in the middle instead of widening the window (the
// status names files and clubs of any length).
class ElidingLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return QSize(100, QLabel::sizeHint().height()); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              shown, foregroundRole());
    }
};

int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

CDlgLongtimeOperation::CDlgLongtimeOperation(QWidget* parent, Clock clock)
    : CDialogB(parent), clock_(std::move(clock)), poll_(new QTimer(this)), tick_(new QTimer(this)),
      descriptionLabel_(new QLabel(this)), statusLabel_(new ElidingLabel(this)),
      estimateLabel_(new QLabel(this)), bar_(new QProgressBar(this)),
      cancel_(new QPushButton(NumberedText(kCancelTextEntry), this)) {
    setWindowTitle(UiText("framework.progress.caption"));
    setModal(true);
    // The window may be the only one (loading at start): its closing must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    descriptionLabel_->setWordWrap(true);
    descriptionLabel_->setTextFormat(Qt::PlainText);
    statusLabel_->setTextFormat(Qt::PlainText);
    estimateLabel_->setTextFormat(Qt::PlainText);
    QFont quiet = font();
    quiet.setWeight(QFont::Normal);
    estimateLabel_->setFont(quiet);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(true);

    // Enter must not press cancel: only a click, Space on the button or Escape do.
    cancel_->setAutoDefault(false);
    cancel_->setDefault(false);
    cancel_->setEnabled(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { RequestCancel(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(estimateLabel_, 1);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(descriptionLabel_);
    layout->addWidget(bar_);
    layout->addWidget(statusLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    poll_->setInterval(kFinishedPollMs);
    connect(poll_, &QTimer::timeout, this, &CDlgLongtimeOperation::CheckFinished);
    tick_->setInterval(kEstimateRefreshMs);
    connect(tick_, &QTimer::timeout, this, &CDlgLongtimeOperation::ApplyUpdate);
}

CDlgLongtimeOperation::~CDlgLongtimeOperation() = default;

int64_t CDlgLongtimeOperation::Now() const {
    return clock_ ? clock_() : SteadyMilliseconds();
}

void CDlgLongtimeOperation::SetRange(int32_t low, int32_t high) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        low_ = low;
        high_ = high;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::SetPosition(int32_t position) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        position_ = position;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::SetTitle(const std::string& text) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        title_ = text;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::SetDescription(const std::string& text) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        description_ = text;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::SetStatus(const std::string& text) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        status_ = text;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::EnableCancel(bool enabled) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        cancelEnabled_ = enabled;
    }
    PostUpdate();
}

bool CDlgLongtimeOperation::IsCancelled() const {
    return cancelRequested_.load();
}

void CDlgLongtimeOperation::ShowEstimate(bool show) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        showEstimate_ = show;
    }
    PostUpdate();
}

void CDlgLongtimeOperation::SetShownWhileRunning(bool shown) {
    std::lock_guard<std::mutex> guard(lock_);
    shownWhileRunning_ = shown;
}

bool CDlgLongtimeOperation::IsRunning() const {
    std::lock_guard<std::mutex> guard(lock_);
    return alive_;
}

void CDlgLongtimeOperation::PostUpdate() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!alive_ || updatePosted_) {
            return;
        }
        updatePosted_ = true;
    }
    QMetaObject::invokeMethod(
        this, [this] { ApplyUpdate(); }, Qt::QueuedConnection);
}

void CDlgLongtimeOperation::ApplyUpdate() {
    std::string title;
    std::string description;
    std::string status;
    int32_t low = 0;
    int32_t high = 0;
    int32_t position = 0;
    bool cancelEnabled = false;
    bool showEstimate = true;
    {
        std::lock_guard<std::mutex> guard(lock_);
        updatePosted_ = false;
        if (!alive_) {
            return;
        }
        title = title_;
        description = description_;
        status = status_;
        low = low_;
        high = high_;
        position = position_;
        cancelEnabled = cancelEnabled_;
        showEstimate = showEstimate_;
    }
    setWindowTitle(title.empty() ? UiText("framework.progress.caption") : ToQString(title));
    descriptionLabel_->setText(ToQString(description));
    statusLabel_->setText(ToQString(status));
    statusLabel_->setToolTip(ToQString(status));
    // A range given high-to-low is shown as empty rather than refused.
    bar_->setRange(low, high < low ? low : high);
    bar_->setValue(position < low ? low : (position > high ? qMax(low, high) : position));

    const bool cancelling = cancelRequested_.load();
    cancel_->setEnabled(cancelEnabled && !cancelling && !closing_);
    if (cancelling) {
        estimateLabel_->setText(UiText("framework.progress.stopping"));
    } else if (!showEstimate) {
        estimateLabel_->clear();
    } else if (estimate_.Update(low, high, position, Now())) {
        estimateLabel_->setText(ToQString(estimate_.Text()));
    }
    emit updated();
}

CLongtimeOperation::ModalLoop CDlgLongtimeOperation::ModalLoop() {
    return [this](const std::function<bool()>& finished) { RunModal(finished); };
}

void CDlgLongtimeOperation::RunModal(const std::function<bool()>& finished) {
    bool shown = true;
    {
        std::lock_guard<std::mutex> guard(lock_);
        alive_ = true;
        updatePosted_ = false;
        shown = shownWhileRunning_;
    }
    estimate_.Reset();
    estimateLabel_->clear();
    closing_ = false;
    finished_ = finished;
    ApplyUpdate();
    poll_->start();
    tick_->start();
    if (shown) {
        exec();
    } else {
        // Not shown, but the other windows take no input all the same.
        QEventLoop loop;
        hiddenLoop_ = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        hiddenLoop_ = nullptr;
    }
    poll_->stop();
    tick_->stop();
    {
        std::lock_guard<std::mutex> guard(lock_);
        alive_ = false;
        updatePosted_ = false;
    }
    finished_ = {};
    // The work has ended: a request of this run must not reach the next one.
    cancelRequested_.store(false);
}

void CDlgLongtimeOperation::CheckFinished() {
    if (!finished_ || !finished_()) {
        return;
    }
    closing_ = true;
    ApplyUpdate();
    if (hiddenLoop_ != nullptr) {
        hiddenLoop_->quit();
    } else {
        QDialog::done(QDialog::Accepted);
    }
}

bool CDlgLongtimeOperation::RequestCancel() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!alive_ || !cancelEnabled_ || closing_) {
            return false;
        }
    }
    cancelRequested_.store(true);
    cancel_->setEnabled(false);
    estimateLabel_->setText(UiText("framework.progress.stopping"));
    return true;
}

void CDlgLongtimeOperation::accept() {
    // Enter does nothing; the window closes when the work has ended.
}

void CDlgLongtimeOperation::reject() {
    RequestCancel();
}

void CDlgLongtimeOperation::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        RequestCancel();
        event->ignore();
        return;
    }
    CDialogB::closeEvent(event);
}

void CDlgLongtimeOperation::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CDialogB::keyPressEvent(event);
}

QString CDlgLongtimeOperation::TitleText() const {
    return windowTitle();
}

QString CDlgLongtimeOperation::DescriptionText() const {
    return descriptionLabel_->text();
}

QString CDlgLongtimeOperation::StatusText() const {
    return statusLabel_->text();
}

QString CDlgLongtimeOperation::EstimateText() const {
    return estimateLabel_->text();
}

int CDlgLongtimeOperation::BarMinimum() const {
    return bar_->minimum();
}

int CDlgLongtimeOperation::BarMaximum() const {
    return bar_->maximum();
}

int CDlgLongtimeOperation::BarValue() const {
    return bar_->value();
}

} // namespace tallo
