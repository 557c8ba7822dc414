#include "assets/vantor_big.h"

#include "assets/big_file_io.h"
#include "assets/packed_block.h"
#include "formats/string_table.h"
#include "platform/byte_order.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "platform/temp_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>

namespace tallo {

namespace {

constexpr int kNoNameString = 867;
constexpr int kCannotOpenString = 869;
constexpr int kNotBigString = 871;
constexpr int kEntryNotFoundString = 874;
constexpr int kNotOpenString = 877;
constexpr int kCaptionString = 899;

constexpr size_t kHeaderSize = 16;
// Offset, size and at least the zero byte of a name.
constexpr uint64_t kSmallestRecord = 9;

// The folder part of an archive path ("" when it has none); both separators count.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The most bytes a packed stream for `size` output bytes can usefully hold: a literal run
// spends five bytes on four, every other command less, and the header and end command a few.
uint64_t LongestUsefulStream(uint64_t size) {
    return kPackedLongHeaderSize + size + size / 4 + 16;
}

} // namespace

CVantorBig::CVantorBig(IPrompt* prompt) : prompt_(prompt) {}

CVantorBig::~CVantorBig() {
    Close();
}

void CVantorBig::Report(int stringId, const std::string& argument) const {
    if (prompt_ == nullptr) {
        return;
    }
    const std::string text =
        argument.empty() ? LoadString(stringId) : FormatString(stringId, argument.c_str());
    prompt_->ShowMessage(text, LoadString(kCaptionString));
}

void CVantorBig::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!packedPath_.empty() && !readPath_.empty()) {
        std::remove(readPath_.c_str());
    }
    entries_.clear();
    entries_.shrink_to_fit();
    index_.Clear();
    readPath_.clear();
    packedPath_.clear();
}

bool CVantorBig::Open(const std::string& path, bool readOnly) {
    Close();
    if (path.empty()) {
        Report(kNoNameString);
        return false;
    }
    const std::string resolved = ResolvePath(path);
    // A folder opens as a stream on some systems but is no archive to read.
    std::FILE* file = FileExists(path) ? std::fopen(resolved.c_str(), "rb") : nullptr;
    if (file == nullptr) {
        Report(kCannotOpenString, path);
        return false;
    }
    uint64_t length = 0;
    uint8_t header[kHeaderSize];
    if (!FileLength(file, length) || length < kHeaderSize ||
        !ReadAt(file, 0, header, kHeaderSize)) {
        std::fclose(file);
        Report(kNotBigString, path);
        return false;
    }
    readPath_ = resolved;

    if (HasShortPackedHeader(header, kHeaderSize)) {
        // Failures while preparing a packed archive end silently.
        if (!UnpackWholeArchive(file, length, path)) {
            Close();
            return false;
        }
        if (!ReadAt(file, 0, header, kHeaderSize)) {
            std::fclose(file);
            Close();
            return false;
        }
    }

    const uint32_t storedSize = GetLittle32(header + 4);
    const uint64_t archiveSize = storedSize == length ? storedSize : GetBig32(header + 4);
    const uint32_t count = GetBig32(header + 8);
    const uint64_t headerSize = GetBig32(header + 12);
    if (std::memcmp(header, "BIGF", 4) != 0 || archiveSize > length || headerSize > length) {
        std::fclose(file);
        Close();
        Report(kNotBigString, path);
        return false;
    }
    if (!ReadDirectory(file, length, count, path) || !ReadUnpackedSizes(file, path)) {
        // ReadDirectory has reported what deserves a message.
        std::fclose(file);
        Close();
        return false;
    }
    std::fclose(file);

    file_ = std::fopen(readPath_.c_str(), readOnly ? "rb" : "r+b");
    if (file_ == nullptr && !readOnly) {
        file_ = std::fopen(readPath_.c_str(), "rb");
    }
    if (file_ == nullptr) {
        Close();
        Report(kCannotOpenString, path);
        return false;
    }
    BuildIndex();
    return true;
}

bool CVantorBig::UnpackWholeArchive(std::FILE*& file, uint64_t& length,
                                    const std::string& archivePath) {
    uint8_t header[kPackedShortHeaderSize];
    if (!ReadAt(file, 0, header, sizeof header)) {
        std::fclose(file);
        file = nullptr;
        return false;
    }
    // Bytes past the longest stream that can make the announced size are never read, so a
    // huge file costs no more memory than a sound one.
    const uint64_t wanted = std::min(length, LongestUsefulStream(UnpackSize(header, 5)));
    std::vector<uint8_t> packed(static_cast<size_t>(wanted));
    const bool read = ReadAt(file, 0, packed.data(), packed.size());
    std::fclose(file);
    file = nullptr;
    std::vector<uint8_t> unpacked;
    if (!read || !UnpackBlock(packed.data(), packed.size(), unpacked, kPackedShortHeaderLimit) ||
        unpacked.size() < kHeaderSize) {
        return false;
    }
    packed = std::vector<uint8_t>();

    std::string folder = FolderOf(readPath_);
    std::optional<std::string> temporary = CreateTempFile(folder.empty() ? "." : folder, "tmp");
    if (!temporary) {
        std::error_code error;
        const std::filesystem::path system = std::filesystem::temp_directory_path(error);
        if (!error) {
            temporary = CreateTempFile(system.string(), "tmp");
        }
    }
    if (!temporary) {
        return false;
    }
    // From here on Close removes the temporary file.
    readPath_ = *temporary;
    packedPath_ = archivePath;
    file = std::fopen(temporary->c_str(), "w+b");
    if (file == nullptr) {
        return false;
    }
    if (std::fwrite(unpacked.data(), 1, unpacked.size(), file) != unpacked.size() ||
        std::fflush(file) != 0) {
        std::fclose(file);
        file = nullptr;
        return false;
    }
    length = unpacked.size();
    return true;
}

