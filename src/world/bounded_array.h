#pragma once

#include <array>
#include <cstddef>

namespace tallo {

// Element access of a record's fixed arrays by an index that comes from callers (editors,
// files): an index outside the array reads as the element type's zero and writes nothing.

template <class Index, size_t N> constexpr bool InBounds(Index index) {
    return static_cast<long long>(index) >= 0 &&
           static_cast<long long>(index) < static_cast<long long>(N);
}

template <class T, size_t N, class Index> T ValueAt(const T (&values)[N], Index index) {
    return InBounds<Index, N>(index) ? values[static_cast<size_t>(index)] : T{};
}

template <class T, size_t N, class Index> T ValueAt(const std::array<T, N>& values, Index index) {
    return InBounds<Index, N>(index) ? values[static_cast<size_t>(index)] : T{};
}

template <class T, size_t N, class Index, class Value>
void SetAt(T (&values)[N], Index index, Value value) {
    if (InBounds<Index, N>(index)) {
        values[static_cast<size_t>(index)] = value;
    }
}

template <class T, size_t N, class Index, class Value>
void SetAt(std::array<T, N>& values, Index index, Value value) {
    if (InBounds<Index, N>(index)) {
        values[static_cast<size_t>(index)] = value;
    }
}

} // namespace tallo
