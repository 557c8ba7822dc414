#pragma once

#include <memory>
#include <string>

#include "app/console_progress.h"
#include "platform/progress.h"

namespace tallo::db {

// The progress of a long command: a ConsoleProgress line on standard error while standard
// error is a terminal, nothing at all otherwise (scripts and tests read clean output).
class TerminalProgress : public IProgress {
public:
    TerminalProgress() {
        if (ConsoleProgress::StandardErrorIsTerminal()) {
            line_ = std::make_unique<ConsoleProgress>();
        }
    }
    ~TerminalProgress() override { Finish(); }

    void SetRange(int32_t low, int32_t high) override {
        if (line_) {
            line_->SetRange(low, high);
        }
    }
    void SetPosition(int32_t position) override {
        if (line_) {
            line_->SetPosition(position);
        }
    }
    void SetTitle(const std::string& text) override {
        if (line_) {
            line_->SetTitle(text);
        }
    }
    void SetDescription(const std::string& text) override {
        if (line_) {
            line_->SetDescription(text);
        }
    }
    void SetStatus(const std::string& text) override {
        if (line_) {
            line_->SetStatus(text);
        }
    }
    void EnableCancel(bool enabled) override {
        if (line_) {
            line_->EnableCancel(enabled);
        }
    }
    bool IsCancelled() const override { return line_ && line_->IsCancelled(); }

    // Ends the line, so that what is printed next starts on a line of its own.
    void Finish() {
        if (line_) {
            line_->Finish();
        }
    }

private:
    std::unique_ptr<ConsoleProgress> line_;
};

} // namespace tallo::db