bool CVantorBig::ReadDirectory(std::FILE* file, uint64_t length, uint32_t count,
                               const std::string& shownPath) {
    if (!SeekTo(file, kHeaderSize)) {
        Report(kNotBigString, shownPath);
        return false;
    }
    // Every record takes at least nine bytes, so the file bounds the reservation.
    entries_.reserve(static_cast<size_t>(std::min<uint64_t>(count, length / kSmallestRecord)));
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t numbers[8];
        if (std::fread(numbers, 1, sizeof numbers, file) != sizeof numbers) {
            Report(kNotBigString, shownPath);
            return false;
        }
        BigEntry entry;
        entry.offset = GetBig32(numbers);
        entry.size = GetBig32(numbers + 4);
        bool terminated = false;
        for (size_t n = 0; n <= kMaxNameLength; ++n) {
            const int c = std::fgetc(file);
            if (c == EOF) {
                Report(kNotBigString, shownPath);
                return false;
            }
            if (c == 0) {
                terminated = true;
                break;
            }
            entry.name.push_back(static_cast<char>(c));
        }
        if (!terminated) {
            // A name longer than the directory allows ends the open without a message.
            return false;
        }
        const uint64_t end = uint64_t{entry.offset} + entry.size;
        if (entry.offset < 1 || entry.offset > length || end > length ||
            static_cast<int32_t>(entry.size) < 0) {
            Report(kNotBigString, shownPath);
            return false;
        }
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool CVantorBig::ReadUnpackedSizes(std::FILE* file, const std::string& shownPath) {
    for (BigEntry& entry : entries_) {
        if (entry.size < 8) {
            continue;
        }
        uint8_t start[8];
        if (!ReadAt(file, entry.offset, start, sizeof start)) {
            Report(kNotBigString, shownPath);
            return false;
        }
        if (HasShortPackedHeader(start, sizeof start)) {
            entry.unpackedSize = static_cast<uint32_t>(UnpackSize(start, sizeof start));
        }
    }
    return true;
}

void CVantorBig::BuildIndex() {
    index_.Clear();
    index_.Reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        // The first entry of a name stays.
        index_.Add(entries_[i].name, static_cast<int>(i));
    }
}

int CVantorBig::GetCount() const {
    return static_cast<int>(entries_.size());
}

bool CVantorBig::IsValidIndex(int index) const {
    if (!IsOpen()) {
        Report(kNotOpenString);
        return false;
    }
    return index >= 0 && index < GetCount();
}

const BigEntry& CVantorBig::GetEntry(int index) const {
    static const BigEntry empty;
    return IsValidIndex(index) ? entries_[static_cast<size_t>(index)] : empty;
}

int CVantorBig::FindEntry(std::string_view name) const {
    if (!IsOpen()) {
        Report(kNotOpenString);
        return -1;
    }
    if (name.empty() || entries_.empty()) {
        return -1;
    }
    return index_.Find(name);
}

void CVantorBig::FindEntries(std::span<const std::string_view> names,
                             std::span<int> indices) const {
    if (!IsOpen()) {
        Report(kNotOpenString);
    }
    if (!IsOpen() || entries_.empty()) {
        std::fill(indices.begin(), indices.end(), -1);
        return;
    }
    index_.FindAll(names, indices);
    for (size_t i = 0; i < names.size() && i < indices.size(); ++i) {
        if (names[i].empty()) {
            indices[i] = -1;
        }
    }
}

int CVantorBig::FindEntryReport(std::string_view name) const {
    if (!IsOpen()) {
        Report(kNotOpenString);
        return -1;
    }
    if (name.empty()) {
        Report(kNoNameString);
        return -1;
    }
    const int index = FindEntry(name);
    if (index < 0) {
        Report(kEntryNotFoundString, ToUtf8(name, ActiveCodePage()));
    }
    return index;
}

bool CVantorBig::ReadEntry(int index, std::vector<uint8_t>& data, bool unpack) {
    data.clear();
    if (!IsValidIndex(index)) {
        return false;
    }
    const BigEntry& entry = entries_[static_cast<size_t>(index)];
    std::vector<uint8_t> stored(entry.size);
    if (!ReadAt(file_, entry.offset, stored.data(), stored.size())) {
        return false;
    }
    if (unpack && stored.size() >= 2 && stored[0] == 0x10 && stored[1] == 0xFB) {
        return UnpackBlock(stored.data(), stored.size(), data, kPackedShortHeaderLimit);
    }
    data = std::move(stored);
    return true;
}

bool CVantorBig::ReadEntryByName(std::string_view name, std::vector<uint8_t>& data, bool unpack) {
    data.clear();
    const int index = FindEntryReport(name);
    return index >= 0 && ReadEntry(index, data, unpack);
}

} // namespace tallo
