#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "editing/assistants/player_search_walk.h"
#include "editing/assistants/search_criteria.h"

namespace tallo {

class CWorld;

// The thread that walks the world for the player search while the result window stays usable.
//
// The worker collects what it finds and asks the window to show it: at its end, and while it
// goes on at most every 50 ms. Each time it asks (through the display request, called on the
// worker's thread; the window turns it into a call on its own thread) it waits until the window
// says it has shown the rows (Displayed) or the search is stopped. The window reads the entries
// found so far with Found.
//
// The world must not change while the worker runs: every command of the result window stops
// it first (Stop) and starts a new search afterwards.
class PlayerSearchWorker {
public:
    using Clock = std::chrono::steady_clock;

    explicit PlayerSearchWorker(const CWorld& world);
    // Stops a running search.
    ~PlayerSearchWorker();
    PlayerSearchWorker(const PlayerSearchWorker&) = delete;
    PlayerSearchWorker& operator=(const PlayerSearchWorker&) = delete;

    // Called on the worker's thread when rows are to be shown. Set before Start.
    void SetDisplayRequest(std::function<void()> request) { displayRequest_ = std::move(request); }
    // A hook for tests, called on the worker's thread before each club (a slowed walk).
    void SetClubHook(std::function<void()> hook) { clubHook_ = std::move(hook); }
    // The time between two displays while the walk goes on (50 ms).
    void SetDisplayInterval(Clock::duration interval) { interval_ = interval; }

    // Stops a search still running, forgets what it found and starts a new one.
    void Start(const SearchKeys& keys);
    // Ends the search: sets the cancel flag, wakes a worker waiting for its display and waits
    // for the thread to end. Nothing when no thread runs.
    void Stop();

    // Set while the walk runs, until the end has been shown.
    bool Running() const;
    // Set once the walk has gone through the whole world (before its end is shown): what
    // Found gives then is complete.
    bool Ended() const;
    // Set while the worker waits for the window to show its rows.
    bool WaitingForDisplay() const;
    // The window has shown the rows: the worker goes on.
    void Displayed();

    // The entries found so far, in walk order.
    std::vector<SearchMatch> Found() const;
    // The number of entries found so far.
    size_t FoundCount() const;

private:
    void Run(SearchKeys keys);
    // Step of the reporting: appends a match (when given) and, at the end or when the display
    // interval has passed, asks for a display and waits for it.
    void Report(const SearchMatch* match);

    const CWorld& world_;
    std::function<void()> displayRequest_;
    std::function<void()> clubHook_;
    Clock::duration interval_ = std::chrono::milliseconds(50);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<SearchMatch> found_;
    bool cancel_ = false;
    bool running_ = false;
    bool ended_ = false;
    bool waiting_ = false;
    bool timed_ = false; // the time of the last display is set
    Clock::time_point lastDisplay_{};
    std::thread thread_;
};

} // namespace tallo
