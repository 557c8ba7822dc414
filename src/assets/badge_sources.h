#pragma once

#include "assets/dib_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallo {

class CVantorBig;

// The two places badge pictures are found: the badge folder of the installation and the
// badge archive. The disk copy of a picture wins over the archive copy everywhere.
// The archive belongs to the global tool object; it may be absent or closed, which counts
// as an archive without entries.
class CBadgeSources {
public:
    // Largest badge file read from disk; badges are a few kilobytes.
    static constexpr uint64_t kMaxFileBytes = uint64_t{64} << 20;

    CBadgeSources(std::string badgeFolder, CVantorBig* archive)
        : badgeFolder_(std::move(badgeFolder)), archive_(archive) {}

    const std::string& BadgeFolder() const { return badgeFolder_; }
    CVantorBig* Archive() const { return archive_; }
    // The archive when it is open, else nullptr.
    CVantorBig* OpenArchive() const;

    // Whether the picture `name` exists as a file in the badge folder.
    bool ExistsOnDisk(std::string_view name) const;
    // Whether "Badges\<name>" is an entry of the archive (regardless of case).
    bool ExistsInArchive(std::string_view name) const;

    // True when the name has no "Badge180" (such names are not checked), or when every size
    // of the badge exists on disk or in the archive; false at the first size found in neither.
    bool CheckBadge(std::string_view name) const;

    // The bytes of a picture: the file in the badge folder when it can be read, else the
    // archive entry, unpacked (a missing entry is reported by the archive). False when
    // neither gives it.
    bool ReadBadge(std::string_view name, std::vector<uint8_t>& bytes) const;
    // The picture decoded; false (and an empty image) for an empty name or when it cannot
    // be read or decoded.
    bool LoadBadgeImage(std::string_view name, DibImage& image) const;

    // Reads a whole file (resolved regardless of case) of at most kMaxFileBytes.
    static bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

private:
    std::string badgeFolder_;
    CVantorBig* archive_;
};

} // namespace tallo
