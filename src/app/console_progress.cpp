#include "app/console_progress.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tallo {

namespace {

int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool IsContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Control characters would break the line (a line feed ends it, "\r" redraws it); they are
// shown as blanks.
void AppendClean(std::string& line, const std::string& text) {
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        line += (byte < 0x20 || byte == 0x7F) ? ' ' : c;
    }
}

// Cuts the UTF-8 text to at most `width` characters (never inside a character) and gives the
// number of characters kept.
size_t CutToWidth(std::string& text, size_t width) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        if (characters == width) {
            text.resize(i);
            return characters;
        }
        ++characters;
    }
    return characters;
}

} // namespace

ConsoleProgress::ConsoleProgress() : ConsoleProgress(std::cerr, StandardErrorIsTerminal()) {}

ConsoleProgress::ConsoleProgress(std::ostream& out, bool isTerminal, Clock clock)
    : out_(out), terminal_(isTerminal), clock_(std::move(clock)) {}

ConsoleProgress::~ConsoleProgress() {
    Finish();
}

bool ConsoleProgress::StandardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

int64_t ConsoleProgress::Now() const {
    return clock_ ? clock_() : SteadyMilliseconds();
}

void ConsoleProgress::SetRange(int32_t low, int32_t high) {
    std::lock_guard<std::mutex> guard(mutex_);
    low_ = low;
    high_ = high;
    Changed(false);
}

void ConsoleProgress::SetPosition(int32_t position) {
    std::lock_guard<std::mutex> guard(mutex_);
    position_ = position;
    estimate_.Update(low_, high_, position_, Now());
    Changed(false);
}

void ConsoleProgress::SetTitle(const std::string& text) {
    std::lock_guard<std::mutex> guard(mutex_);
    title_ = text;
    Changed(false);
}

// The description is the window's explanation of the whole operation; one console line has
// no room for it.
void ConsoleProgress::SetDescription(const std::string& /*text*/) {}

void ConsoleProgress::SetStatus(const std::string& text) {
    std::lock_guard<std::mutex> guard(mutex_);
    status_ = text;
    Changed(false);
}

void ConsoleProgress::EnableCancel(bool /*enabled*/) {}

bool ConsoleProgress::IsCancelled() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return cancelled_;
}

void ConsoleProgress::RequestCancel() {
    std::lock_guard<std::mutex> guard(mutex_);
    cancelled_ = true;
}

void ConsoleProgress::Finish() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (finished_) {
        return;
    }
    finished_ = true;
    if (!reported_) {
        return;
    }
    if (terminal_) {
        DrawLocked();
    } else {
        std::string line;
        AppendClean(line, LineLocked());
        out_ << line;
    }
    out_ << '\n';
    out_.flush();
}

std::string ConsoleProgress::Line() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return LineLocked();
}

std::string ConsoleProgress::LineLocked() const {
    std::string line = title_;
    auto addPart = [&line](const std::string& part) {
        if (part.empty()) {
            return;
        }
        if (!line.empty()) {
            line += " - ";
        }
        line += part;
    };
    if (high_ > low_) {
        const int64_t span = static_cast<int64_t>(high_) - low_;
        int64_t percent = (static_cast<int64_t>(position_) - low_) * 100 / span;
        percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
        addPart(std::to_string(percent) + "%");
    }
    addPart(status_);
    addPart(estimate_.Text());
    return line;
}

void ConsoleProgress::Changed(bool force) {
    reported_ = true;
    if (!terminal_ || finished_) {
        return;
    }
    const int64_t now = Now();
    if (!force && drawnOnce_ && now - lastDrawMs_ < kRedrawIntervalMs && now >= lastDrawMs_) {
        return;
    }
    lastDrawMs_ = now;
    DrawLocked();
}

void ConsoleProgress::DrawLocked() {
    std::string line;
    AppendClean(line, LineLocked());
    const size_t width = CutToWidth(line, kMaxLineWidth);
    if (drawnOnce_ && line == lastDrawn_) {
        return;
    }
    // Blanks over the rest of a longer previous line.
    std::string padded = line;
    if (lastDrawnWidth_ > width) {
        padded.append(lastDrawnWidth_ - width, ' ');
    }
    out_ << '\r' << padded;
    out_.flush();
    drawnOnce_ = true;
    lastDrawn_ = std::move(line);
    lastDrawnWidth_ = width;
}

} // namespace tallo
