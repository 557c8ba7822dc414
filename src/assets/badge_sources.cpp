#include "assets/badge_sources.h"

#include "assets/badge_names.h"
#include "assets/big_file_io.h"
#include "assets/tga_to_bmp.h"
#include "assets/vantor_big.h"
#include "platform/path_resolver.h"

#include <array>
#include <cstdio>

namespace tallo {

CVantorBig* CBadgeSources::OpenArchive() const {
    return archive_ != nullptr && archive_->IsOpen() ? archive_ : nullptr;
}

bool CBadgeSources::ExistsOnDisk(std::string_view name) const {
    const std::string path = BadgeDiskPath(badgeFolder_, name);
    return !path.empty() && FileExists(path);
}

bool CBadgeSources::ExistsInArchive(std::string_view name) const {
    // A closed archive is asked nothing, so that checking many clubs does not report its
    // absence once per club.
    const CVantorBig* archive = OpenArchive();
    return archive != nullptr && !name.empty() && archive->FindEntry(BadgeArchiveName(name)) >= 0;
}

bool CBadgeSources::CheckBadge(std::string_view name) const {
    const size_t at = BadgeTextFind(name, kBadge180);
    if (at == std::string_view::npos) {
        return true;
    }
    // The archive is asked first: a look-up in its index costs nothing beside the file system
    // walk of the disk check, and most badges of an installation are in it. A build asks for
    // every club, so the names of all sizes are looked up together.
    std::array<int, kBadgeSizes.size()> inArchive;
    inArchive.fill(-1);
    if (const CVantorBig* archive = OpenArchive()) {
        // The four names one after the other in one text, cut into views once it is whole.
        std::string names;
        std::string sized;
        std::array<size_t, kBadgeSizes.size() + 1> starts{};
        for (size_t i = 0; i < kBadgeSizes.size(); ++i) {
            SizedBadgeArchiveName(name, at, kBadgeSizes[i], sized);
            names += sized;
            starts[i + 1] = names.size();
        }
        std::array<std::string_view, kBadgeSizes.size()> views;
        for (size_t i = 0; i < kBadgeSizes.size(); ++i) {
            views[i] = std::string_view(names).substr(starts[i], starts[i + 1] - starts[i]);
        }
        archive->FindEntries(views, inArchive);
    }
    for (size_t i = 0; i < kBadgeSizes.size(); ++i) {
        if (inArchive[i] < 0 && !ExistsOnDisk(BadgeNameForSize(name, kBadgeSizes[i]))) {
            return false;
        }
    }
    return true;
}

bool CBadgeSources::ReadBadge(std::string_view name, std::vector<uint8_t>& bytes) const {
    bytes.clear();
    if (name.empty()) {
        return false;
    }
    const std::string path = BadgeDiskPath(badgeFolder_, name);
    if (!path.empty() && ReadWholeFile(path, bytes)) {
        return true;
    }
    // An absent archive is left to report itself, as the user asked for this picture.
    if (archive_ == nullptr) {
        return false;
    }
    return archive_->ReadEntryByName(BadgeArchiveName(name), bytes, true);
}

bool CBadgeSources::LoadBadgeImage(std::string_view name, DibImage& image) const {
    image = DibImage();
    std::vector<uint8_t> bytes;
    return ReadBadge(name, bytes) && TgaToBmp(bytes.data(), bytes.size(), image);
}

bool CBadgeSources::ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (!FileExists(path)) {
        return false;
    }
    std::FILE* file = std::fopen(ResolvePath(path).c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    uint64_t length = 0;
    bool ok = FileLength(file, length) && length <= kMaxFileBytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(length));
        ok = length == 0 || ReadAt(file, 0, bytes.data(), bytes.size());
    }
    std::fclose(file);
    if (!ok) {
        bytes.clear();
    }
    return ok;
}

} // namespace tallo
