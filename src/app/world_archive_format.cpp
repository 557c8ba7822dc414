#include "app/world_archive_format.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "assets/big_file_io.h"
#include "assets/packed_block.h"
#include "platform/byte_order.h"
#include "platform/output_target.h"
#include "platform/path_resolver.h"
#include "platform/temp_file.h"

namespace tallo {

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string OffsetText(uint64_t offset) {
    return std::to_string(offset);
}

} // namespace

ArchiveChunkKind ChunkKindOf(std::string_view tag) {
    if (tag == kCountryTag) {
        return ArchiveChunkKind::Country;
    }
    if (tag == "CLUB") {
        return ArchiveChunkKind::Club;
    }
    if (tag == "PLAY") {
        return ArchiveChunkKind::Player;
    }
    if (tag == kBadgeTag) {
        return ArchiveChunkKind::Badge;
    }
    if (tag == "KIT ") {
        return ArchiveChunkKind::Kit;
    }
    if (tag == kPictureTag) {
        return ArchiveChunkKind::Picture;
    }
    return ArchiveChunkKind::Other;
}

std::vector<uint8_t> MakeCountryPayload(uint32_t number, const uint8_t* bytes, size_t size) {
    std::vector<uint8_t> payload(4 + size);
    PutLittle32(payload.data(), number);
    if (size != 0) {
        std::memcpy(payload.data() + 4, bytes, size);
    }
    return payload;
}

std::vector<uint8_t> MakeNamedPayload(std::string_view name, const uint8_t* bytes, size_t size) {
    std::vector<uint8_t> payload;
    payload.reserve(name.size() + 1 + size);
    payload.assign(name.begin(), name.end());
    payload.push_back(0);
    if (size != 0) {
        payload.insert(payload.end(), bytes, bytes + size);
    }
    return payload;
}

bool ParseCountryPayload(const std::vector<uint8_t>& payload, uint32_t& number,
                         size_t& dataOffset) {
    if (payload.size() < 4) {
        return false;
    }
    number = GetLittle32(payload.data());
    dataOffset = 4;
    return true;
}

bool ParseNamedPayload(const std::vector<uint8_t>& payload, std::string& name, size_t& dataOffset) {
    const size_t limit = std::min(payload.size(), kMaxChunkNameLength + 1);
    const void* zero = limit == 0 ? nullptr : std::memchr(payload.data(), 0, limit);
    if (zero == nullptr) {
        return false;
    }
    const size_t length = static_cast<size_t>(static_cast<const uint8_t*>(zero) - payload.data());
    if (length == 0) {
        return false;
    }
    name.assign(reinterpret_cast<const char*>(payload.data()), length);
    dataOffset = length + 1;
    return true;
}

// Writer ----------------------------------------------------------------------------------------

WorldArchiveWriter::~WorldArchiveWriter() {
    Discard();
}

bool WorldArchiveWriter::Create(const std::string& path) {
    Discard();
    if (path.empty() || path.back() == '/') {
        return false;
    }
    target_ = ResolvePath(path);
    const OutputKind kind = ClassifyOutput(target_).kind;
    if (kind == OutputKind::Folder) {
        errno = EISDIR;
        return false;
    }
    special_ = kind == OutputKind::SpecialFile;
    std::error_code noTempFolder;
    const std::string folder =
        special_ ? std::filesystem::temp_directory_path(noTempFolder).string() : FolderOf(target_);
    std::optional<std::string> temporary = CreateTempFile(folder, ".tdb-");
    if (!temporary) {
        return false;
    }
    temporary_ = *temporary;
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (file_ == nullptr) {
        std::error_code error;
        std::filesystem::remove(temporary_, error);
        temporary_.clear();
        return false;
    }
    failed_ = false;
    length_ = 0;
    chunks_ = 0;
    uint8_t header[kArchiveHeaderSize] = {'F', 'O', 'R', 'M', 0, 0, 0, 0};
    if (!Write(header, sizeof header)) {
        Discard();
        return false;
    }
    return true;
}

bool WorldArchiveWriter::Write(const void* data, size_t size) {
    if (file_ == nullptr || failed_) {
        return false;
    }
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
        return false;
    }
    length_ += size;
    return true;
}

bool WorldArchiveWriter::AddChunk(std::string_view tag, const uint8_t* payload, size_t size) {
    if (file_ == nullptr || failed_ || tag.size() != 4 || (size != 0 && payload == nullptr)) {
        return false;
    }
    if (size > kPackedLongHeaderLimit) {
        failed_ = true;
        return false;
    }
    return AddPackedChunk(tag, PackBlock(payload, size));
}

bool WorldArchiveWriter::AddPackedChunk(std::string_view tag, const std::vector<uint8_t>& packed) {
    if (file_ == nullptr || failed_ || tag.size() != 4) {
        return false;
    }
    if (packed.empty() || length_ + kChunkHeaderSize + packed.size() > kMaxArchiveSize) {
        failed_ = true;
        return false;
    }
    uint8_t header[kChunkHeaderSize];
    std::memcpy(header, tag.data(), 4);
    PutLittle32(header + 4, static_cast<uint32_t>(packed.size()));
    if (!Write(header, sizeof header) || !Write(packed.data(), packed.size())) {
        return false;
    }
    ++chunks_;
    return true;
}

