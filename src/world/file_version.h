#pragma once

#include <cstdint>

namespace tallo {

class CKLFile;

// The format version of the record files. Every file the editor writes starts its outermost
// section with a VERSION section holding the current version; every reader looks it up at the
// same place, and the record readers ask for the version of the file being read to accept the
// files of older editions.
namespace FileVersion {

constexpr uint32_t kCurrent = 0x20040008u;
constexpr uint32_t kCurrentMajor = kCurrent >> 16;

// The version of the file read last (0 before any file). Each thread has its own, so that a
// load on a worker thread does not disturb a reader on another.
uint32_t Loaded();
void SetLoaded(uint32_t version);
inline uint32_t LoadedMajor() {
    return Loaded() >> 16;
}
inline uint32_t LoadedMinor() {
    return Loaded() & 0xFFFFu;
}

// True for files of major 0x2004 and later.
inline bool AtLeastCurrentMajor() {
    return LoadedMajor() >= kCurrentMajor;
}
// True for files of major 0x2004 whose minor is at least `minor` (older majors read their
// minor as 0xFFFF, so they pass this test only by the major test being false first).
inline bool CurrentMajorWithMinor(uint32_t minor) {
    return LoadedMajor() == kCurrentMajor && LoadedMinor() >= minor;
}

} // namespace FileVersion

// Writes the VERSION section with the current version.
bool WriteVersion(CKLFile& file);
// Looks for the VERSION section and sets the loaded version from it: 1 when absent (the
// position then stays), otherwise the value read, with the minor replaced by 0xFFFF when the
// major is older than the current one.
void ReadVersion(CKLFile& file);

} // namespace tallo
