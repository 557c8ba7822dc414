#pragma once

#include <cstddef>

namespace tallo {

// Compile-time comparison of the placeholders of two translations of one text, so that a table
// whose languages ask for different arguments does not build. printf conversions ("%s", "%d",
// "%.2i", ...) must come in the same order with the same spelling; positional fields ("%1" to
// "%9", filled by substitution) may stand in any order but each as often; "%%" is no placeholder.
namespace placeholder_check {

struct Placeholders {
    static constexpr std::size_t kMaxConversions = 16;
    // Each printf conversion as the characters between "%" and its letter, letter included.
    const char* start[kMaxConversions] = {};
    std::size_t length[kMaxConversions] = {};
    std::size_t conversions = 0;
    int positional[10] = {};
    bool malformed = false;
};

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsConversionLetter(char c) {
    return c == 's' || c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'c' || c == 'f';
}

constexpr Placeholders Scan(const char* text) {
    Placeholders result;
    for (std::size_t i = 0; text[i] != '\0'; ++i) {
        if (text[i] != '%') {
            continue;
        }
        if (text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (text[end] == '-' || text[end] == '.' || IsDigit(text[end])) {
            ++end;
        }
        if (IsConversionLetter(text[end])) {
            if (result.conversions == Placeholders::kMaxConversions) {
                result.malformed = true;
                return result;
            }
            result.start[result.conversions] = text + i + 1;
            result.length[result.conversions] = end - i;
            ++result.conversions;
            i = end;
        } else if (text[i + 1] >= '1' && text[i + 1] <= '9') {
            ++result.positional[text[i + 1] - '0'];
            ++i;
        } else {
            result.malformed = true;
            return result;
        }
    }
    return result;
}

constexpr bool SameText(const char* a, const char* b, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

constexpr bool SamePlaceholders(const char* first, const char* second) {
    const Placeholders a = Scan(first);
    const Placeholders b = Scan(second);
    if (a.malformed || b.malformed || a.conversions != b.conversions) {
        return false;
    }
    for (std::size_t i = 0; i < a.conversions; ++i) {
        if (a.length[i] != b.length[i] || !SameText(a.start[i], b.start[i], a.length[i])) {
            return false;
        }
    }
    for (int n = 0; n < 10; ++n) {
        if (a.positional[n] != b.positional[n]) {
            return false;
        }
    }
    return true;
}

} // namespace placeholder_check

} // namespace tallo
