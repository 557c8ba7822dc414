#include "gamedb/master_buffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tallo {

void MasterBuffer::Clear() {
    pass_ = Pass::Count;
    counted_ = 0;
    position_ = 0;
    image_.reset();
    imageSize_ = 0;
    lengths_.clear();
    nextLength_ = 0;
    faulted_ = false;
    faultText_.clear();
    keeping_ = false;
    DropKept();
    keptPut_ = false;
    keptAt_ = 0;
    keptStart_ = 0;
    keptLengthsBegin_ = 0;
    keptLengthsEnd_ = 0;
}

bool MasterBuffer::StartWritePass() {
    if (faulted_ || pass_ != Pass::Count) {
        return false;
    }
    if (counted_ > kMaxSize) {
        Fault("the game database would be larger than 4 GiB");
        return false;
    }
    // The kept bytes stay where they are; the image holds the rest.
    const size_t size = static_cast<size_t>(counted_) - keptSize_;
    image_.reset(static_cast<uint8_t*>(std::calloc(size == 0 ? 1 : size, 1)));
    if (!image_) {
        Fault("no memory for the game database image");
        return false;
    }
    imageSize_ = size;
    pass_ = Pass::Write;
    position_ = 0;
    nextLength_ = 0;
    return true;
}

void MasterBuffer::Fault(std::string text) {
    if (!faulted_) {
        faulted_ = true;
        faultText_ = std::move(text);
    }
}

void MasterBuffer::PutFault() {
    if (pass_ == Pass::Count) {
        Fault("the game database would be larger than 4 GiB");
        return;
    }
    // Never past the image: the passes disagree.
    Fault("the write pass wrote more bytes than the count pass counted");
    position_ = imageSize_;
}

// The slow path of keeping: room for more bytes, or a reservation.
void MasterBuffer::Keep(const void* data, size_t count) {
    if (data == nullptr) {
        // Only a reservation passes no bytes; what it stands for is written later, so the kept
        // bytes could not be the written ones.
        Fault("bytes were reserved while records were kept");
    }
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    while (count > 0) {
        if (keptRoom_ == 0) {
            uint8_t* chunk = static_cast<uint8_t*>(std::malloc(kKeptChunk));
            if (chunk == nullptr) {
                Fault("no memory for the kept records");
                return;
            }
            SealPiece();
            keptPieces_.push_back(KeptPiece{{chunk, FreeBytes{}}, keptSize_, 0});
            keptCursor_ = chunk;
            keptRoom_ = kKeptChunk;
        }
        const size_t part = std::min(count, keptRoom_);
        if (bytes == nullptr) {
            std::memset(keptCursor_, 0, part);
        } else {
            std::memcpy(keptCursor_, bytes, part);
            bytes += part;
        }
        keptCursor_ += part;
        keptRoom_ -= part;
        keptSize_ += part;
        count -= part;
    }
}

void MasterBuffer::SealPiece() {
    if (!keptPieces_.empty() && keptCursor_ != nullptr) {
        KeptPiece& last = keptPieces_.back();
        last.size = static_cast<size_t>(keptCursor_ - last.bytes.get());
    }
}

uint8_t& MasterBuffer::KeptByte(size_t index) {
    // Most bytes asked for lie in the last piece: lengths of bodies that just ended, values
    // filled into a part of one piece.
    const KeptPiece& last = keptPieces_.back();
    if (index >= last.start) {
        return last.bytes[index - last.start];
    }
    // The last piece whose start is not past the index.
    const auto after =
        std::upper_bound(keptPieces_.begin(), keptPieces_.end(), index,
                         [](size_t at, const KeptPiece& piece) { return at < piece.start; });
    const KeptPiece& piece = *(after - 1);
    return piece.bytes[index - piece.start];
}

void MasterBuffer::DropKept() {
    keptPieces_.clear();
    keptCursor_ = nullptr;
    keptRoom_ = 0;
    keptSize_ = 0;
}

void MasterBuffer::BeginKeeping() {
    if (pass_ != Pass::Count || keeping_) {
        return;
    }
    keeping_ = true;
    DropKept();
    keptStart_ = counted_;
    keptLengthsBegin_ = lengths_.size();
    keptLengthsEnd_ = keptLengthsBegin_;
}

void MasterBuffer::EndKeeping() {
    if (!keeping_) {
        return;
    }
    keeping_ = false;
    keptLengthsEnd_ = lengths_.size();
}

void MasterBuffer::PutKept() {
    if (pass_ != Pass::Write) {
        return;
    }
    // The kept bodies use the lengths counted for them; any other order of the length-prefixed
    // bodies would give the records after them the wrong lengths.
    if (nextLength_ != keptLengthsBegin_) {
        Fault("the kept records were put where other length-prefixed bodies were counted");
    }
    if (keptPut_) {
        Fault("the kept records were put twice");
        return;
    }
    SealPiece();
    keptPut_ = true;
    keptAt_ = static_cast<size_t>(position_);
    nextLength_ = keptLengthsEnd_;
}

