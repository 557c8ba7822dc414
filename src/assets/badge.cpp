#include "assets/badge.h"

#include "assets/badge_names.h"
#include "assets/badge_sources.h"
#include "world/club.h"

namespace tallo {

bool CBadge::Set(std::string_view folder, std::string_view pattern) {
    if (folder.size() >= kPathSize || pattern.size() >= kPathSize) {
        return false;
    }
    folder_.assign(folder);
    pattern_.assign(pattern);
    return true;
}

bool CBadge::SetFromClub(std::string_view folder, const CClub& club) {
    const std::string pattern = club.GetBadgePattern();
    return !pattern.empty() && Set(folder, pattern);
}

std::vector<BadgeChunk> CBadge::BuildChunks() const {
    std::vector<BadgeChunk> chunks;
    if (pattern_.empty()) {
        return chunks;
    }
    std::string previous;
    for (int size : kBadgeSizes) {
        std::string name = FormatBadgePattern(pattern_, size);
        if (name == previous) {
            continue;
        }
        previous = name;
        const std::string path = BadgeDiskPath(folder_, name);
        std::vector<uint8_t> bytes;
        if (path.empty() || !CBadgeSources::ReadWholeFile(path, bytes)) {
            continue;
        }
        BadgeChunk chunk;
        chunk.size = size;
        chunk.payload.reserve(name.size() + 1 + bytes.size());
        chunk.payload.assign(name.begin(), name.end());
        chunk.payload.push_back(0);
        chunk.payload.insert(chunk.payload.end(), bytes.begin(), bytes.end());
        chunk.name = std::move(name);
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}

size_t CBadge::Export(const ChunkSink& sink, bool* ok) const {
    if (ok != nullptr) {
        *ok = true;
    }
    size_t handed = 0;
    for (const BadgeChunk& chunk : BuildChunks()) {
        ++handed;
        if (!sink(kChunkTag, chunk.payload) && ok != nullptr) {
            *ok = false;
        }
    }
    return handed;
}

} // namespace tallo
