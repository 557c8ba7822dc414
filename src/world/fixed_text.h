#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tallo {

// Fixed character fields of the records: a field of N bytes holds at most N-1 characters and
// always keeps a terminating zero.

// Copies at most N-1 characters of `text` into the field and zero-fills the rest.
template <size_t N> void SetFixedText(char (&field)[N], std::string_view text) {
    static_assert(N > 0);
    size_t length = text.size() < N - 1 ? text.size() : N - 1;
    if (length > 0) {
        std::memcpy(field, text.data(), length);
    }
    std::memset(field + length, 0, N - length);
}

// The text of a field, never running past its end even when the terminating zero is missing.
template <size_t N> std::string_view FixedText(const char (&field)[N]) {
    const void* end = std::memchr(field, 0, N);
    size_t length = end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - field) : N;
    return std::string_view(field, length);
}

} // namespace tallo