std::vector<std::string_view> MasterBuffer::Pieces() const {
    std::vector<std::string_view> pieces;
    if (pass_ != Pass::Write) {
        return pieces;
    }
    const char* image = reinterpret_cast<const char*>(image_.get());
    const size_t at = keptPut_ ? keptAt_ : imageSize_;
    if (at > 0) {
        pieces.emplace_back(image, at);
    }
    if (keptPut_) {
        for (const KeptPiece& piece : keptPieces_) {
            if (piece.size > 0) {
                pieces.emplace_back(reinterpret_cast<const char*>(piece.bytes.get()), piece.size);
            }
        }
    }
    if (imageSize_ > at) {
        pieces.emplace_back(image + at, imageSize_ - at);
    }
    return pieces;
}

std::string MasterBuffer::Contents() const {
    std::string contents;
    for (std::string_view piece : Pieces()) {
        contents.append(piece);
    }
    return contents;
}

void MasterBuffer::AppendKept(MasterBuffer& part) {
    if (pass_ != Pass::Count || !keeping_ || part.pass_ != Pass::Count || part.keeping_ ||
        part.keptStart_ != 0 || part.keptSize_ != part.counted_) {
        Fault("records were joined from a buffer that did not keep all it counted");
        return;
    }
    if (part.faulted_) {
        Fault(part.faultText_);
    }
    SealPiece();
    part.SealPiece();
    for (KeptPiece& piece : part.keptPieces_) {
        if (piece.size > 0) {
            piece.start = keptSize_;
            keptSize_ += piece.size;
            keptPieces_.push_back(std::move(piece));
        }
    }
    // The next kept byte starts a piece of its own.
    keptCursor_ = nullptr;
    keptRoom_ = 0;
    lengths_.insert(lengths_.end(), part.lengths_.begin(), part.lengths_.end());
    counted_ += part.counted_;
    if (counted_ > kMaxSize) {
        Fault("the game database would be larger than 4 GiB");
    }
    part.Clear();
}

void MasterBuffer::PatchKept16(size_t offset, uint16_t value) {
    if (pass_ != Pass::Count || offset > keptSize_ || keptSize_ - offset < 2) {
        Fault("a value was filled in outside the kept records");
        return;
    }
    KeptByte(offset) = static_cast<uint8_t>(value & 0xFF);
    KeptByte(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void MasterBuffer::Bytes(const void* data, size_t count) {
    Put(data, count);
}

void MasterBuffer::U32Array(const uint32_t* values, size_t count) {
    if (pass_ == Pass::Count && !keeping_) {
        Put(nullptr, count * 4);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        U32(values[i]);
    }
}

void MasterBuffer::Chars16(const uint16_t* values, size_t count) {
    if (pass_ == Pass::Count && !keeping_) {
        Put(nullptr, count * 2);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        U16(values[i]);
    }
}

void MasterBuffer::String(std::string_view text) {
    const size_t end = text.find('\0');
    if (end != std::string_view::npos) {
        text = text.substr(0, end);
    }
    Put(text.data(), text.size());
    U8(0);
}

void MasterBuffer::Block(const void* data, size_t count) {
    if (count > kMaxSize) {
        Fault("a block is larger than a 32-bit length can tell");
        return;
    }
    U32(static_cast<uint32_t>(count));
    Put(data, count);
}

void MasterBuffer::Add(size_t count) {
    if (pass_ == Pass::Count) {
        Put(nullptr, count);
    }
}

uint32_t MasterBuffer::Counter() const {
    const uint64_t value = pass_ == Pass::Count ? counted_ : TotalSize();
    return value > kMaxSize ? static_cast<uint32_t>(kMaxSize) : static_cast<uint32_t>(value);
}

MasterBuffer::LengthMark MasterBuffer::BeginLength() {
    LengthMark mark;
    if (pass_ == Pass::Count) {
        mark.slot = lengths_.size();
        lengths_.push_back(0);
        U32(0);
    } else {
        mark.slot = nextLength_++;
        if (mark.slot < lengths_.size()) {
            U32(lengths_[mark.slot]);
        } else {
            Fault("the write pass opened more length-prefixed bodies than the count pass");
            U32(0);
        }
    }
    mark.start = Position();
    return mark;
}

void MasterBuffer::EndLength(const LengthMark& mark) {
    const uint64_t end = Position();
    const uint64_t length = end >= mark.start ? end - mark.start : 0;
    if (pass_ == Pass::Count) {
        if (mark.slot < lengths_.size()) {
            const uint32_t value = length > kMaxSize ? 0xFFFFFFFFu : static_cast<uint32_t>(length);
            lengths_[mark.slot] = value;
            // A kept body gets its length written over the placeholder it was kept with.
            if (keeping_ && mark.start >= keptStart_ + 4 && mark.start - keptStart_ <= keptSize_) {
                const size_t at = static_cast<size_t>(mark.start - keptStart_ - 4);
                for (size_t i = 0; i < 4; ++i) {
                    KeptByte(at + i) = static_cast<uint8_t>(value >> (8 * i));
                }
            }
        }
        return;
    }
    if (mark.slot >= lengths_.size() || lengths_[mark.slot] != length) {
        Fault("a length-prefixed body came out with another length in the write pass");
    }
}

bool MasterBuffer::IsComplete() const {
    return pass_ == Pass::Write && !faulted_ && position_ == imageSize_ &&
           nextLength_ == lengths_.size() && (keptSize_ == 0 || keptPut_);
}

void MasterBuffer::ReleaseImage() {
    image_.reset();
    imageSize_ = 0;
    DropKept();
    keptPut_ = false;
}

} // namespace tallo
