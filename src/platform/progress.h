#pragma once

#include <cstdint>
#include <string>

namespace tallo {

// Receives the progress of a long-running piece of work. Implementations must accept calls
// from a worker thread; the work polls IsCancelled() and stops when it turns true.
class IProgress {
public:
    virtual ~IProgress() = default;

    virtual void SetRange(int32_t low, int32_t high) = 0;
    virtual void SetPosition(int32_t position) = 0;
    virtual void SetTitle(const std::string& text) = 0;
    virtual void SetDescription(const std::string& text) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void EnableCancel(bool enabled) = 0;
    virtual bool IsCancelled() const = 0;
};

// A progress receiver that shows nothing (work run without a window).
class SilentProgress : public IProgress {
public:
    void SetRange(int32_t, int32_t) override {}
    void SetPosition(int32_t) override {}
    void SetTitle(const std::string&) override {}
    void SetDescription(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    void EnableCancel(bool) override {}
    bool IsCancelled() const override { return false; }
};

} // namespace tallo
