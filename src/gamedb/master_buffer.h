#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_order.h"

namespace tallo {

// The output of a game database build: a flat little-endian byte stream without tags, padding
// or alignment.
//
// The build runs every record writer twice with the same arguments. In the count pass the
// buffer holds no bytes: every primitive only adds its size to the counted size. The write
// pass then allocates an image of exactly the counted size once (less the bytes kept from the
// count pass, see below), and every primitive copies its bytes to the write position. Record
// writers never ask which pass runs; they call the same primitives in both.
//
// The buffer never writes past its image. A write that would not fit, a length-prefixed body
// whose length differs between the passes, or a file image above 4 GiB marks the buffer as
// faulted; the builder then reports the disagreement and writes no file. After the write
// pass, IsComplete() tells whether the image was filled exactly.
class MasterBuffer {
public:
    enum class Pass { Count, Write };

    // A length-prefixed body under construction (BeginLength / EndLength).
    struct LengthMark {
        size_t slot = 0;    // which remembered length this body uses
        uint64_t start = 0; // position just after the length field
    };

    MasterBuffer() = default;

    // Back to an empty count pass: counters 0, no image, no remembered lengths, no fault.
    void Clear();
    // Ends the count pass: allocates the image of the counted size and starts writing at 0.
    // False (and nothing allocated) when the buffer is faulted or the image cannot be had.
    bool StartWritePass();

    Pass CurrentPass() const { return pass_; }
    bool IsWritePass() const { return pass_ == Pass::Write; }

    // Primitives -------------------------------------------------------------------------
    // The small primitives are written for every field of every record, twice: they are
    // inline, and only a fault leaves the inline path.
    void U8(uint8_t value) { Put(&value, 1); }
    void U16(uint16_t value) {
        uint8_t bytes[2];
        PutLittle16(bytes, value);
        Put(bytes, 2);
    }
    void U32(uint32_t value) {
        uint8_t bytes[4];
        PutLittle32(bytes, value);
        Put(bytes, 4);
    }
    // `count` raw bytes of a fixed array.
    void Bytes(const void* data, size_t count);
    // `count` 32-bit values.
    void U32Array(const uint32_t* values, size_t count);
    // `count` 16-bit values (arrays of 16-bit settings).
    void Chars16(const uint16_t* values, size_t count);
    // The characters of `text` up to its first zero byte (if any), then a zero byte.
    void String(std::string_view text);
    // A 32-bit length `count`, then `count` raw bytes.
    void Block(const void* data, size_t count);
    void Block(std::string_view bytes) { Block(bytes.data(), bytes.size()); }
    // Count pass only: reserves `count` bytes without writing them. Does nothing in the write
    // pass (the reserved bytes are written there by ordinary primitives).
    void Add(size_t count);
    // Count pass: the bytes counted so far. Write pass: the total size of the image.
    uint32_t Counter() const;

    // Length prefixes --------------------------------------------------------------------
    // A record that writes its body length in front of its body:
    //
    //     MasterBuffer::LengthMark mark = buffer.BeginLength();
    //     ... the body ...
    //     buffer.EndLength(mark);
    //
    // BeginLength writes a U32: in the count pass a placeholder (its 4 bytes are counted), in
    // the write pass the length the count pass measured for this body. EndLength measures the
    // body; in the count pass it remembers the length, in the write pass it checks that the
    // body came out as long as counted (a difference faults the buffer). Bodies may nest.
    // The lengths are matched to their bodies by the order of the BeginLength calls, which
    // is the same in both passes.
    LengthMark BeginLength();
    void EndLength(const LengthMark& mark);

    // Records kept from the count pass ------------------------------------------------------
    // Record writers whose bytes do not depend on the pass need not run twice: between
    // BeginKeeping and EndKeeping the count pass keeps the bytes it counts (length prefixes
    // filled in when their bodies end), and PutKept in the write pass puts them in place of a
    // second run of the same writers, using up the lengths counted for them. Primitives that
    // only reserve (Add) may not be used while keeping.
    void BeginKeeping();
    void EndKeeping();
    void PutKept();
    // Bytes kept so far (count pass) or still to be put (write pass).
    size_t KeptSize() const { return keptPut_ ? 0 : keptSize_; }
    // Count pass, while keeping: takes over everything `part` counted, as if its writers had
    // run here. `part` must be a count pass that kept all it counted (BeginKeeping at its
    // start, EndKeeping at its end); its bytes and lengths are moved, not copied, and it is
    // left empty. A fault of `part` becomes a fault of this buffer. Records written on several
    // threads into buffers of their own are joined this way, in their order.
    void AppendKept(MasterBuffer& part);
    // Count pass: writes `value` little-endian over the two kept bytes at `offset` (counted
    // from the first kept byte). A value not known while its record was written is filled in
    // this way before the kept bytes are put; an offset outside the kept bytes faults.
    void PatchKept16(size_t offset, uint16_t value);

