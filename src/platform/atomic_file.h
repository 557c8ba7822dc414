#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace tallo {

// Writes `bytes` as the whole content of `path` without ever leaving a half-written file:
// the bytes go to a new temporary file in the same folder, are flushed to disk, and the
// temporary file is renamed over the target. On any failure the temporary file is removed,
// the target keeps its old content (or stays absent) and false is returned.
// The path is resolved case-insensitively first. Inside an AtomicWriteBatch the flush and the
// rename happen when the batch commits.
// A target that exists but may not be written (a read-only file) is left alone and gives false,
// as opening it for writing would.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same with the content in pieces, written one after the other (a large file whose parts
// were made in different places need not be joined in memory first).
bool WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces);

// A replaced file at least this large is let go of apart from the rename that replaces it:
// the kernel frees a file's pages and blocks inside the call that drops its last link.
inline constexpr uint64_t kLargeReplacedFileSize = uint64_t{2} << 20;

// Renames a written and flushed temporary file over its target and makes the rename durable
// by flushing `folder` (none when empty); on failure the temporary file is removed. A target
// that is a regular file of kLargeReplacedFileSize or more is held open across the rename and
// closed on a thread of its own; a caller that knows the target to be absent or smaller passes
// `mayBeLarge` false, and no look at the target is made for it.
bool RenameIntoPlace(const std::string& temporaryPath, const std::string& targetPath,
                     const std::string& folder, bool mayBeLarge = true);

// For tests: called after the temporary file has been written, flushed and closed, just before
// it is renamed over the target; null (the default) calls nothing. Tests use it to stop the
// process at the worst moment of a save.
using AtomicWriteHook = void (*)(const std::string& temporaryPath, const std::string& targetPath);
void SetAtomicWriteHookForTesting(AtomicWriteHook hook);

// Reads a whole file into `bytes`; false when it cannot be opened or is larger than
// `maxSize` bytes (then `bytes` is left empty). On failure errno tells why: ENOENT for a
// missing file, EISDIR for a folder, EINVAL for another file that is not a regular file (a
// device, a FIFO), EFBIG for one
// over `maxSize`, or what the system said when opening or reading.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxSize);

// The same, straight into one buffer: `text` gets the file's `size` bytes and room for at
// least one byte more (for a terminating zero of the caller's). The file is read to its end
// rather than trusting the size it states, into a buffer of that size that grows only when
// the file holds more (a file growing under the read, or one of /proc that states 0). On
// failure `text` is empty, `size` 0, and errno tells why as for ReadWholeFile.
bool ReadWholeFileInto(const std::string& path, std::unique_ptr<char[]>& text, size_t& size,
                       size_t maxSize);

// Writes all of `bytes` to a file descriptor, going on after interrupted and partial writes;
// false with errno set when a write fails.
bool WriteAll(int fd, std::string_view bytes);
bool WriteAll(int fd, std::span<const std::string_view> pieces);

// The process's file creation mask, read without changing it (umask() itself would have to
// set a new mask for a moment, which races with other threads creating files).
unsigned CurrentUmask();

// Words for a failure of ReadWholeFile or a write, from its errno: "does not exist", "is a
// folder", "is not a regular file", "is too large", else the system's own text.
std::string FileErrorText(int error);

} // namespace tallo
