#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace tallo {

// 64-bit positioned access to a stdio file, for archives larger than 2 GiB.

// The file's length; the position afterwards is unspecified.
bool FileLength(std::FILE* file, uint64_t& length);
bool SeekTo(std::FILE* file, uint64_t offset);
// Reads exactly `size` bytes at `offset`; false on a short read.
bool ReadAt(std::FILE* file, uint64_t offset, void* data, size_t size);

} // namespace tallo