    // State --------------------------------------------------------------------------------
    // Bytes counted (count pass) or written (write pass) so far.
    uint64_t Position() const {
        return pass_ == Pass::Count ? counted_ : position_ + (keptPut_ ? keptSize_ : 0);
    }
    // Total size fixed by the count pass (valid in the write pass).
    uint64_t TotalSize() const { return imageSize_ + keptSize_; }
    bool Faulted() const { return faulted_; }
    // What went wrong first, for the report; empty while not faulted.
    const std::string& FaultText() const { return faultText_; }
    // Write pass filled the image exactly and nothing faulted.
    bool IsComplete() const;
    // The file in the order of its bytes (nothing in the count pass): the image written by
    // the write pass, with the kept bytes where PutKept put them. The kept bytes are not
    // copied into the image; the pieces are written one after the other.
    std::vector<std::string_view> Pieces() const;
    // The pieces joined (tests and small files).
    std::string Contents() const;
    // Releases the image and the kept bytes.
    void ReleaseImage();

    // Largest image the buffer builds (the file's first field is a 32-bit size).
    static constexpr uint64_t kMaxSize = 0xFFFFFFFFull;

private:
    // Count pass: adds `count`. Write pass: copies `count` bytes (never past the image).
    void Put(const void* data, size_t count) {
        if (pass_ == Pass::Count) {
            counted_ += count;
            if (keeping_ && count > 0) {
                if (data != nullptr && count <= keptRoom_) {
                    std::memcpy(keptCursor_, data, count);
                    keptCursor_ += count;
                    keptRoom_ -= count;
                    keptSize_ += count;
                } else {
                    Keep(data, count);
                }
            }
            if (counted_ <= kMaxSize) {
                return;
            }
        } else if (count <= imageSize_ - position_) {
            if (count > 0) {
                std::memcpy(image_.get() + position_, data, count);
                position_ += count;
            }
            return;
        }
        PutFault();
    }
    // The rest of Put once the count passed the largest size or a write would not fit.
    void PutFault();
    void Keep(const void* data, size_t count);
    uint8_t& KeptByte(size_t index);
    // Notes the size of the piece being filled, so that every piece knows its size.
    void SealPiece();
    void DropKept();
    void Fault(std::string text);

    // malloc'd bytes: the image comes from calloc, whose large blocks are fresh zero pages
    // that need no clearing of their own.
    struct FreeBytes {
        void operator()(uint8_t* bytes) const { std::free(bytes); }
    };
    // The kept bytes grow a chunk at a time, so that they are never copied or cleared before
    // the write pass puts them.
    static constexpr size_t kKeptChunk = size_t{1} << 20;
    // A run of kept bytes: a chunk of this buffer, or one taken over from another buffer.
    struct KeptPiece {
        std::unique_ptr<uint8_t[], FreeBytes> bytes;
        size_t start = 0; // offset of its first byte among the kept bytes
        size_t size = 0;  // bytes used (of the piece being filled: up to keptCursor_)
    };

    Pass pass_ = Pass::Count;
    uint64_t counted_ = 0;
    uint64_t position_ = 0;
    std::unique_ptr<uint8_t[], FreeBytes> image_;
    size_t imageSize_ = 0;
    std::vector<uint32_t> lengths_; // body lengths measured in the count pass, by BeginLength order
    size_t nextLength_ = 0;         // next remembered length the write pass uses
    bool faulted_ = false;
    std::string faultText_;
    bool keeping_ = false;
    // Bytes kept by the count pass: keptSize_ of them, in pieces; the next byte goes to
    // keptCursor_ in the last piece, with keptRoom_ bytes left in it.
    std::vector<KeptPiece> keptPieces_;
    uint8_t* keptCursor_ = nullptr;
    size_t keptRoom_ = 0;
    size_t keptSize_ = 0;
    bool keptPut_ = false;        // the write pass reached PutKept
    size_t keptAt_ = 0;           // where in the image the kept bytes stand (once put)
    uint64_t keptStart_ = 0;      // counted position of the first kept byte
    size_t keptLengthsBegin_ = 0; // remembered lengths opened while keeping: [begin, end)
    size_t keptLengthsEnd_ = 0;
};

} // namespace tallo
