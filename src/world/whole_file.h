#pragma once

#include <cstddef>
#include <string>

namespace tallo {

// Writes `size` bytes as the whole content of `path`, as raw bytes (no line-end conversion).
// The file is replaced in one step (temporary file, then rename), so it is never left
// half-written. When it cannot be written and `createFolders` is set, every folder of the path
// is created in turn ("\\" and "/" both separate folders; a drive part ending in ":" is
// skipped) and the write is tried once more.
bool WriteWholeFile(const std::string& path, const void* data, size_t size, bool createFolders);

} // namespace tallo
