#include "editing/assistants/player_search_worker.h"

namespace tallo {

PlayerSearchWorker::PlayerSearchWorker(const CWorld& world) : world_(world) {}

PlayerSearchWorker::~PlayerSearchWorker() {
    Stop();
}

void PlayerSearchWorker::Start(const SearchKeys& keys) {
    Stop();
    {
        std::lock_guard lock(mutex_);
        found_.clear();
        cancel_ = false;
        waiting_ = false;
        ended_ = false;
        timed_ = false;
        // Running from the start, so that the window never sees a search that has not begun
        // as one that has ended.
        running_ = true;
    }
    thread_ = std::thread([this, keys] { Run(keys); });
}

void PlayerSearchWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        cancel_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    std::lock_guard lock(mutex_);
    running_ = false;
    waiting_ = false;
}

bool PlayerSearchWorker::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool PlayerSearchWorker::Ended() const {
    std::lock_guard lock(mutex_);
    return ended_;
}

bool PlayerSearchWorker::WaitingForDisplay() const {
    std::lock_guard lock(mutex_);
    return waiting_;
}

void PlayerSearchWorker::Displayed() {
    {
        std::lock_guard lock(mutex_);
        waiting_ = false;
    }
    wake_.notify_all();
}

std::vector<SearchMatch> PlayerSearchWorker::Found() const {
    std::lock_guard lock(mutex_);
    return found_;
}

size_t PlayerSearchWorker::FoundCount() const {
    std::lock_guard lock(mutex_);
    return found_.size();
}

void PlayerSearchWorker::Run(SearchKeys keys) {
    SearchWalkCallbacks callbacks;
    callbacks.cancelled = [this] {
        if (clubHook_) {
            clubHook_();
        }
        std::lock_guard lock(mutex_);
        return cancel_;
    };
    callbacks.found = [this](const SearchMatch& match) { Report(&match); };
    if (!keys.Empty() && !WalkPlayerSearch(world_, keys, callbacks)) {
        std::lock_guard lock(mutex_);
        running_ = false;
        return;
    }
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
    }
    // The end: shown like any other report, then the search no longer runs.
    Report(nullptr);
    std::lock_guard lock(mutex_);
    running_ = false;
}

void PlayerSearchWorker::Report(const SearchMatch* match) {
    std::unique_lock lock(mutex_);
    const Clock::time_point now = Clock::now();
    if (!timed_) {
        timed_ = true;
        lastDisplay_ = now;
    }
    if (match != nullptr) {
        found_.push_back(*match);
        if (now - lastDisplay_ <= interval_) {
            return;
        }
    }
    if (cancel_) {
        return;
    }
    waiting_ = true;
    lock.unlock();
    if (displayRequest_) {
        displayRequest_();
    } else {
        Displayed(); // nobody shows anything: nothing to wait for
    }
    lock.lock();
    wake_.wait(lock, [this] { return !waiting_ || cancel_; });
    waiting_ = false;
    lastDisplay_ = Clock::now();
}

} // namespace tallo
