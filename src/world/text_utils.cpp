#include "world/text_utils.h"

#include <cstring>

namespace tallo {

namespace {

// The core of CollapseBlanks on a run of `length` bytes; returns the new length.
size_t Collapse(char* text, size_t length, bool& changed) {
    size_t out = 0;
    for (size_t in = 0; in < length; ++in) {
        char c = text[in];
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
            changed = true;
        }
        if (c == ' ' && (out == 0 || text[out - 1] == ' ')) {
            // A blank at the start or after another blank.
            changed = true;
            continue;
        }
        text[out++] = c;
    }
    while (out > 0 && text[out - 1] == ' ') {
        --out;
        changed = true;
    }
    return out;
}

bool IsControl(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 31;
}

} // namespace

bool CollapseBlanks(std::string& text) {
    bool changed = false;
    text.resize(Collapse(text.data(), text.size(), changed));
    return changed;
}

size_t CollapseBlanksInto(std::string_view text, char* out, size_t capacity) {
    // The collapsed text is made a character at a time; once `capacity` characters are made,
    // the rest cannot change them.
    size_t length = 0;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
        if (c == ' ' && (length == 0 || out[length - 1] == ' ')) {
            continue;
        }
        if (length == capacity) {
            break;
        }
        out[length++] = c;
    }
    while (length > 0 && out[length - 1] == ' ') {
        --length;
    }
    return length;
}

bool CollapseBlanks(char* text) {
    bool changed = false;
    size_t length = Collapse(text, std::strlen(text), changed);
    text[length] = '\0';
    return changed;
}

void TrimLineEnd(std::string& text) {
    if (!text.empty() && IsControl(text.back())) {
        text.pop_back();
    }
}

void TrimLineEnd(char* text) {
    size_t length = std::strlen(text);
    if (length > 0 && IsControl(text[length - 1])) {
        text[length - 1] = '\0';
    }
}

bool WildcardMatch(std::string_view text, std::string_view pattern) {
    // Greedy matching with one point to go back to (the last "*"): linear in the common case
    // and never worse than text length times pattern length.
    size_t t = 0;
    size_t p = 0;
    size_t starPattern = std::string_view::npos;
    size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

int8_t Clamp8(int8_t value, int8_t low, int8_t high) {
    if (value < low) {
        value = low;
    }
    if (value > high) {
        value = high;
    }
    return value;
}

} // namespace tallo