bool WorldArchiveWriter::Commit() {
    if (file_ == nullptr) {
        return false;
    }
    bool ok = !failed_ && length_ <= kMaxArchiveSize;
    if (ok) {
        uint8_t length[4];
        PutLittle32(length, static_cast<uint32_t>(length_));
        ok = SeekTo(file_, 4) && std::fwrite(length, 1, 4, file_) == 4;
    }
    ok = std::fflush(file_) == 0 && ok;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    std::error_code error;
    if (ok && special_) {
        ok = CopyIntoSpecialFile(temporary_, target_);
        const int reason = errno;
        std::filesystem::remove(temporary_, error);
        temporary_.clear();
        errno = reason;
        return ok;
    }
    if (ok) {
        // mkstemp makes the file readable by its owner only; an archive is meant to be passed on.
        std::filesystem::permissions(
            temporary_,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read | std::filesystem::perms::others_read,
            error);
        std::filesystem::rename(temporary_, target_, error);
        ok = !error;
    }
    if (!ok) {
        std::filesystem::remove(temporary_, error);
    }
    temporary_.clear();
    return ok;
}

void WorldArchiveWriter::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code error;
        std::filesystem::remove(temporary_, error);
        temporary_.clear();
    }
}

// Reader ----------------------------------------------------------------------------------------

WorldArchiveReader::~WorldArchiveReader() {
    Close();
}

void WorldArchiveReader::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    length_ = 0;
    position_ = 0;
    damageOffset_ = 0;
    damaged_ = false;
}

bool WorldArchiveReader::Open(const std::string& path) {
    Close();
    error_.clear();
    const std::string resolved = ResolvePath(path);
    std::error_code code;
    if (!std::filesystem::is_regular_file(resolved, code)) {
        error_ = "the file cannot be opened";
        return false;
    }
    file_ = std::fopen(resolved.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = "the file cannot be opened";
        return false;
    }
    uint64_t length = 0;
    uint8_t header[kArchiveHeaderSize];
    if (!tallo::FileLength(file_, length)) {
        error_ = "the file cannot be read";
    } else if (length < kArchiveHeaderSize || !ReadAt(file_, 0, header, sizeof header)) {
        error_ = "the file is too short to be a world archive";
    } else if (std::memcmp(header, kArchiveMagic.data(), 4) != 0) {
        error_ = "the file is not a world archive (no \"FORM\" header)";
    } else if (GetLittle32(header + 4) != length) {
        error_ = "the archive's stored length (" + std::to_string(GetLittle32(header + 4)) +
                 ") differs from the file's length (" + std::to_string(length) +
                 "); the file is truncated or damaged";
    }
    if (!error_.empty()) {
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }
    length_ = length;
    position_ = kArchiveHeaderSize;
    return true;
}

WorldArchiveReader::Status WorldArchiveReader::Damage(uint64_t offset, std::string reason) {
    damaged_ = true;
    damageOffset_ = offset;
    error_ = std::move(reason);
    return Status::Damaged;
}

WorldArchiveReader::Status WorldArchiveReader::Next(ArchiveChunk& chunk) {
    chunk.payload.clear();
    if (file_ == nullptr) {
        return Status::End;
    }
    if (damaged_) {
        return Status::Damaged;
    }
    if (position_ >= length_) {
        return Status::End;
    }
    const uint64_t offset = position_;
    const uint64_t left = length_ - offset;
    if (left < kChunkHeaderSize) {
        return Damage(offset, "incomplete chunk header at offset " + OffsetText(offset));
    }
    uint8_t header[kChunkHeaderSize];
    if (!ReadAt(file_, offset, header, sizeof header)) {
        return Damage(offset, "the chunk at offset " + OffsetText(offset) + " cannot be read");
    }
    const uint32_t packedLength = GetLittle32(header + 4);
    if (packedLength < 1) {
        return Damage(offset, "the chunk at offset " + OffsetText(offset) + " is empty");
    }
    if (packedLength > left - kChunkHeaderSize) {
        return Damage(offset, "the chunk at offset " + OffsetText(offset) +
                                  " is longer than the rest of the file");
    }
    std::vector<uint8_t> packed(packedLength);
    if (!ReadAt(file_, offset + kChunkHeaderSize, packed.data(), packed.size())) {
        return Damage(offset, "the chunk at offset " + OffsetText(offset) + " cannot be read");
    }
    if (!UnpackBlock(packed.data(), packed.size(), chunk.payload)) {
        return Damage(offset, "the chunk at offset " + OffsetText(offset) + " does not unpack");
    }
    chunk.tag.assign(reinterpret_cast<const char*>(header), 4);
    chunk.kind = ChunkKindOf(chunk.tag);
    chunk.offset = offset;
    position_ = offset + kChunkHeaderSize + packedLength;
    return Status::Chunk;
}

} // namespace tallo
