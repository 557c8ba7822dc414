#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

// The world archive ("tdb"): every country file of a database with the badges and player
// pictures its clubs use, as one file. All numbers are little-endian.
//
//   0   "FORM"
//   4   total length of the file, header included (32 bits)
//   8   chunks to the end of the file:
//         0  tag (4 characters)
//         4  length n of the packed payload, at least 1
//         8  the payload as one packed block
//
// Payloads by tag:
//   "COUN"  country number (32 bits), then the bytes of that country's record file
//   "BADG"  file name relative to the badges folder, its zero byte, then the file's bytes
//   "PLIM"  file name relative to the picture folder, its zero byte, then the file's bytes
//   "CLUB", "PLAY", "KIT "  club, player and kit data, which no world archive of ours holds
//           and the import skips like any other tag.

enum class ArchiveChunkKind {
    Other = 0,
    Country = 1,
    Club = 2,
    Player = 3,
    Badge = 4,
    Kit = 5,
    Picture = 6,
};

inline constexpr std::string_view kArchiveMagic = "FORM";
inline constexpr std::string_view kCountryTag = "COUN";
inline constexpr std::string_view kBadgeTag = "BADG";
inline constexpr std::string_view kPictureTag = "PLIM";
inline constexpr size_t kArchiveHeaderSize = 8;
inline constexpr size_t kChunkHeaderSize = 8;
// Names inside payloads fill buffers of 260 bytes in the game's tools: at most 259 characters.
inline constexpr size_t kMaxChunkNameLength = 259;
// The length field has 32 bits; a larger archive cannot be written.
inline constexpr uint64_t kMaxArchiveSize = 0xFFFFFFFFu;

// The kind of a four-character tag.
ArchiveChunkKind ChunkKindOf(std::string_view tag);

// Payload helpers. The makers build what the writer packs; the parsers check what the reader
// unpacked and never read past it.
std::vector<uint8_t> MakeCountryPayload(uint32_t number, const uint8_t* bytes, size_t size);
std::vector<uint8_t> MakeNamedPayload(std::string_view name, const uint8_t* bytes, size_t size);
// The country number and the offset of the file's bytes; false when the payload is shorter
// than the number.
bool ParseCountryPayload(const std::vector<uint8_t>& payload, uint32_t& number, size_t& dataOffset);
// The name up to its zero byte and the offset of the file's bytes; false when there is no zero
// byte within the first kMaxChunkNameLength + 1 bytes, or the name is empty.
bool ParseNamedPayload(const std::vector<uint8_t>& payload, std::string& name, size_t& dataOffset);

// Writes an archive without ever leaving a half-written one at the target: the chunks go into
// a temporary file beside the target, and Commit fills in the length and renames that file over
// the target. An archive that is discarded, or not committed before the writer goes away,
// leaves nothing behind (and an older file at the target untouched). A target that is a device,
// FIFO or socket is never replaced: the archive is put together in the temporary folder and
// written into it by Commit. A target that is a folder is refused.
class WorldArchiveWriter {
public:
    WorldArchiveWriter() = default;
    ~WorldArchiveWriter();
    WorldArchiveWriter(const WorldArchiveWriter&) = delete;
    WorldArchiveWriter& operator=(const WorldArchiveWriter&) = delete;

    // Starts an archive for `path` (resolved regardless of case): the temporary file with the
    // header. False when the file cannot be created.
    bool Create(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }

    // Packs the payload and appends it as a chunk. False when the archive is not open, the
    // tag is not four characters, the payload is too large to pack or the archive would grow
    // past its 32-bit length, or the write fails; the archive is then no longer usable (every
    // later call fails and Commit refuses).
    bool AddChunk(std::string_view tag, const uint8_t* payload, size_t size);
    bool AddChunk(std::string_view tag, const std::vector<uint8_t>& payload) {
        return AddChunk(tag, payload.data(), payload.size());
    }
    // Appends a payload already packed as one block (by PackBlock), with the same checks and
    // failures as AddChunk. An empty block is refused.
    bool AddPackedChunk(std::string_view tag, const std::vector<uint8_t>& packed);

    // Writes the length, closes the file and puts it in place of the target. False (and no
    // file at the target changed) when anything failed.
    bool Commit();
    // Drops the unfinished archive.
    void Discard();

    uint64_t Length() const { return length_; }
    size_t ChunkCount() const { return chunks_; }
    // The target of the archive being written.
    const std::string& TargetPath() const { return target_; }

private:
    bool Write(const void* data, size_t size);

    std::FILE* file_ = nullptr;
    std::string target_;
    std::string temporary_;
    bool special_ = false; // the target is a device, FIFO or socket
    uint64_t length_ = 0;
    size_t chunks_ = 0;
    bool failed_ = false;
};

// One chunk as the reader hands it out.
struct ArchiveChunk {
    std::string tag; // four characters
    ArchiveChunkKind kind = ArchiveChunkKind::Other;
    uint64_t offset = 0;          // of the chunk's header in the file
    std::vector<uint8_t> payload; // unpacked
};

// Reads an archive chunk by chunk. Nothing from the file is trusted: the header must give the
// file's true length, and every chunk's length must fit in what is left of the file before its
// payload is read; a payload that does not unpack to exactly its announced size (at most
// kMaxUnpackedSize) counts as damage. Reading stops at the first damage.
class WorldArchiveReader {
public:
    enum class Status { Chunk, End, Damaged };

    WorldArchiveReader() = default;
    ~WorldArchiveReader();
    WorldArchiveReader(const WorldArchiveReader&) = delete;
    WorldArchiveReader& operator=(const WorldArchiveReader&) = delete;

    // Opens the archive and checks its header: at least 8 bytes, "FORM", and a stored length
    // equal to the file's length. False, with the reason in Error(), otherwise.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // The next chunk. End at the end of the file; Damaged (with the reason in Error() and the
    // offset in DamageOffset()) when the rest of the file is not a well-formed chunk.
    Status Next(ArchiveChunk& chunk);

    uint64_t FileLength() const { return length_; }
    // Offset of the next chunk to read.
    uint64_t Position() const { return position_; }
    uint64_t DamageOffset() const { return damageOffset_; }
    const std::string& Error() const { return error_; }

private:
    Status Damage(uint64_t offset, std::string reason);

    std::FILE* file_ = nullptr;
    uint64_t length_ = 0;
    uint64_t position_ = 0;
    uint64_t damageOffset_ = 0;
    bool damaged_ = false;
    std::string error_;
};

} // namespace tallo
