#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CClub;

// One picture of a badge ready for the world archive: the payload of a "BADG" chunk is the
// name (relative to the badge folder) with its zero byte, then the file's bytes.
struct BadgeChunk {
    int size = 0;     // the badge size this picture is for
    std::string name; // relative to the badge folder, as the pattern gives it
    std::vector<uint8_t> payload;
};

// The badge export record: a badge folder and a club's badge name pattern with one "%d"
// where the size goes. Exporting it yields one chunk per badge size whose file exists.
class CBadge {
public:
    static constexpr size_t kPathSize = 260; // both texts hold at most 259 characters
    static constexpr std::string_view kChunkTag = "BADG";

    CBadge() = default;

    // Takes both texts; false (and nothing changed) when one does not fit kPathSize.
    bool Set(std::string_view folder, std::string_view pattern);
    // The club's badge pattern (CClub::GetBadgePattern) below `folder`; false when it has no
    // badge file or the texts do not fit.
    bool SetFromClub(std::string_view folder, const CClub& club);

    const std::string& Folder() const { return folder_; }
    const std::string& Pattern() const { return pattern_; }

    // For each size 180, 74, 48, 14: the pattern with the size put in (by text substitution,
    // never as a format), read from "<folder>/<name>"; sizes whose file cannot be read are
    // skipped, as are names leading out of the folder and a name equal to the previous
    // size's (a pattern without "%d" names one picture, exported once).
    std::vector<BadgeChunk> BuildChunks() const;

    // Receives each chunk: its tag and payload; false when it could not be added.
    using ChunkSink =
        std::function<bool(std::string_view tag, const std::vector<uint8_t>& payload)>;
    // Hands every chunk of BuildChunks to `sink`, which packs and writes it. Returns the
    // number of chunks handed over; `ok` turns false when the sink refused one.
    size_t Export(const ChunkSink& sink, bool* ok = nullptr) const;

private:
    std::string folder_;
    std::string pattern_;
};

} // namespace tallo
