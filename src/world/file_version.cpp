#include "world/file_version.h"

#include "formats/kl_file.h"

namespace tallo {

namespace {

constexpr const char* kVersionSection = "VERSION";
// What a file without a VERSION section counts as: major 0, minor 1.
constexpr uint32_t kUnversioned = 1u;

// Per thread, so that a load on a worker thread does not change what a reader on another
// thread sees in the middle of its file.
thread_local uint32_t loadedVersion = 0;

} // namespace

namespace FileVersion {

uint32_t Loaded() {
    return loadedVersion;
}

void SetLoaded(uint32_t version) {
    loadedVersion = version;
}

} // namespace FileVersion

bool WriteVersion(CKLFile& file) {
    bool ok = file.WriteSectionBegin(kVersionSection);
    ok = file.WriteInt(static_cast<int32_t>(FileVersion::kCurrent)) && ok;
    ok = file.WriteSectionEnd(kVersionSection) && ok;
    return ok;
}

void ReadVersion(CKLFile& file) {
    if (!file.FindSection(kVersionSection)) {
        FileVersion::SetLoaded(kUnversioned);
        return;
    }
    int32_t value = 0;
    file.ReadInt(value);
    uint32_t version = static_cast<uint32_t>(value);
    // Files of an older major have no minor numbering of ours: they pass every
    // "minor at least N" test.
    if ((version >> 16) < FileVersion::kCurrentMajor)
        version |= 0xFFFFu;
    FileVersion::SetLoaded(version);
    file.SkipSection(kVersionSection);
}

} // namespace tallo
